#include "app/SpeedStep.h"

SpeedStep::Field SpeedStep::field(bool running, bool jogging, int method, int mode, bool currentRapid)
{
    const bool powder = mode == 3;
    if (running)
        return !currentRapid && (mode == 1 || mode == 2) ? Cut : Traverse;
    if (!jogging)
        return NoField;
    if (method == 1 || method == 3 || (method == 4 && !powder))
        return Cut;
    if (method == 2 || method == 4)
        return Traverse;
    return NoField;
}

int SpeedStep::faster(int v, bool running)
{
    if (running && v == kRunTop)
        return v;
    if (v >= 1000 && (!running || v < kRunTop))
        return v + 100;
    if (v >= 100)
        return v + 10;
    if (v >= 50)
        return v + 5;
    if (v >= kLowest)
        return v + 1;
    return v;
}

int SpeedStep::slower(int v)
{
    if (v > 999)
        return v - 100;
    if (v >= 100)
        return v - 10;
    if (v >= 50)
        return v - 5;
    if (v >= 25)
        return v - 1;
    return v;
}
