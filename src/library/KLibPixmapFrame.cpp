#include "library/KLibPixmapFrame.h"

#include <QLabel>
#include <QPalette>

KLibPixmapFrame::KLibPixmapFrame(QWidget *parent)
    : QFrame(parent)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 255, 255, 255));
    setPalette(p);
    setAutoFillBackground(true);
    pixmapLabel = new QLabel(this);
    pixmapLabel->resize(230, 200);
    pixmapLabel->move(3, 0);
}
