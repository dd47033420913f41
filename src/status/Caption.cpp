#include "status/Caption.h"

#include <QLabel>

QLabel *Caption::add(QWidget *parent, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}
