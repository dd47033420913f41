#include "program/ArcAngles.h"

#include "records/SegmentRecord.h"

#include <cmath>

float ArcAngles::degrees(double y, double x)
{
    return static_cast<float>(std::atan2(y, x) * 180.0 / kPi);
}

float ArcAngles::radius(double i, double j)
{
    return static_cast<float>(std::hypot(i, j));
}

// The angles are brought into 90..450 so that equal start and end angles make
// a full turn in the arc's own direction.
ArcAngles ArcAngles::fromAngles(qint32 type, float as, float ae)
{
    ArcAngles arc;
    if (type == SegType::ArcCW) {
        if (as <= 0.0f)
            as += 360.0f;
        as += 90.0f;
        if (as > 360.0f)
            as -= 360.0f;
        if (ae < 0.0f)
            ae += 360.0f;
        ae += 90.0f;
        if (ae >= 360.0f)
            ae -= 360.0f;
        if (as - ae <= 0.0f)
            as += 360.0f;
    } else {
        if (as < 0.0f)
            as += 360.0f;
        as += 90.0f;
        if (as >= 360.0f)
            as -= 360.0f;
        if (ae <= 0.0f)
            ae += 360.0f;
        ae += 90.0f;
        if (ae > 360.0f)
            ae -= 360.0f;
        if (ae - as <= 0.0f)
            ae += 360.0f;
    }
    arc.start = as;
    arc.sweep = ae - as;
    return arc;
}

ArcAngles ArcAngles::of(qint32 type, double x, double y, double i, double j)
{
    return fromAngles(type, degrees(-j, -i), degrees(y - j, x - i));
}

ArcAngles ArcAngles::partial(qint32 type, double tx, double ty, double i, double j)
{
    float ae = degrees(ty - j, tx - i);
    // An end exactly on an axis would meet the start's range rules head on and
    // could turn a short arc into a full circle; nudge it along the arc.
    if (ae == 0.0f || ae == 90.0f || ae == 180.0f || ae == -90.0f)
        ae += (type == SegType::ArcCW) ? -0.001f : 0.001f;
    return fromAngles(type, degrees(-j, -i), ae);
}

double ArcAngles::length(qint32 type, double x, double y, double i, double j)
{
    const ArcAngles arc = of(type, x, y, i, j);
    const float sweepDegrees = std::fabs(arc.sweep);
    return sweepDegrees * kPi * radius(i, j) / 180.0;
}
