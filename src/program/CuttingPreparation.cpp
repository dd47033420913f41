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
    SegmentPasses::dropTypes(table, {SegType::KerfOff, SegType::KerfLeft, SegType::KerfRight});
    SegmentPasses::mirrorTurn(table, settings.mirrorMode, false);
    SegmentPasses::dropTypes(table, {SegType::MirrorEnd, SegType::Turn180Mirror, SegType::Turn180, SegType::Mirror,
                                     SegType::TurnMinus90Mirror, SegType::Turn90, SegType::Turn90Mirror,
                                     SegType::TurnMinus90, SegType::PatternStart, SegType::PatternEnd, 92, 91,
                                     SegType::MCode + 2, 21});
    SegmentPasses::turnAll(table, settings.plateCos, settings.plateSin, settings.scaleDivisor, false);
    placeMarkingOffsets(table, settings.pfMoveX, settings.pfMoveY);
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
