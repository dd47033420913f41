#include "library/KLibTable.h"

#include "app/base/BasePath.h"
#include "app/base/FileChooser.h"
#include "app/base/FileSave.h"
#include "app/base/KeyFocus.h"
#include "app/base/Notice.h"
#include "app/base/ProgramFile.h"
#include "library/KLibConfig.h"
#include "library/KLibConfigFrame.h"
#include "library/KLibPixmapFrame.h"
#include "library/shapes/ShapeCatalogue.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollBar>

namespace {

constexpr int kRows = KLibTable::kEntries / 2;

QString programFolder()
{
    return QDir::currentPath() + QStringLiteral("/ncfile");
}

void saveFailed(QWidget *parent, const char *text)
{
    Notice::critical(parent, QStringLiteral("Brenlo"), QString::fromLatin1(text));
}

} // namespace

KLibTable::KLibTable(QWidget *parent)
    : QTableWidget(parent)
{
    setRowCount(kRows);
    setColumnCount(2);
    scrollRow = 0;
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setIconSize(QSize(45, 45));
    setColumnWidth(0, 79);
    setColumnWidth(1, 79);
    for (int row = 0; row < kRows; ++row)
        setRowHeight(row, 50);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The cell text becomes the pattern list's row text: it must stay the shape's name.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // numUp()/numDown() count whole rows: the scroll bar's value is the top row.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    configFrame = new KLibConfigFrame(parent);
    configFrame->setGeometry(260, 2, 582, 140);
    configFrame->hide();
    pixmapFrame = new KLibPixmapFrame(parent);
    pixmapFrame->setGeometry(2, 2, 256, 220);
    pixmapFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    pixmapFrame->hide();

    connect(this, &QTableWidget::currentItemChanged, this, &KLibTable::setMyCurrentItem);
    // Direct: the catalogue's reset must be over before the form takes the
    // pattern's own values.
    connect(configFrame->config, &KLibConfig::selIndexShow, this, &KLibTable::setSelIndex, Qt::DirectConnection);

    for (int i = 0; i < kEntries; ++i) {
        auto *item = new QTableWidgetItem;
        if (i == 0) {
            item->setText(tr("自定义文件"));
        } else {
            const QPixmap icon(QStringLiteral(":/icon/tk/%1.png").arg(i));
            if (!icon.isNull())
                item->setIcon(QIcon(icon));
            item->setText(QStringLiteral("K%1").arg(i));
        }
        shapeItems[i] = item;
        setItem(i / 2, i % 2, item);
    }
    setCurrentCell(0, 0);
    setCurrentItem(shapeItems[0]);
}

int KLibTable::indexOf(const QTableWidgetItem *item) const
{
    for (int i = 0; i < kEntries; ++i) {
        if (item && shapeItems[i] == item)
            return i;
    }
    return -1;
}

void KLibTable::setMyCurrentItem(QTableWidgetItem *current, QTableWidgetItem *previous)
{
    KLibConfig *config = configFrame->config;
    config->hideParameters();
    config->resetPlacement();
    if (previous && previous == shapeItems[ShapeCatalogue::kGridIndex]) {
        config->angleEdit()->setEnabled(true);
        for (int mirror : {0, 2, 1, 3})
            config->mirrorRadio(mirror)->setEnabled(true);
        config->spaceXEdit()->setEnabled(true);
        config->spaceYEdit()->setEnabled(true);
    }
    const int index = indexOf(current);
    if (index < 0)
        return;
    config->setShape(index);
    QLabel *label = pixmapFrame->pixmapLabel;
    if (index == 0)
        label->setText(tr("              零件尺寸图"));
    else
        label->setPixmap(QPixmap::fromImage(QImage(QStringLiteral(":/icon/tk/k%1.png").arg(index))));
}

void KLibTable::setSelIndex(int index)
{
    if (index < 0 || index >= kEntries)
        return;
    setCurrentItem(shapeItems[index]);
}

void KLibTable::selUp()
{
    if (currentRow() > 0 && currentColumn() >= 0)
        setCurrentCell(currentRow() - 1, currentColumn());
}

void KLibTable::selDown()
{
    if (currentRow() >= 0 && currentRow() < kRows - 1 && currentColumn() >= 0)
        setCurrentCell(currentRow() + 1, currentColumn());
}

void KLibTable::selLeft()
{
    if (currentRow() >= 0 && currentColumn() == 1)
        setCurrentCell(currentRow(), 0);
}

void KLibTable::selRight()
{
    if (currentRow() >= 0 && currentColumn() == 0)
        setCurrentCell(currentRow(), 1);
}

void KLibTable::numUp()
{
    if (scrollRow > 0)
        --scrollRow;
    verticalScrollBar()->setValue(scrollRow);
}

void KLibTable::numDown()
{
    if (scrollRow < kMaxScrollRow)
        ++scrollRow;
    verticalScrollBar()->setValue(scrollRow);
}

void KLibTable::saveas()
{
    if (!saveDialog) {
        // Our own dialog, so its texts, size and behaviour are the same everywhere.
        saveDialog = new FileChooser(this);
        saveDialog->resize(700, 530);
        saveDialog->move(300, 70);
        saveDialog->setWindowTitle(tr("保存文件"));
        saveDialog->setFileMode(QFileDialog::AnyFile);
        saveDialog->setNameFilter(tr("NC文件 (*.NC *.nc *)"));
        saveDialog->setDirectory(programFolder());
        saveDialog->setViewMode(QFileDialog::Detail);
        saveDialog->setLabelText(QFileDialog::Accept, tr("\n保 存\n"));
        saveDialog->setLabelText(QFileDialog::Reject, tr("\n取 消\n"));
        connect(saveDialog, &QDialog::accepted, this, &KLibTable::saveClicked);
    } else {
        saveDialog->setDirectory(programFolder());
    }
    KeyFocus::open(saveDialog);
}

void KLibTable::saveClicked()
{
    emit saveClick(true);
}

void KLibTable::saveAcc()
{
    if (!saveDialog)
        return;
    const QStringList files = saveDialog->selectedFiles();
    if (!files.isEmpty())
        saveTo(files.first());
}

void KLibTable::saveTo(const QString &target)
{
    if (target.isEmpty())
        return;
    // A folder of that name cannot be replaced by a program.
    if (QFileInfo(target).isDir()) {
        saveFailed(this, "remove error");
        saveFailed(this, "copy error");
        return;
    }
    // The new program replaces the old one only once it is whole on disk, so
    // a missing l.nc or a full disk never costs the operator the old file.
    QByteArray bytes;
    FileError reason;
    if (!ProgramFile::read(basePath + QStringLiteral("/.tovrelcnc/l.nc"), &bytes, &reason)
        || !FileSave::write(target, bytes, &reason, FileSave::ExistingFolder)) {
        qWarning("save %s: %s", qPrintable(target), qPrintable(reason.text()));
        saveFailed(this, "copy error");
    }
}
