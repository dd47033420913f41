// The Parser's entries, slots and library passes on real files in a fresh
// working folder.

#include "app/base/ProgramFile.h"
#include "program/Parser.h"

#include "TableRows.h"
#include "TempWorkDir.h"

#include <QBuffer>
#include <QDir>
#include <QMetaMethod>
#include <QTest>

#include <array>
#include <cmath>
#include <functional>
#include <limits>

#include <sys/resource.h>

namespace {

long maxResidentKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QByteArray repeat(const QByteArray &line, int n)
{
    QByteArray out;
    out.reserve(line.size() * n);
    for (int k = 0; k < n; ++k)
        out += line;
    return out;
}

} // namespace

class ParserTest : public QObject
{
    Q_OBJECT

private slots:
    void metaObjectOrder()
    {
        const QMetaObject &mo = Parser::staticMetaObject;
        QCOMPARE(QByteArray(mo.className()), QByteArray("Parser"));
        const QList<QByteArray> expected{
            "updateFile(QString&)", "setAngel(double)", "setParameter(double,double,int,int)",
            "setPFmove(int,int)",   "getMaxN()",        "getMaxNedit()",
            "setFileName(QString)", "getTotalX()",      "getTotalY()"};
        QCOMPARE(mo.methodCount() - mo.methodOffset(), expected.size());
        for (int k = 0; k < expected.size(); ++k)
            QCOMPARE(mo.method(mo.methodOffset() + k).methodSignature(), expected[k]);
        QCOMPARE(mo.method(mo.methodOffset()).methodType(), QMetaMethod::Signal);
    }

    void parameterSlots()
    {
        Parser p;
        QStringList emitted;
        connect(&p, &Parser::updateFile, [&](QString &name) { emitted << name; });
        p.setFileName("a.nc");
        QCOMPARE(emitted.size(), 0);
        p.setParameter(30, 1.15, 2, 12);
        QCOMPARE(p.kerf(), 115.0);
        QCOMPARE(p.angle(), 3.14159265 * 30 / 180);
        QCOMPARE(p.mirror(), '2');
        p.setParameter(0, 0.58, 7, 10);
        QCOMPARE(p.kerf(), 58.0);
        QCOMPARE(p.mirror(), '2'); // an unknown mode leaves it
        p.setAngel(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(p.angle(), 0.0);
        p.setParameter(std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(), 0, 10);
        QCOMPARE(p.kerf(), 0.0);
        QCOMPARE(p.angle(), 0.0);
        QCOMPARE(emitted, (QStringList{"a.nc", "a.nc", "a.nc", "a.nc"}));
    }

    void failedCuttingParseKeepsTheProgram()
    {
        TempWorkDir w;
        w.writeFile(QStringLiteral("零件.nc"), "G01 X100 Y50\n");
        w.writeFile("long.nc", repeat("G01 X1 Y0\n", 30001));
        Parser p;
        QCOMPARE(p.parseMain(QStringLiteral("零件.nc")), 1);
        const quint8 flags[4] = {1, 2, 3, 4};
        std::copy(flags, flags + 4, cutSegments[0].flags);
        QCOMPARE(p.parseMain("long.nc"), 0);
        QCOMPARE(p.parseMain("nosuch.nc"), 0);
        QCOMPARE(tableRows(cutSegments), QStringLiteral("1 100 50 0 0"));
        QCOMPARE(cutSegments[1].type, 99);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(int(cutSegments[0].flags[k]), k + 1);
        QCOMPARE(p.getMaxN(), 1);
        QCOMPARE(w.readFile(".tovrelcnc/t.nc"), QByteArray("G01 X100 Y50\n"));
        // A new parse replaces the records, never the flag bytes.
        w.writeFile("two.nc", "G00 X5 Y5\nG01 X7 Y0\n");
        QCOMPARE(p.parseMain("two.nc"), 1);
        QCOMPARE(int(cutSegments[0].flags[3]), 4);
        QCOMPARE(tableRows(cutSegments), QStringLiteral("0 5 5 0 0|1 7 0 0 0"));
    }

    // A file too big to hold in memory is read like any other: too long for
    // the table, so every entry fails and leaves its scratch file alone.
    void oversizedFileFails()
    {
        TempWorkDir w;
        w.writeFile("a.nc", "G01 X100 Y50\n");
        QFile huge(w.filePath("huge.nc"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        huge.write(repeat("G01 X1 Y0\n", 30001));
        if (!huge.resize(qint64(2200) << 20))
            QSKIP("no room for a sparse file of 2.2 GB");
        huge.close();
        Parser p;
        QCOMPARE(p.parseMain("a.nc"), 1);
        QCOMPARE(p.parseEdit("a.nc", 1.0), 1);
        QCOMPARE(p.parsePreview("a.nc"), 1);
        QCOMPARE(p.parseLib("a.nc", 0, 2, 0), 1);
        const QString row = QStringLiteral("1 100 50 0 0");
        QCOMPARE(p.parseMain("huge.nc"), 0);
        QCOMPARE(p.parseEdit("huge.nc", 1.0), 0);
        QCOMPARE(p.parsePreview("huge.nc"), 0);
        QCOMPARE(p.parseLib("huge.nc", 0, 3, 0), 0);
        QCOMPARE(tableRows(cutSegments), row);
        QCOMPARE(p.getMaxN(), 0);
        QCOMPARE(p.getMaxNedit(), 1);
        QCOMPARE(w.readFile(".tovrelcnc/t.nc"), QByteArray("G01 X100 Y50\n"));
        QCOMPARE(w.readFile(".tovrelcnc/e.nc"), QByteArray("G01 X     100 Y      50\n"));
        QVERIFY(!w.exists(".tovrelcnc/b3.nc"));
        QVERIFY(huge.remove());
    }

    // A file far bigger than any program costs time, never memory: it is
    // read in chunks, and the program at its start reads as on its own.
    void hugeFileReadsInSmallMemory()
    {
        TempWorkDir w;
        QFile huge(w.filePath("huge.nc"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        huge.write("G01 X100 Y50\n");
        if (!huge.resize(qint64(64) << 20))
            QSKIP("no room for a sparse file of 64 MB");
        huge.close();
        const long before = maxResidentKb();
        Parser p;
        QCOMPARE(p.parsePreview("huge.nc"), 1);
        QCOMPARE(tableRows(previewSegments), QStringLiteral("1 100 50 0 0"));
        QVERIFY2(maxResidentKb() - before < 16 * 1024, "the whole file was held in memory");
    }

    // One cap for every read of a program: a file longer than 64 MB, known
    // from its size or only found out by reading it, and a file that fills
    // the table are refused as too long by every entry, never read cut off.
    void everyReadRefusesAlike_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("longerThanTheCap");
        QTest::newRow("one byte over 64 MB") << "over.nc" << true;
        QTest::newRow("a size of 0 that reads on and on") << "/proc/self/pagemap" << true;
        QTest::newRow("30001 records") << "full.nc" << false;
    }

    void everyReadRefusesAlike()
    {
        QFETCH(QString, path);
        QFETCH(bool, longerThanTheCap);
        TempWorkDir w;
        w.writeFile("full.nc", repeat("G01 X1 Y0\n", 30001));
        QFile over(w.filePath("over.nc"));
        QVERIFY(over.open(QIODevice::WriteOnly));
        over.write("G01 X100 Y50\n");
        if (!over.resize(ProgramFile::kMaxBytes + 1))
            QSKIP("no room for a sparse file of 64 MB");
        over.close();
        QByteArray bytes;
        FileError reason;
        QFile probe;
        if (!ProgramFile::open(probe, path, &reason))
            QSKIP(qPrintable(path + ": " + reason.text()));
        probe.close();

        QCOMPARE(ProgramFile::read(path, &bytes, &reason), !longerThanTheCap);
        QCOMPARE(reason, longerThanTheCap ? FileError(FileError::TooLong) : FileError());
        Parser p;
        const std::function<int()> entries[] = {
            [&] { return p.parseMain(path); },
            [&] { return p.parsePreview(path); },
            [&] { return p.parseEdit(path, 1.0); },
            [&] { return p.parseLib(path, 0, 3, 0); },
        };
        for (const auto &entry : entries) {
            QCOMPARE(entry(), 0);
            QCOMPARE(p.lastFailure().text(), "Cannot read file " + path + ":\nFile too long.");
        }
        QVERIFY(!w.exists(".tovrelcnc/t.nc") && !w.exists(".tovrelcnc/e.nc") && !w.exists(".tovrelcnc/b3.nc"));
        QVERIFY(over.remove());
    }

    void previewAndEditKeepWhatWasRead()
    {
        TempWorkDir w;
        w.writeFile("k.nc", "G41\nG01 X10 Y0\nG00 X0 Y0\nG40\n");
        w.writeFile("essi.nc", "24\n7\n+10+5\n8\n11\n");
        w.writeFile("long.nc", repeat("G02 X1 Y0 I5 J0\n", 30001));
        Parser p;
        SegmentTable::prefill(cutSegments);
        QCOMPARE(p.parsePreview("k.nc"), 1);
        QCOMPARE(tableRows(previewSegments), QStringLiteral("41 0 0 0 0|1 10 0 0 0|0 0 0 0 0|40 0 0 0 0"));
        QCOMPARE(p.parsePreview("essi.nc"), 1);
        QCOMPARE(tableRows(previewSegments), QStringLiteral("74 0 0 0 0|1 100 50 0 0|158 0 0 0 0"));
        QCOMPARE(SegmentTable::length(cutSegments), 0);
        QCOMPARE(p.parsePreview("nosuch.nc"), 0);
        QCOMPARE(SegmentTable::length(previewSegments), 3);
        QCOMPARE(p.parsePreview("long.nc"), 0);
        QCOMPARE(SegmentTable::length(previewSegments), 30000);

        QCOMPARE(p.parseEdit("essi.nc", 2.0), 1);
        QCOMPARE(p.getMaxNedit(), 3);
        QCOMPARE(tableRows(editSegments), QStringLiteral("74 0 0 0 0|1 200 100 0 0|158 0 0 0 0"));
        QCOMPARE(w.readFile(".tovrelcnc/e.nc"), QByteArray("G74\nG01 X     200 Y     100\nM58  \n"));
        QCOMPARE(p.parseEdit("nosuch.nc", 1.0), 0);
        QCOMPARE(p.parseEdit("long.nc", 1.0), 0);
        QCOMPARE(p.getMaxNedit(), 3);
        QCOMPARE(w.readFile(".tovrelcnc/e.nc").count('\n'), 3);

        w.writeFile(".tovrelcnc/null", QByteArray());
        QCOMPARE(p.parseEdit("./.tovrelcnc/null", 1.0), 1);
        QCOMPARE(p.getMaxNedit(), 0);
        QVERIFY(w.exists(".tovrelcnc/e.nc"));
        QCOMPARE(w.readFile(".tovrelcnc/e.nc"), QByteArray());
    }

    // A scratch file that cannot be written fails the entry: the cutting
    // program stays as it was, the other tables hold what was read.
    void writeFailuresKeepCounts()
    {
        TempWorkDir w;
        w.writeFile("p.nc", "G01 X100 Y50\nG01 X1 Y1\n");
        Parser p;
        QCOMPARE(p.parseMain("p.nc"), 1);
        QCOMPARE(p.parseEdit("p.nc", 1.0), 1);
        QCOMPARE(p.parseLib("p.nc", 0, 5, 0), 1);
        QCOMPARE(p.getTotalX(), 101);
        QCOMPARE(p.getMaxN(), 1);
        w.writeFile("one.nc", "G01 X7 Y0\n");
        for (const char *name : {".tovrelcnc/t.nc", ".tovrelcnc/e.nc", ".tovrelcnc/b5.nc", ".tovrelcnc/l.nc"}) {
            QFile::remove(name);
            QVERIFY(QDir().mkpath(name));
        }
        QTest::ignoreMessage(QtWarningMsg, "write temp file error...");
        QCOMPARE(p.parseMain("one.nc"), 0);
        QCOMPARE(p.getMaxN(), 1);
        QCOMPARE(tableRows(cutSegments), QStringLiteral("1 100 50 0 0|1 1 1 0 0"));
        QTest::ignoreMessage(QtWarningMsg, "write edit file error...");
        QCOMPARE(p.parseEdit("one.nc", 3.0), 0);
        QCOMPARE(p.getMaxNedit(), 2);
        QCOMPARE(tableRows(editSegments), QStringLiteral("1 7 0 0 0"));
        QTest::ignoreMessage(QtWarningMsg, "write lib file error...");
        QCOMPARE(p.parseLib("one.nc", 0, 5, 1), 0);
        QCOMPARE(p.getMaxN(), 1);
        QCOMPARE(p.getTotalX(), 0);
        QCOMPARE(tableRows(libSegments), QStringLiteral("1 7 0 0 0"));
        w.writeFile(".tovrelcnc/k.nc", "G00 X7 Y0\nG00 X0 Y0\n");
        QTest::ignoreMessage(QtWarningMsg, "write libl file error...");
        QCOMPARE(p.parseLib("./.tovrelcnc/k.nc", 0, 0, 0), 0);
        QCOMPARE(p.getMaxN(), 1);
        QCOMPARE(tableRows(libSegments), QStringLiteral("0 7 0 0 0|0 0 0 0 0"));
    }

    void optimisedPath()
    {
        TempWorkDir w;
        w.writeFile(".tovrelcnc/k.nc", "G00 X100 Y0\nG97\nG00 X50 Y10\nG01 X10 Y0\nG98\n");
        w.writeFile("L.nc", "G00 X0 Y0\nG01 X100 Y50\n");
        Parser p;
        p.setLibFlag(true);
        QCOMPARE(p.parseLib("./.tovrelcnc/k.nc", 0, 0, 0), 1);
        QCOMPARE(tableRows(libSegments), QStringLiteral("0 150 10 0 0|1 10 0 0 0"));
        QCOMPARE(w.readFile(".tovrelcnc/l.nc"), QByteArray("G00 X     150 Y      10\nG01 X      10 Y       0\n"));
        QCOMPARE(p.getMaxN(), 1);
        p.setLibFlag(true);
        QCOMPARE(p.parseLib("nosuch.nc", 0, 0, 0), 0);
        QCOMPARE(p.parseLib("L.nc", 0, 3, 1), 1);
        QVERIFY(w.exists(".tovrelcnc/b3.nc"));
        QCOMPARE(tableRows(libSegments), QStringLiteral("1 -100 50 0 0"));
    }

    void flagClearedByTooLong()
    {
        TempWorkDir w;
        w.writeFile("long.nc", repeat("G01 X1 Y0\n", 30001));
        w.writeFile("L.nc", "G00 X5 Y0\nG00 X5 Y0\n");
        Parser p;
        p.setLibFlag(true);
        QCOMPARE(p.parseLib("long.nc", 0, 2, 0), 0);
        QCOMPARE(p.parseLib("L.nc", 0, 2, 0), 1);
        QVERIFY(w.exists(".tovrelcnc/b2.nc"));
        QVERIFY(!w.exists(".tovrelcnc/l.nc"));
        QCOMPARE(tableRows(libSegments), QStringLiteral("0 5 0 0 0|0 5 0 0 0"));
    }

    void patternPath_data()
    {
        QTest::addColumn<QByteArray>("program");
        QTest::addColumn<double>("angle");
        QTest::addColumn<int>("mirror");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mirror 3 truncates") << QByteArray("G01 X100 Y50\n") << 0.0 << 3 << "1 -100 -49 0 0";
        QTest::newRow("mirror 2") << QByteArray("G01 X100 Y50\n") << 0.0 << 2 << "1 100 -49 0 0";
        QTest::newRow("angle 30") << QByteArray("G01 X1000 Y0\n") << 30.0 << 0 << "1 866 499 0 0";
        QTest::newRow("quarter turn switch")
            << QByteArray("26\n7\n+10+5\n8\n") << 0.0 << 0 << "76 0 0 0 0|1 -49 100 0 0";
        QTest::newRow("switch 71 ends mirror")
            << QByteArray("7\n+10+5\n8\n21\n7\n+10+5\n8\n") << 0.0 << 1 << "1 -100 50 0 0|71 0 0 0 0|1 100 50 0 0";
        QTest::newRow("offset move keeps X")
            << QByteArray("11\n7\n+10+5\n8\n") << 30.0 << 1 << "5 32 0 0 0|0 8400 0 1 0|1 -111 -6 0 0";
        QTest::newRow("type 92 turned") << QByteArray("G92 X10 Y0\n") << 0.0 << 1 << "92 -10 0 0 0";
        QTest::newRow("arc reversed") << QByteArray("G02 X100 Y0 I50 J0\n") << 0.0 << 1 << "3 -100 0 -50 0";
        QTest::newRow("joins only in kerf") << QByteArray("G02 X2000 Y0 I1000 J0\nG02 X-2000 Y0 I-1000 J0\n") << 0.0
                                            << 0 << "2 2000 0 1000 0|2 -2000 0 -1000 0";
        QTest::newRow("half circles join")
            << QByteArray("G42\nG03 X200 Y0 I100 J0\nG02 X-230 Y0 I-90 J0\nG40\n") << 0.0 << 0 << "3 0 0 100 0";
        QTest::newRow("drops") << QByteArray("G00 X0 Y0\nG02 X10 Y0 I19 J0\nG03 X10 Y0 I20 J0\nG01 X0 Y0\n") << 0.0 << 0
                               << "3 10 0 20 0";
        QTest::newRow("only control records") << QByteArray("G41\nG40\n") << 0.0 << 0 << "";
    }

    void patternPath()
    {
        QFETCH(QByteArray, program);
        QFETCH(double, angle);
        QFETCH(int, mirror);
        QFETCH(QString, expected);
        TempWorkDir w;
        w.writeFile("pattern.nc", program);
        Parser p;
        QCOMPARE(p.parseLib("pattern.nc", angle, 9, mirror), 1);
        QCOMPARE(tableRows(libSegments), expected);
        QCOMPARE(p.mirror(), mirror >= 0 && mirror <= 3 ? char('0' + mirror) : 'N');
    }

    // A program far longer than one read of the file, every read boundary
    // falling inside a number (after each of its characters in turn): the
    // parser gives exactly the words written, as a read a byte at a time does.
    void numbersAcrossReadBoundaries()
    {
        TempWorkDir w;
        QByteArray bytes;
        QList<std::array<qint32, 4>> written;
        int split = 0;
        while (bytes.size() < (1 << 20) + 4096) {
            const int n = written.size();
            // Seven characters in each X, as the longest the usual form holds.
            const std::array<qint32, 4> words{n % 2 ? 8019570 + n : -(100000 + n), -(n % 7) * 123457, n, -n};
            QByteArray line = QByteArrayLiteral("G02 X") + QByteArray::number(words[0]) + "  Y"
                              + QByteArray::number(words[1]) + "  I" + QByteArray::number(words[2]) + "  J"
                              + QByteArray::number(words[3]) + "\n";
            const int toBoundary = NcReader::kChunkBytes - bytes.size() % NcReader::kChunkBytes;
            if (toBoundary < 100) {
                // Blanks before the line end the read with the letter X,
                // then with each character of its number in turn.
                const int xAt = line.indexOf('X');
                bytes += QByteArray(toBoundary - xAt - 1 - split % 8, ' ');
                ++split;
            }
            bytes += line;
            written << words;
        }
        QVERIFY(written.size() < kSegmentRows);
        QVERIFY(split >= 16);
        QVERIFY(w.writeFile("long.nc", bytes));

        Parser p;
        QCOMPARE(p.parsePreview("long.nc"), 1);
        QCOMPARE(SegmentTable::length(previewSegments), written.size());
        for (int r = 0; r < written.size(); ++r) {
            const SegmentRecord &s = previewSegments[r];
            const std::array<qint32, 4> read{s.x, s.y, s.i, s.j};
            QVERIFY2(s.type == SegType::ArcCW && read == written[r],
                     qPrintable(QStringLiteral("row %1: X%2 Y%3 read as X%4 Y%5")
                                    .arg(r)
                                    .arg(written[r][0])
                                    .arg(written[r][1])
                                    .arg(s.x)
                                    .arg(s.y)));
        }

        QBuffer device(&bytes);
        QVERIFY(device.open(QIODevice::ReadOnly));
        SegmentTable::prefill(editSegments);
        NcReader byteByByte(&device, editSegments, NcReader::Options(), 1);
        QCOMPARE(byteByByte.detect(), NcReader::IntegerGCode);
        QVERIFY(byteByByte.read(NcReader::IntegerGCode));
        QCOMPARE(tableRows(previewSegments), tableRows(editSegments));
    }

    // An empty program writes empty scratch programs; the library's count is
    // one less than the lines written.
    void emptyProgramCounts()
    {
        TempWorkDir w;
        w.writeFile("empty.nc", QByteArray());
        w.writeFile(".tovrelcnc/k.nc", QByteArray());
        Parser p;
        QCOMPARE(p.parseMain("empty.nc"), 1);
        QCOMPARE(p.getMaxN(), 0);
        QCOMPARE(p.parseEdit("empty.nc", 1.0), 1);
        QCOMPARE(p.getMaxNedit(), 0);
        QCOMPARE(p.parseLib("empty.nc", 0, 4, 0), 1);
        QCOMPARE(p.getMaxN(), -1);
        QCOMPARE(p.parseMain("empty.nc"), 1);
        QCOMPARE(p.parseLib("./.tovrelcnc/k.nc", 0, 0, 0), 1);
        QCOMPARE(p.getMaxN(), -1);
        for (const char *scratch : {"t.nc", "e.nc", "b4.nc", "l.nc"}) {
            QVERIFY2(w.exists(QStringLiteral(".tovrelcnc/") + scratch), scratch);
            QCOMPARE(w.readFile(QStringLiteral(".tovrelcnc/") + scratch), QByteArray());
        }
    }
};

QTEST_GUILESS_MAIN(ParserTest)
#include "ParserTest.moc"
