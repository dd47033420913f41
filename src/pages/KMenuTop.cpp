#include "pages/KMenuTop.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"
#include "pages/KAboutDialog.h"
#include "pages/MainKey.h"

#include <QShortcut>

KMenuTop::KMenuTop(QWidget *parent)
    : QFrame(parent)
{
    setFocusPolicy(Qt::NoFocus);
    resize(1024, 60);

    escButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    FunctionKey::unbind(escButton);
    escButton->setEnabled(false);
    fileButton = FunctionKey::make(this, 1, QStringLiteral("文件操作"), QStringLiteral(":/icon/file-manager.png"));
    libButton = FunctionKey::make(this, 2, QStringLiteral("零件套料"), QStringLiteral(":/icon/lib.png"));
    configButton = FunctionKey::make(this, 3, QStringLiteral("参数设置"), QStringLiteral(":/icon/config.png"));
    modeButton = FunctionKey::make(this, 4, QStringLiteral("模式切换"));
    sheetButton = FunctionKey::make(this, 5, QStringLiteral("看钢板"));
    stepButton = FunctionKey::make(this, 6, QStringLiteral("手动点动"), QStringLiteral(":/icon/step.png"));
    zzButton = FunctionKey::make(this, 7, QStringLiteral("钢板整直"), QStringLiteral(":/icon/zz.png"));
    ioButton = FunctionKey::make(this, 8, QStringLiteral("I/O诊断"), QStringLiteral(":/icon/info.png"));
    startButton = MainKey::make(this, QStringLiteral("开始加工"), 10);

    // A shortcut of the page acts only while the page is shown, so the box
    // is reachable from the top menu alone and the ten keys stay as they are.
    new QShortcut(QKeySequence(Qt::SHIFT + Qt::Key_F1), this, SLOT(about()));
}

void KMenuTop::about()
{
    if (!aboutDialog)
        aboutDialog = new KAboutDialog(this);
    KeyFocus::exec(aboutDialog);
}
