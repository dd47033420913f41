#include "program/SegmentTable.h"

SegmentRecord previewSegments[kSegmentRows];
SegmentRecord editSegments[kSegmentRows];
SegmentRecord libSegments[kSegmentRows];
SegmentRecord cutSegments[kSegmentRows];

void SegmentTable::prefill(SegmentRecord *table)
{
    for (int row = 0; row < kSegmentRows; ++row) {
        SegmentRecord &r = table[row];
        r.type = SegType::End;
        r.x = 0;
        r.y = 0;
        r.i = 0;
        r.j = 0;
    }
}

int SegmentTable::length(const SegmentRecord *table)
{
    int row = 0;
    while (row < kSegmentRows && table[row].type != SegType::End)
        ++row;
    return row;
}

namespace {
// Before any parse the tables hold empty programs, not 30000 zero rapids.
struct InitialPrefill {
    InitialPrefill()
    {
        for (SegmentRecord *table : {previewSegments, editSegments, libSegments, cutSegments})
            SegmentTable::prefill(table);
    }
} initialPrefill;
} // namespace
