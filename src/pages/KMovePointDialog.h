#ifndef KMOVEPOINTDIALOG_H
#define KMOVEPOINTDIALOG_H

#include <QDialog>

class KButton;
class QLineEdit;

// "定点移动": the relative move in millimetres, typed as text. Not modal; the
// texts stay for the next opening.
class KMovePointDialog : public QDialog
{
    Q_OBJECT
public:
    explicit KMovePointDialog(QWidget *parent = nullptr);

    QLineEdit *xEdit;
    QLineEdit *yEdit;
    KButton *moveButton;
    KButton *cancelButton;
};

#endif
