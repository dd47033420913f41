#include "GuiTest.h"
#include "TempWorkDir.h"

#include "app/base/FontSetup.h"
#include "pages/KCode.h"
#include "pages/KCodeFrame.h"
#include "pages/KCodeNum.h"
#include "program/SegmentTable.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

using Block = QList<QVariant>;

Block block(int first, int end, int firstPart, int part)
{
    return {first, end, firstPart, part};
}

// Row r of the cutting table: a line (1, 100 r, -100 r, 0, 0).
void fillLines(int rows)
{
    SegmentTable::prefill(cutSegments);
    for (int r = 0; r < rows; ++r)
        cutSegments[r] = SegmentRecord{SegType::Line, 100 * r, -100 * r, 0, 0, {0, 0, 0, 0}};
}

QList<QByteArray> ckLines(const TempWorkDir &dir)
{
    QList<QByteArray> lines = dir.readFile(".tovrelcnc/ck.nc").split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class KCodeTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempWorkDir> dir;
    std::unique_ptr<KCode> code;

    // A fresh list over `lines` rows, loaded as the program loader does.
    KCode *load(int lines)
    {
        fillLines(qMin(lines, kSegmentRows));
        code.reset(new KCode);
        code->setLineCount(lines);
        code->loadCode();
        return code.get();
    }

    // The list of a program-line page on a shown window.
    static KCode *shownList(QWidget &window)
    {
        window.setFont(QFont(QStringLiteral("Simsun"), 10));
        auto *num = new KCodeNum(&window);
        num->setGeometry(2, 143, 256, 319);
        window.show();
        return num->codeFrame->code;
    }

    // Every row's height is what the view's own fit gives it, and wrapped and
    // single lines both occurred.
    static void expectTheViewsFit(KCode *list)
    {
        QVector<int> quick;
        for (int r = 0; r < list->rowCount(); ++r)
            quick << list->rowHeight(r);
        list->resizeRowsToContents();
        QSet<int> distinct;
        for (int r = 0; r < list->rowCount(); ++r) {
            QVERIFY2(quick[r] == list->rowHeight(r),
                     qPrintable(QString("row %1: %2 instead of %3").arg(r).arg(quick[r]).arg(list->rowHeight(r))));
            distinct << quick[r];
        }
        QVERIFY(distinct.size() >= 2);
    }

private slots:
    void initTestCase() { FontSetup::installSubstitutes(); }

    void init()
    {
        code.reset();
        dir.reset(new TempWorkDir);
        QVERIFY(dir->isValid());
    }

    void cleanup()
    {
        code.reset();
        dir.reset();
    }

    void navigation_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("from");
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<int>("to");
        QTest::newRow("page down 14") << 25 << 14 << QByteArray("numPageDown") << 24;
        QTest::newRow("page down 15") << 25 << 15 << QByteArray("numPageDown") << 24;
        QTest::newRow("page down 24") << 25 << 24 << QByteArray("numPageDown") << 24;
        QTest::newRow("page down 13") << 25 << 13 << QByteArray("numPageDown") << 23;
        QTest::newRow("page up 10") << 25 << 10 << QByteArray("numPageUp") << 0;
        QTest::newRow("page up 11") << 25 << 11 << QByteArray("numPageUp") << 1;
        QTest::newRow("down at last") << 25 << 24 << QByteArray("numDown") << 24;
        QTest::newRow("down") << 25 << 23 << QByteArray("numDown") << 24;
        QTest::newRow("up at first") << 25 << 0 << QByteArray("numUp") << 0;
        QTest::newRow("empty page down") << 0 << 0 << QByteArray("numPageDown") << -1;
    }

    void navigation()
    {
        QFETCH(int, lines);
        QFETCH(int, from);
        QFETCH(QByteArray, slot);
        QFETCH(int, to);
        KCode *list = load(lines);
        if (from != 0)
            list->setCurrentRow(from);
        QSignalSpy startAt(list, SIGNAL(startAt(int)));
        QVERIFY(QMetaObject::invokeMethod(list, slot.constData()));
        QCOMPARE(list->currentRowNumber(), to);
        const QList<QTableWidgetSelectionRange> selected = list->selectedRanges();
        if (to == from) {
            // Nothing moved, so nothing was selected.
        } else if (to >= 0) {
            QCOMPARE(selected.size(), 1);
            QCOMPARE(selected[0].topRow(), to);
        } else {
            QVERIFY(selected.isEmpty());
        }
        QVERIFY(startAt.isEmpty());
        // The start row is -1 after a load: a list without lines reports nothing.
        list->numStop();
        const int startRow = from != 0 ? from : -1;
        QCOMPARE(startAt.size(), to != startRow ? 1 : 0);
    }

    void pierceParts()
    {
        QVERIFY(QDir(".tovrelcnc").removeRecursively());
        KCode *list = load(25);
        QSignalSpy ck(list, SIGNAL(ckChanged(int, int, int, int)));
        QSignalSpy startAt(list, SIGNAL(startAt(int)));
        const int lengths[] = {5, 7, 6};
        list->setCK(3, lengths);
        QCOMPARE(ck.takeFirst(), block(0, 5, 0, 0));
        QList<QByteArray> lines = ckLines(*dir);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.first(), QByteArray("G01 X       0 Y       0"));
        QCOMPARE(lines.last(), QByteArray("G01 X     400 Y    -400"));

        // Inside a part the list moves on to the next part's start.
        list->setCurrentRow(8);
        list->locateCK();
        QCOMPARE(list->currentRowNumber(), 12);
        QCOMPARE(list->currentPart(), 2);
        QCOMPARE(startAt.takeFirst().at(0).toInt(), 12);
        QCOMPARE(ck.takeFirst(), block(12, 18, 2, 2));
        lines = ckLines(*dir);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.first(), QByteArray("G01 X    1200 Y   -1200"));

        // On a part's first row it only takes that part.
        list->setCurrentRow(5);
        list->locateCK();
        QCOMPARE(list->currentRowNumber(), 5);
        QCOMPARE(list->currentPart(), 1);
        QVERIFY(startAt.isEmpty());
        QCOMPARE(ck.takeFirst(), block(5, 12, 1, 1));

        // Past the last part's start it goes back to it.
        list->setCurrentRow(14);
        list->locateCK();
        QCOMPARE(startAt.takeFirst().at(0).toInt(), 12);
        QCOMPARE(ck.takeFirst(), block(12, 18, 2, 2));
        list->setCurrentRow(5);
        list->locateCK();
        ck.clear();

        list->setCombi(1);
        list->numCKDown();
        QCOMPARE(ck.takeFirst(), block(5, 18, 1, 2));
        QCOMPARE(ckLines(*dir).size(), 13);
        list->numCKDown();
        QCOMPARE(ck.takeFirst(), block(5, 25, 1, 3));
        QCOMPARE(ckLines(*dir).size(), 20);
        // The end: no part after the rest of the program.
        list->numCKDown();
        QVERIFY(ck.isEmpty());

        // Back by part, combined mode off again: each part alone.
        list->setCombi(0);
        list->numCKUp();
        QCOMPARE(ck.takeFirst(), block(12, 18, 2, 2));
        QCOMPARE(ckLines(*dir).first(), QByteArray("G01 X    1200 Y   -1200"));
        list->numCKUp();
        list->numCKUp();
        QCOMPARE(ck.size(), 2);
        QCOMPARE(ck.takeLast(), block(0, 5, 0, 0));
        QCOMPARE(list->currentRowNumber(), 0);
        ck.clear();
        list->numCKUp();
        QVERIFY(ck.isEmpty());
    }

    void withoutParts()
    {
        KCode *list = load(25);
        QSignalSpy ck(list, SIGNAL(ckChanged(int, int, int, int)));
        list->setCK(0, nullptr);
        QCOMPARE(ck.takeFirst(), block(0, 25, 0, 0));
        QCOMPARE(ckLines(*dir).size(), 25);
        list->setCurrentRow(20);
        list->numCKDown();
        list->numCKUp();
        QVERIFY(ck.isEmpty());
        list->locateCK();
        QCOMPARE(ck.takeFirst(), block(20, 25, 0, 0));
        QCOMPARE(ckLines(*dir).size(), 5);
    }

    void blockStaysInsideTheProgram()
    {
        KCode *list = load(20);
        const int lengths[] = {5, 7, 6};
        list->setCK(3, lengths);
        QSignalSpy ck(list, SIGNAL(ckChanged(int, int, int, int)));
        list->setCurrentRow(10);
        list->numCKDown();
        QCOMPARE(ck.takeFirst(), block(15, 20, 1, 1));
        const QList<QByteArray> lines = ckLines(*dir);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.last(), QByteArray("G01 X    1900 Y   -1900"));
    }

    void blockStaysInsideTheTable()
    {
        KCode *list = load(kSegmentRows);
        const int lengths[] = {10, 5};
        list->setCK(2, lengths);
        QCOMPARE(ckLines(*dir).size(), 10);
        list->setCurrentRow(29994);
        list->numCKDown();
        QCOMPARE(list->currentRowNumber(), 30004);
        QVERIFY(dir->exists(".tovrelcnc/ck.nc"));
        QVERIFY(dir->readFile(".tovrelcnc/ck.nc").isEmpty());
    }

    void partCountIsBounded()
    {
        KCode *list = load(25);
        static int lengths[KCode::kMaxParts + 5];
        std::fill(std::begin(lengths), std::end(lengths), 1);
        list->setCK(KCode::kMaxParts + 5, lengths);
        QCOMPARE(list->partCount(), KCode::kMaxParts);
        list->setCK(-3, lengths);
        QCOMPARE(list->partCount(), 0);
    }

    void failedWriteIsReportedAfterTheSignal()
    {
        // A folder where ck.nc should be: the write must fail.
        QVERIFY(QDir().mkpath(".tovrelcnc/ck.nc"));
        KCode *list = load(25);
        QSignalSpy ck(list, SIGNAL(ckChanged(int, int, int, int)));
        QTest::ignoreMessage(QtWarningMsg, "write temp file error...");
        const int lengths[] = {5, 7, 6};
        list->setCK(3, lengths);
        // The preview still follows the part.
        QCOMPARE(ck.takeFirst(), block(0, 5, 0, 0));
        QVERIFY(QFileInfo(".tovrelcnc/ck.nc").isDir());
    }

    void ckLine_data()
    {
        QTest::addColumn<QList<int>>("record");
        QTest::addColumn<QString>("line");
        QTest::newRow("rapid") << QList<int>{0, 1500, -300, 0, 0} << "G00 X    1500 Y    -300";
        QTest::newRow("ccw") << QList<int>{3, 1000, 1000, 0, 1000} << "G03 X    1000 Y    1000 I       0 J    1000";
        QTest::newRow("cw wide") << QList<int>{2, -12345678, 5, -1, 2}
                                 << "G02 X-12345678 Y       5 I      -1 J       2";
        QTest::newRow("m code") << QList<int>{100, 0, 0, 0, 0} << "G100";
        QTest::newRow("mark out") << QList<int>{158, 300, 0, 0, 0} << "G158";
        QTest::newRow("tool") << QList<int>{5, 7, 7, 0, 0} << "G05";
        QTest::newRow("end") << QList<int>{99, 0, 0, 0, 0} << "G99";
    }

    void ckLine()
    {
        QFETCH(QList<int>, record);
        QFETCH(QString, line);
        const SegmentRecord r{record[0], record[1], record[2], record[3], record[4], {0, 0, 0, 0}};
        QCOMPARE(KCode::ckLine(r), line);
    }

    void loadReadsUpToTheFirstEmptyLine()
    {
        QVERIFY(dir->writeFile(".tovrelcnc/t.nc", "G00 X1 Y2\nG01 X3 Y4\n\nG01 X5 Y6\n"));
        KCode *list = load(3);
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE(list->item(0, 0)->text(), QString("G00 X1 Y2"));
        QCOMPARE(list->item(1, 0)->text(), QString("G01 X3 Y4"));
        QVERIFY(!list->item(2, 0));
        // Lines beyond the record count stay out.
        QVERIFY(dir->writeFile(".tovrelcnc/t.nc", "A\nB\nC\nD\n"));
        list->setLineCount(2);
        list->loadCode();
        QCOMPARE(list->rowCount(), 2);
        QCOMPARE(list->item(1, 0)->text(), QString("B"));
    }

    // The quick fit gives the heights the view's own fit gives.
    void rowHeightsMatchTheViewsFit()
    {
        QWidget window;
        KCode *list = shownList(window);

        const char *const samples[] = {
            "G00 X 1500 Y -300",
            "G02 X-123456 Y-123456 I-123456 J 0",
            "M00",
            "G03 X 12 Y 12 I 0 J 12",
            "G01 X-1234 Y 5678",
            "G02 X-12345 Y-12345 I-1234 J 0",
            "M58 \xe4\xb8\xad\xe6\x96\x87",
            "G01 X-99999999 Y-99999999 I-99999999 J-99999999 G01 X-99999999 Y-99999999",
            "\t G01",
        };
        for (int pass = 0; pass < 2; ++pass) {
            const int rows = pass == 0 ? 300 : 200;
            QByteArray text;
            for (int r = 0; r < rows; ++r) {
                QByteArray line(samples[(r * 7 + pass) % int(std::size(samples))]);
                // Widths around the column's edge.
                line += QByteArray(r % 13, 'X');
                text += line + '\n';
            }
            QVERIFY(dir->writeFile(".tovrelcnc/t.nc", text));
            // The second load is longer than its file: its last rows keep the first load's lines.
            list->setLineCount(pass == 0 ? 300 : 350);
            list->loadCode();
            expectTheViewsFit(list);
            if (QTest::currentTestFailed())
                return;
        }
        // Rows without a line (no t.nc) share one height too.
        QVERIFY(QFile::remove(".tovrelcnc/t.nc"));
        list->setLineCount(400);
        list->loadCode();
        const int empty = list->rowHeight(399);
        list->resizeRowToContents(399);
        QCOMPARE(list->rowHeight(399), empty);
    }

    // Arc lines that differ only in their digits, many around the column's
    // edge: one fit per wrapping shape still gives every row its own height.
    void digitVariantsFitAsTheViewDoes()
    {
        QWidget window;
        KCode *list = shownList(window);

        quint32 seed = 7u;
        auto number = [&seed]() {
            seed = seed * 1103515245u + 12345u;
            const int digits = 1 + int((seed >> 16) % 7);
            qint64 v = 1 + (seed >> 8) % 9;
            for (int d = 1; d < digits; ++d)
                v = v * 10 + (seed >> (d + 3)) % 10;
            return (seed & 1u) ? -v : v;
        };
        QByteArray text;
        const int rows = 2000;
        for (int r = 0; r < rows; ++r)
            text += QStringLiteral("G0%1 X%2 Y%3 I%4 J%5\n")
                        .arg(2 + r % 2)
                        .arg(number())
                        .arg(number())
                        .arg(number())
                        .arg(number())
                        .toLatin1();
        QVERIFY(dir->writeFile(".tovrelcnc/t.nc", text));
        list->setLineCount(rows);
        list->loadCode();
        expectTheViewsFit(list);
    }

    void timerTurnsTheRowIntoTheStartLine()
    {
        fillLines(25);
        QWidget window;
        auto *frame = new KCodeFrame(&window);
        frame->setGeometry(0, 0, 256, 259);
        KCode *list = frame->code;
        list->setLineCount(25);
        list->loadCode();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QSignalSpy startAt(list, SIGNAL(startAt(int)));
        QSignalSpy byConfig(list, SIGNAL(startAtByConfig()));
        QSignalSpy ticks(frame->timer, SIGNAL(timeout()));
        QVERIFY(!frame->timer->isActive());
        // The program's interval; the ticks themselves are what is checked, so
        // they run at 1 ms here.
        QCOMPARE(frame->timer->interval(), 1000);
        frame->timer->start(1);
        QVERIFY(ticks.wait(2000));
        QCOMPARE(startAt.size(), 1);
        QCOMPARE(startAt.takeFirst().at(0).toInt(), 0);
        QVERIFY(ticks.wait(2000));
        QVERIFY(startAt.isEmpty());

        list->numDown();
        QVERIFY(ticks.wait(2000));
        QCOMPARE(startAt.takeFirst().at(0).toInt(), 1);

        const QRect row3 = list->visualRect(list->model()->index(3, 0));
        QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, row3.center());
        QCOMPARE(byConfig.size(), 1);
        QVERIFY(startAt.isEmpty());
        QCOMPARE(list->selectedRanges().value(0).topRow(), 3);
        QVERIFY(ticks.wait(2000));
        QCOMPARE(startAt.takeFirst().at(0).toInt(), 3);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, row3.center());
    }
};

QTEST_MAIN(KCodeTest)
#include "KCodeTest.moc"
