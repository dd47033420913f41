#include "library/DimensionDrawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor kCutColour(20, 20, 20);
const QColor kLeadColour(140, 140, 140);
const QColor kDimensionColour(40, 100, 200);
const QColor kLetterColour(190, 0, 0);

constexpr double kGap = 10.0;     // from the outline to the first row of dimensions
constexpr double kRowLR = 22.0;   // between rows left and right (room for a letter's width)
constexpr double kRowAB = 20.0;   // between rows above and below (room for its height)
constexpr double kArrow = 6.0;    // arrowhead length
constexpr double kShortSpan = 14; // below this the arrows point in from outside

QFont letterFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    return font;
}

QFont titleFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

QPointF sideVector(ShapeDimension::Side side)
{
    switch (side) {
    case ShapeDimension::Left:
        return {-1, 0};
    case ShapeDimension::Right:
        return {1, 0};
    case ShapeDimension::Above:
        return {0, -1};
    case ShapeDimension::Below:
        break;
    }
    return {0, 1};
}

double dot(const QPointF &a, const QPointF &b)
{
    return a.x() * b.x() + a.y() * b.y();
}

QPointF unit(const QPointF &v)
{
    const double len = std::hypot(v.x(), v.y());
    return len > 0 ? v / len : QPointF(1, 0);
}

// Half the extent of a w x h box along the unit direction d.
double halfExtent(const QSizeF &size, const QPointF &d)
{
    return (std::fabs(d.x()) * size.width() + std::fabs(d.y()) * size.height()) / 2;
}

QPolygonF arrowHead(const QPointF &tip, const QPointF &towards)
{
    const QPointF d = unit(towards);
    const QPointF across(-d.y() * 2.2, d.x() * 2.2);
    const QPointF back = tip - d * kArrow;
    return QPolygonF({tip, back + across, back - across});
}

void addChords(const QPainterPath &path, QVector<QLineF> &out)
{
    for (const QPolygonF &poly : path.toSubpathPolygons()) {
        for (int k = 1; k < poly.size(); ++k)
            out << QLineF(poly.at(k - 1), poly.at(k));
    }
}

void addChords(const QPolygonF &poly, QVector<QLineF> &out)
{
    for (int k = 0; k < poly.size(); ++k)
        out << QLineF(poly.at(k), poly.at((k + 1) % poly.size()));
}

QSizeF letterSize(char letter)
{
    const QRectF tight = QFontMetricsF(letterFont()).tightBoundingRect(QString(QLatin1Char(letter)));
    return tight.size() + QSizeF(2, 2);
}

} // namespace

bool DimensionDrawing::crosses(const QLineF &line, const QRectF &r)
{
    if (r.contains(line.p1()) || r.contains(line.p2()))
        return true;
    const QLineF edges[] = {{r.topLeft(), r.topRight()},
                            {r.topRight(), r.bottomRight()},
                            {r.bottomRight(), r.bottomLeft()},
                            {r.bottomLeft(), r.topLeft()}};
    for (const QLineF &edge : edges) {
        if (line.intersects(edge, nullptr) == QLineF::BoundedIntersection)
            return true;
    }
    return false;
}

DimensionDrawing DimensionDrawing::of(int n)
{
    DimensionDrawing d;
    d.shape = n;
    d.outline = ShapeOutline::of(n);
    if (!d.outline.ok)
        return d;
    d.fit();
    for (const ShapeDimension &spec : ShapeDimensions::of(n)) {
        Dimension dim;
        dim.spec = spec;
        d.dimensions << dim;
    }
    // Lines first, so that every letter keeps clear of all of them.
    for (int k = 0; k < d.dimensions.size(); ++k)
        d.layOut(k);
    for (int k = 0; k < d.dimensions.size(); ++k)
        d.placeLetter(k);

    // The shape's name goes into the first free corner.
    const QRectF name = QFontMetricsF(titleFont()).boundingRect(QStringLiteral("K%1").arg(n));
    const QVector<QLineF> around = d.obstacles(-1);
    for (const QPointF &corner :
         {QPointF(2, 1), QPointF(kWidth - 2 - name.width(), 1), QPointF(2, kHeight - 1 - name.height()),
          QPointF(kWidth - 2 - name.width(), kHeight - 1 - name.height())}) {
        const QRectF r(corner, name.size());
        bool free = std::none_of(around.begin(), around.end(), [&r](const QLineF &l) { return crosses(l, r); });
        for (const Dimension &dim : d.dimensions)
            free = free && !dim.letter.intersects(r);
        if (free) {
            d.title = r;
            break;
        }
    }
    d.ok = true;
    return d;
}

QPointF DimensionDrawing::resolve(const DimPoint &p) const
{
    const int k = p.move;
    if (p.where == DimPoint::End || k < 1 || k > outline.moves.size())
        return outline.end(k);
    const ShapeOutline::Move &m = outline.moves.at(k - 1);
    switch (p.where) {
    case DimPoint::Mid:
        return (m.from + m.to) / 2;
    case DimPoint::Centre:
        return m.centre;
    case DimPoint::PlusX:
        return m.centre + QPointF(m.radius, 0);
    case DimPoint::MinusX:
        return m.centre - QPointF(m.radius, 0);
    case DimPoint::PlusY:
        return m.centre + QPointF(0, m.radius);
    case DimPoint::MinusY:
        return m.centre - QPointF(0, m.radius);
    case DimPoint::End:
        break;
    }
    return m.to;
}

// Scales the outline into the picture, leaving room on each side for the
// rows of dimensions that stand there.
void DimensionDrawing::fit()
{
    const QTransform turn =
        ShapeDimensions::ownAxes(shape) ? QTransform(1, 0, 0, -1, 0, 0) : QTransform(0, -1, -1, 0, 0, 0);
    double margin[4] = {14, 14, 14, 14}; // left, right, above, below
    for (const ShapeDimension &spec : ShapeDimensions::of(shape)) {
        if (spec.measure == ShapeDimension::Radius) {
            // Its leader and letter stand off the corner it names.
            const int k = spec.from.move;
            if (k < 1 || k > outline.moves.size())
                continue;
            const ShapeOutline::Move &m = outline.moves.at(k - 1);
            const QVector<QPointF> arc = outline.points(m);
            const QPointF out = unit(turn.map(arc.at(arc.size() / 2)) - turn.map(m.centre)) * (m.clockwise ? 1 : -1);
            const double room = 34;
            if (out.x() < -0.3)
                margin[0] = std::max(margin[0], room);
            if (out.x() > 0.3)
                margin[1] = std::max(margin[1], room);
            if (out.y() < -0.3)
                margin[2] = std::max(margin[2], room);
            if (out.y() > 0.3)
                margin[3] = std::max(margin[3], room);
            continue;
        }
        if (spec.measure != ShapeDimension::AlongX && spec.measure != ShapeDimension::AlongY)
            continue;
        const bool across = spec.side == ShapeDimension::Left || spec.side == ShapeDimension::Right;
        const double row = across ? kRowLR : kRowAB;
        const int level = std::max(spec.level, 1);
        margin[spec.side] = std::max(margin[spec.side], kGap + (level - 1) * row + row + 2);
    }
    const QRectF area(margin[0], margin[2], kWidth - margin[0] - margin[1], kHeight - margin[2] - margin[3]);
    toPicture = outline.fit(turn, area);
    cut = outline.path(toPicture, false);
    leads = outline.path(toPicture, true);
}

void DimensionDrawing::layOut(int index)
{
    Dimension &dim = dimensions[index];
    const ShapeDimension &spec = dim.spec;
    const double scale = std::hypot(toPicture.m11(), toPicture.m12());

    if (spec.measure == ShapeDimension::Radius || spec.measure == ShapeDimension::Diameter) {
        const int k = spec.from.move;
        if (k < 1 || k > outline.moves.size())
            return;
        const ShapeOutline::Move &m = outline.moves.at(k - 1);
        const QPointF c = toPicture.map(m.centre);
        if (spec.measure == ShapeDimension::Diameter) {
            const double a = spec.level * ShapeOutline::kPi / 180;
            const QPointF w(std::cos(a), -std::sin(a));
            const QPointF p = c - w * m.radius * scale;
            const QPointF q = c + w * m.radius * scale;
            dim.anchors = {c, p, q};
            dim.lines << QLineF(p, q);
            dim.arrows << arrowHead(p, -w) << arrowHead(q, w);
            return;
        }
        const QVector<QPointF> arc = outline.points(m);
        const QPointF onArc = toPicture.map(arc.at(arc.size() / 2));
        // Leaders stand outside the material: away from the centre of a
        // convex corner, through the centre of a concave one.
        QPointF out = unit(onArc - c);
        if (!m.clockwise)
            out = -out;
        dim.anchors = {c, onArc};
        dim.lines << QLineF(onArc, onArc + out * 14);
        dim.arrows << arrowHead(onArc, -out);
        return;
    }

    if (spec.measure == ShapeDimension::Angle) {
        const QPointF centre = resolve(spec.centre);
        const QPointF from = resolve(spec.from);
        const QPointF to = resolve(spec.to);
        const QPointF a0 = from - centre;
        const QPointF a1 = to - centre;
        double sweep = std::atan2(a1.y(), a1.x()) - std::atan2(a0.y(), a0.x());
        while (sweep <= 0)
            sweep += 2 * ShapeOutline::kPi;
        const QPointF c = toPicture.map(centre);
        const QPointF p = toPicture.map(from);
        const QPointF q = toPicture.map(to);
        dim.anchors = {c, p, q};
        const double radius = 0.45 * std::min(QLineF(c, p).length(), QLineF(c, q).length());
        const double start = QLineF(c, p).angle();
        const double degrees = sweep * 180 / ShapeOutline::kPi;
        const QRectF square(c - QPointF(radius, radius), c + QPointF(radius, radius));
        dim.arc.arcMoveTo(square, start);
        dim.arc.arcTo(square, start, degrees);
        const auto along = [&](double deg) {
            const double r = deg * ShapeOutline::kPi / 180;
            return QPointF(std::cos(r), -std::sin(r));
        };
        const QPointF s = c + along(start) * radius;
        const QPointF e = c + along(start + degrees) * radius;
        const QPointF sTangent = along(start - 90);
        const QPointF eTangent = along(start + degrees + 90);
        dim.arrows << arrowHead(s, sTangent) << arrowHead(e, eTangent);
        return;
    }

    const QPointF from = resolve(spec.from);
    const QPointF to = resolve(spec.to);
    const QPointF p = toPicture.map(from);
    const QPointF q = toPicture.map(to);
    dim.anchors = {p, q};
    const QPointF n = sideVector(spec.side);
    const bool across = spec.side == ShapeDimension::Left || spec.side == ShapeDimension::Right;
    double t = 0;
    if (spec.level == ShapeDimension::Inside) {
        t = dot(p, n);
    } else if (spec.level == ShapeDimension::Beside) {
        t = std::max(dot(p, n), dot(q, n)) + kGap;
    } else {
        const QRectF b = cut.boundingRect().united(leads.boundingRect());
        t = std::max({dot(b.topLeft(), n), dot(b.bottomRight(), n)}) + kGap
            + (spec.level - 1) * (across ? kRowLR : kRowAB);
    }
    const QPointF p2 = p + n * (t - dot(p, n));
    const QPointF q2 = q + n * (t - dot(q, n));
    if (spec.level != ShapeDimension::Inside) {
        for (const auto &[at, foot] : {std::pair(p, p2), std::pair(q, q2)}) {
            if (std::fabs(dot(foot - at, n)) > 3)
                dim.lines << QLineF(at + n * 2, foot + n * 2);
        }
    }
    const QPointF e = unit(q2 - p2);
    dim.lines << QLineF(p2, q2);
    if (QLineF(p2, q2).length() >= kShortSpan) {
        dim.arrows << arrowHead(p2, -e) << arrowHead(q2, e);
    } else {
        dim.lines << QLineF(p2, p2 - e * 9) << QLineF(q2, q2 + e * 9);
        dim.arrows << arrowHead(p2, e) << arrowHead(q2, -e);
    }
}

void DimensionDrawing::placeLetter(int index)
{
    Dimension &dim = dimensions[index];
    const QSizeF size = letterSize(dim.spec.letter);
    QVector<QPointF> centres;
    const ShapeDimension &spec = dim.spec;
    if (spec.measure == ShapeDimension::Radius && dim.anchors.size() == 2) {
        const QLineF leader = dim.lines.value(0);
        const QPointF out = unit(leader.p2() - leader.p1());
        for (double extra : {2.0, 8.0, 14.0})
            centres << leader.p2() + out * (extra + halfExtent(size, out));
        const QPointF side(-out.y(), out.x());
        for (double s : {1.0, -1.0})
            centres << leader.p2() + side * s * (2 + halfExtent(size, side));
    } else if (spec.measure == ShapeDimension::Angle && dim.anchors.size() == 3) {
        const QPointF c = dim.anchors.at(0);
        const QPointF mid = dim.arc.pointAtPercent(0.5);
        const QPointF out = unit(mid - c);
        for (double t : {0.5, 0.4, 0.6, 0.3, 0.7}) {
            const QPointF at = dim.arc.pointAtPercent(t);
            const QPointF o = unit(at - c);
            centres << at + o * (3 + halfExtent(size, o));
        }
        centres << mid - out * (3 + halfExtent(size, out));
    } else if (!dim.lines.isEmpty()) {
        // A diameter has its one line; a straight dimension's runs square
        // to its extension lines.
        QLineF line = dim.lines.first();
        for (const QLineF &l : dim.lines) {
            if (spec.measure == ShapeDimension::Diameter)
                break;
            if (std::fabs(dot(l.p2() - l.p1(), sideVector(spec.side))) < 0.5) {
                line = l;
                break;
            }
        }
        const QPointF mid = line.center();
        const double len = line.length();
        const QPointF e = unit(line.p2() - line.p1());
        QPointF n = sideVector(spec.side);
        if (spec.measure == ShapeDimension::Diameter)
            n = QPointF(-e.y(), e.x());
        const double off = 3.5 + halfExtent(size, n);
        const bool arrowsOutside = len < kShortSpan;
        for (double s : {0.0, -0.25, 0.25, -0.4, 0.4})
            centres << mid + n * off + e * (s * len);
        for (double s : {0.0, -0.25, 0.25})
            centres << mid - n * off + e * (s * len);
        for (double s : {1.0, -1.0})
            centres << mid + e * s * (len / 2 + (arrowsOutside ? 11 : 4) + halfExtent(size, e));
    }

    const QVector<QLineF> around = obstacles(index);
    const QRectF frame(1, 1, kWidth - 2, kHeight - 2);
    for (const QPointF &centre : centres) {
        const QRectF r(centre - QPointF(size.width() / 2, size.height() / 2), size);
        if (!frame.contains(r))
            continue;
        const QRectF clear = r.adjusted(-1, -1, 1, 1);
        if (std::any_of(around.begin(), around.end(), [&clear](const QLineF &l) { return crosses(l, clear); }))
            continue;
        bool free = true;
        for (int k = 0; k < index; ++k)
            free = free && !dimensions.at(k).letter.intersects(clear);
        if (free) {
            dim.letter = r;
            return;
        }
    }
    // Nowhere free: the first choice, which the checks will point at.
    if (!centres.isEmpty())
        dim.letter = QRectF(centres.first() - QPointF(size.width() / 2, size.height() / 2), size);
}

QVector<QLineF> DimensionDrawing::outlineChords() const
{
    QVector<QLineF> out;
    addChords(cut, out);
    addChords(leads, out);
    return out;
}

QVector<QLineF> DimensionDrawing::obstacles(int except) const
{
    QVector<QLineF> out = outlineChords();
    for (int k = 0; k < dimensions.size(); ++k) {
        if (k == except)
            continue;
        const Dimension &dim = dimensions.at(k);
        out << dim.lines;
        for (const QPolygonF &arrow : dim.arrows)
            addChords(arrow, out);
        addChords(dim.arc, out);
    }
    return out;
}

void DimensionDrawing::paint(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kDimensionColour, 1.0));
    for (const Dimension &dim : dimensions) {
        painter.drawLines(dim.lines);
        painter.drawPath(dim.arc);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDimensionColour);
    for (const Dimension &dim : dimensions) {
        for (const QPolygonF &arrow : dim.arrows)
            painter.drawPolygon(arrow);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kLeadColour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(leads);
    painter.setPen(QPen(kCutColour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(cut);

    const QFont font = letterFont();
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(kLetterColour);
    for (const Dimension &dim : dimensions) {
        const QString text(QLatin1Char(dim.spec.letter));
        const QRectF tight = metrics.tightBoundingRect(text);
        painter.drawText(dim.letter.center() - tight.center(), text);
    }
    if (!title.isNull()) {
        painter.setFont(titleFont());
        painter.setPen(kCutColour);
        painter.drawText(title.bottomLeft() - QPointF(0, QFontMetricsF(titleFont()).descent()),
                         QStringLiteral("K%1").arg(shape));
    }
    painter.restore();
}

QImage DimensionDrawing::image() const
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter);
    return image;
}
