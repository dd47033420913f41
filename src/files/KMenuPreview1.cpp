#include "files/KMenuPreview1.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "files/SwitchKey.h"

#include <QCheckBox>

KMenuPreview1::KMenuPreview1(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    escButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    localButton = FunctionKey::make(this, 1, tr("本地文件"), QStringLiteral(":/icon/hd.png"));
    usbButton = FunctionKey::make(this, 2, tr("U盘文件"), QStringLiteral(":/icon/usb.png"));
    editorButton = FunctionKey::make(this, 3, tr("编辑器"), QStringLiteral(":/icon/edit.png"));
    openButton = FunctionKey::make(this, 4, tr("打 开"), QStringLiteral(":/icon/fileopen.png"));
    addButton = FunctionKey::make(this, 4, tr("增加零件"), QStringLiteral(":/icon/add.png"));
    // A hidden key's shortcut does not act, so F4 reaches the visible form only.
    addButton->hide();
    previewButton = FunctionKey::make(this, 5, QString());
    previewBox = SwitchKey::addBox(previewButton, tr("图形预览"), QPoint(10, 20));
    compButton = FunctionKey::make(this, 6, QString());
    compBox = SwitchKey::addBox(compButton, tr("显示补偿"), QPoint(10, 20));
    compButton->setEnabled(false);
    keyboardButton = FunctionKey::make(this, 8, QString(), QStringLiteral(":/icon/keyboard.png"));
    keyboardButton->setEnabled(false);

    connect(previewButton, SIGNAL(clicked()), this, SLOT(previewSelected()));
    connect(previewBox, SIGNAL(stateChanged(int)), this, SLOT(previewChange(int)));
    connect(compButton, SIGNAL(clicked()), this, SLOT(compSelected()));
    connect(compBox, SIGNAL(stateChanged(int)), this, SLOT(compChange(int)));

    // Text, shortcut and pressed() connection of F8; its keyHide() reaches
    // nobody yet.
    hideKeyboard();
}

void KMenuPreview1::setOpenForm(bool open)
{
    // Hide first, so the two F4 shortcuts are never live together.
    (open ? addButton : openButton)->hide();
    (open ? openButton : addButton)->show();
}

void KMenuPreview1::showKeyboard()
{
    FunctionKey::relabel(keyboardButton, tr("隐藏键盘"));
    FunctionKey::rerole(keyboardButton, this, SLOT(hideKeyboard()), SIGNAL(pressed()));
    emit keyShow();
}

void KMenuPreview1::hideKeyboard()
{
    FunctionKey::relabel(keyboardButton, tr(" 键 盘"));
    FunctionKey::rerole(keyboardButton, this, SLOT(showKeyboard()), SIGNAL(pressed()));
    emit keyHide();
}

void KMenuPreview1::previewSelected()
{
    SwitchKey::flip(previewBox);
}

void KMenuPreview1::previewChange(int)
{
    // A shortcut press leaves the key drawn down for a moment.
    previewButton->setDown(false);
    const bool on = previewBox->isChecked();
    compButton->setEnabled(on);
    emit previewChanged(on ? 1 : 0);
}

void KMenuPreview1::compSelected()
{
    SwitchKey::flip(compBox);
}

void KMenuPreview1::compChange(int)
{
    compButton->setDown(false);
    emit compChanged(compBox->isChecked() ? 1 : 0);
}
