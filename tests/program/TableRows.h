#ifndef TABLEROWS_H
#define TABLEROWS_H

#include "program/SegmentTable.h"

#include <QString>
#include <QStringList>

// The rows of a table's program as "type x y i j", separated by "|".
inline QString tableRows(const SegmentRecord *table)
{
    QStringList out;
    for (int r = 0, n = SegmentTable::length(table); r < n; ++r) {
        const SegmentRecord &s = table[r];
        out << QStringLiteral("%1 %2 %3 %4 %5").arg(s.type).arg(s.x).arg(s.y).arg(s.i).arg(s.j);
    }
    return out.join('|');
}

#endif
