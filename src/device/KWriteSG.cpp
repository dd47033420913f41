#include "device/KWriteSG.h"

#include "device/FdHeightChannel.h"

KWriteSG::KWriteSG(int fdZ, int fdStop, int fdIO, QObject *parent)
    : QObject(parent)
    , fdZ(fdZ)
    , fdStop(fdStop)
    , fdIO(fdIO)
    , sg(std::make_shared<FdHeightChannel>(fdZ, fdStop, fdIO))
{
}

KWriteSG::~KWriteSG() = default;

void KWriteSG::setChannel(std::shared_ptr<HeightChannel> channel)
{
    if (channel)
        sg = std::move(channel);
}

void KWriteSG::setValue(int value)
{
    acc = value;
    sg->setValue(value);
}

void KWriteSG::writeSGStep1Up(int speed)
{
    sg->stepUp(speed);
}

void KWriteSG::writeSGStep1Down(int speed)
{
    sg->stepDown(speed);
}

void KWriteSG::writeSGStep1Stop()
{
    sg->stepStop();
}

void KWriteSG::writeSGClear()
{
    sg->clearHeight();
}

void KWriteSG::writeSGMove(int distance, int speed)
{
    sg->move(distance, speed);
}

void KWriteSG::writeSGMove1Stop()
{
    sg->moveStop();
}
