// The cutting parse through the probe, each case in a fresh empty folder:
// standard output and t.nc are compared byte for byte.

#include "ProbeRun.h"
#include "TempWorkDir.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

// The square after a lead-in, clockwise, with a rapid and an M02 behind it.
const char kSquare[] = "G00 X1000 Y1000\nG41\nG01 X0 Y1000\nG01 X2000 Y0\nG01 X0 Y-2000\nG01 X-2000 Y0\n"
                       "G01 X0 Y2000\nG40\nG00 X-1000 Y-2000\nM02\n";
// A hairpin of about 174 degrees on the right side.
const char kHairpin[] = "G00 X1000 Y1000\nG42\nG01 X1000 Y0\nG01 X-1000 Y100\nG40\n";

} // namespace

class CuttingChecksTest : public QObject
{
    Q_OBJECT

    // Runs the probe; true when it exits 0 with exactly the expected stdout.
    static bool probe(const QStringList &args, const QByteArray &expectedOut)
    {
        const ProbeRun r = Probe::run(QStringLiteral("ncprobe"), args);
        if (r.code != 0 || r.out != expectedOut) {
            qWarning("ncprobe %s\n exit %d\n got:\n%s\n want:\n%s", qPrintable(args.join(' ')), r.code,
                     r.out.constData(), expectedOut.constData());
            return false;
        }
        return true;
    }

    static QByteArray tnc(const TempWorkDir &w) { return w.readFile(".tovrelcnc/t.nc"); }

private slots:
    void initTestCase()
    {
        const QString probe = Probe::path(QStringLiteral("ncprobe"));
        QVERIFY2(QFileInfo(probe).isExecutable(), qPrintable(probe));
    }

    void cuttingParse_data()
    {
        QTest::addColumn<QByteArray>("program");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("out");
        QTest::addColumn<QStringList>("t");

        const QStringList kerf2{"--param", "0", "2", "0", "10"};
        QTest::newRow("half turn") << QByteArray("G01 X100 Y50\n") << QStringList{"--param", "0", "0", "3", "10"}
                                   << QStringList{"result=1 maxN=1"} << QStringList{"G01 X-100 Y-49"};
        QTest::newRow("plate angle") << QByteArray("G01 X1000 Y0\n") << QStringList{"--param", "30", "0", "0", "10"}
                                     << QStringList{"result=1 maxN=1"} << QStringList{"G01 X866 Y499"};
        QTest::newRow("mirrored arc") << QByteArray("G02 X1000 Y0 I500 J0\n")
                                      << QStringList{"--param", "0", "0", "1", "10"} << QStringList{"result=1 maxN=1"}
                                      << QStringList{"G03 X-1000 Y 0 I-500 J 0"};
        QTest::newRow("quarter turn switch") << QByteArray("26\n7\n+10+5\n8\n") << QStringList()
                                             << QStringList{"result=1 maxN=1"} << QStringList{"G01 X-49 Y100"};
        QTest::newRow("drops") << QByteArray("G00 X0 Y0\nG01 X0 Y0\nG02 X0 Y0 I19 J0\nG02 X0 Y0 I20 J0\n")
                               << QStringList() << QStringList{"result=1 maxN=1"} << QStringList{"G02 X 0 Y 0 I20 J 0"};
        QTest::newRow("marking offsets") << QByteArray("M58\nG41\nG01 X100 Y0\nG40\nM55\n")
                                         << QStringList{"--param", "0", "0", "1", "10", "--pf", "5", "3", "--dump"}
                                         << QStringList{"result=1 maxN=3", "0 158 500 300 0 0", "1 1 -100 0 0 0",
                                                        "2 155 -500 -300 0 0"}
                                         << QStringList{"M58", "G01 X-100 Y 0", "M55"};
        QTest::newRow("kind A left") << QByteArray(kSquare) << kerf2 << QStringList{"result=1 maxN=8"}
                                     << QStringList{"G00 X1000 Y1000", "G01 X-100 Y1100",  "G01 X2200 Y 0",
                                                    "G01 X 0 Y-2200",  "G01 X-2200 Y 0",   "G01 X 0 Y2200",
                                                    "G00 X100 Y-100",  "G00 X-1000 Y-2000"};
        QTest::newRow("kind A right") << QByteArray(kSquare).replace("G41", "G42") << kerf2
                                      << QStringList{"result=1 maxN=8"}
                                      << QStringList{"G00 X1000 Y1000", "G01 X100 Y900",    "G01 X1800 Y 0",
                                                     "G01 X 0 Y-1800",  "G01 X-1800 Y 0",   "G01 X 0 Y1800",
                                                     "G00 X-100 Y100",  "G00 X-1000 Y-2000"};
        QTest::newRow("stadium") << QByteArray("G00 X1000 Y1000\nG42\nG01 X0 Y500\nG01 X2000 Y0\nG03 X0 Y1000 I0 J500\n"
                                               "G01 X-2000 Y0\nG03 X0 Y-1000 I0 J-500\nG40\nG00 X-1000 Y-1500\n")
                                 << kerf2 << QStringList{"result=1 maxN=8"}
                                 << QStringList{"G00 X1000 Y1000", "G01 X 0 Y400",
                                                "G01 X2000 Y 0",   "G03 X 0 Y1200 I 0 J600",
                                                "G01 X-2000 Y 0",  "G03 X 0 Y-1200 I 0 J-600",
                                                "G00 X 0 Y100",    "G00 X-1000 Y-1500"};
        QTest::newRow("corner in the walk")
            << QByteArray(kHairpin) + "G00 X0 Y-1100\n"
            << kerf2 << QStringList{"result=1 maxN=7"}
            << QStringList{"G00 X1000 Y1000", "G00 X 0 Y-100", "G01 X1000 Y 0", "G01 X 9 Y199",
                           "G01 X-1000 Y100", "G00 X-9 Y-99",  "G00 X 0 Y-1100"};
        QTest::newRow("corner at the closing joint")
            << QByteArray("G00 X1000 Y1000\nG42\nG01 X0 Y500\nG01 X2000 Y0\nG01 X0 Y200\nG01 X-2000 Y-200\nG40\n"
                          "G00 X-1000 Y-1500\n")
            << kerf2 << QStringList{"result=1 maxN=8"}
            << QStringList{"G00 X1000 Y1000",  "G01 X 0 Y400",  "G01 X2100 Y 0", "G01 X 0 Y410",
                           "G01 X-2109 Y-210", "G01 X 9 Y-199", "G00 X 0 Y100",  "G00 X-1000 Y-1500"};
        QTest::newRow("kerf of 0.58 mm") << QByteArray("G41\nG01 X1000 Y0\nG40\n")
                                         << QStringList{"--param", "0", "0.58", "0", "10"}
                                         << QStringList{"result=1 maxN=3"}
                                         << QStringList{"G00 X 0 Y29", "G01 X1000 Y 0", "G00 X 0 Y-29"};
    }

    void cuttingParse()
    {
        QFETCH(QByteArray, program);
        QFETCH(QStringList, options);
        QFETCH(QStringList, out);
        QFETCH(QStringList, t);
        TempWorkDir w(false);
        QVERIFY(w.writeFile("p.nc", program));
        QVERIFY(probe(QStringList{"main", "p.nc"} + options, lines(out)));
        QCOMPARE(tnc(w), lines(t));
    }

    // An open stretch in a full table: the last row is a record of the
    // program, not scratch space.
    void fullTableKeepsItsLastRow()
    {
        TempWorkDir w(false);
        QVERIFY(w.writeFile("full.nc",
                            "G41\nG01 X1000 Y0\nG01 X0 Y1000\nG40\n" + repeat("G00 X5 Y0\n", 29995) + "G00 X7 Y0\n"));
        QVERIFY(probe({"main", "full.nc", "--param", "0", "2", "0", "10"}, "result=1 maxN=30000\n"));
        const QByteArray want = lines({"G00 X 0 Y100", "G01 X900 Y 0", "G01 X 0 Y900", "G00 X100 Y 0"})
                                + repeat("G00 X 5 Y 0\n", 29995) + "G00 X 7 Y 0\n";
        QCOMPARE(tnc(w), want);
    }

    // A corner record that finds no free row is left out; the joint keeps the
    // meeting point of the two offset lines.
    void fullTableTakesNoCorner()
    {
        TempWorkDir w(false);
        QVERIFY(w.writeFile("sf.nc", QByteArray(kHairpin) + repeat("G00 X5 Y0\n", 29995)));
        QVERIFY(probe({"main", "sf.nc", "--param", "0", "2", "0", "10"}, "result=1 maxN=30000\n"));
        const QByteArray want =
            lines({"G00 X1000 Y1000", "G00 X 0 Y-100", "G01 X3004 Y 0", "G01 X-2995 Y299", "G00 X-9 Y-99"})
            + repeat("G00 X 5 Y 0\n", 29995);
        QCOMPARE(tnc(w), want);
    }

    // A zigzag that fills the table misses a corner record at nearly every
    // joint: one debug line tells how many, not one line per joint.
    void missedCornersAreCountedOnce()
    {
        TempWorkDir w(false);
        QVERIFY(w.writeFile("zz.nc",
                            "G00 X1000 Y1000\nG42\n" + repeat("G01 X1000 Y0\nG01 X-1000 Y100\n", 14997) + "G40\n"));
        const ProbeRun r = Probe::run(QStringLiteral("ncprobe"), {"main", "zz.nc", "--param", "0", "2", "0", "10"});
        QCOMPARE(r.code, 0);
        const QStringList kerfLines = Probe::outputLines(r.err).filter(QStringLiteral("kerf:"));
        QCOMPARE(kerfLines.size(), 1);
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^kerf: no free row for (\\d+) corner records$"))
                .match(kerfLines.first());
        QVERIFY2(m.hasMatch(), qPrintable(kerfLines.first()));
        QVERIFY(m.captured(1).toInt() > 29000);
    }

    // The end record has to stand in row 29998 or earlier for a corner record
    // to fit; in row 29999 it would leave the table.
    void lastFreeRow_data()
    {
        QTest::addColumn<int>("rapids");
        QTest::addColumn<QStringList>("head");
        QTest::newRow("end in row 29998") << 29993 << QStringList{"G00 X1000 Y1000", "G00 X 0 Y-100",   "G01 X1000 Y 0",
                                                                  "G01 X 9 Y199",    "G01 X-1000 Y100", "G00 X-9 Y-99"};
        QTest::newRow("end in row 29999")
            << 29994
            << QStringList{"G00 X1000 Y1000", "G00 X 0 Y-100", "G01 X3004 Y 0", "G01 X-2995 Y299", "G00 X-9 Y-99"};
    }

    void lastFreeRow()
    {
        QFETCH(int, rapids);
        QFETCH(QStringList, head);
        TempWorkDir w(false);
        QVERIFY(w.writeFile("sf.nc", QByteArray(kHairpin) + repeat("G00 X5 Y0\n", rapids)));
        QVERIFY(probe({"main", "sf.nc", "--param", "0", "2", "0", "10"}, "result=1 maxN=29999\n"));
        QCOMPARE(tnc(w), lines(head) + repeat("G00 X 5 Y 0\n", rapids));
    }

    // With kerf 0 the kerf codes still go, and nothing else changes.
    void noKerfDropsOnlyTheCodes()
    {
        TempWorkDir w(false);
        QVERIFY(w.writeFile("k.nc", kHairpin));
        QVERIFY(probe({"main", "k.nc", "--param", "0", "0", "0", "10"}, "result=1 maxN=3\n"));
        QCOMPARE(tnc(w), lines({"G00 X1000 Y1000", "G01 X1000 Y 0", "G01 X-1000 Y100"}));
    }

    // A program of control codes only is empty once prepared.
    void emptyAfterPreparation()
    {
        TempWorkDir w(false);
        QVERIFY(w.writeFile("e.nc", "G41\nG40\nM02\nG01 X0 Y0\n"));
        QVERIFY(probe({"main", "e.nc", "--param", "0", "2", "0", "10"}, "File or No error!\nresult=1 maxN=0\n"));
        QCOMPARE(tnc(w), QByteArray());
    }
};

QTEST_GUILESS_MAIN(CuttingChecksTest)
#include "CuttingChecksTest.moc"
