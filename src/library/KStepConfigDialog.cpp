#include "library/KStepConfigDialog.h"

#include "app/base/KButton.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit *stepRow(QWidget *dialog, int top, const QString &label)
{
    auto *text = new QLabel(label, dialog);
    text->setGeometry(10, top + 3, 130, 25);
    auto *edit = new QLineEdit(QStringLiteral("10"), dialog);
    edit->setGeometry(160, top, 100, 25);
    return edit;
}

KButton *dialogButton(QWidget *dialog, int left, const QString &text, const QString &icon, Qt::Key key)
{
    auto *button = new KButton(dialog);
    button->setGeometry(left, 150, 100, 40);
    button->setText(text);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(32, 32));
    button->setShortcut(QKeySequence(key));
    return button;
}

} // namespace

KStepConfigDialog::KStepConfigDialog(QWidget *parent)
    : QDialog(parent)
{
    QFont f(QStringLiteral("WenQuanYi Bitmap Song"));
    f.setPointSize(12);
    setFont(f);
    setWindowTitle(tr("步长设置"));
    setGeometry(300, 300, 580, 200);
    moveStepEdit = stepRow(this, 30, tr("移动步长[mm]:"));
    rotateStepEdit = stepRow(this, 70, tr("旋转步长[度]:"));
    okButton = dialogButton(this, 330, tr("  确定"), QStringLiteral(":/icon/ok22.png"), Qt::Key_Return);
    cancelButton = dialogButton(this, 450, tr("  取消"), QStringLiteral(":/icon/cancel22.png"), Qt::Key_Escape);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}
