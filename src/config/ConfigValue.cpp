#include "config/ConfigValue.h"

#include <cmath>

double ConfigValue::toDouble(const QString &text)
{
    // QString::toDouble always parses in the C locale.
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

int ConfigValue::toInt(const QString &text)
{
    return text.toInt(nullptr, 10);
}

QString ConfigValue::number(double value)
{
    return QString::number(std::isfinite(value) ? value : 0.0, 'g', 6);
}

QString ConfigValue::number(int value)
{
    return QString::number(value);
}
