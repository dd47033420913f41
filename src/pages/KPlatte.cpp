#include "pages/KPlatte.h"

#include <QPainter>

KPlatte::KPlatte(QWidget *parent)
    : QWidget(parent)
{
    setPalette(QPalette(QColor(250, 250, 200)));
    setAutoFillBackground(true);
    reset();
}

QString KPlatte::pointLine(const QString &prefix, double x, double y)
{
    return prefix + QStringLiteral("(%1,  %2)").arg(x, 8, 'f', 2, QLatin1Char(' ')).arg(y, 8, 'f', 2, QLatin1Char(' '));
}

QStringList KPlatte::lines() const
{
    return {pointLine(QStringLiteral("首点"), firstX, firstY), pointLine(QStringLiteral("次点"), secondX, secondY),
            QStringLiteral("钢板"), QStringLiteral("Y"), QStringLiteral("X")};
}

void KPlatte::reset()
{
    angleValue = 0;
    firstX = firstY = secondX = secondY = 0;
}

void KPlatte::setAngle(double angle)
{
    angleValue = angle;
    update();
}

void KPlatte::setFirstPoint(double x, double y)
{
    firstX = x;
    firstY = y;
    update();
}

void KPlatte::setSecondPoint(double x, double y)
{
    secondX = x;
    secondY = y;
    update();
}

void KPlatte::paintEvent(QPaintEvent *)
{
    const QStringList texts = lines();
    QPainter painter(this);
    painter.drawText(10, 20, texts[0]);
    painter.drawText(10, 40, texts[1]);

    painter.save();
    painter.setPen(QPen(Qt::darkGray, 1, Qt::SolidLine));
    painter.drawText(500, 30, texts[2]);
    // The axes of the machine as they lie on the screen: Y to the left, X up.
    painter.drawText(512, 633, texts[3]);
    painter.drawLine(522, 630, 562, 630);
    painter.drawLine(522, 630, 527, 625);
    painter.drawLine(522, 630, 527, 635);
    painter.drawText(554, 592, texts[4]);
    painter.drawLine(557, 595, 557, 635);
    painter.drawLine(557, 595, 562, 600);
    painter.drawLine(557, 595, 552, 600);

    painter.save();
    painter.translate(400, 500);
    painter.rotate(-angleValue);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(Qt::lightGray, Qt::SolidPattern));
    // Unturned, the plate runs from the corner along both arrows.
    painter.drawRect(QRectF(0, 0, -200, -400));
    painter.restore();
    painter.restore();
}
