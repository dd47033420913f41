#ifndef HEIGHTCHANNEL_H
#define HEIGHTCHANNEL_H

#include <QtGlobal>

// The torch lifter as the height writer and the height reader see it. The
// writer side takes the six lifter commands and the acceleration; the reader
// side hands over the bytes of one poll. A read that returns false delivered
// nothing, and the reader then leaves that part of its pass out.
class HeightChannel
{
public:
    virtual ~HeightChannel();

    // Writer side. Distances in 0.01 mm (positive up), speeds in mm/min.
    virtual void stepUp(int speed) = 0;
    virtual void stepDown(int speed) = 0;
    virtual void stepStop() = 0;
    virtual void move(int distance, int speed) = 0;
    virtual void moveStop() = 0;
    virtual void clearHeight() = 0;
    virtual void setValue(int acc) = 0;

    // Reader side.
    virtual bool readZ(quint8 &z) = 0;
    virtual bool readStop(quint8 (&bytes)[2]) = 0;
    virtual bool readIO(quint8 (&bytes)[2]) = 0;
    // Sends the arc-voltage request and reads the reply; false when the
    // request could not be written or fewer than four bytes came back.
    virtual bool exchangeU1(quint8 (&reply)[4]) = 0;

    static const quint8 kRequest[2];
};

#endif
