// Kerf compensation on segment tables: the joint geometry, the segment
// operations, every kind of stretch on both sides, corner records (also at
// the closing joint and with no free row), and the forward insertion table.

#include "program/InsertingTable.h"
#include "program/KerfCompensation.h"

#include "SegmentRows.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>
#include <vector>

namespace {

SegmentRecord table[kSegmentRows];

void load(const std::vector<Rec> &program)
{
    load(table, program);
}

// Absolute start point of every row of a program.
std::vector<QPointF> starts(const std::vector<Rec> &p)
{
    std::vector<QPointF> s;
    QPointF at;
    for (const Rec &r : p) {
        s.push_back(at);
        if (isMotion(r.type))
            at += QPointF(r.x, r.y);
    }
    s.push_back(at);
    return s;
}

double signedDistance(const QPointF &p, const QPointF &a, const QPointF &dir)
{
    // Positive right of the direction of travel.
    const QPointF v = p - a;
    return (v.x() * dir.y() - v.y() * dir.x()) / std::hypot(dir.x(), dir.y());
}

bool near(double a, double b, double slack = 2.0)
{
    return std::abs(a - b) <= slack;
}

constexpr int L = SegType::Line;
constexpr int G = SegType::Rapid;
constexpr int CW = SegType::ArcCW;
constexpr int CCW = SegType::ArcCCW;

} // namespace

Q_DECLARE_METATYPE(SegmentRecord)

class KerfCompensationTest : public QObject
{
    Q_OBJECT

    // Every contour element of the original rows first..last (no corner
    // records inserted) lies half a kerf beside its drawn twin: a line at
    // signed distance h, an arc round the same centre at the offset radius.
    // The program after the stretch is not displaced.
    static void checkOffsets(const std::vector<Rec> &before, const std::vector<Rec> &after, int first, int last,
                             qint32 h)
    {
        QCOMPARE(after.size(), before.size());
        const std::vector<QPointF> s0 = starts(before);
        const std::vector<QPointF> s1 = starts(after);
        for (int r = first; r <= last; ++r) {
            const Rec &a = before[r];
            const Rec &b = after[r];
            if (!isMotion(a.type))
                continue;
            QCOMPARE(b.type, a.type);
            const QPointF dir(a.x, a.y);
            if (a.type <= L) {
                QVERIFY2(near(signedDistance(s1[r], s0[r], dir), h), qPrintable(QString("row %1 start").arg(r)));
                QVERIFY2(near(signedDistance(s1[r + 1], s0[r], dir), h), qPrintable(QString("row %1 end").arg(r)));
            } else {
                const QPointF c0 = s0[r] + QPointF(a.i, a.j);
                const QPointF c1 = s1[r] + QPointF(b.i, b.j);
                QVERIFY2(near(c0.x(), c1.x()) && near(c0.y(), c1.y()), qPrintable(QString("row %1 centre").arg(r)));
                const double radius = std::hypot(a.i, a.j) + (a.type == CCW ? h : -h);
                const QPointF e = s1[r + 1] - c1;
                QVERIFY2(near(std::hypot(b.i, b.j), radius), qPrintable(QString("row %1 radius").arg(r)));
                QVERIFY2(near(std::hypot(e.x(), e.y()), radius, 11), qPrintable(QString("row %1 end").arg(r)));
            }
        }
        QVERIFY(near(s1.back().x(), s0.back().x()) && near(s1.back().y(), s0.back().y()));
    }

private slots:
    // ------------------------------------------------------------ joints

    void joint_data()
    {
        QTest::addColumn<SegmentRecord>("in");
        QTest::addColumn<SegmentRecord>("out");
        QTest::addColumn<int>("h");
        QTest::addColumn<QPointF>("offset");
        QTest::addColumn<bool>("corner");
        QTest::addColumn<QPointF>("incomingEnd");
        QTest::addColumn<QPointF>("outgoingStart");
        QTest::addColumn<int>("cornerType");

        const QPointF none;
        // Both straight.
        QTest::newRow("90 degrees, inside")
            << seg(L, 1000, 0) << seg(L, 0, -1000) << 100 << QPointF(-100, -100) << false << none << none << 0;
        QTest::newRow("90 degrees, outside")
            << seg(L, 1000, 0) << seg(L, 0, -1000) << -100 << QPointF(100, 100) << false << none << none << 0;
        QTest::newRow("168 degrees") << seg(L, 1000, 0) << seg(L, -978, 208) << 100 << QPointF(950.9, -100) << false
                                     << none << none << 0;
        QTest::newRow("169 degrees") << seg(L, 1000, 0) << seg(L, -982, 191) << 100 << QPointF(1037.9, -100) << true
                                     << QPointF(0, -100) << QPointF(19.09, 98.16) << L;
        QTest::newRow("straight on") << seg(L, 1000, 0) << seg(L, 500, 0) << -100 << QPointF(0, 100) << false << none
                                     << none << 0;
        QTest::newRow("reversal") << seg(L, 1000, 0) << seg(G, -500, 0) << 100 << QPointF(0, -100) << true
                                  << QPointF(0, -100) << QPointF(0, 100) << G;
        // Both arcs.
        QTest::newRow("same centre") << seg(CCW, 1000, 1000, 0, 1000) << seg(CCW, -1000, 1000, -995, 0) << 100
                                     << QPointF(100, 0) << false << none << none << 0;
        QTest::newRow("crossing circles") << seg(CCW, 1000, 0, 500, 0) << seg(CCW, 1000, 0, 500, 0) << 100
                                          << QPointF(0, 331.66) << false << none << none << 0;
        QTest::newRow("circles that miss") << seg(CCW, 1000, 1000, 0, 1000) << seg(CCW, 0, 200, -100, 0) << 100
                                           << QPointF(100, 0) << false << none << none << 0;
        // Arc into straight.
        QTest::newRow("arc, tangent line")
            << seg(CCW, 0, 1000, 0, 500) << seg(L, -2000, 0) << 100 << QPointF(0, 100) << false << none << none << 0;
        QTest::newRow("arc, line turning back")
            << seg(CW, 500, -500, 0, -500) << seg(L, 0, 1000) << 100 << QPointF(100, 0) << true << QPointF(-100, 0)
            << QPointF(100, 0) << CCW;
        QTest::newRow("arc, line turning back, left")
            << seg(CCW, 500, 500, 0, 500) << seg(L, 0, -1000) << -100 << QPointF(100, 0) << true << QPointF(-100, 0)
            << QPointF(100, 0) << CW;
        // Straight into arc.
        QTest::newRow("line, tangent arc")
            << seg(L, 2000, 0) << seg(CCW, 0, 1000, 0, 500) << 100 << QPointF(0, -100) << false << none << none << 0;
        QTest::newRow("line, arc turning back")
            << seg(L, 0, -1000) << seg(CW, 500, 500, 500, 0) << 100 << QPointF(100, 0) << true << QPointF(-100, 0)
            << QPointF(100, 0) << CCW;
    }

    void joint()
    {
        QFETCH(SegmentRecord, in);
        QFETCH(SegmentRecord, out);
        QFETCH(int, h);
        QFETCH(QPointF, offset);
        QFETCH(bool, corner);
        QFETCH(QPointF, incomingEnd);
        QFETCH(QPointF, outgoingStart);
        QFETCH(int, cornerType);
        const KerfCompensation::Joint j = KerfCompensation::joint(in, out, h, 2.0 * std::abs(h));
        QVERIFY2(near(j.offset.x(), offset.x(), 0.1) && near(j.offset.y(), offset.y(), 0.1),
                 qPrintable(QString("offset %1 %2").arg(j.offset.x()).arg(j.offset.y())));
        QCOMPARE(j.corner, corner);
        if (!corner)
            return;
        QVERIFY(near(j.incomingEnd.x(), incomingEnd.x(), 0.1) && near(j.incomingEnd.y(), incomingEnd.y(), 0.1));
        QVERIFY2(near(j.outgoingStart.x(), outgoingStart.x(), 0.1) && near(j.outgoingStart.y(), outgoingStart.y(), 0.1),
                 qPrintable(QString("out %1 %2").arg(j.outgoingStart.x()).arg(j.outgoingStart.y())));
        QCOMPARE(j.cornerType, cornerType);
    }

    // The meeting point of two crossing offset circles lies on both.
    void crossingCirclesMeetOnBoth()
    {
        const SegmentRecord in = seg(CCW, 1000, 0, 500, 0);
        const SegmentRecord out = seg(CW, 800, 0, 400, 0);
        const KerfCompensation::Joint j = KerfCompensation::joint(in, out, 60, 120);
        const QPointF p = QPointF(1000, 0) + j.offset;
        QVERIFY(near(std::hypot(p.x() - 500, p.y()), 560, 1e-6));
        QVERIFY(near(std::hypot(p.x() - 1400, p.y()), 340, 1e-6));
    }

    // ------------------------------------------------------------ segments

    void shiftSnapsArcsOnly()
    {
        SegmentRecord arc = seg(CCW, 0, 0, 0, 500);
        KerfCompensation::shift(arc, QPointF(0, 100), QPointF(10.9, 95), 10);
        QCOMPARE(arc.x, 0); // 10.9 truncates to 10: inside the tolerance
        QCOMPARE(arc.y, 0); // -5
        QCOMPARE(arc.i, 0);
        QCOMPARE(arc.j, 400);
        KerfCompensation::shift(arc, QPointF(), QPointF(11, -11), 10);
        QCOMPARE(arc.x, 11);
        QCOMPARE(arc.y, -11);
        SegmentRecord line = seg(L, 1000, 0, 7, 8);
        KerfCompensation::shift(line, QPointF(0, 100), QPointF(5.5, 95), 10);
        QCOMPARE(line.x, 1005);
        QCOMPARE(line.y, -5);
        QCOMPARE(line.i, 7);
    }

    void moveEndAndStartRefitTheCentre()
    {
        // A half circle of radius 500; its end moves out by 100.
        SegmentRecord arc = seg(CCW, 1000, 0, 500, 0);
        KerfCompensation::moveEnd(arc, QPointF(100, 0));
        QVERIFY((asRec(arc) == Rec{CCW, 1100, 0, 550, 0}));

        SegmentRecord a2 = seg(CW, 1000, 1000, 0, 1000);
        KerfCompensation::moveEnd(a2, QPointF(0, 100));
        const QPointF e(a2.x, a2.y);
        const QPointF c(a2.i, a2.j);
        QVERIFY(near(std::hypot(c.x(), c.y()), std::hypot(c.x() - e.x(), c.y() - e.y())));
        // The centre stays on the line through the old centre and the end.
        QVERIFY(near(signedDistance(c, QPointF(0, 1000), QPointF(1000, 100)), 0));

        SegmentRecord a3 = seg(CCW, 1000, 0, 500, 0);
        KerfCompensation::moveStart(a3, QPointF(-100, 0));
        QVERIFY((asRec(a3) == Rec{CCW, 1100, 0, 550, 0}));

        SegmentRecord line = seg(L, 1000, 0);
        KerfCompensation::moveEnd(line, QPointF(0.5, -100.7));
        QCOMPARE(line.x, 1000);
        QCOMPARE(line.y, -100);
        KerfCompensation::moveStart(line, QPointF(0, 50));
        QCOMPARE(line.y, -150);
    }

    // No intersection for the new centre: the end or start moves, the centre
    // stays where it was.
    void parallelRefitKeepsTheCentre()
    {
        // A new end on the circle over the chord from the start to the centre.
        SegmentRecord arc = seg(CCW, 500, 500, 0, 500);
        KerfCompensation::moveEnd(arc, QPointF(-250, -250));
        QVERIFY((asRec(arc) == Rec{CCW, 250, 250, 0, 500}));
        SegmentRecord full = seg(CCW, 0, 0, 0, 500);
        KerfCompensation::moveEnd(full, QPointF(0, 0));
        QVERIFY((asRec(full) == Rec{CCW, 0, 0, 0, 500}));
        SegmentRecord s = seg(CCW, 500, 500, 0, 500);
        KerfCompensation::moveStart(s, QPointF(250, 750));
        QVERIFY((asRec(s) == Rec{CCW, 250, -250, -250, -250}));
    }

    // ------------------------------------------------------------ the pass

    void eachKindOnBothSides_data()
    {
        QTest::addColumn<std::vector<Rec>>("program");
        QTest::addColumn<int>("first"); // first and last contour element
        QTest::addColumn<int>("last");
        const std::vector<Rec> square{{L, 2000, 0}, {L, 0, -2000}, {L, -2000, 0}, {L, 0, 2000}};
        const std::vector<Rec> circle{{CW, 0, 0, 0, -500}};
        auto stretch = [](int side, std::vector<Rec> lead, std::vector<Rec> body, std::vector<Rec> tail) {
            std::vector<Rec> p{{G, 300, 300}, {side}};
            p.insert(p.end(), lead.begin(), lead.end());
            p.insert(p.end(), body.begin(), body.end());
            p.insert(p.end(), tail.begin(), tail.end());
            p.push_back({SegType::KerfOff});
            p.push_back({G, -700, 100});
            p.push_back({SegType::MCode + 2});
            return p;
        };
        for (int side : {41, 42}) {
            const QByteArray s = side == 41 ? " left" : " right";
            QTest::newRow("single line" + s) << stretch(side, {}, {{L, 1000, 300}}, {}) << 2 << 2;
            QTest::newRow("single circle" + s) << stretch(side, {}, circle, {}) << 2 << 2;
            QTest::newRow("A square" + s) << stretch(side, {{L, 0, 500}}, square, {}) << 3 << 6;
            QTest::newRow("A circle" + s) << stretch(side, {{L, 0, 500}}, circle, {}) << 3 << 3;
            QTest::newRow("A stadium" + s)
                << stretch(side, {{L, 0, 500}},
                           {{L, 2000, 0}, {CCW, 0, 1000, 0, 500}, {L, -2000, 0}, {CCW, 0, -1000, 0, -500}}, {})
                << 3 << 6;
            QTest::newRow("B square" + s) << stretch(side, {{L, 0, 500}}, square, {{L, -300, -300}}) << 3 << 6;
            QTest::newRow("B circle" + s) << stretch(side, {{L, 0, 500}}, circle, {{L, 0, -500}}) << 3 << 3;
            QTest::newRow("C square" + s) << stretch(side, {}, square, {}) << 2 << 5;
            QTest::newRow("C two half circles" + s)
                << stretch(side, {}, {{CW, 2000, 0, 1000, 0}, {CW, -2000, 0, -1000, 0}}, {}) << 2 << 3;
            QTest::newRow("D polyline" + s)
                << stretch(side, {}, {{L, 1000, 0}, {L, 500, 800}, {L, 1000, 0}, {L, 0, -700}}, {}) << 2 << 5;
            QTest::newRow("D with arcs" + s)
                << stretch(side, {}, {{CCW, 1000, 0, 500, 0}, {L, 0, 1000}, {CCW, -1000, 0, -500, 0}}, {}) << 2 << 4;
        }
    }

    void eachKindOnBothSides()
    {
        QFETCH(std::vector<Rec>, program);
        QFETCH(int, first);
        QFETCH(int, last);
        const qint32 h = program[1].type == 41 ? -100 : 100;
        load(program);
        KerfCompensation k;
        k.kerfCompensate(table, 200, 10);
        checkOffsets(program, programOf(table), first, last, h);
    }

    // A single arc moves as a whole: its start lies on the offset circle, its
    // centre stays, and the links take the torch out and back.
    void singleArc()
    {
        load({{42}, {CCW, 800, 0, 400, 0}, {40}});
        KerfCompensation k;
        k.kerfCompensate(table, 200, 10);
        const std::vector<Rec> want{{G, -100, 0}, {CCW, 800, 0, 500, 0}, {G, 100, 0}};
        QVERIFY2(programOf(table) == want, qPrintable(show(programOf(table))));
    }

    // Kinds A, B and C with a corner record at the closing joint: the last element
    // ends on its own offset line, the corner record links it to the first
    // element's offset line.
    void closingCorner_data()
    {
        QTest::addColumn<std::vector<Rec>>("program");
        QTest::addColumn<std::vector<Rec>>("expected");
        QTest::addColumn<int>("first"); // rows of the first element and the corner record
        QTest::addColumn<int>("corner");
        QTest::newRow("A") << std::vector<Rec>{{G, 1000, 1000},  {42}, {L, 0, 500},      {L, 2000, 0}, {L, 0, 200},
                                               {L, -2000, -200}, {40}, {G, -1000, -1500}}
                           << std::vector<Rec>{{G, 1000, 1000}, {42},        {L, 0, 400},
                                               {L, 2100, 0},    {L, 0, 410}, {L, -2109, -210},
                                               {L, 9, -199},    {G, 0, 100}, {G, -1000, -1500}}
                           << 3 << 6;
        QTest::newRow("B") << std::vector<Rec>{{42},         {L, 0, 500}, {L, 2000, 0}, {L, 0, 200}, {L, -2000, -200},
                                               {L, 0, -500}, {40}}
                           << std::vector<Rec>{{42},         {L, 0, 400},  {L, 2100, 0}, {L, 0, 410}, {L, -2109, -210},
                                               {L, 9, -199}, {L, 0, -400}, {40}}
                           << 2 << 5;
        QTest::newRow("C") << std::vector<Rec>{{42}, {L, 2000, 0}, {L, 0, 200}, {L, -2000, -200}, {40}}
                           << std::vector<Rec>{{G, 0, -100},     {L, 2100, 0}, {L, 0, 410},
                                               {L, -2109, -210}, {L, 9, -199}, {G, 0, 100}}
                           << 1 << 4;
        // Arc form: a clockwise arc whose end meets a line turning back; the
        // corner record is a half circle round the drawn corner. The line into
        // the arc gets a corner record of its own in the walk.
        QTest::newRow("C, arc form")
            << std::vector<Rec>{{42}, {L, 0, 1000}, {L, -500, -500}, {CW, 500, -500, 0, -500}, {40}}
            << std::vector<Rec>{{G, 100, 0},
                                {L, 0, 1241},
                                {L, -670, -670},
                                {CCW, 70, -170, 70, -70},
                                {CW, 400, -400, 0, -400},
                                {CCW, 200, 0, 100, 0},
                                {G, -100, 0}}
            << 1 << 5;
    }

    void closingCorner()
    {
        QFETCH(std::vector<Rec>, program);
        QFETCH(std::vector<Rec>, expected);
        QFETCH(int, first);
        QFETCH(int, corner);
        load(program);
        KerfCompensation k;
        k.kerfCompensate(table, 200, 10);
        const std::vector<Rec> got = programOf(table);
        QVERIFY2(got == expected, qPrintable(show(got)));
        // The compensated contour is closed: the rows from the first element to
        // the corner record add up to nothing.
        const std::vector<QPointF> s = starts(got);
        QVERIFY(near(s[first].x(), s[corner + 1].x(), 2) && near(s[first].y(), s[corner + 1].y(), 2));
    }

    // The closing joint of a full table gets no corner record: the last element
    // goes straight to the first element's offset.
    void closingJointWithoutFreeRow()
    {
        std::vector<Rec> p{{G, 1000, 1000}, {42}, {L, 0, 500}, {L, 2000, 0}, {L, 0, 200}, {L, -2000, -200}, {40}};
        while (p.size() < size_t(kSegmentRows - 1))
            p.push_back({G, 5, 0});
        load(p);
        KerfCompensation k;
        k.kerfCompensate(table, 200, 10);
        QCOMPARE(SegmentTable::length(table), kSegmentRows - 1);
        const std::vector<Rec> got = programOf(table);
        const std::vector<Rec> head(got.begin(), got.begin() + 8);
        const std::vector<Rec> want{{G, 1000, 1000},  {42},        {L, 0, 400}, {L, 2100, 0}, {L, 0, 410},
                                    {L, -2100, -410}, {G, 0, 100}, {G, 5, 0}};
        QVERIFY2(head == want, qPrintable(show(head)));
    }

    // Corner records move later stretches down; the next stretch is still
    // found and compensated, and a stretch without kerf-off stays as read.
    void laterStretchesAfterInsertions()
    {
        // The first stretch gains two corner records; the kerf code left
        // inside it, near its end, starts no stretch of its own.
        const std::vector<Rec> p{
            {42}, {L, 1000, 0}, {L, -1000, 100}, {L, 1000, -100}, {107}, {42}, {40}, {41}, {L, 0, 1000},
            {40}, {41},         {L, 500, 0},     {L, 0, 500}};
        load(p);
        KerfCompensation k;
        k.kerfCompensate(table, 200, 10);
        const std::vector<Rec> got = programOf(table);
        QCOMPARE(got.size(), p.size() + 2);
        // Corner records in the hairpin and at the closing joint.
        QVERIFY2((got[1] == Rec{L, 1009, 99}), qPrintable(show(got)));
        QVERIFY((got[3] == Rec{L, -19, -199}));
        QVERIFY((got[5] == Rec{L, 19, 199}));
        QVERIFY((got[6] == Rec{G, -9, -99}));
        QVERIFY((got[7] == Rec{42}));
        // The single line after them, on its left: links of (-100, 0) and back.
        QVERIFY((got[9] == Rec{G, -100, 0}));
        QVERIFY((got[10] == Rec{L, 0, 1000}));
        QVERIFY((got[11] == Rec{G, 100, 0}));
        // The open last stretch is untouched.
        const std::vector<Rec> tail(got.end() - 3, got.end());
        QVERIFY((tail == std::vector<Rec>{{41}, {L, 500, 0}, {L, 0, 500}}));
    }

    // A kerf below 0.02 mm halves to 0: zero offsets, zero links, no corner
    // record, and only the snap of nearly closed arcs changes anything.
    void kerfBelowTwoHundredths()
    {
        const std::vector<Rec> p{{42}, {L, 1000, 0}, {L, -1000, 100}, {CCW, 5, -8, 0, 500}, {40}};
        load(p);
        KerfCompensation k;
        k.kerfCompensate(table, 1.5, 10);
        const std::vector<Rec> got = programOf(table);
        const std::vector<Rec> want{{G, 0, 0}, {L, 1000, 0}, {L, -1000, 100}, {CCW, 0, 0, 0, 500}, {G, 0, 0}};
        QVERIFY2(got == want, qPrintable(show(got)));
    }

    // Insertions move the five words only: flag bytes stay with their rows, and
    // rows behind the end record keep their place.
    void flagsAndRowsBehindTheEnd()
    {
        load({{42}, {L, 1000, 0}, {L, -1000, 100}, {40}});
        for (int r = 0; r < kSegmentRows; ++r)
            table[r].flags[0] = quint8(r), table[r].flags[3] = quint8(r >> 8);
        for (int r = 5; r < 10; ++r)
            table[r] = seg(L, r, r, r, r), table[r].flags[0] = quint8(r), table[r].flags[3] = 0;
        KerfCompensation k;
        k.kerfCompensate(table, 200, 10);
        QCOMPARE(SegmentTable::length(table), 5);
        QCOMPARE(table[5].type, SegType::End);
        for (int r = 6; r < 10; ++r)
            QVERIFY((asRec(table[r]) == Rec{L, r, r, r, r}));
        for (int r = 0; r < kSegmentRows; ++r) {
            QCOMPARE(table[r].flags[0], quint8(r));
            QCOMPARE(table[r].flags[3], quint8(r < 5 || r >= 10 ? r >> 8 : 0));
        }
    }

    // An open stretch in a full table: the last row is a record, not scratch.
    void fullTableKeepsRow29999()
    {
        std::vector<Rec> p{{41}, {L, 1000, 0}, {L, 0, 1000}, {40}};
        while (p.size() < size_t(kSegmentRows - 1))
            p.push_back({G, 5, 0});
        p.push_back({CW, 0, 0, 7, 9});
        load(p);
        KerfCompensation k;
        k.kerfCompensate(table, 200, 10);
        QVERIFY((asRec(table[29999]) == Rec{CW, 0, 0, 7, 9}));
        QVERIFY((asRec(table[1]) == Rec{L, 900, 0, 0, 0}));
        // A stretch whose kerf-off would lie behind the table stays as read.
        p[kSegmentRows - 3] = {41};
        p[kSegmentRows - 2] = {L, 1000, 0};
        p[kSegmentRows - 1] = {L, 0, 1000};
        load(p);
        k.kerfCompensate(table, 200, 10);
        QCOMPARE(table[29998].x, 1000);
        QCOMPARE(table[29999].y, 1000);
        QCOMPARE(table[29997].type, 41);
    }

    // The pass reads nothing left over from an earlier stretch or call.
    void noStateCarriesOver()
    {
        const std::vector<Rec> closing{{42}, {L, 2000, 0}, {L, 0, 200}, {L, -2000, -200}, {40}};
        const std::vector<Rec> next{{41}, {CW, 0, 0, 0, -500}, {40}, {42}, {L, 0, 500}, {L, 700, 0}, {40}};
        KerfCompensation used;
        load(closing);
        used.kerfCompensate(table, 200, 10);
        load(next);
        used.kerfCompensate(table, 300, 10);
        const std::vector<Rec> a = programOf(table);
        KerfCompensation fresh;
        load(next);
        fresh.kerfCompensate(table, 300, 10);
        QVERIFY(a == programOf(table));
    }

    // A zero move left in the table gives no non-finite offset.
    void zeroMoveStaysFinite()
    {
        load({{42}, {L, 1000, 0}, {L, 0, 0}, {L, 0, 1000}, {40}});
        KerfCompensation k;
        k.kerfCompensate(table, 200, 10);
        for (const Rec &r : programOf(table))
            QVERIFY2(std::abs(r.x) <= 1200 && std::abs(r.y) <= 1200, qPrintable(show(programOf(table))));
    }

    // Words at the ends of the 32-bit range and any configured tolerance give
    // defined results (the sanitizer build stops on an overflowing negation).
    void extremeWordsStayDefined()
    {
        constexpr qint32 lo = std::numeric_limits<qint32>::min();
        constexpr qint32 hi = std::numeric_limits<qint32>::max();
        SegmentRecord arc = seg(CW, 5, -5, 500, 0);
        KerfCompensation::shift(arc, QPointF(), QPointF(), lo);
        QVERIFY((asRec(arc) == Rec{CW, 5, -5, 500, 0}));
        KerfCompensation::shift(arc, QPointF(), QPointF(), hi);
        QVERIFY((asRec(arc) == Rec{CW, 0, 0, 500, 0}));

        const std::vector<Rec> p{{G, hi, lo}, {41}, {L, lo, hi}, {CW, lo, lo, hi, lo}, {CCW, 0, 0, lo, lo},
                                 {L, lo, 0},  {40}, {42},        {L, 0, lo},           {CW, 1, 1, lo, hi},
                                 {40}};
        for (qint32 tolerance : {lo, 10, hi}) {
            load(p);
            KerfCompensation k;
            k.kerfCompensate(table, 200, tolerance);
            QCOMPARE(SegmentTable::typeAt(table, 0), G);
            QVERIFY(SegmentTable::length(table) >= int(p.size()));
        }
    }

    // ------------------------------------------------------------ insertion table

    // Insertions in any order give what moving every row down at once gives.
    void insertingTableMatchesMovingRows()
    {
        QRandomGenerator rng(4);
        for (int round = 0; round < 40; ++round) {
            const int length = round == 0 ? kSegmentRows - 2 : int(rng.bounded(60)) + 1;
            SegmentTable::prefill(table);
            std::vector<SegmentRecord> model(kSegmentRows);
            for (int r = 0; r < kSegmentRows; ++r) {
                table[r] = seg(r < length ? L : (r < length + 30 && r > length ? CW : SegType::End), r, -r, r % 7, 3);
                table[r].flags[1] = quint8(r);
                model[r] = table[r];
            }
            int end = length;
            InsertingTable t;
            t.reset(table);
            int at = 0;
            const bool ordered = round % 2 == 0;
            for (int n = 0; n < 12; ++n) {
                at = ordered ? at + int(rng.bounded(4)) : int(rng.bounded(end + 1));
                if (at > end)
                    break;
                const SegmentRecord corner = seg(SegType::Rapid, 1000 + n, n, 0, 0);
                const bool free = end <= kSegmentRows - 2;
                QCOMPARE(t.insert(at, corner), free);
                if (!free)
                    break;
                for (int r = end + 1; r > at; --r)
                    SegmentTable::copyWords(model[r], model[r - 1]);
                SegmentTable::copyWords(model[at], corner);
                ++end;
                QCOMPARE(t.endRow(), end);
                // Reads through the table see the moved rows before commit.
                QCOMPARE(t[at + 1].x, model[at + 1].x);
                ++at;
            }
            t.commit();
            for (int r = 0; r < kSegmentRows; ++r) {
                QVERIFY2(table[r].type == model[r].type && table[r].x == model[r].x && table[r].j == model[r].j,
                         qPrintable(QString("round %1 row %2").arg(round).arg(r)));
                QCOMPARE(table[r].flags[1], quint8(r));
            }
        }
    }
};

QTEST_GUILESS_MAIN(KerfCompensationTest)
#include "KerfCompensationTest.moc"
