// Every parse entry takes every real program of the shared corpus without a
// crash, a hang or a sanitizer report, and leaves consistent counts.

#include "program/Parser.h"

#include "TempWorkDir.h"
#include "TestPaths.h"

#include <QFileInfo>
#include <QTest>

class ParserCorpusTest : public QObject
{
    Q_OBJECT

private slots:
    void entries_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files = TestPaths::corpusFiles();
        if (files.isEmpty())
            QSKIP("no corpus of NC programs");
        for (const QString &f : files)
            QTest::newRow(qPrintable(QFileInfo(f).fileName())) << f;
    }

    void entries()
    {
        QFETCH(QString, file);
        TempWorkDir w;
        Parser p;
        const int main = p.parseMain(file);
        QVERIFY(main == 0 || main == 1);
        if (main == 1) {
            QCOMPARE(p.getMaxN(), SegmentTable::length(cutSegments));
            QCOMPARE(w.readFile(".tovrelcnc/t.nc").count('\n'), p.getMaxN());
        }
        const int preview = p.parsePreview(file);
        QCOMPARE(preview, main);
        const int edit = p.parseEdit(file, 1.0);
        QCOMPARE(edit, main);
        if (edit == 1) {
            QCOMPARE(p.getMaxNedit(), SegmentTable::length(editSegments));
            QCOMPARE(w.readFile(".tovrelcnc/e.nc").count('\n'), p.getMaxNedit());
        }
        QVERIFY(p.parseEdit(file, 0.37) == edit);
        for (int mirror = 0; mirror <= 3; ++mirror) {
            const int lib = p.parseLib(file, 33.3 * mirror, mirror + 1, mirror);
            QVERIFY(lib == 0 || lib == 1);
            if (lib == 1)
                QVERIFY(w.exists(QStringLiteral(".tovrelcnc/b%1.nc").arg(mirror + 1)));
        }
        // The same bytes as the library's own pattern file, on both paths.
        QFile::copy(file, ".tovrelcnc/k.nc");
        p.setLibFlag(true);
        QVERIFY(p.parseLib("./.tovrelcnc/k.nc", 0, 0, 0) >= 0);
        QVERIFY(p.parseLib("./.tovrelcnc/k.nc", 90, 0, 1) >= 0);
    }
};

QTEST_GUILESS_MAIN(ParserCorpusTest)
#include "ParserCorpusTest.moc"
