#include "DemoRun.h"
#include "TempWorkDir.h"

#include <QTest>

// Runs the status test window as a person would and checks what it leaves.
class StatusDemoTest : public QObject
{
    Q_OBJECT

private slots:
    void shots_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("flame idle") << QStringList({"--mode", "1"});
        QTest::newRow("flame pierce") << QStringList({"--mode", "1", "--tick", "minusCK:35"});
        QTest::newRow("plasma") << QStringList({"--mode", "2", "--tick", "minusDWUp:3"});
        QTest::newRow("powder") << QStringList({"--mode", "3"});
        QTest::newRow("alarm and speed") << QStringList({"--mode", "1", "--message", "701", "--speed", "3000"});
        QTest::newRow("demonstration") << QStringList({"--mode", "0"});
    }

    void shots()
    {
        QFETCH(QStringList, args);
        TempWorkDir dir;
        QVERIFY(dir.isValid());
        const DemoShot run = DemoRun::shot(dir, "statusdemo", args);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.image.size(), QSize(1024, 748));
    }

    // A tick repaints only its band: the saved picture of a running pierce
    // keeps the idle rows above and below it, as the screen does.
    void pierceShotKeepsIdleRows()
    {
        TempWorkDir dir;
        QVERIFY(dir.isValid());
        const DemoShot idleRun = DemoRun::shot(dir, "statusdemo", {"--mode", "1"}, "idle.png");
        const DemoShot tickRun = DemoRun::shot(dir, "statusdemo", {"--mode", "1", "--tick", "minusCK:35"}, "run.png");
        QCOMPARE(idleRun.code, 0);
        QCOMPARE(tickRun.code, 0);
        const QImage &idle = idleRun.image;
        const QImage &running = tickRun.image;
        QCOMPARE(idle.size(), running.size());
        // The flame panel's rows in window coordinates: status column at
        // (844, 34), process frame 69 below, frame line and margin 6.
        const int top = 34 + 69 + 6;
        const QRect above(850, top + 1, 168, 58);
        const QRect pierce(850, top + 61, 168, 28);
        const QRect below(850, top + 91, 168, 118);
        QCOMPARE(running.copy(above), idle.copy(above));
        QCOMPARE(running.copy(below), idle.copy(below));
        QVERIFY(running.copy(pierce) != idle.copy(pierce));
    }

    void badOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("mode 4") << QStringList({"--mode", "4"});
        QTest::newRow("mode text") << QStringList({"--mode", "x"});
        QTest::newRow("tick in demonstration") << QStringList({"--mode", "0", "--tick", "minusCK:3"});
        QTest::newRow("tick of another panel") << QStringList({"--mode", "3", "--tick", "minusCK:3"});
        QTest::newRow("tick without count") << QStringList({"--mode", "1", "--tick", "minusCK"});
        QTest::newRow("speed text") << QStringList({"--speed", "fast"});
    }

    void badOptions()
    {
        QFETCH(QStringList, args);
        TempWorkDir dir;
        const DemoShot run = DemoRun::shot(dir, "statusdemo", args);
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains("statusdemo: "), run.err.constData());
        QVERIFY(!run.written);
    }
};

QTEST_MAIN(StatusDemoTest)
#include "StatusDemoTest.moc"
