#include "status/KLabel.h"

#include <QMouseEvent>

KLabel::KLabel(QWidget *parent)
    : QLabel(parent)
{
}

void KLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit clicked();
}
