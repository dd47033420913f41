#include "program/MirrorTurn.h"

#include "program/SegmentPasses.h"

#include <cmath>

MirrorTurn::MirrorTurn(bool mirror, double angle)
    : mirror_(mirror)
    , angle_(angle)
    , cos_(std::cos(angle))
    , sin_(std::sin(angle))
{
}

MirrorTurn MirrorTurn::fromMode(char mode)
{
    switch (mode) {
    case '1':
        return MirrorTurn(true, 0.0);
    case '2':
        return MirrorTurn(true, kHalfTurn);
    case '3':
        return MirrorTurn(false, kHalfTurn);
    default:
        return MirrorTurn();
    }
}

bool MirrorTurn::fromSwitch(qint32 type, MirrorTurn &state)
{
    switch (type) {
    case SegType::MirrorEnd:
        state = MirrorTurn();
        return true;
    case SegType::Turn180Mirror:
        state = MirrorTurn(true, kHalfTurn);
        return true;
    case SegType::Turn180:
        state = MirrorTurn(false, kHalfTurn);
        return true;
    case SegType::Mirror:
        state = MirrorTurn(true, 0.0);
        return true;
    case SegType::TurnMinus90Mirror:
        state = MirrorTurn(true, -kQuarterTurn);
        return true;
    case SegType::Turn90:
        state = MirrorTurn(false, kQuarterTurn);
        return true;
    case SegType::Turn90Mirror:
        state = MirrorTurn(true, kQuarterTurn);
        return true;
    case SegType::TurnMinus90:
        state = MirrorTurn(false, -kQuarterTurn);
        return true;
    default:
        return false;
    }
}

void MirrorTurn::apply(SegmentRecord &r) const
{
    const bool arc = isArc(r.type);
    SegmentPasses::turn(r, cos_, sin_, 1.0, arc);
    if (!mirror_)
        return;
    r.x = SegmentPasses::negate(r.x);
    if (!arc)
        return;
    r.i = SegmentPasses::negate(r.i);
    r.type = r.type == SegType::ArcCW ? SegType::ArcCCW : SegType::ArcCW;
}
