#ifndef SEGMENTRECORD_H
#define SEGMENTRECORD_H

#include <QtGlobal>

// One motion or control mark of an NC program. x, y (end point) and i, j
// (arc centre) are relative to the record's start, in 0.01 mm. The flag bytes
// belong to the device writer's junction marking: nothing that parses,
// prefills, compacts or transforms a table touches them.
struct SegmentRecord {
    qint32 type;
    qint32 x;
    qint32 y;
    qint32 i;
    qint32 j;
    quint8 flags[4];
};

static_assert(sizeof(SegmentRecord) == 24, "six 32-bit words");

// Type codes of SegmentRecord::type.
namespace SegType {
enum : qint32 {
    Rapid = 0,
    Line = 1,
    ArcCW = 2,
    ArcCCW = 3,
    ToolChange = 5, // the rapid after it is the marking-tool offset move
    BlockStart = 9, // ESSI 9 / 110 cut block (library table)
    BlockEnd = 10,  // ESSI 10 / 111
    KerfOff = 40,
    KerfLeft = 41,
    KerfRight = 42,
    MirrorEnd = 71, // back to untouched
    Turn180Mirror = 72,
    Turn180 = 73,
    Mirror = 74,
    TurnMinus90Mirror = 75,
    Turn90 = 76,
    Turn90Mirror = 77,
    TurnMinus90 = 78,
    PatternStart = 97, // around the selected library pattern
    PatternEnd = 98,
    End = 99,       // end of program, and every empty row
    MCode = 100,    // 100 + n: M code n
    MarkBack = 155, // marking-tool offset back
    MarkOut = 158,  // marking-tool offset out
};
}

inline bool isMotion(qint32 type)
{
    return type >= SegType::Rapid && type <= SegType::ArcCCW;
}

// A line or an arc: a record that cuts.
inline bool isCut(qint32 type)
{
    return type >= SegType::Line && type <= SegType::ArcCCW;
}

inline bool isArc(qint32 type)
{
    return type == SegType::ArcCW || type == SegType::ArcCCW;
}

#endif
