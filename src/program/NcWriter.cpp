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

int digitCount(quint32 m)
{
    static constexpr quint32 kPowers[] = {1u,      10u,      100u,      1000u,      10000u,
                                          100000u, 1000000u, 10000000u, 100000000u, 1000000000u};
    // log10 from the bit length (1233 / 4096 ~ log10 2), one short at most.
    m |= 1u; // as many digits, and a bit length for 0
    const int guess = ((32 - __builtin_clz(m)) * 1233) >> 12;
    return guess + (m >= kPowers[guess] ? 1 : 0);
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

// The eight decimal digits of m < 10^8 as ASCII, the first in the lowest byte.
quint64 eightDigits(quint32 m)
{
    // Two lanes of four digits, then four of two, then eight of one; each
    // division by a constant is a multiply and shift that stays in its lane.
    quint64 x = quint64(m / 10000) | (quint64(m % 10000) << 32);
    const quint64 hundreds = ((x * 5243) >> 19) & 0x0000007F0000007FULL;
    x = hundreds | ((x - hundreds * 100) << 16);
    const quint64 tens = ((x * 103) >> 10) & 0x000F000F000F000FULL;
    x = tens | ((x - tens * 10) << 8);
    return x + 0x3030303030303030ULL;
}

// value in decimal, right-aligned in width with blanks. A field of up to
// eight characters is put together in a register and stored at once, and
// kSlack bytes are written whatever its length: branches on a length that
// varies from word to word cost more.
char *putDecimal(char *out, qint32 value, int width)
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
    text = (text & ~lead) | (0x2020202020202020ULL & lead);
    if (negative)
        text ^= quint64('-' ^ ' ') << (8 * (7 - digits));
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

char *putCode(char *out, qint32 type, NcWriter::Style style)
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

char *putWord(char *out, char letter, qint32 value, int width)
{
    *out++ = ' ';
    *out++ = letter;
    return putDecimal(out, value, width);
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
    const int width = style == Temp ? 2 : 8;
    result.text.resize(count * kMaxLine + kSlack);
    char *const begin = result.text.data();
    char *out = begin;
    quint32 sumX = 0;
    quint32 sumY = 0;
    for (int row = 0; row < count; ++row) {
        const SegmentRecord &r = ratio == 1.0 ? table[row] : scaled(table[row], ratio);
        out = putCode(out, r.type, style);
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
    result.text.resize(int(out - begin));
    result.lines = count;
    result.sumX = qint32(sumX);
    result.sumY = qint32(sumY);
    return result;
}

bool NcWriter::save(const QString &path, const QByteArray &text, QString *errorText)
{
    return FileSave::write(path, text, errorText);
}
