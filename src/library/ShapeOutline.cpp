#include "library/ShapeOutline.h"

#include "library/LibGenerator.h"
#include "library/PattenForm.h"
#include "library/PattenList.h"
#include "library/shapes/ShapeDimensions.h"
#include "program/Parser.h"
#include "program/PathWalk.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace {

// A run of cutting moves starts with its lead-in when the run holds more
// than that line. The contour closes where the lead-in ended, so a last line
// leaving from that point is the lead-out; so is one as long as the lead-in
// (a grid's diagonals leave it elsewhere).
void markLeads(QVector<ShapeOutline::Move> &moves)
{
    int k = 0;
    while (k < moves.size()) {
        if (moves[k].kind == ShapeOutline::Rapid) {
            ++k;
            continue;
        }
        int end = k;
        while (end < moves.size() && moves[end].kind != ShapeOutline::Rapid)
            ++end;
        const bool leadIn = end - k > 1 && moves[k].kind == ShapeOutline::Line;
        ShapeOutline::Move &last = moves[end - 1];
        moves[k].lead = leadIn;
        const double leadLength = QLineF(moves[k].from, moves[k].to).length();
        if (leadIn && end - k > 2 && last.kind == ShapeOutline::Line
            && (last.from == moves[k].to || qFuzzyCompare(QLineF(last.from, last.to).length(), leadLength)))
            last.lead = true;
        k = end;
    }
}

} // namespace

ShapeOutline ShapeOutline::of(int n)
{
    PattenForm form = PattenForm::forShape(n);
    if (n == 49) {
        form.countX = QString::number(ShapeDimensions::kGridColumns);
        form.countY = QString::number(ShapeDimensions::kGridRows);
    }
    return of(n, form);
}

ShapeOutline ShapeOutline::of(int n, const PattenForm &form)
{
    ShapeOutline out;
    PattenList list;
    if (!list.add(n, form))
        return out;
    LibGenerator generator;
    const QString file = generator.writeTempFile(list);
    Parser parser;
    if (file.isNull() || parser.parseLib(file, 0.0, 0, 0) != 1)
        return out;

    PathWalk walk(0.0, 0.0, 1.0);
    QPainterPath cut;
    QPainterPath rapid;
    walk.run(libSegments, 0, kSegmentRows, cut, rapid, false, [&out](const PathWalk::Move &m) {
        if (m.kind == PathWalk::Skip)
            return;
        Move move;
        move.kind = m.kind == PathWalk::Rapid ? Rapid : m.kind == PathWalk::Line ? Line : Arc;
        move.from = QPointF(m.startX, m.startY);
        move.to = QPointF(m.endX, m.endY);
        if (move.kind == Arc) {
            move.centre = move.from + QPointF(m.record->i, m.record->j);
            move.radius = std::hypot(double(m.record->i), double(m.record->j));
            move.clockwise = m.record->type == SegType::ArcCW;
        }
        out.moves << move;
    });
    // The rapids after the last cut only carry the tool to where the next
    // pattern would start; they are no part of the shape.
    while (!out.moves.isEmpty() && out.moves.last().kind == Rapid)
        out.moves.removeLast();
    markLeads(out.moves);
    out.ok = !out.moves.isEmpty();
    return out;
}

QPointF ShapeOutline::end(int k) const
{
    if (k <= 0 || moves.isEmpty())
        return QPointF(0, 0);
    return moves.at(std::min<int>(k, moves.size()) - 1).to;
}

double ShapeOutline::sweep(const Move &m)
{
    const QPointF s = m.from - m.centre;
    const QPointF e = m.to - m.centre;
    double sweep = std::atan2(e.y(), e.x()) - std::atan2(s.y(), s.x());
    // An arc that ends where it starts is a whole circle.
    if (m.clockwise) {
        while (sweep >= -1e-9)
            sweep -= 2 * kPi;
    } else {
        while (sweep <= 1e-9)
            sweep += 2 * kPi;
    }
    return sweep;
}

QVector<QPointF> ShapeOutline::points(const Move &m) const
{
    if (m.kind != Arc)
        return {m.from, m.to};
    const QPointF s = m.from - m.centre;
    const double a0 = std::atan2(s.y(), s.x());
    const double turn = sweep(m);
    const int steps = std::max(8, int(std::ceil(std::fabs(turn) / (kPi / 60))));
    QVector<QPointF> out;
    out.reserve(steps + 1);
    for (int k = 0; k <= steps; ++k) {
        const double a = a0 + turn * k / steps;
        out << m.centre + QPointF(m.radius * std::cos(a), m.radius * std::sin(a));
    }
    out.last() = m.to;
    return out;
}

// Both pictures keep the sense of rotation as seen on screen, so an arc
// keeps its sweep; a circle stays a circle under their uniform scale.
QPainterPath ShapeOutline::path(const QTransform &t, bool leads) const
{
    const double scale = std::hypot(t.m11(), t.m12());
    QPainterPath path;
    for (const Move &m : moves) {
        if (m.kind == Rapid || m.lead != leads)
            continue;
        path.moveTo(t.map(m.from));
        if (m.kind == Line) {
            path.lineTo(t.map(m.to));
            continue;
        }
        const QPointF c = t.map(m.centre);
        const double r = m.radius * scale;
        path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), QLineF(c, t.map(m.from)).angle(), sweep(m) * 180 / kPi);
    }
    return path;
}

QTransform ShapeOutline::fit(const QTransform &turn, const QRectF &area) const
{
    const QRectF b = path(turn, false).boundingRect().united(path(turn, true).boundingRect());
    const double scale = std::min(area.width() / std::max(b.width(), 1.0), area.height() / std::max(b.height(), 1.0));
    const QPointF shift = area.center() - b.center() * scale;
    return turn * QTransform::fromScale(scale, scale) * QTransform::fromTranslate(shift.x(), shift.y());
}
