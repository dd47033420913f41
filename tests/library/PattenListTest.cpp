#include "library/LibGenerator.h"
#include "library/PattenForm.h"
#include "library/PattenList.h"

#include "TempWorkDir.h"

#include <QtTest>

#include <limits>

namespace {

QString dump(const patten_t &p)
{
    return QStringLiteral("t%1 a%2 b%3 c%4 n%5x%6 s%7x%8 o%9,%10 so%11,%12 ang%13 m%14 ext%15 f%16 %17 del%18")
        .arg(p.type)
        .arg(p.a)
        .arg(p.b)
        .arg(p.c)
        .arg(p.countX)
        .arg(p.countY)
        .arg(p.spaceX)
        .arg(p.spaceY)
        .arg(p.offsetX)
        .arg(p.offsetY)
        .arg(p.savedOffsetX)
        .arg(p.savedOffsetY)
        .arg(p.angle)
        .arg(p.mirror)
        .arg(p.extentX)
        .arg(p.fileNo)
        .arg(p.fileName)
        .arg(p.deleted);
}

QStringList dumpAll(const PattenList &list)
{
    QStringList out;
    for (int k = 0; k < PattenList::kRecords; ++k)
        out << dump(list.at(k));
    return out;
}

PattenForm k1(const char *a, const char *b, const char *offx, const char *offy = "0")
{
    PattenForm form = PattenForm::forShape(1);
    form.param[PattenForm::A] = QString::fromLatin1(a);
    form.param[PattenForm::B] = QString::fromLatin1(b);
    form.offsetX = QString::fromLatin1(offx);
    form.offsetY = QString::fromLatin1(offy);
    return form;
}

} // namespace

class PattenListTest : public QObject
{
    Q_OBJECT
private slots:
    void addSelectsAndNumbersFiles();
    void addReadsTheForm();
    void fullListRefuses();
    void swapKeepsPlaces();
    void swapWithoutFollowerTouchesNothingElse();
    void noSwapWithoutNeighbourOrSelection();
    void changeKeepsNextPatternInPlace();
    void changeWithoutSelectionWritesRecordZeroOnly();
    void selection();
    void deletedNeighboursStayInsideTheList();
    void customFileData();
};

void PattenListTest::addSelectsAndNumbersFiles()
{
    PattenList list;
    QCOMPARE(list.count(), 0);
    QVERIFY(list.add(1, PattenForm::forShape(1)));
    QVERIFY(list.add(2, PattenForm::forShape(2)));
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.current(), 2);
    QCOMPARE(list.at(1).fileNo, 1);
    QCOMPARE(list.at(2).fileNo, 2);
    QCOMPARE(list.at(2).type, 2);
    list.clear();
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.current(), 0);
    QCOMPARE(dump(list.at(1)), dump(patten_t()));
}

void PattenListTest::addReadsTheForm()
{
    PattenForm form = PattenForm::forShape(23);
    form.offsetX = QStringLiteral("1.5");
    form.offsetY = QStringLiteral("-2");
    form.angle = QStringLiteral("22.5");
    form.mirror = 3;
    form.countX = QStringLiteral("4");
    form.countY = QStringLiteral("junk");
    form.spaceX = QStringLiteral("0.29");
    form.spaceY = QStringLiteral("7");
    PattenList list;
    QVERIFY(list.add(23, form));
    const patten_t &p = list.at(1);
    QCOMPARE(QList<int>({p.a, p.b, p.c, p.d, p.e, p.f, p.g}), QList<int>({1000, 20000, 15000, 6000, 3000, 1000, 500}));
    QCOMPARE(p.offsetX, 150);
    QCOMPARE(p.savedOffsetX, 150);
    QCOMPARE(p.offsetY, -200);
    QCOMPARE(p.savedOffsetY, -200);
    QCOMPARE(p.angle, 22.5);
    QCOMPARE(p.mirror, 3);
    QCOMPARE(p.countX, 4);
    QCOMPARE(p.countY, 0);
    QCOMPARE(p.spaceX, 29);
    QCOMPARE(p.spaceY, 700);
    QCOMPARE(p.fileName, QString());
    QVERIFY(!p.deleted);

    // No radio on: the record keeps its mirror.
    form.mirror = -1;
    list.change(form);
    QCOMPARE(list.at(1).mirror, 3);
}

void PattenListTest::fullListRefuses()
{
    PattenList list;
    for (int k = 1; k <= 99; ++k)
        QVERIFY(list.add(1 + k % 24, PattenForm::forShape(1 + k % 24)));
    list.selectRow(4);
    const QStringList before = dumpAll(list);
    QVERIFY(!list.add(3, PattenForm::forShape(3)));
    QCOMPARE(list.count(), 99);
    QCOMPARE(list.current(), 5);
    QCOMPARE(dumpAll(list), before);

    // The custom-file data of "the next pattern" has no place any more.
    list.setNextFileSize(123.0, 456.0);
    list.setNextFileEnd(7, 8);
    for (int k = 0; k < PattenList::kRecords; ++k) {
        QCOMPARE(list.fileSizeX(k), 0.0);
        QCOMPARE(list.fileEndX(k), 0);
    }
}

// A (offsetX 1000, extentX 4000), B (offsetX 500, extentX 3000), N (offsetX 200).
void PattenListTest::swapKeepsPlaces()
{
    TempWorkDir dir;
    PattenList list;
    list.add(1, k1("10", "30", "10"));
    list.add(1, k1("10", "20", "5", "3"));
    list.add(1, k1("10", "40", "2", "1"));
    list.at(2).fileName = QStringLiteral("b.nc");
    list.at(1).deleted = true;
    LibGenerator generator;
    QVERIFY(!generator.writeTempFile(list).isNull());
    QCOMPARE(list.at(1).extentX, 4000);
    QCOMPARE(list.at(2).extentX, 3000);

    list.selectRow(0);
    QVERIFY(list.swapLater());
    QCOMPARE(list.at(1).b, 2000);
    QCOMPARE(list.at(1).offsetX, 5500);
    QCOMPARE(list.at(1).offsetY, 300);
    QCOMPARE(list.at(1).fileNo, 2);
    QCOMPARE(list.at(1).fileName, QStringLiteral("b.nc"));
    QVERIFY(!list.at(1).deleted);
    QCOMPARE(list.at(2).b, 3000);
    QCOMPARE(list.at(2).offsetX, -7500);
    QCOMPARE(list.at(2).offsetY, -300);
    QCOMPARE(list.at(2).fileNo, 1);
    QVERIFY(list.at(2).deleted);
    QCOMPARE(list.at(3).offsetX, 3700);
    QCOMPARE(list.at(3).offsetY, 400);
    for (int k = 1; k <= 3; ++k) {
        QCOMPARE(list.at(k).savedOffsetX, list.at(k).offsetX);
        QCOMPARE(list.at(k).savedOffsetY, list.at(k).offsetY);
    }
    // Offsets and extents stay with the position.
    QCOMPARE(list.at(1).extentX, 4000);
    QCOMPARE(list.at(2).extentX, 3000);
}

void PattenListTest::swapWithoutFollowerTouchesNothingElse()
{
    PattenList list;
    list.add(1, k1("10", "30", "10"));
    list.add(1, k1("10", "20", "5"));
    list.at(3).offsetX = 77; // a record past the last pattern
    list.at(3).savedOffsetX = 77;
    QVERIFY(list.swapEarlier());
    QCOMPARE(list.at(3).offsetX, 77);
    QCOMPARE(list.at(3).savedOffsetX, 77);
    QCOMPARE(list.at(1).b, 2000);
    QCOMPARE(list.at(2).b, 3000);
}

void PattenListTest::noSwapWithoutNeighbourOrSelection()
{
    PattenList list;
    QVERIFY(!list.swapEarlier());
    QVERIFY(!list.swapLater());
    list.add(1, k1("10", "30", "10"));
    list.add(1, k1("10", "20", "5"));
    const QStringList before = dumpAll(list);
    list.selectRow(0);
    QVERIFY(!list.swapEarlier());
    list.selectRow(1);
    QVERIFY(!list.swapLater());
    list.selectRow(-1);
    QCOMPARE(list.current(), 0);
    QVERIFY(!list.swapLater());
    QVERIFY(!list.swapEarlier());
    QCOMPARE(dumpAll(list), before);
}

void PattenListTest::changeKeepsNextPatternInPlace()
{
    PattenList list;
    list.add(1, k1("10", "30", "10"));
    list.add(1, k1("10", "30", "50", "20"));
    list.add(1, k1("10", "30", "8", "1"));
    const QString first = dump(list.at(1));
    list.selectRow(1);
    list.change(k1("10", "30", "60", "25"));
    QCOMPARE(list.at(2).offsetX, 6000);
    QCOMPARE(list.at(2).savedOffsetX, 6000);
    QCOMPARE(list.at(3).offsetX, -200);
    QCOMPARE(list.at(3).offsetY, -400);
    QCOMPARE(list.at(3).savedOffsetX, -200);
    QCOMPARE(dump(list.at(1)), first);

    // The last pattern has no follower: nothing past it changes.
    list.at(4).offsetX = 11;
    list.selectRow(2);
    list.change(k1("10", "30", "9"));
    QCOMPARE(list.at(4).offsetX, 11);
    QCOMPARE(list.at(3).offsetX, 900);
}

void PattenListTest::changeWithoutSelectionWritesRecordZeroOnly()
{
    PattenList list;
    list.add(1, k1("10", "30", "10"));
    list.add(1, k1("10", "30", "20"));
    const QString one = dump(list.at(1));
    const QString two = dump(list.at(2));
    list.selectRow(-1);
    list.change(k1("10", "30", "99"));
    QCOMPARE(list.at(0).offsetX, 9900);
    QCOMPARE(dump(list.at(1)), one);
    QCOMPARE(dump(list.at(2)), two);
}

void PattenListTest::selection()
{
    PattenList list;
    list.selectRow(5);
    QCOMPARE(list.current(), 0);
    for (int k = 0; k < 3; ++k)
        list.add(1, PattenForm::forShape(1));
    list.selectRow(5);
    QCOMPARE(list.current(), 3);
    list.selectRow(0);
    QCOMPARE(list.current(), 1);
    list.selectRow(-7);
    QCOMPARE(list.current(), 0);
    list.selectRow(std::numeric_limits<int>::max());
    QCOMPARE(list.current(), 3);
}

void PattenListTest::deletedNeighboursStayInsideTheList()
{
    PattenList list;
    list.add(1, PattenForm::forShape(1));
    list.add(1, PattenForm::forShape(1));
    // With no selection the mark lands on record 0, which is no pattern.
    list.selectRow(-1);
    list.markDeleted();
    QVERIFY(list.at(0).deleted);
    list.at(3).deleted = true;

    list.selectRow(0);
    QVERIFY(!list.previousDeleted());
    QVERIFY(!list.nextDeleted());
    list.selectRow(1);
    QVERIFY(!list.nextDeleted());
    list.selectRow(0);
    list.markDeleted();
    list.selectRow(1);
    QVERIFY(list.previousDeleted());
    list.selectRow(0);
    QVERIFY(!list.nextDeleted());
    QCOMPARE(list.count(), 2);
}

void PattenListTest::customFileData()
{
    PattenList list;
    list.setNextFileSize(2000.5, 3000.25);
    list.setNextFileEnd(1000, 500);
    list.add(0, PattenForm::forShape(0));
    QCOMPARE(list.at(1).fileNo, 1);
    QCOMPARE(list.fileSizeX(1), 3000.25);
    QCOMPARE(list.fileSizeY(1), 2000.5);
    QCOMPARE(list.fileEndX(1), 1000);
    QCOMPARE(list.fileEndY(1), 500);
    list.add(1, PattenForm::forShape(1));
    list.selectRow(0);
    list.setSelectedFileEnd(-4, 9);
    QCOMPARE(list.fileEndX(1), -4);
    QCOMPARE(list.fileEndY(1), 9);
    QCOMPARE(list.fileEndX(2), 0);
}

QTEST_APPLESS_MAIN(PattenListTest)
#include "PattenListTest.moc"
