#include "device/KReadIOThread.h"

#include "device/InputSource.h"

#include <QCoreApplication>
#include <QMutexLocker>

namespace {
constexpr int kPollMs = 100;
constexpr int kSliceMs = 10;
} // namespace

const std::array<int, KReadIOThread::kRows> KReadIOThread::kRowBits = {0, 1, 2, 3, 4, 6, 5, 0, 2, 1};

KReadIOThread::KReadIOThread(int fd1, int fd2, QObject *parent)
    : QThread(parent)
    , fd1(fd1)
    , fd2(fd2)
    , source(std::make_shared<InputSource>())
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
    if (!inputSource)
        return;
    QMutexLocker lock(&sourceMutex);
    source = std::move(inputSource);
}

std::shared_ptr<InputSource> KReadIOThread::currentSource() const
{
    QMutexLocker lock(&sourceMutex);
    return source;
}

void KReadIOThread::report(int row, bool on)
{
    using Signal = void (KReadIOThread::*)(bool);
    static const Signal kSignals[kRows] = {
        &KReadIOThread::setXWXp,   &KReadIOThread::setXWXn,     &KReadIOThread::setXWYp,  &KReadIOThread::setXWYn,
        &KReadIOThread::setDX1Err, &KReadIOThread::setDX2Err,   &KReadIOThread::setDYErr, &KReadIOThread::setDLZKnock,
        &KReadIOThread::setDLZDW,  &KReadIOThread::setDLZAnswer};
    emit(this->*kSignals[row])(on);
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
    while (!isInterruptionRequested()) {
        pollOnce(currentSource()->readByte());
        for (int slept = 0; slept < kPollMs && !isInterruptionRequested(); slept += kSliceMs)
            msleep(kSliceMs);
    }
}
