#include "program/SegmentPasses.h"

#include "program/MirrorTurn.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

bool joinable(const SegmentRecord &arc, const SegmentRecord &next)
{
    // Compared in 64 bits: the words may be anything a file held.
    constexpr qint64 kCentreSlack = 20;
    return isArc(next.type) && std::llabs(qint64(next.i) - (qint64(arc.i) - arc.x)) <= kCentreSlack
           && std::llabs(qint64(next.j) - (qint64(arc.j) - arc.y)) <= kCentreSlack;
}

qint32 add(qint32 a, qint32 b)
{
    return static_cast<qint32>(quint32(a) + quint32(b));
}

bool isMarker(qint32 type)
{
    return type == SegType::PatternStart || type == SegType::PatternEnd;
}

// Vacated rows from..to-1 become end records (type word only).
void endRows(SegmentRecord *table, int from, int to)
{
    for (int row = from; row < to; ++row)
        table[row].type = SegType::End;
}

} // namespace

qint32 SegmentPasses::truncate(double v)
{
    if (std::isnan(v))
        return 0;
    if (v <= double(std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    if (v >= double(std::numeric_limits<qint32>::max()))
        return std::numeric_limits<qint32>::max();
    return static_cast<qint32>(v);
}

qint32 SegmentPasses::negate(qint32 v)
{
    return static_cast<qint32>(0u - quint32(v));
}

void SegmentPasses::turn(SegmentRecord &r, double c, double s, double d, bool withCentre)
{
    const double x = r.x;
    const double y = r.y;
    r.x = truncate((c * x - s * y) / d);
    r.y = truncate((x * s + y * c) / d);
    if (!withCentre)
        return;
    const double i = r.i;
    const double j = r.j;
    r.i = truncate((c * i - s * j) / d);
    r.j = truncate((i * s + j * c) / d);
}

bool SegmentPasses::turnable(const SegmentRecord *table, int row, bool withType92)
{
    const qint32 type = table[row].type;
    if (type == SegType::Rapid)
        return SegmentTable::typeAt(table, row - 1) != SegType::ToolChange;
    return type == SegType::Line || isArc(type) || (withType92 && type == 92);
}

int SegmentPasses::dropEmptyMoves(SegmentRecord *table)
{
    return SegmentTable::compact(table, SegmentTable::length(table), [](const SegmentRecord &r) {
        if (r.type == SegType::Rapid || r.type == SegType::Line)
            return r.x != 0 || r.y != 0;
        if (isArc(r.type))
            return std::hypot(double(r.i), double(r.j)) >= 20.0;
        return true;
    });
}

int SegmentPasses::dropTypes(SegmentRecord *table, std::initializer_list<qint32> types)
{
    return SegmentTable::compact(table, SegmentTable::length(table), [types](const SegmentRecord &r) {
        for (qint32 t : types) {
            if (r.type == t)
                return false;
        }
        return true;
    });
}

void SegmentPasses::mirrorTurn(SegmentRecord *table, char mode, bool libraryRules)
{
    MirrorTurn state = MirrorTurn::fromMode(mode);
    const bool swapKerf = libraryRules && (mode == '1' || mode == '2');
    for (int row = 0; row < kSegmentRows; ++row) {
        SegmentRecord &r = table[row];
        if (MirrorTurn::fromSwitch(r.type, state) || state.untouched())
            continue;
        if (turnable(table, row, libraryRules))
            state.apply(r);
        else if (swapKerf && r.type == SegType::KerfLeft)
            r.type = SegType::KerfRight;
        else if (swapKerf && r.type == SegType::KerfRight)
            r.type = SegType::KerfLeft;
    }
}

void SegmentPasses::turnAll(SegmentRecord *table, double c, double s, double d, bool withType92)
{
    for (int row = 0; row < kSegmentRows; ++row) {
        if (turnable(table, row, withType92))
            turn(table[row], c, s, d, isArc(table[row].type));
    }
}

void SegmentPasses::joinKerfArcs(SegmentRecord *table)
{
    // One walk with a read and a write row: each absorbed arc moves every
    // later row (also those behind the end) up by one.
    bool inKerf = false;
    int write = 0;
    int read = 0;
    while (read < kSegmentRows && table[read].type != SegType::End) {
        SegmentRecord r = table[read++];
        if (r.type == SegType::KerfLeft || r.type == SegType::KerfRight)
            inKerf = true;
        else if (r.type == SegType::KerfOff)
            inKerf = false;
        if (inKerf && isArc(r.type)) {
            while (read < kSegmentRows && joinable(r, table[read])) {
                r.x = add(r.x, table[read].x);
                r.y = add(r.y, table[read].y);
                if (r.x >= -50 && r.x <= 50 && r.y >= -50 && r.y <= 50) {
                    r.x = 0;
                    r.y = 0;
                }
                ++read;
            }
        }
        SegmentTable::copyWords(table[write++], r);
    }
    if (write == read)
        return;
    while (read < kSegmentRows)
        SegmentTable::copyWords(table[write++], table[read++]);
    endRows(table, write, kSegmentRows);
}

void SegmentPasses::joinRapids(SegmentRecord *table)
{
    int write = 0;
    int read = 0;
    while (read < kSegmentRows && table[read].type != SegType::End) {
        if (isMarker(table[read].type)) {
            ++read;
            if (read >= kSegmentRows || table[read].type == SegType::End)
                break;
        }
        SegmentRecord r = table[read++];
        if (r.type == SegType::Rapid) {
            while (read < kSegmentRows && (table[read].type == SegType::Rapid || isMarker(table[read].type))) {
                r.x = add(r.x, table[read].x);
                r.y = add(r.y, table[read].y);
                ++read;
            }
        }
        SegmentTable::copyWords(table[write++], r);
    }
    endRows(table, write, read);
}
