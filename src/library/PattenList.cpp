#include "library/PattenList.h"

#include "library/PattenForm.h"

#include <utility>

PattenList::PattenList()
{
    clear();
}

void PattenList::clear()
{
    for (patten_t &p : records_)
        p = patten_t();
    for (int k = 0; k < kRecords; ++k) {
        fileSizeX_[k] = 0.0;
        fileSizeY_[k] = 0.0;
        fileEndX_[k] = 0;
        fileEndY_[k] = 0;
    }
    count_ = 0;
    current_ = 0;
}

bool PattenList::add(int type, const PattenForm &form)
{
    if (count_ >= kMaxPattens)
        return false;
    ++count_;
    current_ = count_;
    patten_t &p = records_[count_];
    p.type = type;
    form.readInto(p, true);
    p.fileNo = count_;
    return true;
}

void PattenList::change(const PattenForm &form)
{
    patten_t &s = records_[current_];
    const int oldX = s.savedOffsetX;
    const int oldY = s.savedOffsetY;
    form.readInto(s, false);
    // Record 0 has no following pattern of its own; a selected pattern's
    // follower exists only up to count().
    if (current_ >= 1 && current_ + 1 <= count_) {
        patten_t &n = records_[current_ + 1];
        n.offsetX = n.savedOffsetX + (oldX - s.offsetX);
        n.offsetY = n.savedOffsetY + (oldY - s.offsetY);
        n.savedOffsetX = n.offsetX;
        n.savedOffsetY = n.offsetY;
    }
    s.savedOffsetX = s.offsetX;
    s.savedOffsetY = s.offsetY;
}

bool PattenList::swapEarlier()
{
    if (current_ <= 1 || current_ > count_)
        return false;
    return swapAt(current_ - 1);
}

bool PattenList::swapLater()
{
    if (current_ < 1 || current_ >= count_)
        return false;
    return swapAt(current_);
}

// Exchanges patterns k and k + 1 (both patterns). After a pattern the tool
// stands at its origin plus (extentX, 0), so the offsets below let both and
// the pattern after them cut where they did, only in the other order.
bool PattenList::swapAt(int k)
{
    patten_t &a = records_[k];
    patten_t &b = records_[k + 1];
    patten_t *n = k + 2 <= count_ ? &records_[k + 2] : nullptr;

    if (n) {
        n->offsetX = n->offsetX + b.offsetX + b.extentX;
        n->offsetY += b.offsetY;
        n->savedOffsetX = n->offsetX;
        n->savedOffsetY = n->offsetY;
    }
    a.offsetX = a.offsetX + b.offsetX + a.extentX;
    b.offsetX = -a.extentX - b.extentX - b.offsetX;
    a.offsetY += b.offsetY;
    b.offsetY = -b.offsetY;
    a.savedOffsetX = a.offsetX;
    a.savedOffsetY = a.offsetY;
    b.savedOffsetX = b.offsetX;
    b.savedOffsetY = b.offsetY;

    // Everything but the offsets and extentX travels with the pattern.
    std::swap(a.type, b.type);
    std::swap(a.a, b.a);
    std::swap(a.b, b.b);
    std::swap(a.c, b.c);
    std::swap(a.d, b.d);
    std::swap(a.e, b.e);
    std::swap(a.f, b.f);
    std::swap(a.g, b.g);
    std::swap(a.countX, b.countX);
    std::swap(a.countY, b.countY);
    std::swap(a.spaceX, b.spaceX);
    std::swap(a.spaceY, b.spaceY);
    std::swap(a.angle, b.angle);
    std::swap(a.mirror, b.mirror);
    std::swap(a.fileNo, b.fileNo);
    std::swap(a.fileName, b.fileName);
    std::swap(a.deleted, b.deleted);
    return true;
}

void PattenList::markDeleted()
{
    records_[current_].deleted = true;
}

void PattenList::selectRow(int row)
{
    if (row < 0)
        current_ = 0;
    else
        current_ = row >= count_ ? count_ : row + 1;
}

bool PattenList::nextDeleted() const
{
    const int index = current_ + 1;
    return index >= 1 && index <= count_ && records_[index].deleted;
}

bool PattenList::previousDeleted() const
{
    const int index = current_ - 1;
    return index >= 1 && index <= count_ && records_[index].deleted;
}

void PattenList::setNextFileSize(double sizeY, double sizeX)
{
    if (count_ >= kMaxPattens)
        return;
    fileSizeY_[count_ + 1] = sizeY;
    fileSizeX_[count_ + 1] = sizeX;
}

void PattenList::setNextFileEnd(int endX, int endY)
{
    if (count_ >= kMaxPattens)
        return;
    fileEndX_[count_ + 1] = endX;
    fileEndY_[count_ + 1] = endY;
}

void PattenList::setSelectedFileEnd(int endX, int endY)
{
    const int fileNo = records_[current_].fileNo;
    if (!isRecord(fileNo))
        return;
    fileEndX_[fileNo] = endX;
    fileEndY_[fileNo] = endY;
}
