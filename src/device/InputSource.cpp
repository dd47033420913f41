#include "device/InputSource.h"

InputSource::~InputSource() = default;

quint8 InputSource::readByte()
{
    return 0xFF;
}
