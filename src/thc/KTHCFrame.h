#ifndef KTHCFRAME_H
#define KTHCFRAME_H

#include <QWidget>

class KButton;
class KZUFrame;
class QGroupBox;

// The jog column of the torch-height screen: the height and arc-voltage
// display above hold-to-move buttons. Only torch 1 is wired: a press starts
// its move, the release stops it.
class KTHCFrame : public QWidget
{
    Q_OBJECT
public:
    explicit KTHCFrame(QWidget *parent);

    KZUFrame *zuFrame;
    QGroupBox *group1;
    QGroupBox *group2;
    QGroupBox *groupAll;
    KButton *up1Button;
    KButton *down1Button;
    KButton *up2Button;
    KButton *down2Button;
    KButton *upAllButton;
    KButton *downAllButton;

signals:
    void sg1Up();
    void sg1Down();
    void sg1Stop();

public slots:
    void up1Pressed();
    void up1Released();
    void down1Pressed();
    void down1Released();

private:
    QGroupBox *addGroup(const QString &title, int x, int y);
    static KButton *addButton(QGroupBox *group, int y, const QString &icon);
};

#endif
