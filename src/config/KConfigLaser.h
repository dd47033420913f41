#ifndef KCONFIGLASER_H
#define KCONFIGLASER_H

#include <QDialog>

class QLineEdit;
class QRadioButton;

// The laser pointer offset dialog: X and Y in whole millimetres, signed.
class KConfigLaser : public QDialog
{
    Q_OBJECT
public:
    explicit KConfigLaser(QWidget *parent);

    QLineEdit *xEdit;
    QLineEdit *yEdit;
};

#endif
