#ifndef SEGMENTPASSES_H
#define SEGMENTPASSES_H

#include "program/SegmentTable.h"

#include <initializer_list>

// Passes over a whole segment table, shared by the cutting preparation and
// the library entry. Computed coordinates go back as integers truncated
// toward zero; a previous-record test fails at row 0.
class SegmentPasses
{
public:
    // Truncation toward zero; NaN gives 0, values beyond the 32-bit range
    // the nearest end of it.
    static qint32 truncate(double v);
    // -v with 32-bit wrap-around (the negation of the smallest value is itself).
    static qint32 negate(qint32 v);

    // x' = (c·x − s·y) / d, y' = (x·s + y·c) / d from the old values, and the
    // same for i, j when withCentre.
    static void turn(SegmentRecord &r, double c, double s, double d, bool withCentre);

    // A record the coordinate passes transform: a rapid unless it follows a
    // type-5 mark, a line, an arc, and with withType92 a type-92 record.
    static bool turnable(const SegmentRecord *table, int row, bool withType92);

    // Drops rapids and lines of (0, 0) and arcs whose centre lies less than
    // 0.2 mm from the start. Returns the new length.
    static int dropEmptyMoves(SegmentRecord *table);

    // Drops every record of the given types. Returns the new length.
    static int dropTypes(SegmentRecord *table, std::initializer_list<qint32> types);

    // Mirror-and-turn pass over all rows: the state starts from mode, each
    // record 71..78 sets it, and every turnable record is transformed while it
    // is not untouched. The library's rules also transform type 92 and, for
    // modes '1' and '2', swap the kerf sides 41 and 42.
    static void mirrorTurn(SegmentRecord *table, char mode, bool libraryRules);

    // Turn (and divide) every turnable record of all rows.
    static void turnAll(SegmentRecord *table, double c, double s, double d, bool withType92);

    // Inside kerf stretches (41/42 .. 40), joins each arc with the arcs right
    // after it that share its centre to within 0.20 mm; a joined arc that
    // ends within 0.50 mm of its start becomes a full circle.
    static void joinKerfArcs(SegmentRecord *table);

    // Joins every run of rapids into one rapid, passing over and dropping the
    // pattern markers 97 and 98.
    static void joinRapids(SegmentRecord *table);
};

#endif
