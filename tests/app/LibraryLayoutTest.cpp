// The part library on a disk that takes no more: a layout that cannot be
// written is told at once and gives way to the one on disk, and the
// optimised save never stores a layout other than the one asked for. Each
// case runs in a child process under its own file-size limit.

#include "GuiTest.h"
#include "RawFiles.h"
#include "TempWorkDir.h"
#include "TestPaths.h"
#include "WriteFault.h"

#include "app/KMainWindow.h"
#include "library/KLibConfig.h"
#include "library/KLibFrame.h"
#include "library/KLibList.h"
#include "library/KLibTable.h"
#include "library/KMenuLib.h"
#include "library/LibGenerator.h"
#include "program/SegmentTable.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTreeView>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

const char kChildMode[] = "--library-under-size-limit";

void limitFileSize(rlim_t bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

void press(KMainWindow &w, Qt::Key key)
{
    GuiTest::waitClickLockFree();
    QTest::keyClick(&w, key);
}

bool waitFor(const std::function<bool()> &effect)
{
    return QTest::qWaitFor(effect, 5000);
}

// The shape copies a generated program cuts: one kerf bracket each.
int copies(const QString &program)
{
    QFile file(program);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = file.readAll();
    return text.count("G41\n") + text.count("G42\n");
}

// The window on the library page of a fresh working folder, K1 chosen in
// the catalogue and added once.
struct LibraryPage {
    TempWorkDir dir;
    NoticeRecorder notices;
    KMainWindow w;

    LibraryPage()
    {
        GuiTest::activate(&w);
        press(w, Qt::Key_F2);
        waitFor([&] { return w.menuLib->isVisible(); });
        w.libFrame->libTable->setCurrentCell(0, 1);
        press(w, Qt::Key_Home);
        waitFor([&] { return w.libFrame->libList->count() == 1; });
    }
};

} // namespace

// The child: K1 added, its X count set to `count` (none for "-"), then F4
// saves the program as lib<count>.nc. The limit holds from the start, or
// from just after K1 was added. Prints the boxes, the form's X count and the
// pattern records.
static int libraryUnderSizeLimit(char **argv)
{
    std::signal(SIGXFSZ, SIG_DFL);
    QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
    const rlim_t limit = std::strtoul(argv[3], nullptr, 10);
    const bool fromStart = std::strcmp(argv[4], "start") == 0;
    const QString count = QString::fromLocal8Bit(argv[5]);
    if (fromStart)
        limitFileSize(limit);
    int argc = 1;
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(icons);
    NoticeRecorder notices;
    KMainWindow w;
    GuiTest::activate(&w);
    press(w, Qt::Key_F2);
    waitFor([&] { return w.menuLib->isVisible(); });
    notices.clear();
    KLibConfig *config = w.libFrame->config();
    w.libFrame->libTable->setCurrentCell(0, 1);
    press(w, Qt::Key_Home);
    waitFor([&] { return w.libFrame->libList->count() > 0 || notices.count() > 0; });
    if (!fromStart)
        limitFileSize(limit);
    if (count != "-") {
        config->countXEdit()->setText(count);
        QTest::keyClick(config->countXEdit(), Qt::Key_Return);
    }
    press(w, Qt::Key_F4);
    KLibTable *table = w.libFrame->libTable;
    waitFor([&] { return table->saveDialog && table->saveDialog->isVisible(); });
    GuiTest::typeFileName(table->saveDialog, "lib" + (count == "-" ? QString("0") : count) + ".nc");
    QTest::keyClick(table->saveDialog, Qt::Key_Return);
    // The save is done when the dialog's acceptance returns.
    waitFor([&] { return !table->saveDialog->isVisible(); });
    for (const Notice::Request &r : notices.requests())
        std::printf("box: %s\n", qPrintable(QString(r.text).replace('\n', ' ')));
    std::printf("form: %s\n", qPrintable(config->countXEdit()->text()));
    std::printf("rows: %d\n", w.libFrame->libList->count());
    const PattenList &list = config->pattens();
    for (int k = 1; k <= list.count(); ++k)
        std::printf("pattern %d: K%d, %d x %d\n", k, list.at(k).type, list.at(k).countX, list.at(k).countY);
    std::printf("k.nc: %d copies\n", copies(LibGenerator::tempFilePath()));
    for (const QString &saved : QDir(QStringLiteral("ncfile")).entryList(QDir::Files))
        std::printf("%s: %d copies\n", qPrintable(saved), copies(QStringLiteral("ncfile/") + saved));
    return 0;
}

class LibraryLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(icons); }

    // One K1 fits into 1 KB, twenty do not. The count that cannot be written
    // is told and undone, and the save that follows writes the layout on
    // screen afresh and stores it: K1 once. A layout with no part left is
    // refused as such.
    void layoutThatCannotBeWritten_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("expected");
        const QString refused = "box: Cannot write file ./.tovrelcnc/k.nc: File too large.\n";
        const QString one = "form: 1\nrows: 1\npattern 1: K1, 1 x 1\nk.nc: 1 copies\nlib20.nc: 1 copies\n";
        QTest::newRow("ulimit -f 1 from the start, twenty") << 1024 << "start"
                                                            << "20" << refused + one;
        QTest::newRow("disk full after K1 was added, twenty") << 1024 << "added"
                                                              << "20" << refused + one;
        QTest::newRow("ulimit -f 0, K1 added")
            << 0 << "start"
            << "-" << refused + "box: 没有零件,不能保存!\nform: 1\nrows: 0\nk.nc: 0 copies\n";
    }

    void layoutThatCannotBeWritten()
    {
        QFETCH(int, limit);
        QFETCH(QString, from);
        QFETCH(QString, count);
        QFETCH(QString, expected);
        TempWorkDir dir;
        // The child's console is a pipe of its own: had it the test's (a
        // file, when the test's output is written to one), the size limit
        // would end it at its first line past the limit.
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {kChildMode, dir.path(), QString::number(limit), from, count});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray console = child.readAllStandardError();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, console.constData());
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), expected);
    }

    // Room for the twenty's k.nc but not for its l.nc: the refusal names
    // l.nc, the drawing stays the one K1's, and k.nc is K1's again. With room
    // again the next count is written, and F4 saves that layout.
    void normalisedCopyThatCannotBeWritten()
    {
        LibraryPage page;
        TempWorkDir &dir = page.dir;
        NoticeRecorder &notices = page.notices;
        KMainWindow &w = page.w;
        QCOMPARE(w.libFrame->libList->count(), 1);
        KLibConfig *config = w.libFrame->config();
        const auto setCount = [&](const char *count) {
            config->countXEdit()->setText(count);
            QTest::keyClick(config->countXEdit(), Qt::Key_Return);
        };
        setCount("20");
        const qint64 room = dir.readFile(".tovrelcnc/k.nc").size();
        QVERIFY(room < dir.readFile(".tovrelcnc/l.nc").size());
        setCount("1");
        const QByteArray one = dir.readFile(".tovrelcnc/k.nc");
        const std::vector<SegmentRecord> drawn(libSegments, libSegments + kSegmentRows);
        QCOMPARE(notices.count(), 0);
        {
            FaultScope scope({WriteFault::SizeLimit, room, nullptr}, dir.filePath(".tovrelcnc"));
            QVERIFY(scope.isValid());
            setCount("20");
        }
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.last().text, QString("Cannot write file ./.tovrelcnc/l.nc:\nFile too large."));
        QCOMPARE(config->countXEdit()->text(), QString("1"));
        QCOMPARE(config->pattens().at(1).countX, 1);
        QCOMPARE(dir.readFile(".tovrelcnc/k.nc"), one);
        QVERIFY(std::memcmp(libSegments, drawn.data(), sizeof libSegments) == 0);

        setCount("2");
        QCOMPARE(copies(dir.filePath(".tovrelcnc/k.nc")), 2);
        press(w, Qt::Key_F4);
        KLibTable *table = w.libFrame->libTable;
        QTRY_VERIFY(table->saveDialog && table->saveDialog->isVisible());
        GuiTest::typeFileName(table->saveDialog, "lib2.nc");
        QTest::keyClick(table->saveDialog, Qt::Key_Return);
        QTRY_COMPARE(copies(dir.filePath("ncfile/lib2.nc")), 2);
        QCOMPARE(notices.count(), 1);
    }

    // A part added while k.nc cannot be written is refused; the save that
    // follows tries the layout on screen again: with the cause mended it
    // stores it without a box, else it tells this write's own reason.
    void saveAfterARefusedLayout_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("mended") << false;
        QTest::newRow("disk full since") << true;
    }

    void saveAfterARefusedLayout()
    {
        QFETCH(bool, diskFull);
        LibraryPage page;
        TempWorkDir &dir = page.dir;
        NoticeRecorder &notices = page.notices;
        KMainWindow &w = page.w;
        QCOMPARE(w.libFrame->libList->count(), 1);
        QVERIFY(QFile::remove(dir.filePath(".tovrelcnc/k.nc")) && QDir().mkpath(dir.filePath(".tovrelcnc/k.nc")));
        press(w, Qt::Key_Home);
        QTRY_COMPARE(notices.count(), 1);
        QCOMPARE(notices.last().text, QString("Cannot write file ./.tovrelcnc/k.nc:\nFilename refers to a directory."));
        QCOMPARE(w.libFrame->libList->count(), 1);
        QVERIFY(QDir(dir.filePath(".tovrelcnc/k.nc")).removeRecursively());

        press(w, Qt::Key_F4);
        KLibTable *table = w.libFrame->libTable;
        QTRY_VERIFY(table->saveDialog && table->saveDialog->isVisible());
        GuiTest::typeFileName(table->saveDialog, "x.nc");
        {
            std::unique_ptr<FaultScope> full;
            if (diskFull)
                full.reset(new FaultScope({WriteFault::WriteError, 0, nullptr, ENOSPC}, dir.filePath(".tovrelcnc")));
            QVERIFY(!full || full->isValid());
            // Typed on the dialog's window, with a stamp of its own: a key sent
            // to the widget is stamped 0, and the key order filter takes a
            // press of the same key and stamp as the one it held last (the
            // previous run's Return, while that dialog waited for the
            // keyboard) for that same press and drops it.
            QVERIFY(GuiTest::keyClickUntil(table->saveDialog, Qt::Key_Return,
                                           [&] { return !table->saveDialog->isVisible(); }));
        }
        if (diskFull) {
            QCOMPARE(notices.count(), 2);
            QCOMPARE(notices.last().text, QString("Cannot write file ./.tovrelcnc/k.nc:\nNo space left on device."));
            QVERIFY(!dir.exists("ncfile/x.nc"));
        } else {
            QCOMPARE(notices.count(), 1);
            QCOMPARE(copies(dir.filePath("ncfile/x.nc")), 1);
            QCOMPARE(dir.readFile("ncfile/x.nc"), dir.readFile(".tovrelcnc/l.nc"));
        }
    }

    // A program named in GBK by an older controller becomes a part listed
    // by the name the operator reads, and the save dialog lists it so: the
    // layout saved over it, picked from that list, replaces that very file
    // and leaves no file of the shown name beside it.
    void partNamedInGbk()
    {
        TempWorkDir dir;
        const QByteArray folder = QFile::encodeName(dir.path()) + "/ncfile";
        const QByteArray gbk("n\xc7\xd0.nc");
        const QString shown = QString::fromUtf8("n切.nc");
        const QByteArray program("G01 X500 Y0\nG01 X500 Y250\nG01 X0 Y250\n");
        for (const QByteArray &name : {gbk, QByteArray("\xff.nc"), QByteArray("切割.nc"), QByteArray("a.nc")}) {
            QFile file(QFile::decodeName(folder + '/' + name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(program) == program.size());
        }
        const QList<QByteArray> names = RawFiles::names(folder);
        QCOMPARE(names.size(), 4);
        NoticeRecorder notices;
        KMainWindow w;
        GuiTest::activate(&w);
        press(w, Qt::Key_F2);
        QTRY_VERIFY(w.menuLib->isVisible());
        w.libFrame->libTable->setCurrentCell(0, 0);
        w.lib2preview();
        QString chosen = QFile::decodeName(folder + '/' + gbk);
        w.addDefPatten(chosen);
        KLibList *list = w.libFrame->libList;
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), shown);
        QVERIFY(w.menuLib->isVisible());

        press(w, Qt::Key_F4);
        KLibTable *table = w.libFrame->libTable;
        QTRY_VERIFY(table->saveDialog && table->saveDialog->isVisible());
        QFileDialog *dialog = table->saveDialog;
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(dialog));
        auto *view = dialog->findChild<QTreeView *>("treeView");
        QVERIFY(view);
        const auto listed = [&] {
            QStringList out;
            for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
                out << view->model()->index(r, 0, view->rootIndex()).data(Qt::DisplayRole).toString();
            out.sort();
            return out;
        };
        QStringList all = {"a.nc", "切割.nc", shown, "\\xFF.nc"};
        all.sort();
        QTRY_COMPARE(listed(), all);
        QPersistentModelIndex entry;
        for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r) {
            const QModelIndex index = view->model()->index(r, 0, view->rootIndex());
            if (index.data(Qt::DisplayRole).toString() == shown)
                entry = index;
        }
        QVERIFY(entry.isValid());
        // Clicked, the entry fills the name field, which has lost the focus
        // to the list.
        view->scrollTo(entry);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(entry).center());
        QCOMPARE(dialog->findChild<QLineEdit *>("fileNameEdit")->text(), shown);
        QVERIFY(GuiTest::keyClickUntil(dialog, Qt::Key_Return, [&] { return !dialog->isVisible(); }));
        const QString saved = "ncfile/" + QFile::decodeName(gbk);
        QTRY_VERIFY(dir.readFile(saved) != program);
        QCOMPARE(dir.readFile(saved), dir.readFile(".tovrelcnc/l.nc"));
        QCOMPARE(RawFiles::names(folder), names);
        QVERIFY(!QFileInfo::exists(dir.filePath("ncfile/" + shown)));
        QCOMPARE(notices.count(), 0);
    }

    // A layout with no part, or with parts that make no record, is no
    // program: F4 on an existing program refuses the save in a box and
    // leaves the program and the scratch files byte for byte. A real layout
    // then replaces the program without a question.
    void emptyLayoutSavesNothing_data()
    {
        QTest::addColumn<QString>("count");
        QTest::newRow("no part") << QString();
        QTest::newRow("a part with no copy") << "0";
    }

    void emptyLayoutSavesNothing()
    {
        QFETCH(QString, count);
        TempWorkDir dir;
        QVERIFY(QFile::copy(TestPaths::sourceDir() + "/template/ncfile/int_bracket.nc",
                            dir.filePath("ncfile/int_bracket.nc")));
        const QByteArray program = dir.readFile("ncfile/int_bracket.nc");
        QVERIFY(program.size() > 100);
        NoticeRecorder notices;
        KMainWindow w;
        GuiTest::activate(&w);
        press(w, Qt::Key_F2);
        QTRY_VERIFY(w.menuLib->isVisible());
        KLibConfig *config = w.libFrame->config();
        const auto setCount = [&](const QString &text) {
            config->countXEdit()->setText(text);
            QTest::keyClick(config->countXEdit(), Qt::Key_Return);
        };
        w.libFrame->libTable->setCurrentCell(0, 1);
        if (!count.isEmpty()) {
            press(w, Qt::Key_Home);
            QTRY_COMPARE(w.libFrame->libList->count(), 1);
            setCount(count);
            QCOMPARE(copies(dir.filePath(".tovrelcnc/k.nc")), 0);
        }
        notices.clear();
        const QMap<QString, QByteArray> scratch = WriteFault::snapshot(dir.filePath(".tovrelcnc"));
        KLibTable *table = w.libFrame->libTable;
        const auto save = [&] {
            press(w, Qt::Key_F4);
            QTRY_VERIFY(table->saveDialog && table->saveDialog->isVisible());
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(table->saveDialog));
            GuiTest::typeFileName(table->saveDialog, "int_bracket.nc");
            QTest::keyClick(table->saveDialog, Qt::Key_Return);
            QTRY_VERIFY(!table->saveDialog->isVisible());
        };
        save();
        QTRY_COMPARE(notices.count(), 1);
        QCOMPARE(notices.last().icon, QMessageBox::Warning);
        QCOMPARE(notices.last().text, QString("没有零件,不能保存!"));
        QCOMPARE(dir.readFile("ncfile/int_bracket.nc"), program);
        QCOMPARE(WriteFault::snapshot(dir.filePath(".tovrelcnc")), scratch);

        if (count.isEmpty()) {
            press(w, Qt::Key_Home);
            QTRY_COMPARE(w.libFrame->libList->count(), 1);
        }
        setCount("2");
        save();
        QTRY_COMPARE(copies(dir.filePath("ncfile/int_bracket.nc")), 2);
        QCOMPARE(dir.readFile("ncfile/int_bracket.nc"), dir.readFile(".tovrelcnc/l.nc"));
        QCOMPARE(notices.count(), 1);
    }
};

int main(int argc, char **argv)
{
    if (argc > 5 && std::strcmp(argv[1], kChildMode) == 0)
        return libraryUnderSizeLimit(argv);
    QApplication app(argc, argv);
    LibraryLayoutTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "LibraryLayoutTest.moc"
