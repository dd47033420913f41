#include "device/KReadSGThread.h"

#include "device/FdHeightChannel.h"

KReadSGThread::KReadSGThread(int fdZ, int fdIO, int fdStop, QObject *parent)
    : QThread(parent)
    , fdZ(fdZ)
    , fdIO(fdIO)
    , fdStop(fdStop)
    , sg(std::make_shared<FdHeightChannel>(fdZ, fdStop, fdIO))
{
    readyReported = true;
    reset();
}

KReadSGThread::~KReadSGThread()
{
    stopLoop();
}

void KReadSGThread::stopLoop()
{
    if (!isRunning())
        return;
    requestInterruption();
    wait();
}

void KReadSGThread::setChannel(std::shared_ptr<HeightChannel> channel)
{
    if (channel)
        sg.set(std::move(channel));
}

void KReadSGThread::reset()
{
    u1Request = false;
    stepReported = false;
    moveReported = false;
    topReported = false;
    underReported = false;
    zValue = 0;
    lastZ = 0;
    u1Value = 0;
    lastU1 = 0;
}

void KReadSGThread::pollOnce()
{
    const std::shared_ptr<HeightChannel> channel = sg.get();

    quint8 z = 0;
    if (channel->readZ(z)) {
        zValue = z;
        if (lastZ.exchange(z) != z)
            emit valueZ1Changed(z);
    }

    quint8 stop[2] = {0, 0};
    if (channel->readStop(stop)) {
        if (stop[0] != 0 && !stepReported.exchange(true))
            emit stepStopped();
        if (stop[1] != 0 && !moveReported.exchange(true))
            emit moveStopped();
    }

    quint8 io[2] = {0, 0};
    if (channel->readIO(io)) {
        const bool notReady = io[1] & 0x01;
        if (notReady && readyReported.exchange(false))
            emit sgNotReady();
        else if (!notReady && !readyReported.exchange(true))
            emit sgReady();

        const bool clearBelow = io[0] & 0x01;
        if (clearBelow)
            underReported = false;
        else if (!underReported.exchange(true))
            emit underTouched();

        if ((io[1] & 0x10) && !topReported.exchange(true))
            emit topTouched();
    }

    quint8 reply[4] = {0, 0, 0, 0};
    if (u1Request && channel->exchangeU1(reply)) {
        const bool accepted =
            reply[0] == 1 && ((reply[2] == reply[3] && reply[1] != 0) || (reply[2] != reply[3] && reply[1] != 1));
        if (accepted) {
            const uint u = uint(reply[1]) * 256u + reply[2];
            u1Value = u;
            if (lastU1.exchange(u) != u)
                emit valueU1Changed(u);
        }
    }
}

void KReadSGThread::run()
{
    while (!isInterruptionRequested()) {
        pollOnce();
        msleep(10);
    }
}
