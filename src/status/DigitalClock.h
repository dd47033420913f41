#ifndef DIGITALCLOCK_H
#define DIGITALCLOCK_H

#include <QLCDNumber>
#include <QString>

class QTime;

// Hours and minutes with a colon that blinks: shown on odd seconds, blank on
// even ones. A one-second timer keeps it current from construction on.
class DigitalClock : public QLCDNumber
{
    Q_OBJECT
public:
    explicit DigitalClock(QWidget *parent = nullptr);

    // "hh:mm", with a blank for the colon on an even second.
    static QString timeText(const QTime &time);
    // The five characters on display.
    QString shownText() const { return shown_; }

public slots:
    void showTime();
    void showTime(const QTime &time);

signals:
    // Declared for USB-stick detection, which the program does not do.
    void usbDetected(int);
    void usbCanuse(bool);

private:
    QString shown_;
};

#endif
