#include "pages/KReloadDialog.h"

#include "app/base/KButton.h"

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

    auto button = [this](int x, const QString &text, const QString &icon, int iconSize, Qt::Key key) {
        auto *b = new KButton(this);
        b->setGeometry(x, 65, 100, 56);
        b->setText(text);
        b->setIcon(QIcon(icon));
        b->setIconSize(QSize(iconSize, iconSize));
        b->setShortcut(QKeySequence(key));
        return b;
    };
    refreshButton = button(30, QStringLiteral("刷新文件"), QStringLiteral(":/icon/reload.png"), 32, Qt::Key_Return);
    cancelButton = button(190, QStringLiteral("取消"), QStringLiteral(":/icon/cancel22.png"), 24, Qt::Key_Escape);

    // Made before the main window's reload, so the dialog is closed first.
    connect(refreshButton, SIGNAL(clicked()), this, SLOT(reject()));
    connect(cancelButton, SIGNAL(clicked()), this, SLOT(reject()));
}
