// The command-line checks of the NC program probe, each in a fresh empty
// folder, comparing standard output and scratch files byte for byte.

#include "ProbeRun.h"
#include "TempWorkDir.h"
#include "WriteFault.h"

#include <QDir>
#include <QTest>

class NcProbeTest : public QObject
{
    Q_OBJECT

    using Run = ProbeRun;

    static Run run(const QStringList &args) { return Probe::run(QStringLiteral("ncprobe"), args); }

    // Runs and compares stdout with the expected lines; exit status must be 0.
    static bool expect(const QStringList &args, const QStringList &expected)
    {
        const Run r = run(args);
        const QByteArray want = lines(expected);
        if (r.code != 0 || r.out != want) {
            qWarning("ncprobe %s\n exit %d\n got:\n%s\n want:\n%s\n stderr:\n%s", qPrintable(args.join(' ')), r.code,
                     r.out.constData(), want.constData(), r.err.constData());
            return false;
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        const QString probe = Probe::path(QStringLiteral("ncprobe"));
        QVERIFY2(QFileInfo(probe).isExecutable(), qPrintable(probe));
    }

    void essiWithCrLfAndEmptyLine()
    {
        TempWorkDir w(false);
        w.writeFile("es.nc", "5\r\n+100+200\r\n6\r\n7\r\n+100+0+50+0-\r\n\r\n8\r\n5\r\n+10+20\r\n6\r\n");
        QVERIFY(expect({"preview", "es.nc", "--dump"},
                       {"result=1", "0 0 1000 2000 0 0", "1 2 1000 0 500 0", "2 0 100 200 0 0"}));
    }

    void integerGCodeOddities()
    {
        TempWorkDir w(false);
        w.writeFile("g.nc", "X5\nG01 X+100 Y50\r\n(MAT GX9)\r\nN-4 G01 X10 Y0\n\377\nG02 X0 Y0 I-20 J0\n");
        QVERIFY(expect({"preview", "g.nc", "--dump"}, {"result=1", "0 1 100 50 0 0", "1 1 10 0 0 0", "2 2 0 0 -20 0"}));
    }

    void decimalGCode()
    {
        TempWorkDir w(false);
        w.writeFile("d.nc", "G01 X1.234 Y-0.5\nG01 X12 Y1.5\n");
        QVERIFY(expect({"preview", "d.nc", "--dump"}, {"result=1", "0 1 123 -50 0 0", "1 1 1200 150 0 0"}));
        w.writeFile("s.nc", "G41\nX1.5 Y2\n");
        QVERIFY(expect({"preview", "s.nc", "--dump"}, {"result=1", "0 41 0 200 0 0"}));
    }

    void editFile()
    {
        TempWorkDir w(false);
        w.writeFile("a.nc", "G01 X10000 Y0\n");
        QVERIFY(expect({"edit", "a.nc", "1.0"}, {"result=1 maxNedit=1"}));
        QCOMPARE(w.readFile(".tovrelcnc/e.nc"), QByteArray("G01 X   10000 Y       0\n"));
        w.writeFile("m.nc", "3\nX\n4\n0\n");
        QVERIFY(expect({"edit", "m.nc", "1.0"}, {"result=1 maxNedit=1"}));
        QCOMPARE(w.readFile(".tovrelcnc/e.nc"), QByteArray("M00  \n"));
        w.writeFile("h.nc", "G01 X101 Y-101\n");
        QVERIFY(expect({"edit", "h.nc", "0.5", "--dump"}, {"result=1 maxNedit=1", "0 1 50 -50 0 0"}));
        QCOMPARE(w.readFile(".tovrelcnc/e.nc"), QByteArray("G01 X      50 Y     -50\n"));
    }

    void limits()
    {
        TempWorkDir w(false);
        const QByteArray full = repeat("G01 X1 Y0\n", 30000);
        w.writeFile("full.nc", full);
        w.writeFile("long.nc", full + "G01 X1 Y0\n");
        QVERIFY(QDir().mkdir("dir.nc"));
        QVERIFY(expect({"main", "full.nc"}, {"result=1 maxN=30000"}));
        QCOMPARE(w.readFile(".tovrelcnc/t.nc"), repeat("G01 X 1 Y 0\n", 30000));
        QVERIFY(expect({"edit", "full.nc", "1.0"}, {"result=1 maxNedit=30000"}));
        QVERIFY(expect({"lib", "full.nc", "0", "7", "0"}, {"result=1 maxN=29999 totalX=30000 totalY=0"}));
        QCOMPARE(w.readFile(".tovrelcnc/b7.nc").count('\n'), 30000);
        QVERIFY(expect({"edit", "long.nc", "1.0"}, {"File too long!", "result=0 maxNedit=0"}));
        QCOMPARE(w.readFile(".tovrelcnc/e.nc").count('\n'), 30000);
        QVERIFY(expect({"preview", "nosuch.nc"}, {"File not found!", "result=0"}));
        QVERIFY(expect({"main", "dir.nc"}, {"File not found!", "result=0 maxN=0"}));
    }

    void cuttingEntry()
    {
        TempWorkDir w(false);
        w.writeFile(QStringLiteral("零件.nc"), "G01 X100 Y50\n");
        QVERIFY(expect({QStringLiteral("main"), QStringLiteral("零件.nc")}, {"result=1 maxN=1"}));
        QCOMPARE(w.readFile(".tovrelcnc/t.nc"), QByteArray("G01 X100 Y50\n"));
        w.writeFile("long.nc", repeat("G01 X1 Y0\n", 30001));
        QVERIFY(expect({"main", "long.nc"}, {"File too long!", "result=0 maxN=0"}));
        QCOMPARE(w.readFile(".tovrelcnc/t.nc"), QByteArray("G01 X100 Y50\n"));
        w.writeFile("n.nc", "N1 G01 X100 Y0\n");
        QVERIFY(expect({"main", "n.nc"}, {"File or No error!", "result=1 maxN=0"}));
        QVERIFY(w.exists(".tovrelcnc/t.nc"));
        QCOMPARE(w.readFile(".tovrelcnc/t.nc"), QByteArray());
    }

    // Under "ulimit -f 8" a program of 600 records does not fit t.nc: the
    // parse fails, t.nc keeps the program it held, and the probe, whose
    // parse ran, still exits 0.
    void sizeLimitFailsTheParse()
    {
        TempWorkDir w(false);
        w.writeFile("small.nc", "G01 X100 Y50\n");
        QByteArray big;
        for (int k = 0; k < 300; ++k)
            big += "G01 X" + QByteArray::number(1000 + k) + " Y2000\nG02 X500 Y500 I250 J0\n";
        w.writeFile("p.nc", big);
        QVERIFY(expect({"main", "small.nc"}, {"result=1 maxN=1"}));
        const Run r = Probe::runLimited(QStringLiteral("ncprobe"), {"main", "p.nc"}, 8192);
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QByteArray("result=0 maxN=0\n"));
        QVERIFY2(r.err.contains("write temp file error...\n"), r.err.constData());
        QCOMPARE(WriteFault::snapshot(w.filePath(".tovrelcnc")),
                 (QMap<QString, QByteArray>{{"t.nc", "G01 X100 Y50\n"}}));
        QVERIFY(expect({"main", "p.nc"}, {"result=1 maxN=600"}));
    }

    void libraryPatternPath()
    {
        TempWorkDir w(false);
        w.writeFile("L.nc", "G00 X0 Y0\nG01 X100 Y50\n");
        QVERIFY(expect({"lib", "L.nc", "0", "3", "0", "--dump"},
                       {"result=1 maxN=1 totalX=100 totalY=50", "0 1 100 50 0 0"}));
        QCOMPARE(w.readFile(".tovrelcnc/b3.nc"), QByteArray("G00 X       0 Y       0\nG01 X     100 Y      50\n"));
        w.writeFile("w.nc", "G41\nG02 X1000 Y0 I500 J0\nG40\n");
        QVERIFY(expect({"lib", "w.nc", "0", "6", "1", "--dump"},
                       {"result=1 maxN=2 totalX=-1000 totalY=0", "0 3 -1000 0 -500 0"}));
        QCOMPARE(w.readFile(".tovrelcnc/b6.nc"), QByteArray("G42\nG03 X   -1000 Y       0 I    -500 J       0\nG40\n"));
        w.writeFile("j.nc", "G41\nG02 X2000 Y0 I1000 J0\nG02 X-2000 Y0 I-1000 J0\nG40\n");
        QVERIFY(
            expect({"lib", "j.nc", "0", "8", "0", "--dump"}, {"result=1 maxN=3 totalX=0 totalY=0", "0 2 0 0 1000 0"}));
    }

    void libraryDetection()
    {
        TempWorkDir w(false);
        w.writeFile("u.nc", "G03 X500 Y500 I500 J0\n");
        QVERIFY(expect({"lib", "u.nc", "0", "4", "0", "--dump"},
                       {"result=1 maxN=0 totalX=500 totalY=500", "0 3 500 500 500 0"}));
        w.writeFile("v.nc", "G01 X10.5 Y0\n");
        QVERIFY(expect({"lib", "v.nc", "0", "5", "0", "--dump"},
                       {"result=1 maxN=0 totalX=1050 totalY=0", "0 1 1050 0 0 0"}));
        w.writeFile(".tovrelcnc/k.nc", "G00 X100 Y0\nG01 X10.5 Y0\n");
        QVERIFY(expect({"lib", "./.tovrelcnc/k.nc", "0", "0", "0", "--dump"},
                       {"result=1 maxN=1 totalX=0 totalY=0", "0 0 100 0 0 0", "1 1 10 0 0 0"}));
        QCOMPARE(w.readFile(".tovrelcnc/l.nc"), QByteArray("G00 X     100 Y       0\nG01 X      10 Y       0\n"));
    }

    void mainOptions()
    {
        TempWorkDir w(false);
        w.writeFile("p.nc", "G01 X100 Y50\n");
        // Options in any order after the positional arguments.
        QVERIFY(expect({"main", "p.nc", "--dump", "--pf", "3", "4", "--param", "0", "1.5", "0", "10"},
                       {"result=1 maxN=1", "0 1 100 50 0 0"}));
    }

    void malformedCommandLines_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList();
        QTest::newRow("unknown entry") << QStringList{"cut", "p.nc"};
        QTest::newRow("no file") << QStringList{"preview"};
        QTest::newRow("edit without ratio") << QStringList{"edit", "p.nc"};
        QTest::newRow("ratio not a number") << QStringList{"edit", "p.nc", "x"};
        QTest::newRow("lib short") << QStringList{"lib", "p.nc", "0", "3"};
        QTest::newRow("lib mirror decimal") << QStringList{"lib", "p.nc", "0", "3", "1.5"};
        QTest::newRow("param short") << QStringList{"main", "p.nc", "--param", "0", "1", "0"};
        QTest::newRow("pf on preview") << QStringList{"preview", "p.nc", "--pf", "1", "2"};
        QTest::newRow("unknown option") << QStringList{"preview", "p.nc", "--all"};
        QTest::newRow("extra word") << QStringList{"preview", "p.nc", "more"};
    }

    void malformedCommandLines()
    {
        QFETCH(QStringList, args);
        TempWorkDir w(false);
        w.writeFile("p.nc", "G01 X100 Y50\n");
        const Run r = run(args);
        QCOMPARE(r.code, 2);
        QCOMPARE(r.out, QByteArray());
        QVERIFY(r.err.startsWith("usage: ncprobe"));
        QVERIFY(!w.exists(".tovrelcnc"));
    }
};

QTEST_GUILESS_MAIN(NcProbeTest)
#include "NcProbeTest.moc"
