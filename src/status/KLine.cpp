#include "status/KLine.h"

#include <QMouseEvent>

KLine::KLine(QWidget *parent)
    : QLineEdit(parent)
{
}

void KLine::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit clicked();
}
