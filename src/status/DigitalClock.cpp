#include "status/DigitalClock.h"

#include <QTime>
#include <QTimer>

DigitalClock::DigitalClock(QWidget *parent)
    : QLCDNumber(parent)
{
    setSegmentStyle(QLCDNumber::Filled);
    setFrameShape(QFrame::NoFrame);
    // Filled segments take the background colour and light/dark edges, which
    // at 20 pixels high leaves pale strokes on a pale bar. One dark colour for
    // all of them keeps the digits readable; the clock fills no background.
    QPalette pal = palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Light, QPalette::Dark})
        pal.setColor(role, QColor(32, 32, 32));
    setPalette(pal);
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
