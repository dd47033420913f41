#ifndef KSTATUSFRAME_H
#define KSTATUSFRAME_H

#include "status/KHolderFrame.h"

class KStatusFire;
class KStatusPF;
class KStatusDLZ;

// The process frame: the three process panels on top of each other, at most
// one visible, chosen by the process mode. Hiding a panel stops none of its
// countdowns.
class KStatusFrame : public KHolderFrame
{
    Q_OBJECT
public:
    explicit KStatusFrame(QWidget *parent = nullptr);

    KStatusFire *fire;
    KStatusPF *pf;
    KStatusDLZ *dlz;

    void hideAll();  // demonstration
    void showFire(); // flame
    void showPF();   // powder marking
    void showDLZ();  // plasma
};

#endif
