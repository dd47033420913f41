#include "DemoRun.h"
#include "TempWorkDir.h"

#include <QTest>

class CopyDemoTest : public QObject
{
    Q_OBJECT

private slots:
    void shots_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("entry") << QStringList();
        QTest::newRow("selected") << QStringList{"--source", "src", "--select-source", "2", "--select-target", "1"};
    }

    void shots()
    {
        QFETCH(QStringList, options);
        TempWorkDir dir;
        QVERIFY(dir.writeFile("src/a.nc", "A") && dir.writeFile("src/b.nc", "B") && dir.writeFile("ncfile/t.nc", "T"));
        const DemoShot run = DemoRun::shot(dir, "copydemo", options);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.image.size(), QSize(1024, 748));
        // Showing and selecting touches no file.
        QCOMPARE(dir.readFile("ncfile/t.nc"), QByteArray("T"));
    }

    void badCountIsRefused()
    {
        TempWorkDir dir;
        const DemoShot run = DemoRun::shot(dir, "copydemo", {"--select-source", "two"});
        QCOMPARE(run.code, 2);
        QVERIFY(!run.written);
    }
};

QTEST_GUILESS_MAIN(CopyDemoTest)
#include "CopyDemoTest.moc"
