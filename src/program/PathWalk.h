#ifndef PATHWALK_H
#define PATHWALK_H

#include "program/ArcAngles.h"
#include "program/SegmentTable.h"

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

// One walk over a segment table in a path view's drawing frame: an absolute
// program point (X, Y) in 0.01 mm lands at (originX - Y / upp, originY - X / upp),
// so program +X runs up the screen and +Y to the left. The walk builds the cut
// and rapid paths every view shows and hands each record to the view's own
// step, which adds what only that view draws.
class PathWalk
{
public:
    enum Kind { Skip, Rapid, Line, Arc };

    // What one record did to the walk.
    struct Move {
        int row = 0;
        Kind kind = Skip;
        const SegmentRecord *record = nullptr;
        double startX = 0.0, startY = 0.0; // absolute position before the record
        double endX = 0.0, endY = 0.0;     // and after it
        QPointF end;                       // drawing-frame point of the end
        QRectF square;                     // arcs: the circle's square
        ArcAngles arc;                     // arcs: start and sweep
    };

    PathWalk(double originX, double originY, double unitsPerPixel);

    QPointF point(double x, double y) const { return QPointF(originX_ - y / upp_, originY_ - x / upp_); }
    QPointF origin() const { return QPointF(originX_, originY_); }

    // Square of the circle of radius r (program units) centred on (mx, my).
    QRectF square(double mx, double my, float r) const;

    // Rapid: a type-0 record with i = 0, and M codes where mCodesAreRapid (the
    // cutting plot draws an M code's move); any other type-0 record is skipped.
    static Kind classify(const SegmentRecord &record, bool mCodesAreRapid);

    // Walks rows first .. end - 1 (never outside the table), stopping at the
    // first end record. Both paths must already hold their start point.
    template <typename Step>
    void run(const SegmentRecord *table, int first, int end, QPainterPath &cut, QPainterPath &rapid,
             bool mCodesAreRapid, Step step)
    {
        if (first < 0)
            first = 0;
        if (end > kSegmentRows)
            end = kSegmentRows;
        double x = 0.0;
        double y = 0.0;
        Move m;
        for (int row = first; row < end; ++row) {
            const SegmentRecord &rec = table[row];
            if (rec.type == SegType::End)
                break;
            m.row = row;
            m.record = &rec;
            m.kind = classify(rec, mCodesAreRapid);
            m.startX = x;
            m.startY = y;
            if (m.kind != Skip) {
                x += rec.x;
                y += rec.y;
                m.end = point(x, y);
            }
            m.endX = x;
            m.endY = y;
            switch (m.kind) {
            case Rapid:
                cut.moveTo(m.end);
                rapid.lineTo(m.end);
                break;
            case Line:
                cut.lineTo(m.end);
                rapid.moveTo(m.end);
                break;
            case Arc:
                m.arc = ArcAngles::of(rec.type, rec.x, rec.y, rec.i, rec.j);
                m.square = square(m.startX + rec.i, m.startY + rec.j, ArcAngles::radius(rec.i, rec.j));
                cut.arcTo(m.square, m.arc.start, m.arc.sweep);
                rapid.moveTo(m.end);
                break;
            case Skip:
                break;
            }
            step(static_cast<const Move &>(m));
        }
    }

    // Control-point rectangle of both paths together. Unlike QRectF::united it
    // keeps a rectangle of no size, so a lone origin point still counts.
    static QRectF bounds(const QPainterPath &a, const QPainterPath &b);
    static QRectF bounds(const QRectF &a, const QRectF &b);

    // A computed scale that is not positive and finite falls back to fallback;
    // one below minimum is raised to it.
    static double usableScale(double scale, double minimum = 0.0, double fallback = 1.0);

    // The larger of the two ratios that fit a w x h drawing into the area.
    static double fitScale(double w, double h, double areaW, double areaH);

    static constexpr double kUnitsPerPixel = 26.5; // program units per pixel at scale 1

private:
    double originX_;
    double originY_;
    double upp_;
};

#endif
