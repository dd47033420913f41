#include "TestPaths.h"
#include "ThcFixture.h"

#include "app/base/KButton.h"
#include "device/KReadSGThread.h"
#include "device/KWriteSG.h"
#include "status/KZU.h"
#include "status/KZUFrame.h"
#include "thc/KMenuTHC.h"
#include "thc/KTHCConfig.h"
#include "thc/KTHCFrame.h"
#include "thc/KTHCSpeedConfig.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
static QXmlAttributes attributes(std::initializer_list<QPair<QString, QString>> values)
{
    QXmlAttributes a;
    for (const auto &v : values)
        a.append(v.first, QString(), v.first, v.second);
    return a;
}
QT_WARNING_POP

class KTHCTest : public QObject
{
    Q_OBJECT

    static bool groupsEnabled(KTHC *thc)
    {
        return thc->thcFrame->group1->isEnabled() && thc->thcFrame->groupAll->isEnabled();
    }
    static bool groupsDisabled(KTHC *thc)
    {
        return !thc->thcFrame->group1->isEnabled() && !thc->thcFrame->groupAll->isEnabled();
    }

private slots:
    void positioning()
    {
        {
            ThcFixture f;
            f.setZ1(2000);
            f.thc->startDW();
            QCOMPARE(f.log(), QStringList{"writeSGStep1Down(600)"});
            QVERIFY(groupsDisabled(f.thc));
        }
        ThcFixture f;
        QSignalSpy success(f.thc, &KTHC::dlzDWSuccess);
        f.setZ1(2500);
        f.thc->startDW();
        QCOMPARE(f.log(), QStringList{"writeSGMove(-500,3000)"});
        f.thc->moveStopped();
        QCOMPARE(f.log().mid(1), QStringList{"writeSGStep1Down(600)"});
        QTest::ignoreMessage(QtDebugMsg, "under touched");
        f.thc->underTouch();
        QCOMPARE(f.log().mid(2), QStringList{"writeSGStep1Stop()"});
        f.thc->stepStopped();
        QCOMPARE(f.log().mid(3), QStringList({"writeSGClear()", "writeSGMove(600,600)"}));
        QCOMPARE(success.count(), 0);
        QVERIFY(groupsDisabled(f.thc));
        f.thc->moveStopped();
        QCOMPARE(success.count(), 1);
        QVERIFY(groupsEnabled(f.thc));
        QCOMPARE(f.log().size(), 5);
    }

    void pierceAndCutHeights()
    {
        {
            ThcFixture f;
            QSignalSpy delay(f.thc, &KTHC::dlzStartDelay);
            f.setZ1(2500);
            f.thc->startCK();
            QCOMPARE(f.log(), QStringList{"writeSGMove(-2200,3000)"});
            QVERIFY(groupsDisabled(f.thc));
            f.thc->moveStopped();
            QCOMPARE(delay.count(), 1);
        }
        {
            ThcFixture f;
            QSignalSpy cut(f.thc, &KTHC::dlzStartCut);
            QSignalSpy yhEnd(f.thc, &KTHC::dlzYHEnd);
            f.setZ1(2500);
            f.thc->startCut();
            QCOMPARE(f.log(), QStringList{"writeSGMove(-2300,3000)"});
            QVERIFY(groupsEnabled(f.thc));
            f.thc->moveStopped();
            QCOMPARE(cut.count(), 1);
            f.thc->stopYH();
            QCOMPARE(f.log().mid(1), QStringList{"writeSGMove(-1900,3000)"});
            QCOMPARE(yhEnd.count(), 0);
            f.thc->moveStopped();
            QCOMPARE(yhEnd.count(), 1);
            QCOMPARE(cut.count(), 1);
        }
        ThcFixture f;
        QSignalSpy delay(f.thc, &KTHC::dlzStartDelay);
        QSignalSpy yhEnd(f.thc, &KTHC::dlzYHEnd);
        f.setZ1(2500);
        f.thc->startCK();
        f.clearLog();
        f.thc->stopYH();
        QCOMPARE(f.log(), QStringList{"writeSGMove1Stop()"});
        QCOMPARE(delay.count() + yhEnd.count(), 0);
        f.thc->moveStopped();
        QCOMPARE(f.log().mid(1), QStringList{"writeSGMove(-1900,3000)"});
        QCOMPARE(delay.count(), 0);
        QCOMPARE(yhEnd.count(), 0);
        QVERIFY(groupsDisabled(f.thc));
        f.thc->moveStopped();
        QCOMPARE(yhEnd.count(), 1);
        QCOMPARE(delay.count(), 0);
        QVERIFY(groupsEnabled(f.thc));
    }

    void arcOffLiftWaitsForAutomaticStep()
    {
        ThcFixture f;
        QSignalSpy offEnd(f.thc, &KTHC::dlzOffEnd);
        f.setZ1(250);
        f.thc->avcUp = true;
        f.thc->XHUp();
        QVERIFY(f.log().isEmpty());
        f.thc->avcUp = false;
        f.thc->stepStopped();
        QCOMPARE(f.log(), QStringList{"writeSGMove(750,3000)"});
        f.thc->moveStopped();
        QCOMPARE(offEnd.count(), 1);
        // Height moves cut toward zero.
        f.setZ1(1000);
        f.thc->thc1Config->distCK = 3.005;
        f.clearLog();
        f.thc->startCK();
        QCOMPARE(f.log(), QStringList{"writeSGMove(-699,3000)"});
    }

    void stopDuringFastApproach()
    {
        ThcFixture f;
        QSignalSpy success(f.thc, &KTHC::dlzDWSuccess);
        f.setZ1(2500);
        f.thc->startDW();
        f.clearLog();
        f.thc->stopActive();
        QCOMPARE(f.log(), QStringList({"writeSGMove1Stop()", "writeSGStep1Stop()"}));
        f.thc->moveStopped();
        QCOMPARE(f.log().size(), 2);
        QCOMPARE(success.count(), 1);
        QVERIFY(groupsEnabled(f.thc));
        f.thc->stepStopped();
        QCOMPARE(success.count(), 1);
        QCOMPARE(f.log().size(), 2);

        ThcFixture fresh;
        fresh.thc->stopActive();
        QVERIFY(fresh.log().isEmpty());
    }

    void stopDuringSlowDescentEndsAtStepReport()
    {
        ThcFixture f;
        QSignalSpy success(f.thc, &KTHC::dlzDWSuccess);
        f.setZ1(1500);
        f.thc->startDW();
        f.thc->stopActive();
        f.thc->stepStopped();
        QCOMPARE(success.count(), 1);
        f.thc->moveStopped();
        QCOMPARE(success.count(), 1);
        QVERIFY(!f.thc->dwRunning);
    }

    void positioningTest()
    {
        ThcFixture f;
        QSignalSpy success(f.thc, &KTHC::dlzDWSuccess);
        KTHCConfig *page = f.thc->thc1Config;
        f.setZ1(2500);
        QTest::mouseClick(page->testDWButton, Qt::LeftButton);
        QCOMPARE(page->testDWButton->text(), QString("停止"));
        QCOMPARE(page->statusText, QString("等离子定位．．．"));
        QVERIFY(!page->measureButton->isEnabled() && !page->okButton->isEnabled() && !f.thc->menuTHC->isEnabled());
        f.thc->stopActive();
        f.thc->moveStopped();
        QCOMPARE(success.count(), 0);
        QCOMPARE(page->testDWButton->text(), QString("定位测试"));
        QVERIFY(page->statusText.isEmpty());
        QVERIFY(page->measureButton->isEnabled() && f.thc->menuTHC->isEnabled() && groupsEnabled(f.thc));
        QVERIFY(!f.thc->dwTesting && !f.thc->dwRunning);
    }

    void arcVoltageTest()
    {
        ThcFixture f;
        KTHCConfig *page = f.thc->thc1Config;
        QTest::mouseClick(page->testTHCButton, Qt::LeftButton);
        QCOMPARE(page->testTHCButton->text(), QString("停止"));
        QCOMPARE(page->statusText, QString("弧压测试．．．"));
        for (QWidget *w : std::initializer_list<QWidget *>{
                 page->measureButton, page->goTopButton, page->testDWButton, page->okButton, page->cancelButton,
                 page->autoRadio, page->manuRadio, f.thc->menuTHC, f.thc->thcFrame->down1Button})
            QVERIFY(!w->isEnabled());
        QVERIFY(f.thc->thcFrame->up1Button->isEnabled());
        QVERIFY(f.log().isEmpty());
        QVERIFY(f.thc->readSG->u1Request);

        f.thc->U1Changed(1200);
        f.thc->U1Changed(1200);
        QCOMPARE(page->stdVoltEdit->text(), QString("120"));
        QVERIFY(f.log().isEmpty());
        f.thc->U1Changed(1169);
        QCOMPARE(f.log(), QStringList{"writeSGStep1Up(1000)"});
        f.thc->U1Changed(1200);
        QCOMPARE(f.log().mid(1), QStringList{"writeSGStep1Stop()"});
        f.thc->U1Changed(1251);
        QCOMPARE(f.log().size(), 2);
        f.thc->stepStopped();
        f.thc->U1Changed(1251);
        QCOMPARE(f.log().mid(2), QStringList{"writeSGStep1Down(1000)"});
        QCOMPARE(f.thc->thcFrame->zuFrame->zu->getU1(), 125.1);

        QTest::mouseClick(page->testTHCButton, Qt::LeftButton);
        QCOMPARE(page->testTHCButton->text(), QString("弧压测试"));
        QCOMPARE(f.log().mid(3), QStringList{"writeSGStep1Stop()"});
        for (QWidget *w : std::initializer_list<QWidget *>{
                 page->measureButton, page->goTopButton, page->testDWButton, page->okButton, page->cancelButton,
                 page->autoRadio, page->manuRadio, f.thc->menuTHC, f.thc->thcFrame->down1Button, page->testTHCButton})
            QVERIFY(w->isEnabled());
        QVERIFY(!f.thc->readSG->u1Request);
    }

    void standardVoltageFormat()
    {
        ThcFixture f;
        f.thc->startTHC();
        // The first reading is 120.5 V away from nothing: it only becomes the reading to compare with.
        f.thc->U1Changed(1205);
        QCOMPARE(f.thc->thc1Config->stdVoltEdit->text(), QString("0"));
        f.thc->U1Changed(1205);
        QCOMPARE(f.thc->thc1Config->stdVoltEdit->text(), QString("120.5"));
        QCOMPARE(f.thc->stdVolt, 1205);
    }

    void joggingDuringArcVoltageTest()
    {
        ThcFixture f;
        f.thc->startTHC();
        f.thc->U1Changed(1200);
        f.thc->U1Changed(1200);
        f.thc->U1Changed(1300);
        QCOMPARE(f.log(), QStringList{"writeSGStep1Down(1000)"});
        // Up while an automatic step runs: stop it, jog when it has stopped.
        QTest::mousePress(f.thc->thcFrame->up1Button, Qt::LeftButton);
        QCOMPARE(f.log().mid(1), QStringList{"writeSGStep1Stop()"});
        QVERIFY(!f.thc->readSG->u1Request);
        f.thc->stepStopped();
        QCOMPARE(f.log().mid(2), QStringList{"writeSGStep1Up(2000)"});
        QTest::mouseRelease(f.thc->thcFrame->up1Button, Qt::LeftButton);
        QCOMPARE(f.log().mid(3), QStringList{"writeSGStep1Stop()"});
        f.thc->stepStopped();
        QVERIFY(f.thc->readSG->u1Request);
        QVERIFY(!f.thc->avcUp && !f.thc->avcDown);
        QCOMPARE(f.log().size(), 4);

        // A jog held over the end of the test does not turn the polling back on.
        QTest::mousePress(f.thc->thcFrame->up1Button, Qt::LeftButton);
        f.thc->stopTHC();
        QTest::mouseRelease(f.thc->thcFrame->up1Button, Qt::LeftButton);
        f.thc->stepStopped();
        QVERIFY(!f.thc->readSG->u1Request);
    }

    void arcVoltageControlGoesOnAfterAContact()
    {
        for (bool reportFirst : {false, true}) {
            ThcFixture f;
            f.thc->startTHC();
            f.thc->U1Changed(1200);
            f.thc->U1Changed(1200);
            // Too high: down, until the plate stops the step.
            f.thc->U1Changed(1300);
            if (reportFirst)
                f.thc->stepStopped();
            QTest::ignoreMessage(QtDebugMsg, "under touched");
            f.thc->underTouch();
            if (!reportFirst)
                f.thc->stepStopped();
            f.clearLog();
            // Too low now: the control lifts at once.
            f.thc->U1Changed(1100);
            QCOMPARE(f.log(), QStringList{"writeSGStep1Up(1000)"});
            // The top stop ends that step the same way.
            QTest::ignoreMessage(QtDebugMsg, "top touched");
            f.thc->topTouch();
            f.thc->stepStopped();
            f.clearLog();
            f.thc->U1Changed(1300);
            QCOMPARE(f.log(), QStringList{"writeSGStep1Down(1000)"});
        }
    }

    void measuring()
    {
        ThcFixture f;
        KTHCConfig *page = f.thc->thc1Config;
        QTest::mouseClick(page->measureButton, Qt::LeftButton);
        QCOMPARE(page->measureButton->text(), QString("停止"));
        QCOMPARE(page->statusText, QString("测量总高度．．．"));
        QCOMPARE(f.log(), QStringList{"writeSGStep1Down(600)"});
        for (QWidget *w : std::initializer_list<QWidget *>{page->goTopButton, page->testDWButton, page->testTHCButton,
                                                           page->okButton, page->cancelButton, f.thc->menuTHC,
                                                           f.thc->thcFrame->group1, f.thc->thcFrame->groupAll})
            QVERIFY(!w->isEnabled());
        QTest::mouseClick(page->measureButton, Qt::LeftButton);
        QCOMPARE(page->measureButton->text(), QString("测量顶部高度"));
        QVERIFY(page->statusText.isEmpty());
        QCOMPARE(f.log().mid(1), QStringList{"writeSGStep1Stop()"});
        for (QWidget *w : std::initializer_list<QWidget *>{page->goTopButton, page->testDWButton, page->testTHCButton,
                                                           page->okButton, page->cancelButton, f.thc->menuTHC,
                                                           f.thc->thcFrame->group1, f.thc->thcFrame->groupAll})
            QVERIFY(w->isEnabled());
        QTest::mouseClick(page->measureButton, Qt::LeftButton);
        QCOMPARE(page->measureButton->text(), QString("停止"));
        QCOMPARE(f.log().mid(2), QStringList{"writeSGStep1Down(600)"});
    }

    void measuringCycle()
    {
        ThcFixture f;
        KTHCConfig *page = f.thc->thc1Config;
        f.setZ1(3000);
        f.thc->startDistAll();
        QTest::ignoreMessage(QtDebugMsg, "under touched");
        f.thc->underTouch();
        f.setZ1(0);
        f.thc->stepStopped();
        QCOMPARE(f.log(),
                 QStringList({"writeSGStep1Down(600)", "writeSGStep1Stop()", "writeSGClear()", "writeSGStep1Up(600)"}));
        // While measuring, going to the top stays locked.
        QVERIFY(!page->goTopButton->isEnabled());
        f.setZ1(9150);
        QTest::ignoreMessage(QtDebugMsg, "top touched");
        f.thc->topTouch();
        QCOMPARE(page->distAllEdit->text(), QString("91.5"));
        QCOMPARE(f.thc->topHeight, 91.5);
        QCOMPARE(page->distAll, 80.0);
        QVERIFY(!f.thc->measuring);
        QCOMPARE(page->measureButton->text(), QString("测量顶部高度"));
        f.thc->stepStopped();
        QVERIFY(!page->goTopButton->isEnabled());
    }

    void stoppedActivitiesStayStopped()
    {
        ThcFixture f;
        KTHCConfig *page = f.thc->thc1Config;
        // A measurement stopped between the plate contact and its stop report does not lift.
        f.thc->startDistAll();
        QTest::ignoreMessage(QtDebugMsg, "under touched");
        f.thc->underTouch();
        QTest::mouseClick(page->measureButton, Qt::LeftButton);
        f.clearLog();
        f.thc->stepStopped();
        QVERIFY(f.log().isEmpty());

        // A positioning test stopped during its fast approach does not descend afterwards.
        f.setZ1(2500);
        QTest::mouseClick(page->testDWButton, Qt::LeftButton);
        QTest::mouseClick(page->testDWButton, Qt::LeftButton);
        f.clearLog();
        f.thc->moveStopped();
        QVERIFY(f.log().isEmpty());
        f.setZ1(1000);
        f.thc->startDW();
        f.thc->moveStopped();
        QCOMPARE(f.log(), QStringList{"writeSGStep1Down(600)"});
    }

    void goingToTheTop()
    {
        ThcFixture f;
        KTHCConfig *page = f.thc->thc1Config;
        f.setZ1(4000);
        QTest::mouseClick(page->goTopButton, Qt::LeftButton);
        QCOMPARE(page->statusText, QString("割炬返回顶部．．．"));
        QCOMPARE(f.log(), QStringList{"writeSGStep1Up(600)"});
        QVERIFY(!page->measureButton->isEnabled() && !f.thc->menuTHC->isEnabled());
        f.setZ1(8000);
        QTest::ignoreMessage(QtDebugMsg, "top touched");
        f.thc->topTouch();
        QCOMPARE(page->goTopButton->text(), QString("回顶部"));
        QVERIFY(!page->measureButton->isEnabled());
        f.thc->stepStopped();
        QVERIFY(page->measureButton->isEnabled() && f.thc->menuTHC->isEnabled() && groupsEnabled(f.thc));
        QVERIFY(!page->goTopButton->isEnabled()); // Z equals the top height
        f.setZ1(2000);
        f.thc->stepStopped();
        QVERIFY(page->goTopButton->isEnabled());
    }

    void startState()
    {
        const QStringList before = TestPaths::openDescriptors();
        ThcFixture f(QByteArray{});
        KTHC *t = f.thc;
        KTHCConfig *page = t->thc1Config;
        for (QWidget *w : std::initializer_list<QWidget *>{page->measureButton, page->goTopButton, page->testDWButton,
                                                           page->testTHCButton, t->menuTHC, t->thcFrame->group1,
                                                           t->thcFrame->groupAll})
            QVERIFY(w->isEnabled());
        const bool flags[] = {t->measuring,      t->dwRunning,       t->ckRunning, t->cutRunning,      t->xhUpRunning,
                              t->yhEndRunning,   t->yhStopRequested, t->goingTop,  t->dwStopRequested, t->dwTesting,
                              t->measureTouched, t->dwFastMove,      t->dwTouched, t->xhUpRequested,   t->jogUpRunning,
                              t->jogRequested,   t->jogWaitsStop,    t->avcUp,     t->avcDown,         t->avcStopping};
        for (bool flag : flags)
            QVERIFY(!flag);
        QVERIFY(t->sampleStdVolt);
        QCOMPARE(t->topHeight, 0.0);
        QCOMPARE(t->fdZ, -1);
        // The pages keep their constructed values.
        QCOMPARE(t->speedConfig->fastEdit->text(), QString("1000"));
        QCOMPARE(t->speedConfig->fast, 0);
        QCOMPARE(page->distAllEdit->text(), QString("0"));

        const QStringList open = TestPaths::openDescriptors();
        QCloseEvent close;
        QCoreApplication::sendEvent(t, &close);
        QCOMPARE(TestPaths::openDescriptors(), open);
        QCOMPARE(t->fdStop, -1);
        Q_UNUSED(before);
    }

    void readingSpeedsAndMode()
    {
        ThcFixture f;
        f.thc->readConfigTHCSpeed(
            attributes({{"fast", "599"}, {"slow", "600"}, {"jog", "0"}, {"aut", "abc"}, {"acc", "-2"}}));
        KTHCSpeedConfig *s = f.thc->speedConfig;
        QCOMPARE(QList<int>({s->fast, s->slow, s->jog, s->aut, s->acc}), QList<int>({600, 600, 600, 600, 1}));
        QCOMPARE(QStringList({s->fastEdit->text(), s->slowEdit->text(), s->jogEdit->text(), s->autEdit->text(),
                              s->accEdit->text()}),
                 QStringList({"600", "600", "600", "600", "1"}));
        QCOMPARE(f.log(), QStringList{"setValue(1)"});
        QCOMPARE(f.thc->writeSG->value(), 1);

        KTHCConfig *page = f.thc->thc1Config;
        f.thc->readConfigTHC1(attributes({{"distAll", "90"}}));
        QVERIFY(page->manuRadio->isChecked());
        for (QWidget *w : std::initializer_list<QWidget *>{
                 page->hynEdit, page->hypEdit, page->stdVoltEdit, page->hynLabel, page->rangeLabel, page->hypUnitLabel,
                 page->stdVoltLabel, page->stdVoltUnitLabel, page->testTHCButton})
            QVERIFY(!w->isEnabled());
        QVERIFY(page->distDWEdit->isEnabled());
        QCOMPARE(f.thc->topHeight, 90.0);
        QCOMPARE(page->distDW, 0.0);

        f.thc->readConfigTHC1(attributes({{"mode", "2"}}));
        QVERIFY(page->manuRadio->isChecked());
        QVERIFY(!page->autoRadio->isChecked());
        QCOMPARE(page->mode, 2);
    }

    void readingAtConstruction()
    {
        ThcFixture f;
        KTHCConfig *page = f.thc->thc1Config;
        QCOMPARE(page->distAll, 80.0);
        QCOMPARE(page->distCK, 3.0);
        QCOMPARE(page->HYP, 5.0);
        QCOMPARE(page->mode, 1);
        QVERIFY(page->autoRadio->isChecked());
        QCOMPARE(page->distDWPercentEdit->text(), QString("25"));
        QCOMPARE(f.thc->topHeight, 80.0);
        QCOMPARE(f.thc->speedConfig->jog, 2000);
        QCOMPARE(f.thc->speedConfig->jogEdit->text(), QString("2000"));
    }

    void percentages()
    {
        ThcFixture f;
        KTHCConfig *page = f.thc->thc1Config;
        f.thc->showTHC1();
        f.window.show();
        auto type = &ThcFixture::type;
        type(page->distAllEdit, "300");
        type(page->distDWEdit, "7");
        QCOMPARE(page->distDWPercentEdit->text(), QString("2.333"));

        type(page->distAllEdit, "120");
        type(page->distDWPercentEdit, "50");
        QTest::keyClick(page->distDWPercentEdit, Qt::Key_Return);
        QCOMPARE(page->distDWEdit->text(), QString("60"));
        QCOMPARE(page->distDWPercentEdit->text(), QString("50"));

        type(page->distAllEdit, "0");
        type(page->distDWEdit, "20");
        QCOMPARE(page->distDWPercentEdit->text(), QString());
        type(page->distDWPercentEdit, "50");
        QTest::keyClick(page->distDWPercentEdit, Qt::Key_Return);
        QCOMPARE(page->distDWEdit->text(), QString("20"));

        type(page->distAllEdit, "inf");
        QCOMPARE(page->distDWPercentEdit->text(), QString());
        type(page->distAllEdit, "nan");
        QCOMPARE(page->distDWPercentEdit->text(), QString());
        type(page->distAllEdit, "80");
        QCOMPARE(page->distDWPercentEdit->text(), QString("25"));

        // The pierce and cutting rows follow the arc-start height.
        type(page->distYHEdit, "8");
        type(page->distCKEdit, "6");
        type(page->distCutEdit, "2");
        QCOMPARE(page->distCKPercentEdit->text(), QString("75"));
        QCOMPARE(page->distCutPercentEdit->text(), QString("25"));
        type(page->distYHEdit, "4");
        QCOMPARE(page->distCKPercentEdit->text(), QString("150"));
        QCOMPARE(page->distCKEdit->text(), QString("6"));
        type(page->distCutPercentEdit, "33.33");
        QTest::keyClick(page->distCutPercentEdit, Qt::Key_Return);
        QCOMPARE(page->distCutEdit->text(), QString("1.333"));
    }

    void absurdHeightsKeepTheirDirection()
    {
        // A height typed far beyond the lifter's range still moves the way it points, never the other way.
        ThcFixture f;
        KTHCConfig *page = f.thc->thc1Config;
        f.setZ1(2500);
        page->distCK = 1e30;
        f.thc->startCK();
        page->distCK = -1e30;
        f.thc->ckRunning = false;
        f.thc->startCK();
        QCOMPARE(f.log(), QStringList({"writeSGMove(2147483647,3000)", "writeSGMove(-2147483648,3000)"}));

        // The lift after the plate contact, from a saved "1e20".
        f.thc->resetTHC();
        f.thc->showTHC1();
        ThcFixture::type(page->distYHEdit, "1e20");
        QTest::mouseClick(page->okButton, Qt::LeftButton);
        f.setZ1(1000);
        f.thc->startDW();
        QTest::ignoreMessage(QtDebugMsg, "under touched");
        f.thc->underTouch();
        f.clearLog();
        f.thc->stepStopped();
        QCOMPARE(f.log(), QStringList({"writeSGClear()", "writeSGMove(2147483647,600)"}));

        // A tolerance of 1e10 V takes the first reading as the standard.
        ThcFixture g;
        g.thc->thc1Config->HYP = 1e10;
        g.thc->startTHC();
        g.thc->U1Changed(1200);
        QCOMPARE(g.thc->stdVolt, 1200);
        QVERIFY(!g.thc->sampleStdVolt);
    }

    void resetEndsRunningActivities()
    {
        ThcFixture f;
        KTHCConfig *page = f.thc->thc1Config;
        f.setZ1(2500);
        QTest::mouseClick(page->measureButton, Qt::LeftButton);
        f.thc->resetTHC();
        QCOMPARE(page->measureButton->text(), QString("测量顶部高度"));
        QVERIFY(page->statusText.isEmpty());
        f.clearLog();
        // The button starts a measurement again, it does not stop one that no longer runs.
        QTest::mouseClick(page->measureButton, Qt::LeftButton);
        QCOMPARE(f.log(), QStringList{"writeSGStep1Down(600)"});
        QVERIFY(f.thc->measuring);
        f.thc->resetTHC();

        const struct {
            KButton *button;
            const char *caption;
        } toggles[] = {
            {page->goTopButton, "回顶部"}, {page->testTHCButton, "弧压测试"}, {page->testDWButton, "定位测试"}};
        for (const auto &t : toggles) {
            QTest::mouseClick(t.button, Qt::LeftButton);
            QCOMPARE(t.button->text(), QString("停止"));
            f.thc->resetTHC();
            QCOMPARE(t.button->text(), QString(t.caption));
            QVERIFY(page->statusText.isEmpty());
            f.clearLog();
            QTest::mouseClick(t.button, Qt::LeftButton);
            QCOMPARE(t.button->text(), QString("停止"));
            QVERIFY(!f.log().contains("writeSGStep1Stop()"));
            f.thc->resetTHC();
        }
        // A reset with nothing running keeps the page's message.
        page->setStatusText("数据已保存。。。");
        f.thc->resetTHC();
        QCOMPARE(page->statusText, QString("数据已保存。。。"));
    }

    void arcVoltageTestFollowsTheMode()
    {
        // Manual mode from the file keeps the test locked after start-up.
        QByteArray manual = ThcFixture::kConfig;
        manual.replace(" mode=\"1\"", "");
        ThcFixture f(manual);
        KTHCConfig *page = f.thc->thc1Config;
        QVERIFY(page->manuRadio->isChecked());
        QVERIFY(!page->testTHCButton->isEnabled());
        // Other activities' ends do not unlock it either.
        QTest::mouseClick(page->measureButton, Qt::LeftButton);
        QTest::mouseClick(page->measureButton, Qt::LeftButton);
        QVERIFY(page->measureButton->isEnabled());
        QVERIFY(!page->testTHCButton->isEnabled());
        f.setZ1(1000);
        QTest::mouseClick(page->testDWButton, Qt::LeftButton);
        QTest::mouseClick(page->testDWButton, Qt::LeftButton);
        QVERIFY(!page->testTHCButton->isEnabled());
        f.thc->resetTHC();
        QVERIFY(!page->testTHCButton->isEnabled());

        // Switching to automatic during a measurement does not offer a second activity.
        f.window.show();
        f.thc->showTHC1();
        QTest::mouseClick(page->measureButton, Qt::LeftButton);
        QTest::mouseClick(page->autoRadio, Qt::LeftButton);
        QVERIFY(page->hypEdit->isEnabled());
        QVERIFY(!page->testTHCButton->isEnabled());
        QTest::mouseClick(page->measureButton, Qt::LeftButton);
        QVERIFY(page->testTHCButton->isEnabled());
        // Nor does refilling the page from a stored automatic mode.
        page->mode = 1;
        QTest::mouseClick(page->measureButton, Qt::LeftButton);
        f.thc->updateConfigPage();
        QVERIFY(page->autoRadio->isChecked());
        QVERIFY(!page->testTHCButton->isEnabled());
        QTest::mouseClick(page->measureButton, Qt::LeftButton);
        QVERIFY(page->testTHCButton->isEnabled());
    }

    void takingTheHeight()
    {
        ThcFixture f;
        KTHCConfig *page = f.thc->thc1Config;
        f.setZ1(1234);
        QTest::mouseClick(page->takeDistCutButton, Qt::LeftButton);
        QCOMPARE(page->distCutEdit->text(), QString("12.34"));
        QCOMPARE(page->distCut, 2.0);
        QTest::mouseClick(page->takeDistAllButton, Qt::LeftButton);
        QCOMPARE(f.thc->topHeight, 12.34);
        f.thc->writeSGMovement();
        QCOMPARE(f.log(), QStringList{"writeSGMove(60,3000)"});
    }
};

QTEST_MAIN(KTHCTest)
#include "KTHCTest.moc"
