#ifndef AXISSTATUSSOURCE_H
#define AXISSTATUSSOURCE_H

#include "device/AxisStatus.h"

// Where a running interrupt reader takes each pass's status from. A read
// that returns false delivered nothing, and the pass is left out.
class AxisStatusSource
{
public:
    virtual ~AxisStatusSource();
    virtual bool read(AxisStatus &status) = 0;
};

#endif
