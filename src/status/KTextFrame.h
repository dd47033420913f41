#ifndef KTEXTFRAME_H
#define KTEXTFRAME_H

#include "status/KHolderFrame.h"

class KText;

// Holds the message line.
class KTextFrame : public KHolderFrame
{
    Q_OBJECT
public:
    explicit KTextFrame(QWidget *parent = nullptr);

    KText *message;
};

#endif
