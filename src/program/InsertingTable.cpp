#include "program/InsertingTable.h"

InsertingTable::InsertingTable() = default;
InsertingTable::~InsertingTable() = default;

void InsertingTable::reset(SegmentRecord *table)
{
    table_ = table;
    frontier_ = kSegmentRows;
    pending_ = 0;
    inserted_ = 0;
    end_ = SegmentTable::length(table);
}

SegmentRecord &InsertingTable::operator[](int row)
{
    if (row >= frontier_ && row <= end_)
        return moved_[row - pending_];
    return table_[row];
}

qint32 InsertingTable::typeAt(int row)
{
    return SegmentTable::inRange(row) ? (*this)[row].type : SegmentTable::kNoRecord;
}

bool InsertingTable::insert(int row, const SegmentRecord &record)
{
    if (!hasFreeRow() || row < 0 || row > end_)
        return false;
    if (row < frontier_) {
        // Out of order (or the first insertion): settle earlier moves, then
        // take a fresh copy of the rows that are about to move.
        commit();
        if (!moved_)
            moved_.reset(new SegmentRecord[kSegmentRows]);
        for (int r = row; r <= end_; ++r)
            SegmentTable::copyWords(moved_[r], table_[r]);
        frontier_ = row;
    }
    for (int r = frontier_; r < row; ++r)
        SegmentTable::copyWords(table_[r], moved_[r - pending_]);
    SegmentTable::copyWords(table_[row], record);
    frontier_ = row + 1;
    ++pending_;
    ++inserted_;
    ++end_;
    return true;
}

void InsertingTable::commit()
{
    for (int r = frontier_; r <= end_ && r < kSegmentRows; ++r)
        SegmentTable::copyWords(table_[r], moved_[r - pending_]);
    frontier_ = kSegmentRows;
    pending_ = 0;
}
