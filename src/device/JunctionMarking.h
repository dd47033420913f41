#ifndef JUNCTIONMARKING_H
#define JUNCTIONMARKING_H

#include "records/SegmentRecord.h"

// Marks in the four flag bytes of each record of a cutting table whether the
// machine may run through the junction at the end of that element at speed
// (0) or must slow down to a corner (1). A turn counts as smooth when it is
// below pi/8 and the next element is at least as long as the look-ahead
// length, which grows with the cutting speed.
class JunctionMarking
{
public:
    // Byte positions of SegmentRecord::flags.
    enum Flag { Entry = 0, Exit = 1, Spare = 2, Transition = 3 };

    // Look-ahead length in 0.01 mm for cutting speed p and low speed q (mm/min).
    static qint64 lookAhead(qint32 p, qint32 q);

    // One pass from row 0 up to the end record (or the whole table); writes
    // only flag bytes, and none of records that are neither elements nor
    // rapid or marking-offset moves.
    static void mark(SegmentRecord *table, qint32 p, qint32 q);
};

#endif
