#include "device/KReadIOThread.h"

#include "device/InputSource.h"
#include "device/PassWait.h"

#include <QCoreApplication>

namespace {
constexpr int kPollMs = 100;
} // namespace

const std::array<int, KReadIOThread::kRows> KReadIOThread::kRowBits = {0, 1, 2, 3, 4, 6, 5, 0, 2, 1};

KReadIOThread::KReadIOThread(int fd1, int fd2, QObject *parent)
    : QThread(parent)
    , fd1(fd1)
    , fd2(fd2)
    , source(std::make_shared<InputSource>())
    , passWait(std::make_shared<PassWait>())
{
    for (auto &flag : active)
        flag = false;
}

KReadIOThread::~KReadIOThread()
{
    stopLoop();
}

void KReadIOThread::stopLoop()
{
    if (!isRunning())
        return;
    requestInterruption();
    wait();
    // The last reports of the loop are still queued for the view. Deliver
    // them now, so a resetInputs() made before the next turn of the event
    // loop is not undone by them.
    if (parent() && QThread::currentThread() == thread())
        QCoreApplication::sendPostedEvents(parent(), QEvent::MetaCall);
}

void KReadIOThread::setInputSource(std::shared_ptr<InputSource> inputSource)
{
    if (inputSource)
        source.set(std::move(inputSource));
}

void KReadIOThread::setPassWait(std::shared_ptr<PassWait> wait)
{
    if (wait)
        passWait.set(std::move(wait));
}

void KReadIOThread::report(int row, bool on)
{
    switch (row) {
    case 0:
        emit setXWXp(on);
        break;
    case 1:
        emit setXWXn(on);
        break;
    case 2:
        emit setXWYp(on);
        break;
    case 3:
        emit setXWYn(on);
        break;
    case 4:
        emit setDX1Err(on);
        break;
    case 5:
        emit setDX2Err(on);
        break;
    case 6:
        emit setDYErr(on);
        break;
    case 7:
        emit setDLZKnock(on);
        break;
    case 8:
        emit setDLZDW(on);
        break;
    case 9:
        emit setDLZAnswer(on);
        break;
    default:
        break;
    }
}

void KReadIOThread::resetInputs()
{
    for (int row = 0; row < kRows; ++row) {
        active[row] = false;
        report(row, false);
    }
}

void KReadIOThread::pollOnce(quint8 byte)
{
    for (int row = 0; row < kRows; ++row) {
        const bool on = !((byte >> kRowBits[row]) & 1);
        if (active[row].exchange(on) != on)
            report(row, on);
    }
}

void KReadIOThread::run()
{
    const std::shared_ptr<PassWait> wait = passWait.get();
    const auto stopRequested = [this] { return isInterruptionRequested(); };
    while (!isInterruptionRequested()) {
        pollOnce(source.get()->readByte());
        wait->wait(kPollMs, stopRequested);
    }
}
