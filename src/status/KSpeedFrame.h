#ifndef KSPEEDFRAME_H
#define KSPEEDFRAME_H

#include <QFrame>

class KSpeed;
class KCKSimu;
class KJBSimu;

// The lower right panel: the speed dial, the pierce-part plot and the jog
// plot in one place, one of them visible at a time.
class KSpeedFrame : public QFrame
{
    Q_OBJECT
public:
    explicit KSpeedFrame(QWidget *parent = nullptr);

    KSpeed *speed;
    KCKSimu *cksimu;
    KJBSimu *jbsimu;

public slots:
    void speedShow();
    void cksimuShow();
    void jbsimuShow();
};

#endif
