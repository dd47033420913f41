#ifndef KERFCOMPENSATION_H
#define KERFCOMPENSATION_H

#include "program/InsertingTable.h"

#include <QPointF>

// Rewrites the stretches of a segment table between a kerf-on record (41 left,
// 42 right) and the next kerf-off record (40) so that they hold the path of
// the torch centre, half a kerf beside the drawn path.
//
// Offsets are vectors from a point of the drawn path to the matching point of
// the torch path, in 0.01 mm. A stretch is one of:
//   single - one motion record;
//   A      - a lead-in, then a contour that closes where the lead-in ends;
//   B      - a lead-in, a closed contour and a separate lead-out;
//   C      - a contour that closes on its own start;
//   D      - an open path.
// Kerf links (rapids) replace the rows just before and after a stretch, and a
// corner record is inserted where two offset elements do not meet.
class KerfCompensation
{
public:
    // What offsetCorner finds at the joint of two segments.
    struct Joint {
        // The offset the joint takes without a corner record: the meeting
        // point of the two offset paths, or a fallback where they do not meet.
        QPointF offset;
        // The offset paths do not meet well: the joint wants a corner record
        // from incomingEnd to outgoingStart.
        bool corner = false;
        QPointF incomingEnd;
        QPointF outgoingStart;
        qint32 cornerType = 0;
    };

    KerfCompensation();

    // The whole pass over table (kSegmentRows rows). kerfWidth in 0.01 mm;
    // arcs whose offset end lies within tolerance of their start snap closed.
    void kerfCompensate(SegmentRecord *table, double kerfWidth, qint32 tolerance);

    // Offset at the start of one segment on its own: halfKerf along its
    // right-hand normal (a line) or its radius (an arc).
    static QPointF plainStartOffset(const SegmentRecord &r, qint32 halfKerf);
    // The joint of the end of in and the start of out.
    static Joint joint(const SegmentRecord &in, const SegmentRecord &out, qint32 halfKerf, double kerfWidth);
    // Start moved by from, end by to; an arc keeps its centre.
    static void shift(SegmentRecord &r, const QPointF &from, const QPointF &to, qint32 tolerance);
    // End moved by d, start kept; an arc gets the centre that fits both ends.
    static void moveEnd(SegmentRecord &r, const QPointF &d);
    // Start moved by d, end kept; an arc gets the centre that fits both ends.
    static void moveStart(SegmentRecord &r, const QPointF &d);

private:
    enum class Kind { Single, A, B, C, D };
    // The row number that names the local scratch record of kind D.
    static constexpr int kScratchRow = -2;

    bool compensateNext(int &from);
    Kind classify(int motions, double sumX, double sumY);
    void compensateSingle();
    void compensateClosed(Kind kind, int motions);
    void compensateOpen();

    // The joint of the records at inRow and outRow; sets jointOffset. In the
    // walk (insertHere) a wanted corner record is inserted when there is a
    // free row; otherwise the caller decides with what it returns.
    Joint offsetCorner(bool insertHere);
    void shiftSegment();
    void moveSegmentEnd();
    void moveSegmentStart();

    void walk(int first, int gap);
    SegmentRecord &row(int r);
    int nextMotion(int after);
    int previousMotion(int before);
    void writeLink(int r, const QPointF &d);
    void moveCentre(int r, const QPointF &d);

    // Pass state.
    QPointF startOffset;
    QPointF jointOffset;
    qint32 contourFirst = 0;
    qint32 contourLast = 0;
    qint32 inRow = 0;
    qint32 outRow = 0;
    qint32 halfKerf = 0;
    bool hasLeadOut = false;
    int missingCorners_ = 0; // corner records left out for want of a free row

    double kerfWidth_ = 0.0;
    qint32 tolerance_ = 0;
    InsertingTable rows_;
    SegmentRecord scratch_{};
};

#endif
