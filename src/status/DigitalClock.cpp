#include "status/DigitalClock.h"

#include <QTime>
#include <QTimer>

DigitalClock::DigitalClock(QWidget *parent)
    : QLCDNumber(parent)
{
    setSegmentStyle(QLCDNumber::Filled);
    setFrameShape(QFrame::NoFrame);
    auto *timer = new QTimer(this);
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, this, QOverload<>::of(&DigitalClock::showTime));
    timer->start();
    showTime();
}

QString DigitalClock::timeText(const QTime &time)
{
    QString text = time.toString(QStringLiteral("hh:mm"));
    if (time.second() % 2 == 0)
        text[2] = QLatin1Char(' ');
    return text;
}

void DigitalClock::showTime()
{
    showTime(QTime::currentTime());
}

void DigitalClock::showTime(const QTime &time)
{
    shown_ = timeText(time);
    display(shown_);
}
