#include "device/AxisStatusSource.h"

AxisStatusSource::~AxisStatusSource() = default;
