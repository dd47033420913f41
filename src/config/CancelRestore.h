#ifndef CANCELRESTORE_H
#define CANCELRESTORE_H

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

class QAbstractButton;
class QDialog;
class QLineEdit;

// A parameter dialog's fields are the values in force for the whole run:
// every save of config.xml writes them, whichever dialog was accepted. So a
// dialog left without OK (Cancel, Escape, or hidden with its page) puts back
// what the operator changed in it since it was shown; a value he cancelled
// would otherwise be saved by the next OK of any other dialog, while the
// status bar still showed the old one. What the program wrote into the
// fields meanwhile stays.
class CancelRestore : public QObject
{
public:
    // Once per dialog, when it is built.
    static void install(QDialog *dialog);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit CancelRestore(QDialog *dialog);
    void shown();
    void left();

    QDialog *dialog;
    bool watching = false;
    // As the dialog showed them.
    QHash<QLineEdit *, QString> texts;
    QHash<QLineEdit *, bool> usable;
    QHash<QAbstractButton *, bool> checks;
    // Changed by the operator since then.
    QSet<QLineEdit *> typed;
    bool chose = false;
};

#endif
