#include "TempWorkDir.h"
#include "TestPaths.h"

#include <QImage>
#include <QProcess>
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
        QProcess demo;
        demo.start(TestPaths::binDir() + "/editordemo", options + QStringList{"--shot", dir.filePath("shot.png")});
        QVERIFY(demo.waitForFinished(30000));
        QCOMPARE(demo.exitCode(), 0);
        QCOMPARE(QImage(dir.filePath("shot.png")).size(), QSize(1024, 748));
        // The page worked on its own scratch copy of the sample.
        QVERIFY(dir.readFile(".tovrelcnc/e.nc").startsWith("G00 X    2000 Y    2000\n"));
    }

    void unknownModeIsRefused()
    {
        TempWorkDir dir;
        QProcess demo;
        demo.start(TestPaths::binDir() + "/editordemo", {"--mode", "list", "--shot", dir.filePath("shot.png")});
        QVERIFY(demo.waitForFinished(30000));
        QCOMPARE(demo.exitCode(), 2);
        QVERIFY(!dir.exists("shot.png"));
    }
};

QTEST_GUILESS_MAIN(EditorDemoTest)
#include "EditorDemoTest.moc"
