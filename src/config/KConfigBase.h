#ifndef KCONFIGBASE_H
#define KCONFIGBASE_H

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QRadioButton;

// The plate and figure dialog: plate size, correction angle, start corner,
// mirror, rotation, kerf and circle precision. Its fields are the only store
// of these values. Mirror codes: none 0, Y 1, X 2, XY 3; corner codes: lower
// right 0, upper right 1, lower left 2, upper left 3.
class KConfigBase : public QDialog
{
    Q_OBJECT
public:
    explicit KConfigBase(QWidget *parent);

    QLineEdit *sheetXEdit;
    QLineEdit *sheetYEdit;
    QLineEdit *angelEdit;
    QLineEdit *rotateEdit;
    QLineEdit *compEdit;
    QLineEdit *preciEdit;
    QRadioButton *rightBottomRadio;
    QRadioButton *rightTopRadio;
    QRadioButton *leftBottomRadio;
    QRadioButton *leftTopRadio;
    QRadioButton *noMirrorRadio;
    QRadioButton *xMirrorRadio;
    QRadioButton *xyMirrorRadio;
    QRadioButton *yMirrorRadio;
};

#endif
