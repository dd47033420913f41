#include "HangGuard.h"
#include "HeldWait.h"

#include "device/AxisStatusSource.h"
#include "device/DeviceIo.h"
#include "device/KReadIntThread.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QCoreApplication>
#include <QTest>

#include <memory>

namespace {

// The card's status, the same every pass, with a record number that counts up.
class CountingSource : public AxisStatusSource
{
public:
    bool read(AxisStatus &status) override
    {
        status.record = ++passes;
        return true;
    }
    std::atomic<int> passes{0};
};

} // namespace

class KReadIntThreadTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<KReadIntThread> reader;

private slots:
    void init()
    {
        std::array<int, KReadIntThread::kDescriptorCount> fds;
        fds.fill(DeviceIo::kNotOpen);
        reader = std::make_unique<KReadIntThread>(fds, nullptr);
    }

    void cursorGridFollowsProgramSize_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("divisor");
        const int table[][2] = {{-1, 50},   {800, 50},   {999, 50},   {1000, 60},  {1999, 60},  {2000, 70},
                                {3999, 80}, {4000, 100}, {5000, 150}, {5999, 150}, {6000, 200}, {30000, 200}};
        for (const auto &row : table)
            QTest::addRow("%d", row[0]) << row[0] << row[1];
    }

    void cursorGridFollowsProgramSize()
    {
        QFETCH(int, records);
        QFETCH(int, divisor);
        reader->setMaxN(records);
        QCOMPARE(reader->cursorDivisor(), divisor);
    }

    void resetLeavesTheConstructorOnlyFlags()
    {
        for (std::atomic<bool> *flag :
             {&reader->reporting, &reader->movementView, &reader->absoluteView, &reader->alignmentValues,
              &reader->stepValues, &reader->dlzArcOn, &reader->plasmaFlag, &reader->dlzArcAsked, &reader->dlzDownAsked,
              &reader->dlzUpAsked})
            *flag = true;
        reader->dlzPositioned = false;
        reader->dlzHeightOn = false;
        reader->setMaxN(6000);
        reader->setPNew(2.5);
        reader->reset();
        QVERIFY(!reader->reporting && !reader->movementView && !reader->absoluteView && !reader->alignmentValues);
        QVERIFY(!reader->dlzArcOn && !reader->dlzArcAsked && !reader->dlzDownAsked && !reader->dlzUpAsked);
        QVERIFY(reader->dlzPositioned && reader->dlzHeightOn);
        QVERIFY(reader->stepValues && reader->plasmaFlag);
        QCOMPARE(reader->cursorDivisor(), 50);
        QCOMPARE(reader->cursorFactor(), 1.0);
    }

    void resetReArmsAlarmsAndForgetsLastValues()
    {
        AxisStatus s;
        s.alarm = 0x01;
        s.v0 = 6000;
        reader->runPass(s);
        reader->reset();
        QSignalSpy limit(reader.get(), &KReadIntThread::xw_XPOS);
        QSignalSpy v0(reader.get(), &KReadIntThread::V0Changed);
        reader->runPass(s);
        QCOMPARE(limit.count(), 1);
        QCOMPARE(v0.count(), 1);
    }

    void withoutCardTheLoopEndsAtOnce()
    {
        reader->start();
        QVERIFY(reader->wait(kHangGuardMs));
        QVERIFY(reader->isFinished());
    }

    void eachPassIsFollowedByAWaitOfSeventyMilliseconds()
    {
        auto source = std::make_shared<CountingSource>();
        auto wait = std::make_shared<HeldWait>();
        reader->setStatusSource(source);
        reader->setPassWait(wait);
        stepFourPasses(reader.get(), wait.get(), [&] { return int(source->passes); });
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(wait->askedFor(), QList<int>({70, 70, 70, 70}));
    }

    void loopReportsQueuedAndStopsCooperatively()
    {
        auto source = std::make_shared<CountingSource>();
        reader->setStatusSource(source);
        reader->reporting = true;
        QSignalSpy records(reader.get(), &KReadIntThread::atCodeNum);
        QSignalSpy vcur(reader.get(), &KReadIntThread::valueVcurChanged);
        reader->start();
        QTRY_VERIFY(records.count() >= 2);
        // Delivered in this thread, through the event loop.
        QCOMPARE(records.at(0).at(0).toInt(), 1);
        QCOMPARE(records.at(1).at(0).toInt(), 2);
        QElapsedTimer clock;
        clock.start();
        reader->stopLoop();
        QVERIFY2(clock.elapsed() < kHangGuardMs, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(reader->isFinished());
        // A finished thread makes no more passes: wait() has returned.
        const int passes = source->passes;
        QVERIFY(reader->wait(0));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(int(source->passes), passes);
        QVERIFY(vcur.count() >= 2);
    }
};

QTEST_GUILESS_MAIN(KReadIntThreadTest)
#include "KReadIntThreadTest.moc"
