// Number readers, format detection and the three readers, on in-memory bytes.

#include "program/NcReader.h"

#include "TableRows.h"
#include "TestPaths.h"

#include <QBuffer>
#include <QFile>
#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(NcReader::Format)

namespace {

NcReader::Options libraryOptions(bool patternFile)
{
    NcReader::Options o;
    o.library = true;
    o.patternFile = patternFile;
    o.libMode = 0;
    return o;
}

bool sameWords(const SegmentRecord &a, const SegmentRecord &b)
{
    return a.type == b.type && a.x == b.x && a.y == b.y && a.i == b.i && a.j == b.j;
}

} // namespace

class NcReaderTest : public QObject
{
    Q_OBJECT

    static void addReadColumns()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<NcReader::Format>("format");
        QTest::addColumn<QString>("expected");
    }

    static void checkRead(const NcReader::Options &options)
    {
        QFETCH(QByteArray, bytes);
        QFETCH(NcReader::Format, format);
        QFETCH(QString, expected);
        SegmentTable::prefill(previewSegments);
        NcReader reader(bytes, previewSegments, options);
        QCOMPARE(reader.detect(), format);
        QVERIFY(reader.read(format));
        QCOMPARE(tableRows(previewSegments), expected);
        // A file is read in chunks: no boundary may split a CR LF, a number or
        // a word differently from the bytes read at once.
        for (int chunk : {1, 2, 3, 5}) {
            QBuffer device(&bytes);
            QVERIFY(device.open(QIODevice::ReadOnly));
            SegmentTable::prefill(editSegments);
            NcReader chunked(&device, editSegments, options, chunk);
            QCOMPARE(chunked.detect(), format);
            QVERIFY(chunked.read(format));
            QCOMPARE(tableRows(editSegments), expected);
        }
    }

private slots:
    void crLfReadsAsLineFeed()
    {
        QByteArray bytes("a\r\nb\rc\xff\x1a");
        QBuffer device(&bytes);
        QVERIFY(device.open(QIODevice::ReadOnly));
        NcReader whole(bytes, previewSegments);
        // Chunks of two split the CR LF.
        NcReader chunked(&device, previewSegments, NcReader::Options(), 2);
        for (NcReader *r : {&whole, &chunked}) {
            QList<int> seen;
            while (r->next() != NcReader::kEnd)
                seen << r->current();
            QCOMPARE(seen, (QList<int>{'a', '\n', 'b', '\r', 'c', 0xff, 0x1a}));
            QCOMPARE(r->current(), NcReader::kEnd);
            QCOMPARE(r->next(), NcReader::kEnd);
        }
    }

    // Every real program gives the same table whole and in chunks, the
    // smallest chunk splitting every CR LF and every number.
    void corpusReadsAlikeInChunks()
    {
        const QStringList files = TestPaths::corpusFiles();
        if (files.isEmpty())
            QSKIP("no corpus of NC programs");
        static SegmentRecord whole[kSegmentRows];
        for (const QString &path : files) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            for (const NcReader::Options &options : {NcReader::Options(), libraryOptions(false)}) {
                SegmentTable::prefill(whole);
                NcReader reader(bytes, whole, options);
                const NcReader::Format format = reader.detect();
                const bool fits = reader.read(format);
                for (int chunk : {1, 4093}) {
                    QVERIFY(file.seek(0));
                    SegmentTable::prefill(editSegments);
                    NcReader chunked(&file, editSegments, options, chunk);
                    QCOMPARE(chunked.detect(), format);
                    QCOMPARE(chunked.read(format), fits);
                    QVERIFY2(std::equal(whole, whole + kSegmentRows, editSegments, sameWords), qPrintable(path));
                }
            }
        }
    }

    void readNumber_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("after");
        QTest::newRow("plain") << QByteArray("123;") << 123 << int(';');
        QTest::newRow("signed") << QByteArray("-45+") << -45 << int('+');
        QTest::newRow("leading blanks") << QByteArray("   +7x") << 7 << int('x');
        QTest::newRow("one blank joins") << QByteArray("12 34;") << 1234 << int(';');
        QTest::newRow("two blanks end") << QByteArray("12  34") << 12 << int(' ');
        QTest::newRow("no digits") << QByteArray("-+5") << 0 << int('+');
        QTest::newRow("at end") << QByteArray("9") << 9 << NcReader::kEnd;
        QTest::newRow("wraps") << QByteArray("4294967297;") << 1 << int(';');
    }

    void readNumber()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, value);
        QFETCH(int, after);
        NcReader r(bytes, previewSegments);
        r.next();
        QCOMPARE(int(r.readNumber()), value);
        QCOMPARE(r.current(), after);
    }

    void readInt_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("after");
        QTest::newRow("word") << QByteArray("X100 ") << 100 << NcReader::kEnd;
        QTest::newRow("blanks anywhere") << QByteArray("X 1 0 0Y") << 100 << int('Y');
        QTest::newRow("minus") << QByteArray("X-20Y") << -20 << int('Y');
        QTest::newRow("plus before digits") << QByteArray("X+100Y") << 100 << int('Y');
        QTest::newRow("plus after digits ends") << QByteArray("X1+2") << 1 << int('+');
        QTest::newRow("point ends") << QByteArray("X1.5") << 1 << int('.');
        QTest::newRow("nothing") << QByteArray("XY") << 0 << int('Y');
        // Runs of eight digits and more, taken eight bytes at a time.
        QTest::newRow("eleven digits wrap") << QByteArray("X12345678901 Y") << -539222987 << int('Y');
        QTest::newRow("negative wraps") << QByteArray("X-9876543210 Y") << -1286608618 << int('Y');
        QTest::newRow("digits go on after a blank") << QByteArray("X1234567 89012345Y") << -2045911175 << int('Y');
        QTest::newRow("minus after digits") << QByteArray("X123456789-1 Y") << 1234567889 << int('Y');
        QTest::newRow("crlf ends") << QByteArray("X12345678\r\nY1") << 12345678 << int('\n');
        QTest::newRow("byte above ASCII ends") << QByteArray("X1234567\xB5 Y123") << 1234567 << 0xB5;
    }

    void readInt()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, value);
        QFETCH(int, after);
        NcReader r(bytes, previewSegments);
        r.next();
        QCOMPARE(int(r.readInt()), value);
        QCOMPARE(r.current(), after);
    }

    void readFixed2_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("after");
        QTest::newRow("three decimals") << QByteArray("X1.234") << 123 << int('3');
        QTest::newRow("negative fraction") << QByteArray("X-0.5 ") << -50 << int(' ');
        QTest::newRow("whole") << QByteArray("X12Y") << 1200 << int('Y');
        QTest::newRow("whole with point") << QByteArray("X10.Y") << 1000 << int('Y');
        QTest::newRow("one decimal") << QByteArray("X12.5Y") << 1250 << int('Y');
        QTest::newRow("two decimals") << QByteArray("X12.34Y") << 1234 << int('4');
        QTest::newRow("plus and blanks") << QByteArray("X + 1.5;") << 150 << int(';');
        QTest::newRow("long negative") << QByteArray("X-12345678.91 Y0") << -1234567891 << int('1');
        QTest::newRow("point then letter") << QByteArray("X-12345678.Y1 Y0") << -1234567800 << int('Y');
    }

    void readFixed2()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, value);
        QFETCH(int, after);
        NcReader r(bytes, previewSegments);
        r.next();
        QCOMPARE(int(r.readFixed2()), value);
        QCOMPARE(r.current(), after);
    }

    void detection_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("patternFile");
        QTest::addColumn<NcReader::Format>("format");
        QTest::newRow("leading 3") << QByteArray("3\nG01 X1.5\n") << false << NcReader::Essi;
        QTest::newRow("integer") << QByteArray("G01X100 Y0\n") << false << NcReader::IntegerGCode;
        QTest::newRow("decimal") << QByteArray("G01 X1.5\n") << false << NcReader::DecimalGCode;
        QTest::newRow("no G") << QByteArray("X1.5 Y2\n") << false << NcReader::Essi;
        QTest::newRow("G03 after G") << QByteArray("G03 X500\n") << false << NcReader::IntegerGCode;
        QTest::newRow("comment number") << QByteArray("(PART 3)\nG01 X1 Y2\n") << false << NcReader::IntegerGCode;
        QTest::newRow("comment point") << QByteArray("G01 X1 (1.5)\n") << false << NcReader::IntegerGCode;
        QTest::newRow("point too late") << QByteArray("G01 X1" + QByteArray(120, ' ') + ".5") << false
                                        << NcReader::IntegerGCode;
        QTest::newRow("G too late") << QByteArray(QByteArray(120, ' ') + "G01 X1.5") << false << NcReader::Essi;
        QTest::newRow("0xFF is a character") << QByteArray("\xff G01 X1.5") << false << NcReader::DecimalGCode;
        QTest::newRow("empty") << QByteArray() << false << NcReader::Essi;
        QTest::newRow("k.nc 3 after G") << QByteArray("G03 X500\n") << true << NcReader::Essi;
        QTest::newRow("k.nc decimal") << QByteArray("G01 X1.5\n") << true << NcReader::IntegerGCode;
    }

    void detection()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, patternFile);
        QFETCH(NcReader::Format, format);
        NcReader r(bytes, previewSegments, libraryOptions(patternFile));
        QCOMPARE(r.detect(), format);
    }

    void essi_data()
    {
        addReadColumns();
        const auto E = NcReader::Essi;
        QTest::newRow("rapid and arcs") << QByteArray("5\n+100+200\n6\n7\n+100+0+50+0-\n+1+2+3+4+\n+5+6\n8\n") << E
                                        << "0 1000 2000 0 0|2 1000 0 500 0|3 10 20 30 40|1 50 60 0 0";
        QTest::newRow("mirror switch") << QByteArray("21\n7\n+10+0\n8\n") << E << "71 0 0 0 0|1 100 0 0 0";
        QTest::newRow("comment until 4") << QByteArray("3 hello 0\n0\n 45\n 4\n0\n") << E << "100 0 0 0 0";
        QTest::newRow("kerf codes") << QByteArray("29\n30\n7\n+1+1\n38\n") << E
                                    << "41 0 0 0 0|42 0 0 0 0|1 10 10 0 0|40 0 0 0 0";
        QTest::newRow("marks") << QByteArray("11\n114\n12\n") << E << "158 0 0 0 0|158 0 0 0 0|155 0 0 0 0";
        QTest::newRow("arc without direction") << QByteArray("7\n+1+2+3+4\n+5+6\n8\n") << E << "";
        QTest::newRow("ignored code hides end")
            << QByteArray("7\n+1+0\n77\n8\n+2+0\n8\n") << E << "1 10 0 0 0|1 20 0 0 0";
        QTest::newRow("block 53 empty line hides end")
            << QByteArray("53\n+1+0\n\n54\n+2+0\n54\n0\n") << E << "1 10 0 0 0|1 20 0 0 0|100 0 0 0 0";
        QTest::newRow("inner block then 12 and 6") << QByteArray("5\n+1+1\n9\n+2+0\n10\n12\n+3+3\n0\n") << E
                                                   << "0 10 10 0 0|1 20 0 0 0|155 0 0 0 0|0 30 30 0 0";
        QTest::newRow("inner block then 6") << QByteArray("5\n9\n+2+0\n10\n6\n0\n") << E << "1 20 0 0 0|100 0 0 0 0";
        QTest::newRow("sign line outside a block") << QByteArray("+0+12\n") << E << "100 0 0 0 0|155 0 0 0 0";
        QTest::newRow("mark in rapid block") << QByteArray("5\n11\n+1+1\n6\n") << E << "158 0 0 0 0|0 10 10 0 0";
    }

    void essi() { checkRead(NcReader::Options()); }

    void essiLibrary_data()
    {
        addReadColumns();
        const auto E = NcReader::Essi;
        QTest::newRow("11 pair") << QByteArray("11\n7\n+10+5\n8\n") << E << "5 32 0 0 0|0 8400 0 1 0|1 100 50 0 0";
        QTest::newRow("12 pair") << QByteArray("12\n") << E << "5 0 0 0 0|0 -8400 0 1 0";
        QTest::newRow("9 block") << QByteArray("9\n+1+0\n10\n") << E << "9 0 0 0 0|1 10 0 0 0|10 0 0 0 0";
        QTest::newRow("9 block ends at 38") << QByteArray("9\n+1+0\n38\n") << E << "9 0 0 0 0|1 10 0 0 0|40 0 0 0 0";
        QTest::newRow("110 in rapid block")
            << QByteArray("5\n110\n+1+0\n111\n6\n") << E << "9 0 0 0 0|1 10 0 0 0|10 0 0 0 0";
    }

    void essiLibrary() { checkRead(libraryOptions(false)); }

    void integerGCode_data()
    {
        addReadColumns();
        const auto I = NcReader::IntegerGCode;
        QTest::newRow("words") << QByteArray("g1 x10 y-20\nG02 X0 Y0 I5 J6\nM07\nG91\n") << I
                               << "1 10 -20 0 0|2 0 0 5 6|107 0 0 0 0|91 0 0 0 0";
        QTest::newRow("coordinates overwrite") << QByteArray("G01 X10 Y0\nX20\n") << I << "1 20 0 0 0";
        QTest::newRow("comment") << QByteArray("G01 X1 (G02 X9) Y2\n") << I << "1 1 2 0 0";
        QTest::newRow("comment to line end") << QByteArray("G01 X1 (G02 X9\nY2\n") << I << "1 1 2 0 0";
        QTest::newRow("N1 leaves row 0 empty") << QByteArray("N1 G01 X100 Y0\n") << I << "";
    }

    void integerGCode() { checkRead(NcReader::Options()); }

    void decimalGCode_data()
    {
        addReadColumns();
        const auto D = NcReader::DecimalGCode;
        QTest::newRow("line-start repeats motion")
            << QByteArray("G01 X10. Y0.\nX0. Y10.\n") << D << "1 1000 0 0 0|1 0 1000 0 0";
        QTest::newRow("G01 G41") << QByteArray("G01 X1.0 Y0\nG01 G41 X2.0\n") << D
                                 << "1 100 0 0 0|41 0 0 0 0|1 200 0 0 0";
        QTest::newRow("G01 G40") << QByteArray("G01 G40 X1.5 Y2.5\n") << D << "1 150 250 0 0|40 0 0 0 0";
        QTest::newRow("marks and M00") << QByteArray("G11\nM12\nM00\nM07\nG90 X1.0\n") << D
                                       << "158 0 0 0 0|155 0 0 0 0|100 100 0 0 0";
        QTest::newRow("arc") << QByteArray("G02 X1.0 Y0 I0.5 J0\n") << D << "2 100 0 50 0";
        QTest::newRow("comment letters") << QByteArray("G01 X1.0 (Y9 G02 M00) Y2.0\n") << D << "1 100 200 0 0";
        QTest::newRow("coordinate before a record") << QByteArray("X1.5\nG01 X2.0\n") << D << "1 200 0 0 0";
    }

    void decimalGCode() { checkRead(NcReader::Options()); }

    void limits_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("lastType"); // type of row 29999
        QByteArray lines29999;
        for (int k = 0; k < 29999; ++k)
            lines29999 += "G01 X1 Y0\n";
        QTest::newRow("30000 rows") << lines29999 + "G00 X1 Y0\n" << true << 0;
        QTest::newRow("30001 rows") << lines29999 + "G00 X1 Y0\nG01 X1 Y0\n" << false << 0;
        QTest::newRow("N 30000") << QByteArray("G01 X1\nN30000 G01 X1\n") << false << 99;
        QTest::newRow("N 29999") << QByteArray("G01 X1\nN29999 G02 X1\n") << true << 2;
        QByteArray decimal = "G01 X1.0\n";
        for (int k = 1; k < 29999; ++k)
            decimal += "X1.0\n";
        // A mark never takes the last row; the index still moves on.
        QTest::newRow("mark in last row") << decimal + "M11\n" << true << 99;
        QTest::newRow("mark past last row") << decimal + "M11\nX1.0\n" << false << 99;
        QTest::newRow("mark in row 29998") << decimal.left(decimal.size() - 5) + "M11\nX1.0\n" << true << 1;
    }

    void limits()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, fits);
        QFETCH(int, lastType);
        SegmentTable::prefill(editSegments);
        NcReader reader(bytes, editSegments);
        QCOMPARE(reader.read(reader.detect()), fits);
        QCOMPARE(int(editSegments[29999].type), lastType);
    }

    void libraryPairNeedsTwoRows()
    {
        QByteArray bytes;
        for (int k = 0; k < 29998; ++k)
            bytes += "0\n";
        SegmentTable::prefill(libSegments);
        NcReader fits(bytes + "11\n", libSegments, libraryOptions(false));
        QVERIFY(fits.read(NcReader::Essi));
        QCOMPARE(fits.lastIndex(), 29999);
        QCOMPARE(int(libSegments[29998].type), 5);
        QCOMPARE(int(libSegments[29999].x), 8400);

        SegmentTable::prefill(libSegments);
        NcReader late(bytes + "0\n11\n", libSegments, libraryOptions(false));
        QVERIFY(late.read(NcReader::Essi));
        QCOMPARE(late.lastIndex(), 29999);
        QCOMPARE(int(libSegments[29998].type), 100);
        QCOMPARE(int(libSegments[29999].type), 99);
    }

    // Programs made of the characters the readers act on, in every reader and
    // both option sets: nothing outside the table, no flag byte touched.
    void randomProgramsStayInTheTable()
    {
        const QByteArray alphabet("0123456789+-. GgXYIJMNn()\n\r\xff");
        quint32 seed = 7;
        auto random = [&seed] {
            seed = seed * 1664525u + 1013904223u;
            return seed >> 8;
        };
        for (int program = 0; program < 40; ++program) {
            QByteArray bytes;
            const int size = 1000 + int(random() % 200000);
            for (int k = 0; k < size; ++k)
                bytes += alphabet.at(int(random() % quint32(alphabet.size())));
            for (const bool library : {false, true}) {
                for (const NcReader::Format format : {NcReader::Essi, NcReader::IntegerGCode, NcReader::DecimalGCode}) {
                    SegmentTable::prefill(libSegments);
                    libSegments[0].flags[2] = 9;
                    libSegments[29999].flags[1] = 8;
                    NcReader reader(bytes, libSegments, library ? libraryOptions(false) : NcReader::Options());
                    reader.detect();
                    reader.read(format);
                    QVERIFY(reader.lastIndex() >= -1);
                    QCOMPARE(int(libSegments[0].flags[2]), 9);
                    QCOMPARE(int(libSegments[29999].flags[1]), 8);
                }
            }
        }
    }

    // G-code made of words in the usual form and in every odd one (blanks
    // inside numbers, signs after digits, long numbers, a third decimal, CR
    // LF and lone CR, comments), long enough that whole reads take the
    // usual words straight from the bytes: a byte at a time must read alike.
    void wordsReadAlikeByteByByte_data()
    {
        QTest::addColumn<bool>("decimal");
        QTest::newRow("integer") << false;
        QTest::newRow("decimal") << true;
    }
    void wordsReadAlikeByteByByte()
    {
        QFETCH(bool, decimal);
        const char *const odd[] = {" ",        "  ",       "-",     "+",   "--", "+-",   "1 2", "12 -3",
                                   "4 +5",     "6+7",      ".",     "..5", "\r", "\r\n", "(a)", "(x\n",
                                   "99999999", "-1234567", "7.123", "0",   ".5", "X",    "N-1"};
        const char letters[] = "GgMmNnXxYyIiJj";
        quint32 seed = decimal ? 11 : 5;
        auto random = [&seed](quint32 n) {
            seed = seed * 1664525u + 1013904223u;
            return (seed >> 8) % n;
        };
        for (int program = 0; program < 30; ++program) {
            QByteArray bytes;
            while (bytes.size() < 20000) {
                bytes += letters[random(sizeof letters - 1)];
                if (random(8) == 0) {
                    bytes += odd[random(sizeof odd / sizeof *odd)];
                } else {
                    if (random(2))
                        bytes += '-';
                    bytes += QByteArray::number(random(10000000u >> (3 * random(7))));
                    if (decimal && random(3))
                        bytes += '.' + QByteArray::number(random(100)).rightJustified(2, '0');
                }
                bytes += random(5) == 0 ? "\n" : random(9) == 0 ? "\r\n" : random(3) ? " " : "";
            }
            const NcReader::Format format = decimal ? NcReader::DecimalGCode : NcReader::IntegerGCode;
            static SegmentRecord whole[kSegmentRows];
            SegmentTable::prefill(whole);
            NcReader reader(bytes, whole, NcReader::Options());
            const bool fits = reader.read(format);
            QBuffer device(&bytes);
            QVERIFY(device.open(QIODevice::ReadOnly));
            SegmentTable::prefill(editSegments);
            NcReader chunked(&device, editSegments, NcReader::Options(), 1);
            QCOMPARE(chunked.read(format), fits);
            QCOMPARE(chunked.lastIndex(), reader.lastIndex());
            QVERIFY2(std::equal(whole, whole + kSegmentRows, editSegments, sameWords), bytes.left(200).constData());
        }
    }

    void flagsAreNeverWritten()
    {
        SegmentTable::prefill(libSegments);
        for (int r = 0; r < 4; ++r)
            libSegments[r].flags[0] = quint8(r + 1);
        NcReader reader(QByteArray("11\n12\n"), libSegments, libraryOptions(false));
        QVERIFY(reader.read(NcReader::Essi));
        for (int r = 0; r < 4; ++r)
            QCOMPARE(int(libSegments[r].flags[0]), r + 1);
    }
};

QTEST_APPLESS_MAIN(NcReaderTest)
#include "NcReaderTest.moc"
