#include "library/LibText.h"

#include "app/base/Hundredths.h"

#include <cmath>

int LibText::hundredths(const QString &text)
{
    return Hundredths::fromText(text);
}

int LibText::hundredths(const QString &text, bool *inRange)
{
    return Hundredths::fromText(text, inRange);
}

int LibText::count(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

double LibText::number(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

QString LibText::millimetres(int hundredths)
{
    const long long v = hundredths;
    const long long magnitude = v < 0 ? -v : v;
    QString text = QString::number(magnitude / 100);
    const int fraction = int(magnitude % 100);
    if (fraction != 0) {
        text += QLatin1Char('.');
        text += QLatin1Char(char('0' + fraction / 10));
        if (fraction % 10 != 0)
            text += QLatin1Char(char('0' + fraction % 10));
    }
    return v < 0 ? QLatin1Char('-') + text : text;
}

QString LibText::general(double value)
{
    return QString::number(value, 'g', 6);
}
