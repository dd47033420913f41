#ifndef NCREADER_H
#define NCREADER_H

#include "program/SegmentTable.h"

#include <QByteArray>

class QIODevice;

// Reads the bytes of an NC program (ESSI, integer G-code or decimal G-code)
// into a segment table. The bytes are walked by a cursor that behaves like
// fgetc on a text-mode stream: CR LF reads as one LF, every other byte (a
// lone CR, 0xFF, Ctrl-Z) is an ordinary character, and only the real end of
// the data ends the reading. A file is read in chunks of a fixed size, so a
// file picked by mistake costs time, never memory.
//
// The caller prefills the table. No row outside 0..kSegmentRows-1 is read or
// written: a word with no row to go to is dropped.
class NcReader
{
public:
    enum Format { Essi, IntegerGCode, DecimalGCode };

    struct Options {
        // The library's ESSI records: type 9/10 around 9 and 110 blocks,
        // a type-5 mark and an 84 mm offset rapid for 11, 114 and 12.
        bool library = false;
        // The generated pattern file: a 3 selects ESSI even after a G, and
        // G-code is always read with the integer reader.
        bool patternFile = false;
        // Goes into the x word of the type-5 record of an ESSI 12.
        quint8 libMode = 0;
    };

    static constexpr int kEnd = -1;

    static constexpr int kChunkBytes = 64 * 1024;

    NcReader(const QByteArray &bytes, SegmentRecord *table, const Options &options);
    NcReader(const QByteArray &bytes, SegmentRecord *table);
    // Reads from an open, seekable device, chunkBytes at a time.
    NcReader(QIODevice *device, SegmentRecord *table, const Options &options, int chunkBytes = kChunkBytes);

    // The device failed to read or to go back to its start.
    bool deviceFailed() const { return deviceFailed_; }

    // Looks at the first characters only; the cursor is left anywhere.
    Format detect();

    // Reads the whole program from the start. False when the record index
    // passed the last row (the program does not fit).
    bool read(Format format);

    // The row of the last record (-1: none yet; kSegmentRows or more: overflow).
    int lastIndex() const { return index_; }

    // Cursor, public for the number-reader tests.
    void rewind();
    int next()
    {
        if (pos_ >= size_ && !refill())
            return cur_ = kEnd;
        int c = static_cast<unsigned char>(data_[pos_++]);
        if (c == '\r' && (pos_ < size_ || refill()) && data_[pos_] == '\n') {
            ++pos_;
            c = '\n';
        }
        return cur_ = c;
    }
    int current() const { return cur_; }

    // Number readers. Each leaves the character that ended the number in
    // current(). readNumber starts at current(); readInt and readFixed2 start
    // with the character after it (current() is the letter of the word).
    qint32 readNumber();
    qint32 readInt();
    qint32 readFixed2();

private:
    // Replaces the consumed chunk by the next one; false at the end of the
    // data (and always when reading from bytes).
    bool refill();

    // current() is a digit: adds it and the digits right after it to value
    // and leaves the first other character current.
    qint32 digitRun(qint32 value, bool negative);
    // The blanks, signs and digits that start a number, taken straight from
    // the bytes of the current chunk. True when a character ended the number
    // there (it is current then); false when the chunk, or a CR, came first:
    // the number goes on from the cursor with value, negative and digits as
    // they are.
    bool numberRun(qint32 &value, bool &negative, bool &digits, bool plusEndsAfterDigits);

    struct CutBlock {
        qint32 end1;
        qint32 end2;
        bool kerfOffEnds; // code 38 adds a type-40 record and ends the block
        bool blanksOnly;  // after a sign line only blanks are passed over
        bool endRecord;   // the end code adds a type-10 record (library)
    };

    bool going() const { return cur_ != kEnd && index_ < kSegmentRows; }
    SegmentRecord &record() { return SegmentTable::inRange(index_) ? table_[index_] : sink_; }
    void newRecord(qint32 type);
    void markRecord(qint32 type);
    void markPair(qint32 tag, qint32 offset);
    static void setRecord(SegmentRecord &r, qint32 type, qint32 x, qint32 i);
    void skipComment();
    void skipLine();

    void readEssi();
    void essiCode(qint32 code);
    void essiComment();
    void rapidBlock();
    void cutBlock(const CutBlock &block);
    void signLine(bool cut);
    void signLineTail(bool blanksOnly);
    bool afterInnerBlock();
    void markOut();
    void markBack();

    struct QuickCursor;
    bool quickStart(QuickCursor &k) const;
    void quickEnd(const QuickCursor &k);
    void readIntegerGCode();
    void quickIntegerWords();
    void integerCode(bool m, qint32 n);
    void blockNumber(qint32 n);
    void readDecimalGCode();
    void quickDecimalWords(bool &lineStart);
    void decimalG(qint32 n);
    void decimalM(qint32 n);
    void decimalCoordinate(bool isX, bool &lineStart, qint32 value);

    QByteArray bytes_; // the data, or the current chunk of the device
    const char *data_;
    int size_;
    int pos_ = 0;
    int cur_ = kEnd;
    SegmentRecord *table_;
    Options options_;
    int index_ = -1;
    bool rowNamed_ = false; // an N word named the row of the next G or M
    int lastMotion_ = -1;   // decimal reader: row of the nearest motion record
    SegmentRecord sink_{};  // where words with no row go
    QIODevice *device_ = nullptr;
    int chunkBytes_ = 0;
    qint64 chunkStart_ = 0; // device offset of data_[0]
    bool deviceFailed_ = false;
};

#endif
