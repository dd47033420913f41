// The preparation steps on segment tables, and the cutting parse that runs
// them: drops, the order of compensation and mirror, the mirror and turn
// switches, the plate angle and the marking offsets.

#include "program/CuttingPreparation.h"
#include "program/KerfCompensation.h"
#include "program/Parser.h"

#include "SegmentRows.h"
#include "TempWorkDir.h"

#include <QTest>

#include <cmath>
#include <vector>

namespace {

SegmentRecord table[kSegmentRows];

CuttingPreparation::Settings settings(char mirror = 'N', double kerf = 0.0, double degrees = 0.0)
{
    CuttingPreparation::Settings s;
    s.mirrorMode = mirror;
    s.kerfWidth = kerf;
    const double a = 3.14159265 * degrees / 180;
    s.plateCos = std::cos(a);
    s.plateSin = std::sin(a);
    return s;
}

std::vector<Rec> prepared(const std::vector<Rec> &program, const CuttingPreparation::Settings &s)
{
    load(table, program);
    KerfCompensation kerf;
    CuttingPreparation::prepare(table, s, kerf);
    return programOf(table);
}

constexpr int L = SegType::Line;
constexpr int G = SegType::Rapid;

} // namespace

class CuttingPreparationTest : public QObject
{
    Q_OBJECT

private slots:
    void steps_data()
    {
        QTest::addColumn<std::vector<Rec>>("program");
        QTest::addColumn<char>("mirror");
        QTest::addColumn<double>("kerf");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<std::vector<Rec>>("expected");

        const Rec line{L, 100, 50};
        for (qint32 sw = 71; sw <= 78; ++sw) {
            static const Rec turned[] = {{L, 100, 50},  {L, 100, -49}, {L, -100, -49}, {L, -100, 50},
                                         {L, -50, -99}, {L, -49, 100}, {L, 49, 100},   {L, 50, -99}};
            QTest::newRow(qPrintable(QString("switch %1").arg(sw)))
                << std::vector<Rec>{{G, 100, 50}, {sw}, line} << 'N' << 0.0 << 0.0
                << std::vector<Rec>{{G, 100, 50}, turned[sw - 71]};
        }
        QTest::newRow("mode 0") << std::vector<Rec>{line} << '0' << 0.0 << 0.0 << std::vector<Rec>{line};
        QTest::newRow("mode 1") << std::vector<Rec>{line, {SegType::ArcCW, 1000, 0, 500, 0}} << '1' << 0.0 << 0.0
                                << std::vector<Rec>{{L, -100, 50}, {SegType::ArcCCW, -1000, 0, -500, 0}};
        QTest::newRow("mode 2") << std::vector<Rec>{line} << '2' << 0.0 << 0.0 << std::vector<Rec>{{L, 100, -49}};
        QTest::newRow("mode 3") << std::vector<Rec>{line} << '3' << 0.0 << 0.0 << std::vector<Rec>{{L, -100, -49}};
        // The configured mode holds only up to the first switch.
        QTest::newRow("mode ended by 71")
            << std::vector<Rec>{line, {71}, line} << '1' << 0.0 << 0.0 << std::vector<Rec>{{L, -100, 50}, line};
        // The marking-tool offset move after a type-5 mark is neither turned
        // nor mirrored; a rapid in row 0 is.
        QTest::newRow("rapid after 5") << std::vector<Rec>{{G, 100, 50}, {5}, {G, 100, 50}, {L, 100, 50}} << '3' << 0.0
                                       << 90.0 << std::vector<Rec>{{G, 48, -100}, {5}, {G, 100, 50}, {L, 48, -100}};
        QTest::newRow("plate angle") << std::vector<Rec>{{G, 1000, 0}, {SegType::ArcCCW, 0, 0, 0, 1000}} << 'N' << 0.0
                                     << 30.0 << std::vector<Rec>{{G, 866, 499}, {SegType::ArcCCW, 0, 0, -499, 866}};
        // Marking offsets are placed after the turns, so no turn reaches them.
        QTest::newRow("marking offsets") << std::vector<Rec>{{158, 1, 2, 3, 4}, line, {155}} << '3' << 0.0 << 45.0
                                         << std::vector<Rec>{{158, 99, 0, 3, 4}, {L, -36, -105}, {155, -99, 0}};
        QTest::newRow("control codes") << std::vector<Rec>{{21},  {91},  {92},  {97}, {90}, line, {98},
                                                           {102}, {100}, {103}, {5},  {40}, {41}, {42}}
                                       << 'N' << 0.0 << 0.0 << std::vector<Rec>{{90}, line, {100}, {103}, {5}};
        QTest::newRow("empty moves") << std::vector<Rec>{{G, 0, 0},
                                                         {L, 0, 0, 5, 5},
                                                         {SegType::ArcCW, 0, 0, 19, 0},
                                                         {SegType::ArcCCW, 30, 40, 12, 15},
                                                         {SegType::ArcCCW, 30, 40, 12, 16},
                                                         {SegType::ArcCW, 0, 0, 0, 20}}
                                     << 'N' << 0.0 << 0.0
                                     << std::vector<Rec>{{SegType::ArcCCW, 30, 40, 12, 16},
                                                         {SegType::ArcCW, 0, 0, 0, 20}};
        // Compensation works on the drawn program, before the mirror: a left
        // kerf stays on the left of the line as drawn.
        QTest::newRow("kerf before mirror") << std::vector<Rec>{{41}, {L, 1000, 0}, {40}} << '1' << 200.0 << 0.0
                                            << std::vector<Rec>{{G, 0, 100}, {L, -1000, 0}, {G, 0, -100}};
        // Half a kerf of 0: the links come out as zero moves and go.
        QTest::newRow("zero links dropped")
            << std::vector<Rec>{{41}, {L, 1000, 0}, {40}} << 'N' << 1.5 << 0.0 << std::vector<Rec>{{L, 1000, 0}};
        QTest::newRow("nothing left") << std::vector<Rec>{{41}, {40}, {73}, {L, 0, 0}} << 'N' << 200.0 << 10.0
                                      << std::vector<Rec>{};
    }

    void steps()
    {
        QFETCH(std::vector<Rec>, program);
        QFETCH(char, mirror);
        QFETCH(double, kerf);
        QFETCH(double, degrees);
        QFETCH(std::vector<Rec>, expected);
        const std::vector<Rec> got = prepared(program, settings(mirror, kerf, degrees));
        QVERIFY2(got == expected, qPrintable(show(got)));
    }

    void divisorAndMarkingOffsets()
    {
        CuttingPreparation::Settings s = settings();
        s.scaleDivisor = 2;
        s.pfMoveX = -500;
        s.pfMoveY = 300;
        const std::vector<Rec> got = prepared({{158}, {L, 101, -51}, {SegType::ArcCW, 0, 0, 41, 0}, {155}}, s);
        const std::vector<Rec> want{{158, -500, 300}, {L, 50, -25}, {SegType::ArcCW, 0, 0, 20, 0}, {155, 500, -300}};
        QVERIFY2(got == want, qPrintable(show(got)));
    }

    // The cutting parse: flag bytes stay with their rows while a corner record
    // moves the records under them, and rows past the new end read as ended.
    void parseKeepsFlagBytes()
    {
        TempWorkDir w(false);
        QVERIFY(w.writeFile("sp.nc", "G00 X1000 Y1000\nG42\nG01 X1000 Y0\nG01 X-1000 Y100\nG40\nG00 X0 Y-1100\n"));
        for (int r = 0; r < 12; ++r)
            cutSegments[r].flags[0] = quint8(10 + r), cutSegments[r].flags[2] = quint8(r);
        Parser p;
        p.setParameter(0, 2, 0, 10);
        QCOMPARE(p.parseMain("sp.nc"), 1);
        QCOMPARE(p.getMaxN(), 7);
        const std::vector<Rec> want{{G, 1000, 1000}, {G, 0, -100}, {L, 1000, 0}, {L, 9, 199},
                                    {L, -1000, 100}, {G, -9, -99}, {G, 0, -1100}};
        QVERIFY2(programOf(cutSegments) == want, qPrintable(show(programOf(cutSegments))));
        for (int r = 0; r < 12; ++r) {
            QCOMPARE(cutSegments[r].flags[0], quint8(10 + r));
            QCOMPARE(cutSegments[r].flags[2], quint8(r));
        }
        // A second parse of the same file gives the same program.
        QCOMPARE(p.parseMain("sp.nc"), 1);
        QVERIFY(programOf(cutSegments) == want);
    }
};

QTEST_GUILESS_MAIN(CuttingPreparationTest)
#include "CuttingPreparationTest.moc"
