#ifndef SEGMENTTABLE_H
#define SEGMENTTABLE_H

#include "records/SegmentRecord.h"

// Capacity of every segment table; a full table has no end row.
constexpr int kSegmentRows = 30000;

// The four global tables. Record counts live in the Parser that filled them.
extern SegmentRecord previewSegments[kSegmentRows];
extern SegmentRecord editSegments[kSegmentRows];
extern SegmentRecord libSegments[kSegmentRows];
extern SegmentRecord cutSegments[kSegmentRows];

// The rules every reader and writer of a table keeps. Nothing reads or writes
// outside rows 0 to kSegmentRows - 1: a row outside the table is "no record",
// whose type matches no type test.
class SegmentTable
{
public:
    static constexpr qint32 kNoRecord = -1;

    // Every row: type End, x = y = i = j = 0, flags untouched.
    static void prefill(SegmentRecord *table);

    // Rows of the program: up to the first End record, or the whole table.
    static int length(const SegmentRecord *table);

    static bool inRange(int row) { return row >= 0 && row < kSegmentRows; }

    // The record at row, or nullptr outside the table.
    static const SegmentRecord *at(const SegmentRecord *table, int row) { return inRange(row) ? table + row : nullptr; }
    static SegmentRecord *at(SegmentRecord *table, int row) { return inRange(row) ? table + row : nullptr; }

    // Type of the record at row, kNoRecord outside the table.
    static qint32 typeAt(const SegmentRecord *table, int row) { return inRange(row) ? table[row].type : kNoRecord; }

    // Copies the five words type..j, never the flags.
    static void copyWords(SegmentRecord &to, const SegmentRecord &from)
    {
        to.type = from.type;
        to.x = from.x;
        to.y = from.y;
        to.i = from.i;
        to.j = from.j;
    }

    // Keeps the records of rows 0..count-1 for which keep(record) holds,
    // moved forward in their order; the vacated rows up to count get type End
    // in their type word only. Returns the new count.
    template <typename Keep> static int compact(SegmentRecord *table, int count, Keep keep)
    {
        if (count > kSegmentRows)
            count = kSegmentRows;
        int kept = 0;
        for (int row = 0; row < count; ++row) {
            if (!keep(static_cast<const SegmentRecord &>(table[row])))
                continue;
            if (kept != row)
                copyWords(table[kept], table[row]);
            ++kept;
        }
        for (int row = kept; row < count; ++row)
            table[row].type = SegType::End;
        return kept;
    }
};

#endif
