#ifndef INPUTSOURCE_H
#define INPUTSOURCE_H

#include <QtGlobal>

// The machine's ten digital inputs as one byte, active low: a bit that reads
// 0 is an active input. Without an axis card nothing is wired, so every input
// reads inactive.
class InputSource
{
public:
    virtual ~InputSource();
    virtual quint8 readByte();
};

#endif
