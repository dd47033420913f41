#ifndef FDHEIGHTCHANNEL_H
#define FDHEIGHTCHANNEL_H

#include "device/HeightChannel.h"

// The height channel on its descriptors. The lifter's commands have no wire
// format yet, so they send nothing; the reads and the arc-voltage exchange go
// through the descriptor layer and fail at once on a descriptor that is not
// open. The height, stop and I/O descriptors belong to the controller; the
// reply descriptor belongs to this channel and is closed with it.
class FdHeightChannel : public HeightChannel
{
public:
    FdHeightChannel(int fdZ, int fdStop, int fdIO, int fdReply = -1);
    ~FdHeightChannel() override;
    FdHeightChannel(const FdHeightChannel &) = delete;
    FdHeightChannel &operator=(const FdHeightChannel &) = delete;

    void stepUp(int speed) override;
    void stepDown(int speed) override;
    void stepStop() override;
    void move(int distance, int speed) override;
    void moveStop() override;
    void clearHeight() override;
    void setValue(int acc) override;

    bool readZ(quint8 &z) override;
    bool readStop(quint8 (&bytes)[2]) override;
    bool readIO(quint8 (&bytes)[2]) override;
    bool exchangeU1(quint8 (&reply)[4]) override;

    int value() const { return acc; }
    int replyDescriptor() const { return fdReply; }

private:
    int fdZ;
    int fdStop;
    int fdIO;
    int fdReply;
    int acc = 1;
};

#endif
