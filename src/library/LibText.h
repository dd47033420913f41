#ifndef LIBTEXT_H
#define LIBTEXT_H

#include <QString>

// How the library form's texts become numbers and back.
class LibText
{
public:
    // Millimetres typed as text -> 0.01 mm. The decimal text is scaled by 100
    // exactly (no binary rounding) and truncated toward zero: "1.15" -> 115,
    // "-1.159" -> -115. Text that is no plain C-locale number, "inf", "nan",
    // or a result outside the 32-bit range reads as 0.
    static int hundredths(const QString &text);
    // The same, and *inRange tells a result outside the 32-bit range (read
    // as 0) from a typed 0 or a text that is no number (in range).
    static int hundredths(const QString &text, bool *inRange);
    // A base-10 integer, 0 when the text is none.
    static int count(const QString &text);
    // Degrees as a double; no number or a non-finite one reads as 0.
    static double number(const QString &text);

    // 0.01 mm -> millimetres with at most two decimals and no trailing zeros
    // ("12.5", "-0.05", "12"), so reading it back gives the same value.
    static QString millimetres(int hundredths);
    // Shortest general format with 6 significant digits ("22.5", "1.23457e+06").
    static QString general(double value);
};

#endif
