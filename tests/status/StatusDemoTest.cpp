#include "TempWorkDir.h"
#include "TestPaths.h"

#include <QImage>
#include <QProcess>
#include <QTest>

// Runs the status test window as a person would and checks what it leaves.
class StatusDemoTest : public QObject
{
    Q_OBJECT

    static int run(const QStringList &args, QByteArray *err = nullptr)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::SeparateChannels);
        p.start(TestPaths::binDir() + "/statusdemo", args);
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return -1;
        }
        if (err)
            *err = p.readAllStandardError();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    }

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
        const QString out = dir.filePath("shot.png");
        QCOMPARE(run(args + QStringList({"--shot", out})), 0);
        QImage image(out);
        QCOMPARE(image.size(), QSize(1024, 748));
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
        QByteArray err;
        QCOMPARE(run(args + QStringList({"--shot", dir.filePath("never.png")}), &err), 2);
        QVERIFY2(err.contains("statusdemo: "), err.constData());
        QVERIFY(!dir.exists("never.png"));
    }
};

QTEST_MAIN(StatusDemoTest)
#include "StatusDemoTest.moc"
