#ifndef DEVICERECORDS_H
#define DEVICERECORDS_H

#include <QtGlobal>

// Records passed by value to the axis card's device writer.

// Speed record. Fields are numbered [0] to [4] throughout the program.
struct para_t {
    qint32 topSpeed = 6000; // [0] traverse speed, mm/min
    qint32 cutSpeed = 2000; // [1] cutting speed, mm/min
    qint32 lowSpeed = 300;  // [2] low (corner) speed, mm/min
    qint32 startNum = 0;    // [3] start record
    qint32 method = 1;      // [4] movement method: 1 slow, 2 fast, 3 inch, 4 machining
};

// Start point record, lengths in 0.01 mm.
struct start_t {
    qint32 startNum = 0; // [0] start record (same as para_t [3])
    qint32 offsetX = 0;  // [1] machine x minus begin x
    qint32 offsetY = 0;  // [2] machine y minus begin y
    qint32 beginX = 0;   // [3] x of the start point on the cutting plot
    qint32 beginY = 0;   // [4] y of the start point on the cutting plot
};

// Output image: three bytes, a set bit switches the output on.
struct sys_t {
    quint8 byte[3] = {0, 0, 0};

    // Bit numbers: byte * 8 + bit.
    enum Output {
        PreheatOxygen = 0,      // 0.0 预热氧
        CuttingOxygen = 1,      // 0.1 切割氧
        Ignition = 2,           // 0.2 点火
        Pierce1 = 3,            // 0.3 穿孔1
        Pierce2 = 4,            // 0.4 穿孔2
        Pierce3 = 5,            // 0.5 穿孔3
        PowderPreheat = 6,      // 0.6 喷粉预热
        PowderStirring = 7,     // 0.7 搅粉
        AutoHeight = 8,         // 1.0 自动调高
        TorchUp = 9,            // 1.1 割炬上升
        TorchDown = 10,         // 1.2 割炬下降
        Reserved1 = 11,         // 1.3 保留
        PlasmaPositioning = 12, // 1.4 等离子定位
        ArcStart = 13,          // 1.5 等离子引弧
        ArcVoltage = 14,        // 1.6 等离子弧压
        Reserved2 = 15,         // 1.7 保留
        Torch1 = 16,            // 2.0 .. 2.7 割炬1 .. 割炬8
        Torch8 = 23,
    };

    bool test(int output) const { return (byte[output >> 3] >> (output & 7)) & 1; }
    void set(int output, bool on)
    {
        const quint8 mask = quint8(1u << (output & 7));
        if (on)
            byte[output >> 3] |= mask;
        else
            byte[output >> 3] &= quint8(~mask);
    }
};

static_assert(sizeof(para_t) == 20 && sizeof(start_t) == 20 && sizeof(sys_t) == 3, "wire layouts");

// A point in 0.01 mm.
struct point_t {
    qint32 x = 0;
    qint32 y = 0;
};

#endif
