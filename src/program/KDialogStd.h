#ifndef KDIALOGSTD_H
#define KDIALOGSTD_H

#include <QDialog>

class QLineEdit;

// Size of the standard plate in mm: two texts the library drawing reads when
// the dialog is accepted. The texts stay as typed between showings.
class KDialogStd : public QDialog
{
    Q_OBJECT
public:
    explicit KDialogStd(QWidget *parent);

    QLineEdit *xLengthEdit;
    QLineEdit *yLengthEdit;

public slots:
    // OK and Return: accepted only when both lengths are whole millimetres
    // above 0, since the drawing's scale is computed from them; otherwise the
    // dialog stays open with the focus in the first bad field.
    void accept() override;
};

#endif
