#include "ProbeRun.h"
#include "TempWorkDir.h"
#include "WriteFault.h"

#include <QDir>
#include <QTest>

namespace {

// The probe's output as lines.
struct Run {
    QStringList out;
    QByteArray err;
    int exitCode = -1;
};

Run probe(const QStringList &args)
{
    const ProbeRun run = Probe::run(QStringLiteral("cfgprobe"), args, 30000);
    return {Probe::outputLines(run.out), run.err, run.code};
}

int countLines(const QByteArray &text, const QByteArray &line)
{
    return text.split('\n').count(line);
}

QByteArray line(const TempWorkDir &dir, int n)
{
    return dir.readFile(".tovrelcnc/config.xml").split('\n').value(n - 1);
}

const QByteArray kDefaultConfig =
    "<?xml version='1.0'?><!DOCTYPE RAVOK>\n"
    "<RavokConfig>\n"
    "    <PF OxoffUp=\"0\" df=\"0\" dwDown=\"0\" movex=\"0\" movey=\"0\"/>\n"
    "    <Cut LowSpeed=\"300\" cutspeed=\"24\" topspeed=\"24\"/>\n"
    "    <Base angel=\"0\" comp=\"0\" fx=\"0\" preci=\"0\" rotate=\"0\" sfx=\"0\" sheetx=\"0\" "
    "sheety=\"0\"/>\n"
    "    <Fire OxoffUp=\"0\" ck=\"0\" ck3=\"1\" ckDown=\"0\" ckUp=\"0\" delay=\"0\" df=\"0\" "
    "dwDown=\"0\"/>\n"
    "    <DLZ ArcOffUp=\"0\" DWDown=\"0\" DWUp=\"0\" Delay=\"0\" YH=\"0\" dwmode=\"0\"/>\n"
    "    <Laser X=\"0\" Y=\"0\"/>\n"
    "    <Torch torchSelected=\"0\"/>\n"
    "    <BeamAngel beamAngel=\"0\"/>\n"
    "    <Mode mode=\"1\"/>\n"
    "</RavokConfig>\n";

} // namespace

class CfgProbeTest : public QObject
{
    Q_OBJECT

private slots:
    void defaults()
    {
        TempWorkDir dir(false);
        const Run r = probe({"--accept", "cut"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringList({"topspeedChanged(24)", "cutspeedChanged(24)", "dLowSpeedChanged(300)"}));
        QCOMPARE(countLines(r.err, "save......"), 1);
        QCOMPARE(dir.readFile(".tovrelcnc/config.xml"), kDefaultConfig);
    }

    void plateDialog()
    {
        TempWorkDir dir(false);
        Run r = probe({"--set", "base.angelEdit=2.5", "--set", "base.rotateEdit=90", "--set", "base.sheetXEdit=50",
                       "--set", "base.sheetYEdit=4000", "--accept", "base", "--print", "base.sheetXEdit", "--print",
                       "base.preciEdit"});
        QCOMPARE(r.out, QStringList({"angelChanged(2.5)", "rotateChanged(90)", "compChanged(0)", "fxChanged(0)",
                                     "sheetChanged(100,4000)", "sfxChanged(0)", "graphicChanged(92.5,0,0,10)",
                                     "previewChanged(90,0,0)", "base.sheetXEdit=100", "base.preciEdit=10"}));
        QCOMPARE(line(dir, 5),
                 QByteArray("    <Base angel=\"2.5\" comp=\"0\" fx=\"0\" preci=\"10\" rotate=\"90\" sfx=\"0\" "
                            "sheetx=\"100\" sheety=\"4000\"/>"));

        r = probe({"--check", "base.yMirrorRadio", "--check", "base.rightTopRadio", "--set", "base.angelEdit=1e999",
                   "--set", "base.compEdit=nan", "--accept", "base", "--print", "base.rightTopRadio", "--print",
                   "base.rightBottomRadio"});
        QCOMPARE(r.out, QStringList({"angelChanged(0)", "rotateChanged(0)", "compChanged(0)", "fxChanged(1)",
                                     "sheetChanged(100,100)", "sfxChanged(1)", "graphicChanged(0,0,1,10)",
                                     "previewChanged(0,0,1)", "base.rightTopRadio=1", "base.rightBottomRadio=0"}));
        QCOMPARE(line(dir, 5),
                 QByteArray("    <Base angel=\"0\" comp=\"0\" fx=\"1\" preci=\"10\" rotate=\"0\" sfx=\"1\" "
                            "sheetx=\"100\" sheety=\"100\"/>"));
    }

    void flameAndPowder()
    {
        TempWorkDir dir(false);
        Run r = probe({"--set",    "fire.delayEdit=230",
                       "--set",    "fire.ckEdit=3",
                       "--set",    "fire.ckUpEdit=1.5",
                       "--set",    "fire.ckDownEdit=2",
                       "--set",    "fire.oxoffUpEdit=12",
                       "--set",    "fire.dwDownEdit=11",
                       "--check",  "fire.ck3NoRadio",
                       "--show",   "fire",
                       "--show",   "fire",
                       "--accept", "fire",
                       "--print",  "fire.delayEdit",
                       "--print",  "fire.ckDownEdit"});
        QCOMPARE(r.out, QStringList({"fDelayChanged(200)", "fDfChanged(0)", "ckChanged(3)", "ckUpChanged(1.5)",
                                     "ckDownChanged(1.5)", "fOxoffUpChanged(10)", "fDwDownChanged(10)",
                                     "f3ckChanged(0)", "fire.delayEdit=200", "fire.ckDownEdit=1.5"}));
        QCOMPARE(countLines(r.err, "save......"), 1);
        QCOMPARE(line(dir, 6), QByteArray("    <Fire OxoffUp=\"10\" ck=\"3\" ck3=\"0\" ckDown=\"1.5\" ckUp=\"1.5\" "
                                          "delay=\"200\" df=\"0\" dwDown=\"10\"/>"));

        r = probe({"--accept", "pf", "--print", "pf.moveYEdit"});
        QCOMPARE(r.out, QStringList({"pDfChanged(0)", "pOxoffUpChanged(0)", "pDwDownChanged(0)", "pMoveChanged(99,99)",
                                     "pf.moveYEdit=99"}));
        r = probe({"--set", "pf.moveYEdit=5", "--accept", "pf"});
        QCOMPARE(r.out.value(r.out.size() - 1), QString("pMoveChanged(0,5)"));
    }

    void modeAndBeamAngle()
    {
        TempWorkDir dir(false);
        Run r = probe({"--set-mode", "3", "--set-beam", "1.5"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.isEmpty());
        QVERIFY(!dir.exists(".tovrelcnc/config.xml"));
        QVERIFY(!r.err.contains("save"));

        r = probe({"--set-mode", "3", "--set-beam", "1.5", "--check", "dlz.dyRadio", "--accept", "dlz"});
        QCOMPARE(r.out, QStringList({"dYHChanged(0)", "dDelayChanged(0)", "dArcOffUpChanged(0)", "dDWModeChanged(1)",
                                     "dDWUpChanged(0)", "dDWDownChanged(0)"}));
        QByteArray expected = kDefaultConfig;
        expected.replace("<Cut LowSpeed=\"300\" cutspeed=\"24\" topspeed=\"24\"/>",
                         "<Cut LowSpeed=\"0\" cutspeed=\"0\" topspeed=\"0\"/>");
        expected.replace("dwmode=\"0\"", "dwmode=\"1\"");
        expected.replace("beamAngel=\"0\"", "beamAngel=\"1.5\"");
        expected.replace("<Mode mode=\"1\"/>", "<Mode mode=\"3\"/>");
        QCOMPARE(dir.readFile(".tovrelcnc/config.xml"), expected);

        r = probe({"--save-mode", "2"});
        QCOMPARE(line(dir, 11), QByteArray("    <Mode mode=\"2\"/>"));
        r = probe({"--save-beam", "-0.5", "--write-config"});
        QCOMPARE(countLines(r.err, "save......"), 2);
        QCOMPARE(line(dir, 10), QByteArray("    <BeamAngel beamAngel=\"-0.5\"/>"));
    }

    void fileConfig()
    {
        TempWorkDir dir(false);
        const QString name = QString::fromUtf8("./ncfile/切割 <A>&B.nc");
        Run r = probe({"--save-file", name});
        QVERIFY(r.out.isEmpty());
        QCOMPARE(countLines(r.err, "save file......"), 1);
        const QByteArray expected = QString::fromUtf8("<?xml version='1.0'?><!DOCTYPE RAVOK>\n<FileConfig>\n"
                                                      "    <File filename=\"./ncfile/切割 &lt;A&gt;&amp;B.nc\"/>\n"
                                                      "</FileConfig>\n")
                                        .toUtf8();
        QCOMPARE(dir.readFile(".tovrelcnc/fileconfig.xml"), expected);
        r = probe({"--read-file"});
        QCOMPARE(r.out, QStringList({"readFile(filename=" + name + ")"}));
        r = probe({"--set-file", "other.nc"});
        QVERIFY(r.out.isEmpty());
        QCOMPARE(dir.readFile(".tovrelcnc/fileconfig.xml"), expected);
    }

    void readers()
    {
        TempWorkDir dir(false);
        QVERIFY(QDir().mkdir(".tovrelcnc"));
        QVERIFY(dir.writeFile(
            ".tovrelcnc/config.xml",
            "<?xml version=\"1.0\"?>\n<Foo>\n  <Cut topspeed=\"100\" cutspeed=\"100\" LowSpeed=\"400\"/>\n"
            "  <cut topspeed=\"1\"/>\n  <Mode mode=\"2\"/>\n</Foo>\n"));
        QCOMPARE(probe({"--read-config"}).out,
                 QStringList({"readCut(topspeed=100,cutspeed=100,LowSpeed=400)", "readMode(mode=2)"}));
        QVERIFY(dir.writeFile(".tovrelcnc/config.xml",
                              "<RavokConfig>\n<Cut topspeed=\"30\"/>\n<Base sheetx=\"200\"/>\n<Fire delay=\"5\""));
        QCOMPARE(probe({"--read-config"}).out, QStringList({"readCut(topspeed=30)", "readBase(sheetx=200)"}));
        QVERIFY(QFile::remove(".tovrelcnc/config.xml"));
        const Run r = probe({"--read-config"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.isEmpty());
    }

    void thcReader()
    {
        TempWorkDir dir(false);
        QVERIFY(QDir().mkpath("ravok/.tovrelcnc"));
        QVERIFY(dir.writeFile("ravok/.tovrelcnc/thcconfig.xml",
                              "<THCConfig><THC1 distAll=\"80\"/><THC2/><THCSpeed fast=\"3000\"/></THCConfig>"));
        QCOMPARE(probe({"--read-thc"}).out,
                 QStringList({"readTHC1(distAll=80)", "readTHC2()", "readTHCSpeed(fast=3000)"}));
    }

    void failedWriteIsReported()
    {
        TempWorkDir dir(false);
        QVERIFY(dir.writeFile(".tovrelcnc", ""));
        const Run r = probe({"--accept", "laser"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.size(), 2);
        QCOMPARE(r.out.at(0), QString("laserXYChanged(0,0)"));
        QCOMPARE(r.out.at(1), QString("saveFailed(./.tovrelcnc/config.xml,Cannot create folder ./.tovrelcnc)"));
        QVERIFY(r.err.contains("config.xml"));
        QVERIFY(QFileInfo(".tovrelcnc").isFile());
        QCOMPARE(dir.readFile(".tovrelcnc"), QByteArray());
    }

    // A configuration save that meets the file-size limit fails with the
    // warning and keeps the old file whole; with room enough it goes through.
    void sizeLimitKeepsConfig()
    {
        TempWorkDir dir(false);
        QCOMPARE(probe({"--write-config"}).exitCode, 0);
        const QByteArray old = dir.readFile(".tovrelcnc/config.xml");
        const QStringList save{"--set", "base.sheetXEdit=1234", "--write-config"};
        for (qint64 limit : {0, 300, 500}) {
            const ProbeRun r = Probe::runLimited(QStringLiteral("cfgprobe"), save, limit, 30000);
            QCOMPARE(r.code, 0);
            QVERIFY2(r.err.contains("cannot write ./.tovrelcnc/config.xml: "), r.err.constData());
            QCOMPARE(WriteFault::snapshot(".tovrelcnc"), (QMap<QString, QByteArray>{{"config.xml", old}}));
        }
        QCOMPARE(Probe::runLimited(QStringLiteral("cfgprobe"), save, 2000, 30000).code, 0);
        QVERIFY(dir.readFile(".tovrelcnc/config.xml").contains("sheetx=\"1234\""));
    }

    void badCommandLines_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("unknown action") << QStringList({"--bogus"});
        QTest::newRow("unknown dialog") << QStringList({"--show", "torch"});
        QTest::newRow("unknown member") << QStringList({"--set", "cut.nothing=1"});
        QTest::newRow("radio is no edit") << QStringList({"--set", "base.xMirrorRadio=1"});
        QTest::newRow("edit is no radio") << QStringList({"--check", "cut.topspeedEdit"});
        QTest::newRow("empty member") << QStringList({"--print", "cut."});
        QTest::newRow("empty member to set") << QStringList({"--set", "laser.=5"});
        QTest::newRow("missing value") << QStringList({"--save-mode"});
        QTest::newRow("not a number") << QStringList({"--save-mode", "x"});
        QTest::newRow("late error runs nothing") << QStringList({"--accept", "cut", "--print", "cut.x"});
    }
    void badCommandLines()
    {
        QFETCH(QStringList, args);
        TempWorkDir dir(false);
        const Run r = probe(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains("usage: cfgprobe"));
        QVERIFY(!dir.exists(".tovrelcnc"));
    }
};

QTEST_GUILESS_MAIN(CfgProbeTest)
#include "CfgProbeTest.moc"
