#include "TestPaths.h"

#include "device/DeviceIo.h"
#include "device/JunctionMarking.h"
#include "device/KWriteDevice.h"
#include "program/SegmentTable.h"

#include <QTest>

#include <algorithm>

#include <limits>
#include <memory>

namespace {

struct Row {
    qint32 type, x, y, i, j;
};

} // namespace

Q_DECLARE_METATYPE(Row)

class KWriteDeviceTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<KWriteDevice> writer;

    static std::array<int, KWriteDevice::kDescriptorCount> notOpen()
    {
        std::array<int, KWriteDevice::kDescriptorCount> fds;
        fds.fill(DeviceIo::kNotOpen);
        return fds;
    }

    // Loads rows into the cutting table, marks it at cutting speed p and
    // returns each row's flags as "entry exit spare transition", up to the end record.
    QStringList marks(const QList<Row> &rows, int p, int q = 300)
    {
        SegmentTable::prefill(cutSegments);
        for (int n = 0; n < rows.size(); ++n) {
            const Row &r = rows.at(n);
            cutSegments[n].type = r.type;
            cutSegments[n].x = r.x;
            cutSegments[n].y = r.y;
            cutSegments[n].i = r.i;
            cutSegments[n].j = r.j;
        }
        writer->writePara(para_t{6000, p, q, 0, 1});
        writer->writeEnt();
        QStringList out;
        for (int n = 0; n < rows.size(); ++n) {
            const quint8 *f = cutSegments[n].flags;
            out << QStringLiteral("%1 %2 %3 %4").arg(f[0]).arg(f[1]).arg(f[2]).arg(f[3]);
        }
        return out;
    }

private slots:
    void init()
    {
        writer = std::make_unique<KWriteDevice>(notOpen(), nullptr);
        for (SegmentRecord &record : cutSegments)
            std::fill(record.flags, record.flags + 4, quint8(0));
    }

    void stepCommandsFollowMethodAndMode()
    {
        const QStringList before = TestPaths::openDescriptors();
        QCOMPARE(writer->lastPara().topSpeed, 0);
        QCOMPARE(writer->lastPara().cutSpeed, 0);
        QCOMPARE(writer->lastPara().lowSpeed, 0);
        QCOMPARE(writer->lastPara().method, 0);
        writer->writeStepN();
        QCOMPARE(writer->stepSpeed(), 0);

        writer->writePara(para_t{6000, 2000, 300, 0, 1});
        auto step = [this](void (KWriteDevice::*slot)(), char axis, char digit, int speed) {
            (writer.get()->*slot)();
            return writer->stepAxis() == axis && writer->stepDigit() == digit && writer->stepSpeed() == speed;
        };
        QVERIFY(step(&KWriteDevice::writeStepN, 'X', '2', 2000));
        writer->setMethod(2);
        QVERIFY(step(&KWriteDevice::writeStepSE, 'N', '5', 6000));
        writer->setMethod(4);
        writer->setMode(1);
        QVERIFY(step(&KWriteDevice::writeStepW, 'Y', '8', 2000));
        writer->setMode(3);
        QVERIFY(step(&KWriteDevice::writeStepW, 'Y', '8', 6000));
        writer->setMethod(0);
        QVERIFY(step(&KWriteDevice::writeStepE, 'Y', '4', 6000));
        writer->writeStepStop();
        QVERIFY(writer->stepAxis() == 'Y' && writer->stepDigit() == '4' && writer->stepSpeed() == 300);

        writer->writeLaser(12, -3);
        QCOMPARE(writer->laserOffset().x, 1200);
        QCOMPARE(writer->laserOffset().y, -300);
        QTest::ignoreMessage(QtDebugMsg, "mode=2");
        writer->setMode(2);
        QCOMPARE(writer->mode(), 2);
        QCOMPARE(writer->callLog().mid(writer->callLog().size() - 3),
                 QStringList({"writeStepStop()", "writeLaser(12,-3)", "setMode(2)"}));
        QCOMPARE(TestPaths::openDescriptors(), before);
    }

    // Each of the eight jog keys sends its own key-pad digit; the diagonals
    // move both axes ('N').
    void everyJogKeyHasItsDigit()
    {
        using Slot = void (KWriteDevice::*)();
        const struct {
            Slot slot;
            char axis;
            char digit;
        } keys[] = {
            {&KWriteDevice::writeStepN, 'X', '2'},  {&KWriteDevice::writeStepS, 'X', '6'},
            {&KWriteDevice::writeStepW, 'Y', '8'},  {&KWriteDevice::writeStepE, 'Y', '4'},
            {&KWriteDevice::writeStepNW, 'N', '1'}, {&KWriteDevice::writeStepNE, 'N', '3'},
            {&KWriteDevice::writeStepSW, 'N', '7'}, {&KWriteDevice::writeStepSE, 'N', '5'},
        };
        for (const auto &key : keys) {
            (writer.get()->*key.slot)();
            QCOMPARE(writer->stepAxis(), key.axis);
            QCOMPARE(writer->stepDigit(), key.digit);
        }
    }

    void callLogKeepsTheLastThousand()
    {
        sys_t outputs;
        outputs.byte[0] = 0x03;
        outputs.byte[1] = 0xA5;
        writer->writeSys(outputs);
        writer->writeStart(start_t{0, -500, -700, 500, 700});
        writer->writeBeam(-0.4620534);
        writer->writeCK(true);
        writer->writePF(1, 2);
        QCOMPARE(writer->callLog(), QStringList({"writeSys(03 A5 00)", "writeStart(0,-500,-700,500,700)",
                                                 "writeBeam(-0.462053)", "writeCK(true)", "writePF(1,2)"}));
        QCOMPARE(writer->lastSys().byte[1], quint8(0xA5));
        QCOMPARE(writer->lastStart().beginY, 700);
        QCOMPARE(writer->pfOffset().y, 200);
        // Offsets beyond the 32-bit range stop at its ends instead of wrapping.
        writer->writeLaser(30000000, -30000000);
        QCOMPARE(writer->laserOffset().x, std::numeric_limits<qint32>::max());
        QCOMPARE(writer->laserOffset().y, std::numeric_limits<qint32>::min());

        for (int k = 0; k < 1200; ++k)
            writer->writeXYPoint(k, -k);
        QCOMPARE(writer->callLog().size(), KWriteDevice::kLogSize);
        QCOMPARE(writer->callLog().first(), QStringLiteral("writeXYPoint(200,-200)"));
        QCOMPARE(writer->callLog().last(), QStringLiteral("writeXYPoint(1199,-1199)"));
        writer->clearCallLog();
        QVERIFY(writer->callLog().isEmpty());
        QVERIFY(!writer->cardPresent());
        writer->setCardPresent(true);
        QVERIFY(writer->cardPresent());
    }

    void lookAheadBands_data()
    {
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("q");
        QTest::addColumn<qint64>("length");
        QTest::newRow("2000") << 2000 << 300 << qint64(850);
        QTest::newRow("1000") << 1000 << 300 << qint64(350);
        QTest::newRow("321") << 321 << 300 << qint64(10);
        QTest::newRow("320") << 320 << 300 << qint64(5);
        QTest::newRow("below q") << 0 << 300 << qint64(5);
        QTest::newRow("3999") << 3999 << 300 << qint64((2 * 3999 - 300 - 2000) / 2);
        QTest::newRow("4000") << 4000 << 300 << qint64(2850);
        QTest::newRow("7999") << 7999 << 300 << qint64((4 * 7999 - 300 - 12000) / 2);
        QTest::newRow("9999") << 9999 << 300 << qint64((5 * 9999 - 300 - 20000) / 2);
        QTest::newRow("10000") << 10000 << 300 << qint64((60000 - 300 - 30000) / 2);
        QTest::newRow("largest") << std::numeric_limits<qint32>::max() << std::numeric_limits<qint32>::min()
                                 << (6 * qint64(std::numeric_limits<qint32>::max())
                                     - qint64(std::numeric_limits<qint32>::min()) - 30000)
                                        / 2;
    }

    void lookAheadBands()
    {
        QFETCH(int, p);
        QFETCH(int, q);
        QFETCH(qint64, length);
        QCOMPARE(JunctionMarking::lookAhead(p, q), length);
    }

    void junctions_data()
    {
        QTest::addColumn<QList<Row>>("rows");
        QTest::addColumn<int>("p");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("right angle") << QList<Row>{{1, 1000, 0, 0, 0}, {1, 0, 1000, 0, 0}} << 2000
                                     << QStringList{"1 1 0 0", "1 1 0 0"};
        QTest::newRow("turn just below zero")
            << QList<Row>{{1, 1000, 0, 0, 0}, {1, 1000, -10, 0, 0}} << 2000 << QStringList{"1 0 0 0", "0 1 0 0"};
        QTest::newRow("zero line has no direction")
            << QList<Row>{{1, 1000, 0, 0, 0}, {1, 0, 0, 0, 0}, {1, 1000, 0, 0, 0}} << 300
            << QStringList{"1 1 0 0", "1 1 0 0", "1 1 0 0"};
        // Centre on the start, end elsewhere: the end point's direction is clamped.
        QTest::newRow("arc without radius")
            << QList<Row>{{2, -1000, 0, 0, 0}, {1, 0, 1000, 0, 0}} << 300 << QStringList{"1 0 0 0", "0 1 0 0"};
        QTest::newRow("counter-clockwise arc then line")
            << QList<Row>{{3, 2000, 0, 1000, 0}, {1, 0, -1000, 0, 0}} << 2000 << QStringList{"1 1 0 0", "1 1 0 0"};
        QTest::newRow("element, rapid, marking offsets")
            << QList<Row>{{1, 100, 0, 0, 0}, {158, 5, 5, 0, 0}, {155, 5, 5, 0, 0}, {1, 100, 0, 0, 0}} << 2000
            << QStringList{"1 1 0 1", "1 1 0 0", "1 1 0 1", "1 1 0 0"};
    }

    void junctions()
    {
        QFETCH(QList<Row>, rows);
        QFETCH(int, p);
        QFETCH(QStringList, expected);
        QCOMPARE(marks(rows, p), expected);
    }

    void unmarkedRecordsKeepTheirBytes()
    {
        // Flags of an earlier pass: a kerf record in between is not written,
        // and the element after it takes its entry from that record's byte.
        cutSegments[1].flags[0] = 9;
        cutSegments[1].flags[1] = 0;
        cutSegments[1].flags[3] = 9;
        QCOMPARE(marks({{1, 1000, 0, 0, 0}, {41, 0, 0, 0, 0}, {1, 1000, 0, 0, 0}}, 2000),
                 QStringList({"1 1 0 0", "9 0 0 9", "0 1 0 0"}));
    }
};

QTEST_GUILESS_MAIN(KWriteDeviceTest)
#include "KWriteDeviceTest.moc"
