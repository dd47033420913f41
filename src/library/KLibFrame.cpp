#include "library/KLibFrame.h"

#include "app/base/BasePath.h"
#include "app/base/FileNames.h"
#include "app/base/KButton.h"
#include "app/base/Notice.h"
#include "app/base/FileIcon.h"
#include "library/KLibConfig.h"
#include "library/KLibConfigFrame.h"
#include "library/KLibList.h"
#include "library/KLibSimuFrame.h"
#include "library/KLibTable.h"

#include <QIcon>
#include <QSignalBlocker>

namespace {

// The page's buttons have no size: their signals stay wired, but the
// catalogue and the list cover the place in any case.
KButton *hiddenButton(QWidget *page, int left, int top, const QString &text, const QString &iconFile)
{
    auto *button = new KButton(page);
    button->setGeometry(left, top, 0, 0);
    if (!text.isEmpty())
        button->setText(text);
    button->setIconSize(QSize(32, 32));
    button->setIcon(FileIcon::make(basePath + QStringLiteral("/ravok/icon/") + iconFile));
    return button;
}

} // namespace

KLibFrame::KLibFrame(QWidget *parent)
    : QWidget(parent)
{
    tableButton = hiddenButton(this, 10, 5, tr(" 图库"), QStringLiteral("lib.png"));
    listButton = hiddenButton(this, 120, 5, tr(" 列表"), QStringLiteral("code.png"));

    simuFrame = new KLibSimuFrame(parent);
    simuFrame->setGeometry(260, 144, 582, 540);
    simuFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    simuFrame->hide();
    libTable = new KLibTable(parent);
    libTable->setGeometry(844, 2, 178, 682);
    libTable->hide();
    libTable->setFocusPolicy(Qt::NoFocus);
    libList = new KLibList(parent);
    libList->setGeometry(844, 2, 180, 682);
    libList->hide();
    libList->setFocusPolicy(Qt::NoFocus);

    viewUpButton = hiddenButton(this, 10, 607, QString(), QStringLiteral("view-up.png"));
    viewDownButton = hiddenButton(this, 120, 607, QString(), QStringLiteral("view-down.png"));

    connect(tableButton, &QPushButton::clicked, this, &KLibFrame::showTable);
    connect(listButton, &QPushButton::clicked, this, &KLibFrame::showList);
    connect(libList, &QListWidget::currentRowChanged, this, &KLibFrame::rowChanged);
}

KLibConfig *KLibFrame::config() const
{
    return libTable->configFrame->config;
}

void KLibFrame::showFullNotice()
{
    Notice::warning(this, QStringLiteral("Brenlo"), tr("零件已满(最多99个)!"));
}

void KLibFrame::showEmptyNotice()
{
    Notice::warning(this, QStringLiteral("Brenlo"), tr("没有零件,不能保存!"));
}

void KLibFrame::backToShownLayout()
{
    KLibConfig *c = config();
    c->backToShownLayout();
    const PattenList &list = c->pattens();
    // Quietly: a row made current here is no choice of the operator's.
    const QSignalBlocker quiet(libList);
    libList->clear();
    for (int k = 1; k <= list.count(); ++k) {
        const patten_t &p = list.at(k);
        const bool shape = p.type >= 1 && p.type < KLibTable::kEntries;
        libList->addItem(shape ? libTable->shapeItems[p.type]->text()
                               : FileNames::shown(p.fileName.section(QLatin1Char('/'), -1)));
        libList->setRowHidden(k - 1, p.deleted);
    }
    libList->setCurrentRow(list.current() - 1);
}

void KLibFrame::rowChanged(int row)
{
    config()->setSelIndex(row);
}

void KLibFrame::wireViewButtons(QObject *view)
{
    viewUpButton->disconnect();
    viewDownButton->disconnect();
    connect(viewUpButton, SIGNAL(clicked()), view, SLOT(numUp()));
    connect(viewDownButton, SIGNAL(clicked()), view, SLOT(numDown()));
}

void KLibFrame::showTable()
{
    libList->hide();
    libTable->show();
    wireViewButtons(libTable);
}

void KLibFrame::showList()
{
    libTable->hide();
    libList->show();
    wireViewButtons(libList);
}

void KLibFrame::addPatten()
{
    QTableWidgetItem *item = libTable->currentItem();
    if (!item)
        return;
    // The form has records for 99 patterns; a row for a refused one would
    // break the row-to-record rule.
    if (!config()->addPatten(item)) {
        showFullNotice();
        return;
    }
    libList->addItem(item->text());
    libList->setCurrentRow(config()->getPattenCount() - 1);
}

void KLibFrame::moveCurrentRow(int row)
{
    const int r = libList->currentRow();
    // A deleted pattern stays deleted wherever it moves, so its row stays hidden.
    const bool hidden = libList->isRowHidden(r);
    QListWidgetItem *item = libList->takeItem(r);
    const QString text = item ? item->text() : QString();
    delete item;
    libList->insertItem(row, text);
    libList->setRowHidden(row, hidden);
    libList->setCurrentRow(row);
}

void KLibFrame::earlierPatten()
{
    do {
        if (!config()->earlierPatten())
            return;
        moveCurrentRow(libList->currentRow() - 1);
    } while (config()->getEarlierIndexDel());
}

void KLibFrame::laterPatten()
{
    do {
        if (!config()->laterPatten())
            return;
        moveCurrentRow(libList->currentRow() + 1);
    } while (config()->getLaterIndexDel());
}

void KLibFrame::newLib()
{
    libList->clear();
    showTable();
    libTable->setCurrentCell(0, 0);
    config()->newLib();
}

void KLibFrame::delPatten()
{
    const int r = libList->currentRow();
    if (r < 0)
        return;
    if (!config()->delPatten())
        return;
    libList->setRowHidden(r, true);
    if (r > 0)
        libList->setCurrentRow(r - 1);
}
