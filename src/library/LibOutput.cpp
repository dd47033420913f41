#include "library/LibOutput.h"

LibOutput &LibOutput::operator<<(long long value)
{
    char buffer[24];
    char *end = buffer + sizeof buffer;
    char *p = end;
    unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    do {
        *--p = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--p = '-';
    bytes_.append(p, int(end - p));
    return *this;
}
