#include "config/CancelRestore.h"

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>

void CancelRestore::install(QDialog *dialog)
{
    new CancelRestore(dialog);
}

CancelRestore::CancelRestore(QDialog *dialog)
    : QObject(dialog)
    , dialog(dialog)
{
    dialog->installEventFilter(this);
}

bool CancelRestore::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == dialog && !event->spontaneous()) {
        if (event->type() == QEvent::Show)
            shown();
        else if (event->type() == QEvent::Hide)
            left();
    }
    return false;
}

void CancelRestore::shown()
{
    const auto edits = dialog->findChildren<QLineEdit *>();
    const auto buttons = dialog->findChildren<QAbstractButton *>();
    if (!watching) {
        // Only the operator's own changes: a text the program sets, or a
        // button it checks, sends neither signal.
        watching = true;
        for (QLineEdit *edit : edits)
            connect(edit, &QLineEdit::textEdited, this, [this, edit] { typed.insert(edit); });
        for (QAbstractButton *button : buttons) {
            if (button->isCheckable())
                connect(button, &QAbstractButton::clicked, this, [this] { chose = true; });
        }
    }
    // OK alone keeps what the dialog holds; any other way out is a cancel.
    dialog->setResult(QDialog::Rejected);
    typed.clear();
    chose = false;
    texts.clear();
    usable.clear();
    checks.clear();
    for (QLineEdit *edit : edits) {
        texts.insert(edit, edit->text());
        usable.insert(edit, edit->isEnabled());
    }
    for (QAbstractButton *button : buttons) {
        if (button->isCheckable())
            checks.insert(button, button->isChecked());
    }
}

void CancelRestore::left()
{
    if (dialog->result() == QDialog::Accepted)
        return;
    for (QLineEdit *edit : qAsConst(typed))
        edit->setText(texts.value(edit));
    if (chose) {
        // A choice may have greyed the fields it does not use.
        for (auto c = checks.cbegin(); c != checks.cend(); ++c)
            c.key()->setChecked(c.value());
        for (auto u = usable.cbegin(); u != usable.cend(); ++u)
            u.key()->setEnabled(u.value());
    }
    typed.clear();
    chose = false;
}
