#ifndef CUTTINGPREPARATION_H
#define CUTTINGPREPARATION_H

#include "program/SegmentTable.h"

class KerfCompensation;

// Turns a freshly read cutting program into the program the machine cuts:
// empty moves dropped, kerf compensation, the kerf codes dropped, mirror and
// turn, the control codes dropped, the plate angle and the marking offsets.
class CuttingPreparation
{
public:
    struct Settings {
        double kerfWidth = 0.0; // 0.01 mm; 0.0 switches compensation off
        qint32 tolerance = 10;  // arc snap of the compensation, 0.01 mm
        char mirrorMode = 'N';
        double plateCos = 1.0;
        double plateSin = 0.0;
        double scaleDivisor = 1.0;
        qint32 pfMoveX = 99; // marking-tool offset, 0.01 mm
        qint32 pfMoveY = 0;
    };

    // All steps in their order on table (kSegmentRows rows). kerf keeps the
    // compensation state.
    static void prepare(SegmentRecord *table, const Settings &settings, KerfCompensation &kerf);

    // Records that only steer the preparation or the library: the mirror and
    // turn switches, the pattern markers, 21, 91, 92 and M02.
    static bool isControlCode(qint32 type);

    // Marking-tool offset records get their move: out by (x, y), back by
    // minus it. Neither turned nor divided.
    static void placeMarkingOffsets(SegmentRecord *table, qint32 x, qint32 y);
};

#endif
