#include "GuiTest.h"
#include "RawFiles.h"
#include "TempWorkDir.h"
#include "TestPaths.h"

#include "app/base/FileChooser.h"
#include "app/base/KButton.h"
#include "files/KFastcopy.h"
#include "files/KMenuFastcopy.h"
#include "files/KMyView.h"

#include <QDialogButtonBox>
#include <QDirModel>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using Buttons = QList<QMessageBox::StandardButton>;

// Writes fail once a file would pass 4096 bytes, as on a full disk.
class FullDisk
{
public:
    FullDisk()
    {
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_;
    void (*previous_)(int);
};

// Root ignores folder permissions: act as nobody for a read-only case.
class AsNobody
{
public:
    AsNobody()
        : dropped_(geteuid() == 0 && seteuid(65534) == 0)
    {
    }
    ~AsNobody()
    {
        if (dropped_ && seteuid(0) != 0)
            qFatal("cannot take back the user id");
    }

private:
    bool dropped_;
};

QStringList ls(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Names an older controller wrote: a program and a folder in GBK (they read
// "n切.nc" and "切"), and a program whose byte FF reads as nothing.
const char kGbkProgram[] = "n\xC7\xD0.nc";
const char kLoneByte[] = "\xFF.nc";
const char kGbkFolder[] = "\xC7\xD0";

// The name the program acts on for such bytes.
QString named(const char *bytes)
{
    return QFile::decodeName(bytes);
}

template <typename List> List sorted(List list)
{
    std::sort(list.begin(), list.end());
    return list;
}

// The names of a folder as the file system holds them, whatever the program
// makes of them, hidden ones included.
QList<QByteArray> rawNames(const QString &path)
{
    return RawFiles::names(QFile::encodeName(path));
}

// The row of a list that shows `text`.
QModelIndex rowShown(const QAbstractItemView *list, const QString &text)
{
    const QAbstractItemModel *model = list->model();
    for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
        const QModelIndex index = model->index(row, 0, list->rootIndex());
        if (index.data().toString() == text)
            return index;
    }
    return QModelIndex();
}

// The copy page on a plain window, in a fresh working folder.
struct Page {
    TempWorkDir dir;
    const QString T = QDir::currentPath();
    QWidget window;
    KMenuFastcopy *menu = new KMenuFastcopy(&window);
    KFastcopy *view = menu->fastcopy;
    NoticeRecorder boxes;

    void enter() { menu->enterPage(); }
    QString src() const { return view->srcPathEdit->text(); }
    QString des() const { return view->desPathEdit->text(); }

    QModelIndex entry(KMyView *list, const QString &name) const
    {
        const auto *model = static_cast<QDirModel *>(list->model());
        for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
            const QModelIndex index = model->index(row, 0, list->rootIndex());
            if (model->fileName(index) == name)
                return index;
        }
        return QModelIndex();
    }
    bool select(KMyView *list, const QStringList &names)
    {
        for (const QString &name : names) {
            const QModelIndex index = entry(list, name);
            if (!index.isValid())
                return false;
            list->selectionModel()->select(index, QItemSelectionModel::Select);
        }
        return true;
    }
    // Selects rows by the names the list shows, as the operator does.
    bool selectShown(KMyView *list, const QStringList &names)
    {
        for (const QString &name : names) {
            const QAbstractItemModel *model = list->model();
            bool found = false;
            for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
                const QModelIndex index = model->index(row, 0, list->rootIndex());
                if (index.data().toString() == name) {
                    list->selectionModel()->select(index, QItemSelectionModel::Select);
                    found = true;
                }
            }
            if (!found)
                return false;
        }
        return true;
    }
    QStringList selected(KMyView *list) const
    {
        QStringList names;
        for (const QModelIndex &index : list->selectedIndexList())
            names << static_cast<QDirModel *>(list->model())->fileName(index);
        names.sort();
        return names;
    }
    // Each entry of a list as "name it acts on > name it shows".
    QStringList listed(KMyView *list) const
    {
        const auto *model = static_cast<QDirModel *>(list->model());
        QStringList entries;
        for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
            const QModelIndex index = model->index(row, 0, list->rootIndex());
            entries << model->fileName(index) + " > " + index.data().toString();
        }
        return sorted(entries);
    }
    int targetRows() const { return view->desModel->rowCount(view->desView->rootIndex()); }
    QStringList warnings() const { return boxes.texts(QMessageBox::Warning); }
    QStringList criticals() const { return boxes.texts(QMessageBox::Critical); }
    QByteArray read(const QString &relative) const { return dir.readFile(relative); }
};

} // namespace

class FastcopyPageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("PATH", (TestPaths::binDir() + ':').toLocal8Bit() + qgetenv("PATH")); }

    // Runs first: the program folder is taken from the working folder of the
    // first page built, which is this case's.
    void entryAndSelectAll()
    {
        Page p;
        QVERIFY(GuiTest::activate(&p.window));
        p.enter();
        QCOMPARE(p.src(), QStringLiteral("\\"));
        QCOMPARE(p.des(), p.T + "/ncfile");

        for (const char *name : {"src/a.nc", "src/b.nc", "src/c.nc", "ncfile/t.nc"})
            QVERIFY(p.dir.writeFile(name, "x"));
        p.menu->acceptSource(p.T + "/src");
        p.menu->acceptTarget(p.T + "/ncfile");
        QVERIFY(p.select(p.view->desView, {"t.nc"}));

        // The key F3 clicks its button (after the button's press animation).
        const QStringList all{"a.nc", "b.nc", "c.nc"};
        QTest::keyClick(&p.window, Qt::Key_F3);
        QTRY_COMPARE(p.selected(p.view->srcView), all);
        QCOMPARE(p.menu->allButton->text(), QStringLiteral("取消全选"));
        QCOMPARE(p.menu->allButton->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(p.selected(p.view->desView), QStringList{"t.nc"});

        // Within the click lock's 100 ms: F3 acts on clicked(), not kclicked().
        QTest::qWait(20);
        p.menu->allButton->click();
        QCOMPARE(p.selected(p.view->srcView), QStringList());
        QCOMPARE(p.menu->allButton->text(), QStringLiteral("全选"));
        QTest::qWait(20);
        p.menu->allButton->click();
        QCOMPARE(p.selected(p.view->srcView), all);

        // Rewired twice, the key still answers.
        QTest::keyClick(&p.window, Qt::Key_F3);
        QTRY_COMPARE(p.selected(p.view->srcView), QStringList());
        p.menu->allButton->click();
        QCOMPARE(p.selected(p.view->srcView), all);
        QCOMPARE(p.selected(p.view->desView), QStringList{"t.nc"});

        // Entered again, nothing is picked and F3 says so: one press picks
        // every entry of the source list.
        p.enter();
        QCOMPARE(p.src(), QStringLiteral("\\"));
        QCOMPARE(p.des(), p.T + "/ncfile");
        p.menu->acceptSource(p.T + "/src");
        QCOMPARE(p.selected(p.view->srcView), QStringList());
        QCOMPARE(p.menu->allButton->text(), QStringLiteral("全选"));
        QTest::keyClick(&p.window, Qt::Key_F3);
        QTRY_COMPARE(p.selected(p.view->srcView), all);
        QCOMPARE(p.menu->allButton->text(), QStringLiteral("取消全选"));
        QCOMPARE(p.selected(p.view->desView), QStringList());
        QCOMPARE(p.boxes.count(), 0);
    }

    // Each entry starts with nothing picked in either list, even when the
    // same folder is chosen again: what an earlier visit picked is neither
    // copied nor deleted on this one.
    void entryForgetsEarlierPicks()
    {
        Page p;
        QVERIFY(p.dir.writeFile("src/u1.nc", "U1") && p.dir.writeFile("src/u2.nc", "U2"));
        QVERIFY(p.dir.writeFile("ncfile/0003.nc", "3") && p.dir.writeFile("ncfile/0004.nc", "4"));
        p.view->show();
        QVERIFY(GuiTest::activate(&p.window));
        const auto type = [&](std::initializer_list<Qt::Key> keys) {
            for (Qt::Key k : keys)
                QVERIFY(GuiTest::keyClick(&p.window, k));
        };
        // The target is the program folder of the first page built, which
        // may be another case's: chosen, as the source, on every visit.
        const auto visit = [&] {
            p.enter();
            p.menu->acceptSource(p.T + "/src");
            p.menu->acceptTarget(p.T + "/ncfile");
        };

        visit();
        type({Qt::Key_F2, Qt::Key_Down, Qt::Key_Space, Qt::Key_F4});
        QCOMPARE(ls("ncfile"), QStringList({"0003.nc", "0004.nc", "u2.nc"}));
        visit();
        type({Qt::Key_F2, Qt::Key_Space, Qt::Key_F4});
        QCOMPARE(p.boxes.count(), 0);
        QCOMPARE(ls("ncfile"), QStringList({"0003.nc", "0004.nc", "u1.nc", "u2.nc"}));

        type({Qt::Key_F6, Qt::Key_Space});
        QCOMPARE(p.selected(p.view->desView), QStringList{"0003.nc"});
        visit();
        p.boxes.setAnswer(QMessageBox::No);
        type({Qt::Key_F6, Qt::Key_Down, Qt::Key_Space, Qt::Key_F7});
        QCOMPARE(p.warnings(), QStringList{"确定删除文件或文件夹: 0004.nc ?"});
        QCOMPARE(ls("ncfile"), QStringList({"0003.nc", "0004.nc", "u1.nc", "u2.nc"}));
    }

    // A double click on a folder of either list leaves the folder shown:
    // folders change through the choosers alone.
    void doubleClickKeepsFolder()
    {
        Page p;
        QVERIFY(p.dir.writeFile("src/d/in.nc", "x") && p.dir.writeFile("ncfile/e/in.nc", "x"));
        p.view->show();
        QVERIFY(GuiTest::activate(&p.window));
        p.menu->acceptSource(p.T + "/src");
        p.menu->acceptTarget(p.T + "/ncfile");
        for (KMyView *list : {p.view->srcView, p.view->desView}) {
            const QModelIndex root = list->rootIndex();
            const QModelIndex folder = p.entry(list, list == p.view->srcView ? "d" : "e");
            QVERIFY(folder.isValid());
            // As a mouse gives it: a click, then the second press taken as
            // a double click.
            const QPoint at = list->visualRect(folder).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QTest::keyClick(list, Qt::Key_Return);
            QCOMPARE(list->rootIndex(), root);
        }
        QCOMPARE(p.src(), p.T + "/src");
        QCOMPARE(p.des(), p.T + "/ncfile");
    }

    void choosersAndRemount()
    {
        Page p;
        const QString log = p.T + "/fd.log";
        qputenv("TOVREL_FDLOG", log.toLocal8Bit());
        p.menu->acceptTarget("/media/floppy0/");
        qunsetenv("TOVREL_FDLOG");
        QCOMPARE(p.read("fd.log"), QByteArray("fdumount\nfdmount fd0 /media/floppy0\n"));
        QCOMPARE(p.des(), QStringLiteral("/media/floppy0/"));

        qputenv("TOVREL_FDLOG", log.toLocal8Bit());
        p.menu->acceptSource("/media/floppy0");
        QCOMPARE(p.src(), QStringLiteral("/media/floppy0"));
        p.menu->acceptSource("");
        QCOMPARE(p.src(), QStringLiteral("/media/floppy0"));
        qunsetenv("TOVREL_FDLOG");
        QCOMPARE(p.read("fd.log"), QByteArray("fdumount\nfdmount fd0 /media/floppy0\n"));

        p.menu->srcButton->click();
        QPointer<QFileDialog> first = p.menu->srcDialog;
        QVERIFY(first);
        p.menu->srcButton->click();
        QCOMPARE(p.menu->srcDialog, first.data());
        QCOMPARE(p.menu->findChildren<QFileDialog *>().size(), 1);
        QCOMPARE(first->windowTitle(), QStringLiteral("选择源文件夹"));
        QVERIFY(!first->isModal());
        p.menu->resetChoosers();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(!p.menu->srcDialog);

        QVERIFY(p.dir.writeFile("src/" + named(kGbkFolder) + '/' + named(kGbkProgram), "G"));
        p.menu->src();
        p.menu->srcDialog->setDirectory(p.T + "/src");
        static_cast<QDialog *>(p.menu->srcDialog)->accept();
        QCOMPARE(p.src(), p.T + "/src");
        // Shown again within the visit, it opens at the pane's folder.
        p.menu->acceptSource(p.T + "/ncfile");
        p.menu->src();
        QCOMPARE(p.menu->srcDialog->directory().absolutePath(), p.T + "/ncfile");

        // A folder named in GBK is listed as it reads; chosen, the pane
        // lists it by its own bytes and its path field reads it too.
        QVERIFY(qobject_cast<FileChooser *>(p.menu->srcDialog));
        p.menu->srcDialog->setDirectory(p.T + "/src");
        auto *folders = p.menu->srcDialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        QVERIFY(folders);
        WAIT_VERIFY(rowShown(folders, "切").isValid());
        const QRect row = folders->visualRect(rowShown(folders, "切"));
        QVERIFY(!row.isEmpty());
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
        QCOMPARE(p.menu->srcDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text(),
                 QStringLiteral("切"));
        p.menu->srcDialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
            ->button(QDialogButtonBox::Open)
            ->click();
        QCOMPARE(p.src(), p.T + "/src/切");
        QCOMPARE(p.view->srcFolder, p.T + "/src/" + named(kGbkFolder));
        QCOMPARE(p.listed(p.view->srcView), QStringList{named(kGbkProgram) + " > n切.nc"});
    }

    void questionsAbortAndRefresh()
    {
        Page p;
        for (const char *name : {"a", "b", "c", "d"})
            QVERIFY(p.dir.writeFile(QStringLiteral("src/%1.nc").arg(name), QByteArray(name).toUpper() + "2"));
        QVERIFY(p.dir.writeFile("ncfile/b.nc", "B1") && p.dir.writeFile("ncfile/c.nc", "C1"));
        p.menu->acceptTarget(p.T + "/ncfile");
        QCOMPARE(p.targetRows(), 2);

        p.menu->acceptSource(p.T + "/src");
        p.menu->allButton->click();
        p.boxes.setAnswers({QMessageBox::No, QMessageBox::Abort});
        p.menu->copyButton->click();
        QCOMPARE(p.warnings(), QStringList({"文件: b.nc 已经存在! 是否覆盖它?", "文件: c.nc 已经存在! 是否覆盖它?"}));
        QCOMPARE(p.boxes.count(), 2);
        QCOMPARE(p.read("ncfile/a.nc"), QByteArray("A2"));
        QCOMPARE(p.read("ncfile/b.nc"), QByteArray("B1"));
        QCOMPARE(p.read("ncfile/c.nc"), QByteArray("C1"));
        QVERIFY(!p.dir.exists("ncfile/d.nc"));
        QCOMPARE(p.targetRows(), 2);

        p.boxes.clear();
        p.boxes.setAnswers({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes});
        p.menu->copyButton->click();
        QCOMPARE(p.boxes.count(), 3);
        QCOMPARE(p.boxes.answersLeft(), 0);
        for (const char *name : {"a", "b", "c", "d"})
            QCOMPARE(p.read(QStringLiteral("ncfile/%1.nc").arg(name)), QByteArray(name).toUpper() + "2");
        QCOMPARE(p.targetRows(), 4);
        QCOMPARE(p.boxes.last().title, QStringLiteral("Brenlo"));
        QCOMPARE(p.boxes.last().defaultButton, QMessageBox::Yes);
        QCOMPARE(p.boxes.last().buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Abort);
    }

    void copyOntoItself_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("link") << "alias";
        QTest::newRow("slash") << "ncfile/";
    }

    void copyOntoItself()
    {
        QFETCH(QString, source);
        Page p;
        QVERIFY(p.dir.writeFile("ncfile/a.nc", "KEEP") && p.dir.writeFile("ncfile/d/x.nc", "X"));
        QVERIFY(QFile::link("ncfile", "alias"));
        p.menu->acceptTarget(p.T + "/ncfile");
        p.menu->acceptSource(p.T + '/' + source);
        p.menu->allButton->click();
        QCOMPARE(p.selected(p.view->srcView), QStringList({"a.nc", "d"}));
        p.boxes.setAnswer(QMessageBox::Yes);
        p.menu->copyButton->click();
        QCOMPARE(p.boxes.count(), 0);
        QCOMPARE(p.read("ncfile/a.nc"), QByteArray("KEEP"));
        QCOMPARE(p.read("ncfile/d/x.nc"), QByteArray("X"));
        QCOMPARE(ls("ncfile"), QStringList({"a.nc", "d"}));
        QCOMPARE(ls("ncfile/d"), QStringList{"x.nc"});
    }

    void sourceVanishesWhileAsking()
    {
        Page p;
        QVERIFY(p.dir.writeFile("src/a.nc", "A2") && p.dir.writeFile("src/b.nc", "B2"));
        QVERIFY(p.dir.writeFile("ncfile/a.nc", "A1") && p.dir.writeFile("ncfile/b.nc", "B1"));
        p.menu->acceptTarget(p.T + "/ncfile");
        p.menu->acceptSource(p.T + "/src");
        p.menu->allButton->click();
        p.boxes.setHook([&](const Notice::Request &r) {
            if (r.text.contains("a.nc"))
                QFile::remove(p.T + "/src/b.nc");
        });
        p.boxes.setAnswers({QMessageBox::Yes, QMessageBox::Yes});
        p.menu->copyButton->click();
        QCOMPARE(p.boxes.answersLeft(), 0);
        QCOMPARE(p.read("ncfile/a.nc"), QByteArray("A2"));
        QCOMPARE(p.criticals(), QStringList{"copy error"});
        QCOMPARE(p.read("ncfile/b.nc"), QByteArray("B1"));
        QCOMPARE(ls("ncfile"), QStringList({"a.nc", "b.nc"}));
    }

    void overwriteOnFullDisk()
    {
        Page p;
        QVERIFY(p.dir.writeFile("src/big.nc", QByteArray(100000, 'B')));
        QVERIFY(p.dir.writeFile("src/mid.nc", QByteArray(10000, 'M')));
        QVERIFY(p.dir.writeFile("ncfile/big.nc", "OLD") && p.dir.writeFile("ncfile/mid.nc", "OLD"));
        p.menu->acceptTarget(p.T + "/ncfile");
        p.menu->acceptSource(p.T + "/src");
        p.menu->allButton->click();
        p.boxes.setAnswers({QMessageBox::Yes, QMessageBox::Yes});
        {
            FullDisk full;
            p.menu->copyButton->click();
        }
        QCOMPARE(p.warnings().size(), 2);
        QCOMPARE(p.criticals(), QStringList({"copy error", "copy error"}));
        QCOMPARE(p.read("ncfile/big.nc"), QByteArray("OLD"));
        QCOMPARE(p.read("ncfile/mid.nc"), QByteArray("OLD"));
        QCOMPARE(ls("ncfile"), QStringList({"big.nc", "mid.nc"}));
    }

    void replaceFolder_data()
    {
        QTest::addColumn<int>("pSize");
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<QString>("oldName");
        QTest::newRow("replaced") << 0 << false << "old.nc";
        QTest::newRow("full disk") << 100000 << true << "old.nc";
        // Left by an older controller: it goes with the folder it was in.
        QTest::newRow("old name in GBK") << 0 << false << named(kGbkProgram);
    }

    void replaceFolder()
    {
        QFETCH(int, pSize);
        QFETCH(bool, fullDisk);
        QFETCH(QString, oldName);
        Page p;
        QVERIFY(p.dir.writeFile("src/f/p.nc", pSize ? QByteArray(pSize, 'P') : QByteArray("P2")));
        QVERIFY(p.dir.writeFile("src/f/q.nc", "Q2"));
        QVERIFY(p.dir.writeFile("ncfile/f/p.nc", "P1") && p.dir.writeFile("ncfile/f/" + oldName, "O1"));
        p.menu->acceptTarget(p.T + "/ncfile");
        p.menu->acceptSource(p.T + "/src");
        QVERIFY(p.select(p.view->srcView, {"f"}));
        p.boxes.setAnswers({QMessageBox::Yes});
        {
            std::unique_ptr<FullDisk> full(fullDisk ? new FullDisk : nullptr);
            p.menu->copyButton->click();
        }
        QCOMPARE(p.warnings(), QStringList{"文件夹: f 已经存在! 是否覆盖它?"});
        QCOMPARE(rawNames("ncfile"), QList<QByteArray>{"f"});
        if (fullDisk) {
            QCOMPARE(p.criticals(), QStringList{"copy error"});
            QCOMPARE(ls("ncfile/f"), sorted(QStringList({oldName, "p.nc"})));
            QCOMPARE(p.read("ncfile/f/p.nc"), QByteArray("P1"));
            QCOMPARE(p.read("ncfile/f/" + oldName), QByteArray("O1"));
        } else {
            QCOMPARE(p.criticals(), QStringList());
            QCOMPARE(rawNames("ncfile/f"), QList<QByteArray>({"p.nc", "q.nc"}));
            QCOMPARE(p.read("ncfile/f/p.nc"), QByteArray("P2"));
            QCOMPARE(p.read("ncfile/f/q.nc"), QByteArray("Q2"));
        }
    }

    void folderThatCannotBeReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("sub-folder") << "sub";
        QTest::newRow("link") << "link";
    }

    // Nothing of the old folder may go: a sub-folder would be lost, and
    // through a link the files of another folder would be deleted.
    void folderThatCannotBeReplaced()
    {
        QFETCH(QString, kind);
        Page p;
        QVERIFY(p.dir.writeFile("src/g/n.nc", "N"));
        if (kind == "sub") {
            QVERIFY(p.dir.writeFile("ncfile/g/o.nc", "O") && QDir().mkpath("ncfile/g/sub"));
        } else {
            QVERIFY(p.dir.writeFile("out/keep.nc", "K"));
            QVERIFY(QFile::link("../out", "ncfile/g"));
        }
        const QStringList before = ls("ncfile/g");
        p.menu->acceptTarget(p.T + "/ncfile");
        p.menu->acceptSource(p.T + "/src");
        QVERIFY(p.select(p.view->srcView, {"g"}));
        p.boxes.setAnswers({QMessageBox::Yes});
        p.menu->copyButton->click();
        QCOMPARE(p.criticals(), QStringList{"rmdir error"});
        QCOMPARE(p.boxes.count(), 2);
        QCOMPARE(ls("ncfile/g"), before);
        QCOMPARE(ls("ncfile"), QStringList{"g"});
        if (kind == "link") {
            QVERIFY(QFileInfo("ncfile/g").isSymLink());
            QCOMPARE(p.read("out/keep.nc"), QByteArray("K"));
        }
    }

    void readOnlyTarget()
    {
        Page p;
        QVERIFY(p.dir.writeFile("ncfile/ro/a.nc", "A1"));
        QVERIFY(p.dir.writeFile("src/a.nc", "A2") && p.dir.writeFile("src/n.nc", "N2"));
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                          | QFile::ReadOther | QFile::ExeOther;
        const auto readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(p.T, open));
        QVERIFY(QFile::setPermissions("src/a.nc", readable) && QFile::setPermissions("src/n.nc", readable));
        QVERIFY(QFile::setPermissions("ncfile/ro", open & ~QFile::WriteOwner));
        p.menu->acceptTarget(p.T + "/ncfile/ro");
        p.menu->acceptSource(p.T + "/src");
        p.menu->allButton->click();
        p.boxes.setAnswers({QMessageBox::Yes});
        {
            AsNobody nobody;
            p.menu->copyButton->click();
        }
        QVERIFY(QFile::setPermissions("ncfile/ro", open));
        QCOMPARE(p.warnings(), QStringList{"文件: a.nc 已经存在! 是否覆盖它?"});
        QCOMPARE(p.criticals(), QStringList({"copy error", "copy error"}));
        QCOMPARE(p.read("ncfile/ro/a.nc"), QByteArray("A1"));
        QCOMPARE(ls("ncfile/ro"), QStringList{"a.nc"});
    }

    // A link is deleted and copied under the name the list shows, as the
    // link; what it points to stays untouched.
    void linksActAsThemselves()
    {
        Page p;
        QVERIFY(p.dir.writeFile("ncfile/b.nc", "B") && p.dir.writeFile("ncfile/d/x.nc", "X"));
        QVERIFY(QFile::link("b.nc", "ncfile/a.nc") && QFile::link("d", "ncfile/ld"));
        QVERIFY(p.dir.writeFile("out/far.nc", "F") && QFile::link("../out/far.nc", "ncfile/s.nc"));
        QVERIFY(p.dir.writeFile("src/real.nc", "R"));
        QVERIFY(QFile::link("real.nc", "src/s.nc") && QFile::link("real.nc", "src/t.nc"));
        p.menu->acceptTarget(p.T + "/ncfile");
        p.menu->acceptSource(p.T + "/src");

        QVERIFY(p.selectShown(p.view->srcView, {"s.nc", "t.nc"}));
        p.boxes.setAnswers({QMessageBox::Yes});
        p.menu->copyButton->click();
        QCOMPARE(p.warnings(), QStringList{"文件: s.nc 已经存在! 是否覆盖它?"});
        QCOMPARE(p.criticals(), QStringList());
        for (const char *copied : {"ncfile/s.nc", "ncfile/t.nc"}) {
            QVERIFY(!QFileInfo(copied).isSymLink());
            QCOMPARE(p.read(copied), QByteArray("R"));
        }
        QCOMPARE(p.read("out/far.nc"), QByteArray("F"));
        QVERIFY(QFileInfo("src/s.nc").isSymLink());
        QCOMPARE(ls("src"), QStringList({"real.nc", "s.nc", "t.nc"}));

        p.boxes.clear();
        QVERIFY(p.selectShown(p.view->desView, {"a.nc", "ld"}));
        p.boxes.setAnswers({QMessageBox::Yes, QMessageBox::Yes});
        p.menu->delButton->click();
        QCOMPARE(p.warnings(), QStringList({"确定删除文件或文件夹: a.nc ?", "确定删除文件或文件夹: ld ?"}));
        QCOMPARE(p.criticals(), QStringList());
        QCOMPARE(ls("ncfile"), QStringList({"b.nc", "d", "s.nc", "t.nc"}));
        QCOMPARE(p.read("ncfile/b.nc"), QByteArray("B"));
        QCOMPARE(p.read("ncfile/d/x.nc"), QByteArray("X"));
    }

    void deleteEntries()
    {
        Page p;
        QVERIFY(p.dir.writeFile("ncfile/a.nc", "A") && p.dir.writeFile("ncfile/b.nc", "B"));
        QVERIFY(p.dir.writeFile("ncfile/d/x.nc", "X") && QDir().mkpath("ncfile/d/sub"));
        p.menu->acceptTarget(p.T + "/ncfile");

        QVERIFY(p.select(p.view->desView, {"a.nc", "b.nc"}));
        p.boxes.setAnswers({QMessageBox::No, QMessageBox::Yes});
        p.menu->delButton->click();
        QCOMPARE(p.warnings(), QStringList({"确定删除文件或文件夹: a.nc ?", "确定删除文件或文件夹: b.nc ?"}));
        QCOMPARE(p.boxes.last().buttons,
                 QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::Abort);
        QCOMPARE(p.criticals(), QStringList());
        QVERIFY(p.dir.exists("ncfile/a.nc"));
        QVERIFY(!p.dir.exists("ncfile/b.nc"));
        QCOMPARE(p.targetRows(), 2);

        p.boxes.clear();
        p.view->desView->clearSelection();
        QVERIFY(p.select(p.view->desView, {"d"}));
        p.boxes.setAnswers({QMessageBox::Yes});
        p.menu->delButton->click();
        QVERIFY(!p.dir.exists("ncfile/d/x.nc"));
        QCOMPARE(p.criticals(), QStringList{"rmdir error"});
        QVERIFY(p.dir.exists("ncfile/d/sub"));

        p.boxes.clear();
        p.view->desView->clearSelection();
        p.menu->delButton->click();
        QCOMPARE(p.boxes.count(), 0);

        // Named in GBK, a program goes, and a folder with all it holds; each
        // is asked about as it reads.
        const QString folder = named(kGbkFolder);
        QVERIFY(p.dir.writeFile("ncfile/" + named(kGbkProgram), "G"));
        QVERIFY(p.dir.writeFile("ncfile/" + folder + '/' + named(kGbkProgram), "G"));
        QVERIFY(p.dir.writeFile("ncfile/" + folder + "/a.nc", "A"));
        p.menu->acceptTarget(p.T + "/ncfile");
        QVERIFY(p.selectShown(p.view->desView, {"n切.nc", "切"}));
        p.boxes.setAnswers({QMessageBox::Yes, QMessageBox::Yes});
        p.menu->delButton->click();
        QCOMPARE(sorted(p.warnings()),
                 sorted(QStringList({"确定删除文件或文件夹: n切.nc ?", "确定删除文件或文件夹: 切 ?"})));
        QCOMPARE(p.criticals(), QStringList());
        QCOMPARE(rawNames("ncfile"), QList<QByteArray>({"a.nc", "d"}));
        QCOMPARE(p.targetRows(), 2);
    }

    // A program several times the size of one piece of the copy.
    void largeProgramArrivesWhole()
    {
        Page p;
        QByteArray program;
        for (int line = 0; program.size() < 200 * 1024; ++line)
            program += "N" + QByteArray::number(line) + " G01 X" + QByteArray::number(line * 37 % 100003) + " Y0\n";
        QVERIFY(p.dir.writeFile("src/big.nc", program));
        p.menu->acceptTarget(p.T + "/ncfile");
        p.menu->acceptSource(p.T + "/src");
        p.menu->allButton->click();
        p.menu->copyButton->click();
        QCOMPARE(p.boxes.count(), 0);
        QCOMPARE(p.read("ncfile/big.nc"), program);
    }

    // A link that points nowhere is a name taken: the question comes, and the
    // copy replaces the link, not the nothing it points to.
    void copyOntoDanglingLink()
    {
        Page p;
        QVERIFY(p.dir.writeFile("src/a.nc", "NEW") && QDir().mkpath("out"));
        QVERIFY(QFile::link("../out/gone.nc", "ncfile/a.nc"));
        p.menu->acceptTarget(p.T + "/ncfile");
        p.menu->acceptSource(p.T + "/src");
        p.menu->allButton->click();
        p.boxes.setAnswer(QMessageBox::Yes);
        p.menu->copyButton->click();
        QCOMPARE(p.warnings(), QStringList{"文件: a.nc 已经存在! 是否覆盖它?"});
        QCOMPARE(p.criticals(), QStringList());
        QVERIFY(!QFileInfo("ncfile/a.nc").isSymLink());
        QCOMPARE(p.read("ncfile/a.nc"), QByteArray("NEW"));
        QCOMPARE(ls("out"), QStringList());
    }

    // Names that are not UTF-8 are listed as they read, picked by 全选 and
    // copied each by its own bytes; asked about again, each question reads.
    void namesNotUtf8()
    {
        Page p;
        const QString folder = named(kGbkFolder);
        const QList<QPair<QString, QByteArray>> files{{named(kGbkProgram), "G1"},
                                                      {named(kLoneByte), "F1"},
                                                      {"c.nc", "C1"},
                                                      {"切割.nc", "Q1"},
                                                      {folder + '/' + named(kGbkProgram), "GG1"},
                                                      {folder + "/a.nc", "A1"}};
        for (const auto &file : files)
            QVERIFY(p.dir.writeFile("src/" + file.first, file.second));
        QVERIFY(QDir().mkdir("out"));
        const QList<QByteArray> bytes =
            sorted(QList<QByteArray>{kGbkProgram, kLoneByte, kGbkFolder, "c.nc", "切割.nc"});
        QCOMPARE(rawNames("src"), bytes);

        p.view->show();
        QVERIFY(GuiTest::activate(&p.window));
        p.menu->acceptSource(p.T + "/src");
        p.menu->acceptTarget(p.T + "/out");
        const QStringList listed =
            sorted(QStringList({named(kGbkProgram) + " > n切.nc", named(kLoneByte) + " > \\xFF.nc", folder + " > 切",
                                "c.nc > c.nc", "切割.nc > 切割.nc"}));
        QCOMPARE(p.listed(p.view->srcView), listed);

        QVERIFY(GuiTest::keyClick(&p.window, Qt::Key_F3));
        QCOMPARE(p.selected(p.view->srcView),
                 sorted(QStringList({named(kGbkProgram), named(kLoneByte), folder, "c.nc", "切割.nc"})));
        QVERIFY(GuiTest::keyClick(&p.window, Qt::Key_F4));
        WAIT_COMPARE(rawNames("out"), bytes);
        QCOMPARE(p.boxes.count(), 0);
        QCOMPARE(rawNames("out/" + folder), sorted(QList<QByteArray>{kGbkProgram, "a.nc"}));
        for (const auto &file : files)
            QCOMPARE(p.read("out/" + file.first), file.second);
        QCOMPARE(p.listed(p.view->desView), listed);

        QVERIFY(p.dir.writeFile("src/" + named(kGbkProgram), "G2"));
        QVERIFY(p.dir.writeFile("src/" + folder + '/' + named(kGbkProgram), "GG2"));
        p.boxes.setAnswer(QMessageBox::Yes);
        QVERIFY(GuiTest::keyClick(&p.window, Qt::Key_F4));
        WAIT_COMPARE(p.warnings().size(), 5);
        QCOMPARE(sorted(p.warnings()),
                 sorted(QStringList({"文件: n切.nc 已经存在! 是否覆盖它?", "文件: \\xFF.nc 已经存在! 是否覆盖它?",
                                     "文件: c.nc 已经存在! 是否覆盖它?", "文件: 切割.nc 已经存在! 是否覆盖它?",
                                     "文件夹: 切 已经存在! 是否覆盖它?"})));
        QCOMPARE(p.criticals(), QStringList());
        QCOMPARE(rawNames("out"), bytes);
        QCOMPARE(rawNames("out/" + folder), sorted(QList<QByteArray>{kGbkProgram, "a.nc"}));
        QCOMPARE(p.read("out/" + named(kGbkProgram)), QByteArray("G2"));
        QCOMPARE(p.read("out/" + folder + '/' + named(kGbkProgram)), QByteArray("GG2"));
    }
};

QTEST_MAIN(FastcopyPageTest)
#include "FastcopyPageTest.moc"
