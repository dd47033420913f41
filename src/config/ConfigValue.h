#ifndef CONFIGVALUE_H
#define CONFIGVALUE_H

#include <QString>

// The value forms of the configuration: texts of dialog fields and file
// attributes to numbers and back. C locale throughout ("." decimal point).
// Empty, unreadable and non-finite texts ("inf", "nan", "1e999") read as 0,
// so no infinity or NaN reaches a signal, the parser or a file.
class ConfigValue
{
public:
    static double toDouble(const QString &text);
    static int toInt(const QString &text);
    // General format, 6 significant digits: 2.50 -> "2.5", 1234567 -> "1.23457e+06".
    static QString number(double value);
    static QString number(int value);
};

#endif
