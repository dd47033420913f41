#ifndef KLINE_H
#define KLINE_H

#include <QLineEdit>

// A line edit that reports a mouse press as clicked(). The press is not
// passed on, so a click never moves the text cursor: the receiver decides
// what the click selects.
class KLine : public QLineEdit
{
    Q_OBJECT
public:
    explicit KLine(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

#endif
