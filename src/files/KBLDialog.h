#ifndef KBLDIALOG_H
#define KBLDIALOG_H

#include <QDialog>

class QLineEdit;

// Asks for the factor the editor scales its program by. Not modal; the text
// of ratioEdit stays between showings.
class KBLDialog : public QDialog
{
    Q_OBJECT
public:
    explicit KBLDialog(QWidget *parent);

    QLineEdit *ratioEdit;
};

#endif
