#include "DemoRun.h"
#include "TempWorkDir.h"

#include <QTest>

class CuttingDemoTest : public QObject
{
    Q_OBJECT

private slots:
    void shots_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("cutting") << QStringList();
        QTest::newRow("running") << QStringList{"--page", "running", "--group", "motion"};
        QTest::newRow("return") << QStringList{"--page", "return", "--group", "preview"};
        QTest::newRow("jump") << QStringList{"--page", "jump", "--group", "numck", "--key"};
        QTest::newRow("reload") << QStringList{"--reload", "--group", "null"};
    }

    void shots()
    {
        QFETCH(QStringList, options);
        TempWorkDir dir;
        QVERIFY(dir.writeFile(".tovrelcnc/t.nc", "M00\nG00 X 1500 Y-300\nG02 X-123456 Y-123456 I-123456 J 0\n"));
        const DemoShot run = DemoRun::shot(dir, "cuttingdemo", options);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.image.size(), QSize(1024, 748));
        // Showing a program writes nothing.
        QVERIFY(!dir.exists(".tovrelcnc/ck.nc"));
    }

    void withoutAProgram()
    {
        TempWorkDir dir(false);
        const DemoShot run = DemoRun::shot(dir, "cuttingdemo", {});
        QCOMPARE(run.code, 0);
        QVERIFY(run.written);
    }

    void unknownChoicesAreRefused_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("page") << QStringList{"--page", "step"};
        QTest::newRow("group") << QStringList{"--group", "jog"};
    }

    void unknownChoicesAreRefused()
    {
        QFETCH(QStringList, options);
        TempWorkDir dir;
        const DemoShot run = DemoRun::shot(dir, "cuttingdemo", options);
        QCOMPARE(run.code, 2);
        QVERIFY(!run.written);
    }
};

QTEST_GUILESS_MAIN(CuttingDemoTest)
#include "CuttingDemoTest.moc"
