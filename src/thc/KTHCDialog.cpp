#include "thc/KTHCDialog.h"

#include "app/base/BasePath.h"
#include "app/base/FileIcon.h"
#include "app/base/KButton.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>

KTHCDialog::KTHCDialog(QWidget *parent)
    : QDialog(parent)
{
    setFont(QFont(QStringLiteral("WenQuanYi Bitmap Song"), 11, 75));
    setGeometry(455, 400, 370, 150);
    setWindowTitle(QStringLiteral("THC"));
    setWindowIcon(FileIcon::make(basePath + QStringLiteral("/ravok/icon/tovrel.png")));

    auto add = [this](const QString &text, int x) {
        auto *button = new KButton(this);
        button->setText(text);
        button->setGeometry(x, 65, 110, 66);
        connect(button, &KButton::clicked, this, &KTHCDialog::reject);
        return button;
    };
    resetButton = add(tr("重新设置高度"), 10);
    goTopButton = add(tr("回顶部"), 130);
    cancelButton = add(tr("取消"), 250);

    auto *picture = new QLabel(this);
    picture->setPixmap(FileIcon::pixmap(basePath + QStringLiteral("/ravok/icon/thc1.png")));
    picture->move(30, 15);
    picture->adjustSize();
    auto *question = new QLabel(tr("文件已刷新,是否重新设置高度?"), this);
    question->move(80, 20);
    question->adjustSize();
}
