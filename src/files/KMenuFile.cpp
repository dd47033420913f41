#include "files/KMenuFile.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "files/SwitchKey.h"

#include <QCheckBox>
#include <QLatin1String>

KMenuFile::KMenuFile(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    escButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    openButton = FunctionKey::make(this, 1, tr("打开文件"), QStringLiteral(":/icon/fileopen.png"));
    editorButton = FunctionKey::make(this, 2, tr("编辑器"), QStringLiteral(":/icon/edit.png"));
    copyButton = FunctionKey::make(this, 3, tr("复制与删除"));
    reloadButton = FunctionKey::make(this, 4, tr("刷新文件"), QStringLiteral(":/icon/reload.png"));
    newFileButton = FunctionKey::make(this, 5, tr("切换新文件"));
    mergeButton = FunctionKey::make(this, 6, QString());
    mergeBox = SwitchKey::addBox(mergeButton, tr("合并部件"), QPoint(15, 20));
    editPartButton = FunctionKey::make(this, 7, tr("编辑部件"), QStringLiteral(":/icon/edit.png"));
    startPointButton = FunctionKey::make(this, 8, tr("移至起点"), QStringLiteral(":/icon/startpoint.png"));

    connect(mergeButton, SIGNAL(clicked()), this, SLOT(combiSelected()));
    connect(mergeBox, SIGNAL(stateChanged(int)), this, SLOT(combiChange(int)));
    connect(reloadButton, SIGNAL(clicked()), this, SLOT(reloadFile()));

    // Empty but not null: the reload before any load passes "" on.
    currentFile = QLatin1String("");
}

void KMenuFile::setCurrentFile(QString name)
{
    currentFile = name;
}

void KMenuFile::reloadFile()
{
    emit fileOpened(currentFile);
}

void KMenuFile::combiSelected()
{
    SwitchKey::flip(mergeBox);
}

void KMenuFile::combiChange(int)
{
    // A shortcut press leaves the key drawn down for a moment.
    mergeButton->setDown(false);
    emit combiChanged(mergeBox->isChecked() ? 1 : 0);
}
