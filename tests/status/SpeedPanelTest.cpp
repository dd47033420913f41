#include "program/KCKSimu.h"
#include "program/KJBSimu.h"
#include "status/KSpeed.h"
#include "status/KSpeedFrame.h"

#include <QDial>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QCoreApplication>
#include <QTest>

class SpeedPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void construction()
    {
        KSpeed s;
        QCOMPARE(s.vs, 300);
        QCOMPARE(s.dial->geometry(), QRect(40, 20, 90, 90));
        QCOMPARE(s.dial->minimum(), 0);
        QCOMPARE(s.dial->maximum(), 60);
        QVERIFY(!s.dial->isEnabled());
        QCOMPARE(s.dial->focusPolicy(), Qt::NoFocus);
        QCOMPARE(s.dial->palette().color(QPalette::Disabled, QPalette::Button), QColor(173, 255, 47));
        QCOMPARE(s.vcurText(), QString("0"));
    }

    void stepStopAtThreshold()
    {
        KSpeed s;
        QSignalSpy step(&s, &KSpeed::stepStopped);
        QSignalSpy cut(&s, &KSpeed::cutStopped);
        s.stepRunning = true;
        s.stepStopPending = true;
        s.setVcur(305);
        QCOMPARE(step.count(), 1);
        s.setVcur(306);
        QCOMPARE(step.count(), 1);
        QCOMPARE(cut.count(), 0);
    }

    void moveStopsOnlyWithSecondFlag()
    {
        KSpeed s;
        QSignalSpy step(&s, &KSpeed::stepStopped);
        s.moveRunning = true;
        s.setVcur(100);
        QCOMPARE(step.count(), 0);
        QCOMPARE(s.vcur, 100);
        s.setoFlag(7);
        QCOMPARE(s.getoFlag(), 7);
        s.setVcur(100);
        QCOMPARE(step.count(), 1);
        // Signals repeat until the main window clears its flags.
        s.setVcur(100);
        QCOMPARE(step.count(), 2);
    }

    void segmentEndWithStopAll()
    {
        KSpeed s;
        QSignalSpy cut(&s, &KSpeed::cutStopped);
        s.cutRunning = true;
        s.stopSegActive = true;
        s.stopAllPending = true;
        s.setFlag(1);
        s.setVcur(2000);
        QCOMPARE(cut.count(), 2);
        QCOMPARE(s.flag, 0);
        QCOMPARE(s.vcur, 0);
    }

    void silentSegmentEnd()
    {
        KSpeed s;
        s.moveRunning = true;
        s.setVcur(3000);
        const int before = s.dial->value();
        s.moveRunning = false;
        QSignalSpy cut(&s, &KSpeed::cutStopped);
        QSignalSpy step(&s, &KSpeed::stepStopped);
        s.cutRunning = true;
        s.stopSegPassive = true;
        s.segEndSilent = true;
        s.flag = 1;
        s.setVcur(2000);
        QCOMPARE(cut.count(), 0);
        QCOMPARE(step.count(), 0);
        QCOMPARE(s.dial->value(), before);
        QCOMPARE(s.vshown, 3000);
        QCOMPARE(s.flag, 0);
    }

    void restShowsZero()
    {
        KSpeed s;
        s.setVcur(250);
        QCOMPARE(s.vcur, 0);
        s.setVcur(5000);
        QCOMPARE(s.vcur, 5000);
        QCOMPARE(s.vcurText(), QString("5000"));
    }

    void dialPositions_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("position");
        const int rows[][2] = {{1999, 19}, {2000, 20},  {2001, 20},  {3000, 25},  {8000, 50},
                               {8001, 49}, {12000, 56}, {14000, 59}, {14001, 60}, {20000, 60}};
        for (const auto &r : rows)
            QTest::addRow("%d", r[0]) << r[0] << r[1];
    }

    void dialPositions()
    {
        QFETCH(int, speed);
        QFETCH(int, position);
        KSpeed s;
        s.moveRunning = true;
        s.setVcur(speed);
        QCOMPARE(s.dial->value(), position);
    }

    void negativeAndReset()
    {
        KSpeed s;
        s.moveRunning = true;
        s.setVcur(3000);
        s.moveRunning = false;
        s.setVcur(-50);
        QCOMPARE(s.dial->value(), 0);

        s.moveRunning = true;
        s.setVcur(3000);
        QCOMPARE(s.dial->value(), 25);
        s.cutRunning = s.stepRunning = s.stopAllPending = s.stepStopPending = true;
        s.stopSegPassive = s.stopSegActive = s.segEndSilent = true;
        s.setFlag(1);
        s.setoFlag(3);
        s.setVS(700);
        s.reset();
        QCOMPARE(s.vcur, 0);
        QCOMPARE(s.vshown, 0);
        QCOMPARE(s.flag, 0);
        QCOMPARE(s.oflag, 0);
        QVERIFY(!s.cutRunning && !s.stepRunning && !s.stopAllPending && !s.stepStopPending);
        QVERIFY(!s.moveRunning && !s.stopSegPassive && !s.stopSegActive && !s.segEndSilent);
        QCOMPARE(s.vs, 700);
        QCOMPARE(s.dial->value(), 25);
        // vshown is already 0: a reported 0 leaves the dial where it was.
        s.setVcur(0);
        QCOMPARE(s.dial->value(), 25);
    }

    void numberRepaintsItsRectangleOnly()
    {
        KSpeed s;
        s.resize(176, 152);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        // The first paint, still posted, goes out now.
        QCoreApplication::sendPostedEvents();
        struct Log : QObject {
            QRegion region;
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::Paint)
                    region += static_cast<QPaintEvent *>(e)->region();
                return false;
            }
        } log;
        s.moveRunning = true;
        s.setVcur(1000);
        // The first paint, still posted, goes out now.
        QCoreApplication::sendPostedEvents();
        s.installEventFilter(&log);
        // 1050 keeps the needle at 10: only the number changes.
        s.setVcur(1050);
        QCOMPARE(s.dial->value(), 10);
        QTRY_VERIFY(!log.region.isEmpty());
        QCOMPARE(log.region, QRegion(KSpeed::numberRect()));
        log.region = QRegion();
        s.setVcur(1050);
        // The first paint, still posted, goes out now.
        QCoreApplication::sendPostedEvents();
        QVERIFY(log.region.isEmpty());
    }

    void frameShowsOneView()
    {
        KSpeedFrame f;
        f.resize(178, 154);
        QCOMPARE(f.palette().color(QPalette::Active, QPalette::Button), QColor(0, 255, 0));
        QVERIFY(!f.speed->isHidden());
        QVERIFY(f.cksimu->isHidden());
        QVERIFY(f.jbsimu->isHidden());
        f.cksimuShow();
        QVERIFY(f.speed->isHidden() && !f.cksimu->isHidden() && f.jbsimu->isHidden());
        f.jbsimuShow();
        QVERIFY(f.speed->isHidden() && f.cksimu->isHidden() && !f.jbsimu->isHidden());
        f.speedShow();
        QVERIFY(!f.speed->isHidden() && f.cksimu->isHidden() && f.jbsimu->isHidden());
    }
};

QTEST_MAIN(SpeedPanelTest)
#include "SpeedPanelTest.moc"
