#ifndef KCONFIGDLZ_H
#define KCONFIGDLZ_H

#include <QDialog>

class QLineEdit;
class QRadioButton;

// The plasma process dialog: five times and the positioning method. The
// method decides which positioning time is editable: collision uses the rise
// (dwUpEdit), capacitive the fall (dwDownEdit). Until setModePZ or setModeDY
// first runs, both are editable.
class KConfigDLZ : public QDialog
{
    Q_OBJECT
public:
    explicit KConfigDLZ(QWidget *parent);

    QLineEdit *dwUpEdit;
    QLineEdit *dwDownEdit;
    QLineEdit *yhEdit;
    QLineEdit *delayEdit;
    QLineEdit *arcOffUpEdit;
    QRadioButton *pzRadio;
    QRadioButton *dyRadio;

public slots:
    void setModePZ();
    void setModeDY();
};

#endif
