#include "device/JunctionMarking.h"

#include "program/SegmentTable.h"

#include <algorithm>
#include <cmath>

namespace {

// The angles of the comparison, rounded as the card's firmware expects them.
constexpr double kHalfPi = 1.570796;
constexpr double kTwoPi = 6.283185;
constexpr double kCornerTolerance = 0.392699;
constexpr double kUpperTolerance = 5.890486;

constexpr qint32 kProgramStop = SegType::MCode; // M00 runs like an element

bool isElement(qint32 type)
{
    return type == SegType::Line || isArc(type) || type == kProgramStop;
}

bool isRapid(qint32 type)
{
    return type == SegType::Rapid || type == SegType::MarkBack || type == SegType::MarkOut;
}

double length(double u, double v)
{
    return std::sqrt(u * u + v * v);
}

// Direction of (u, v) as seen with length r: arccos(u / r), negative below
// the x axis. False when both u and r are 0, where there is no direction; a
// zero r alone gives the quotient's infinite limit, clamped.
bool direction(double u, double v, double r, double &angle)
{
    double c;
    if (r > 0)
        c = std::clamp(u / r, -1.0, 1.0);
    else if (u != 0)
        c = u > 0 ? 1.0 : -1.0;
    else
        return false;
    angle = std::acos(c);
    if (v < 0)
        angle = -angle;
    return true;
}

double arcTurn(qint32 type)
{
    return type == SegType::ArcCW ? -kHalfPi : kHalfPi;
}

// Direction in which the element leaves its end point.
bool exitDirection(const SegmentRecord &s, double &a)
{
    if (s.type == SegType::Line)
        return direction(s.x, s.y, length(s.x, s.y), a);
    // Arc or M00: the end point seen from the centre, turned by a quarter.
    if (!direction(double(s.x) - s.i, double(s.y) - s.j, length(s.i, s.j), a))
        return false;
    a += arcTurn(s.type);
    return true;
}

// Length of the next line, or radius of the next arc: how far the machine
// can see past the junction.
double reach(const SegmentRecord &s)
{
    return s.type == SegType::Line ? length(s.x, s.y) : length(s.i, s.j);
}

// Direction in which a line or arc leaves its start point.
bool entryDirection(const SegmentRecord &s, double r, double &b)
{
    if (s.type == SegType::Line)
        return direction(s.x, s.y, r, b);
    if (!direction(-double(s.i), -double(s.j), r, b))
        return false;
    b += arcTurn(s.type);
    return true;
}

quint8 exitFlag(const SegmentRecord &current, const SegmentRecord *next, qint64 lookAhead)
{
    if (!next || (next->type != SegType::Line && !isArc(next->type)))
        return 1;
    const double r = reach(*next);
    if (double(lookAhead) > r)
        return 1;
    double a, b;
    if (!exitDirection(current, a) || !entryDirection(*next, r, b))
        return 1;
    if (a < 0)
        a += kTwoPi;
    if (b < 0)
        b += kTwoPi;
    const double d = std::fabs(b - a);
    return d < kCornerTolerance || d > kUpperTolerance ? 0 : 1;
}

} // namespace

qint64 JunctionMarking::lookAhead(qint32 p, qint32 q)
{
    // 64 bits: six times a large speed does not fit in 32.
    const qint64 P = p;
    const qint64 Q = q;
    if (P <= Q + 20)
        return 5;
    qint64 f;
    if (P <= 1999)
        f = P - Q;
    else if (P <= 3999)
        f = 2 * P - Q - 2000;
    else if (P <= 5999)
        f = 3 * P - Q - 6000;
    else if (P <= 7999)
        f = 4 * P - Q - 12000;
    else if (P <= 9999)
        f = 5 * P - Q - 20000;
    else
        f = 6 * P - Q - 30000;
    return f / 2;
}

void JunctionMarking::mark(SegmentRecord *table, qint32 p, qint32 q)
{
    const qint64 l = lookAhead(p, q);
    for (int n = 0; n < kSegmentRows; ++n) {
        SegmentRecord &record = table[n];
        const qint32 type = record.type;
        if (type == SegType::End)
            return;
        const SegmentRecord *next = SegmentTable::at(table, n + 1);
        const qint32 nextType = SegmentTable::typeAt(table, n + 1);
        if (isRapid(type)) {
            record.flags[Entry] = 1;
            record.flags[Exit] = 1;
            record.flags[Transition] = isElement(nextType) ? 1 : 0;
            continue;
        }
        if (!isElement(type))
            continue;
        record.flags[Entry] = n == 0 ? 1 : table[n - 1].flags[Exit];
        record.flags[Exit] = exitFlag(record, next, l);
        record.flags[Spare] = 0;
        record.flags[Transition] = isRapid(nextType) ? 1 : 0;
    }
}
