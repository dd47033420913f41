// The library's two scratch programs under injected faults: k.nc from the
// generator and b<N>.nc from the library parse of a custom shape. A write
// that fails is reported, and the old file stays byte for byte.

#include "library/LibGenerator.h"
#include "library/PattenForm.h"
#include "library/PattenList.h"
#include "program/Parser.h"

#include "ConsoleCapture.h"
#include "TempWorkDir.h"
#include "WriteFault.h"

#include <QTest>

namespace {

PattenList patterns(int copies)
{
    PattenList list;
    PattenForm form = PattenForm::forShape(1);
    form.countX = QString::number(copies);
    form.countY = QString::number(copies);
    list.add(1, form);
    return list;
}

QByteArray customShape(int lines)
{
    QByteArray text;
    for (int k = 0; k < lines; ++k)
        text += "G01 X" + QByteArray::number(100 + k) + " Y50\n";
    return text;
}

} // namespace

class LibraryWriteFaultTest : public QObject
{
    Q_OBJECT

private slots:
    void faults_data()
    {
        QTest::addColumn<bool>("generator");
        QTest::addColumn<int>("fault");
        for (bool generator : {true, false}) {
            for (int f = 0; f < WriteFault::standard(2).size(); ++f) {
                QTest::addRow("%s, %s", generator ? "k.nc" : "b3.nc", qPrintable(WriteFault::standard(2).at(f).name()))
                    << generator << f;
            }
        }
    }

    void faults()
    {
        QFETCH(bool, generator);
        QFETCH(int, fault);
        TempWorkDir w;
        QVERIFY(w.writeFile("old.nc", customShape(2)));
        QVERIFY(w.writeFile("big.nc", customShape(600)));
        LibGenerator gen;
        PattenList big = patterns(12);
        PattenList old = patterns(1);
        Parser p;
        auto run = [&](bool full) {
            if (generator)
                return gen.writeTempFile(full ? big : old).isNull() ? 0 : 1;
            return p.parseLib(full ? "big.nc" : "old.nc", 0, 3, 0);
        };
        const QString file = generator ? "k.nc" : "b3.nc";
        QCOMPARE(run(true), 1);
        const QByteArray full = w.readFile(".tovrelcnc/" + file);
        QCOMPARE(run(false), 1);
        const QString folder = w.filePath(".tovrelcnc");
        const QMap<QString, QByteArray> before = WriteFault::snapshot(folder);
        const int oldCount = p.getMaxN();

        const WriteFault f = WriteFault::standard(full.size()).at(fault);
        const bool creates = f.kind == WriteFault::MissingFolder;
        if (!creates && !generator)
            QTest::ignoreMessage(QtWarningMsg, "write lib file error...");
        int result = -1;
        QMap<QString, QByteArray> during;
        QByteArray console;
        {
            ConsoleCapture stderrLines(2);
            FaultScope scope(f, folder);
            QVERIFY2(scope.isValid(), qPrintable(scope.error()));
            result = run(true);
            during = WriteFault::snapshot(folder);
            scope.restore();
            console = stderrLines.text();
        }
        if (creates) {
            QCOMPARE(result, 1);
            QCOMPARE(during.value(file), full);
            return;
        }
        QCOMPARE(result, 0);
        QCOMPARE(WriteFault::snapshot(folder), before);
        if (generator) {
            QCOMPARE(console, QByteArray("write temp file error...\n"));
        } else {
            QCOMPARE(p.getMaxN(), oldCount);
            QCOMPARE(p.getTotalX(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(LibraryWriteFaultTest)
#include "LibraryWriteFaultTest.moc"
