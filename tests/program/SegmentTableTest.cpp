#include "program/SegmentTable.h"

#include <QTest>

class SegmentTableTest : public QObject
{
    Q_OBJECT

    static void fill(SegmentRecord *t, int rows, qint32 type)
    {
        for (int r = 0; r < rows; ++r) {
            t[r].type = type;
            t[r].x = r + 1;
            t[r].y = -(r + 1);
            t[r].i = 7;
            t[r].j = 8;
        }
    }

private slots:
    void tablesStartEmptyAndHaveFixedCapacity()
    {
        QCOMPARE(int(sizeof(cutSegments) / sizeof(SegmentRecord)), 30000);
        QCOMPARE(int(sizeof(previewSegments) / sizeof(SegmentRecord)), 30000);
        QCOMPARE(int(sizeof(editSegments) / sizeof(SegmentRecord)), 30000);
        QCOMPARE(int(sizeof(libSegments) / sizeof(SegmentRecord)), 30000);
        QCOMPARE(SegmentTable::length(libSegments), 0);
    }

    void prefillKeepsFlags()
    {
        fill(editSegments, kSegmentRows, SegType::ArcCW);
        editSegments[0].flags[0] = 1;
        editSegments[29999].flags[3] = 0xAB;
        editSegments[1234].flags[1] = 5;
        SegmentTable::prefill(editSegments);
        for (int r = 0; r < kSegmentRows; ++r) {
            const SegmentRecord &s = editSegments[r];
            QVERIFY(s.type == 99 && s.x == 0 && s.y == 0 && s.i == 0 && s.j == 0);
        }
        QCOMPARE(int(editSegments[0].flags[0]), 1);
        QCOMPARE(int(editSegments[29999].flags[3]), 0xAB);
        QCOMPARE(int(editSegments[1234].flags[1]), 5);
    }

    void compactionKeepsOrderAndOldWords()
    {
        SegmentTable::prefill(cutSegments);
        // line, drop, line, drop, drop, arc
        const qint32 types[] = {1, 99, 1, 99, 99, 2};
        for (int r = 0; r < 6; ++r) {
            cutSegments[r] = {types[r], 10 * r, 20 * r, 30 * r, 40 * r, {quint8(r), 0, 0, quint8(r)}};
        }
        const int n = SegmentTable::compact(cutSegments, 6, [](const SegmentRecord &s) { return s.type != 99; });
        QCOMPARE(n, 3);
        QCOMPARE(cutSegments[0].x, 0);
        QCOMPARE(cutSegments[1].x, 20);
        QCOMPARE(cutSegments[2].type, 2);
        QCOMPARE(cutSegments[2].x, 50);
        QCOMPARE(cutSegments[2].j, 200);
        // Flags stay with the row, never with the record.
        QCOMPARE(int(cutSegments[1].flags[0]), 1);
        QCOMPARE(int(cutSegments[2].flags[3]), 2);
        // Vacated rows: type 99 only, old words kept.
        for (int r = 3; r < 6; ++r) {
            QCOMPARE(cutSegments[r].type, 99);
            QCOMPARE(cutSegments[r].x, 10 * r);
            QCOMPARE(cutSegments[r].i, 30 * r);
        }
        QCOMPARE(SegmentTable::length(cutSegments), 3);
    }

    void compactionOfNothingAndOfEverything()
    {
        SegmentTable::prefill(previewSegments);
        fill(previewSegments, 4, 1);
        QCOMPARE(SegmentTable::compact(previewSegments, 4, [](const SegmentRecord &) { return true; }), 4);
        QCOMPARE(previewSegments[3].x, 4);
        QCOMPARE(SegmentTable::compact(previewSegments, 4, [](const SegmentRecord &) { return false; }), 0);
        QCOMPARE(SegmentTable::length(previewSegments), 0);
        QCOMPARE(previewSegments[3].x, 4);
    }

    void fullTableWalk()
    {
        fill(cutSegments, kSegmentRows, 1);
        QCOMPARE(SegmentTable::length(cutSegments), 30000);
        QVERIFY(SegmentTable::at(cutSegments, 29999) != nullptr);
        QVERIFY(SegmentTable::at(cutSegments, 30000) == nullptr);
        QVERIFY(SegmentTable::at(cutSegments, -1) == nullptr);
        QCOMPARE(SegmentTable::typeAt(cutSegments, 30000), SegmentTable::kNoRecord);
        QCOMPARE(SegmentTable::typeAt(cutSegments, -1), SegmentTable::kNoRecord);
        // "No record" matches no type test.
        for (qint32 t : {0, 1, 2, 3, 5, 40, 99})
            QVERIFY(SegmentTable::typeAt(cutSegments, 30000) != t);
        QVERIFY(!isMotion(SegmentTable::kNoRecord));
        // A compaction past the capacity is clamped to the table.
        QCOMPARE(SegmentTable::compact(cutSegments, 40000, [](const SegmentRecord &) { return true; }), 30000);
        SegmentTable::prefill(cutSegments);
    }

    void shorterProgramEndsEarlier()
    {
        fill(cutSegments, 100, 1);
        SegmentTable::prefill(cutSegments);
        fill(cutSegments, 10, 0);
        QCOMPARE(SegmentTable::length(cutSegments), 10);
        QCOMPARE(cutSegments[50].type, 99);
    }
};

QTEST_APPLESS_MAIN(SegmentTableTest)
#include "SegmentTableTest.moc"
