#ifndef KXYFRAME_H
#define KXYFRAME_H

#include "status/KHolderFrame.h"

class KXY;

// Holds the position display.
class KXYFrame : public KHolderFrame
{
    Q_OBJECT
public:
    explicit KXYFrame(QWidget *parent = nullptr);

    KXY *xy;
};

#endif
