#include "files/KFastcopy.h"

#include "app/base/FileNames.h"
#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "files/KMyView.h"
#include "files/ShownDirModel.h"

#include <QDir>
#include <QDirModel>
#include <QGroupBox>
#include <QLineEdit>

const QString &fastcopySourceDir()
{
    static const QString dir = QStringLiteral("\\");
    return dir;
}

const QString &fastcopyTargetDir()
{
    static const QString dir = QDir::currentPath() + QStringLiteral("/ncfile");
    return dir;
}

KFastcopy::KFastcopy(QWidget *parent)
    : QWidget(parent)
{
    buildPane(tr("源文件目录"), 0, srcPathEdit, srcView, srcModel, srcSelectButton);
    buildPane(tr("目标文件目录"), 300, desPathEdit, desView, desModel, desSelectButton);
    refreshViews();
}

QDirModel *KFastcopy::newModel(QObject *parent)
{
    return new ShownDirModel(parent);
}

void KFastcopy::buildPane(const QString &title, int x, QLineEdit *&pathEdit, KMyView *&view, QDirModel *&model,
                          KButton *&selectButton)
{
    auto *box = new QGroupBox(title, this);
    box->setGeometry(x, 0, 280, 650);

    pathEdit = new QLineEdit(box);
    pathEdit->setGeometry(10, 20, 260, 25);
    pathEdit->setFocusPolicy(Qt::NoFocus);

    // The model belongs to the pane, so it outlives neither the list nor the page.
    model = newModel(box);
    view = new KMyView(box);
    view->setGeometry(10, 50, 260, 550);
    view->setModel(model);
    view->setSelectionMode(QAbstractItemView::MultiSelection);

    // Only a hint that Space selects: it is wired to nothing.
    selectButton = new KButton(box);
    selectButton->setGeometry(60, 605, 150, 40);
    FunctionKey::addKeyName(selectButton, QStringLiteral("Space"), QPoint(113, 2));
    selectButton->setText(tr("选中/取消"));
}

void KFastcopy::refreshViews()
{
    srcView->setRootIndex(srcModel->index(fastcopySourceDir(), 0));
    desView->setRootIndex(desModel->index(fastcopyTargetDir(), 0));
    srcFolder = fastcopySourceDir();
    desFolder = fastcopyTargetDir();
    srcPathEdit->setText(FileNames::shown(srcFolder));
    desPathEdit->setText(FileNames::shown(desFolder));
    // A pick outlives the folder change: the same folder chosen again would
    // copy or delete what an earlier visit picked.
    srcView->clearSelection();
    desView->clearSelection();
}
