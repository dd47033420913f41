#ifndef KCONFIGPF_H
#define KCONFIGPF_H

#include <QDialog>

class QLineEdit;
class QRadioButton;

// The powder-marking dialog: three process times and the marking-tool
// offset in whole millimetres. Its edits are the only store of these values.
class KConfigPF : public QDialog
{
    Q_OBJECT
public:
    explicit KConfigPF(QWidget *parent);

    QLineEdit *dfEdit;
    QLineEdit *oxoffUpEdit;
    QLineEdit *dwDownEdit;
    QLineEdit *moveXEdit;
    QLineEdit *moveYEdit;
};

#endif
