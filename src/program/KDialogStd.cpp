#include "program/KDialogStd.h"

#include "app/base/BasePath.h"
#include "app/base/FileIcon.h"
#include "app/base/KButton.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace {

KButton *dialogButton(QWidget *parent, const QString &text, const QString &iconFile, const QKeySequence &key,
                      const QRect &geometry)
{
    auto *button = new KButton(parent);
    button->setGeometry(geometry);
    button->setText(text);
    // A missing icon file leaves the button with its text only.
    const QPixmap pixmap = FileIcon::pixmap(basePath + QStringLiteral("/ravok/icon/") + iconFile);
    if (!pixmap.isNull())
        button->setIcon(QIcon(pixmap));
    button->setIconSize(QSize(32, 32));
    button->setShortcut(key);
    return button;
}

QLineEdit *lengthRow(QWidget *parent, int top, const QString &label, const QString &value)
{
    auto *text = new QLabel(label, parent);
    text->setGeometry(10, top + 3, 130, 25);
    auto *edit = new QLineEdit(value, parent);
    edit->setGeometry(160, top, 100, 25);
    text->setBuddy(edit);
    return edit;
}

} // namespace

KDialogStd::KDialogStd(QWidget *parent)
    : QDialog(parent)
{
    QFont f(QStringLiteral("WenQuanYi Bitmap Song"));
    f.setPointSize(12);
    setFont(f);
    setWindowTitle(QStringLiteral("标准钢板设置"));
    setGeometry(300, 200, 580, 200);
    xLengthEdit = lengthRow(this, 30, QStringLiteral("[&1] X长度[mm]:"), QStringLiteral("2000"));
    yLengthEdit = lengthRow(this, 70, QStringLiteral("[&2] Y长度[mm]:"), QStringLiteral("1800"));
    KButton *ok = dialogButton(this, QStringLiteral("  确定"), QStringLiteral("ok22.png"), QKeySequence(Qt::Key_Return),
                               QRect(330, 150, 100, 40));
    KButton *cancel = dialogButton(this, QStringLiteral("  取消"), QStringLiteral("cancel22.png"),
                                   QKeySequence(Qt::Key_Escape), QRect(450, 150, 100, 40));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void KDialogStd::accept()
{
    for (QLineEdit *edit : {xLengthEdit, yLengthEdit}) {
        bool ok = false;
        // Read as the drawing reads it when accepted.
        const int length = edit->text().toInt(&ok, 10);
        if (!ok || length <= 0) {
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    QDialog::accept();
}
