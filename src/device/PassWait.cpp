#include "device/PassWait.h"

#include <QThread>

#include <algorithm>

PassWait::~PassWait() = default;

void PassWait::wait(int ms, const std::function<bool()> &stopRequested)
{
    // The naps are counted, not timed: a loop on a busy machine runs slower,
    // never faster, than its pace.
    for (int slept = 0; slept < ms && !stopRequested(); slept += kNapMs)
        nap(std::min(kNapMs, ms - slept));
}

void PassWait::nap(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}
