#include "pages/KMorepoint.h"

#include <QPainter>

KMorepoint::KMorepoint(QWidget *parent)
    : QWidget(parent)
{
    setPalette(QPalette(QColor(250, 250, 200)));
    setAutoFillBackground(true);
    QFont f;
    f.setPointSize(10);
    setFont(f);
    reset();
}

QString KMorepoint::header()
{
    return QStringLiteral("点         X          Y");
}

QString KMorepoint::rowLine(int i, int x, int y)
{
    return QStringLiteral("%1    %2    %3").arg(i + 1).arg(x, 8, 10, QLatin1Char(' ')).arg(y, 8, 10, QLatin1Char(' '));
}

QStringList KMorepoint::lines() const
{
    QStringList texts{header()};
    for (int i = 0; i <= lastIndex; ++i)
        texts << rowLine(i, points[i].x, points[i].y);
    return texts;
}

void KMorepoint::reset()
{
    lastIndex = -1;
    for (Point &p : points)
        p = Point{0, 0};
}

void KMorepoint::addPoint(int x, int y)
{
    if (lastIndex + 1 >= maxPoints)
        return;
    ++lastIndex;
    points[lastIndex] = Point{x, y};
    update();
}

void KMorepoint::paintEvent(QPaintEvent *)
{
    const QStringList texts = lines();
    QPainter painter(this);
    painter.drawText(20, 10, texts[0]);
    for (int i = 1; i < texts.size(); ++i)
        painter.drawText(20, 40 + 20 * (i - 1), texts[i]);
}
