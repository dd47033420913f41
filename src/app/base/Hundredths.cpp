#include "app/base/Hundredths.h"

#include <QByteArray>

#include <limits>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

int Hundredths::fromText(const QString &text, bool *inRange)
{
    if (inRange)
        *inRange = true;
    auto outside = [inRange] {
        if (inRange)
            *inRange = false;
        return 0;
    };
    int pos = 0;
    int end = text.size();
    while (pos < end && isBlank(text.at(pos)))
        ++pos;
    while (end > pos && isBlank(text.at(end - 1)))
        --end;

    bool negative = false;
    if (pos < end && (text.at(pos) == QLatin1Char('+') || text.at(pos) == QLatin1Char('-'))) {
        negative = text.at(pos) == QLatin1Char('-');
        ++pos;
    }

    // Every mantissa digit, leading zeros dropped, and how many followed the point.
    QByteArray digits;
    int fractionDigits = 0;
    int mantissaDigits = 0;
    while (pos < end && isDigit(text.at(pos))) {
        if (!digits.isEmpty() || text.at(pos) != QLatin1Char('0'))
            digits.append(char(text.at(pos).unicode()));
        ++mantissaDigits;
        ++pos;
    }
    if (pos < end && text.at(pos) == QLatin1Char('.')) {
        ++pos;
        while (pos < end && isDigit(text.at(pos))) {
            if (!digits.isEmpty() || text.at(pos) != QLatin1Char('0'))
                digits.append(char(text.at(pos).unicode()));
            ++fractionDigits;
            ++mantissaDigits;
            ++pos;
        }
    }
    if (mantissaDigits == 0)
        return 0;

    long long exponent = 0;
    if (pos < end && (text.at(pos) == QLatin1Char('e') || text.at(pos) == QLatin1Char('E'))) {
        ++pos;
        bool expNegative = false;
        if (pos < end && (text.at(pos) == QLatin1Char('+') || text.at(pos) == QLatin1Char('-'))) {
            expNegative = text.at(pos) == QLatin1Char('-');
            ++pos;
        }
        if (pos >= end || !isDigit(text.at(pos)))
            return 0;
        while (pos < end && isDigit(text.at(pos))) {
            if (exponent < 1000000)
                exponent = exponent * 10 + (text.at(pos).unicode() - '0');
            ++pos;
        }
        if (expNegative)
            exponent = -exponent;
    }
    if (pos != end)
        return 0;
    if (digits.isEmpty())
        return 0;

    // value x 100 = digits x 10^shift; drop digits for a negative shift (truncation).
    const long long shift = exponent - fractionDigits + 2;
    if (shift < 0) {
        if (-shift >= digits.size())
            return 0;
        digits.chop(int(-shift));
    } else {
        if (digits.size() + shift > 10)
            return outside();
        digits.append(QByteArray(int(shift), '0'));
    }
    if (digits.size() > 10)
        return outside();
    long long value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return outside();
    return int(value);
}
