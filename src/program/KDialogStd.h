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
};

#endif
