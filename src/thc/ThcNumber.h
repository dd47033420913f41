#ifndef THCNUMBER_H
#define THCNUMBER_H

#include <QString>

// The percentage views of the height page.
class ThcNumber
{
public:
    // A quotient with four significant digits; empty when the reference is 0
    // or the quotient is not finite, so a field never shows "inf" or "nan".
    static QString ratio(double quotient, double reference);
    // A value cut toward zero to an int. Values beyond the int range are held
    // at its ends, so an absurd height never wraps round into a move the
    // other way.
    static int truncated(double value);
};

#endif
