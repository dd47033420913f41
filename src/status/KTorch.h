#ifndef KTORCH_H
#define KTORCH_H

#include <QGroupBox>
#include <QPixmap>

class QLabel;

// A titled row of eight torch icons that reports a click (on release) as
// clicked(). It stores a torch selection byte; every torch is shown grey,
// its lit icon waits hidden at the same place.
class KTorch : public QGroupBox
{
    Q_OBJECT
public:
    explicit KTorch(QWidget *parent = nullptr);

    static const int kTorches = 8;

    QLabel *litLabel[kTorches];
    QLabel *greyLabel[kTorches];
    unsigned char torchMask = 0;
    QPixmap litIcon;
    QPixmap greyIcon;

public slots:
    void setTorch(unsigned char mask);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

#endif
