#ifndef KCONFIGFIRE_H
#define KCONFIGFIRE_H

#include <QDialog>

class QLineEdit;
class QRadioButton;

// The flame process dialog: the times of the oxy-fuel sequence and the
// three-stage pierce choice. Its fields are the only store of these values.
class KConfigFire : public QDialog
{
    Q_OBJECT
public:
    explicit KConfigFire(QWidget *parent);

    QLineEdit *delayEdit;
    QLineEdit *dfEdit;
    QLineEdit *ckEdit;
    QLineEdit *ckUpEdit;
    QLineEdit *ckDownEdit;
    QLineEdit *oxoffUpEdit;
    QLineEdit *dwDownEdit;
    QRadioButton *ck3YesRadio;
    QRadioButton *ck3NoRadio;
};

#endif
