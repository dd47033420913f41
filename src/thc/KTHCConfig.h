#ifndef KTHCCONFIG_H
#define KTHCCONFIG_H

#include "thc/KTHCPage.h"

class QLabel;
class QLineEdit;
class QRadioButton;

// Parameter page of one torch lifter: the plasma heights in mm with
// percentage views, the arc-voltage tolerances and the automatic/manual switch.
// The values are held twice: the stored record (what the controller loads,
// saves and drives with) and the edits (what the operator sees and types).
class KTHCConfig : public KTHCPage
{
    Q_OBJECT
public:
    KTHCConfig(const QString &name, QWidget *parent);

    void resetValues();

    double distAll = 0.0;
    double distDW = 0.0;
    double distXH = 0.0;
    double distYH = 0.0;
    double distCK = 0.0;
    double distCut = 0.0;
    double HYN = 0.0;
    double HYP = 0.0;
    int mode = 1;

    QLineEdit *distAllEdit;
    QLineEdit *distDWEdit;
    QLineEdit *distDWPercentEdit;
    QLineEdit *distXHEdit;
    QLineEdit *distXHPercentEdit;
    QLineEdit *distYHEdit;
    QLineEdit *distCKEdit;
    QLineEdit *distCKPercentEdit;
    QLineEdit *distCutEdit;
    QLineEdit *distCutPercentEdit;
    QLineEdit *hynEdit;
    QLineEdit *hypEdit;
    QLineEdit *stdVoltEdit;
    QRadioButton *autoRadio;
    QRadioButton *manuRadio;
    KButton *measureButton;
    KButton *goTopButton;
    KButton *testTHCButton;
    KButton *testDWButton;
    KButton *takeDistAllButton;
    KButton *takeDistDWButton;
    KButton *takeDistXHButton;
    KButton *takeDistYHButton;
    KButton *takeDistCKButton;
    KButton *takeDistCutButton;
    QLabel *hynLabel;
    QLabel *rangeLabel;
    QLabel *hypUnitLabel;
    QLabel *stdVoltLabel;
    QLabel *stdVoltUnitLabel;

public slots:
    void setDistAllp(const QString &text);
    void setDistDWp(const QString &text);
    void setDistDW();
    void setDistXHp(const QString &text);
    void setDistXH();
    void setDistYHp(const QString &text);
    void setDistCKp(const QString &text);
    void setDistCK();
    void setDistCutp(const QString &text);
    void setDistCut();
    void setModeAuto();
    void setModeManu();

private:
    KButton *addRowButton(const QString &name, int x, int y);
    void addLine(int y);
    void setArcVoltageEnabled(bool on);
    // A percentage field's millimetres from the percentage and its reference.
    static void takePercent(QLineEdit *mm, QLineEdit *percent, QLineEdit *reference);
};

#endif
