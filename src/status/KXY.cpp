#include "status/KXY.h"

#include "status/Caption.h"

#include <QPainter>

KXY::KXY(QWidget *parent)
    : QWidget(parent)
{
    QFont f = font();
    f.setPointSize(10);
    setFont(f);
    Caption::add(this, QStringLiteral("X:"), 20, 5);
    Caption::add(this, QStringLiteral("Y:"), 20, 25);
    Caption::add(this, QStringLiteral("mm"), 150, 5);
    Caption::add(this, QStringLiteral("mm"), 150, 25);
    resetXY();
}

void KXY::resetXY()
{
    x = 0;
    y = 0;
    xmm = 0.0;
    ymm = 0.0;
}

QString KXY::mmText(int hundredths)
{
    return QString::number(hundredths / 100.0);
}

void KXY::setX(int value)
{
    x = value;
    update();
}

void KXY::setY(int value)
{
    y = value;
    update();
}

void KXY::setStartPoint(int px, int py)
{
    setX(px);
    setY(py);
}

void KXY::movePoint(int px, int py)
{
    setStartPoint(px, py);
}

double KXY::getX()
{
    return x / 100.0;
}

double KXY::getY()
{
    return y / 100.0;
}

void KXY::paintEvent(QPaintEvent *)
{
    xmm = x / 100.0;
    ymm = y / 100.0;
    QPainter p(this);
    p.drawText(80, 16, xText());
    p.drawText(80, 36, yText());
}
