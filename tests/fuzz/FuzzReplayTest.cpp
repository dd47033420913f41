// Runs every fuzz target on its seeds and on every input that once made it
// crash, hang or report, so that a fault once mended stays mended. The
// sanitizer build turns any new report into a failure.

#include "FuzzTargets.h"

#include "TempWorkDir.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTest>

class FuzzReplayTest : public QObject
{
    Q_OBJECT

    static QStringList inputFolders(const QString &target)
    {
        const QString root = TestPaths::sourceDir();
        QStringList folders{root + "/tests/data/fuzz/" + target};
        if (target.startsWith(QLatin1String("fuzz_parse_")))
            folders << root + "/fuzz/seeds/nc" << root + "/template/ncfile";
        else
            folders << root + "/fuzz/seeds/" + target.mid(int(qstrlen("fuzz_")));
        return folders;
    }

private slots:
    void replay_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("input");
        for (const FuzzTargets::Target &t : FuzzTargets::all()) {
            for (const QString &folder : inputFolders(QString::fromLatin1(t.name))) {
                const QDir dir(folder);
                for (const QString &name : dir.entryList(QDir::Files))
                    QTest::addRow("%s %s", t.name, qPrintable(name))
                        << QString::fromLatin1(t.name) << dir.filePath(name);
            }
        }
    }

    void replay()
    {
        QFETCH(QString, target);
        QFETCH(QString, input);
        QFile file(input);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        TempWorkDir w;
        QVERIFY(FuzzTargets::prepareFolder());
        const FuzzTargets::Body body = FuzzTargets::find(target.toLatin1().constData());
        QVERIFY(body);
        QCOMPARE(body(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())), 0);
    }
};

QTEST_GUILESS_MAIN(FuzzReplayTest)
#include "FuzzReplayTest.moc"
