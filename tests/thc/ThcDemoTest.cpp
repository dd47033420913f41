#include "DemoRun.h"
#include "TempWorkDir.h"

#include <QTest>

class ThcDemoTest : public QObject
{
    Q_OBJECT

private slots:
    void shots_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("thc1") << QStringList();
        QTest::newRow("bottom") << QStringList{"--bottom"};
        QTest::newRow("thc2") << QStringList{"--page", "thc2"};
        QTest::newRow("speed") << QStringList{"--page", "speed"};
        QTest::newRow("dialog") << QStringList{"--dialog"};
    }

    void shots()
    {
        QFETCH(QStringList, options);
        TempWorkDir dir;
        const DemoShot run = DemoRun::shot(dir, "thcdemo", options);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.image.size(), QSize(1024, 748));
        // The jog frame's pictures came from the working folder.
        QVERIFY(dir.exists("ravok/icon/thc-up.png"));
        QVERIFY(dir.exists("ravok/icon/thc1.png"));
    }

    void unknownPageIsRefused()
    {
        TempWorkDir dir;
        const DemoShot run = DemoRun::shot(dir, "thcdemo", {"--page", "thc3"});
        QCOMPARE(run.code, 2);
        QVERIFY(!run.written);
    }
};

QTEST_GUILESS_MAIN(ThcDemoTest)
#include "ThcDemoTest.moc"
