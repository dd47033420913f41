#include "device/FdHeightChannel.h"

#include "device/DeviceIo.h"

FdHeightChannel::FdHeightChannel(int fdZ, int fdStop, int fdIO, int fdReply)
    : fdZ(fdZ)
    , fdStop(fdStop)
    , fdIO(fdIO)
    , fdReply(fdReply)
{
}

FdHeightChannel::~FdHeightChannel()
{
    if (DeviceIo::isOpen(fdReply))
        DeviceIo::close(fdReply);
    fdReply = DeviceIo::kNotOpen;
}

void FdHeightChannel::stepUp(int) {}

void FdHeightChannel::stepDown(int) {}

void FdHeightChannel::stepStop() {}

void FdHeightChannel::move(int, int) {}

void FdHeightChannel::moveStop() {}

void FdHeightChannel::clearHeight() {}

void FdHeightChannel::setValue(int value)
{
    acc = value;
}

bool FdHeightChannel::readZ(quint8 &z)
{
    return DeviceIo::read(fdZ, &z, 1) == 1;
}

bool FdHeightChannel::readStop(quint8 (&bytes)[2])
{
    return DeviceIo::read(fdStop, bytes, 2) == 2;
}

bool FdHeightChannel::readIO(quint8 (&bytes)[2])
{
    return DeviceIo::read(fdIO, bytes, 2) == 2;
}

bool FdHeightChannel::exchangeU1(quint8 (&reply)[4])
{
    if (DeviceIo::write(fdReply, kRequest, sizeof kRequest) != long(sizeof kRequest))
        return false;
    return DeviceIo::read(fdReply, reply, sizeof reply) == long(sizeof reply);
}
