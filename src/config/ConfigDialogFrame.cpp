#include "config/ConfigDialogFrame.h"

#include "app/base/KButton.h"
#include "app/base/TextFit.h"
#include "app/base/FileIcon.h"
#include "config/KIntValidator.h"

#include <QDialog>
#include <QDoubleValidator>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

#include <algorithm>

void ConfigDialogFrame::setupWindow(QDialog *dialog, int width, int height)
{
    dialog->setWindowTitle(QStringLiteral("参数设置"));
    dialog->setGeometry(280, 100, width, height);
    dialog->setFont(QFont(QStringLiteral("WenQuanYi Bitmap Song"), 10));
}

QGroupBox *ConfigDialogFrame::group(QWidget *parent, const QString &title, const QRect &geometry)
{
    auto *box = new QGroupBox(title, parent);
    box->setGeometry(geometry);
    return box;
}

QLineEdit *ConfigDialogFrame::editRow(QGroupBox *group, int row, const QString &label, const char *name,
                                      const QString &hint, int labelWidth, int hintWidth)
{
    const int top = 40 * (row - 1);
    auto *text = new QLabel(label, group);
    text->setGeometry(10, 33 + top, labelWidth, 25);
    auto *edit = new QLineEdit(group);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(100, 30 + top, 100, 25);
    text->setBuddy(edit);
    if (!hint.isEmpty()) {
        auto *help = new QLabel(hint, group);
        help->setGeometry(210, 33 + top, hintWidth, 25);
        // The group ends before the widest hints do: they are set smaller
        // rather than cut at its edge.
        TextFit::fitWidget(help, hint, std::min(hintWidth, group->width() - 215));
    }
    return edit;
}

QLabel *ConfigDialogFrame::rowLabel(QGroupBox *group, const QString &text, const QRect &geometry, QWidget *buddy)
{
    auto *label = new QLabel(text, group);
    label->setGeometry(geometry);
    label->setBuddy(buddy);
    return label;
}

QRadioButton *ConfigDialogFrame::radio(QGroupBox *group, const QString &text, const char *name, const QRect &geometry)
{
    auto *button = new QRadioButton(text, group);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

void ConfigDialogFrame::intRange(QLineEdit *edit, int bottom, int top)
{
    edit->setValidator(new KIntValidator(bottom, top, edit));
}

void ConfigDialogFrame::anyInt(QLineEdit *edit)
{
    edit->setValidator(new KIntValidator(edit));
}

void ConfigDialogFrame::doubleRange(QLineEdit *edit, double bottom, double top, int decimals)
{
    auto *validator = new QDoubleValidator(bottom, top, decimals, edit);
    validator->setLocale(KIntValidator::numberLocale());
    edit->setValidator(validator);
}

void ConfigDialogFrame::buttons(QDialog *dialog, int y)
{
    KButton *ok = button(dialog, QStringLiteral(" 确定 "), QStringLiteral(":/icon/ok22.png"), 20, y, Qt::Key_Return);
    ok->setObjectName(QStringLiteral("okButton"));
    QObject::connect(ok, SIGNAL(clicked()), dialog, SLOT(accept()));
    KButton *cancel =
        button(dialog, QStringLiteral(" 取消 "), QStringLiteral(":/icon/cancel22.png"), 140, y, Qt::Key_Escape);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(cancel, SIGNAL(clicked()), dialog, SLOT(reject()));
}

KButton *ConfigDialogFrame::button(QDialog *dialog, const QString &text, const QString &icon, int x, int y, int key)
{
    auto *b = new KButton(dialog);
    b->setText(text);
    b->setIcon(FileIcon::make(icon));
    b->setIconSize(QSize(24, 24));
    // After the text: setText would replace the shortcut with a mnemonic.
    b->setShortcut(QKeySequence(key));
    b->setGeometry(x, y, 100, 40);
    return b;
}
