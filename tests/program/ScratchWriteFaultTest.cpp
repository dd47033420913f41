// The scratch programs of the parse entries under injected faults: a write
// that fails fails the entry, keeps the old file and the counts, and leaves
// the cutting program as it was and the other tables as they were read.

#include "program/Parser.h"

#include "TableRows.h"
#include "TempWorkDir.h"
#include "WriteFault.h"

#include <QTest>

namespace {

// 600 records, as long a program as the one that once cut t.nc short.
QByteArray bigProgram()
{
    QByteArray text;
    for (int k = 0; k < 300; ++k) {
        text += QByteArray("G01 X") + QByteArray::number(1000 + k) + " Y" + QByteArray::number(2000 + k) + "\n";
        text += QByteArray("G02 X") + QByteArray::number(500 + k) + " Y500 I250 J0\n";
    }
    return text;
}

struct Entry {
    const char *file;    // the scratch file it writes
    const char *warning; // its debug line when that fails
    SegmentRecord *table;
};

const Entry kEntries[] = {
    {"t.nc", "write temp file error...", cutSegments},
    {"e.nc", "write edit file error...", editSegments},
    {"l.nc", "write libl file error...", libSegments},
};

} // namespace

class ScratchWriteFaultTest : public QObject
{
    Q_OBJECT

    static int run(Parser &p, const Entry &entry, const QString &name)
    {
        if (entry.table == cutSegments)
            return p.parseMain(name);
        if (entry.table == editSegments)
            return p.parseEdit(name, 2.0);
        p.setLibFlag(true);
        return p.parseLib(name, 0, 0, 0);
    }

    static int count(Parser &p, const Entry &entry)
    {
        return entry.table == editSegments ? p.getMaxNedit() : p.getMaxN();
    }

    // The table as the entry's reading alone leaves it.
    static QString asRead(const Entry &entry, const QByteArray &bytes)
    {
        NcReader::Options options;
        options.library = entry.table == libSegments;
        SegmentTable::prefill(previewSegments);
        NcReader reader(bytes, previewSegments, options);
        reader.read(reader.detect());
        return tableRows(previewSegments);
    }

private slots:
    void faults_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("fault");
        for (int e = 0; e < 3; ++e) {
            for (int f = 0; f < WriteFault::standard(2).size(); ++f)
                QTest::addRow("%s, %s", kEntries[e].file, qPrintable(WriteFault::standard(2).at(f).name())) << e << f;
        }
    }

    void faults()
    {
        QFETCH(int, entry);
        QFETCH(int, fault);
        const Entry &e = kEntries[entry];
        TempWorkDir w;
        QVERIFY(w.writeFile("old.nc", "G01 X100 Y50\nG01 X1 Y1\n"));
        QVERIFY(w.writeFile("big.nc", bigProgram()));
        Parser p;
        // The full text first, then the old file back in place.
        QCOMPARE(run(p, e, "big.nc"), 1);
        const QByteArray full = w.readFile(QStringLiteral(".tovrelcnc/") + e.file);
        QCOMPARE(run(p, e, "old.nc"), 1);
        const QString folder = w.filePath(".tovrelcnc");
        const QMap<QString, QByteArray> before = WriteFault::snapshot(folder);
        const QString oldRows = tableRows(e.table);
        const int oldCount = count(p, e);

        const WriteFault f = WriteFault::standard(full.size()).at(fault);
        const bool creates = f.kind == WriteFault::MissingFolder;
        if (!creates)
            QTest::ignoreMessage(QtWarningMsg, e.warning);
        int result = -1;
        QMap<QString, QByteArray> during;
        {
            FaultScope scope(f, folder);
            QVERIFY2(scope.isValid(), qPrintable(scope.error()));
            result = run(p, e, "big.nc");
            during = WriteFault::snapshot(folder);
        }
        if (creates) {
            // Scratch folders are made when missing.
            QCOMPARE(result, 1);
            QCOMPARE(during.value(e.file), full);
            return;
        }
        QCOMPARE(result, 0);
        QCOMPARE(WriteFault::snapshot(folder), before);
        QCOMPARE(count(p, e), oldCount);
        QCOMPARE(tableRows(e.table), e.table == cutSegments ? oldRows : asRead(e, bigProgram()));
    }
};

QTEST_GUILESS_MAIN(ScratchWriteFaultTest)
#include "ScratchWriteFaultTest.moc"
