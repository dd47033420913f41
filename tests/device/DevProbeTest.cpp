#include "ProbeRun.h"
#include "TempWorkDir.h"

#include <QTest>

// The device probe in both builds: junction marking of whole tables, passes
// of the interrupt reader and of the input poll thread.
class DevProbeTest : public QObject
{
    Q_OBJECT

    static QStringList probe(const QStringList &args, const QByteArray &input)
    {
        TempWorkDir dir(false);
        const ProbeRun run = Probe::run(QStringLiteral("devprobe"), args, input);
        if (run.code != 0)
            qWarning("devprobe %s: exit %d, %s", qPrintable(args.join(' ')), run.code, run.err.constData());
        return run.code == 0 ? Probe::outputLines(run.out) : QStringList{QStringLiteral("exit %1").arg(run.code)};
    }

    static QStringList split(const char *expected) { return QString::fromUtf8(expected).split(QStringLiteral(" / ")); }

private slots:
    void lines_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("expected");

        const QByteArray twoLines = "1 1000 0 0 0\n1 1000 100 0 0\n";
        QTest::newRow("slight turn, long next line: smooth")
            << QStringList{"ent", "2000", "300"} << twoLines << split("0 1 1 0 0 0 / 1 1 0 1 0 0 / 2 99 0 0 0 0");
        QTest::newRow("same turn, faster: corner")
            << QStringList{"ent", "4000", "300"} << twoLines << split("0 1 1 1 0 0 / 1 1 1 1 0 0 / 2 99 0 0 0 0");
        QTest::newRow("rapids, M00, untouched bytes")
            << QStringList{"ent", "2000", "300", "--preset", "7,7,7,7"}
            << QByteArray("0 500 500 0 0\n1 1000 0 0 0\n100 0 0 0 0\n1 0 1000 0 0\n0 10 10 0 0\n")
            << split("0 0 1 1 7 1 / 1 1 1 1 0 0 / 2 100 1 1 0 0 / 3 1 1 1 0 1 / 4 0 1 1 7 0 / 5 99 7 7 7 7");
        QTest::newRow("tangent arc") << QStringList{"ent", "2000", "300"}
                                     << QByteArray("1 0 1000 0 0\n2 2000 0 1000 0\n1 0 -1000 0 0\n")
                                     << split("0 1 1 0 0 0 / 1 2 0 0 0 0 / 2 1 0 1 0 0 / 3 99 0 0 0 0");
        const QByteArray smallArc = "1 0 1000 0 0\n2 1000 0 500 0\n";
        QTest::newRow("arc shorter than the look-ahead")
            << QStringList{"ent", "2000", "300"} << smallArc << split("0 1 1 1 0 0 / 1 2 1 1 0 0 / 2 99 0 0 0 0");
        QTest::newRow("arc within the look-ahead")
            << QStringList{"ent", "1000", "300"} << smallArc << split("0 1 1 0 0 0 / 1 2 0 1 0 0 / 2 99 0 0 0 0");

        const QByteArray blank = " 0 0 0 0 0 0 0 0 0 0 0 0\n";
        QTest::newRow("alarms") << QStringList{"int"}
                                << QByteArray("0x03 0xFF" + blank + "0x03 0xFF" + blank + "0x80 0xFF" + blank
                                              + "0x25 0xFF" + blank)
                                << split("xw_XPOS() / xw_XNEG() / valueVcurChanged(0) / valueVcurChanged(0) / "
                                         "xw_Resume() / valueVcurChanged(0) / xw_XPOS() / xw_YPOS() / dy_ERR() / "
                                         "valueVcurChanged(0)");
        QTest::newRow("cursor, record, speeds")
            << QStringList{"int", "--maxn", "800", "--set", "reporting=1"}
            << QByteArray("0 0xFF 49 49 0 0 0 0 0 0 0 0 0 0\n0 0xFF 50 49 0 0 0 0 0 0 0 0 0 0\n"
                          "0 0xFF 50 49 0 0 1 0 0 5 0 0 6000 2000\n")
            << split("writeCMOS() / pointXYChanged(49,49) / valueVcurChanged(0) / pointChanged(50,49) / "
                     "writeCMOS() / pointXYChanged(50,49) / valueVcurChanged(0) / flagChanged(1) / atCodeNum(5) / "
                     "flagChanged(1) / V0Changed(6000) / V1Changed(2000) / valueVcurChanged(0)");
        const QByteArray touch = "0 0xFE" + blank + "0 0xFE" + blank + "0 0xFF" + blank;
        QTest::newRow("collision") << QStringList{"int"} << touch
                                   << split("dlzKnock() / valueVcurChanged(0) / valueVcurChanged(0) / "
                                            "dlzKnock_Resume() / valueVcurChanged(0)");
        QTest::newRow("torch down and up")
            << QStringList{"int", "--set", "dlzDownAsked=1", "--set", "dlzUpAsked=1"} << touch
            << split("dlzDownStop() / valueVcurChanged(0) / valueVcurChanged(0) / dlzUpStop() / valueVcurChanged(0)");
        QTest::newRow("begin point") << QStringList{"int", "--begin", "1000,2000"} << QByteArray()
                                     << QStringList{"pointChanged(1000,2000)"};

        QTest::newRow("one servo alarm per pass")
            << QStringList{"int"} << QByteArray("0x70 0xFF" + blank) << split("dx1_ERR() / valueVcurChanged(0)");
        QTest::newRow("negative cells truncate toward zero")
            << QStringList{"int", "--set", "reporting=1"}
            << QByteArray("0 0xFF -49 49 0 0 0 0 0 0 0 0 0 0\n0 0xFF -50 49 0 0 0 0 0 0 0 0 0 0\n")
            << split("writeCMOS() / pointXYChanged(-49,49) / valueVcurChanged(0) / pointChanged(-50,49) / "
                     "writeCMOS() / pointXYChanged(-50,49) / valueVcurChanged(0)");
        QTest::newRow("movement view")
            << QStringList{"int", "--set", "reporting=1", "--begin", "100,200", "--set", "movementView=1"}
            << QByteArray("0 0xFF 7 7 60 10 0 0 0 0 0 0 0 0\n")
            << split("pointChanged(100,200) / pointChanged(160,210) / pointXYChanged(160,210) / valueVcurChanged(0)");
        QTest::newRow("absolute view over movement view")
            << QStringList{"int",   "--set",          "reporting=1", "--set",  "movementView=1",
                           "--set", "absoluteView=1", "--begin",     "100,200"}
            << QByteArray("0 0xFF 7 7 60 10 0 0x80 0 0 0 0 0 0\n")
            << split("pointChanged(0,0) / pointChanged(60,10) / pointXYChanged(60,10) / oflagChanged(-128) / "
                     "valueVcurChanged(0)");
        QTest::newRow("coarser grid")
            << QStringList{"int", "--set", "reporting=1", "--maxn", "6000", "--pnew", "0.5"}
            << QByteArray("0 0xFF 99 0 0 0 0 0 0 0 0 0 0 0\n0 0xFF 100 0 0 0 0 0 0 0 0 0 0 0\n")
            << split("writeCMOS() / pointXYChanged(99,0) / valueVcurChanged(0) / pointChanged(100,0) / writeCMOS() / "
                     "pointXYChanged(100,0) / valueVcurChanged(0)");
        QTest::newRow("arc answer and plasma corner")
            << QStringList{"int", "--set", "plasmaFlag=1", "--set", "dlzArcAsked=1", "--set", "reporting=1"}
            << QByteArray("0 0xFD 0 0 0 0 0 0 -3 0 0 0 0 0\n0 0xFD 0 0 0 0 0 0 -3 0 0 0 0 0\n")
            << split("dlzYHanswer() / conerFlagChanged(-3) / valueVcurChanged(0) / dlzYHanswer() / "
                     "valueVcurChanged(0)");
        QTest::newRow("corner unreported outside plasma")
            << QStringList{"int", "--set", "reporting=1"} << QByteArray("0 0xFF 0 0 0 0 0 0 -3 0 0 0 0 0\n")
            << split("valueVcurChanged(0)");
        QTest::newRow("arc rejection and plate values")
            << QStringList{"int", "--set", "dlzArcOn=1", "--set", "alignmentValues=1"}
            << QByteArray("0 0xFF 0 0 0 0 0 0 0 0 12 -4 0 0\n")
            << split("dlzYHreject() / valueXChanged(12) / valueYChanged(-4) / valueVcurChanged(0)");

        QTest::newRow("inputs") << QStringList{"inputs", "0xFB", "0xFD"} << QByteArray()
                                << split("setXWXp(false) / setXWXn(false) / setXWYp(false) / setXWYn(false) / "
                                         "setDX1Err(false) / setDX2Err(false) / setDYErr(false) / "
                                         "setDLZKnock(false) / setDLZDW(false) / setDLZAnswer(false) / "
                                         "setXWYp(true) / setDLZDW(true) / setXWXn(true) / setXWYp(false) / "
                                         "setDLZDW(false) / setDLZAnswer(true)");
        QTest::newRow("inputs sharing bits")
            << QStringList{"inputs", "0xFE", "0xFF", "0x7F", "0xDF"} << QByteArray()
            << split("setXWXp(false) / setXWXn(false) / setXWYp(false) / setXWYn(false) / setDX1Err(false) / "
                     "setDX2Err(false) / setDYErr(false) / setDLZKnock(false) / setDLZDW(false) / "
                     "setDLZAnswer(false) / setXWXp(true) / setDLZKnock(true) / setXWXp(false) / "
                     "setDLZKnock(false) / setDYErr(true)");
    }

    void lines()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QStringList, expected);
        QCOMPARE(probe(args, input), expected);
    }

    void fullTableHasNoEndRow()
    {
        const QStringList out = probe({"ent", "2000", "300"}, repeat("1 1000 0 0 0\n", 30000));
        QCOMPARE(out.size(), 30000);
        QCOMPARE(out.at(0), QStringLiteral("0 1 1 0 0 0"));
        QCOMPARE(out.at(29998), QStringLiteral("29998 1 0 0 0 0"));
        // The row after the table is no element: the last line ends in a corner.
        QCOMPARE(out.at(29999), QStringLiteral("29999 1 0 1 0 0"));
    }

    void badCommandLines_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList();
        QTest::newRow("unknown command") << QStringList{"out"};
        QTest::newRow("one speed") << QStringList{"ent", "2000"};
        QTest::newRow("preset of three") << QStringList{"ent", "2000", "300", "--preset", "1,2,3"};
        QTest::newRow("hex without digits") << QStringList{"ent", "2000", "0x"};
        QTest::newRow("unknown flag") << QStringList{"int", "--set", "alarmArmed=1"};
        QTest::newRow("begin without y") << QStringList{"int", "--begin", "5"};
        QTest::newRow("byte too big") << QStringList{"inputs", "0x100"};
    }

    void badCommandLines()
    {
        QFETCH(QStringList, args);
        const ProbeRun run = Probe::run(QStringLiteral("devprobe"), args, QByteArray("1 0 0 0 0\n"));
        QCOMPARE(run.code, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith("usage: devprobe"));
    }
};

QTEST_GUILESS_MAIN(DevProbeTest)
#include "DevProbeTest.moc"
