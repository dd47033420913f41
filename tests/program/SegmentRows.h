#ifndef SEGMENTROWS_H
#define SEGMENTROWS_H

// Segment tables written and read as short lists of records in the tests of
// the cutting preparation.

#include "program/SegmentTable.h"

#include <QMetaType>
#include <QString>
#include <QStringList>

#include <vector>

struct Rec {
    Rec(qint32 t = SegType::End, qint32 x_ = 0, qint32 y_ = 0, qint32 i_ = 0, qint32 j_ = 0)
        : type(t)
        , x(x_)
        , y(y_)
        , i(i_)
        , j(j_)
    {
    }
    qint32 type, x, y, i, j;
};

inline bool operator==(const Rec &a, const Rec &b)
{
    return a.type == b.type && a.x == b.x && a.y == b.y && a.i == b.i && a.j == b.j;
}

inline Rec asRec(const SegmentRecord &r)
{
    return {r.type, r.x, r.y, r.i, r.j};
}

inline SegmentRecord seg(qint32 type, qint32 x, qint32 y, qint32 i = 0, qint32 j = 0)
{
    return {type, x, y, i, j, {0, 0, 0, 0}};
}

// Prefills table and writes program from row 0; flags untouched.
inline void load(SegmentRecord *table, const std::vector<Rec> &program)
{
    SegmentTable::prefill(table);
    for (size_t k = 0; k < program.size(); ++k) {
        const Rec &p = program[k];
        SegmentTable::copyWords(table[k], seg(p.type, p.x, p.y, p.i, p.j));
    }
}

inline std::vector<Rec> programOf(const SegmentRecord *table)
{
    std::vector<Rec> out;
    for (int r = 0, n = SegmentTable::length(table); r < n; ++r)
        out.push_back(asRec(table[r]));
    return out;
}

inline QString show(const std::vector<Rec> &program)
{
    QStringList l;
    for (const Rec &r : program)
        l << QString("(%1 %2 %3 %4 %5)").arg(r.type).arg(r.x).arg(r.y).arg(r.i).arg(r.j);
    return l.join(' ');
}

Q_DECLARE_METATYPE(std::vector<Rec>)

#endif
