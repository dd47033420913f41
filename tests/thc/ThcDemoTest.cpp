#include "TempWorkDir.h"
#include "TestPaths.h"

#include <QImage>
#include <QProcess>
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
        QProcess demo;
        demo.start(TestPaths::binDir() + "/thcdemo", options + QStringList{"--shot", dir.filePath("shot.png")});
        QVERIFY(demo.waitForFinished(30000));
        QCOMPARE(demo.exitCode(), 0);
        const QImage image(dir.filePath("shot.png"));
        QCOMPARE(image.size(), QSize(1024, 748));
        // The jog frame's pictures came from the working folder.
        QVERIFY(dir.exists("ravok/icon/thc-up.png"));
        QVERIFY(dir.exists("ravok/icon/thc1.png"));
    }

    void unknownPageIsRefused()
    {
        TempWorkDir dir;
        QProcess demo;
        demo.start(TestPaths::binDir() + "/thcdemo", {"--page", "thc3", "--shot", dir.filePath("shot.png")});
        QVERIFY(demo.waitForFinished(30000));
        QCOMPARE(demo.exitCode(), 2);
        QVERIFY(!dir.exists("shot.png"));
    }
};

QTEST_GUILESS_MAIN(ThcDemoTest)
#include "ThcDemoTest.moc"
