#include "thc/ThcNumber.h"

#include <cmath>

QString ThcNumber::ratio(double quotient, double reference)
{
    if (reference == 0.0 || !std::isfinite(quotient))
        return QString();
    return QString::number(quotient, 'g', 4);
}
