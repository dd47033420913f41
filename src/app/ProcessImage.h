#ifndef PROCESSIMAGE_H
#define PROCESSIMAGE_H

#include "records/DeviceRecords.h"

// What each step of the flame, powder and plasma chains does to the output
// image. A step changes its bits together and the window sends the image
// once, so the order of images the card sees can be read off this table.
class ProcessImage
{
public:
    enum Step {
        // Flame and powder.
        DwDownEnd,       // torch down off
        Df,              // preheat oxygen and ignition on
        PowderDf,        // ignition and powder preheat on
        DfEnd,           // ignition off
        PreheatOn,       // preheat oxygen on
        CkUp,            // height control off (no lift time)
        CkUpLift,        // height control off, torch up on
        CkUpEnd,         // torch up off
        DoCK1,           // pierce stage 1 on
        DoCK2,           // pierce stage 2 on
        DoCK3,           // pierce stage 3 on
        Ck3End,          // the three stages off
        OxygenOn,        // cutting oxygen on
        CkDown,          // height control on (no descent time)
        CkDownLower,     // height control on, torch down on
        CkDownEnd,       // torch down off
        OxygenOff,       // cutting oxygen off
        PowderOxygenOff, // cutting and preheat oxygen off
        PreheatOff,      // preheat oxygen off
        OxoffUp,         // height control off (no lift time)
        OxoffUpLift,     // height control off, torch up on
        OxoffUpEnd,      // torch up off
        FireEnd,         // preheat, cutting oxygen and height control off
        // Plasma.
        DLZTorchDownCollision,  // torch down on
        DLZTorchDownCapacitive, // height control on
        DLZTorchUp,             // torch down off, torch up on
        DLZDWUpStart,           // torch up on
        DLZDWUpEnd,             // height control and torch up off
        DLZDWSuccess,           // torch up and torch down off
        DLZYHStart,             // arc start on
        DLZYHEnd,               // arc start off
        DLZHYOn,                // arc voltage on
        DLZHYOnJogging,         // then height control on, a send of its own
        DLZOff,                 // torch down, arc start, arc voltage off; torch up on
        DLZOffJogging,          // height control, torch down, arc start, arc voltage off
        DLZOffEnd,              // torch up off
        DLZConerOff,            // height control off at a corner
        DLZConerOn,             // height control on after it
        DLZKnock,               // torch down off
        DlzEnd,                 // height control, arc start and arc voltage off
        StepCount
    };

    // Bits (byte * 8 + bit) a step switches on and off.
    struct Change {
        quint32 on;
        quint32 off;
    };

    static Change change(Step step);
    static sys_t apply(sys_t image, Step step);
    // Three bytes as one number, byte 0 lowest.
    static quint32 bits(const sys_t &image);
};

#endif
