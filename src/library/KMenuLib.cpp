#include "library/KMenuLib.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"
#include "library/KStepConfigDialog.h"
#include "library/LibText.h"

#include <QLineEdit>

KMenuLib::KMenuLib(QWidget *parent)
    : QWidget(parent)
{
    escButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    plateButton = FunctionKey::make(this, 1, tr("钢板尺寸"));
    scrapButton = FunctionKey::make(this, 2, tr("定义废料"));
    newButton = FunctionKey::make(this, 3, tr(" 新 建"), QStringLiteral(":/icon/new.png"));
    saveButton = FunctionKey::make(this, 4, tr("优化保存"), QStringLiteral(":/icon/saveas.png"));
    selectButton = FunctionKey::make(this, 5, tr("添加、选中\n删除"));
    moveButton = FunctionKey::make(this, 6, tr("移动、旋转\n排序"));
    graphButton = FunctionKey::make(this, 7, tr("查看图形"));
    stepButton = FunctionKey::make(this, 8, tr("步长设置"), QStringLiteral(":/icon/libconfig.png"));

    stepDialog = new KStepConfigDialog(this);
    connect(stepButton, &QPushButton::clicked, this, &KMenuLib::configStep);
    connect(stepDialog, &QDialog::accepted, this, &KMenuLib::configStepAcc);
}

void KMenuLib::configStep()
{
    KeyFocus::open(stepDialog);
}

void KMenuLib::configStepAcc()
{
    emit stepChanged(LibText::number(stepDialog->moveStepEdit->text()));
    emit gradChanged(LibText::number(stepDialog->rotateStepEdit->text()));
}
