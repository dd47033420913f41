#include "status/KZU.h"

#include "status/Caption.h"

#include <QFrame>
#include <QPainter>

KZU::KZU(QWidget *parent)
    : QWidget(parent)
{
    QFont f = font();
    f.setPointSize(12);
    f.setWeight(75);
    setFont(f);

    const struct {
        const char *text;
        int x, y;
    } captions[] = {{"Z1:", 20, 7},  {"Z2:", 20, 37},  {"mm", 150, 5}, {"mm", 150, 35},
                    {"U1:", 20, 87}, {"U2:", 20, 117}, {"V", 150, 85}, {"V", 150, 115}};
    for (const auto &c : captions)
        Caption::add(this, QString::fromLatin1(c.text), c.x, c.y);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Raised);
    line->setGeometry(5, 68, 190, 5);
    reset();
}

void KZU::reset()
{
    z1 = 0.0;
    z2 = 0.0;
    u1 = 0.0;
    u2 = 0.0;
}

QString KZU::valueText(double value)
{
    return QString::number(value);
}

void KZU::setZ1(int hundredths)
{
    z1 = hundredths / 100.0;
    update(z1Rect());
}

void KZU::setZ2(int hundredths)
{
    z2 = hundredths / 100.0;
    update();
}

void KZU::setU1(unsigned int tenths)
{
    u1 = tenths / 10.0;
    update(u1Rect());
}

void KZU::setU2(unsigned int tenths)
{
    u2 = tenths / 10.0;
    update();
}

double KZU::getZ1()
{
    return z1;
}

double KZU::getU1()
{
    return u1;
}

void KZU::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawText(70, 20, valueText(z1));
    p.drawText(70, 50, valueText(z2));
    p.drawText(70, 100, valueText(u1));
    p.drawText(70, 130, valueText(u2));
}
