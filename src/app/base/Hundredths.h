#ifndef HUNDREDTHS_H
#define HUNDREDTHS_H

#include <QString>

// Millimetres typed by the operator, as the program keeps every length: in
// 0.01 mm. The library form and the move-to-point dialog read their fields
// the same way.
class Hundredths
{
public:
    // The decimal text is scaled by 100 exactly (no binary rounding) and
    // truncated toward zero: "1.15" -> 115, "-1.159" -> -115. Text that is no
    // plain C-locale number, "inf", "nan", or a result outside the 32-bit
    // range reads as 0; *inRange, when given, tells the last case from a
    // typed 0 or a text that is no number.
    static int fromText(const QString &text, bool *inRange = nullptr);
};

#endif
