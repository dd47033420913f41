#ifndef KLABEL_H
#define KLABEL_H

#include <QLabel>

// A caption that reports a mouse press as clicked().
class KLabel : public QLabel
{
    Q_OBJECT
public:
    explicit KLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

#endif
