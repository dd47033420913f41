#include "files/KBLDialog.h"

#include "app/base/KButton.h"

#include <QDoubleValidator>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace {

KButton *dialogKey(QDialog *dialog, const QString &text, const QString &picture, int x, const QKeySequence &key)
{
    auto *button = new KButton(dialog);
    button->setGeometry(x, 120, 100, 40);
    button->setText(text);
    auto *mark = new QLabel(button);
    mark->setGeometry(10, 8, 22, 22);
    mark->setPixmap(QPixmap(picture));
    button->setShortcut(key);
    return button;
}

} // namespace

KBLDialog::KBLDialog(QWidget *parent)
    : QDialog(parent)
{
    QFont f(QStringLiteral("WenQuanYi Bitmap Song"));
    f.setPointSize(11);
    f.setWeight(QFont::Bold);
    setFont(f);
    setGeometry(455, 200, 280, 180);
    setWindowTitle(tr("比例缩放"));
    setWindowIcon(QIcon(QStringLiteral(":/icon/tovrel.png")));

    (new QLabel(QStringLiteral("1 : "), this))->move(60, 45);
    ratioEdit = new QLineEdit(this);
    ratioEdit->setGeometry(100, 40, 100, 30);
    auto *validator = new QDoubleValidator(0.01, 100, 3, ratioEdit);
    // The editor reads the field with the C locale; the field must accept
    // what it reads.
    validator->setLocale(QLocale::c());
    ratioEdit->setValidator(validator);
    ratioEdit->setText(QStringLiteral("1"));
    (new QLabel(QStringLiteral("(0.01 - 100)"), this))->move(100, 75);

    KButton *ok = dialogKey(this, tr("    确定"), QStringLiteral(":/icon/ok22.png"), 30, QKeySequence(Qt::Key_Return));
    KButton *cancel =
        dialogKey(this, tr("    取消"), QStringLiteral(":/icon/cancel22.png"), 150, QKeySequence(Qt::Key_Escape));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}
