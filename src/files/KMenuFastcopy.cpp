#include "files/KMenuFastcopy.h"

#include "app/base/FileChooser.h"
#include "app/base/FileNames.h"
#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"
#include "app/base/Notice.h"
#include "files/KFastcopy.h"
#include "files/KMyView.h"

#include <QDirModel>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QProcess>

namespace {

const char kBoxTitle[] = "Brenlo";

// The floppy is mounted again before its folder is listed, so a disk changed
// since the last look shows its own programs. Whatever the commands report,
// the folder is shown.
void remountIfFloppy(const QString &path)
{
    if (path != QLatin1String("/media/floppy0/"))
        return;
    QProcess::execute(QStringLiteral("fdumount"), QStringList());
    QProcess::execute(QStringLiteral("fdmount"), {QStringLiteral("fd0"), QStringLiteral("/media/floppy0")});
}

void showFolder(const QString &path, QString &folder, QLineEdit *pathEdit, QDirModel *model, QAbstractItemView *view)
{
    if (path.isEmpty())
        return;
    remountIfFloppy(path);
    folder = path;
    pathEdit->setText(FileNames::shown(path));
    model->refresh();
    view->setRootIndex(model->index(path, 0));
}

QString firstSelected(QObject *sender)
{
    auto *dialog = qobject_cast<QFileDialog *>(sender);
    return dialog ? dialog->selectedFiles().value(0) : QString();
}

} // namespace

QStringList KMenuFastcopy::entryNames(const QDirModel *model, const QModelIndexList &indexes)
{
    QStringList names;
    for (const QModelIndex &index : indexes)
        names << model->fileName(index);
    return names;
}

KMenuFastcopy::KMenuFastcopy(QWidget *parent)
    : QWidget(parent)
{
    escButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    srcButton = FunctionKey::make(this, 1, tr("选择源\n文件目录"));
    srcFileButton = FunctionKey::make(this, 2, tr("选择\n复制文件"));
    allButton = FunctionKey::make(this, 3, tr("全选"), QStringLiteral(":/icon/selectall.png"));
    copyButton = FunctionKey::make(this, 4, tr("复制"), QStringLiteral(":/icon/copy.png"));
    desButton = FunctionKey::make(this, 5, tr("选择目标\n文件目录"));
    desFileButton = FunctionKey::make(this, 6, tr("选择\n删除文件"));
    delButton = FunctionKey::make(this, 7, tr("删除"), QStringLiteral(":/icon/del.png"));

    fastcopy = new KFastcopy(parentWidget());
    fastcopy->setGeometry(260, 34, 582, 650);
    fastcopy->hide();

    // clicked(), not kclicked(): these keys act on every click, lock or not.
    connect(srcButton, SIGNAL(clicked()), this, SLOT(src()));
    connect(desButton, SIGNAL(clicked()), this, SLOT(des()));
    connect(srcFileButton, SIGNAL(clicked()), this, SLOT(srcFile()));
    connect(desFileButton, SIGNAL(clicked()), this, SLOT(desFile()));
    connect(allButton, SIGNAL(clicked()), this, SLOT(all()));
    connect(copyButton, SIGNAL(clicked()), this, SLOT(copy()));
    connect(delButton, SIGNAL(clicked()), this, SLOT(del()));
}

QFileDialog *KMenuFastcopy::makeChooser(const QString &title, const QString &folder, const char *acceptSlot)
{
    auto *dialog = new FileChooser(this);
    dialog->setGeometry(300, 70, 700, 530);
    dialog->setWindowTitle(title);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setDirectory(folder);
    dialog->setViewMode(QFileDialog::Detail);
    dialog->setLabelText(QFileDialog::Accept, tr("\n打开文件夹\n"));
    dialog->setLabelText(QFileDialog::Reject, tr("\n取  消\n"));
    dialog->setModal(false);
    connect(dialog, SIGNAL(accepted()), this, acceptSlot);
    return dialog;
}

void KMenuFastcopy::src()
{
    if (!srcDialog)
        srcDialog = makeChooser(tr("选择源文件夹"), fastcopySourceDir(), SLOT(srcAcc()));
    else
        srcDialog->setDirectory(fastcopy->srcFolder);
    KeyFocus::open(srcDialog);
}

void KMenuFastcopy::des()
{
    if (!desDialog)
        desDialog = makeChooser(tr("选择目标文件夹"), fastcopyTargetDir(), SLOT(desAcc()));
    else
        desDialog->setDirectory(fastcopy->desFolder);
    KeyFocus::open(desDialog);
}

void KMenuFastcopy::enterPage()
{
    resetChoosers();
    fastcopy->refreshViews();
    // The entry drops every pick: a "取消全选" left by the last visit would
    // make the first F3 of this one only relabel the key.
    if (allPicked)
        allcancel();
}

void KMenuFastcopy::resetChoosers()
{
    for (QFileDialog **dialog : {&srcDialog, &desDialog}) {
        if (*dialog) {
            (*dialog)->close();
            (*dialog)->deleteLater();
            *dialog = nullptr;
        }
    }
}

// The path comes from the chooser that was accepted, which may be one dropped
// on a later entry to the page.
void KMenuFastcopy::srcAcc()
{
    acceptSource(firstSelected(sender()));
}

void KMenuFastcopy::desAcc()
{
    acceptTarget(firstSelected(sender()));
}

void KMenuFastcopy::acceptSource(const QString &path)
{
    showFolder(path, fastcopy->srcFolder, fastcopy->srcPathEdit, fastcopy->srcModel, fastcopy->srcView);
}

void KMenuFastcopy::acceptTarget(const QString &path)
{
    showFolder(path, fastcopy->desFolder, fastcopy->desPathEdit, fastcopy->desModel, fastcopy->desView);
}

void KMenuFastcopy::srcFile()
{
    enterList(fastcopy->srcView);
}

void KMenuFastcopy::desFile()
{
    enterList(fastcopy->desView);
}

// Space toggles the list's current entry: each entering makes the first entry
// current, so the first Space neither goes for nothing nor toggles an entry
// left current by an earlier visit.
void KMenuFastcopy::enterList(QAbstractItemView *view)
{
    view->setFocus(Qt::OtherFocusReason);
    if (!view->model())
        return;
    const QModelIndex first = view->model()->index(0, 0, view->rootIndex());
    if (first.isValid())
        view->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
}

void KMenuFastcopy::all()
{
    fastcopy->srcView->selectAll();
    allPicked = true;
    FunctionKey::relabel(allButton, tr("取消全选"));
    FunctionKey::rerole(allButton, this, SLOT(allcancel()));
}

void KMenuFastcopy::allcancel()
{
    fastcopy->srcView->clearSelection();
    allPicked = false;
    FunctionKey::relabel(allButton, tr("全选"));
    FunctionKey::rerole(allButton, this, SLOT(all()));
}

ProgramCopy::Answer KMenuFastcopy::respond(const ProgramCopy::Outcome &outcome)
{
    const QString title = QString::fromLatin1(kBoxTitle);
    if (!outcome.isQuestion()) {
        Notice::critical(this, title, outcome.text(), QMessageBox::Ok);
        return ProgramCopy::Answer::No;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Abort;
    if (outcome.offersYesToAll())
        buttons |= QMessageBox::YesToAll;
    switch (Notice::warning(this, title, outcome.text(), buttons, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return ProgramCopy::Answer::Yes;
    case QMessageBox::YesToAll:
        return ProgramCopy::Answer::YesToAll;
    case QMessageBox::Abort:
        return ProgramCopy::Answer::Abort;
    default:
        return ProgramCopy::Answer::No;
    }
}

void KMenuFastcopy::showTargetAfresh()
{
    fastcopy->desModel->refresh();
    fastcopy->desView->setRootIndex(fastcopy->desModel->index(fastcopy->desFolder, 0));
}

void KMenuFastcopy::copy()
{
    const auto respond = [this](const ProgramCopy::Outcome &o) { return this->respond(o); };
    if (ProgramCopy::copy(fastcopy->srcFolder, fastcopy->desFolder,
                          entryNames(fastcopy->srcModel, fastcopy->srcView->selectedIndexList()), respond))
        showTargetAfresh();
}

void KMenuFastcopy::del()
{
    const auto respond = [this](const ProgramCopy::Outcome &o) { return this->respond(o); };
    if (ProgramCopy::remove(fastcopy->desFolder, entryNames(fastcopy->desModel, fastcopy->desView->selectedIndexList()),
                            respond))
        showTargetAfresh();
}
