#include "TempWorkDir.h"
#include "TestPaths.h"

#include <QImage>
#include <QProcess>
#include <QTest>

class CuttingDemoTest : public QObject
{
    Q_OBJECT

    static int runDemo(const TempWorkDir &dir, const QStringList &options)
    {
        QProcess demo;
        demo.start(TestPaths::binDir() + "/cuttingdemo", options + QStringList{"--shot", dir.filePath("shot.png")});
        if (!demo.waitForFinished(30000))
            return -1;
        return demo.exitStatus() == QProcess::NormalExit ? demo.exitCode() : -1;
    }

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
        QCOMPARE(runDemo(dir, options), 0);
        const QImage image(dir.filePath("shot.png"));
        QCOMPARE(image.size(), QSize(1024, 748));
        // Showing a program writes nothing.
        QVERIFY(!dir.exists(".tovrelcnc/ck.nc"));
    }

    void withoutAProgram()
    {
        TempWorkDir dir(false);
        QCOMPARE(runDemo(dir, {}), 0);
        QVERIFY(dir.exists("shot.png"));
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
        QCOMPARE(runDemo(dir, options), 2);
        QVERIFY(!dir.exists("shot.png"));
    }
};

QTEST_GUILESS_MAIN(CuttingDemoTest)
#include "CuttingDemoTest.moc"
