// The normalised line format, scaling and the whole-file replacement.

#include "program/NcWriter.h"

#include "TempWorkDir.h"

#include <QDir>
#include <QTest>

#include <climits>

class NcWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void lineFormat_data()
    {
        QTest::addColumn<QVector<int>>("record");
        QTest::addColumn<QByteArray>("temp");
        QTest::addColumn<QByteArray>("edit");
        QTest::addColumn<QByteArray>("library");
        QTest::newRow("line") << QVector<int>{1, 10000, 0, 7, 7} << QByteArray("G01 X10000 Y 0")
                              << QByteArray("G01 X   10000 Y       0") << QByteArray("G01 X   10000 Y       0");
        QTest::newRow("short values") << QVector<int>{0, 5, -5, 0, 0} << QByteArray("G00 X 5 Y-5")
                                      << QByteArray("G00 X       5 Y      -5") << QByteArray("G00 X       5 Y      -5");
        QTest::newRow("arc") << QVector<int>{2, 1, 2, -3, 40} << QByteArray("G02 X 1 Y 2 I-3 J40")
                             << QByteArray("G02 X       1 Y       2 I      -3 J      40")
                             << QByteArray("G02 X       1 Y       2 I      -3 J      40");
        QTest::newRow("M00") << QVector<int>{100, 1, 1, 0, 0} << QByteArray("M00") << QByteArray("M00  ")
                             << QByteArray("G100");
        QTest::newRow("M58") << QVector<int>{158, 0, 0, 0, 0} << QByteArray("M58") << QByteArray("M58  ")
                             << QByteArray("G158");
        QTest::newRow("M55") << QVector<int>{155, 0, 0, 0, 0} << QByteArray("M55") << QByteArray("M55  ")
                             << QByteArray("G155");
        QTest::newRow("M07") << QVector<int>{107, 0, 0, 0, 0} << QByteArray("G107") << QByteArray("G107")
                             << QByteArray("G107");
        QTest::newRow("kerf") << QVector<int>{41, 3, 3, 3, 3} << QByteArray("G41") << QByteArray("G41")
                              << QByteArray("G41");
        QTest::newRow("mark") << QVector<int>{5, 32, 0, 0, 0} << QByteArray("G05") << QByteArray("G05")
                              << QByteArray("G05");
        // Eight digits fill the short field exactly; seven and a sign too.
        QTest::newRow("field full") << QVector<int>{1, 12345678, -1234567, 99999999, -9999999}
                                    << QByteArray("G01 X12345678 Y-1234567") << QByteArray("G01 X12345678 Y-1234567")
                                    << QByteArray("G01 X12345678 Y-1234567");
        QTest::newRow("field full, arc") << QVector<int>{2, 99999999, -9999999, 10000000, -10000000}
                                         << QByteArray("G02 X99999999 Y-9999999 I10000000 J-10000000")
                                         << QByteArray("G02 X99999999 Y-9999999 I10000000 J-10000000")
                                         << QByteArray("G02 X99999999 Y-9999999 I10000000 J-10000000");
        QTest::newRow("extremes") << QVector<int>{3, INT_MIN, INT_MAX, 0, -1}
                                  << QByteArray("G03 X-2147483648 Y2147483647 I 0 J-1")
                                  << QByteArray("G03 X-2147483648 Y2147483647 I       0 J      -1")
                                  << QByteArray("G03 X-2147483648 Y2147483647 I       0 J      -1");
    }

    void lineFormat()
    {
        QFETCH(QVector<int>, record);
        QFETCH(QByteArray, temp);
        QFETCH(QByteArray, edit);
        QFETCH(QByteArray, library);
        SegmentTable::prefill(editSegments);
        editSegments[0] = {record[0], record[1], record[2], record[3], record[4], {}};
        QCOMPARE(NcWriter::format(editSegments, NcWriter::Temp).text, temp + '\n');
        QCOMPARE(NcWriter::format(editSegments, NcWriter::Edit).text, edit + '\n');
        const NcWriter::Output lib = NcWriter::format(editSegments, NcWriter::Library);
        QCOMPARE(lib.text, library + '\n');
        QCOMPARE(lib.lines, 1);
    }

    void countsAndSums()
    {
        SegmentTable::prefill(libSegments);
        NcWriter::Output empty = NcWriter::format(libSegments, NcWriter::Library);
        QCOMPARE(empty.lines, 0);
        QCOMPARE(empty.text, QByteArray());
        libSegments[0] = {0, 100, -5, 0, 0, {}};
        libSegments[1] = {41, 7, 7, 0, 0, {}};
        libSegments[2] = {2, 30, 40, 1, 1, {}};
        libSegments[3] = {100, 9, 9, 0, 0, {}};
        libSegments[5] = {1, 1000, 1000, 0, 0, {}}; // behind the end: not written
        const NcWriter::Output out = NcWriter::format(libSegments, NcWriter::Library);
        QCOMPARE(out.lines, 4);
        QCOMPARE(out.sumX, 130);
        QCOMPARE(out.sumY, 35);
        for (int r = 0; r < kSegmentRows; ++r)
            libSegments[r] = {1, 1, 0, 0, 0, {}};
        const NcWriter::Output full = NcWriter::format(libSegments, NcWriter::Temp);
        QCOMPARE(full.lines, 30000);
        QCOMPARE(full.text.count('\n'), 30000);
        QCOMPARE(full.sumX, 30000);
    }

    void scaling_data()
    {
        QTest::addColumn<QVector<int>>("record");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QVector<int>>("expected");
        QTest::newRow("double") << QVector<int>{1, 100, 50, 3, 3} << 2.0 << QVector<int>{1, 200, 100, 3, 3};
        QTest::newRow("toward zero") << QVector<int>{1, 101, -101, 0, 0} << 0.5 << QVector<int>{1, 50, -50, 0, 0};
        QTest::newRow("arc centre") << QVector<int>{3, 10, 0, 5, -3} << 0.5 << QVector<int>{3, 5, 0, 2, -1};
        QTest::newRow("not a motion") << QVector<int>{100, 10, 10, 0, 0} << 2.0 << QVector<int>{100, 10, 10, 0, 0};
        QTest::newRow("overflow clamps") << QVector<int>{0, INT_MAX, INT_MIN, 0, 0} << 100.0
                                         << QVector<int>{0, INT_MAX, INT_MIN, 0, 0};
    }

    void scaling()
    {
        QFETCH(QVector<int>, record);
        QFETCH(double, ratio);
        QFETCH(QVector<int>, expected);
        const SegmentRecord in{record[0], record[1], record[2], record[3], record[4], {}};
        const SegmentRecord out = NcWriter::scaled(in, ratio);
        QCOMPARE((QVector<int>{out.type, out.x, out.y, out.i, out.j}), expected);
    }

    void saveReplacesWholeFileAndMakesFolder()
    {
        TempWorkDir w(false);
        QVERIFY(NcWriter::save("./.tovrelcnc/t.nc", "G01 X 1 Y 0\nG01 X 1 Y 0\n"));
        QVERIFY(NcWriter::save("./.tovrelcnc/t.nc", "G00 X 2 Y 0\n"));
        QCOMPARE(w.readFile(".tovrelcnc/t.nc"), QByteArray("G00 X 2 Y 0\n"));
        QVERIFY(NcWriter::save("./.tovrelcnc/e.nc", QByteArray()));
        QVERIFY(w.exists(".tovrelcnc/e.nc"));
        QCOMPARE(w.readFile(".tovrelcnc/e.nc"), QByteArray());
    }

    void saveFailureKeepsTheOldFile()
    {
        TempWorkDir w(false);
        QVERIFY(QDir().mkpath(".tovrelcnc/l.nc"));
        QVERIFY(!NcWriter::save("./.tovrelcnc/l.nc", "G01 X 1 Y 0\n"));
        QVERIFY(QFileInfo(".tovrelcnc/l.nc").isDir());
        // A plain file where the folder should be.
        TempWorkDir v(false);
        v.writeFile(".tovrelcnc", "not a folder");
        QVERIFY(!NcWriter::save("./.tovrelcnc/t.nc", "G01 X 1 Y 0\n"));
        QCOMPARE(v.readFile(".tovrelcnc"), QByteArray("not a folder"));
    }
};

QTEST_GUILESS_MAIN(NcWriterTest)
#include "NcWriterTest.moc"
