#include "pages/KReloadDialog.h"

#include "app/KButton.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>

KReloadDialog::KReloadDialog(QWidget *parent)
    : QDialog(parent)
{
    setFont(QFont(QStringLiteral("WenQuanYi Bitmap Song"), 10));
    setGeometry(360, 300, 330, 140);
    setWindowTitle(QStringLiteral("RELOAD"));
    setWindowIcon(QIcon(QStringLiteral(":/icon/tovrel.png")));

    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/icon/info.png")));
    picture->move(30, 15);
    auto *question = new QLabel(QStringLiteral("加工结束。是否刷新文件？"), this);
    question->move(80, 20);

    refreshButton = new KButton(this);
    refreshButton->setGeometry(30, 65, 100, 56);
    refreshButton->setText(QStringLiteral("刷新文件"));
    refreshButton->setIcon(QIcon(QStringLiteral(":/icon/reload.png")));
    refreshButton->setIconSize(QSize(32, 32));
    refreshButton->setShortcut(QKeySequence(Qt::Key_Return));

    cancelButton = new KButton(this);
    cancelButton->setGeometry(190, 65, 100, 56);
    cancelButton->setText(QStringLiteral("取消"));
    cancelButton->setIcon(QIcon(QStringLiteral(":/icon/cancel22.png")));
    cancelButton->setIconSize(QSize(24, 24));
    cancelButton->setShortcut(QKeySequence(Qt::Key_Escape));

    // Made before the main window's reload, so the dialog is closed first.
    connect(refreshButton, SIGNAL(clicked()), this, SLOT(reject()));
    connect(cancelButton, SIGNAL(clicked()), this, SLOT(reject()));
}
