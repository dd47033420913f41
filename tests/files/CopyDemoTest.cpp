#include "TempWorkDir.h"
#include "TestPaths.h"

#include <QImage>
#include <QProcess>
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
        QProcess demo;
        demo.start(TestPaths::binDir() + "/copydemo", options + QStringList{"--shot", dir.filePath("shot.png")});
        QVERIFY(demo.waitForFinished(30000));
        QCOMPARE(demo.exitCode(), 0);
        QCOMPARE(QImage(dir.filePath("shot.png")).size(), QSize(1024, 748));
        // Showing and selecting touches no file.
        QCOMPARE(dir.readFile("ncfile/t.nc"), QByteArray("T"));
    }

    void badCountIsRefused()
    {
        TempWorkDir dir;
        QProcess demo;
        demo.start(TestPaths::binDir() + "/copydemo", {"--select-source", "two", "--shot", dir.filePath("shot.png")});
        QVERIFY(demo.waitForFinished(30000));
        QCOMPARE(demo.exitCode(), 2);
        QVERIFY(!dir.exists("shot.png"));
    }
};

QTEST_GUILESS_MAIN(CopyDemoTest)
#include "CopyDemoTest.moc"
