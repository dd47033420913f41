// Properties of shapes K25..K49 for many values: copies end where they
// started, arrays of them end at the pattern's extent, and the K49 grid cuts
// every plate edge exactly once.

#include "TempWorkDir.h"
#include "library/GridPlates.h"
#include "library/LibGenerator.h"
#include "library/LibOutput.h"
#include "library/PattenForm.h"
#include "library/PattenList.h"
#include "library/shapes/ShapeCatalogue.h"
#include "library/shapes/ShapeCopy.h"
#include "library/shapes/ShapeMath.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <map>
#include <tuple>

namespace {

// K44 keeps its four truncated trigonometric terms and may end a unit or two off.
bool closesExactly(int shape)
{
    return shape != 44;
}

patten_t randomPatten(int type, QRandomGenerator &random)
{
    patten_t p;
    p.type = type;
    int *fields[] = {&p.a, &p.b, &p.c, &p.d, &p.e, &p.f, &p.g};
    for (int *field : fields)
        *field = random.bounded(-5000, 60001); // odd values, zero and negatives too
    return p;
}

struct Sum {
    long long x = 0;
    long long y = 0;
};

Sum moves(const ShapeCopy &copy)
{
    Sum sum;
    for (int k = 0; k < copy.size(); ++k) {
        sum.x += copy.at(k).x;
        sum.y += copy.at(k).y;
    }
    return sum;
}

// A relative move of one k.nc line: "G0n X.. Y..", "G0n X.." / "G0n Y.."
// (with a blank in place of a "+" sign) or "G00 X..Y..".
struct Move {
    int code = -1;
    long long x = 0;
    long long y = 0;
};

bool parseMove(const QString &line, Move &move)
{
    static const QRegularExpression form(
        QStringLiteral("^G0([0-3])(?: X([- ]?\\d+))?(?: ?Y([- ]?\\d+))?(?: I-?\\d+ J-?\\d+)?$"));
    const QRegularExpressionMatch m = form.match(line);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return false;
    move.code = m.captured(1).toInt();
    move.x = m.captured(2).isEmpty() ? 0 : m.captured(2).replace(QLatin1Char(' '), QString()).toLongLong();
    move.y = m.captured(3).isEmpty() ? 0 : m.captured(3).replace(QLatin1Char(' '), QString()).toLongLong();
    return true;
}

} // namespace

class ShapePropertyTest : public QObject
{
    Q_OBJECT

private slots:
    void everyShapeHasAnEntry()
    {
        for (int n = 25; n <= 48; ++n) {
            const ShapeEntry *entry = ShapeCatalogue::entry(n);
            QVERIFY2(entry && entry->contour && !entry->grid, qPrintable(QString::number(n)));
        }
        const ShapeEntry *grid = ShapeCatalogue::entry(49);
        QVERIFY(grid && grid->grid && !grid->contour);
    }

    // Lead-in (a, 0) first, lead-out (-a, 0) last, both inside the bracket,
    // and the moves in between add up to zero.
    void copiesCloseForAnyValues()
    {
        QRandomGenerator random(9);
        for (int n = 25; n <= 48; ++n) {
            if (!closesExactly(n))
                continue;
            for (int round = 0; round < 500; ++round) {
                const patten_t p = randomPatten(n, random);
                ShapeCopy copy;
                ShapeCatalogue::entry(n)->contour(p, copy);
                const QByteArray where = QStringLiteral("K%1 a %2 b %3 c %4 d %5 e %6 f %7 g %8")
                                             .arg(n)
                                             .arg(p.a)
                                             .arg(p.b)
                                             .arg(p.c)
                                             .arg(p.d)
                                             .arg(p.e)
                                             .arg(p.f)
                                             .arg(p.g)
                                             .toLatin1();
                const Sum sum = moves(copy);
                QVERIFY2(sum.x == 0 && sum.y == 0, where.constData());
                const int last = copy.size() - 1;
                QVERIFY2(last >= 3, where.constData());
                QCOMPARE(copy.at(0).code, int(ShapeCopy::KerfOn));
                QCOMPARE(copy.at(last).code, int(ShapeCopy::KerfOff));
                QCOMPARE(std::make_tuple(copy.at(1).code, copy.at(1).x, copy.at(1).y),
                         std::make_tuple(int(ShapeCopy::Line), p.a, 0));
                QCOMPARE(std::make_tuple(copy.at(last - 1).code, copy.at(last - 1).x, copy.at(last - 1).y),
                         std::make_tuple(int(ShapeCopy::Line), -p.a, 0));
            }
        }
    }

    // Through the generator: random shapes in 2 x 3 arrays, one after the
    // other; the whole k.nc adds up to the offsets plus every extentX.
    void arraysEndAtTheirExtent()
    {
        TempWorkDir dir;
        QVERIFY(dir.isValid());
        QRandomGenerator random(49);
        PattenList list;
        Sum expected;
        for (int n = 25; n <= 48; ++n) {
            if (!closesExactly(n))
                continue;
            PattenForm form = PattenForm::forShape(n);
            const patten_t values = randomPatten(n, random);
            const int fields[] = {values.a, values.b, values.c, values.d, values.e, values.f, values.g};
            for (int k = 0; k < PattenForm::FieldCount; ++k)
                form.param[k] = QString::number(fields[k] / 100.0, 'f', 2);
            form.countX = QStringLiteral("2");
            form.countY = QStringLiteral("3");
            form.spaceX = QStringLiteral("1.01");
            form.spaceY = QStringLiteral("2.03");
            form.offsetX = QString::number(n);
            form.offsetY = QString::number(-n);
            QVERIFY(list.add(n, form));
        }
        list.selectRow(-1);
        LibGenerator generator;
        QVERIFY(!generator.writeTempFile(list).isNull());
        for (int index = 1; index <= list.count(); ++index) {
            expected.x += list.at(index).offsetX + static_cast<long long>(list.at(index).extentX);
            expected.y += list.at(index).offsetY;
        }

        Sum total;
        int copies = 0;
        const QStringList lines = QString::fromLatin1(dir.readFile(QStringLiteral(".tovrelcnc/k.nc"))).split('\n');
        for (const QString &line : lines) {
            if (line.isEmpty() || line == QLatin1String("G40"))
                continue;
            if (line == QLatin1String("G41")) {
                ++copies;
                continue;
            }
            Move move;
            QVERIFY2(parseMove(line, move), qPrintable(line));
            total.x += move.x;
            total.y += move.y;
        }
        QCOMPARE(copies, 23 * 6);
        QCOMPARE(total.x, expected.x);
        QCOMPARE(total.y, expected.y);
    }

    void tangentWithoutDivision()
    {
        const auto tangent = [](int b, int c, int d) {
            const ShapeMath::Tangent t = ShapeMath::tipTangent(b, c, d);
            return std::make_pair(t.p, t.q);
        };
        QCOMPARE(tangent(20000, 15000, 3000), std::make_pair(2368, 1841));
        // b/2 = d: the sides run parallel, whichever way the tip lies.
        QCOMPARE(tangent(6000, 6000, 3000), std::make_pair(3000, 0));
        QCOMPARE(tangent(6001, 9000, 3000), std::make_pair(3000, 0));
        QCOMPARE(tangent(6000, 5000, 3000), std::make_pair(-3000, 0));
        // c = 2d alone: the quotient is zero, t = 0.
        QCOMPARE(tangent(20000, 6000, 3000), std::make_pair(0, 3000));
    }

    void gridCutsEveryEdgeOnce_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::newRow("defaults") << 1000 << 20000 << 15000;
        QTest::newRow("square plates") << 500 << 10000 << 10000;
        QTest::newRow("odd values") << 333 << 20001 << 14999;
        QTest::newRow("narrow plates") << 700 << 3000 << 40000;
    }

    // Every one-axis cut that is not a lead covers exactly one plate edge,
    // every edge of the nx x ny grid is cut once, leads stay off the edges,
    // and everything before the extent move returns to the start point.
    void gridCutsEveryEdgeOnce()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        for (int nx = 1; nx <= 8; ++nx) {
            for (int ny = 1; ny <= 8; ++ny) {
                const QByteArray where = QStringLiteral("%1 x %2").arg(nx).arg(ny).toLatin1();
                LibOutput out;
                QCOMPARE(GridPlates::write(a, b, c, nx, ny, out), static_cast<long long>(b) * nx + 2 * a);
                QStringList lines = QString::fromLatin1(out.bytes()).split(QLatin1Char('\n'));
                QCOMPARE(lines.takeLast(), QString());
                QCOMPARE(lines.takeLast(), QStringLiteral("G00 X%1").arg(static_cast<long long>(b) * nx + 2 * a));

                // Plate (i, j) lies at x a + (i-1) b, y (j-1) c from the start.
                std::map<std::tuple<long long, long long, long long, long long>, int> cuts;
                long long x = 0;
                long long y = 0;
                for (const QString &line : lines) {
                    Move move;
                    QVERIFY2(parseMove(line, move), qPrintable(line));
                    QVERIFY2(move.code == 0 || move.code == 1, qPrintable(line));
                    const long long toX = x + move.x;
                    const long long toY = y + move.y;
                    if (move.code == 1) {
                        QVERIFY2(move.x == 0 || move.y == 0, qPrintable(line));
                        const long long length = qAbs(move.x) + qAbs(move.y);
                        if (length == a) {
                            // A lead: it must not run along a grid line inside the grid.
                            const bool alongX = move.y == 0;
                            const long long at = alongX ? y : x - a;
                            const long long step = alongX ? c : b;
                            const long long count = alongX ? ny : nx;
                            const bool onLine = at % step == 0 && at / step >= 0 && at / step <= count;
                            if (onLine) {
                                const long long lo = alongX ? qMin(x, toX) - a : qMin(y, toY);
                                const long long hi = alongX ? qMax(x, toX) - a : qMax(y, toY);
                                const long long span =
                                    alongX ? static_cast<long long>(b) * nx : static_cast<long long>(c) * ny;
                                QVERIFY2(hi <= 0 || lo >= span, where.constData());
                            }
                        } else {
                            ++cuts[std::make_tuple(qMin(x, toX), qMin(y, toY), qMax(x, toX), qMax(y, toY))];
                        }
                    }
                    x = toX;
                    y = toY;
                }
                QVERIFY2(x == 0 && y == 0, where.constData());

                std::map<std::tuple<long long, long long, long long, long long>, int> edges;
                for (long long i = 0; i <= nx; ++i) {
                    for (long long j = 0; j < ny; ++j)
                        edges[std::make_tuple(a + i * b, j * c, a + i * b, (j + 1) * c)] = 1;
                }
                for (long long j = 0; j <= ny; ++j) {
                    for (long long i = 0; i < nx; ++i)
                        edges[std::make_tuple(a + i * b, j * c, a + (i + 1) * b, j * c)] = 1;
                }
                QCOMPARE(int(edges.size()), (nx + 1) * ny + (ny + 1) * nx);
                QVERIFY2(cuts == edges, where.constData());
            }
        }
    }

    void deletedGridWritesNothing()
    {
        patten_t p;
        p.type = 49;
        p.a = 1000;
        p.b = 20000;
        p.c = 15000;
        p.extentX = 777;
        p.deleted = true;
        LibOutput out;
        GridPlates::write(p, out);
        QVERIFY(out.bytes().isEmpty());
        QCOMPARE(p.extentX, 777);
        p.deleted = false;
        p.countX = 0;
        p.countY = -4;
        GridPlates::write(p, out);
        QCOMPARE(p.extentX, 22000);
        QVERIFY(out.bytes().endsWith("G00 X-21000Y1000\nG00 X22000\n"));
    }

    // A grid whose lines could not be held is refused whole: no line, and the
    // extent the reordering arithmetic uses stays as it was.
    void oversizedGridWritesNothing()
    {
        patten_t p;
        p.type = 49;
        p.a = 1000;
        p.b = 20000;
        p.c = 15000;
        p.countX = 100000;
        p.countY = 100000;
        p.extentX = 777;
        LibOutput out;
        QVERIFY(!GridPlates::write(p, out));
        QVERIFY(out.bytes().isEmpty());
        QCOMPARE(p.extentX, 777);
        p.countY = 1;
        QVERIFY(GridPlates::write(p, out));
        QCOMPARE(p.extentX, 2000002000);
    }
};

QTEST_GUILESS_MAIN(ShapePropertyTest)
#include "ShapePropertyTest.moc"
