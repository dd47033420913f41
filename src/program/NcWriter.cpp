#include "program/NcWriter.h"

#include "app/base/FileSave.h"
#include "program/SegmentPasses.h"

#include <algorithm>
#include <cstring>

namespace {

// Longest line: "G-2147483648", four words " X" + 11 characters, LF.
constexpr int kMaxLine = 66;

const char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                      "8081828384858687888990919293949596979899";

// For each bit length of a number: (the digits of the smallest number of
// that length + 1) * 2^32 - the power of ten those digits reach. Added to the
// number, the high word is its digit count, with no branch (a count that
// varies from word to word is nothing a predictor could learn).
struct DigitSteps {
    quint64 step[32];
    constexpr DigitSteps()
        : step()
    {
        for (int bits = 0; bits < 32; ++bits) {
            quint64 smallest = quint64(1) << bits;
            quint64 power = 10;
            quint64 digits = 1;
            while (power <= smallest) {
                power *= 10;
                ++digits;
            }
            step[bits] = power < (quint64(1) << 32) ? ((digits + 1) << 32) - power : digits << 32;
        }
    }
};
constexpr DigitSteps kDigitSteps;

Q_ALWAYS_INLINE int digitCount(quint32 m)
{
    // m | 1: as many digits, and a bit length for 0.
    return int((m + kDigitSteps.step[31 - __builtin_clz(m | 1u)]) >> 32);
}

// Bytes putDecimal may write past the end of what it puts.
constexpr int kSlack = 8;

// value in decimal, right-aligned in width with blanks; any length.
char *putDecimalLong(char *out, qint32 value, int width)
{
    quint32 m = value < 0 ? 0u - quint32(value) : quint32(value);
    const int digits = digitCount(m);
    for (int length = digits + (value < 0 ? 1 : 0); length < width; ++length)
        *out++ = ' ';
    if (value < 0)
        *out++ = '-';
    char *const end = out + digits;
    char *p = end;
    while (m >= 100) {
        const quint32 pair = m % 100;
        m /= 100;
        p -= 2;
        p[0] = kPairs[2 * pair];
        p[1] = kPairs[2 * pair + 1];
    }
    if (m >= 10) {
        p[-2] = kPairs[2 * m];
        p[-1] = kPairs[2 * m + 1];
    } else {
        p[-1] = char('0' + m);
    }
    return end;
}

// The four ASCII digits of every number below 10^4 with its leading zeros,
// the first digit in the lowest byte.
struct FourDigits {
    quint32 text[10000];
    constexpr FourDigits()
        : text()
    {
        for (quint32 v = 0; v < 10000; ++v)
            text[v] =
                (0x30u + v / 1000) | (0x30u + v / 100 % 10) << 8 | (0x30u + v / 10 % 10) << 16 | (0x30u + v % 10) << 24;
    }
};
constexpr FourDigits kFourDigits;

// The eight decimal digits of m < 10^8 as ASCII, the first in the lowest byte.
Q_ALWAYS_INLINE quint64 eightDigits(quint32 m)
{
    return kFourDigits.text[m / 10000] | quint64(kFourDigits.text[m % 10000]) << 32;
}

// value in decimal, right-aligned in width with blanks. A field of up to
// eight characters is put together in a register and stored at once, and
// kSlack bytes are written whatever its length: branches on a length that
// varies from word to word cost more.
Q_ALWAYS_INLINE char *putDecimal(char *out, qint32 value, int width)
{
    const bool negative = value < 0;
    const quint32 m = negative ? 0u - quint32(value) : quint32(value);
    const int digits = digitCount(m);
    const int length = digits + (negative ? 1 : 0);
    const int field = std::max(length, width);
    if (field > 8)
        return putDecimalLong(out, value, width);
    quint64 text = eightDigits(m);
    // Leading zeros become blanks, the last of them the sign.
    const quint64 lead = digits == 8 ? 0 : (quint64(1) << (8 * (8 - digits))) - 1;
    text ^= 0x1010101010101010ULL & lead;
    // The sign goes in without a branch: coordinates come with either sign
    // in no order a predictor could learn.
    // (A negative number here has at most seven digits; the mask keeps the
    // shift in range for eight.)
    text ^= (quint64('-' ^ ' ') << (8 * ((7 - digits) & 7))) & (0 - quint64(negative));
    text >>= 8 * (8 - field);
    std::memcpy(out, &text, sizeof text);
    return out + field;
}

char *putText(char *out, const char *text)
{
    while (*text)
        *out++ = *text++;
    return out;
}

template <NcWriter::Style style> Q_ALWAYS_INLINE char *putCode(char *out, qint32 type)
{
    if (style != NcWriter::Library) {
        const char *m = nullptr;
        if (type == SegType::MCode)
            m = "M00";
        else if (type == SegType::MarkOut)
            m = "M58";
        else if (type == SegType::MarkBack)
            m = "M55";
        if (m) {
            out = putText(out, m);
            return style == NcWriter::Edit ? putText(out, "  ") : out;
        }
    }
    *out++ = 'G';
    if (type >= 0 && type <= 9) {
        *out++ = '0';
        *out++ = char('0' + type);
        return out;
    }
    return putDecimal(out, type, 0);
}

Q_ALWAYS_INLINE char *putWord(char *out, char letter, qint32 value, int width)
{
    *out++ = ' ';
    *out++ = letter;
    return putDecimal(out, value, width);
}

// One line per record of table[0..count-1], as they are or scaled. The sums
// stay in locals: a store through a char pointer could change anything in
// memory, so sums kept there would be reloaded after every digit.
template <NcWriter::Style style, bool scale>
char *putLines(char *out, const SegmentRecord *table, int count, double ratio, quint32 &sumXOut, quint32 &sumYOut)
{
    constexpr int width = style == NcWriter::Temp ? 2 : 8;
    quint32 sumX = 0;
    quint32 sumY = 0;
    for (int row = 0; row < count; ++row) {
        const SegmentRecord r = scale ? NcWriter::scaled(table[row], ratio) : table[row];
        out = putCode<style>(out, r.type);
        if (isMotion(r.type)) {
            out = putWord(out, 'X', r.x, width);
            out = putWord(out, 'Y', r.y, width);
            sumX += quint32(r.x);
            sumY += quint32(r.y);
        }
        if (isArc(r.type)) {
            out = putWord(out, 'I', r.i, width);
            out = putWord(out, 'J', r.j, width);
        }
        *out++ = '\n';
    }
    sumXOut = sumX;
    sumYOut = sumY;
    return out;
}

template <NcWriter::Style style>
char *putLines(char *out, const SegmentRecord *table, int count, double ratio, quint32 &sumX, quint32 &sumY)
{
    if (ratio == 1.0)
        return putLines<style, false>(out, table, count, ratio, sumX, sumY);
    return putLines<style, true>(out, table, count, ratio, sumX, sumY);
}

} // namespace

SegmentRecord NcWriter::scaled(const SegmentRecord &r, double ratio)
{
    SegmentRecord s = r;
    if (ratio == 1.0 || !isMotion(r.type))
        return s;
    s.x = SegmentPasses::truncate(r.x * ratio);
    s.y = SegmentPasses::truncate(r.y * ratio);
    if (isArc(r.type)) {
        s.i = SegmentPasses::truncate(r.i * ratio);
        s.j = SegmentPasses::truncate(r.j * ratio);
    }
    return s;
}

NcWriter::Output NcWriter::format(const SegmentRecord *table, Style style, double ratio)
{
    Output result;
    const int count = SegmentTable::length(table);
    result.text.resize(count * kMaxLine + kSlack);
    char *const begin = result.text.data();
    char *out = begin;
    quint32 sumX = 0;
    quint32 sumY = 0;
    switch (style) {
    case Temp:
        out = putLines<Temp>(begin, table, count, ratio, sumX, sumY);
        break;
    case Edit:
        out = putLines<Edit>(begin, table, count, ratio, sumX, sumY);
        break;
    case Library:
        out = putLines<Library>(begin, table, count, ratio, sumX, sumY);
        break;
    }
    result.text.resize(int(out - begin));
    result.lines = count;
    result.sumX = qint32(sumX);
    result.sumY = qint32(sumY);
    return result;
}

bool NcWriter::save(const QString &path, const QByteArray &text, FileError *error)
{
    return FileSave::write(path, text, error);
}
