#include "GuiTest.h"
#include "HangGuard.h"
#include "RawFiles.h"
#include "TempWorkDir.h"
#include "WriteFault.h"

#include "app/base/KButton.h"
#include "files/EditorText.h"
#include "files/KBLDialog.h"
#include "files/KEditor.h"
#include "files/KEditorName.h"
#include "files/KEditorSimuFrame.h"
#include "files/KMenuEditor1.h"
#include "program/Parser.h"
#include "program/SegmentTable.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTextEdit>
#include <QTreeView>

#include <QElapsedTimer>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/resource.h>

namespace {

// The editor page on a stand-in main window in a fresh working folder.
struct Page {
    TempWorkDir dir;
    NoticeRecorder notices;
    QWidget window;
    KEditor *editor;

    Page()
    {
        window.resize(1024, 748);
        editor = new KEditor(&window);
        editor->menuEditor->show();
        editor->simuFrame->show();
        editor->nameFrame->show();
        GuiTest::activate(&window);
    }

    static QString T() { return QDir::currentPath(); }
    QByteArray eNc() const { return dir.readFile(".tovrelcnc/e.nc"); }
    QString text() const { return editor->textEdit->toPlainText(); }
    QString name() const { return editor->nameFrame->nameLabel->text(); }
    QStringList rows() const
    {
        QStringList out;
        for (int r = 0; r < editor->rowCount(); ++r)
            out << (editor->item(r, 0) ? editor->item(r, 0)->text() : QString());
        return out;
    }
    // Row of the cell whose editor is open, -1 for none.
    int editedRow() const
    {
        for (const QLineEdit *cell : editor->viewport()->findChildren<QLineEdit *>()) {
            if (cell->isVisible())
                return editor->rowAt(cell->geometry().center().y());
        }
        return -1;
    }
    void click(KButton *key)
    {
        QVERIFY(GuiTest::waitClickLockFree());
        key->click();
    }
    // 另存为.., the name typed, Return.
    void saveAs(const QString &file)
    {
        click(editor->menuEditor->saveAsButton);
        QFileDialog *dialog = editor->saveFileDialog();
        QVERIFY(dialog && dialog->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(dialog));
        GuiTest::typeFileName(dialog, file);
        QTest::keyClick(dialog, Qt::Key_Return);
        QTRY_VERIFY(!dialog->isVisible());
    }
    void acceptOpen(const QString &file)
    {
        QFileDialog *dialog = editor->openFileDialog();
        QVERIFY(dialog && dialog->isVisible());
        GuiTest::typeFileName(dialog, file);
        static_cast<QDialog *>(dialog)->accept();
    }
};

// Where the editor's document comes from: typed in the text view, set in
// the table's rows, or read from the program file itself.
enum DocumentSource { Typed, Table, Loaded };

// Writes beyond `bytes` fail with EFBIG instead of killing the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit previous_;
    void (*previousHandler_)(int);
};

// A literal with the NULs inside it.
template <int N> QByteArray withNuls(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

QString lines(const char *line, int n)
{
    QStringList all;
    for (int k = 0; k < n; ++k)
        all << QLatin1String(line);
    return all.join('\n');
}

// A decimal program whose only points lie in its first and last lines, each
// line ended by `end`: without its first line the last point is still within
// the reader's first hundred characters when the lines end in LF, and only
// then.
QByteArray decimalProgram(const QByteArray &end, bool firstLine = true)
{
    QByteArray out = firstLine ? "G00 X0.5 Y0" + end : QByteArray();
    for (int k = 0; k < 9; ++k)
        out += "G01 X1 Y1" + end;
    return out + "G01 X1.5 Y1" + end;
}

// The names a file dialog lists in the folder it shows, as its view shows
// them.
QStringList listed(QFileDialog *dialog)
{
    auto *view = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
    QStringList names;
    for (int r = 0; view && r < view->model()->rowCount(view->rootIndex()); ++r)
        names << view->model()->index(r, 0, view->rootIndex()).data(Qt::DisplayRole).toString();
    names.sort();
    return names;
}

// How the operator names a program in a file dialog.
enum class Chosen { Clicked, Keys, Typed, Completed };

// Names the entry listed as `shown` in `dialog` the way `how` says, and
// accepts it: Return in the list or in the name field, or the accept button
// after the keys.
void choose(QFileDialog *dialog, Chosen how, const QString &shown)
{
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(dialog));
    auto *view = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
    auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(view && field);
    QTRY_VERIFY(listed(dialog).contains(shown));
    QAbstractItemModel *model = view->model();
    QPersistentModelIndex entry;
    for (int r = 0; r < model->rowCount(view->rootIndex()); ++r) {
        const QModelIndex index = model->index(r, 0, view->rootIndex());
        if (index.data(Qt::DisplayRole).toString() == shown)
            entry = index;
    }
    QVERIFY(entry.isValid());
    switch (how) {
    case Chosen::Clicked:
        view->scrollTo(entry);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(entry).center());
        QVERIFY(view->hasFocus());
        QCOMPARE(field->text(), shown);
        QTest::keyClick(view, Qt::Key_Return);
        break;
    case Chosen::Keys: {
        // End first: Home on the row already current selects nothing.
        view->setFocus(Qt::TabFocusReason);
        QTest::keyClick(view, Qt::Key_End);
        QTest::keyClick(view, Qt::Key_Home);
        for (int k = model->rowCount(view->rootIndex()); k > 0 && view->currentIndex() != entry; --k)
            QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(QPersistentModelIndex(view->currentIndex()), entry);
        QCOMPARE(field->text(), shown);
        QPushButton *accept = nullptr;
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text() == dialog->labelText(QFileDialog::Accept))
                accept = button;
        }
        QVERIFY(accept && accept->isEnabled());
        QTest::mouseClick(accept, Qt::LeftButton);
        break;
    }
    case Chosen::Typed:
        QVERIFY(field->hasFocus());
        GuiTest::typeFileName(dialog, shown);
        QTest::keyClick(field, Qt::Key_Return);
        break;
    case Chosen::Completed: {
        QVERIFY(field->hasFocus());
        QTest::keyClicks(field, shown.left(1));
        QTRY_VERIFY(qobject_cast<QAbstractItemView *>(QApplication::activePopupWidget()));
        auto *popup = static_cast<QAbstractItemView *>(QApplication::activePopupWidget());
        QTRY_COMPARE(popup->model()->rowCount(), 1);
        QCOMPARE(popup->model()->index(0, 0).data(Qt::DisplayRole).toString(), shown);
        // The completion moved to is written into the name field, and its
        // Return takes it.
        QTest::keyClick(popup, Qt::Key_Down);
        QCOMPARE(field->text(), shown);
        QTest::keyClick(popup, Qt::Key_Return);
        break;
    }
    }
    QTRY_VERIFY(!dialog->isVisible());
}

} // namespace

class KEditorTest : public QObject
{
    Q_OBJECT

private slots:
    // The lock's own 100 ms are pinned by KButtonTest; here it only paces
    // the keys.
    void initTestCase() { KButton::setLockInterval(1); }
    void loadScaleAndClamp()
    {
        Page p;
        p.dir.writeFile("ncfile/m.nc", "G01 X1.5 Y-2\nG02 X0 Y0 I-1 J0\n");
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/m.nc"));
        QCOMPARE(p.rows(), QStringList({"G01 X     150 Y    -200", "G02 X       0 Y       0 I    -100 J       0"}));
        const QString original = "G01 X1.5 Y-2\nG02 X0 Y0 I-1 J0\n";
        QCOMPARE(p.text(), original);
        QCOMPARE(p.name(), "编辑文件名:" + Page::T() + "/ncfile/m.nc");

        KBLDialog *dialog = p.editor->blDialog;
        p.click(p.editor->menuEditor->scaleButton);
        QVERIFY(dialog->isVisible());
        dialog->ratioEdit->setText("nan");
        dialog->accept();
        QCOMPARE(p.eNc(), QByteArray("G01 X       1 Y      -2\nG02 X       0 Y       0 I      -1 J       0\n"));
        QCOMPARE(dialog->ratioEdit->text(), "0.01");
        QCOMPARE(p.rows().value(0), "G01 X       1 Y      -2");

        // Each acceptance scales the present copy again.
        dialog->ratioEdit->setText("100");
        dialog->accept();
        QCOMPARE(p.eNc(), QByteArray("G01 X     100 Y    -200\nG02 X       0 Y       0 I    -100 J       0\n"));
        QCOMPARE(dialog->ratioEdit->text(), "100");
        QCOMPARE(p.text(), original);
        QCOMPARE(p.editor->rowCount(), 2);

        // An empty field and "0" scale by the smallest factor, and say so.
        const QByteArray hundred = p.eNc();
        for (const char *typed : {"", "0"}) {
            dialog->ratioEdit->setText(typed);
            dialog->accept();
            QCOMPARE(dialog->ratioEdit->text(), "0.01");
            QCOMPARE(p.eNc(), QByteArray("G01 X       1 Y      -2\nG02 X       0 Y       0 I      -1 J       0\n"));
            dialog->ratioEdit->setText("100");
            dialog->accept();
            QCOMPARE(p.eNc(), hundred);
        }
        QCOMPARE(p.notices.count(), 0);
    }

    void rowEditingAndApply()
    {
        Page p;
        p.dir.writeFile("ncfile/r.nc", "G01 X1 Y0\nG01 X2 Y0\nG01 X3 Y0\n");
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/r.nc"));
        p.editor->setCurrentCell(1, 0);
        p.editor->addRown();
        QCOMPARE(p.editor->rowCount(), 4);
        QCOMPARE(p.editedRow(), 2);
        QCOMPARE(p.editor->currentRow(), 2);

        auto *cell = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(cell);
        QTest::keyClicks(cell, "G00 X5 Y5");
        p.click(p.editor->menuEditor->applyButton);
        QCOMPARE(p.rows(), QStringList({"G01 X       1 Y       0", "G01 X       2 Y       0", "G00 X5 Y5",
                                        "G01 X       3 Y       0"}));
        const QByteArray applied = "G01 X       1 Y       0\nG01 X       2 Y       0\nG00 X       5 Y       5\n"
                                   "G01 X       3 Y       0\n";
        QCOMPARE(p.eNc(), applied);
        QCOMPARE(p.text(), QString::fromLatin1(applied));
        QCOMPARE(p.editor->currentRow(), 2);

        // An empty row is dropped by the apply.
        p.editor->addRowp();
        QCOMPARE(p.editor->rowCount(), 5);
        QCOMPARE(p.editedRow(), 2);
        QCOMPARE(p.editor->currentRow(), 2);
        QCOMPARE(p.rows().value(2), QString());
        p.click(p.editor->menuEditor->applyButton);
        QCOMPARE(p.editor->rowCount(), 4);
        QCOMPARE(p.eNc(), applied);
    }

    void deleteSelectedRows()
    {
        Page p;
        QByteArray program;
        for (int k = 0; k < 10; ++k)
            program += "G01 X" + QByteArray::number(k) + " Y0\n";
        p.dir.writeFile("ncfile/d.nc", program);
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/d.nc"));
        for (int r : {2, 3, 5, 7})
            p.editor->selectionModel()->select(p.editor->model()->index(r, 0), QItemSelectionModel::Select);
        QCOMPARE(p.editor->selectedRowList(), QList<int>({2, 3, 5, 7}));
        p.editor->delRows();
        QByteArray kept;
        for (int k : {0, 1, 4, 6, 8, 9})
            kept += "G01 X       " + QByteArray::number(k) + " Y       0\n";
        QCOMPARE(p.eNc(), kept);
        QCOMPARE(p.rows().join('\n') + '\n', QString::fromLatin1(kept));
    }

    void newProgramSavedThroughDialog()
    {
        Page p;
        p.dir.writeFile("ncfile/a.nc", "G01 X1 Y0\n");
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/a.nc"));
        p.click(p.editor->menuEditor->newButton);
        QCOMPARE(p.editor->rowCount(), 0);
        QCOMPARE(p.text(), QString());
        QCOMPARE(p.name(), "编辑文件名:(空)");
        QCOMPARE(p.editor->currentFile(), Page::T() + "/ncfile/a.nc");

        // With a single row the apply moves nowhere; the typed line still counts.
        p.editor->addRowp();
        QCOMPARE(p.editor->rowCount(), 0);
        p.editor->addRown();
        QTest::keyClicks(QApplication::focusWidget(), "G01 X9 Y9");
        p.click(p.editor->menuEditor->applyButton);
        QCOMPARE(p.rows(), QStringList({"G01 X9 Y9"}));
        QCOMPARE(p.eNc(), QByteArray("G01 X       9 Y       9\n"));

        p.click(p.editor->menuEditor->saveButton);
        QFileDialog *dialog = p.editor->saveFileDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), "保存文件");
        QCOMPARE(p.dir.readFile("ncfile/a.nc"), QByteArray("G01 X1 Y0\n"));
        GuiTest::typeFileName(dialog, "n.nc");
        static_cast<QDialog *>(dialog)->accept();
        QCOMPARE(p.dir.readFile("ncfile/n.nc"), QByteArray("G01 X       9 Y       9\n"));
        QCOMPARE(p.name(), "编辑文件名:" + Page::T() + "/ncfile/n.nc");
        QVERIFY(!p.editor->untitled());
        QCOMPARE(p.notices.count(), 0);
    }

    void failedParseChangesNothing()
    {
        Page p;
        p.dir.writeFile("ncfile/s.nc", "G01 X7 Y0\n");
        p.dir.writeFile("ncfile/long.nc", QByteArray("G01 X1 Y0\n").repeated(30001));
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/s.nc"));
        QVERIFY(!p.editor->loadFile(Page::T() + "/ncfile/long.nc"));
        QCOMPARE(p.notices.count(), 1);
        QCOMPARE(p.notices.last().title, "Brenlo");
        QCOMPARE(p.notices.last().text, "Cannot read file " + Page::T() + "/ncfile/long.nc:\nFile too long.");
        QCOMPARE(p.rows(), QStringList({"G01 X       7 Y       0"}));
        QCOMPARE(p.name(), "编辑文件名:" + Page::T() + "/ncfile/s.nc");
        QCOMPARE(p.text(), "G01 X7 Y0\n");
        QCOMPARE(p.eNc(), QByteArray("G01 X       7 Y       0\n"));
        QCOMPARE(editSegments[0].type, 1);
        QCOMPARE(editSegments[0].x, 7);
        QCOMPARE(editSegments[0].y, 0);
        QCOMPARE(editSegments[1].type, 99);

        // What is no plain file is refused before anything waits on it or
        // reads it; e.nc that cannot be written is named as what failed.
        QVERIFY(mkfifo(qPrintable(p.dir.filePath("ncfile/pipe.nc")), 0600) == 0);
        QVERIFY(p.dir.bindSocket("ncfile/socket.nc"));
        QDir().mkpath(p.dir.filePath("ncfile/folder.nc"));
        const QList<QPair<QString, QString>> refused = {
            {Page::T() + "/ncfile/pipe.nc", "Cannot read file " + Page::T() + "/ncfile/pipe.nc:\nNot a program file."},
            {Page::T() + "/ncfile/socket.nc",
             "Cannot read file " + Page::T() + "/ncfile/socket.nc:\nNot a program file."},
            {"/dev/zero", "Cannot read file /dev/zero:\nNot a program file."},
            {Page::T() + "/ncfile/folder.nc",
             "Cannot read file " + Page::T() + "/ncfile/folder.nc:\nNot a program file."},
            {Page::T() + "/ncfile/s.nc", "Cannot write file ./.tovrelcnc/e.nc:\nFile too large."},
        };
        for (const auto &r : refused) {
            QElapsedTimer clock;
            clock.start();
            bool loaded = true;
            {
                // Only e.nc is written here; the limit is below its size.
                FileSizeLimit limit(r.first.endsWith("s.nc") ? 10 : RLIM_INFINITY);
                loaded = p.editor->loadFile(r.first);
            }
            QVERIFY(!loaded);
            QVERIFY(clock.elapsed() < kHangGuardMs);
            QCOMPARE(p.notices.last().text, r.second);
            QCOMPARE(p.rows(), QStringList({"G01 X       7 Y       0"}));
            QCOMPARE(editSegments[0].x, 7);
        }
        QCOMPARE(p.notices.count(), 1 + refused.size());

        p.click(p.editor->menuEditor->saveButton);
        QCOMPARE(p.dir.readFile("ncfile/s.nc"), QByteArray("G01 X       7 Y       0\n"));
        QCOMPARE(p.dir.readFile("ncfile/long.nc").count('\n'), 30001);
        QCOMPARE(p.notices.count(), 1 + refused.size());
    }

    // A disk that is full, or that takes the bytes and then fails to keep
    // them, keeps the old program and says why.
    void fullDiskKeepsTheFile_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("flush");
        QTest::newRow("buffered") << 1000 << false;
        QTest::newRow("past the buffer") << 2000 << false;
        QTest::newRow("flush refused") << 2000 << true;
    }

    void fullDiskKeepsTheFile()
    {
        QFETCH(int, n);
        QFETCH(bool, flush);
        Page p;
        const QByteArray before = "G01 X100 Y0\nG01 X0 Y100\n";
        p.dir.writeFile("ncfile/w.nc", before);
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/w.nc"));
        p.click(p.editor->menuEditor->modeButton);
        QCOMPARE(p.editor->editorMode(), 1);
        p.editor->textEdit->setPlainText(lines("G01 X1 Y1", n));
        if (flush) {
            FaultScope scope({WriteFault::FlushError, 0, nullptr, EIO}, p.dir.filePath("ncfile"));
            QVERIFY2(scope.isValid(), qPrintable(scope.error()));
            p.click(p.editor->menuEditor->saveButton);
        } else {
            FileSizeLimit limit(4096);
            p.click(p.editor->menuEditor->saveButton);
        }
        QCOMPARE(p.notices.count(), 1);
        QCOMPARE(p.notices.last().title, "Brenlo");
        QVERIFY(p.notices.last().text.startsWith("Cannot write file " + Page::T() + "/ncfile/w.nc:\n"));
        if (flush)
            QVERIFY(p.notices.last().text.endsWith("\nInput/output error."));
        QCOMPARE(p.dir.readFile("ncfile/w.nc"), before);
        QCOMPARE(QDir(p.dir.filePath("ncfile")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"w.nc"}));
        QCOMPARE(p.name(), "编辑文件名:" + Page::T() + "/ncfile/w.nc");

        p.click(p.editor->menuEditor->saveButton);
        QCOMPARE(p.dir.readFile("ncfile/w.nc"), lines("G01 X1 Y1", n).toLatin1());
        QCOMPARE(p.notices.count(), 1);
    }

    // A new document saved under a program's name, or a program emptied and
    // saved, would leave a program of no bytes: refused in a box, the folder
    // as it was. A document with text replaces the program without a question.
    void emptyDocumentKeepsTheFile()
    {
        Page p;
        p.dir.writeFile("ncfile/a.nc", "G01 X100 Y0\nG01 X0 Y100\n");
        const QMap<QString, QByteArray> before = WriteFault::snapshot(p.dir.filePath("ncfile"));
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/a.nc"));
        p.click(p.editor->menuEditor->newButton);
        p.click(p.editor->menuEditor->saveAsButton);
        QFileDialog *dialog = p.editor->saveFileDialog();
        QVERIFY(dialog && dialog->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(dialog));
        GuiTest::typeFileName(dialog, "a.nc");
        QTest::keyClick(dialog, Qt::Key_Return);
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(p.notices.count(), 1);
        QCOMPARE(p.notices.last().title, "Brenlo");
        QCOMPARE(p.notices.last().icon, QMessageBox::Warning);
        QCOMPARE(p.notices.last().text, "文档为空,不能保存!");
        QCOMPARE(WriteFault::snapshot(p.dir.filePath("ncfile")), before);
        QCOMPARE(p.name(), "编辑文件名:(空)");

        // A program's text all deleted and saved under its own name.
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/a.nc"));
        p.click(p.editor->menuEditor->modeButton);
        p.editor->textEdit->setPlainText(QString());
        p.click(p.editor->menuEditor->saveButton);
        QCOMPARE(p.notices.count(), 2);
        QCOMPARE(p.notices.last().text, "文档为空,不能保存!");
        QCOMPARE(WriteFault::snapshot(p.dir.filePath("ncfile")), before);

        p.editor->textEdit->setPlainText("G01 X5 Y5");
        p.click(p.editor->menuEditor->saveButton);
        QCOMPARE(p.dir.readFile("ncfile/a.nc"), QByteArray("G01 X5 Y5"));
        QCOMPARE(p.notices.count(), 2);
    }

    // A document that shows nothing but blanks and line ends is no program
    // either: over an existing program it is refused by 保 存 and 另存为..
    // alike, in both views; under a new name it is written as it stands.
    // The apply keeps rows of blanks.
    // A document that shows nothing never replaces a program, whatever
    // draws nothing in it (white space, a control, a format character);
    // saved under a new name it is written as it stands. One character that
    // shows, alone or among them, makes it a document like any other.
    void blankDocumentKeepsTheFile_data()
    {
        QTest::addColumn<QString>("blank");
        QTest::addColumn<int>("source");
        QTest::addColumn<bool>("refused");
        const QChar ideographic(0x3000);
        QTest::newRow("one Return") << QString("\n") << int(Typed) << true;
        QTest::newRow("blanks") << QString("   ") << int(Typed) << true;
        QTest::newRow("a tab") << QString("\t") << int(Typed) << true;
        QTest::newRow("several Returns") << QString("\n\n\n\n") << int(Typed) << true;
        QTest::newRow("a byte-order mark") << QString(QChar(QChar::ByteOrderMark)) << int(Typed) << true;
        QTest::newRow("all of them and a CR")
            << (QString(QChar(QChar::ByteOrderMark)) + " \t\r\n" + QChar(QChar::LineSeparator)) << int(Typed) << true;
        QTest::newRow("an ideographic space") << QString(ideographic) << int(Typed) << true;
        QTest::newRow("a no-break space") << QString(QChar(0xa0)) << int(Typed) << true;
        QTest::newRow("an em space") << QString(QChar(0x2003)) << int(Typed) << true;
        QTest::newRow("a zero-width space") << QString(QChar(0x200b)) << int(Typed) << true;
        QTest::newRow("NEXT LINE, a form feed, a vertical tab, a narrow no-break space")
            << QString::fromUtf16(u"\u0085\f\v\u202f") << int(Typed) << true;
        QTest::newRow("a language tag beyond the first plane")
            << QString::fromUcs4(U"\U000E0001\u3000") << int(Typed) << true;
        QTest::newRow("a program of NUL bytes") << QString(4, QChar(0)) + "\n" << int(Loaded) << true;
        QTest::newRow("table rows of blanks") << QString("  ") << int(Table) << true;
        QTest::newRow("one x") << QString("x") << int(Typed) << false;
        QTest::newRow("an x after an ideographic space") << (QString(ideographic) + "x") << int(Typed) << false;
        QTest::newRow("an x among NULs and format characters")
            << QString::fromUtf16(u"\u200b\0x\u00a0\n", 5) << int(Typed) << false;
        // Neither a letter nor a digit, nor one UTF-16 unit: each shows.
        QTest::newRow("an emoji") << QString::fromUcs4(U"\U0001F600") << int(Typed) << false;
        QTest::newRow("a percent sign") << QString("%") << int(Typed) << false;
    }

    void blankDocumentKeepsTheFile()
    {
        QFETCH(QString, blank);
        QFETCH(int, source);
        QFETCH(bool, refused);
        Page p;
        const QByteArray program("G01 X100 Y0\nG01 X0 Y100\n");
        p.dir.writeFile("ncfile/a.nc", program);
        // A loaded program is saved over itself first, then over a.nc.
        QString loaded = Page::T() + "/ncfile/a.nc";
        if (source == Loaded) {
            loaded = Page::T() + "/ncfile/z.nc";
            p.dir.writeFile("ncfile/z.nc", blank.toUtf8());
        }
        QVERIFY(p.editor->loadFile(loaded));
        if (source == Table) {
            p.editor->item(0, 0)->setText(blank);
            p.editor->item(1, 0)->setText(blank);
        } else {
            p.click(p.editor->menuEditor->modeButton);
            if (source == Typed)
                p.editor->textEdit->setPlainText(blank);
            else
                QCOMPARE(EditorText::plainText(p.editor->textEdit->document()), blank);
        }
        const QMap<QString, QByteArray> before = WriteFault::snapshot(p.dir.filePath("ncfile"));
        p.click(p.editor->menuEditor->saveButton);
        if (!refused) {
            QCOMPARE(p.notices.count(), 0);
            QCOMPARE(p.dir.readFile("ncfile/a.nc"), blank.toUtf8());
            return;
        }
        QCOMPARE(p.notices.count(), 1);
        QCOMPARE(p.notices.last().text, "文档为空,不能保存!");
        QCOMPARE(WriteFault::snapshot(p.dir.filePath("ncfile")), before);
        if (source == Table)
            QCOMPARE(p.rows(), QStringList({blank, blank}));

        p.saveAs("a.nc");
        QCOMPARE(p.notices.count(), 2);
        QCOMPARE(p.notices.last().text, "文档为空,不能保存!");
        QCOMPARE(WriteFault::snapshot(p.dir.filePath("ncfile")), before);
        QCOMPARE(p.editor->currentFile(), loaded);

        p.saveAs("new.nc");
        QCOMPARE(p.notices.count(), 2);
        QCOMPARE(p.dir.readFile("ncfile/new.nc"), EditorText::plainText(p.editor->textEdit->document()).toUtf8());
        QCOMPARE(p.dir.readFile("ncfile/a.nc"), program);
        QCOMPARE(p.editor->currentFile(), Page::T() + "/ncfile/new.nc");
    }

    // A character typed into a program is written in the program's own
    // codec, or, where that codec lacks it, the save is refused and told:
    // never a "?" in its place. The box names the first such character and
    // its line as shown, whatever the file's own line ends.
    void typedCharacterKeptOrRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("line");      // typed at its end; 0: at the document's end
        QTest::addColumn<QString>("typed"); // "\n": Return
        QTest::addColumn<QByteArray>("appended");
        QTest::addColumn<QString>("refusal"); // empty: written
        const QByteArray gbk("G00 X0 Y0 (\xc7\xd0\xb8\xee)\nG01 X100 Y0\nM02\n");
        const QString gbkShown = QString::fromUtf8("G00 X0 Y0 (切割)\nG01 X100 Y0\nM02\n");
        const QByteArray lone("G00 X0 Y0 (\xb0)\n");
        const QString loneShown = QString::fromLatin1("G00 X0 Y0 (\xb0)\n");
        const QString cut = QString::fromUtf8("切");
        const auto refused = [](int line, const char *character) {
            return QString::fromUtf8("第 %1 行的字符 \"%2\" 不能按本程序的编码保存,不能保存!")
                .arg(line)
                .arg(QString::fromUtf8(character));
        };
        QTest::newRow("GBK, (x切割)") << gbk << gbkShown << 0 << QString::fromUtf8("(x切割)")
                                      << QByteArray("(x\xc7\xd0\xb8\xee)") << QString();
        QTest::newRow("GBK, an ideographic space")
            << gbk << gbkShown << 0 << QString(QChar(0x3000)) << QByteArray("\xa1\xa1") << QString();
        QTest::newRow("GBK, an emoji") << gbk << gbkShown << 0 << QString::fromUcs4(U"\U0001F600")
                                       << QByteArray("\x94\x39\xfc\x36") << QString();
        QTest::newRow("a lone 0xB0, 切") << lone << loneShown << 0 << cut << QByteArray() << refused(2, "切");
        QTest::newRow("a lone 0xFF, 切") << QByteArray("G00 X0 Y0 (\xff)\n")
                                         << QString::fromLatin1("G00 X0 Y0 (\xff)\n") << 0 << cut << QByteArray()
                                         << refused(2, "切");
        QTest::newRow("a lone 0xB0, an emoji")
            << lone << loneShown << 0 << QString::fromUcs4(U"x\U0001F600") << QByteArray() << refused(2, "\U0001F600");
        QTest::newRow("a lone 0xB0, é") << lone << loneShown << 0 << QString(QChar(0xe9)) << QByteArray("\xe9")
                                        << QString();
        // Neither the line of the document's end nor always the first.
        QTest::newRow("a lone 0xB0, lone CR ends, 切 in line 2 of 3")
            << QByteArray("G00 X0 Y0 (\xb0)\rG01 X1 Y0\rG01 X2 Y0\r")
            << QString::fromLatin1("G00 X0 Y0 (\xb0)\nG01 X1 Y0\nG01 X2 Y0\n") << 2 << cut << QByteArray()
            << refused(2, "切");
        // The first of two, not the last.
        QTest::newRow("a lone 0xB0, 切 ending line 2, 割 on a new line 3")
            << QByteArray("G00 X0 Y0 (\xb0)\nG01 X1 Y0\nG01 X2 Y0\n")
            << QString::fromLatin1("G00 X0 Y0 (\xb0)\nG01 X1 Y0\nG01 X2 Y0\n") << 2 << QString::fromUtf8("切\n割")
            << QByteArray() << refused(2, "切");
        // Latin-1 bytes that are also GB18030 read so: é is then written in GB18030.
        QTest::newRow("(Öl) as GB18030, é")
            << QByteArray("G00 X0 Y0 (\xd6l)\n") << QString::fromUtf8("G00 X0 Y0 (謑)\n") << 0 << QString(QChar(0xe9))
            << QByteArray("\xa8\xa6") << QString();
        QTest::newRow("UTF-8, 切") << QByteArray("G00 X0 Y0 (\xc3\xa9)\n") << QString::fromUtf8("G00 X0 Y0 (é)\n") << 0
                                   << cut << QByteArray("\xe5\x88\x87") << QString();
    }

    void typedCharacterKeptOrRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QFETCH(int, line);
        QFETCH(QString, typed);
        QFETCH(QByteArray, appended);
        QFETCH(QString, refusal);
        Page p;
        p.dir.writeFile("ncfile/p.nc", bytes);
        p.dir.writeFile("ncfile/o.nc", "G01 X2 Y0\n");
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/p.nc"));
        p.click(p.editor->menuEditor->modeButton);
        QCOMPARE(p.text(), shown);
        QTextEdit *text = p.editor->textEdit;
        QStringList edited = shown.split('\n');
        if (line == 0) {
            QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
            edited.last() += typed;
        } else {
            QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
            for (int k = 1; k < line; ++k)
                QTest::keyClick(text, Qt::Key_Down);
            QTest::keyClick(text, Qt::Key_End);
            edited[line - 1] += typed;
        }
        // A character at a time, as an input method hands them over.
        for (uint c : typed.toUcs4()) {
            if (c == '\n')
                QTest::keyClick(text, Qt::Key_Return);
            else
                QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
        }
        QCOMPARE(p.text(), edited.join('\n'));

        if (refusal.isEmpty()) {
            p.click(p.editor->menuEditor->saveButton);
            QCOMPARE(p.notices.count(), 0);
            QCOMPARE(p.dir.readFile("ncfile/p.nc").toHex(' '), (bytes + appended).toHex(' '));
            p.saveAs("new.nc");
            QCOMPARE(p.dir.readFile("ncfile/new.nc"), bytes + appended);
            QCOMPARE(p.notices.count(), 0);
            return;
        }
        const QMap<QString, QByteArray> before = WriteFault::snapshot(p.dir.filePath("ncfile"));
        p.click(p.editor->menuEditor->saveButton);
        QCOMPARE(p.notices.count(), 1);
        QCOMPARE(p.notices.last().text, refusal);
        p.saveAs("new.nc");
        QCOMPARE(p.notices.count(), 2);
        QCOMPARE(p.notices.last().text, refusal);
        // Yes to "save changes?" meets the same refusal: the open waits.
        p.click(p.editor->menuEditor->openButton);
        p.notices.setAnswer(QMessageBox::Yes);
        p.acceptOpen("o.nc");
        QCOMPARE(p.notices.count(), 4);
        QCOMPARE(p.notices.last().text, refusal);
        QCOMPARE(WriteFault::snapshot(p.dir.filePath("ncfile")), before);
        QCOMPARE(p.dir.readFile("ncfile/p.nc"), bytes);
        QCOMPARE(p.text(), edited.join('\n'));
        QCOMPARE(p.editor->currentFile(), Page::T() + "/ncfile/p.nc");
    }

    // 新 建 starts a UTF-8 program whatever the codec of the program read
    // before it.
    void newDocumentIsUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("after Latin-1") << QByteArray("G00 X0 Y0 (\xb0)\n") << QString::fromLatin1("G00 X0 Y0 (\xb0)\n");
        QTest::newRow("after GBK") << QByteArray("G00 X0 Y0 (\xc7\xd0\xb8\xee)\n")
                                   << QString::fromUtf8("G00 X0 Y0 (切割)\n");
    }

    void newDocumentIsUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        Page p;
        p.dir.writeFile("ncfile/p.nc", bytes);
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/p.nc"));
        p.click(p.editor->menuEditor->modeButton);
        QCOMPARE(p.text(), shown);
        p.click(p.editor->menuEditor->newButton);
        QCOMPARE(p.text(), QString());
        QTextEdit *text = p.editor->textEdit;
        QTest::keyClicks(text, "G01 X1 Y0 (");
        QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QString::fromUtf8("切"), Qt::NoModifier);
        QTest::keyClick(text, ')');
        QCOMPARE(p.text(), QString::fromUtf8("G01 X1 Y0 (切)"));
        p.saveAs("new.nc");
        QCOMPARE(p.notices.count(), 0);
        QCOMPARE(p.dir.readFile("ncfile/new.nc").toHex(' '), QByteArray("G01 X1 Y0 (\xe5\x88\x87)").toHex(' '));
        QCOMPARE(p.dir.readFile("ncfile/p.nc"), bytes);
        QCOMPARE(p.editor->currentFile(), Page::T() + "/ncfile/new.nc");
    }

    void unwritableScratchStopsTheSave()
    {
        Page p;
        p.dir.writeFile("ncfile/w.nc", "G01 X100 Y0\n");
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/w.nc"));
        p.editor->textEdit->setPlainText("stale");
        // A folder where e.nc belongs: the apply cannot replace it.
        QVERIFY(QFile::remove(p.dir.filePath(".tovrelcnc/e.nc")));
        QVERIFY(QDir().mkpath(p.dir.filePath(".tovrelcnc/e.nc")));
        p.click(p.editor->menuEditor->saveButton);
        p.click(p.editor->menuEditor->saveAsButton);
        QCOMPARE(p.notices.count(), 2);
        QVERIFY(p.notices.last().text.startsWith("Cannot write file ./.tovrelcnc/e.nc:\n"));
        QCOMPARE(p.dir.readFile("ncfile/w.nc"), QByteArray("G01 X100 Y0\n"));
        QCOMPARE(p.text(), "stale");
        QVERIFY(!p.editor->saveFileDialog());
    }

    void piercePartAndOpenAfterTyping()
    {
        Page p;
        p.dir.writeFile(".tovrelcnc/ck.nc", "G01 X1 Y0\n");
        p.dir.writeFile("ncfile/o.nc", "G01 X2 Y0\n");
        QVERIFY(p.editor->loadFile("./.tovrelcnc/ck.nc"));
        p.click(p.editor->menuEditor->modeButton);
        QTest::keyClick(p.editor->textEdit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(p.editor->textEdit, "G00 X8 Y8");

        p.click(p.editor->menuEditor->openButton);
        p.notices.setAnswer(QMessageBox::Yes);
        p.acceptOpen("o.nc");
        QCOMPARE(p.notices.count(), 1);
        const Notice::Request &question = p.notices.last();
        QCOMPARE(question.title, "Brenlo");
        QCOMPARE(question.text, "The document has been modified.\nDo you want to save your changes?");
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(question.defaultButton, QMessageBox::Yes);
        // The pierce part is never written in place, and the open waits.
        QFileDialog *save = p.editor->saveFileDialog();
        QVERIFY(save && save->isVisible());
        QCOMPARE(save->windowTitle(), "保存文件");
        QCOMPARE(p.text(), "G00 X8 Y8");
        QCOMPARE(p.name(), "编辑文件名:./.tovrelcnc/ck.nc");
        QCOMPARE(p.dir.readFile(".tovrelcnc/ck.nc"), QByteArray("G01 X1 Y0\n"));

        save->reject();
        p.click(p.editor->menuEditor->openButton);
        p.notices.setAnswer(QMessageBox::No);
        p.acceptOpen("o.nc");
        QCOMPARE(p.notices.count(), 2);
        QCOMPARE(p.text(), "G01 X2 Y0\n");
        QCOMPARE(p.rows().value(0), "G01 X       2 Y       0");
        QCOMPARE(p.name(), "编辑文件名:" + Page::T() + "/ncfile/o.nc");
        QCOMPARE(p.dir.readFile(".tovrelcnc/ck.nc"), QByteArray("G01 X1 Y0\n"));
    }

    // Whatever bytes a file holds and however its lines end, saving it
    // untouched gives it back byte for byte, whether the editor was in text
    // mode when it was loaded or switched to it afterwards.
    void fileRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loadedInTextMode");
        const QList<QPair<const char *, QByteArray>> files = {
            {"GBK", "G01 X1 Y0 (\262\342\201\240)\nG01 X0 Y1\n"},
            {"GBK with a NUL in line 2", withNuls("G01 X1 Y0 (\262\342)\nG01 X0 Y1 (\0\301\242)\nM02\n")},
            {"0xFF NUL", withNuls("\xff\x00")},
            {"a lone 0xB0 in a comment", "G00 X0 Y0 (\xb0)\n"},
            {"Latin-1 that reads as GB18030", "G00 X0 Y0 (\xd6l)\n"},
            {"GB18030 four-byte and a line separator", "(\x81\x30\x81\x30)\xa1\xa1\x81\x36\xa6\x35X1\r\n"},
            {"UTF-8", "G01 X1 Y0 (切割)\n"},
            {"BOM and CR LF", "\xEF\xBB\xBFG01 X1 Y0\r\nG01 X0 Y1\r\n"},
            {"lone CR", "G01 X1 Y0\rG01 X0 Y1\r"},
            {"CR CR LF", "G01 X1 Y0\r\r\nG01 X0 Y1\r\r\n"},
            {"U+2029 and LF", "G01 X1 Y0\xE2\x80\xA9\nG01 X0 Y1\xE2\x80\xA9\n"},
            {"U+2029", "G01 X1 Y0\xE2\x80\xA9G01 X0 Y1\xE2\x80\xA9"},
            {"U+2028 and LF", "G01 X1 Y0\xE2\x80\xA8G01 X0 Y1\xE2\x80\xA8\n"},
            {"mixed, no end at the end", "G01 X1 Y0\r\nG01 X0 Y1\nM02"},
        };
        for (const auto &f : files) {
            QTest::addRow("%s, table mode", f.first) << f.second << false;
            QTest::addRow("%s, text mode", f.first) << f.second << true;
        }
    }

    void fileRoundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loadedInTextMode);
        Page p;
        p.dir.writeFile("ncfile/g.nc", "G01 X5 Y5\n");
        p.dir.writeFile("ncfile/f.nc", bytes);
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/g.nc"));
        if (loadedInTextMode)
            p.click(p.editor->menuEditor->modeButton);
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/f.nc"));
        if (!loadedInTextMode)
            p.click(p.editor->menuEditor->modeButton);
        QCOMPARE(p.editor->editorMode(), 1);
        p.click(p.editor->menuEditor->saveButton);
        QCOMPARE(p.dir.readFile("ncfile/f.nc"), bytes);
        QCOMPARE(p.notices.count(), 0);
    }

    // Once the operator edits a file, every line is saved with one end: the
    // file's first when it is LF or CR LF, else LF. The saved file reads back
    // as the program the text view shows, at its scale.
    void editedFileEndsAlike_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("edit");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QByteArray>("saved");
        // Edits: 0 apply in table mode, 1 a first line typed, 2 the second
        // line deleted, 3 a last line typed, 4 the first line deleted, 5 the
        // first line broken by Shift+Return; 1 to 5 in the text view.
        QTest::newRow("CR LF, apply") << QByteArray("G01 X5 Y0\r\nG01 X0 Y5\r\n") << 0 << 2
                                      << QByteArray("G01 X       5 Y       0\r\nG01 X       0 Y       5\r\n");
        // The apply gives back the very text loaded: an edit all the same.
        QTest::newRow("mixed, as the table writes it, apply")
            << QByteArray("G01 X       5 Y       0\r\nG01 X       0 Y       5\n") << 0 << 2
            << QByteArray("G01 X       5 Y       0\r\nG01 X       0 Y       5\r\n");
        QTest::newRow("mixed, first line added")
            << QByteArray("G92 X0 Y0\r\nG00 X1000 Y1000\nG01 X5000 Y0\rG01 X0 Y5000\r\nM02\n") << 1 << -1
            << QByteArray("G00 X0 Y0\r\nG92 X0 Y0\r\nG00 X1000 Y1000\r\nG01 X5000 Y0\r\nG01 X0 Y5000\r\nM02\r\n");
        QTest::newRow("lone CR in a decimal program, line 2 deleted")
            << QByteArray("G00 X1.00 Y2.00\nG01 X3.00 Y4.00\rG01 X7.00 Y8.00\nX5.00 Y6.00\n") << 2 << -1
            << QByteArray("G00 X1.00 Y2.00\nG01 X7.00 Y8.00\nX5.00 Y6.00\n");
        QTest::newRow("CR CR LF, last line added") << QByteArray("G01 X1 Y0\r\r\nG01 X0 Y1\r\r\n") << 3 << 2
                                                   << QByteArray("G01 X1 Y0\nG01 X0 Y1\nG01 X5 Y5\n");
        const QByteArray u2029Lf("\xE2\x80\xA9\n");
        QTest::newRow("CR CR LF decimal, first line deleted")
            << decimalProgram("\r\r\n") << 4 << 11 << decimalProgram("\n", false);
        QTest::newRow("U+2029 LF decimal, first line deleted")
            << decimalProgram(u2029Lf) << 4 << 11 << decimalProgram("\n", false);
        QTest::newRow("U+2029 LF decimal, first line added")
            << decimalProgram(u2029Lf) << 1 << 11 << "G00 X0 Y0\n" + decimalProgram("\n");
        QTest::newRow("U+2029, first line added")
            << QByteArray("G01 X1 Y0\xE2\x80\xA9G01 X0 Y1") << 1 << 2 << QByteArray("G00 X0 Y0\nG01 X1 Y0\nG01 X0 Y1");
        // The view shows a U+2028 as a line break: it ends a line as U+2029 does.
        const QByteArray u2028("\xE2\x80\xA8");
        QTest::newRow("U+2028 in line 2, first line deleted")
            << "G00 X1.00 Y2.00\nG01 X3.00 Y4.00" + u2028 + "X5.00 Y6.00\n"
            << 4 << -1 << QByteArray("G01 X3.00 Y4.00\nX5.00 Y6.00\n");
        const QByteArray u2028Decimal = "G00 X0.5 Y0\n" + QByteArray("G01 X1 Y1" + u2028).repeated(9) + "G01 X1.5 Y1\n";
        QTest::newRow("U+2028 decimal, first line deleted") << u2028Decimal << 4 << -1 << decimalProgram("\n", false);
        QTest::newRow("U+2028 decimal, first line added")
            << u2028Decimal << 1 << -1 << "G00 X0 Y0\n" + decimalProgram("\n");
        QTest::newRow("U+2028 in the middle and last line, last line added")
            << "G01 X1 Y0\nG01 X0 Y1" + u2028 + "G01 X2 Y2" + u2028 << 3 << -1
            << QByteArray("G01 X1 Y0\nG01 X0 Y1\nG01 X2 Y2\nG01 X5 Y5\n");
        QTest::newRow("Shift+Return") << QByteArray("G01 X1 Y0\nG01 X0 Y1\n") << 5 << 2
                                      << QByteArray("G01 X1 Y0\nG01 X5 Y5\nG01 X0 Y1\n");
    }

    void editedFileEndsAlike()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, edit);
        QFETCH(int, rows);
        QFETCH(QByteArray, saved);
        Page p;
        p.dir.writeFile("ncfile/e.nc", bytes);
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/e.nc"));
        if (rows >= 0) {
            QCOMPARE(p.editor->rowCount(), rows);
            QCOMPARE(p.text().split('\n').size(), rows + (bytes.endsWith('\n') ? 1 : 0));
        }
        if (edit == 0) {
            p.click(p.editor->menuEditor->applyButton);
        } else {
            p.click(p.editor->menuEditor->modeButton);
            QTextEdit *text = p.editor->textEdit;
            QVERIFY(text->hasFocus());
            if (edit == 1) {
                QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
                QTest::keyClicks(text, "G00 X0 Y0");
                QTest::keyClick(text, Qt::Key_Return);
            } else if (edit == 2 || edit == 4) {
                QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
                if (edit == 2)
                    QTest::keyClick(text, Qt::Key_Down);
                QTest::keyClick(text, Qt::Key_Down, Qt::ShiftModifier);
                QTest::keyClick(text, Qt::Key_Delete);
            } else if (edit == 3) {
                QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
                QTest::keyClicks(text, "G01 X5 Y5");
                QTest::keyClick(text, Qt::Key_Return);
            } else {
                QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
                QTest::keyClick(text, Qt::Key_End);
                QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
                QTest::keyClicks(text, "G01 X5 Y5");
            }
        }
        p.click(p.editor->menuEditor->saveButton);
        QCOMPARE(p.dir.readFile("ncfile/e.nc"), saved);

        // The program of the saved file, and the one of the lines shown.
        QVERIFY(p.editor->parser()->parseEdit(Page::T() + "/ncfile/e.nc", 1.0));
        const QByteArray fromFile = p.eNc();
        p.dir.writeFile("ncfile/shown.nc", p.text().toUtf8());
        QVERIFY(p.editor->parser()->parseEdit(Page::T() + "/ncfile/shown.nc", 1.0));
        QCOMPARE(fromFile, p.eNc());
        if (edit == 2)
            QCOMPARE(fromFile.count('\n'), 3);
        if (saved.endsWith("G01 X1.5 Y1\n")) // read as decimal: 1.5 mm, in hundredths
            QVERIFY(fromFile.endsWith("G01 X     150 Y     100\n"));
        QCOMPARE(p.notices.count(), 0);
    }

    // A load behind another page leaves the rows and the text view empty
    // until they are needed; then they show and save exactly what a load in
    // view does.
    void hiddenLoadShowsAndSavesAsAVisibleOne_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("lines") << QByteArray("G00 X1 Y0\nG01 X100 Y0\nG02 X0 Y0 I-50 J0\nM02\n");
        QTest::newRow("crlf, bom, no last lf") << QByteArray("\xEF\xBB\xBFG01 X1 Y0\r\n\r\nG01 X0 Y1");
        QTest::newRow("gbk comment") << QByteArray("G01 X1 Y0 (\262\342\201\240)\nG01 X0 Y1\n");
        QTest::newRow("long") << lines("G01 X12 Y-3", 3000).toLatin1();
    }

    void hiddenLoadShowsAndSavesAsAVisibleOne()
    {
        QFETCH(QByteArray, bytes);
        Page shown;
        shown.dir.writeFile("ncfile/p.nc", bytes);
        QVERIFY(shown.editor->loadFile(Page::T() + "/ncfile/p.nc"));
        const QStringList eagerRows = shown.rows();
        shown.click(shown.editor->menuEditor->modeButton);
        const QString eager = shown.text();
        shown.click(shown.editor->menuEditor->saveButton);
        const QByteArray eagerSaved = shown.dir.readFile("ncfile/p.nc");

        Page hidden;
        hidden.editor->hide();
        hidden.dir.writeFile("ncfile/p.nc", bytes);
        QVERIFY(hidden.editor->loadFile(Page::T() + "/ncfile/p.nc"));
        QVERIFY(hidden.editor->textEdit->document()->isEmpty());
        hidden.editor->show();
        QTRY_COMPARE(hidden.rows(), eagerRows);
        hidden.click(hidden.editor->menuEditor->modeButton);
        QCOMPARE(hidden.text(), eager);
        QVERIFY(!hidden.editor->textModified());
        QVERIFY(!hidden.editor->textEdit->document()->isModified());
        hidden.click(hidden.editor->menuEditor->saveButton);
        QCOMPARE(hidden.dir.readFile("ncfile/p.nc"), eagerSaved);
        QCOMPARE(hidden.notices.count(), 0);

        // Saved without ever being shown, from a later load: that load's text.
        Page unseen;
        unseen.editor->hide();
        unseen.dir.writeFile("ncfile/old.nc", "G01 X5 Y5\n");
        unseen.dir.writeFile("ncfile/p.nc", bytes);
        QVERIFY(unseen.editor->loadFile(Page::T() + "/ncfile/old.nc"));
        QVERIFY(unseen.editor->loadFile(Page::T() + "/ncfile/p.nc"));
        QVERIFY(unseen.editor->writeFile(Page::T() + "/ncfile/copy.nc"));
        QCOMPARE(unseen.dir.readFile("ncfile/copy.nc"), eagerSaved);
    }

    // Programs named in GBK by an older controller, or with a byte no codec
    // reads, are listed as the operator reads them; a name taken from the
    // list or typed as it shows opens and saves that very file, and no new
    // file appears beside it.
    void namesNotUtf8OpenAndSaveAsThemselves_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("how");
        const QByteArray gbk("n\xc7\xd0.nc");
        const QString gbkShown = QString::fromUtf8("n切.nc");
        QTest::newRow("GBK, clicked in the list, Return") << gbk << gbkShown << int(Chosen::Clicked);
        QTest::newRow("GBK, moved to with keys, accept button") << gbk << gbkShown << int(Chosen::Keys);
        QTest::newRow("GBK, typed as it shows, Return") << gbk << gbkShown << int(Chosen::Typed);
        QTest::newRow("GBK, completed from the list, Return") << gbk << gbkShown << int(Chosen::Completed);
        QTest::newRow("a lone FF, typed as it shows, Return")
            << QByteArray("\xff.nc") << QString("\\xFF.nc") << int(Chosen::Typed);
    }

    void namesNotUtf8OpenAndSaveAsThemselves()
    {
        QFETCH(QByteArray, raw);
        QFETCH(QString, shown);
        QFETCH(int, how);
        Page p;
        const QByteArray folder = QFile::encodeName(Page::T()) + "/ncfile";
        const QByteArray program("G00 X0 Y0 (\xc7\xd0\xb8\xee)\nG01 X100 Y0\n");
        for (const QByteArray &name :
             {QByteArray("n\xc7\xd0.nc"), QByteArray("\xff.nc"), QByteArray("切割.nc"), QByteArray("a.nc")})
            QVERIFY(RawFiles::write(folder + '/' + name, name == raw ? program : QByteArray("G01 X1 Y0\n")));
        const QList<QByteArray> names = RawFiles::names(folder);
        QCOMPARE(names.size(), 4);

        p.click(p.editor->menuEditor->openButton);
        QFileDialog *open = p.editor->openFileDialog();
        QVERIFY(open && open->isVisible());
        QStringList all = {"a.nc", "切割.nc", "n切.nc", "\\xFF.nc"};
        all.sort();
        QTRY_COMPARE(listed(open), all);
        choose(open, Chosen(how), shown);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(p.text(), QString::fromUtf8("G00 X0 Y0 (切割)\nG01 X100 Y0\n"));
        QCOMPARE(p.name(), "编辑文件名:" + Page::T() + "/ncfile/" + shown);
        QCOMPARE(QFile::encodeName(p.editor->currentFile()), folder + '/' + raw);

        // Saved from the text view: the table writes its own rows. Dated
        // back, so the file shows it was written.
        const QByteArray path = folder + '/' + raw;
        const timespec longAgo[2] = {{1, 0}, {1, 0}};
        QCOMPARE(utimensat(AT_FDCWD, path.constData(), longAgo, 0), 0);
        p.click(p.editor->menuEditor->modeButton);
        p.click(p.editor->menuEditor->saveButton);
        struct stat written {
        };
        QCOMPARE(stat(path.constData(), &written), 0);
        QVERIFY(written.st_mtim.tv_sec > 1);
        QCOMPARE(RawFiles::read(path), program);
        QCOMPARE(RawFiles::names(folder), names);

        QTest::keyClick(p.editor->textEdit, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(p.editor->textEdit, "M02");
        p.click(p.editor->menuEditor->saveAsButton);
        QFileDialog *save = p.editor->saveFileDialog();
        QVERIFY(save && save->isVisible());
        choose(save, Chosen(how), shown);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(RawFiles::read(path), program + "M02");
        QCOMPARE(RawFiles::names(folder), names);
        QCOMPARE(p.name(), "编辑文件名:" + Page::T() + "/ncfile/" + shown);
        QCOMPARE(p.notices.count(), 0);
    }

    void quietLoadKeyboardAndLock()
    {
        Page p;
        p.dir.writeFile("ncfile/k.nc", "G01 X3 Y0\n");
        QVERIFY(p.editor->loadFile(Page::T() + "/ncfile/k.nc"));
        const QString missing = Page::T() + "/ncfile/none.nc";
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Cannot read file " + missing + ":\nNo such file or directory."));
        QVERIFY(!p.editor->loadFile(missing, true));
        QCOMPARE(p.notices.count(), 0);
        QVERIFY(!p.editor->loadFile(missing));
        QCOMPARE(p.notices.count(), 1);
        QCOMPARE(p.notices.last().text, "Cannot read file " + missing + ":\nNo such file or directory.");
        QCOMPARE(p.rows(), QStringList({"G01 X       3 Y       0"}));
        QCOMPARE(p.name(), "编辑文件名:" + Page::T() + "/ncfile/k.nc");
        QCOMPARE(p.text(), "G01 X3 Y0\n");

        KMenuEditor1 *keys = p.editor->menuEditor;
        QVERIFY(!keys->keyboardButton->isEnabled());
        QCOMPARE(keys->keyboardButton->text(), " 键 盘");
        QCOMPARE(keys->keyboardButton->shortcut(), QKeySequence(Qt::Key_F8));
        QSignalSpy shown(keys, &KMenuEditor1::editkeyShow);
        QSignalSpy hidden(keys, &KMenuEditor1::editkeyHide);
        keys->showKeyboard();
        QCOMPARE(keys->keyboardButton->text(), "隐藏键盘");
        QCOMPARE(keys->keyboardButton->shortcut(), QKeySequence(Qt::Key_F8));
        QCOMPARE(p.editor->size(), QSize(490, 420));
        QCOMPARE(p.editor->textEdit->size(), QSize(490, 420));
        QCOMPARE(shown.count(), 1);
        keys->hideKeyboard();
        keys->hideKeyboard();
        QCOMPARE(hidden.count(), 2);
        QCOMPARE(p.editor->size(), QSize(490, 649));
        QCOMPARE(p.editor->textEdit->size(), QSize(490, 649));
        QCOMPARE(keys->keyboardButton->text(), " 键 盘");
        QCOMPARE(keys->keyboardButton->shortcut(), QKeySequence(Qt::Key_F8));

        QSignalSpy modes(p.editor, &KEditor::editorModeChanged);
        p.click(keys->scaleButton);
        QVERIFY(KButton::lockRelease()->isActive());
        keys->modeButton->click();
        QVERIFY(p.editor->blDialog->isVisible());
        QCOMPARE(p.editor->editorMode(), 0);
        QCOMPARE(modes.count(), 0);
    }

    // A row of blanks is a line of the program: only an exactly empty row is
    // dropped by the apply. In a 53 block a blank line after a sign line
    // hides the end code under it.
    void blankRowIsApplied()
    {
        Page p;
        const QStringList rows = {"53", "+100+0", "   ", "54", "+0+200", "54"};
        p.editor->setRows(rows.size() + 1);
        for (int r = 0; r < rows.size(); ++r)
            p.editor->setItem(r, 0, new QTableWidgetItem(rows[r]));
        p.editor->setItem(rows.size(), 0, new QTableWidgetItem(QString()));
        QVERIFY(p.editor->saveTempFile());
        QCOMPARE(p.rows(), rows);
        QCOMPARE(p.eNc(), QByteArray("G01 X    1000 Y       0\nG01 X       0 Y    2000\n"));
    }
};

QTEST_MAIN(KEditorTest)
#include "KEditorTest.moc"
