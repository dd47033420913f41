#ifndef KTIMEFRAME_H
#define KTIMEFRAME_H

#include "status/KHolderFrame.h"

class KTime;

// The frame of the job time panel, above the process frame.
class KTimeFrame : public KHolderFrame
{
    Q_OBJECT
public:
    explicit KTimeFrame(QWidget *parent = nullptr);

    KTime *time;
};

#endif
