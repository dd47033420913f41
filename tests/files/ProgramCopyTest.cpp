#include "RawFiles.h"
#include "TempWorkDir.h"

#include "files/ProgramCopy.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <unistd.h>

namespace {

using Answer = ProgramCopy::Answer;

// Records each outcome as its text and answers questions from a script.
struct Dialogue {
    QList<Answer> answers;
    QStringList seen;
    ProgramCopy::Respond respond()
    {
        return [this](const ProgramCopy::Outcome &o) {
            seen << o.text();
            return o.isQuestion() && !answers.isEmpty() ? answers.takeFirst() : Answer::No;
        };
    }
};

QStringList ls(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QList<QByteArray> sorted(QList<QByteArray> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

// The names of a folder as the file system holds them, whatever the program
// makes of them.
QList<QByteArray> rawNames(const QString &path)
{
    return RawFiles::names(QFile::encodeName(path));
}

} // namespace

class ProgramCopyTest : public QObject
{
    Q_OBJECT

private slots:
    // A new folder gets the plain, visible files only, one level deep.
    void newFolderTakesPlainFilesOnly()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile("src/f/a.nc", "A") && dir.writeFile("src/f/.hidden", "H"));
        QVERIFY(dir.writeFile("src/f/sub/deep.nc", "D"));
        // A GBK name from an older controller is a plain file like any other.
        const QByteArray gbk("n\xC7\xD0.nc");
        QVERIFY(dir.writeFile("src/f/" + QFile::decodeName(gbk), "G"));
        Dialogue d;
        QVERIFY(ProgramCopy::copy("src", "ncfile", {"f"}, d.respond()));
        QCOMPARE(d.seen, QStringList());
        QCOMPARE(rawNames("ncfile/f"), sorted({"a.nc", gbk}));
        QCOMPARE(dir.readFile("ncfile/f/" + QFile::decodeName(gbk)), QByteArray("G"));
    }

    void fileOntoFolderKeepsFolder()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile("src/x.nc", "new") && dir.writeFile("src/y.nc", "Y"));
        QVERIFY(dir.writeFile("ncfile/x.nc/inside.nc", "I"));
        Dialogue d{{Answer::Yes}, {}};
        QVERIFY(ProgramCopy::copy("src", "ncfile", {"x.nc", "y.nc"}, d.respond()));
        QCOMPARE(d.seen, QStringList({"文件: x.nc 已经存在! 是否覆盖它?", "remove error", "copy error"}));
        QCOMPARE(dir.readFile("ncfile/x.nc/inside.nc"), QByteArray("I"));
        QCOMPARE(dir.readFile("ncfile/y.nc"), QByteArray("Y"));
    }

    // Early ends: the later entries are not looked at.
    void earlyEnds_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("seen");
        QTest::newRow("folder onto file") << "file" << QStringList({"文件夹: f 已经存在! 是否覆盖它?", "rmdir error"});
        QTest::newRow("hidden file") << "hidden" << QStringList({"文件夹: f 已经存在! 是否覆盖它?", "rmdir error"});
        QTest::newRow("no target folder") << "missing" << QStringList{"mkdir error"};
    }

    void earlyEnds()
    {
        QFETCH(QString, setup);
        QFETCH(QStringList, seen);
        TempWorkDir dir;
        QVERIFY(dir.writeFile("src/f/a.nc", "A") && dir.writeFile("src/z.nc", "Z"));
        if (setup == "file")
            QVERIFY(dir.writeFile("ncfile/f", "F"));
        else if (setup == "hidden")
            QVERIFY(dir.writeFile("ncfile/f/.keep", "K"));
        const QString target = setup == "missing" ? QStringLiteral("gone") : QStringLiteral("ncfile");
        const QStringList before = ls("ncfile") + ls("ncfile/f");
        Dialogue d{{Answer::Yes}, {}};
        QVERIFY(!ProgramCopy::copy("src", target, {"f", "z.nc"}, d.respond()));
        QCOMPARE(d.seen, seen);
        QCOMPARE(ls("ncfile") + ls("ncfile/f"), before);
    }

    void yesToAllRemovesFilesOnly()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile("ncfile/a.nc", "A") && dir.writeFile("ncfile/b.nc", "B"));
        QVERIFY(dir.writeFile("ncfile/d/x.nc", "X") && dir.writeFile("ncfile/e.nc", "E"));
        Dialogue d{{Answer::No, Answer::YesToAll}, {}};
        QVERIFY(ProgramCopy::remove("ncfile", {"a.nc", "b.nc", "d", "e.nc"}, d.respond()));
        QCOMPARE(d.seen, QStringList({"确定删除文件或文件夹: a.nc ?", "确定删除文件或文件夹: b.nc ?"}));
        QCOMPARE(ls("ncfile"), QStringList({"a.nc", "d"}));
        QCOMPARE(ls("ncfile/d"), QStringList{"x.nc"});
    }

    // A plain file that cannot be removed: no message, the next entry is
    // asked for. Root removes anything, so the removal runs as nobody.
    void unremovableFileIsPassedOver()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile("ncfile/ro/a.nc", "A") && dir.writeFile("ncfile/ro/b.nc", "B"));
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                          | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(dir.path(), open) && QFile::setPermissions("ncfile", open));
        QVERIFY(QFile::setPermissions("ncfile/ro", open & ~QFile::WriteOwner));
        Dialogue d{{Answer::Yes, Answer::Yes}, {}};
        bool ended;
        {
            const bool dropped = geteuid() == 0 && seteuid(65534) == 0;
            ended = ProgramCopy::remove("ncfile/ro", {"a.nc", "b.nc"}, d.respond());
            if (dropped && seteuid(0) != 0)
                qFatal("cannot take back the user id");
        }
        QVERIFY(QFile::setPermissions("ncfile/ro", open));
        QVERIFY(ended);
        QCOMPARE(d.seen, QStringList({"确定删除文件或文件夹: a.nc ?", "确定删除文件或文件夹: b.nc ?"}));
        QCOMPARE(ls("ncfile/ro"), QStringList({"a.nc", "b.nc"}));
    }

    void abortEndsDelete()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile("ncfile/a.nc", "A") && dir.writeFile("ncfile/b.nc", "B"));
        Dialogue d{{Answer::Yes, Answer::Abort}, {}};
        QVERIFY(!ProgramCopy::remove("ncfile", {"a.nc", "b.nc"}, d.respond()));
        QCOMPARE(ls("ncfile"), QStringList{"b.nc"});
    }
};

QTEST_GUILESS_MAIN(ProgramCopyTest)
#include "ProgramCopyTest.moc"
