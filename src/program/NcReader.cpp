#include "program/NcReader.h"

#include <QIODevice>

#include <cstring>

namespace {

bool isDigit(int c)
{
    return c >= '0' && c <= '9';
}

bool isSign(int c)
{
    return c == '+' || c == '-';
}

// The word of r that a coordinate letter names; nullptr for any other character.
qint32 *coordinateWord(SegmentRecord &r, int c)
{
    switch (c) {
    case 'X':
    case 'x':
        return &r.x;
    case 'Y':
    case 'y':
        return &r.y;
    case 'I':
    case 'i':
        return &r.i;
    case 'J':
    case 'j':
        return &r.j;
    default:
        return nullptr;
    }
}

bool isCoordinateLetter(int c)
{
    SegmentRecord any{};
    return coordinateWord(any, c) != nullptr;
}

// Integer arithmetic of the readers wraps like the 32-bit machine words it
// stands for; a signed overflow must not be undefined behaviour.
qint32 wrap(quint32 v)
{
    return static_cast<qint32>(v);
}

qint32 addDigit(qint32 value, int digit, bool negative)
{
    const quint32 d = quint32(digit);
    return wrap(quint32(value) * 10u + (negative ? 0u - d : d));
}

qint32 times(qint32 value, quint32 factor)
{
    return wrap(quint32(value) * factor);
}

// Marking-tool offset of the library's ESSI marks: 84.00 mm along X.
constexpr qint32 kMarkOffset = 8400;
constexpr qint32 kMarkOutTag = 32;

} // namespace

NcReader::NcReader(const QByteArray &bytes, SegmentRecord *table, const Options &options)
    : bytes_(bytes)
    , data_(bytes_.constData())
    , size_(bytes_.size())
    , table_(table)
    , options_(options)
{
}

NcReader::NcReader(const QByteArray &bytes, SegmentRecord *table)
    : NcReader(bytes, table, Options())
{
}

NcReader::NcReader(QIODevice *device, SegmentRecord *table, const Options &options, int chunkBytes)
    : data_(nullptr)
    , size_(0)
    , table_(table)
    , options_(options)
    , device_(device)
    , chunkBytes_(chunkBytes > 0 ? chunkBytes : kChunkBytes)
{
    bytes_.resize(chunkBytes_);
    data_ = bytes_.constData();
}

// ---------------------------------------------------------------- cursor

void NcReader::rewind()
{
    cur_ = kEnd;
    pos_ = 0;
    // Data that began at offset 0 is all still at hand.
    if (!device_ || chunkStart_ == 0)
        return;
    size_ = 0;
    chunkStart_ = 0;
    if (!device_->seek(0))
        deviceFailed_ = true;
}

bool NcReader::refill()
{
    if (!device_ || deviceFailed_)
        return false;
    chunkStart_ += size_;
    char *buffer = bytes_.data();
    data_ = buffer;
    const qint64 got = device_->read(buffer, chunkBytes_);
    pos_ = 0;
    size_ = got > 0 ? int(got) : 0;
    if (got < 0)
        deviceFailed_ = true;
    return size_ > 0;
}

// ---------------------------------------------------------------- numbers

Q_ALWAYS_INLINE qint32 NcReader::digitRun(qint32 value, bool negative)
{
    // Digits need no CR LF handling, so the run is taken straight from the bytes.
    value = addDigit(value, cur_ - '0', negative);
    do {
        while (pos_ < size_ && isDigit(data_[pos_]))
            value = addDigit(value, data_[pos_++] - '0', negative);
    } while (pos_ >= size_ && refill());
    next();
    return value;
}

qint32 NcReader::readNumber()
{
    while (cur_ == ' ')
        next();
    bool negative = false;
    if (isSign(cur_)) {
        negative = cur_ == '-';
        next();
    }
    qint32 value = 0;
    for (;;) {
        if (isDigit(cur_)) {
            value = digitRun(value, false);
        } else if (cur_ == ' ') {
            // "12 34" is one number; "12  34" is two.
            if (!isDigit(next()))
                break;
        } else {
            break;
        }
    }
    return negative ? wrap(0u - quint32(value)) : value;
}

namespace {

// The high bit of each byte of x that is no digit: at or above ':', below
// '0', or not ASCII.
Q_ALWAYS_INLINE quint64 nonDigits(quint64 x)
{
    const quint64 low7 = x & 0x7F7F7F7F7F7F7F7FULL;
    return ((low7 + 0x4646464646464646ULL) | ~(low7 + 0x5050505050505050ULL) | x) & 0x8080808080808080ULL;
}

// The index of the first byte marked in mask; 8 for none.
Q_ALWAYS_INLINE int firstMarked(quint64 mask)
{
    return mask ? __builtin_ctzll(mask) >> 3 : 8;
}

// How many of the eight bytes of x, the first in the lowest byte, are digits
// before the first other byte.
Q_ALWAYS_INLINE int leadingDigits(quint64 x)
{
    return firstMarked(nonDigits(x));
}

// The value of the first n (at most eight) bytes of x, all digits.
Q_ALWAYS_INLINE quint32 digitsValue(quint64 x, int n)
{
    // The first byte is the most significant digit; shifted up, the bytes
    // after the run fall out and zeros lead.
    quint64 y = n ? (x & 0x0F0F0F0F0F0F0F0FULL) << (8 * (8 - n)) : 0;
    y = (y * 2561) >> 8;
    y = ((y & 0x00FF00FF00FF00FFULL) * 6553601) >> 16;
    return quint32(((y & 0x0000FFFF0000FFFFULL) * 42949672960001ULL) >> 32);
}

constexpr quint32 kPowersOfTen[] = {1u, 10u, 100u, 1000u, 10000u, 100000u, 1000000u, 10000000u, 100000000u};

// The digits that start the eight bytes at p, at most eight, and their
// count: value * 10^count + the digits (negated for a negative number) in the
// wrapping arithmetic equals adding them one by one.
Q_ALWAYS_INLINE qint32 addDigitRun8(qint32 value, const char *p, bool negative, int *count)
{
    quint64 x;
    std::memcpy(&x, p, sizeof x);
    const int n = leadingDigits(x);
    const quint32 run = digitsValue(x, n);
    *count = n;
    return wrap(quint32(value) * kPowersOfTen[n] + (negative ? 0u - run : run));
}

// Bytes the quick word readers keep at hand after a word's letter: eight
// loaded at once, room for blanks, a point and two digits or a CR LF.
constexpr int kQuickTail = 32;

// A number of the usual form taken straight from the bytes at p, the
// character after the word's letter: an optional minus and digits, seven
// bytes at most, and blanks, then a character that cannot go on the number (a CR LF reads as
// its line feed). With Fraction a point and two digits may come first, and
// the second of them ends the number, as readFixed2 leaves it. Returns where
// the cursor goes on, with the character that ended the number in ended; the
// value is the one readInt (readFixed2) gives. nullptr for any other form,
// which the cursor reads. Blanks run at most to stop, three bytes before the
// end of the data at hand.
// The character at r as the cursor reads it (a CR LF as its line feed) in
// ended, and where the cursor goes on after it; r[1] must be at hand.
Q_ALWAYS_INLINE const char *lineEndAware(const char *r, int &ended)
{
    ended = static_cast<unsigned char>(*r);
    if (ended == '\r' && r[1] == '\n') {
        ended = '\n';
        ++r;
    }
    return r + 1;
}

template <bool Fraction>
Q_ALWAYS_INLINE const char *quickNumber(const char *p, const char *stop, qint32 &value, int &ended)
{
    quint64 x;
    std::memcpy(&x, p, sizeof x);
    const int minus = (x & 0xFF) == '-' ? 1 : 0;
    // All ones for a minus: the sign is applied without a branch, coordinates
    // come with either sign in no order a predictor could learn.
    const quint32 sign = 0u - quint32(minus);
    // Where the digits end, found in x as it is: the position of every word
    // after this one waits for it, and shifting out the minus first would
    // make that wait longer.
    const int end = firstMarked(nonDigits(x) & ~(quint64(minus) << 7));
    const int n = end - minus;
    if (n <= 0 || end > 7)
        return nullptr;
    quint32 m = digitsValue(x >> (8 * minus), n);
    const char *r = p + end;
    while (*r == ' ') {
        if (++r >= stop)
            return nullptr;
    }
    int t = static_cast<unsigned char>(*r);
    if (Fraction) {
        m *= 100u;
        if (t == '.') {
            if (!isDigit(r[1]) || !isDigit(r[2]))
                return nullptr;
            m += quint32((r[1] - '0') * 10 + (r[2] - '0'));
            value = wrap((m ^ sign) - sign);
            // The reader's loop passes the blanks after the number with
            // nothing to act on: the cursor goes on past them at once.
            const char *after = r + 3;
            while (*after == ' ' && after < stop)
                ++after;
            if (after == r + 3 || after >= stop) {
                ended = static_cast<unsigned char>(r[2]);
                return r + 3;
            }
            return lineEndAware(after, ended);
        }
        if (t == '+')
            return nullptr;
    }
    if (isDigit(t) || t == '-')
        return nullptr;
    value = wrap((m ^ sign) - sign);
    return lineEndAware(r, ended);
}

} // namespace

// The cursor of the quick word readers, kept in registers: p is the
// character after the current one, c.
struct NcReader::QuickCursor {
    const char *p;
    const char *limit; // kQuickTail before the end of the data at hand
    const char *stop;  // three bytes before it
    int c;

    // One character on, a CR LF read as its line feed, as next() does.
    void step()
    {
        c = static_cast<unsigned char>(*p++);
        if (c == '\r' && *p == '\n') {
            c = '\n';
            ++p;
        }
    }
    void goOn(const char *at, int ended)
    {
        p = at;
        c = ended;
    }
    bool more(int index) const { return p < limit && index < kSegmentRows; }
    template <bool Fraction> const char *number(qint32 &value, int &ended) const
    {
        return quickNumber<Fraction>(p, stop, value, ended);
    }
};

Q_ALWAYS_INLINE bool NcReader::numberRun(qint32 &value, bool &negative, bool &digits, bool plusEndsAfterDigits)
{
    const char *p = data_ + pos_;
    const char *const end = data_ + size_;
    // A minus right at the start, taken without a branch: coordinates come
    // with either sign in no order a predictor could learn.
    if (p < end) {
        const bool minus = *p == '-';
        negative = negative || minus;
        p += minus ? 1 : 0;
    }
    for (; p < end; ++p) {
        const int c = static_cast<unsigned char>(*p);
        if (isDigit(c)) {
            digits = true;
            if (end - p >= 8) {
                int n;
                value = addDigitRun8(value, p, negative, &n);
                p += n - 1;
            } else {
                value = addDigit(value, c - '0', negative);
            }
        } else if (c == '-') {
            negative = true;
        } else if (c != ' ' && (c != '+' || (plusEndsAfterDigits && digits))) {
            // A CR may begin a CR LF, which the cursor reads as one LF.
            if (c == '\r')
                break;
            pos_ = int(p - data_) + 1;
            cur_ = c;
            return true;
        }
    }
    pos_ = int(p - data_);
    return false;
}

qint32 NcReader::readInt()
{
    qint32 value = 0;
    bool negative = false;
    bool digits = false;
    if (numberRun(value, negative, digits, true))
        return value;
    int c = next();
    for (;;) {
        if (isDigit(c)) {
            value = digitRun(value, negative);
            digits = true;
            c = cur_;
            continue;
        }
        if (c == '-') {
            negative = true;
        } else if (c != ' ' && (c != '+' || digits)) {
            return value;
        }
        c = next();
    }
}

qint32 NcReader::readFixed2()
{
    qint32 whole = 0;
    bool negative = false;
    bool digits = false;
    int c = numberRun(whole, negative, digits, false) ? cur_ : next();
    for (;;) {
        if (isDigit(c)) {
            whole = digitRun(whole, negative);
            c = cur_;
            continue;
        }
        if (c == '-')
            negative = true;
        else if (c != ' ' && c != '+')
            break;
        c = next();
    }
    qint32 value = times(whole, 100u);
    if (cur_ != '.')
        return value;
    if (size_ - pos_ >= 2 && isDigit(data_[pos_]) && isDigit(data_[pos_ + 1])) {
        // Two fraction digits straight from the bytes; the second stays current.
        const qint32 hundredths = (data_[pos_] - '0') * 10 + (data_[pos_ + 1] - '0');
        value = wrap(quint32(value) + (negative ? 0u - quint32(hundredths) : quint32(hundredths)));
        cur_ = static_cast<unsigned char>(data_[pos_ + 1]);
        pos_ += 2;
        return value;
    }
    if (!isDigit(next()))
        return value;
    value = wrap(quint32(value) + quint32(addDigit(0, cur_ - '0', negative)) * 10u);
    // The second fraction digit stays current; a third is left to the reader loop.
    if (isDigit(next()))
        value = wrap(quint32(value) + quint32(addDigit(0, cur_ - '0', negative)));
    return value;
}

// ---------------------------------------------------------------- detection

void NcReader::skipComment()
{
    // Called on "(": the comment ends after ")" or at the line feed, which
    // stays current so it still ends the line.
    do {
        next();
    } while (cur_ != ')' && cur_ != '\n' && cur_ != kEnd);
    if (cur_ == ')')
        next();
}

NcReader::Format NcReader::detect()
{
    rewind();
    int counter = 0;
    bool gSeen = false;
    for (;;) {
        next();
        while (cur_ == '(')
            skipComment();
        if (isDigit(cur_)) {
            if (readNumber() == 3 && (!gSeen || options_.patternFile))
                return Essi;
            while (cur_ == '(')
                skipComment();
        }
        if (cur_ == 'G' || cur_ == 'g')
            gSeen = true;
        if (gSeen && isCoordinateLetter(cur_))
            break;
        if (cur_ == kEnd)
            return Essi;
        if (++counter > 99)
            return Essi;
    }
    if (options_.patternFile)
        return IntegerGCode;
    for (;;) {
        if (counter > 99)
            return IntegerGCode;
        next();
        while (cur_ == '(')
            skipComment();
        if (cur_ == kEnd)
            return IntegerGCode;
        if (cur_ == '.')
            return DecimalGCode;
        ++counter;
    }
}

bool NcReader::read(Format format)
{
    rewind();
    index_ = -1;
    rowNamed_ = false;
    lastMotion_ = -1;
    switch (format) {
    case Essi:
        readEssi();
        break;
    case IntegerGCode:
        readIntegerGCode();
        break;
    case DecimalGCode:
        readDecimalGCode();
        break;
    }
    return index_ < kSegmentRows;
}

// ---------------------------------------------------------------- records

Q_ALWAYS_INLINE void NcReader::newRecord(qint32 type)
{
    ++index_;
    if (index_ < kSegmentRows)
        table_[index_].type = type;
}

// Marking-tool offset records are kept out of the last row.
void NcReader::markRecord(qint32 type)
{
    ++index_;
    if (index_ <= kSegmentRows - 2)
        table_[index_].type = type;
}

// The five words only: the flag bytes are never written.
void NcReader::setRecord(SegmentRecord &r, qint32 type, qint32 x, qint32 i)
{
    r.type = type;
    r.x = x;
    r.y = 0;
    r.i = i;
    r.j = 0;
}

// The library's form of a marking-tool offset: a type-5 mark, then the offset
// rapid, both or neither.
void NcReader::markPair(qint32 tag, qint32 offset)
{
    if (index_ + 1 > kSegmentRows - 2) {
        ++index_;
        return;
    }
    setRecord(table_[++index_], SegType::ToolChange, tag, 0);
    setRecord(table_[++index_], SegType::Rapid, offset, 1);
}

void NcReader::markOut()
{
    if (options_.library)
        markPair(kMarkOutTag, kMarkOffset);
    else
        markRecord(SegType::MarkOut);
}

void NcReader::markBack()
{
    if (options_.library)
        markPair(options_.libMode, -kMarkOffset);
    else
        markRecord(SegType::MarkBack);
}

void NcReader::skipLine()
{
    while (cur_ != '\n' && cur_ != kEnd)
        next();
}

// ---------------------------------------------------------------- ESSI

void NcReader::readEssi()
{
    next();
    while (going()) {
        if (isDigit(cur_))
            essiCode(readNumber());
        else
            next();
    }
}

void NcReader::essiCode(qint32 code)
{
    switch (code) {
    case 0:
        newRecord(SegType::MCode);
        break;
    case 3:
        essiComment();
        break;
    case 5:
        rapidBlock();
        break;
    case 7:
        cutBlock({8, 38, true, false, false});
        break;
    case 9:
        if (options_.library)
            newRecord(SegType::BlockStart);
        cutBlock({10, 38, true, false, options_.library});
        break;
    case 11:
    case 114:
        markOut();
        break;
    case 12:
        markBack();
        break;
    case 29:
        newRecord(SegType::KerfLeft);
        break;
    case 30:
        newRecord(SegType::KerfRight);
        break;
    case 38:
        newRecord(SegType::KerfOff);
        break;
    case 53:
        cutBlock({54, 38, true, true, false});
        break;
    case 63:
    case 110:
        cutBlock({111, 111, false, true, false});
        break;
    default:
        if (code >= 21 && code <= 28)
            newRecord(code + 50);
        break;
    }
}

// Code 3: lines are passed over until one that begins with the number 4.
void NcReader::essiComment()
{
    skipLine();
    while (cur_ != kEnd) {
        next();
        while (cur_ == ' ')
            next();
        if (isDigit(cur_) && readNumber() == 4)
            return;
        skipLine();
    }
}

// "+x+y" or, in a cut block, "+x+y+i+j" with the direction sign at the end.
void NcReader::signLine(bool cut)
{
    newRecord(cut ? SegType::End : SegType::Rapid);
    SegmentRecord &r = record();
    r.x = times(readNumber(), 10u);
    r.y = times(readNumber(), 10u);
    if (!cut)
        return;
    while (cur_ == ' ')
        next();
    if (!isSign(cur_)) {
        r.type = SegType::Line;
        return;
    }
    r.i = times(readNumber(), 10u);
    r.j = times(readNumber(), 10u);
    // An arc without its direction sign keeps type End.
    if (cur_ == '+')
        r.type = SegType::ArcCCW;
    else if (cur_ == '-')
        r.type = SegType::ArcCW;
}

void NcReader::signLineTail(bool blanksOnly)
{
    skipLine();
    if (blanksOnly) {
        if (cur_ == '\n')
            next();
        while (cur_ == ' ')
            next();
    } else {
        while (cur_ == ' ' || cur_ == '\n')
            next();
    }
}

void NcReader::cutBlock(const CutBlock &block)
{
    while (going()) {
        if (!isSign(cur_)) {
            next();
            continue;
        }
        signLine(true);
        signLineTail(block.blanksOnly);
        // A code counts only where it stands right after a sign line.
        if (!isDigit(cur_))
            continue;
        const qint32 code = readNumber();
        if (code == block.end1 || code == block.end2) {
            if (block.kerfOffEnds && code == 38)
                newRecord(SegType::KerfOff);
            else if (block.endRecord)
                newRecord(SegType::BlockEnd);
            return;
        }
    }
}

void NcReader::rapidBlock()
{
    while (going()) {
        if (isSign(cur_)) {
            signLine(false);
            signLineTail(false);
            continue;
        }
        if (!isDigit(cur_)) {
            next();
            continue;
        }
        const qint32 code = readNumber();
        switch (code) {
        case 6:
            return;
        case 11:
        case 114:
            markOut();
            break;
        case 12:
            markBack();
            break;
        case 9:
        case 110:
            if (options_.library)
                newRecord(SegType::BlockStart);
            cutBlock({10, 111, false, code == 110, options_.library});
            if (afterInnerBlock())
                return;
            break;
        default:
            break;
        }
    }
}

// Right after a cut block inside a rapid block only the first code of the
// next line is looked at, and only 12 and 6 act. True when 6 ended the block.
bool NcReader::afterInnerBlock()
{
    skipLine();
    next();
    while (going() && cur_ != '\n' && !isDigit(cur_) && !isSign(cur_))
        next();
    if (!going() || !isDigit(cur_))
        return false;
    const qint32 code = readNumber();
    if (code == 12)
        markBack();
    return code == 6;
}

// ---------------------------------------------------------------- G-code

Q_ALWAYS_INLINE void NcReader::integerCode(bool m, qint32 n)
{
    if (rowNamed_)
        rowNamed_ = false;
    else
        ++index_;
    if (index_ < kSegmentRows)
        table_[index_].type = m ? wrap(quint32(n) + quint32(SegType::MCode)) : n;
}

void NcReader::blockNumber(qint32 n)
{
    // A negative block number names no row.
    rowNamed_ = n >= 0;
    if (rowNamed_)
        index_ = n;
}

// The words of the usual form, read straight from the bytes of the chunk
// with the cursor kept in registers; returns at anything else, and where too
// little of the chunk is left, with the cursor where the loop of the reader
// goes on.
Q_ALWAYS_INLINE bool NcReader::quickStart(QuickCursor &k) const
{
    if (size_ < kQuickTail)
        return false;
    k = {data_ + pos_, data_ + size_ - kQuickTail, data_ + size_ - 3, cur_};
    return true;
}

Q_ALWAYS_INLINE void NcReader::quickEnd(const QuickCursor &k)
{
    pos_ = int(k.p - data_);
    cur_ = k.c;
}

void NcReader::quickIntegerWords()
{
    QuickCursor k;
    if (!quickStart(k))
        return;
    while (k.more(index_)) {
        const int c = k.c;
        qint32 value;
        int ended;
        const char *q;
        if (c == 'G' || c == 'g' || c == 'M' || c == 'm') {
            if (!(q = k.number<false>(value, ended)))
                break;
            integerCode(c == 'M' || c == 'm', value);
        } else if (qint32 *word = coordinateWord(record(), c)) {
            if (!(q = k.number<false>(value, ended)))
                break;
            *word = value;
        } else if (c == 'N' || c == 'n') {
            if (!(q = k.number<false>(value, ended)))
                break;
            blockNumber(value);
        } else if (c == '(') {
            break;
        } else {
            k.step();
            continue;
        }
        k.goOn(q, ended);
    }
    quickEnd(k);
}

void NcReader::readIntegerGCode()
{
    next();
    for (;;) {
        quickIntegerWords();
        if (!going())
            break;
        switch (cur_) {
        case '(':
            skipComment();
            break;
        case 'G':
        case 'g':
        case 'M':
        case 'm': {
            const bool m = cur_ == 'M' || cur_ == 'm';
            integerCode(m, readInt());
            break;
        }
        case 'N':
        case 'n':
            blockNumber(readInt());
            break;
        default:
            if (qint32 *word = coordinateWord(record(), cur_))
                *word = readInt();
            else
                next();
            break;
        }
    }
}

void NcReader::quickDecimalWords(bool &lineStart)
{
    QuickCursor k;
    if (!quickStart(k))
        return;
    while (k.more(index_)) {
        const int c = k.c;
        qint32 value;
        int ended;
        const char *q;
        if (c == 'X' || c == 'x' || c == 'Y' || c == 'y') {
            if (!(q = k.number<true>(value, ended)))
                break;
            decimalCoordinate(c == 'X' || c == 'x', lineStart, value);
        } else if (c == 'G' || c == 'g') {
            if (!(q = k.number<false>(value, ended)))
                break;
            lineStart = false;
            decimalG(value);
        } else if (qint32 *word = coordinateWord(record(), c)) {
            if (!(q = k.number<true>(value, ended)))
                break;
            lineStart = false;
            *word = value;
        } else if (c == 'M' || c == 'm') {
            if (!(q = k.number<false>(value, ended)))
                break;
            lineStart = false;
            decimalM(value);
        } else if (c == '(') {
            break;
        } else {
            if (c == '\n')
                lineStart = true;
            k.step();
            continue;
        }
        k.goOn(q, ended);
    }
    quickEnd(k);
}

void NcReader::readDecimalGCode()
{
    bool lineStart = false;
    next();
    for (;;) {
        quickDecimalWords(lineStart);
        if (!going())
            break;
        switch (cur_) {
        case '\n':
            lineStart = true;
            next();
            break;
        case '(':
            skipComment();
            break;
        case 'G':
        case 'g':
            lineStart = false;
            decimalG(readInt());
            break;
        case 'M':
        case 'm':
            lineStart = false;
            decimalM(readInt());
            break;
        case 'X':
        case 'x':
            decimalCoordinate(true, lineStart, readFixed2());
            break;
        case 'Y':
        case 'y':
            decimalCoordinate(false, lineStart, readFixed2());
            break;
        default:
            if (qint32 *word = coordinateWord(record(), cur_)) {
                lineStart = false;
                *word = readFixed2();
            } else {
                next();
            }
            break;
        }
    }
}

void NcReader::decimalM(qint32 n)
{
    if (n == 0)
        newRecord(SegType::MCode);
    else if (n == 11)
        markRecord(SegType::MarkOut);
    else if (n == 12)
        markRecord(SegType::MarkBack);
}

Q_ALWAYS_INLINE void NcReader::decimalG(qint32 n)
{
    if (n < 4) {
        newRecord(n);
        if (index_ < kSegmentRows)
            lastMotion_ = index_;
    } else if (n == 11) {
        markRecord(SegType::MarkOut);
    } else if (n == 12) {
        markRecord(SegType::MarkBack);
    } else if (n == SegType::KerfOff) {
        newRecord(n);
    } else if (n == SegType::KerfLeft || n == SegType::KerfRight) {
        // In "G01 G41" the kerf code comes before the line.
        if (SegmentTable::typeAt(table_, index_) == SegType::Line) {
            table_[index_].type = n;
            newRecord(SegType::Line);
            if (index_ < kSegmentRows)
                lastMotion_ = index_;
        } else {
            newRecord(n);
        }
    }
}

Q_ALWAYS_INLINE void NcReader::decimalCoordinate(bool isX, bool &lineStart, qint32 value)
{
    SegmentRecord *target = nullptr;
    if (lineStart) {
        lineStart = false;
        // A coordinate line repeats the last motion; with none there is no row for it.
        if (lastMotion_ < 0)
            return;
        newRecord(table_[lastMotion_].type);
        if (index_ >= kSegmentRows)
            return;
        lastMotion_ = index_;
        target = &table_[index_];
    } else if (SegmentTable::typeAt(table_, index_) == SegType::KerfOff
               && SegmentTable::typeAt(table_, index_ - 1) == SegType::Line) {
        // "G01 G40 X.. Y..": the coordinates belong to the line.
        target = &table_[index_ - 1];
    } else {
        target = &record();
    }
    if (isX)
        target->x = value;
    else
        target->y = value;
}
