#ifndef KZUFRAME_H
#define KZUFRAME_H

#include "status/KHolderFrame.h"

class KZU;

// Holds the height and arc-voltage display of the torch-height frame.
class KZUFrame : public KHolderFrame
{
    Q_OBJECT
public:
    explicit KZUFrame(QWidget *parent = nullptr);

    KZU *zu;
};

#endif
