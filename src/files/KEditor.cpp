#include "files/KEditor.h"

#include "app/base/BasePath.h"
#include "app/base/FileChooser.h"
#include "app/base/FileNames.h"
#include "app/base/FileSave.h"
#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"
#include "app/base/Notice.h"
#include "app/base/ProgramFile.h"
#include "files/KBLDialog.h"
#include "files/KEditorName.h"
#include "files/KEditorSimuFrame.h"
#include "files/KMenuEditor1.h"
#include "program/KEditSimu.h"
#include "program/Parser.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextEdit>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

const QString kTitle = QStringLiteral("Brenlo");

QString scratchPath(const char *name)
{
    return basePath + QStringLiteral("/.tovrelcnc/") + QLatin1String(name);
}

QString editFilePath()
{
    return scratchPath("e.nc");
}

class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

KEditor::KEditor(QWidget *parent)
    : QTableWidget(parent)
{
    setGeometry(515, 35, 490, 649);

    textEdit = new QTextEdit(parent);
    textEdit->setGeometry(515, 35, 490, 649);
    textEdit->hide();

    simuFrame = new KEditorSimuFrame(parent);
    simuFrame->setGeometry(2, 2, 500, 455);
    simuFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    simuFrame->hide();

    nameFrame = new KEditorName(parent);
    nameFrame->setGeometry(515, 5, 490, 25);
    nameFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    nameFrame->hide();

    menuEditor = new KMenuEditor1(parent);
    menuEditor->setGeometry(0, 686, 1024, 60);
    menuEditor->hide();

    blDialog = new KBLDialog(parent);

    textEdit->installEventFilter(this);
    simuFrame->installEventFilter(this);

    setRowCount(10);
    setColumnCount(1);
    setColumnWidth(0, 430);
    setHorizontalHeaderLabels({tr("程序代码")});

    connect(textEdit->document(), &QTextDocument::contentsChanged, this, &KEditor::documentWasModified);
    connect(menuEditor->newButton, &KButton::kclicked, this, &KEditor::newFile);
    connect(menuEditor->openButton, SIGNAL(kclicked()), this, SLOT(openFile()));
    connect(menuEditor->saveButton, &KButton::kclicked, this, &KEditor::save);
    connect(menuEditor->saveAsButton, &KButton::kclicked, this, &KEditor::saveAs);
    connect(menuEditor->applyButton, &KButton::kclicked, this, &KEditor::saveTempFile);
    connect(this, &QTableWidget::itemSelectionChanged, this, &KEditor::setSelectedItems);
    connect(menuEditor->modeButton, &KButton::kclicked, this, &KEditor::editorModeChange);
    connect(menuEditor, &KMenuEditor1::editkeyShow, this, &KEditor::editkeyShow);
    connect(menuEditor, &KMenuEditor1::editkeyHide, this, &KEditor::editkeyHide);
    connect(menuEditor->scaleButton, &KButton::kclicked, this, &KEditor::showBL);
    connect(blDialog, &QDialog::accepted, this, &KEditor::changeBL);

    showEditor();
}

KEditor::~KEditor() = default;

KEditSimu *KEditor::editSimu() const
{
    return simuFrame->editSimu;
}

Parser *KEditor::parser() const
{
    return editSimu()->parser;
}

void KEditor::redrawPath()
{
    if (!simuFrame->isVisible()) {
        pathPending = true;
        return;
    }
    pathPending = false;
    editSimu()->resetView();
    editSimu()->draw();
}

// A parse that fails has already prefilled and partly filled editSegments
// (e.nc and the record count stay): put the table back, so the path view and
// a later save keep working on the program the editor still shows. The
// warning names the file that failed: the program read or e.nc written.
bool KEditor::parseEditFile(const QString &name, double ratio, bool quiet)
{
    static std::vector<SegmentRecord> saved(kSegmentRows);
    std::memcpy(saved.data(), editSegments, sizeof editSegments);
    if (parser()->parseEdit(name, ratio))
        return true;
    std::memcpy(editSegments, saved.data(), sizeof editSegments);
    tell(parser()->lastFailure().text(), quiet);
    return false;
}

void KEditor::tell(const QString &text, bool quiet)
{
    if (quiet)
        qWarning("%s", qPrintable(text));
    else
        Notice::warning(this, kTitle, text);
}

void KEditor::warnRead(const QString &name, const FileError &reason, bool quiet)
{
    tell(Parser::Failure{name, reason, false}.text(), quiet);
}

void KEditor::warnWrite(const QString &name, const FileError &reason, bool quiet)
{
    tell(Parser::Failure{name, reason, true}.text(), quiet);
}

// ---------------------------------------------------------------- files

bool KEditor::loadFile(const QString &fileName, bool quiet)
{
    // Only a plain file of bounded size is read at all: a pipe or a device
    // named as the last program must not hold up the start.
    QByteArray bytes;
    FileError reason;
    if (!ProgramFile::read(fileName, &bytes, &reason)) {
        warnRead(fileName, reason, quiet);
        return false;
    }
    if (!parseEditFile(fileName, 1.0, quiet))
        return false;
    setRows(parser()->getMaxNedit());
    // Filling the views of a long program takes longer than the rest of the
    // load together; a load behind another page (the last program at
    // start-up) leaves the rows and the path to the moment the page is shown,
    // and the text to the moment the text view is shown or saved.
    const bool shown = isVisible() || textEdit->isVisible();
    if (shown) {
        loadEditFile();
    } else {
        pendingRows = readEditFile();
        rowsPending = true;
    }
    redrawPath();
    pendingText = fileText.load(bytes);
    textPending = true;
    if (shown)
        fillText();
    setCurrentFile(fileName);
    return true;
}

void KEditor::fillText()
{
    if (!textPending)
        return;
    textPending = false;
    // The text is the file as loaded, not an edit.
    const bool wasModified = modified;
    const bool documentModified = textEdit->document()->isModified();
    {
        WaitCursor wait;
        textEdit->setPlainText(pendingText);
    }
    pendingText.clear();
    modified = wasModified;
    textEdit->document()->setModified(documentModified);
}

bool KEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == textEdit && event->type() == QEvent::Show)
        fillText();
    else if (watched == simuFrame && event->type() == QEvent::Show)
        catchUpLater();
    return QTableWidget::eventFilter(watched, event);
}

// Hidden while it holds the keyboard (the page is left), the table would
// take the toolkit's step to the next widget as a Tab and move its current
// row one down each time: the keyboard simply moves on.
bool KEditor::focusNextPrevChild(bool next)
{
    if (!isVisible())
        return QWidget::focusNextPrevChild(next);
    return QTableWidget::focusNextPrevChild(next);
}

void KEditor::showEvent(QShowEvent *event)
{
    catchUpLater();
    QTableWidget::showEvent(event);
}

// Queued: a page that is shown and then given a program at once fills only
// the views of that program.
void KEditor::catchUpLater()
{
    if (rowsPending || pathPending)
        QMetaObject::invokeMethod(this, &KEditor::catchUp, Qt::QueuedConnection);
}

void KEditor::catchUp()
{
    if (isVisible())
        fillRows();
    if (pathPending)
        redrawPath();
}

void KEditor::fillRows()
{
    if (!rowsPending)
        return;
    rowsPending = false;
    setRowTexts(pendingRows);
    pendingRows.clear();
}

void KEditor::dropPendingText()
{
    textPending = false;
    pendingText.clear();
}

QByteArray KEditor::readEditFile() const
{
    QByteArray bytes;
    ProgramFile::read(editFilePath(), &bytes, nullptr);
    return bytes;
}

void KEditor::loadEditFile()
{
    rowsPending = false;
    pendingRows.clear();
    setRowTexts(readEditFile());
}

void KEditor::setRowTexts(const QByteArray &bytes)
{
    const int rows = rowCount();
    int row = 0;
    int start = 0;
    while (row < rows && start < bytes.size()) {
        int end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        if (end == start)
            break;
        const QString line = QString::fromUtf8(bytes.constData() + start, end - start);
        if (QTableWidgetItem *old = item(row, 0))
            old->setText(line);
        else
            setItem(row, 0, new QTableWidgetItem(line));
        ++row;
        start = end + 1;
    }
}

void KEditor::setRows(int n)
{
    setRowCount(n);
}

bool KEditor::saveTempFile()
{
    fillRows();
    nextline();
    prevline();
    // With a single row the two moves leave the cell where it is, and an
    // editor still open there would keep what was typed into it.
    if (state() == QAbstractItemView::EditingState)
        currentChanged(currentIndex(), currentIndex());

    QByteArray bytes;
    for (int row = 0; row < rowCount();) {
        const QTableWidgetItem *it = item(row, 0);
        const QString text = it ? it->text() : QString();
        if (text.isEmpty()) {
            removeRow(row);
            continue;
        }
        bytes += text.toUtf8();
        bytes += '\n';
        ++row;
    }

    // A stale e.nc must not reach the text view and from there the
    // operator's file.
    const QString name = editFilePath();
    FileError reason;
    if (!FileSave::write(name, bytes, &reason)) {
        warnWrite(name, reason);
        return false;
    }
    if (!parseEditFile(name, 1.0))
        return false;
    redrawPath();

    QByteArray normalised;
    if (!ProgramFile::read(name, &normalised, &reason)) {
        warnRead(name, reason);
        return false;
    }
    // The edited file keeps its codec; its lines now end alike.
    dropPendingText();
    textEdit->setPlainText(EditorText().load(normalised));
    fileText.markEdited();
    return true;
}

void KEditor::changeBL()
{
    bool ok = false;
    double ratio = blDialog->ratioEdit->text().toDouble(&ok);
    // "nan" and "inf" read as numbers; either would collapse or blow up
    // every coordinate.
    if (!ok || !std::isfinite(ratio))
        ratio = 0.0;
    if (ratio < 0.01) {
        ratio = 0.01;
        blDialog->ratioEdit->setText(QString::number(ratio, 'g', 6));
    } else if (ratio > 100) {
        ratio = 100;
        blDialog->ratioEdit->setText(QString::number(ratio, 'g', 6));
    }
    if (!parseEditFile(editFilePath(), ratio))
        return;
    redrawPath();
    loadEditFile();
}

void KEditor::newFile()
{
    const QString name = scratchPath("null");
    FileError reason;
    if (!FileSave::write(name, QByteArray(), &reason)) {
        warnWrite(name, reason);
        return;
    }
    if (!parseEditFile(name, 1.0))
        return;
    setRows(parser()->getMaxNedit());
    dropPendingText();
    textEdit->clear();
    fileText.reset();
    isUntitled = true;
    nameFrame->nameLabel->setText(tr("编辑文件名:(空)"));
    loadEditFile();
    redrawPath();
}

void KEditor::setCurrentFile(const QString &name)
{
    curFile = name;
    modified = false;
    isUntitled = false;
    textEdit->document()->setModified(false);
    nameFrame->nameLabel->setText(tr("编辑文件名:") + FileNames::shown(name));
}

bool KEditor::writeFile(const QString &fileName)
{
    fillText();
    const QString text = EditorText::plainText(textEdit->document());
    // A document that shows nothing (no character, or only white space,
    // control and format characters) would only empty the program of that
    // name, a new document saved under an old name: it is no program.
    if (EditorText::isBlank(text) && QFileInfo(fileName).isFile()) {
        tell(tr("文档为空,不能保存!"), false);
        return false;
    }
    // A character typed into a program whose codec lacks it would be written
    // as another one: the program stays as it is, and the operator is told
    // which character stands in the way.
    QByteArray bytes;
    EditorText::Unwritable unwritable;
    if (!fileText.save(text, &bytes, &unwritable)) {
        tell(
            tr("第 %1 行的字符 \"%2\" 不能按本程序的编码保存,不能保存!").arg(unwritable.line).arg(unwritable.character),
            false);
        return false;
    }
    FileError reason;
    bool written;
    {
        WaitCursor wait;
        written = FileSave::write(fileName, bytes, &reason, FileSave::ExistingFolder);
    }
    if (!written) {
        warnWrite(fileName, reason);
        return false;
    }
    setCurrentFile(fileName);
    return true;
}

// False whenever the writing is handed to the save dialog: nothing is saved
// yet, and an open waiting on this answer must not go ahead. Only a new
// program and the pierce part ask for a name; otherwise the file last read
// is written, and with none read (an empty name) the write fails and is
// told.
bool KEditor::save()
{
    if (mode == 0 && !saveTempFile())
        return false;
    if (isUntitled || curFile == scratchPath("ck.nc")) {
        saveAs();
        return false;
    }
    return writeFile(curFile);
}

void KEditor::saveAs()
{
    if (mode == 0 && !saveTempFile())
        return;
    if (!saveDialog) {
        saveDialog = makeFileDialog(tr("保存文件"), tr("\n保存文件\n"), 450);
        connect(saveDialog, &QDialog::accepted, this, &KEditor::saveAcc);
    }
    showFileDialog(saveDialog);
}

bool KEditor::saveAcc()
{
    const QString name = saveDialog->selectedFiles().value(0);
    if (name.isEmpty())
        return false;
    return writeFile(name);
}

void KEditor::openFile(const QString &)
{
    if (!openDialog) {
        openDialog = makeFileDialog(tr("打开文件"), tr("\n打开文件\n"), 430);
        connect(openDialog, &QDialog::accepted, this, &KEditor::openAcc);
    }
    showFileDialog(openDialog);
}

void KEditor::openAcc()
{
    const QString name = openDialog->selectedFiles().value(0);
    if (name.isEmpty())
        return;
    fillText();
    if ((!textEdit->document()->isEmpty() || modified) && !maybeSave())
        return;
    loadFile(name);
}

bool KEditor::maybeSave()
{
    if (!textEdit->document()->isModified())
        return true;
    const QMessageBox::StandardButton answer = Notice::warning(
        this, kTitle, QStringLiteral("The document has been modified.\nDo you want to save your changes?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return save();
    return answer == QMessageBox::No;
}

QFileDialog *KEditor::makeFileDialog(const QString &title, const QString &acceptText, int height)
{
    // The toolkit's own dialog in its open mode: no overwrite question, and
    // the name is used exactly as chosen.
    auto *dialog = new FileChooser(this);
    dialog->setGeometry(200, 20, 700, height);
    dialog->setWindowTitle(title);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(tr("NC文件 (*.NC *.nc *)"));
    dialog->setViewMode(QFileDialog::Detail);
    dialog->setLabelText(QFileDialog::Accept, acceptText);
    dialog->setLabelText(QFileDialog::Reject, tr("\n取 消\n"));
    return dialog;
}

void KEditor::showFileDialog(QFileDialog *dialog)
{
    dialog->setDirectory(QDir::currentPath() + QStringLiteral("/ncfile"));
    KeyFocus::open(dialog);
}

void KEditor::documentWasModified()
{
    modified = true;
}

// ---------------------------------------------------------------- modes

void KEditor::showEditor()
{
    mode = 0;
    textEdit->hide();
    show();
    setFocus(Qt::OtherFocusReason);
}

void KEditor::showText()
{
    mode = 1;
    hide();
    textEdit->show();
    textEdit->setFocus();
}

void KEditor::editorModeChange()
{
    if (mode == 1)
        showEditor();
    else
        showText();
    emit editorModeChanged(mode);
}

void KEditor::showBL()
{
    KeyFocus::open(blDialog, blDialog->ratioEdit);
}

void KEditor::editkeyShow()
{
    resize(490, 420);
    textEdit->resize(490, 420);
    if (QTableWidgetItem *it = currentItem())
        scrollToItem(it);
}

void KEditor::editkeyHide()
{
    resize(490, 649);
    textEdit->resize(490, 649);
}

// ---------------------------------------------------------------- rows

void KEditor::setSelectedItems()
{
    if (holdSelection)
        return;
    selectedRows.clear();
    const QList<QTableWidgetItem *> items = selectedItems();
    selectedRows.reserve(items.size());
    for (const QTableWidgetItem *it : items)
        selectedRows << row(it);
    std::sort(selectedRows.begin(), selectedRows.end());
    editSimu()->setSelectedRows(selectedRows);
}

void KEditor::prevline()
{
    const int r = currentRow() - 1;
    if (r >= 0 && r < rowCount())
        selectRow(r);
}

void KEditor::nextline()
{
    const int r = currentRow() + 1;
    if (r >= 0 && r < rowCount())
        selectRow(r);
}

void KEditor::prevpage()
{
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
}

void KEditor::nextpage()
{
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
}

void KEditor::addRowp()
{
    const int r = currentRow();
    if (r < 0)
        return;
    insertRow(r);
    auto *it = new QTableWidgetItem;
    setItem(r, 0, it);
    setCurrentCell(r, 0);
    editItem(it);
}

void KEditor::addRown()
{
    const int r = currentRow() + 1;
    insertRow(r);
    auto *it = new QTableWidgetItem;
    setItem(r, 0, it);
    setCurrentCell(r, 0);
    editItem(it);
}

void KEditor::editRow()
{
    if (QTableWidgetItem *it = currentItem())
        editItem(it);
}

void KEditor::delRows()
{
    // An item that left the table reports row -1, and a row named twice
    // would be removed twice: either would shift every later removal.
    std::vector<int> rows;
    rows.reserve(selectedRows.size());
    for (int r : selectedRows) {
        if (r >= 0 && r < rowCount())
            rows.push_back(r);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    holdSelection = true;
    // From the end, a run of neighbouring rows at a time, so no removal
    // moves a row still to be removed.
    for (auto last = rows.rbegin(); last != rows.rend();) {
        auto first = last;
        while (std::next(first) != rows.rend() && *std::next(first) == *first - 1)
            ++first;
        model()->removeRows(*first, *last - *first + 1);
        last = std::next(first);
    }
    holdSelection = false;
    setSelectedItems();
    saveTempFile();
}

void KEditor::setSelectionMethod(int method)
{
    if (method == 1)
        setSelectionMode(QAbstractItemView::ExtendedSelection);
    else if (method == 2)
        setSelectionMode(QAbstractItemView::MultiSelection);
}

void KEditor::clearSel()
{
    clearSelection();
}
