#ifndef AXISSTATUS_H
#define AXISSTATUS_H

#include "records/DeviceRecords.h"

// What the axis card reports for one pass of the interrupt reader.
struct AxisStatus {
    quint8 alarm = 0;    // bits 0-3 limit switches X+ X- Y+ Y-, 4-6 servo X1, Y, X2
    quint8 input = 0xFF; // bit 0 torch touch, bit 1 plasma arc answer; low = active
    point_t position1;   // 0.01 mm
    point_t position2;   // 0.01 mm
    signed char flag = 0;
    signed char oflag = 0;
    signed char corner = 0;
    qint32 record = 0; // current row of the cutting table
    qint32 valueX = 0;
    qint32 valueY = 0;
    qint32 v0 = 0; // traverse speed shown on the information panel
    qint32 v1 = 0; // cutting speed shown on the information panel
};

#endif
