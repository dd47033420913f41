#include "device/HeightChannel.h"

const quint8 HeightChannel::kRequest[2] = {0x10, 0xAA};

HeightChannel::~HeightChannel() = default;
