#include "GuiTest.h"
#include "RawFiles.h"
#include "TempWorkDir.h"
#include "TestPaths.h"
#include "app/base/KButton.h"
#include "files/KMenuPreview1.h"
#include "files/KPreview.h"
#include "files/KPreviewSimuFrame.h"
#include "program/KPreviewSimu.h"
#include "program/Parser.h"
#include "program/SegmentTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirModel>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>
#include <QTreeView>

#include <cstring>
#include <sys/stat.h>
#include <vector>

namespace {

QString T()
{
    return QDir::currentPath();
}

// The browser as the main window holds it, with every hand-over recorded.
struct Page {
    QWidget window;
    KPreview *browser;
    QStringList opened, added, edited;

    Page()
    {
        window.resize(1024, 748);
        browser = new KPreview(&window);
        QObject::connect(browser, &KPreview::fileOpened, [this](QString &p) { opened << p; });
        QObject::connect(browser, &KPreview::fileAdded, [this](QString &p) { added << p; });
        QObject::connect(browser, &KPreview::fileEdit, [this](QString &p) { edited << p; });
    }
    KMenuPreview1 *keys() const { return browser->keyRow; }
    QString name() const { return browser->fileNameEdit->text(); }
    // A kclicked() key, after the lock of the one before has gone.
    void press(KButton *key)
    {
        QVERIFY(GuiTest::waitClickLockFree());
        key->click();
    }
};

using Table = std::vector<SegmentRecord>;

Table cutTable()
{
    return Table(cutSegments, cutSegments + kSegmentRows);
}

bool sameCut(const Table &kept)
{
    return std::memcmp(kept.data(), cutSegments, sizeof(SegmentRecord) * kSegmentRows) == 0;
}

// n, then 切 in GBK: a name as an older controller wrote it.
const char kGbkProgram[] = "n\xc7\xd0.nc";

QByteArray templateProgram(const QString &name)
{
    QFile file(TestPaths::sourceDir() + "/template/ncfile/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The rows of the folder the browser lists, as they are shown, in name order.
QStringList shownRows(const KPreview *b)
{
    QStringList rows;
    for (int row = 0; row < b->model()->rowCount(b->rootIndex()); ++row)
        rows << b->model()->index(row, 0, b->rootIndex()).data().toString();
    rows.sort();
    return rows;
}

bool hasRed(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if ((line[x] & 0xffffff) == 0xff0000)
                return true;
        }
    }
    return false;
}

} // namespace

class BrowserTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(icons);
        // The lock's own 100 ms are pinned by KButtonTest; here it only
        // paces the keys.
        KButton::setLockInterval(1);
    }
    void init() { QVERIFY(GuiTest::waitClickLockFree()); }

    void construction()
    {
        TempWorkDir dir;
        Page page;
        KPreview *b = page.browser;
        QCOMPARE(b->geometry(), QRect(515, 95, 490, 589));
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);
        // Made in this order, all beside the list in the main window.
        const QList<QWidget *> made = {
            b,         b->folderLabel, b->folderEdit, b->fileNameLabel, b->fileNameEdit, b->previewFrame,
            b->keyRow, b->searchButton};
        QObjectList children = page.window.children();
        QCOMPARE(children.size(), made.size());
        for (int k = 0; k < made.size(); ++k) {
            QCOMPARE(children[k], made[k]);
            QVERIFY(made[k]->isHidden());
        }
        QCOMPARE(b->folderLabel->geometry(), QRect(515, 5, 100, 25));
        QCOMPARE(b->folderLabel->text(), QString("所在文件夹:"));
        QCOMPARE(b->folderEdit->geometry(), QRect(620, 5, 385, 25));
        QVERIFY(b->folderEdit->isReadOnly());
        QCOMPARE(b->folderEdit->focusPolicy(), Qt::NoFocus);
        QCOMPARE(b->fileNameLabel->geometry(), QRect(515, 35, 100, 25));
        QCOMPARE(b->fileNameLabel->text(), QString("文件名:"));
        QCOMPARE(b->fileNameEdit->geometry(), QRect(620, 35, 275, 25));
        QCOMPARE(b->previewFrame->geometry(), QRect(2, 2, 500, 455));
        QCOMPARE(b->previewFrame->frameStyle(), int(QFrame::Box | QFrame::Sunken));
        QCOMPARE(b->previewFrame->palette().color(QPalette::Window), QColor(250, 250, 200));
        QCOMPARE(b->keyRow->geometry(), QRect(0, 686, 1024, 60));
        QCOMPARE(b->searchButton->geometry(), QRect(905, 35, 100, 56));
        QCOMPARE(b->searchButton->text(), QString("搜索文件"));
        QCOMPARE(b->searchButton->findChild<QLabel *>()->text(), QString("Enter"));
        QCOMPARE(b->searchButton->findChild<QLabel *>()->pos(), QPoint(67, 2));

        QCOMPARE(previewCurrentDir, T() + "/ncfile/");
        QCOMPARE(b->folderEdit->text(), previewCurrentDir);
        QVERIFY(previewSelectedFile.isEmpty());
        QVERIFY(!previewLocalDialog && !previewUsbDialog);
        QVERIFY(!b->previewOn && !b->keyboardShown);
        QCOMPARE(b->kerf, 0.0);
        QCOMPARE(b->dirModel->filePath(b->rootIndex()), T() + "/ncfile");
        QVERIFY(!b->previewFrame->previewSimu->previewEnabled);
        QVERIFY(!b->previewFrame->previewSimu->showCompensated);
    }

    void movement()
    {
        TempWorkDir dir;
        for (int i = 0; i < 50; ++i)
            QVERIFY(dir.writeFile(QString("ncfile/p%1.nc").arg(i, 2, 10, QChar('0')), "G01 X100 Y0\n"));
        Page page;
        KPreview *b = page.browser;
        b->enterPage();
        QCOMPARE(page.name(), QString("p00.nc"));
        b->nextpage();
        QCOMPARE(page.name(), QString("p30.nc"));
        QCOMPARE(previewSelectedFile, T() + "/ncfile/p30.nc");
        b->nextpage();
        QVERIFY(!b->currentIndex().isValid());
        QVERIFY(b->selectionModel()->selectedIndexes().isEmpty());
        QCOMPARE(page.name(), QString());
        QCOMPARE(previewSelectedFile, T() + "/ncfile/");
        page.press(page.keys()->openButton);
        QVERIFY(page.opened.isEmpty());
        page.press(page.keys()->editorButton);
        QCOMPARE(page.edited, QStringList{T() + "/ncfile/"});

        b->prevline();
        QVERIFY(!b->currentIndex().isValid());
        b->nextline();
        QCOMPARE(page.name(), QString("p00.nc"));
        b->prevline();
        QCOMPARE(page.name(), QString("p00.nc"));
        b->prevpage();
        QVERIFY(!b->currentIndex().isValid());
        b->nextline();
        b->nextline();
        QCOMPARE(page.name(), QString("p01.nc"));
        QCOMPARE(previewSelectedFile, T() + "/ncfile/p01.nc");
        page.press(page.keys()->openButton);
        QCOMPARE(page.opened, QStringList{T() + "/ncfile/p01.nc"});
    }

    // Browsing with the compensated preview leaves the program loaded for
    // cutting as it was, table and t.nc alike, and the overlay survives redraws.
    void cuttingProgramSurvivesCompensatedPreview()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile("ncfile/a.nc", "G01 X800 Y0\nG01 X0 Y800\n"));
        QVERIFY(dir.writeFile("ncfile/b.nc", "G41\nG01 X0 Y300\nG01 X300 Y0\nG40\n"));
        Parser cutting;
        QCOMPARE(cutting.parseMain("ncfile/a.nc"), 1);
        const QByteArray K = dir.readFile(".tovrelcnc/t.nc");
        QVERIFY(!K.isEmpty());
        const Table C = cutTable();

        Page page;
        KPreview *b = page.browser;
        page.window.show();
        b->previewFrame->show();
        b->setParameter(0, 1.5, 0);
        b->enterPage();
        page.keys()->previewButton->click();
        page.keys()->compButton->click();
        b->nextline();
        QCOMPARE(page.name(), QString("b.nc"));
        QCOMPARE(dir.readFile(".tovrelcnc/t.nc"), K);
        QVERIFY(sameCut(C));

        // The fit follows the program as written, and the kerf moves this
        // small part's overlay just out of the view: zoom out to see it. The
        // zoom's redraws must keep drawing the browsed file's overlay.
        KPreviewSimu *view = b->previewFrame->previewSimu;
        for (int k = 0; k < 3; ++k)
            view->zoomOut();
        const QImage shown = view->grab().toImage();
        QVERIFY(hasRed(shown));
        view->draw();
        QCOMPARE(view->grab().toImage(), shown);

        page.keys()->compButton->click();
        QVERIFY(!hasRed(view->grab().toImage()));
        QCOMPARE(dir.readFile(".tovrelcnc/t.nc"), K);

        QVERIFY(QFile::remove(".tovrelcnc/t.nc"));
        page.keys()->compButton->click();
        QVERIFY(!dir.exists(".tovrelcnc/t.nc"));
        QVERIFY(sameCut(C));
        QVERIFY(hasRed(view->grab().toImage()));
    }

    // Compensation switched on over a path that is no program changes
    // neither the cutting table nor t.nc, and draws no overlay.
    void compensationOnNoProgram_data()
    {
        QTest::addColumn<int>("moves");
        QTest::newRow("nothing ever current") << -1;
        QTest::newRow("the folder itself") << 30;
        QTest::newRow("a sub-folder") << 1;
    }

    void compensationOnNoProgram()
    {
        QFETCH(int, moves);
        TempWorkDir dir;
        QVERIFY(dir.writeFile("ncfile/a.nc", "G41\nG01 X800 Y0\nG01 X0 Y800\nG40\n"));
        QVERIFY(QDir().mkpath("ncfile/sub"));
        Parser cutting;
        QCOMPARE(cutting.parseMain("ncfile/a.nc"), 1);
        const QByteArray K = dir.readFile(".tovrelcnc/t.nc");
        const Table C = cutTable();

        Page page;
        KPreview *b = page.browser;
        page.window.show();
        b->previewFrame->show();
        b->setParameter(0, 1.5, 0);
        if (moves >= 0) {
            b->enterPage();
            if (moves == 30)
                b->nextpage();
            else
                b->nextline();
        }
        const QString expected = moves < 0 ? QString() : moves == 1 ? T() + "/ncfile/sub" : T() + "/ncfile/";
        QCOMPARE(previewSelectedFile, expected);
        NoticeRecorder notices;
        b->setComp(1);
        QCOMPARE(notices.count(), 0);
        QVERIFY(sameCut(C));
        QCOMPARE(dir.readFile(".tovrelcnc/t.nc"), K);
        b->previewFrame->previewSimu->previewEnabled = true;
        QVERIFY(!hasRed(b->previewFrame->previewSimu->grab().toImage()));
    }

    // What the browser cannot read it tells by name: a folder, or no name
    // at all in an ncfile/ empty from the start, where no item has been
    // current. Neither is handed on to a load.
    void unreadableChoice_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("told");
        QTest::newRow("a folder") << true << "/ncfile/sub"
                                  << "Cannot read file %1:\nNot a program file.";
        QTest::newRow("nothing, in an empty folder") << false << ""
                                                     << "Cannot read file %1:\nNo file name specified.";
    }

    void unreadableChoice()
    {
        QFETCH(bool, folder);
        QFETCH(QString, chosen);
        QFETCH(QString, told);
        TempWorkDir dir;
        if (!chosen.isEmpty())
            chosen.prepend(T());
        told = told.arg(chosen);
        if (folder)
            QVERIFY(QDir().mkpath("ncfile/sub"));
        const Table C = cutTable();
        Page page;
        KPreview *b = page.browser;
        b->enterPage();
        QCOMPARE(page.name(), folder ? QString("sub") : QString());
        QCOMPARE(previewSelectedFile, chosen);
        NoticeRecorder notices;
        page.keys()->previewButton->click();
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.last().icon, QMessageBox::Warning);
        QCOMPARE(notices.last().parent, b);
        QCOMPARE(notices.last().title, QString("Brenlo"));
        QCOMPARE(notices.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(notices.last().defaultButton, QMessageBox::NoButton);
        QCOMPARE(notices.last().text, told);

        // Neither opens: neither key hands it on; the editor is handed it.
        page.press(page.keys()->openButton);
        page.press(page.keys()->addButton);
        QVERIFY(page.opened.isEmpty() && page.added.isEmpty());
        page.press(page.keys()->editorButton);
        QCOMPARE(page.edited, QStringList{chosen});

        page.keys()->compButton->click();
        QCOMPARE(notices.count(), 1);
        QVERIFY(!dir.exists(".tovrelcnc/t.nc"));
        QVERIFY(sameCut(C));
    }

    void handOverOfAProgram()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile("ncfile/part.nc", "G01 X100 Y0\n"));
        Page page;
        page.browser->enterPage();
        page.press(page.keys()->addButton);
        page.press(page.keys()->openButton);
        page.press(page.keys()->editorButton);
        const QStringList path = {T() + "/ncfile/part.nc"};
        QCOMPARE(page.added, path);
        QCOMPARE(page.opened, path);
        QCOMPARE(page.edited, path);
        // A program gone since it was listed is handed on to neither.
        QVERIFY(QFile::remove("ncfile/part.nc"));
        page.press(page.keys()->openButton);
        page.press(page.keys()->addButton);
        QCOMPARE(page.opened, path);
        QCOMPARE(page.added, path);

        // A program named in GBK is read by the preview and handed on by
        // its own bytes.
        const QByteArray program = templateProgram("0003.nc");
        QVERIFY(!program.isEmpty());
        QVERIFY(RawFiles::write(QByteArray("ncfile/") + kGbkProgram, program));
        QVERIFY(dir.writeFile("copy.nc", program));
        Parser reader;
        QCOMPARE(reader.parsePreview("copy.nc"), 1);
        const int drawn = SegmentTable::length(previewSegments);
        QVERIFY(drawn > 1);
        SegmentTable::prefill(previewSegments);
        NoticeRecorder notices;
        page.browser->enterPage();
        QCOMPARE(page.name(), QString("n切.nc"));
        page.keys()->previewButton->click();
        QVERIFY(page.browser->previewOn);
        QCOMPARE(SegmentTable::length(previewSegments), drawn);
        QCOMPARE(notices.count(), 0);
        page.press(page.keys()->openButton);
        page.press(page.keys()->editorButton);
        QCOMPARE(page.opened.size(), 2);
        QCOMPARE(QFile::encodeName(page.opened.last()), QFile::encodeName(T()) + "/ncfile/" + kGbkProgram);
        QCOMPARE(page.edited.last(), page.opened.last());
    }

    void previewFollowsTheCurrentItem()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile("ncfile/a.nc", "G01 X800 Y0\n"));
        QVERIFY(dir.writeFile("ncfile/b.nc", "G01 X0 Y500\nG01 X500 Y0\n"));
        Page page;
        KPreview *b = page.browser;
        b->enterPage();
        NoticeRecorder notices;
        page.keys()->previewButton->click();
        QVERIFY(b->previewOn && b->previewFrame->previewSimu->previewEnabled);
        QCOMPARE(SegmentTable::length(previewSegments), 1);
        b->nextline();
        QCOMPARE(SegmentTable::length(previewSegments), 2);
        // Past the last item the folder itself cannot be read: one warning,
        // and the drawing keeps the last program.
        b->nextline();
        QCOMPARE(notices.count(), 1);
        QCOMPARE(SegmentTable::length(previewSegments), 2);
        page.keys()->previewButton->click();
        QVERIFY(!b->previewOn && !b->previewFrame->previewSimu->previewEnabled);
        b->nextline();
        QCOMPARE(SegmentTable::length(previewSegments), 2);
        QCOMPARE(notices.count(), 1);
    }

    // A link is a row of its own, named as the link and read through it: a
    // link to a program beside that program's own name, and one to an
    // endless device, which the preview refuses at once. Both F4 keys hand
    // on a device, a pipe with no writer or a socket alike, at once: the load and the
    // library tell why they refuse it.
    void links()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile("ncfile/p.nc", "G01 X100 Y0\n"));
        QVERIFY(dir.writeFile("other/p.nc", "G01 X0 Y500\nG01 X500 Y0\nG01 X0 Y300\n"));
        QVERIFY(QFile::link("../other/p.nc", "ncfile/x.nc"));
        QVERIFY(QFile::link("/dev/zero", "ncfile/z.nc"));
        Page page;
        KPreview *b = page.browser;
        b->enterPage();
        QStringList rows;
        for (int row = 0; row < b->model()->rowCount(b->rootIndex()); ++row)
            rows << b->model()->index(row, 0, b->rootIndex()).data().toString();
        QCOMPARE(rows, (QStringList{"p.nc", "x.nc", "z.nc"}));

        NoticeRecorder notices;
        page.keys()->previewButton->click();
        b->nextline();
        QCOMPARE(page.name(), QString("x.nc"));
        QCOMPARE(previewSelectedFile, T() + "/ncfile/x.nc");
        QCOMPARE(SegmentTable::length(previewSegments), 3);
        b->nextline();
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.last().text, "Cannot read file " + T() + "/ncfile/z.nc:\nNot a program file.");
        QCOMPARE(SegmentTable::length(previewSegments), 3);
        const QString z = T() + "/ncfile/z.nc";
        for (const int kind : {0, 1, 2, 3}) {
            if (kind == 1)
                QVERIFY(QFile::remove("ncfile/z.nc") && QFile::link("/dev/null", "ncfile/z.nc"));
            else if (kind == 2)
                QVERIFY(QFile::remove("ncfile/z.nc") && mkfifo("ncfile/z.nc", 0644) == 0);
            else if (kind == 3)
                QVERIFY(QFile::remove("ncfile/z.nc") && dir.bindSocket("ncfile/z.nc"));
            page.press(page.keys()->openButton);
            page.press(page.keys()->addButton);
        }
        QCOMPARE(page.opened, QStringList({z, z, z, z}));
        QCOMPARE(page.added, QStringList({z, z, z, z}));
    }

    void search()
    {
        TempWorkDir dir;
        for (const char *name : {"alpha.nc", "beta.nc", "bravo.nc", "charlie.nc", "切割.nc"})
            QVERIFY(dir.writeFile(QString("ncfile/") + name, "G01 X100 Y0\n"));
        // Names from other systems: GBK, and a byte no code reads.
        QVERIFY(RawFiles::write(QByteArray("ncfile/") + kGbkProgram, templateProgram("0003.nc")));
        QVERIFY(RawFiles::write("ncfile/\xff.nc", "G01 X100 Y0\n"));
        Page page;
        KPreview *b = page.browser;
        page.window.show();
        b->setPageVisible(true);
        b->enterPage();
        QCOMPARE(page.name(), QString("alpha.nc"));
        QStringList listed{"alpha.nc", "beta.nc", "bravo.nc", "charlie.nc", "切割.nc", "n切.nc", "\\xFF.nc"};
        listed.sort();
        QCOMPARE(shownRows(b), listed);
        const auto find = [&](const QString &text, bool byKey) {
            b->fileNameEdit->setText(text);
            if (byKey)
                b->searchButton->click();
            else
                QTest::keyClick(b->fileNameEdit, Qt::Key_Return);
        };
        find("b", false);
        QCOMPARE(page.name(), QString("beta.nc"));
        QVERIFY(b->fileNameEdit->hasSelectedText());
        // Searches closer together than the typing interval join into one
        // text: the interval itself is what is waited out, shortened here.
        const int typing = QApplication::keyboardInputInterval();
        QApplication::setKeyboardInputInterval(20);
        const auto apart = [] { QTest::qWait(QApplication::keyboardInputInterval() + 10); };
        apart();
        find("b", false);
        QCOMPARE(page.name(), QString("bravo.nc"));
        apart();
        find("B", true);
        QCOMPARE(page.name(), QString("beta.nc"));
        apart();
        find("x", false);
        QCOMPARE(previewSelectedFile, T() + "/ncfile/beta.nc");
        QCOMPARE(page.name(), QString("x"));
        QCOMPARE(b->fileNameEdit->selectedText(), QString("x"));
        // A GBK name is found by what it shows, and names its own bytes.
        const QByteArray gbkPath = QFile::encodeName(T()) + "/ncfile/" + kGbkProgram;
        apart();
        find("n切", false);
        QCOMPARE(page.name(), QString("n切.nc"));
        QCOMPARE(QFile::encodeName(previewSelectedFile), gbkPath);
        apart();
        find("B", true);
        QCOMPARE(page.name(), QString("beta.nc"));
        apart();
        find("n", false);
        QCOMPARE(page.name(), QString("n切.nc"));
        QCOMPARE(QFile::encodeName(previewSelectedFile), gbkPath);
        QApplication::setKeyboardInputInterval(typing);
    }

    void typingRoom()
    {
        TempWorkDir dir;
        for (const char *name : {"a.nc", "b.nc"})
            QVERIFY(dir.writeFile(QString("ncfile/") + name, "G01 X100 Y0\n"));
        Page page;
        KPreview *b = page.browser;
        QVERIFY(GuiTest::activate(&page.window));
        b->setPageVisible(true);
        b->enterPage();
        b->keyRow->showKeyboard();
        QVERIFY(b->keyboardShown);
        QCOMPARE(b->geometry(), QRect(515, 95, 490, 362));
        QVERIFY(b->fileNameEdit->hasFocus());
        QCOMPARE(b->fileNameEdit->selectedText(), QString("a.nc"));
        b->fileNameEdit->setText("typed");
        b->nextline();
        QCOMPARE(page.name(), QString("typed"));
        QCOMPARE(previewSelectedFile, T() + "/ncfile/b.nc");
        b->keyRow->hideKeyboard();
        QVERIFY(!b->keyboardShown);
        QCOMPARE(b->geometry(), QRect(515, 95, 490, 589));
        b->prevline();
        QCOMPARE(page.name(), QString("a.nc"));
    }

    void folders()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile("ncfile/p.nc", "G01 X100 Y0\n"));
        QVERIFY(dir.writeFile("other/o1.nc", "G01 X100 Y0\n"));
        QVERIFY(dir.writeFile("other/o2.nc", "G01 X100 Y0\n"));
        Page page;
        KPreview *b = page.browser;
        b->enterPage();
        QCOMPARE(page.name(), QString("p.nc"));
        b->setFolder(T() + "/other");
        QCOMPARE(b->folderEdit->text(), T() + "/other/");
        QCOMPARE(b->model()->rowCount(b->rootIndex()), 2);
        QCOMPARE(previewSelectedFile, T() + "/ncfile/p.nc");
        page.press(page.keys()->openButton);
        QCOMPARE(page.opened, QStringList{T() + "/ncfile/p.nc"});
        b->nextline();
        QCOMPARE(page.name(), QString("o2.nc"));
        QCOMPARE(previewSelectedFile, T() + "/other/o2.nc");

        b->setFolder(QString());
        QCOMPARE(previewCurrentDir, T() + "/other/");
        QCOMPARE(b->folderEdit->text(), T() + "/other/");

        // The page reopens on the last folder chosen.
        b->enterPage();
        QCOMPARE(page.name(), QString("o1.nc"));
    }

    void folderChoosers()
    {
        TempWorkDir dir;
        QVERIFY(QDir().mkpath("other"));
        // A folder named in GBK, holding a program named so too.
        const QByteArray gbkFolder = "ncfile/\xc7\xd0";
        QVERIFY(mkdir(gbkFolder.constData(), 0755) == 0);
        QVERIFY(RawFiles::write(gbkFolder + "/" + kGbkProgram, templateProgram("0003.nc")));
        Page page;
        KPreview *b = page.browser;
        QCOMPARE(shownRows(b), QStringList{"切"});
        page.press(page.keys()->localButton);
        QFileDialog *local = previewLocalDialog;
        QVERIFY(local);
        local->setDirectory(T() + "/other");
        b->foldhd();
        QCOMPARE(previewLocalDialog, local);
        QCOMPARE(local->parent(), b);
        QCOMPARE(local->windowTitle(), QString("选择本地文件夹"));
        QCOMPARE(local->directory().absolutePath(), T() + "/ncfile");
        QVERIFY(local->isVisible());
        QVERIFY(!local->isModal());
        QCOMPARE(local->windowModality(), Qt::NonModal);
        QCOMPARE(local->fileMode(), QFileDialog::Directory);
        QVERIFY(local->testOption(QFileDialog::ShowDirsOnly));
        QCOMPARE(local->labelText(QFileDialog::Accept), QString("\n打开文件夹\n"));
        QCOMPARE(local->labelText(QFileDialog::Reject), QString("\n取  消\n"));

        // Accepting a folder lists it.
        local->setDirectory(T() + "/other");
        QVERIFY(QMetaObject::invokeMethod(local, "accept"));
        QCOMPARE(previewCurrentDir, T() + "/other/");
        QCOMPARE(b->folderEdit->text(), T() + "/other/");

        // The GBK folder is listed as it reads, and its row chosen names
        // the folder itself.
        page.press(page.keys()->localButton);
        QVERIFY(local->isVisible());
        auto *view = local->findChild<QTreeView *>("treeView");
        QVERIFY(view);
        const auto shownRow = [view](const QString &shown) {
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
                const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
                if (index.data().toString() == shown)
                    return index;
            }
            return QModelIndex();
        };
        WAIT_VERIFY(shownRow("切").isValid());
        view->setCurrentIndex(shownRow("切"));
        QVERIFY(QMetaObject::invokeMethod(local, "accept"));
        QVERIFY(!local->isVisible());
        QCOMPARE(QFile::encodeName(previewCurrentDir), QFile::encodeName(T()) + "/" + gbkFolder + "/");
        QCOMPARE(b->folderEdit->text(), T() + "/ncfile/切/");
        QCOMPARE(shownRows(b), QStringList{"n切.nc"});
        b->enterPage();
        page.press(page.keys()->openButton);
        QCOMPARE(page.opened.size(), 1);
        QCOMPARE(QFile::encodeName(page.opened.last()), QFile::encodeName(T()) + "/" + gbkFolder + "/" + kGbkProgram);

        page.press(page.keys()->usbButton);
        QVERIFY(previewUsbDialog && previewUsbDialog != local);
        QCOMPARE(previewUsbDialog->windowTitle(), QString("选择U盘文件夹:"));
        previewUsbDialog->reject();
    }

    // F1 to F4 hand work on, so the click lock judges them by the time they
    // were typed: 99 ms after an accepted click they do nothing. F5 and F6
    // are switches outside the lock: they flip their boxes at once.
    void keysAndTheClickLock()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile("ncfile/part.nc", "G01 X100 Y0\n"));
        Page page;
        KPreview *b = page.browser;
        KMenuPreview1 *keys = page.keys();
        QVERIFY(GuiTest::activate(&page.window));
        b->setPageVisible(true);
        b->enterPage();
        KButton::setLockInterval(KButton::kLockMs);
        const auto shortLock = qScopeGuard([] { KButton::setLockInterval(1); });
        const auto typeAt = [&](Qt::Key key, unsigned long stamp) { GuiTest::typeAt(&page.window, key, stamp); };
        const auto chooserShown = [] {
            return (previewLocalDialog && previewLocalDialog->isVisible())
                   || (previewUsbDialog && previewUsbDialog->isVisible());
        };
        unsigned long t = 90000000;
        // The last F4 is the library's add key.
        const QList<QPair<Qt::Key, bool>> lockedKeys{
            {Qt::Key_F1, true}, {Qt::Key_F2, true}, {Qt::Key_F3, true}, {Qt::Key_F4, true}, {Qt::Key_F4, false}};
        for (const auto &key : lockedKeys) {
            keys->setOpenForm(key.second);
            typeAt(Qt::Key_F3, t);
            typeAt(key.first, t + 99);
            QVERIFY(!chooserShown());
            t += 1000;
        }
        QCOMPARE(page.edited.size(), 5);
        QVERIFY(page.opened.isEmpty());
        QVERIFY(page.added.isEmpty());

        typeAt(Qt::Key_F3, t);
        typeAt(Qt::Key_F5, t + 1);
        typeAt(Qt::Key_F6, t + 2);
        QVERIFY(keys->previewBox->isChecked() && b->previewOn);
        QVERIFY(keys->compBox->isChecked());
        typeAt(Qt::Key_F3, t + 1000);
        typeAt(Qt::Key_F6, t + 1001);
        typeAt(Qt::Key_F5, t + 1002);
        QVERIFY(!keys->compBox->isChecked());
        QVERIFY(!keys->previewBox->isChecked() && !b->previewOn);
        QCOMPARE(page.edited.size(), 7);

        // A lock's time later the same keys act.
        typeAt(Qt::Key_F4, t + 2000);
        QCOMPARE(page.added, QStringList{T() + "/ncfile/part.nc"});
        keys->setOpenForm(true);
        typeAt(Qt::Key_F4, t + 2100);
        QCOMPARE(page.opened, QStringList{T() + "/ncfile/part.nc"});
        typeAt(Qt::Key_F1, t + 2200);
        QVERIFY(chooserShown());
        previewLocalDialog->reject();
    }
};

QTEST_MAIN(BrowserTest)
#include "BrowserTest.moc"
