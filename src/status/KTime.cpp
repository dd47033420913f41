#include "status/KTime.h"

#include "status/Caption.h"

#include <QPainter>
#include <QTimer>

KTime::KTime(QWidget *parent)
    : QWidget(parent)
    , timer(new QTimer(this))
{
    QFont f = font();
    f.setPointSize(9);
    setFont(f);

    const struct {
        const char *text;
        int x, y;
    } captions[] = {{QT_TR_NOOP("剩余时间 :"), 10, 5},
                    {QT_TR_NOOP("运行时间 :"), 10, 25},
                    {QT_TR_NOOP("分钟"), 120, 5},
                    {QT_TR_NOOP("分钟"), 120, 25}};
    for (const auto &c : captions)
        Caption::add(this, tr(c.text), c.x, c.y);

    timer->setInterval(60000);
    connect(timer, &QTimer::timeout, this, &KTime::setAlready);
    timer->start();
    resetTime();
}

void KTime::resetTime()
{
    remain = 0;
    already = 0;
}

QString KTime::remainText() const
{
    return QString::number(remain);
}

QString KTime::alreadyText() const
{
    return QString::number(already);
}

void KTime::setRemain(int minutes)
{
    remain = minutes;
    update();
}

void KTime::setAlready()
{
    ++already;
    emit timeChanged();
    update();
}

void KTime::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawText(85, 16, remainText());
    p.drawText(85, 36, alreadyText());
}
