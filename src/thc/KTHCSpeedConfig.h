#ifndef KTHCSPEEDCONFIG_H
#define KTHCSPEEDCONFIG_H

#include "thc/KTHCPage.h"

class QLineEdit;

// Speed page of the torch lifter: four speeds in mm/min and an acceleration
// step. The start texts of the edits and the start values of the record
// differ until the controller has read its file.
class KTHCSpeedConfig : public KTHCPage
{
    Q_OBJECT
public:
    explicit KTHCSpeedConfig(QWidget *parent);

    void resetValues();

    int fast = 0;
    int slow = 0;
    int jog = 0;
    int aut = 0;
    int acc = 1;

    QLineEdit *fastEdit;
    QLineEdit *slowEdit;
    QLineEdit *jogEdit;
    QLineEdit *autEdit;
    QLineEdit *accEdit;
};

#endif
