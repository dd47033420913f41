#include "files/KPreview.h"

#include "app/base/BasePath.h"
#include "app/base/FileChooser.h"
#include "app/base/FileFailure.h"
#include "app/base/FileNames.h"
#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"
#include "app/base/Notice.h"
#include "app/base/ProgramFile.h"
#include "files/KMenuPreview1.h"
#include "files/KPreviewSimuFrame.h"
#include "files/ShownDirModel.h"
#include "program/KPreviewSimu.h"
#include "program/NcWriter.h"
#include "program/Parser.h"
#include "program/SegmentTable.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <cstring>

QString previewCurrentDir;
QString previewSelectedFile;
QFileDialog *previewLocalDialog = nullptr;
QFileDialog *previewUsbDialog = nullptr;

namespace {

// Rows a page key moves, whatever the list's height.
constexpr int kPageRows = 30;

QString scratchProgram()
{
    return basePath + QStringLiteral("/.tovrelcnc/t.nc");
}

} // namespace

KPreview::KPreview(QWidget *parent)
    : QListView(parent)
    , compensated(kSegmentRows)
    , keptCut(kSegmentRows)
{
    setGeometry(515, 95, 490, 589);
    setFocusPolicy(Qt::NoFocus);
    hide();

    folderLabel = new QLabel(parent);
    folderLabel->setText(tr("所在文件夹:"));
    folderLabel->setGeometry(515, 5, 100, 25);
    folderLabel->hide();

    folderEdit = new QLineEdit(parent);
    folderEdit->setGeometry(620, 5, 385, 25);
    folderEdit->setReadOnly(true);
    folderEdit->hide();
    folderEdit->setFocusPolicy(Qt::NoFocus);

    fileNameLabel = new QLabel(parent);
    fileNameLabel->setText(tr("文件名:"));
    fileNameLabel->setGeometry(515, 35, 100, 25);
    fileNameLabel->hide();

    fileNameEdit = new QLineEdit(parent);
    fileNameEdit->setGeometry(620, 35, 275, 25);
    fileNameEdit->hide();

    previewFrame = new KPreviewSimuFrame(parent);
    previewFrame->setGeometry(2, 2, 500, 455);
    previewFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    previewFrame->hide();

    keyRow = new KMenuPreview1(parent);
    keyRow->setGeometry(0, 686, 1024, 60);
    keyRow->hide();

    searchButton = new KButton(parent);
    searchButton->setGeometry(905, 35, 100, 56);
    FunctionKey::addKeyName(searchButton, QStringLiteral("Enter"), QPoint(67, 2));
    searchButton->setText(tr("搜索文件"));
    searchButton->hide();

    // The list owns its model: it goes with the list.
    dirModel = new ShownDirModel(this);
    setModel(dirModel);

    previewCurrentDir = QDir::currentPath() + QStringLiteral("/ncfile/");
    folderIndex = dirModel->index(previewCurrentDir, 0);
    setRootIndex(folderIndex);
    folderEdit->setText(FileNames::shown(previewCurrentDir));

    connect(fileNameEdit, SIGNAL(returnPressed()), this, SLOT(search()));
    connect(searchButton, SIGNAL(clicked()), fileNameEdit, SIGNAL(returnPressed()));
    connect(keyRow->localButton, SIGNAL(kclicked()), this, SLOT(foldhd()));
    connect(keyRow->usbButton, SIGNAL(kclicked()), this, SLOT(foldusb()));
    connect(keyRow->openButton, SIGNAL(kclicked()), this, SLOT(openFile()));
    connect(keyRow->addButton, SIGNAL(kclicked()), this, SLOT(addFile()));
    connect(keyRow->editorButton, SIGNAL(kclicked()), this, SLOT(editFile()));
    connect(keyRow, SIGNAL(previewChanged(int)), this, SLOT(setPreview(int)));
    connect(keyRow, SIGNAL(compChanged(int)), this, SLOT(setComp(int)));
    connect(keyRow, SIGNAL(keyShow()), this, SLOT(keyShow()));
    connect(keyRow, SIGNAL(keyHide()), this, SLOT(keyHide()));

    previewLocalDialog = nullptr;
    previewUsbDialog = nullptr;
    previewOn = false;
    keyboardShown = false;
    kerf = 0.0;
    // Installing the model reported a current index: nothing is selected yet.
    previewSelectedFile.clear();

    // Nothing compensated yet: the overlay draws nothing.
    SegmentTable::prefill(compensated.data());
    overlayView = previewFrame->previewSimu;
    overlayView->setCompensatedSource(compensated.data());
}

KPreview::~KPreview()
{
    if (overlayView)
        overlayView->setCompensatedSource(nullptr);
    // The choosers are the list's children and go with it.
    if (previewLocalDialog && previewLocalDialog->parent() == this)
        previewLocalDialog = nullptr;
    if (previewUsbDialog && previewUsbDialog->parent() == this)
        previewUsbDialog = nullptr;
}

KPreviewSimu *KPreview::view() const
{
    return previewFrame->previewSimu;
}

void KPreview::enterPage()
{
    dirModel->refresh();
    folderIndex = dirModel->index(previewCurrentDir, 0);
    setRootIndex(folderIndex);
    setCurrentIndex(dirModel->index(0, 0, folderIndex));
    fileNameEdit->setFocus();
}

void KPreview::setPageVisible(bool visible)
{
    for (QWidget *w : std::initializer_list<QWidget *>{this, folderLabel, folderEdit, fileNameLabel, fileNameEdit,
                                                       searchButton, previewFrame, keyRow})
        w->setVisible(visible);
}

// ---------------------------------------------------------------- current item

void KPreview::currentChanged(const QModelIndex &current, const QModelIndex &)
{
    scrollTo(current);
    const QString name = dirModel->fileName(current);
    previewSelectedFile = previewCurrentDir + name;
    // While typing room is shown the field keeps what the operator typed.
    if (!keyboardShown)
        fileNameEdit->setText(FileNames::shown(name));
    if (previewOn)
        showFile();
}

void KPreview::moveTo(int row)
{
    // A row outside the folder leaves no current item.
    setCurrentIndex(model()->index(row, 0, rootIndex()));
}

void KPreview::prevline()
{
    const int row = currentIndex().row();
    if (row > 0)
        moveTo(row - 1);
}

void KPreview::nextline()
{
    // Past the last row no item is current, as after a page key; the next
    // Down starts again at the top.
    moveTo(currentIndex().row() + 1);
}

void KPreview::prevpage()
{
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    moveTo(currentIndex().row() - kPageRows);
}

void KPreview::nextpage()
{
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    moveTo(currentIndex().row() + kPageRows);
}

// ---------------------------------------------------------------- preview

void KPreview::showFile()
{
    // Opened through the program reader, so a file over its cap is known
    // here before anything of it is read.
    ProgramFile::Reader file;
    FileError reason;
    if (!file.openPath(previewSelectedFile, &reason)) {
        const QString why = FileFailure{previewSelectedFile, reason, false}.text();
        // No program is that long: the previous drawing stays, as for any
        // file that cannot be read, and the next key moves on at once.
        if (file.tooLong())
            qWarning("%s", qPrintable(why));
        else
            Notice::warning(this, QStringLiteral("Brenlo"), why);
        return;
    }
    file.close();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    KPreviewSimu *v = view();
    // A program longer than the table is drawn as far as the table holds
    // it; the console says why the rest is missing.
    if (v->parser->parsePreview(previewSelectedFile) != 1)
        qWarning("%s", qPrintable(v->parser->lastFailure().text()));
    if (v->showCompensated)
        compensatedParse();
    v->resetView();
    v->draw();
    QApplication::restoreOverrideCursor();
}

void KPreview::setPreview(int on)
{
    previewOn = on != 0;
    view()->previewEnabled = previewOn;
    if (previewOn)
        showFile();
    else
        view()->drawNoPreview();
}

void KPreview::setComp(int on)
{
    KPreviewSimu *v = view();
    if (!on) {
        v->showCompensated = false;
        v->drawNoPreview();
        return;
    }
    v->showCompensated = true;
    v->parser->setParameter(0.0, kerf, 0, 10);
    compensatedParse();
    v->draw();
}

void KPreview::setParameter(double, double kerfWidth, int)
{
    kerf = kerfWidth;
}

void KPreview::compensatedParse()
{
    const QString scratch = scratchProgram();
    QByteArray keptBytes;
    FileError why;
    const bool hadScratch = ProgramFile::read(scratch, &keptBytes, &why);
    if (!hadScratch && !why.isMissing()) {
        // What cannot be kept cannot be put back: no overlay rather than
        // a lost t.nc.
        qWarning("cannot keep %s: %s", qPrintable(scratch), qPrintable(why.text()));
        SegmentTable::prefill(compensated.data());
        return;
    }
    const size_t tableBytes = sizeof(SegmentRecord) * kSegmentRows;
    std::memcpy(keptCut.data(), cutSegments, tableBytes);

    const bool parsed = view()->parser->parseMain(previewSelectedFile) == 1;
    if (parsed)
        std::memcpy(compensated.data(), cutSegments, tableBytes);
    else
        SegmentTable::prefill(compensated.data());
    std::memcpy(cutSegments, keptCut.data(), tableBytes);
    // A parse that failed wrote nothing.
    if (!parsed)
        return;
    if (hadScratch) {
        if (!NcWriter::save(scratch, keptBytes))
            qWarning("cannot restore %s", qPrintable(scratch));
    } else if (QFile::exists(scratch) && !QFile::remove(scratch)) {
        qWarning("cannot remove %s", qPrintable(scratch));
    }
}

// ---------------------------------------------------------------- folders

void KPreview::openChooser(QFileDialog *&dialog, const QString &title, const QString &folder, const char *accept)
{
    if (!dialog) {
        dialog = new FileChooser(this);
        dialog->setGeometry(200, 20, 700, 450);
        dialog->setWindowTitle(title);
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
        dialog->setDirectory(folder);
        dialog->setViewMode(QFileDialog::Detail);
        dialog->setLabelText(QFileDialog::Accept, tr("\n打开文件夹\n"));
        dialog->setLabelText(QFileDialog::Reject, tr("\n取  消\n"));
        connect(dialog, SIGNAL(accepted()), this, accept);
    } else {
        // Every showing starts over in the start folder.
        dialog->setDirectory(folder);
    }
    KeyFocus::open(dialog);
}

void KPreview::foldhd()
{
    openChooser(previewLocalDialog, tr("选择本地文件夹"), QDir::currentPath() + QStringLiteral("/ncfile"),
                SLOT(localAcc()));
}

void KPreview::foldusb()
{
    openChooser(previewUsbDialog, tr("选择U盘文件夹:"), QStringLiteral("/media"), SLOT(usbAcc()));
}

void KPreview::localAcc()
{
    if (previewLocalDialog)
        setFolder(previewLocalDialog->selectedFiles().value(0));
}

void KPreview::usbAcc()
{
    if (previewUsbDialog)
        setFolder(previewUsbDialog->selectedFiles().value(0));
}

void KPreview::setFolder(const QString &folder)
{
    // An empty answer would leave every path a bare name resolved against
    // the working directory: the old folder stays instead.
    if (folder.isEmpty())
        return;
    previewCurrentDir = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    folderEdit->setText(FileNames::shown(previewCurrentDir));
    dirModel->refresh();
    folderIndex = dirModel->index(previewCurrentDir, 0);
    setRootIndex(folderIndex);
}

// ---------------------------------------------------------------- search and typing room

void KPreview::search()
{
    fileNameEdit->selectAll();
    searchText(fileNameEdit->selectedText());
}

void KPreview::searchText(QString text)
{
    keyboardSearch(text);
    // The next typing replaces the text.
    fileNameEdit->selectAll();
}

void KPreview::keyShow()
{
    keyboardShown = true;
    resize(490, 362);
    scrollTo(currentIndex());
    fileNameEdit->selectAll();
    fileNameEdit->setFocus();
}

void KPreview::keyHide()
{
    keyboardShown = false;
    resize(490, 589);
}

// ---------------------------------------------------------------- hand-over

// What does not even open (a folder, no item, a vanished file) stays here
// without a word. What opens goes on, to the load or to the library, which
// tell why they refuse a device or an over-long file: both keys hand on the
// same entries.
void KPreview::openFile()
{
    if (ProgramFile::opensForReading(previewSelectedFile))
        emit fileOpened(previewSelectedFile);
}

void KPreview::addFile()
{
    if (ProgramFile::opensForReading(previewSelectedFile))
        emit fileAdded(previewSelectedFile);
}

void KPreview::editFile()
{
    emit fileEdit(previewSelectedFile);
}
