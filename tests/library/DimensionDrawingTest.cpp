// The dimension drawings of all 49 shapes, read as the primitives they are
// painted from: each letter spans the contour points its table entry names,
// those points lie exactly the parameter's default value apart on the
// generator's own default pattern, the picture is turned as the form expects,
// and no letter sits on the outline, on another letter or on another line.

#include "TempWorkDir.h"
#include "library/DimensionDrawing.h"
#include "library/PattenForm.h"
#include "library/PattenRecord.h"
#include "library/shapes/ShapeCatalogue.h"

#include <QtTest>

#include <cmath>
#include <map>

namespace {

// The table's point names read back from the outline's moves.
QPointF named(const ShapeOutline &o, const DimPoint &p)
{
    if (p.move == 0)
        return {0, 0};
    const ShapeOutline::Move &m = o.moves.at(p.move - 1);
    const double r = QLineF(m.centre, m.from).length();
    switch (p.where) {
    case DimPoint::End:
        return m.to;
    case DimPoint::Mid:
        return (m.from + m.to) / 2;
    case DimPoint::Centre:
        return m.centre;
    case DimPoint::PlusX:
        return m.centre + QPointF(r, 0);
    case DimPoint::MinusX:
        return m.centre - QPointF(r, 0);
    case DimPoint::PlusY:
        return m.centre + QPointF(0, r);
    case DimPoint::MinusY:
        return m.centre - QPointF(0, r);
    }
    return {};
}

// What a dimension measures on an outline, in its field's units.
double measure(const ShapeOutline &o, const ShapeDimension &spec)
{
    switch (spec.measure) {
    case ShapeDimension::AlongX:
        return std::fabs(named(o, spec.to).x() - named(o, spec.from).x());
    case ShapeDimension::AlongY:
        return std::fabs(named(o, spec.to).y() - named(o, spec.from).y());
    case ShapeDimension::Radius:
    case ShapeDimension::Diameter: {
        const ShapeOutline::Move &arc = o.moves.at(spec.from.move - 1);
        const double r = QLineF(arc.centre, arc.from).length();
        return spec.measure == ShapeDimension::Radius ? r : 2 * r;
    }
    case ShapeDimension::Angle: {
        const QPointF c = named(o, spec.centre);
        const QPointF from = named(o, spec.from) - c;
        const QPointF to = named(o, spec.to) - c;
        double sweep = std::atan2(to.y(), to.x()) - std::atan2(from.y(), from.x());
        if (sweep <= 0)
            sweep += 2 * M_PI;
        return sweep * 18000 / M_PI;
    }
    }
    return 0;
}

bool near(const QPointF &a, const QPointF &b, double tolerance = 0.01)
{
    return QLineF(a, b).length() <= tolerance;
}

} // namespace

class DimensionDrawingTest : public QObject
{
    Q_OBJECT

private slots:
    void everyShape_data();
    void everyShape();
    void leadsAndCircles();
    void eachLetterSpansItsOwnField_data();
    void eachLetterSpansItsOwnField();

private:
    TempWorkDir work;
};

void DimensionDrawingTest::everyShape_data()
{
    QTest::addColumn<int>("shape");
    for (int n = 1; n <= ShapeCatalogue::kLastIndex; ++n)
        QTest::addRow("K%d", n) << n;
}

void DimensionDrawingTest::everyShape()
{
    QFETCH(int, shape);
    const DimensionDrawing d = DimensionDrawing::of(shape);
    QVERIFY(d.ok);
    const QImage picture = d.image();
    patten_t defaults;
    PattenForm::forShape(shape).readInto(defaults, false);
    const int value[] = {defaults.a, defaults.b, defaults.c, defaults.d, defaults.e, defaults.f, defaults.g};

    // One letter for a and for every field the form shows.
    QString expected = QStringLiteral("a");
    for (int k = 0; k < 6; ++k) {
        if (ShapeCatalogue::entry(shape)->defaults[k])
            expected += QLatin1Char(char('b' + k));
    }
    QString letters;
    for (const DimensionDrawing::Dimension &dim : d.dimensions)
        letters += QLatin1Char(dim.spec.letter);
    std::sort(letters.begin(), letters.end());
    QCOMPARE(letters, expected);

    // Orientation: +X up and +Y to the left, K5 in the program's own axes.
    const QTransform &t = d.toPicture;
    const double scale = std::hypot(t.m11(), t.m12());
    const QPointF ex = t.map(QPointF(1, 0)) - t.map(QPointF(0, 0));
    const QPointF ey = t.map(QPointF(0, 1)) - t.map(QPointF(0, 0));
    if (shape == 5) {
        QVERIFY(ex.x() > 0 && qFuzzyIsNull(ex.y()) && ey.y() < 0 && qFuzzyIsNull(ey.x()));
    } else {
        QVERIFY(ex.y() < 0 && qFuzzyIsNull(ex.x()) && ey.x() < 0 && qFuzzyIsNull(ey.y()));
    }
    // The lead-in from the pierce point: a long, upward, at the lower right.
    const auto lead = std::find_if(d.outline.moves.begin(), d.outline.moves.end(), [](const ShapeOutline::Move &m) {
        return m.lead && m.kind == ShapeOutline::Line && m.from == QPointF(0, 0);
    });
    QVERIFY(lead != d.outline.moves.end());
    const QPointF leadFrom = t.map(lead->from);
    const QPointF leadTo = t.map(lead->to);
    const QRectF body = d.cut.boundingRect();
    QVERIFY(leadTo.y() < leadFrom.y() && qAbs(leadTo.x() - leadFrom.x()) < 0.01);
    QCOMPARE(qRound(QLineF(leadFrom, leadTo).length() / scale), defaults.a);
    QVERIFY2(leadFrom.x() >= body.center().x() - 0.5 && leadFrom.y() > body.center().y(),
             "lead-in not at the lower right");

    for (int k = 0; k < d.dimensions.size(); ++k) {
        const DimensionDrawing::Dimension &dim = d.dimensions.at(k);
        const ShapeDimension &spec = dim.spec;
        const QByteArray what = QByteArray(1, spec.letter);
        const int want = value[spec.letter - 'a'];
        double measured = 0;
        QPointF line; // the measure's direction in the picture
        switch (spec.measure) {
        case ShapeDimension::AlongX:
        case ShapeDimension::AlongY: {
            const QPointF p = named(d.outline, spec.from);
            const QPointF q = named(d.outline, spec.to);
            const bool alongX = spec.measure == ShapeDimension::AlongX;
            measured = alongX ? std::fabs(q.x() - p.x()) : std::fabs(q.y() - p.y());
            line = alongX ? ex : ey;
            QVERIFY2(near(dim.anchors.value(0), t.map(p)) && near(dim.anchors.value(1), t.map(q)), what);
            // Its dimension line runs along the measure, as long as the
            // measure, level with both named points.
            const QPointF across(-line.y(), line.x());
            const bool spans = std::any_of(dim.lines.begin(), dim.lines.end(), [&](const QLineF &l) {
                const QPointF v = l.p2() - l.p1();
                return std::fabs(v.x() * across.x() + v.y() * across.y()) < 0.01
                       && std::fabs(l.length() - measured * scale) < 0.5
                       && std::fabs(QPointF::dotProduct(l.p1() - t.map(p), line) / scale) < 0.5
                       && std::fabs(QPointF::dotProduct(l.p2() - t.map(q), line) / scale) < 0.5;
            });
            QVERIFY2(spans, what);
            break;
        }
        case ShapeDimension::Radius:
        case ShapeDimension::Diameter: {
            const ShapeOutline::Move &arc = d.outline.moves.at(spec.from.move - 1);
            QCOMPARE(arc.kind, ShapeOutline::Arc);
            const double r = QLineF(arc.centre, arc.from).length();
            measured = spec.measure == ShapeDimension::Radius ? r : 2 * r;
            const QPointF centre = t.map(arc.centre);
            // A leader ends on the arc, a diameter crosses the circle.
            const QLineF first = dim.lines.value(0);
            if (spec.measure == ShapeDimension::Radius)
                QVERIFY2(std::fabs(QLineF(centre, first.p1()).length() - r * scale) < 0.5, what);
            else
                QVERIFY2(std::fabs(first.length() - 2 * r * scale) < 0.5 && near(first.center(), centre, 0.5), what);
            break;
        }
        case ShapeDimension::Angle: {
            const QPointF c = named(d.outline, spec.centre);
            const QPointF from = named(d.outline, spec.from) - c;
            const QPointF to = named(d.outline, spec.to) - c;
            double sweep = std::atan2(to.y(), to.x()) - std::atan2(from.y(), from.x());
            if (sweep <= 0)
                sweep += 2 * M_PI;
            measured = sweep * 18000 / M_PI;
            QVERIFY2(!dim.arc.isEmpty() && near(dim.anchors.value(0), t.map(c)), what);
            break;
        }
        }
        // Truncated trigonometric terms may leave a point a unit or two off.
        QVERIFY2(std::fabs(measured - want) <= 2,
                 qPrintable(QStringLiteral("%1 measures %2, default %3").arg(spec.letter).arg(measured).arg(want)));

        // Its letter stands in the picture, clear of everything else.
        const QRectF box = dim.letter;
        QVERIFY2(QRectF(0, 0, DimensionDrawing::kWidth, DimensionDrawing::kHeight).contains(box), what);
        const QVector<QLineF> outline = d.outlineChords();
        QVERIFY2(std::none_of(outline.begin(), outline.end(),
                              [&](const QLineF &l) { return DimensionDrawing::crosses(l, box); }),
                 what + " on the outline");
        const QVector<QLineF> others = d.obstacles(k);
        QVERIFY2(std::none_of(others.begin(), others.end(),
                              [&](const QLineF &l) { return DimensionDrawing::crosses(l, box); }),
                 what + " on another dimension");
        for (int j = 0; j < d.dimensions.size(); ++j)
            QVERIFY2(j == k || !d.dimensions.at(j).letter.intersects(box), what + " on another letter");
        QVERIFY2(!box.intersects(d.title), what + " on the title");
        // ... and is painted there.
        int inked = 0;
        for (int y = int(box.top()); y < int(box.bottom()); ++y) {
            for (int x = int(box.left()); x < int(box.right()); ++x) {
                const QColor c = picture.pixelColor(x, y);
                inked += c.red() > 120 && c.green() < 90 && c.blue() < 90;
            }
        }
        QVERIFY2(inked >= 6, what + " not painted in its box");
    }
}

void DimensionDrawingTest::eachLetterSpansItsOwnField_data()
{
    everyShape_data();
}

// Fields whose defaults are equal cannot tell their letters apart: every
// field gets a value of its own, and each letter spans its own.
void DimensionDrawingTest::eachLetterSpansItsOwnField()
{
    QFETCH(int, shape);
    PattenForm form = PattenForm::forShape(shape);
    for (int k = 0; k < PattenForm::FieldCount; ++k) {
        if (!form.param[k].isEmpty())
            form.param[k] = QString::number(form.param[k].toDouble() * (1 + 0.03 * (k + 1)), 'f', 2);
    }
    if (shape == 49) {
        form.countX = QString::number(ShapeDimensions::kGridColumns);
        form.countY = QString::number(ShapeDimensions::kGridRows);
    }
    patten_t fields;
    form.readInto(fields, false);
    const int value[] = {fields.a, fields.b, fields.c, fields.d, fields.e, fields.f, fields.g};
    const ShapeOutline outline = ShapeOutline::of(shape, form);
    QVERIFY(outline.ok);
    for (const ShapeDimension &spec : ShapeDimensions::of(shape)) {
        const int want = value[spec.letter - 'a'];
        for (int k = 0; k < PattenForm::FieldCount; ++k)
            QVERIFY(k == spec.letter - 'a' || form.param[k].isEmpty() || value[k] != want);
        const double measured = measure(outline, spec);
        QVERIFY2(std::fabs(measured - want) <= 2,
                 qPrintable(QStringLiteral("%1 measures %2, its field %3").arg(spec.letter).arg(measured).arg(want)));
    }
}

// Leads are drawn grey and the cut black: every lead is a line of length a,
// K6 and the plates also grey their lead-out, each of the grid's diagonals
// has both, and whole circles are drawn whole.
void DimensionDrawingTest::leadsAndCircles()
{
    for (int n = 1; n <= ShapeCatalogue::kLastIndex; ++n) {
        const ShapeOutline o = ShapeOutline::of(n);
        QVERIFY(o.ok);
        const std::map<int, int> leadCount = {{1, 1}, {2, 2}, {3, 1}, {4, 1}, {5, 1}, {6, 3}, {49, 8}};
        int leads = 0;
        for (const ShapeOutline::Move &m : o.moves) {
            if (m.lead) {
                ++leads;
                QVERIFY2(m.kind == ShapeOutline::Line && qRound(QLineF(m.from, m.to).length()) == 1000,
                         qPrintable(QStringLiteral("K%1").arg(n)));
            }
            if (m.kind == ShapeOutline::Arc && m.from == m.to)
                QCOMPARE(ShapeOutline::sweep(m), m.clockwise ? -2 * M_PI : 2 * M_PI);
        }
        const auto it = leadCount.find(n);
        QCOMPARE(leads, it == leadCount.end() ? 2 : it->second);
    }
}

QTEST_MAIN(DimensionDrawingTest)
#include "DimensionDrawingTest.moc"
