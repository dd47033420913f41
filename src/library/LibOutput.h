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

    // k.nc never grows past this. A count typed by mistake (thousands by
    // thousands) would otherwise ask for more memory than a byte array can
    // hold and end the program; such a program is refused before it is built.
    static constexpr double kMaxBytes = double(1 << 30);
    // Whether `more` bytes still fit after what is written so far.
    bool fits(double more) const { return bytes_.size() + more <= kMaxBytes; }

    const QByteArray &bytes() const { return bytes_; }
    QByteArray &bytes() { return bytes_; }
    void reserve(int size) { bytes_.reserve(size); }

private:
    QByteArray bytes_;
};

#endif
