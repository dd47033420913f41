#ifndef INSERTINGTABLE_H
#define INSERTINGTABLE_H

#include "program/SegmentTable.h"

#include <memory>

// A segment table that takes row insertions. Inserting a row moves every row
// from there up to the end record down by one; rows behind the end record stay
// where they are. Only the five words type..j move, the flag bytes stay with
// their rows.
//
// Insertions made in increasing row order cost nothing for the rows behind
// them: the moved rows are read from a copy and written back once, either as
// the next insertion passes them or at commit(). Until commit() the table is
// only consistent when read through this object.
class InsertingTable
{
public:
    InsertingTable();
    ~InsertingTable();
    InsertingTable(const InsertingTable &) = delete;
    InsertingTable &operator=(const InsertingTable &) = delete;

    // Starts working on table (kSegmentRows rows); finds its end record.
    void reset(SegmentRecord *table);

    // The record at row, 0 <= row < kSegmentRows.
    SegmentRecord &operator[](int row);
    // Its type, SegmentTable::kNoRecord outside the table.
    qint32 typeAt(int row);

    // Row of the end record; kSegmentRows for a full table.
    int endRow() const { return end_; }
    // An insertion needs the end record to stand in row kSegmentRows - 2 or
    // earlier, so that it still has a row after the move.
    bool hasFreeRow() const { return end_ <= kSegmentRows - 2; }
    int inserted() const { return inserted_; }

    // Inserts the words of record at row (0 <= row <= endRow()). False, and
    // nothing changed, when there is no free row.
    bool insert(int row, const SegmentRecord &record);

    // Writes every moved row back into the table.
    void commit();

private:
    SegmentRecord *table_ = nullptr;
    // Rows from frontier_ up to the end record are moved_[row - pending_];
    // rows before it and behind the end record are the table's own.
    std::unique_ptr<SegmentRecord[]> moved_;
    int frontier_ = kSegmentRows;
    int pending_ = 0;
    int inserted_ = 0;
    int end_ = kSegmentRows;
};

#endif
