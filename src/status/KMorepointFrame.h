#ifndef KMOREPOINTFRAME_H
#define KMOREPOINTFRAME_H

#include "status/KHolderFrame.h"

class KMorepoint;

// Holds the multi-point list.
class KMorepointFrame : public KHolderFrame
{
    Q_OBJECT
public:
    explicit KMorepointFrame(QWidget *parent = nullptr);

    KMorepoint *morepoint;
};

#endif
