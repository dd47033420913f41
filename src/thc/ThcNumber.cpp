#include "thc/ThcNumber.h"

#include <cmath>
#include <limits>

QString ThcNumber::ratio(double quotient, double reference)
{
    if (reference == 0.0 || !std::isfinite(quotient))
        return QString();
    return QString::number(quotient, 'g', 4);
}

int ThcNumber::truncated(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}
