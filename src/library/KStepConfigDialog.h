#ifndef KSTEPCONFIGDIALOG_H
#define KSTEPCONFIGDIALOG_H

#include <QDialog>

class KButton;
class QLineEdit;

// How far one press of a library pad key moves (mm) or turns (degrees) the
// current pattern. The texts stay as typed, also after Cancel.
class KStepConfigDialog : public QDialog
{
    Q_OBJECT
public:
    explicit KStepConfigDialog(QWidget *parent);

    QLineEdit *moveStepEdit;
    QLineEdit *rotateStepEdit;
    KButton *okButton;
    KButton *cancelButton;
};

#endif
