#include "ProbeRun.h"
#include "TempWorkDir.h"

#include <QtTest>

namespace {

using Run = ProbeRun;

Run probe(const QStringList &args)
{
    return Probe::run(QStringLiteral("libprobe"), args);
}

QByteArray kFile(const TempWorkDir &dir)
{
    return dir.readFile(QStringLiteral(".tovrelcnc/k.nc"));
}

// Lines first..last (1-based) of k.nc.
QStringList kLines(const TempWorkDir &dir, int first, int last)
{
    const QStringList all = QString::fromLatin1(kFile(dir)).split(QLatin1Char('\n'));
    return all.mid(first - 1, last - first + 1);
}

} // namespace

class LibProbeTest : public QObject
{
    Q_OBJECT
private slots:
    void wholeFiles_data();
    void wholeFiles();
    void transforms_data();
    void transforms();
    void array();
    void rotatedLShape();
    void smallestFieldHalved_data();
    void smallestFieldHalved();
    void fullList();
    void customFile();
    void oversizedProgram_data();
    void oversizedProgram();
    void usageErrors_data();
    void usageErrors();
};

void LibProbeTest::wholeFiles_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("K1") << QStringList{"K1"}
                        << QStringList{"G97 ", "G00 X0 Y0",     "G41",           "G01 X1000 Y0", "G02 X0 Y0 I5000 J0",
                                       "G40",  "G00 X-1000 Y0", "G00 X11000 Y0", "G00 X0 Y0",    "G98 "};
    QTest::newRow("exact decimals") << QStringList{"--select", "0", "K1:a=1.15,b=0.29"}
                                    << QStringList{"G00 X0 Y0", "G41",          "G01 X115 Y0", "G02 X0 Y0 I14 J0",
                                                   "G40",       "G00 X-115 Y0", "G00 X144 Y0", "G00 X0 Y0"};
    const QStringList k2{"G00 X0 Y0",     "G00 X7000 Y0",  "G41",      "G01 X-1000 Y0", "G03 X0 Y0 I5000 J0",  "G40",
                         "G00 X1000 Y0",  "G00 X-7000 Y0", "G41",      "G01 X1000 Y0",  "G02 X0 Y0 I10000 J0", "G40",
                         "G00 X-1000 Y0", "G00 X21000 Y0", "G00 X0 Y0"};
    QTest::newRow("K2") << QStringList{"--select", "0", "K2"} << k2;
    QStringList k2odd = k2;
    k2odd[1] = QStringLiteral("G00 X6999 Y0");
    k2odd[7] = QStringLiteral("G00 X-6999 Y0");
    QTest::newRow("K2 odd hole") << QStringList{"--select", "0", "K2:b=100.01"} << k2odd;
    QTest::newRow("K8 odd difference") << QStringList{"--select", "0", "K8:c=70.01"} << QStringList{"G00 X0 Y0",
                                                                                                    "G41",
                                                                                                    "G01 X1000 Y0",
                                                                                                    "G01 X0 Y10000",
                                                                                                    "G01 X5000 Y-1499",
                                                                                                    "G01 X0 Y-7001",
                                                                                                    "G01 X-5000 Y-1500",
                                                                                                    "G01 X-1000 Y0",
                                                                                                    "G40",
                                                                                                    "G00 X6000 Y0",
                                                                                                    "G00 X0 Y0"};
    QTest::newRow("no rows") << QStringList{"--select", "0", "K3:ny=0"} << QStringList{"G00 X0 Y0"};
    QTest::newRow("deleted first") << QStringList{"--select", "0", "--delete", "1", "K1:nx=2", "K1:b=50"}
                                   << QStringList{"G00 X0 Y0",     "G00 X11000 Y0", "G00 X0 Y0",
                                                  "G00 X11000 Y0", "G00 X0 Y0",     "G00 X0 Y0",
                                                  "G41",           "G01 X1000 Y0",  "G02 X0 Y0 I2500 J0",
                                                  "G40",           "G00 X-1000 Y0", "G00 X6000 Y0",
                                                  "G00 X0 Y0"};
    QTest::newRow("mirror X") << QStringList{"--select", "0", "K10:mirror=X"} << QStringList{"G00 X0 Y0",
                                                                                             "G42",
                                                                                             "G01 X1000 Y0",
                                                                                             "G01 X0 Y-7500",
                                                                                             "G01 X5000 Y0",
                                                                                             "G01 X0 Y7500",
                                                                                             "G03 X-5000 Y0 I-2500 J0",
                                                                                             "G01 X-1000 Y0",
                                                                                             "G40",
                                                                                             "G00 X6000 Y0",
                                                                                             "G00 X0 Y0"};
    QTest::newRow("empty list") << QStringList{} << QStringList{};
}

void LibProbeTest::wholeFiles()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, expected);
    TempWorkDir dir(false);
    const Run run = probe(args);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.code, 0);
    QCOMPARE(kFile(dir), expected.isEmpty() ? QByteArray() : lines(expected));
}

void LibProbeTest::transforms_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("angle 90") << "K1:angle=90"
                              << QStringList{"G41", "G01 X0 Y1000", "G02 X0 Y0 I0 J5000", "G40", "G00 X0 Y-1000"};
    QTest::newRow("mirror Y") << "K1:mirror=Y"
                              << QStringList{"G42", "G01 X-1000 Y0", "G03 X0 Y0 I-5000 J0", "G40", "G00 X1000 Y0"};
}

void LibProbeTest::transforms()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, expected);
    TempWorkDir dir(false);
    const Run run = probe({"--select", "0", pattern});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(kLines(dir, 2, 6), expected);
}

void LibProbeTest::array()
{
    TempWorkDir dir(false);
    const Run run = probe({"--select", "0", "K7:nx=2,ny=3,spx=5,spy=2.5"});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.err, QByteArray());
    const QStringList all = QString::fromLatin1(kFile(dir)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(all.size(), 61);
    QCOMPARE(all.filter(QRegularExpression(QStringLiteral("^G41$"))).size(), 6);
    const QStringList block{"G00 Y10000", "G00 Y250", "G00 Y10000", "G00 Y250", "G00 X6000 Y-20000", "G00 X500 Y-500"};
    QCOMPARE(all.filter(QRegularExpression(QStringLiteral("^G00"))), QStringList{"G00 X0 Y0"} + block + block);
}

void LibProbeTest::rotatedLShape()
{
    TempWorkDir dir(false);
    QCOMPARE(probe({"--select", "0", "K22:angle=45"}).code, 0);
    const QStringList all = QString::fromLatin1(kFile(dir)).split(QLatin1Char('\n'));
    QCOMPARE(all.at(2), QStringLiteral("G01 X707 Y707"));
    QCOMPARE(all.at(3), QStringLiteral("G01 X-13435 Y13435"));
    QCOMPARE(all.at(4), QStringLiteral("G01 X0 Y1414"));
    QCOMPARE(all.at(8), QStringLiteral("G01 X12020 Y-12020"));
    QCOMPARE(all.at(10), QStringLiteral("G01 X-707 Y-707"));
    QCOMPARE(all.at(12), QStringLiteral("G00 X16000 Y0"));
}

// The form takes the smallest letter too, whose negation has no int of its
// own: the half of a negated field is the field's half negated, in every
// build alike.
void LibProbeTest::smallestFieldHalved_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("arcs");
    QTest::newRow("K20 d") << "K20:d=-21474836.48"
                           << QStringList{"G02 X0 Y-3000 I0 J-1500", "G02 X-2147483648 Y0 I1073741824 J0"};
    QTest::newRow("K20 e") << "K20:e=-21474836.48"
                           << QStringList{"G02 X0 Y-2147483648 I0 J1073741824", "G02 X-6000 Y0 I-3000 J0"};
    QTest::newRow("K21 e") << "K21:e=-21474836.48" << QStringList{"G02 X0 Y-2147483648 I0 J1073741824"};
}

void LibProbeTest::smallestFieldHalved()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, arcs);
    TempWorkDir dir(false);
    const Run run = probe({"--select", "0", pattern});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.err, QByteArray());
    const QStringList all = QString::fromLatin1(kFile(dir)).split(QLatin1Char('\n'));
    QCOMPARE(all.filter(QRegularExpression(QStringLiteral("^G02 "))), arcs);
}

void LibProbeTest::fullList()
{
    TempWorkDir dir(false);
    const Run run = probe({"--select", "0", "--repeat", "100", "K1"});
    QCOMPARE(run.code, 3);
    QCOMPARE(run.err, QByteArray("libprobe: pattern 100 refused: the list holds 99 patterns\n"));
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(kFile(dir).count('\n'), 792);
}

void LibProbeTest::customFile()
{
    TempWorkDir dir(false);
    dir.writeFile(QStringLiteral(".tovrelcnc/b1.nc"), "G91\nG01 X1000 Y0\nG01 X0 Y500\n");
    const QStringList args{"--select", "0", "K0:sizex=3000,sizey=2000,endx=1000,endy=500,nx=2"};
    Run run = probe(args);
    QCOMPARE(run.code, 0);
    QCOMPARE(run.err, QByteArray());
    const QStringList copy{"G91", "G01 X1000 Y0", "G01 X0 Y500", "", "G00 X-1000 Y-500", "G00 X3000 Y0", "G00 X0 Y0"};
    const QByteArray expected = lines(QStringList{"G00 X0 Y0"} + copy + copy);
    QCOMPARE(kFile(dir), expected);

    QVERIFY(QFile::remove(dir.filePath(QStringLiteral(".tovrelcnc/b1.nc"))));
    run = probe(args);
    QCOMPARE(run.code, 2);
    QCOMPARE(run.err, QByteArray("read patten file error...\n"));
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(kFile(dir), expected);
}

// Counts typed by mistake ask for a program of many gigabytes. It is refused
// at once, like a k.nc that cannot be written, and the previous k.nc stays.
void LibProbeTest::oversizedProgram_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::newRow("shape array") << "K1:nx=100000,ny=100000";
    QTest::newRow("widest array") << "K3:nx=2147483647,ny=2147483647";
    QTest::newRow("deleted array") << "K1:nx=2147483647,ny=2147483647";
    QTest::newRow("custom file array") << "K0:sizex=3000,sizey=2000,nx=100000,ny=100000";
    QTest::newRow("grid of plates") << "K49:nx=100000,ny=100000";
}

void LibProbeTest::oversizedProgram()
{
    QFETCH(QString, pattern);
    TempWorkDir dir(false);
    dir.writeFile(QStringLiteral(".tovrelcnc/b1.nc"), "G91\nG01 X1000 Y0\n");
    dir.writeFile(QStringLiteral(".tovrelcnc/b2.nc"), "G91\nG01 X1000 Y0\n");
    QCOMPARE(probe({"K1"}).code, 0);
    const QByteArray before = kFile(dir);
    QVERIFY(before.startsWith("G97 \n"));

    QStringList args{"--select", "0", pattern, "K2"};
    if (QTest::currentDataTag() == QByteArray("deleted array"))
        args = QStringList{"--delete", "1"} + args;
    const Run run = probe(args);
    QCOMPARE(run.code, 2);
    QCOMPARE(run.err, QByteArray("write temp file error...\n"));
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(kFile(dir), before);
}

void LibProbeTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("unknown option") << QStringList{"--frobnicate", "K1"};
    QTest::newRow("unknown key") << QStringList{"K1:h=3"};
    QTest::newRow("file key on a shape") << QStringList{"K1:sizex=3"};
    QTest::newRow("shape 50") << QStringList{"K50"};
    QTest::newRow("shape -1") << QStringList{"K-1"};
    QTest::newRow("no shape number") << QStringList{"K"};
    QTest::newRow("mirror word") << QStringList{"K1:mirror=YX"};
    QTest::newRow("delete 0") << QStringList{"--delete", "0", "K1"};
    QTest::newRow("delete past end") << QStringList{"--delete", "2", "K1"};
    QTest::newRow("select past end") << QStringList{"--select", "2", "K1"};
    QTest::newRow("select negative") << QStringList{"--select", "-1", "K1"};
    QTest::newRow("missing number") << QStringList{"K1", "--select"};
}

void LibProbeTest::usageErrors()
{
    QFETCH(QStringList, args);
    TempWorkDir dir(false);
    const Run run = probe(args);
    QCOMPARE(run.code, 1);
    QVERIFY(run.err.startsWith("libprobe: "));
    QCOMPARE(run.out, QByteArray());
    QVERIFY(!dir.exists(QStringLiteral(".tovrelcnc/k.nc")));
}

QTEST_GUILESS_MAIN(LibProbeTest)
#include "LibProbeTest.moc"
