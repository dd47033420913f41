#ifndef LIBOUTPUT_H
#define LIBOUTPUT_H

#include <QByteArray>

// The text of k.nc as it is built: lines of literal pieces and decimal
// integers, each ended by a line feed. Kept in memory so that a failed
// generation leaves the previous file untouched.
class LibOutput
{
public:
    LibOutput &operator<<(const char *text)
    {
        bytes_.append(text);
        return *this;
    }
    LibOutput &operator<<(const QByteArray &text)
    {
        bytes_.append(text);
        return *this;
    }
    LibOutput &operator<<(long long value);
    LibOutput &operator<<(int value) { return *this << static_cast<long long>(value); }
    // Ends the current line.
    LibOutput &endl()
    {
        bytes_.append('\n');
        return *this;
    }

    const QByteArray &bytes() const { return bytes_; }
    QByteArray &bytes() { return bytes_; }
    void reserve(int size) { bytes_.reserve(size); }

private:
    QByteArray bytes_;
};

#endif
