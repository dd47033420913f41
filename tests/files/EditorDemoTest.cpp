#include "DemoRun.h"
#include "TempWorkDir.h"

#include <QTest>

class EditorDemoTest : public QObject
{
    Q_OBJECT

private slots:
    void shots_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("table") << QStringList{"--select", "2,3"};
        QTest::newRow("text") << QStringList{"--mode", "text"};
        QTest::newRow("scale") << QStringList{"--scale"};
    }

    void shots()
    {
        QFETCH(QStringList, options);
        TempWorkDir dir;
        const DemoShot run = DemoRun::shot(dir, "editordemo", options);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.image.size(), QSize(1024, 748));
        // The page worked on its own scratch copy of the sample.
        QVERIFY(dir.readFile(".tovrelcnc/e.nc").startsWith("G00 X    2000 Y    2000\n"));
    }

    void unknownModeIsRefused()
    {
        TempWorkDir dir;
        const DemoShot run = DemoRun::shot(dir, "editordemo", {"--mode", "list"});
        QCOMPARE(run.code, 2);
        QVERIFY(!run.written);
    }
};

QTEST_GUILESS_MAIN(EditorDemoTest)
#include "EditorDemoTest.moc"
