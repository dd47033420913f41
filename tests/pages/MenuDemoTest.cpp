#include "DemoRun.h"
#include "TempWorkDir.h"

#include <QTest>

// Runs the operation-pages test window in a fresh folder as a person would.
class MenuDemoTest : public QObject
{
    Q_OBJECT

private slots:
    void shots_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("top") << QStringList({"--page", "top"});
        QTest::newRow("step with beam") << QStringList({"--page", "step", "--beam", "3", "--angle", "0.5"});
        QTest::newRow("movement") << QStringList({"--page", "movement"});
        QTest::newRow("zz") << QStringList({"--page", "zz", "--angle", "-30"});
        QTest::newRow("morepoint") << QStringList({"--page", "morepoint", "--points", "12"});
        QTest::newRow("about") << QStringList({"--dialog", "about"});
        QTest::newRow("move") << QStringList({"--dialog", "move"});
    }

    void shots()
    {
        QFETCH(QStringList, args);
        TempWorkDir dir(false);
        QVERIFY(dir.isValid());
        const DemoShot run = DemoRun::shot(dir, "menudemo", args);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.image.size(), QSize(1024, 748));
        // The about box's window icon comes from the working folder.
        QVERIFY(dir.exists("ravok/icon/tovrel.png"));
    }

    // The plate view sits in the plot frame at (260, 34), 5 pixels in.
    void plateWhereTheWindowShowsIt()
    {
        TempWorkDir dir(false);
        const DemoShot run = DemoRun::shot(dir, "menudemo", {"--page", "zz", "--angle", "90"});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.image.pixelColor(265 + 100, 39 + 600), QColor("#c0c0c0"));
        QCOMPARE(run.image.pixelColor(265 + 300, 39 + 300), QColor("#fafac8"));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("page") << QStringList({"--page", "cutting"});
        QTest::newRow("dialog") << QStringList({"--dialog", "reload"});
        QTest::newRow("dialog of another page") << QStringList({"--page", "zz", "--dialog", "move"});
        QTest::newRow("beam") << QStringList({"--page", "step", "--beam", "7"});
        QTest::newRow("angle") << QStringList({"--page", "zz", "--angle", "nan"});
    }

    void refusals()
    {
        QFETCH(QStringList, args);
        TempWorkDir dir(false);
        const DemoShot run = DemoRun::shot(dir, "menudemo", args);
        QCOMPARE(run.code, 2);
        QVERIFY(!run.written);
    }
};

QTEST_GUILESS_MAIN(MenuDemoTest)
#include "MenuDemoTest.moc"
