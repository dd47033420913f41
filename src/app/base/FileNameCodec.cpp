#include "app/base/FileNameCodec.h"

namespace {

bool isContinuation(uchar b)
{
    return (b & 0xc0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at `at` (no overlong form, no
// surrogate, nothing beyond U+10FFFF), or 0.
int sequenceLength(const uchar *bytes, int at, int length)
{
    const uchar b = bytes[at];
    if (b < 0x80)
        return 1;
    int n = 0;
    uchar low = 0x80;
    uchar high = 0xbf;
    if (b >= 0xc2 && b <= 0xdf) {
        n = 2;
    } else if (b >= 0xe0 && b <= 0xef) {
        n = 3;
        if (b == 0xe0)
            low = 0xa0;
        else if (b == 0xed)
            high = 0x9f;
    } else if (b >= 0xf0 && b <= 0xf4) {
        n = 4;
        if (b == 0xf0)
            low = 0x90;
        else if (b == 0xf4)
            high = 0x8f;
    } else {
        return 0;
    }
    if (at + n > length || bytes[at + 1] < low || bytes[at + 1] > high)
        return 0;
    for (int k = 2; k < n; ++k) {
        if (!isContinuation(bytes[at + k]))
            return 0;
    }
    return n;
}

uint codePoint(const uchar *bytes, int n)
{
    if (n == 1)
        return bytes[0];
    uint c = bytes[0] & (0x7f >> n);
    for (int k = 1; k < n; ++k)
        c = (c << 6) | (bytes[k] & 0x3f);
    return c;
}

void appendUtf8(QByteArray &out, uint c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xc0 | (c >> 6));
        out += char(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += char(0xe0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3f));
        out += char(0x80 | (c & 0x3f));
    } else {
        out += char(0xf0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3f));
        out += char(0x80 | ((c >> 6) & 0x3f));
        out += char(0x80 | (c & 0x3f));
    }
}

} // namespace

QByteArray FileNameCodec::name() const
{
    return QByteArrayLiteral("UTF-8 file names");
}

// Not UTF-8's 106: the toolkit's listing would then ask only whether a name
// is valid UTF-8, and leave the others out.
int FileNameCodec::mibEnum() const
{
    return -7700;
}

QString FileNameCodec::convertToUnicode(const char *in, int length, ConverterState *state) const
{
    const auto *bytes = reinterpret_cast<const uchar *>(in);
    QString out;
    out.reserve(length);
    for (int at = 0; at < length;) {
        const int n = sequenceLength(bytes, at, length);
        const uint c = n ? codePoint(bytes + at, n) : 0;
        if (n == 0 || (c >= kEscapeBase + 0x80u && c <= kEscapeBase + 0xffu)) {
            out += QChar(ushort(kEscapeBase + bytes[at]));
            ++at;
            continue;
        }
        if (c >= 0x10000) {
            out += QChar(QChar::highSurrogate(c));
            out += QChar(QChar::lowSurrogate(c));
        } else {
            out += QChar(ushort(c));
        }
        at += n;
    }
    if (state) {
        state->invalidChars = 0;
        state->remainingChars = 0;
    }
    return out;
}

QByteArray FileNameCodec::convertFromUnicode(const QChar *in, int length, ConverterState *state) const
{
    QByteArray out;
    out.reserve(length * 3);
    int invalid = 0;
    for (int at = 0; at < length; ++at) {
        const ushort c = in[at].unicode();
        if (isEscape(in[at])) {
            out += char(c - kEscapeBase);
        } else if (QChar::isHighSurrogate(c) && at + 1 < length && in[at + 1].isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(c, in[at + 1].unicode()));
            ++at;
        } else if (QChar::isSurrogate(c)) {
            // No name reads as a lone surrogate.
            out += '?';
            ++invalid;
        } else {
            appendUtf8(out, c);
        }
    }
    if (state) {
        state->invalidChars += invalid;
        state->remainingChars = 0;
    }
    return out;
}
