#include "program/CuttingPreparation.h"

#include "program/KerfCompensation.h"
#include "program/SegmentPasses.h"

void CuttingPreparation::prepare(SegmentRecord *table, const Settings &settings, KerfCompensation &kerf)
{
    // Compensation relies on there being no zero moves and no tiny arcs, and
    // may itself produce zero moves.
    SegmentPasses::dropEmptyMoves(table);
    if (settings.kerfWidth != 0.0) {
        kerf.kerfCompensate(table, settings.kerfWidth, settings.tolerance);
        SegmentPasses::dropEmptyMoves(table);
    }
    SegmentTable::compact(table, SegmentTable::length(table), [](const SegmentRecord &r) {
        return r.type != SegType::KerfOff && r.type != SegType::KerfLeft && r.type != SegType::KerfRight;
    });
    SegmentPasses::mirrorTurn(table, settings.mirrorMode, false);
    SegmentTable::compact(table, SegmentTable::length(table),
                          [](const SegmentRecord &r) { return !isControlCode(r.type); });
    // A plate angle of 0 over a divisor of 1 leaves every record as it is.
    if (settings.plateCos != 1.0 || settings.plateSin != 0.0 || settings.scaleDivisor != 1.0)
        SegmentPasses::turnAll(table, settings.plateCos, settings.plateSin, settings.scaleDivisor, false);
    placeMarkingOffsets(table, settings.pfMoveX, settings.pfMoveY);
}

bool CuttingPreparation::isControlCode(qint32 type)
{
    switch (type) {
    case SegType::MirrorEnd:
    case SegType::Turn180Mirror:
    case SegType::Turn180:
    case SegType::Mirror:
    case SegType::TurnMinus90Mirror:
    case SegType::Turn90:
    case SegType::Turn90Mirror:
    case SegType::TurnMinus90:
    case SegType::PatternStart:
    case SegType::PatternEnd:
    case 92:
    case 91:
    case SegType::MCode + 2:
    case 21:
        return true;
    default:
        return false;
    }
}

void CuttingPreparation::placeMarkingOffsets(SegmentRecord *table, qint32 x, qint32 y)
{
    for (int row = 0; row < kSegmentRows; ++row) {
        SegmentRecord &r = table[row];
        if (r.type == SegType::MarkOut) {
            r.x = x;
            r.y = y;
        } else if (r.type == SegType::MarkBack) {
            r.x = SegmentPasses::negate(x);
            r.y = SegmentPasses::negate(y);
        }
    }
}
