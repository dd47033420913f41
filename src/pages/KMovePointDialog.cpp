#include "pages/KMovePointDialog.h"

#include "app/base/KButton.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>

namespace {

QLabel *label(QWidget *dialog, const QString &text, const QRect &geometry)
{
    auto *l = new QLabel(text, dialog);
    l->setGeometry(geometry);
    return l;
}

KButton *button(QWidget *dialog, const QString &text, const QString &icon, const QRect &geometry, Qt::Key key)
{
    auto *b = new KButton(dialog);
    b->setGeometry(geometry);
    b->setText(text);
    b->setIcon(QIcon(icon));
    b->setIconSize(QSize(32, 32));
    b->setShortcut(QKeySequence(key));
    return b;
}

} // namespace

KMovePointDialog::KMovePointDialog(QWidget *parent)
    : QDialog(parent)
{
    setGeometry(400, 300, 490, 200);
    setWindowTitle(QStringLiteral("定点移动"));
    setFont(QFont(QStringLiteral("WenQuanYi Bitmap Song"), 12));

    label(this, QStringLiteral("相对位移坐标:"), QRect(30, 25, 130, 25));
    label(this, QStringLiteral("X[mm]:"), QRect(30, 53, 130, 25));
    xEdit = new QLineEdit(QStringLiteral("0"), this);
    xEdit->setGeometry(140, 50, 100, 25);
    label(this, QStringLiteral("Y[mm]:"), QRect(30, 93, 130, 25));
    yEdit = new QLineEdit(QStringLiteral("0"), this);
    yEdit->setGeometry(140, 90, 100, 25);

    moveButton = button(this, QStringLiteral("  移动"), QStringLiteral(":/icon/ok22.png"), QRect(250, 150, 100, 40),
                        Qt::Key_Return);
    cancelButton = button(this, QStringLiteral("  取消"), QStringLiteral(":/icon/cancel22.png"),
                          QRect(370, 150, 100, 40), Qt::Key_Escape);
    connect(moveButton, SIGNAL(clicked()), this, SLOT(accept()));
    connect(cancelButton, SIGNAL(clicked()), this, SLOT(reject()));
}
