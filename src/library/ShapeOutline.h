#ifndef SHAPEOUTLINE_H
#define SHAPEOUTLINE_H

#include <QPainterPath>
#include <QPointF>
#include <QTransform>
#include <QVector>

class PattenForm;

// One default pattern of shape n as the library's own generator writes it
// and the parser reads it back, as moves in program coordinates (0.01 mm,
// the pierce point at the origin). The catalogue's pictures are drawn from
// it, so a picture cannot disagree with what the generator makes.
class ShapeOutline
{
public:
    static constexpr double kPi = 3.14159265358979;
    enum Kind { Rapid, Line, Arc };
    struct Move {
        Kind kind = Line;
        QPointF from;
        QPointF to;
        QPointF centre; // arcs
        double radius = 0.0;
        bool clockwise = false;
        bool lead = false; // a lead-in or lead-out of a cut
    };

    // Generates and parses shape n with the form's default texts (K49 as a
    // small grid); `ok` is false when either step fails. Both write their
    // scratch files under the current folder.
    static ShapeOutline of(int n);
    // The same from the form's texts as they are.
    static ShapeOutline of(int n, const PattenForm &form);

    bool ok = false;
    QVector<Move> moves; // rapids after the last cut left out

    // Where move k ends; move 0 is the pierce point.
    QPointF end(int k) const;

    // An arc's turn in radians, negative clockwise; a closed arc turns once.
    static double sweep(const Move &m);

    // Points along a move, arcs split into short chords.
    QVector<QPointF> points(const Move &m) const;

    // The cut, or the leads, mapped through `t`; rapids are in neither.
    QPainterPath path(const QTransform &t, bool leads) const;

    // `turn`, then the scale and shift that centre the outline in `area`
    // as large as it fits.
    QTransform fit(const QTransform &turn, const QRectF &area) const;
};

#endif
