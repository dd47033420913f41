#ifndef HELDWAIT_H
#define HELDWAIT_H

#include "HangGuard.h"
#include "device/PassWait.h"

#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QSemaphore>
#include <QTest>
#include <QThread>

#include <atomic>
#include <functional>

// A reader loop's wait that the test steps: each wait notes how long it was
// asked to last, then holds the loop until the test lets it go on or the loop
// is told to stop. What a loop asks for is its pace, however busy the machine.
class HeldWait : public PassWait
{
public:
    void wait(int ms, const std::function<bool()> &stopRequested) override
    {
        {
            QMutexLocker lock(&mutex);
            asked << ms;
        }
        while (!stopRequested() && !unheld && !permits.tryAcquire(1, 1)) {
        }
    }

    // Lets the loop leave one wait.
    void release() { permits.release(); }
    // Holds the loop no more: one deaf to its stop request must not keep the
    // test from ending.
    void letGo() { unheld = true; }

    // The time each wait so far asked for, in order, in milliseconds.
    QList<int> askedFor() const
    {
        QMutexLocker lock(&mutex);
        return asked;
    }

    int count() const { return askedFor().size(); }

private:
    mutable QMutex mutex;
    QList<int> asked;
    QSemaphore permits;
    std::atomic<bool> unheld{false};
};

// Runs `loop` through four passes, holding it in each wait, and stops it in
// the fourth: exactly one pass (as `passes` counts them) comes before each
// wait, and the stop request reaches the loop held there. The caller checks
// what the waits asked for once this did not fail.
inline void stepFourPasses(QThread *loop, HeldWait *wait, const std::function<int()> &passes)
{
    loop->start();
    for (int pass = 1; pass <= 3; ++pass) {
        QTRY_COMPARE_WITH_TIMEOUT(wait->count(), pass, kHangGuardMs);
        QCOMPARE(passes(), pass);
        wait->release();
    }
    QTRY_COMPARE_WITH_TIMEOUT(wait->count(), 4, kHangGuardMs);
    loop->requestInterruption();
    const bool ended = loop->wait(kHangGuardMs);
    wait->letGo();
    QVERIFY(ended);
    QCOMPARE(passes(), 4);
}

#endif
