#ifndef PATTENLIST_H
#define PATTENLIST_H

#include "library/PattenRecord.h"

class PattenForm;

// The ordered list of placed patterns. Record 0 is never a pattern; patterns
// are records 1..count() in cutting order, so the list holds at most 99.
// Offsets are relative to where the previous pattern left the tool, so every
// change and swap compensates the neighbours to keep them where they are.
class PattenList
{
public:
    static constexpr int kRecords = 100;
    static constexpr int kMaxPattens = kRecords - 1;

    PattenList();

    // Every record, the custom-file tables, count and selection back to empty.
    void clear();

    // Appends a pattern of `type` read from the form and selects it. A full
    // list refuses it: nothing changes and the result is false.
    bool add(int type, const PattenForm &form);
    // Writes the form into the selected pattern and keeps the next one in place.
    void change(const PattenForm &form);
    // Swaps the selected pattern with the one before or after it, keeping
    // every pattern's place on the plate; false (nothing changed) without
    // a pattern selected or a neighbour to swap with.
    bool swapEarlier();
    bool swapLater();
    // Marks the selected pattern deleted: it keeps its moves, cuts nothing.
    void markDeleted();

    // Selection from a 0-based list row: below 0 none, past the end the last.
    void selectRow(int row);
    int current() const { return current_; }
    int count() const { return count_; }

    // The deleted flag of the pattern after / before the selected one; false
    // when there is no such pattern.
    bool nextDeleted() const;
    bool previousDeleted() const;

    // Record 0..99 (index checked by the caller).
    const patten_t &at(int index) const { return records_[index]; }
    patten_t &at(int index) { return records_[index]; }
    static bool isRecord(int index) { return index >= 0 && index < kRecords; }

    // Custom-file data of the pattern added next; nothing when the list is full.
    void setNextFileSize(double sizeY, double sizeX);
    void setNextFileEnd(int endX, int endY);
    // Custom-file end of the selected pattern.
    void setSelectedFileEnd(int endX, int endY);

    double fileSizeX(int fileNo) const { return fileSizeX_[fileNo]; }
    double fileSizeY(int fileNo) const { return fileSizeY_[fileNo]; }
    int fileEndX(int fileNo) const { return fileEndX_[fileNo]; }
    int fileEndY(int fileNo) const { return fileEndY_[fileNo]; }

private:
    bool swapAt(int k);

    patten_t records_[kRecords];
    int count_ = 0;
    int current_ = 0;
    double fileSizeX_[kRecords];
    double fileSizeY_[kRecords];
    int fileEndX_[kRecords];
    int fileEndY_[kRecords];
};

#endif
