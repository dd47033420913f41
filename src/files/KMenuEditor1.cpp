#include "files/KMenuEditor1.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"

KMenuEditor1::KMenuEditor1(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    escButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    newButton = FunctionKey::make(this, 1, tr(" 新 建"), QStringLiteral(":/icon/newfile.png"));
    openButton = FunctionKey::make(this, 2, tr(" 打开.."), QStringLiteral(":/icon/document-open.png"));
    saveButton = FunctionKey::make(this, 3, tr(" 保 存"), QStringLiteral(":/icon/save.png"));
    saveAsButton = FunctionKey::make(this, 4, tr("另存为.."), QStringLiteral(":/icon/saveas.png"));
    applyButton = FunctionKey::make(this, 5, tr("应用"), QStringLiteral(":/icon/apply.png"));
    modeButton = FunctionKey::make(this, 6, tr("模式切换"));
    scaleButton = FunctionKey::make(this, 7, tr("比例缩放"));
    keyboardButton = FunctionKey::make(this, 8, tr(" 键 盘"), QStringLiteral(":/icon/keyboard.png"));
    keyboardButton->setEnabled(false);
    hideKeyboard();
}

void KMenuEditor1::hideKeyboard()
{
    FunctionKey::relabel(keyboardButton, tr(" 键 盘"));
    // Plain clicked(): the toggle is no work step and must not take the
    // click lock.
    FunctionKey::rerole(keyboardButton, this, SLOT(showKeyboard()));
    emit editkeyHide();
}

void KMenuEditor1::showKeyboard()
{
    FunctionKey::relabel(keyboardButton, tr("隐藏键盘"));
    FunctionKey::rerole(keyboardButton, this, SLOT(hideKeyboard()));
    emit editkeyShow();
}
