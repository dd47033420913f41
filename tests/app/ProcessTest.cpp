// The process chains, stops, alarms, speeds, alignment and library slots of
// the main window, driven through the window as the program builds it. The
// phase timers tick every millisecond instead of every 100 ms: each tick still
// counts 0.1 s of its phase, so the sequences are the program's, tick for tick.
#include "GuiTest.h"
#include "TempWorkDir.h"

#include "app/base/KButton.h"
#include "app/KMainWindow.h"
#include "app/base/Notice.h"
#include "config/KConfigBase.h"
#include "config/KConfigFire.h"
#include "config/KConfigLaser.h"
#include "config/KMenuConfig.h"
#include "device/AxisStatus.h"
#include "device/KReadIntThread.h"
#include "device/KWriteDevice.h"
#include "library/KLibConfig.h"
#include "library/KLibFrame.h"
#include "library/KLibList.h"
#include "library/KLibTable.h"
#include "library/KMenuLib.h"
#include "pages/KBeam.h"
#include "pages/KCode.h"
#include "pages/KCodeFrame.h"
#include "pages/KCodeNum.h"
#include "pages/KDirectFrame.h"
#include "pages/KMenuCutting.h"
#include "pages/KMenuMovement.h"
#include "pages/KMenuStep.h"
#include "pages/KPlatte.h"
#include "pages/KReloadDialog.h"
#include "program/KSimu.h"
#include "program/SegmentTable.h"
#include "status/KSimuFrame.h"
#include "status/KSpeed.h"
#include "status/KSpeedFrame.h"
#include "status/KStatus.h"
#include "status/KStatusDLZ.h"
#include "status/KStatusFire.h"
#include "status/KStatusFrame.h"
#include "status/KText.h"
#include "status/KTextFrame.h"
#include "status/KTime.h"
#include "status/KTimeFrame.h"
#include "status/KXY.h"
#include "status/KXYFrame.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVariant>
#include <functional>
#include <memory>

namespace {

constexpr int kWait = 5000;

const char kFileConfig[] = "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<FileConfig>\n"
                           "    <File filename=\"./ncfile/a.nc\"/>\n</FileConfig>\n";

// config.xml with the Base line every check uses, the mode and the given
// process elements.
QByteArray config(int mode, const QByteArray &elements)
{
    return "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<RavokConfig>\n"
           "    <Base angel=\"0\" comp=\"0\" fx=\"0\" preci=\"10\" rotate=\"0\" sfx=\"0\" sheetx=\"3000\" "
           "sheety=\"1500\"/>\n"
           + elements + "    <Mode mode=\"" + QByteArray::number(mode) + "\"/>\n</RavokConfig>\n";
}

QByteArray fire(const QByteArray &attributes)
{
    return "    <Fire " + attributes + "/>\n";
}

// Console lines, to count the saves and parse failures of a slot.
QStringList *consoleLines = nullptr;

void keepConsole(QtMsgType, const QMessageLogContext &, const QString &text)
{
    if (consoleLines)
        consoleLines->append(text);
}

struct Window {
    TempWorkDir dir;
    std::unique_ptr<KMainWindow> w;
    QList<Notice::Request> notices;
    QStringList sysAtNotice;
    QList<QDialog *> modal;
    QStringList console;
    Notice::Handler previous;
    QtMessageHandler previousConsole = nullptr;

    Window(int mode, const QByteArray &elements, const QByteArray &program)
    {
        dir.writeFile(".tovrelcnc/fileconfig.xml", kFileConfig);
        dir.writeFile(".tovrelcnc/config.xml", config(mode, elements));
        dir.writeFile("ncfile/a.nc", program);
        previous = Notice::setHandler([this](const Notice::Request &r) {
            notices << r;
            sysAtNotice << sysText(w ? w->writeDevice->lastSys() : sys_t{});
            return QMessageBox::Ok;
        });
        w.reset(new KMainWindow);
        w->setPhaseTick(1);
        w->setModalRunner([this](QDialog *d) {
            modal << d;
            return 0;
        });
        consoleLines = &console;
        previousConsole = qInstallMessageHandler(keepConsole);
        w->writeDevice->clearCallLog();
    }

    ~Window()
    {
        qInstallMessageHandler(previousConsole);
        consoleLines = nullptr;
        w.reset();
        Notice::setHandler(previous);
    }

    static QString sysText(const sys_t &s)
    {
        return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(s.byte), 3).toHex(' ').toUpper());
    }

    // The images sent, consecutive repeats collapsed.
    QStringList images() const
    {
        QStringList out;
        for (const QString &e : w->writeDevice->callLog()) {
            if (!e.startsWith(QLatin1String("writeSys(")))
                continue;
            const QString image = e.mid(9, 8);
            if (out.isEmpty() || out.last() != image)
                out << image;
        }
        return out;
    }

    // One byte of each image, its own repeats collapsed.
    QStringList byteTrail(int byte) const
    {
        QStringList out;
        for (const QString &image : images()) {
            const QString b = image.mid(3 * byte, 2);
            if (out.isEmpty() || out.last() != b)
                out << b;
        }
        return out;
    }

    QString lastSys() const { return sysText(w->writeDevice->lastSys()); }
    // No phase of the process is counting: the chain has come to rest.
    bool atRest() const
    {
        for (QTimer *t :
             {w->delayTimer, w->realDelayTimer, w->dfTimer, w->dwDownTimer, w->ckTimer, w->ckUpTimer, w->ckDownTimer,
              w->oxoffUpTimer, w->yhTimer, w->dlzDelayTimer, w->arcOffUpTimer, w->dwUpTimer, w->dlzDwDownTimer}) {
            if (t->isActive())
                return false;
        }
        return true;
    }
    QString messageText() const { return w->textFrame->message->text; }
    // All that a step of the plasma chain may change: the outputs, the phase
    // timers and their countdowns, the window's and the reader's flags, the
    // wiring of Start and Stop, the panel's marks and the console.
    QStringList plasmaState() const
    {
        const KStatusDLZ *dlz = w->status->statusFrame->dlz;
        const KReadIntThread *r = w->readIntThread;
        QStringList s;
        const auto add = [&s](const char *name, const QVariant &value) {
            s << QLatin1String(name) + QLatin1Char(' ') + value.toString();
        };
        add("sys", sysText(w->sys));
        add("sent", lastSys());
        add("yhTimer", w->yhTimer->isActive());
        add("dlzDelayTimer", w->dlzDelayTimer->isActive());
        add("arcOffUpTimer", w->arcOffUpTimer->isActive());
        add("dwUpTimer", w->dwUpTimer->isActive());
        add("dlzDwDownTimer", w->dlzDwDownTimer->isActive());
        add("yhRemain", dlz->yhRemain);
        add("delayRemain", dlz->delayRemain);
        add("arcOffUpRemain", dlz->arcOffUpRemain);
        add("dwUpRemain", dlz->dwUpRemain);
        add("dwDownRemain", dlz->dwDownRemain);
        add("yhActive", dlz->yhActive);
        add("delayActive", dlz->delayActive);
        add("arcOffUpActive", dlz->arcOffUpActive);
        add("dwUpActive", dlz->dwUpActive);
        add("dwDownActive", dlz->dwDownActive);
        add("dwOn", dlz->dwOn);
        add("yhOn", dlz->yhOn);
        add("hyOn", dlz->hyOn);
        add("autoHeightOn", dlz->autoHeightOn);
        add("yhSuccess", dlz->yhSuccess);
        add("arcStarting", w->arcStarting);
        add("arcAnswered", w->arcAnswered);
        add("dwUpRunning", w->dwUpRunning);
        add("arcOffLifted", w->arcOffLifted);
        add("dwDone", w->dwDone);
        add("dlzArcOn", r->dlzArcOn.load());
        add("dlzPositioned", r->dlzPositioned.load());
        add("dlzArcAsked", r->dlzArcAsked.load());
        add("dlzDownAsked", r->dlzDownAsked.load());
        add("dlzUpAsked", r->dlzUpAsked.load());
        add("dlzHeightOn", r->dlzHeightOn.load());
        add("start", w->startTarget());
        add("startEnabled", w->startButton()->isEnabled());
        add("stop", w->stopTarget());
        add("stopEnabled", w->stopButton()->isEnabled());
        add("message", messageText());
        add("console", console.join(QLatin1String(" / ")));
        return s;
    }
    int logged(const QString &entry) const { return w->writeDevice->callLog().count(entry); }
    QByteArray configXml() const { return dir.readFile(".tovrelcnc/config.xml"); }
};

} // namespace

class ProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(icons); }

    void flameChain();
    void learnedPreheat();
    void descentClearsTheLift();
    void threeStagePierceTwice();
    void threeStagePierceTicks();
    void plasmaCapacitive();
    void plasmaTouchWithoutDescent_data();
    void plasmaTouchWithoutDescent();
    void powderChain();
    void noticeSlots();
    void jogWithoutAndWithCard();
    void moveToPointWithoutAndWithCard();
    void limitAlarms();
    void collision();
    void recordOutsideTable();
    void speedKeys();
    void remainTime();
    void programEndAfterSegmentStop();
    void stopsAtAnMCode();
    void plateAlignment_data();
    void plateAlignment();
    void alignmentTurnsTheProgram();
    void programValueOutlivesCancel_data();
    void programValueOutlivesCancel();
    void beamAngles();
    void optimisedSaveWritesTheLayoutShown();
    void customPattern();
    void customPatternRefusedOnTheConsole();
    void fullPatternList();
};

void ProcessTest::flameChain()
{
    Window f(1,
             fire("OxoffUp=\"0.2\" ck=\"0.3\" ck3=\"0\" ckDown=\"0.2\" ckUp=\"0.2\" delay=\"0.2\" df=\"0.2\" "
                  "dwDown=\"0\""),
             "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    const QStringList pierce{"00 00 00", "05 00 00", "01 00 00", "01 02 00",
                             "01 00 00", "03 00 00", "03 05 00", "03 01 00"};
    w.dwDownEnd();
    QCOMPARE(f.messageText(), QStringLiteral("预热氧"));
    WAIT_COMPARE(f.images(), pierce);
    WAIT_VERIFY(f.atRest());
    QCOMPARE(f.images(), pierce);
    QCOMPARE(f.notices.size(), 1);
    QCOMPARE(f.sysAtNotice.first(), QStringLiteral("01 00 00"));
    QCOMPARE(f.messageText(), QStringLiteral("快氧"));
    const QString delay = w.menuConfig->fireDialog->delayEdit->text();
    QVERIFY2(QStringList({"0.1", "0.2", "0.3"}).contains(delay), qPrintable(delay));
    QCOMPARE(f.console.filter(QStringLiteral("save......")).size(), 1);

    w.writeDevice->clearCallLog();
    w.oxygenOff();
    const QStringList off{"01 01 00", "00 01 00", "00 02 00", "00 00 00"};
    WAIT_COMPARE(f.images(), off);
    QCOMPARE(f.messageText(), QStringLiteral("氧气阀关闭"));
    QCOMPARE(f.notices.size(), 1);
}

void ProcessTest::learnedPreheat()
{
    Window f(1,
             fire("OxoffUp=\"0.2\" ck=\"0.3\" ck3=\"0\" ckDown=\"0.2\" ckUp=\"0.2\" delay=\"10\" df=\"0.2\" "
                  "dwDown=\"0\""),
             "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    KStatusFire *panel = w.status->statusFrame->fire;
    QSignalSpy realTicks(w.realDelayTimer, &QTimer::timeout);
    w.dwDownEnd();
    WAIT_COMPARE(f.images().value(2), QStringLiteral("01 00 00"));
    WAIT_VERIFY(realTicks.count() >= 3);
    QCOMPARE(w.stopTarget(), QStringLiteral("stopDelay"));
    w.stopButton()->click();
    QCOMPARE(w.startTarget(), QStringLiteral("resumeDelay"));

    // The pause stops the preheat's count; the real preheat counts on.
    const double remainAtPause = panel->delayRemain;
    const int atPause = realTicks.count();
    WAIT_VERIFY(realTicks.count() >= atPause + 5);
    QCOMPARE(panel->delayRemain, remainAtPause);
    w.startButton()->click();
    QCOMPARE(w.startTarget(), QStringLiteral("delayEnd"));
    const int atResume = realTicks.count();
    WAIT_VERIFY(realTicks.count() >= atResume + 2);
    QVERIFY(panel->delayRemain < remainAtPause);
    w.startButton()->click();

    // Every tick of the real count, the pause's included, is the new preheat.
    double learned = 0;
    for (int t = 0; t < realTicks.count(); ++t)
        learned += 0.1;
    const QString delay = w.menuConfig->fireDialog->delayEdit->text();
    QCOMPARE(delay, QString::number(learned, 'g', 6));
    QVERIFY(!w.realDelayTimer->isActive());
    QCOMPARE(panel->getRealDelay(), 0.0);
    QVERIFY(f.configXml().contains("delay=\"" + delay.toLatin1() + "\""));
}

// A lift marks the torch as up; the next descent clears the mark, so a
// preheat paused after it resumes its own count instead of lowering the torch
// again (which without an axis card is a notice).
void ProcessTest::descentClearsTheLift()
{
    Window f(1,
             fire("OxoffUp=\"0.2\" ck=\"0.3\" ck3=\"0\" ckDown=\"0.2\" ckUp=\"0.2\" delay=\"10\" df=\"0.2\" "
                  "dwDown=\"0\""),
             "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    w.dwDownEnd();
    WAIT_COMPARE(w.stopTarget(), QStringLiteral("stopDelay"));
    w.oxygenOff();
    WAIT_VERIFY(f.atRest());
    QVERIFY(w.lifted);

    w.dwDownEnd();
    WAIT_COMPARE(w.stopTarget(), QStringLiteral("stopDelay"));
    w.stopButton()->click();
    QVERIFY(!w.delayTimer->isActive());
    const int notices = f.notices.size();
    w.startButton()->click();
    QCOMPARE(w.startTarget(), QStringLiteral("delayEnd"));
    QVERIFY(w.delayTimer->isActive());
    QCOMPARE(f.notices.size(), notices);
}

void ProcessTest::threeStagePierceTwice()
{
    Window f(1,
             fire("OxoffUp=\"0\" ck=\"1.5\" ck3=\"1\" ckDown=\"0\" ckUp=\"0\" delay=\"0.2\" df=\"0.2\" dwDown=\"0\""),
             "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    const QStringList stages{"05", "01", "09", "19", "39", "01", "03"};
    w.dwDownEnd();
    WAIT_COMPARE(f.messageText(), QStringLiteral("穿孔"));
    QVERIFY(w.speedFrame->speed->moveRunning);
    WAIT_COMPARE(f.byteTrail(0), QStringList{"00"} + stages);

    w.oxygenOff();
    w.writeDevice->clearCallLog();
    w.dwDownEnd();
    WAIT_COMPARE(f.byteTrail(0), QStringList{"00"} + stages);
}

// A three-stage pierce of 1.2 s: pierce 1 at once, pierce 2 on the 4th tick,
// pierce 3 on the 8th, all cleared and the cutting oxygen on at the 12th
// tick of the pierce timer, 1.2 s at its 100 ms.
void ProcessTest::threeStagePierceTicks()
{
    Window f(1,
             fire("OxoffUp=\"0\" ck=\"1.2\" ck3=\"1\" ckDown=\"0\" ckUp=\"0\" delay=\"0.2\" df=\"0.2\" dwDown=\"0\""),
             "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    QStringList afterTick;
    connect(w.ckTimer, &QTimer::timeout, this, [&] { afterTick << f.lastSys().left(2); });
    w.dwDownEnd();
    WAIT_COMPARE(f.messageText(), QStringLiteral("穿孔"));
    QCOMPARE(f.lastSys().left(2), QStringLiteral("09"));
    WAIT_VERIFY(f.atRest());
    QCOMPARE(afterTick, (QStringList{"09", "09", "09", "19", "19", "19", "19", "39", "39", "39", "39", "03"}));
}

void ProcessTest::plasmaCapacitive()
{
    Window f(2, "    <DLZ ArcOffUp=\"0.2\" DWDown=\"0.2\" DWUp=\"0.2\" Delay=\"0.2\" YH=\"0.3\" dwmode=\"1\"/>\n",
             "G01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    w.DLZDWStart();
    WAIT_COMPARE(f.byteTrail(1), (QStringList{"01", "00", "20", "00"}));
    QCOMPARE(w.startTarget(), QStringLiteral("DLZYHStart"));
    QCOMPARE(w.stopTarget(), QStringLiteral("DLZOff"));

    w.stopButton()->click();
    WAIT_COMPARE(f.byteTrail(1), (QStringList{"01", "00", "20", "00", "02", "00"}));
    WAIT_VERIFY(w.startButton()->isEnabled());

    w.writeDevice->clearCallLog();
    w.startButton()->click();
    WAIT_COMPARE(f.byteTrail(1), (QStringList{"01", "00", "20"}));
    QCOMPARE(f.notices.size(), 0);
    AxisStatus answer;
    answer.input = 0xFD;
    w.readIntThread->runPass(answer);
    QTRY_COMPARE(f.byteTrail(1), (QStringList{"01", "00", "20", "60"}));
    QCOMPARE(f.notices.size(), 1);
    QCOMPARE(w.stopTarget(), QStringLiteral("cutStopall"));

    w.dlzEnd();
    QCOMPARE(f.lastSys(), QStringLiteral("00 00 00"));
    QCOMPARE(f.byteTrail(0), QStringList{"00"});
    QCOMPARE(f.byteTrail(2), QStringList{"00"});
}

void ProcessTest::plasmaTouchWithoutDescent_data()
{
    QTest::addColumn<int>("dwMode");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("phase");

    QTest::newRow("idle") << 0 << QStringList() << QStringList{"start DLZDWStart", "dlzDownAsked false"};
    QTest::newRow("capacitive descent") << 1 << QStringList{"start"}
                                        << QStringList{"start DLZDWUpEnd", "dlzDwDownTimer true"};
    QTest::newRow("touched, lift awaited")
        << 0 << QStringList{"start", "touch"} << QStringList{"start DLZDWUpEnd", "dlzUpAsked true"};
    QTest::newRow("positioning lift") << 0 << QStringList{"start", "touch", "release"}
                                      << QStringList{"start DLZDWUpEnd", "dwUpTimer true"};
    QTest::newRow("arc start") << 0 << QStringList{"start", "touch", "release", "lift end"}
                               << QStringList{"stop DLZYHEnd", "yhTimer true"};
}

// A touch report that comes while no collision descent waits for it (late,
// or in capacitive positioning) leaves the chain where it is.
void ProcessTest::plasmaTouchWithoutDescent()
{
    QFETCH(int, dwMode);
    QFETCH(QStringList, before);
    QFETCH(QStringList, phase);
    Window f(2,
             "    <DLZ ArcOffUp=\"0.2\" DWDown=\"0.2\" DWUp=\"0.2\" Delay=\"0.2\" YH=\"0.3\" dwmode=\""
                 + QByteArray::number(dwMode) + "\"/>\n",
             "G01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    // No phase counts down while the state is compared.
    w.setPhaseTick(3600 * 1000);
    KReadIntThread *reader = w.readIntThread;
    for (const QString &step : before) {
        if (step == QLatin1String("start"))
            w.DLZDWStart();
        else if (step == QLatin1String("touch"))
            emit reader->dlzDownStop();
        else if (step == QLatin1String("release"))
            emit reader->dlzUpStop();
        else if (step == QLatin1String("lift end"))
            w.startButton()->click();
    }
    const QStringList state = f.plasmaState();
    for (const QString &entry : phase)
        QVERIFY2(state.contains(entry), qPrintable(entry + QLatin1String(" in ") + state.join(QLatin1String(", "))));

    w.writeDevice->clearCallLog();
    emit reader->dlzDownStop();
    QCoreApplication::processEvents();
    QCOMPARE(w.writeDevice->callLog().join(QLatin1String(", ")), QString());
    QCOMPARE(f.plasmaState(), state);
}

void ProcessTest::powderChain()
{
    Window f(3, "    <PF OxoffUp=\"0.2\" df=\"0.2\" dwDown=\"0\" movex=\"0\" movey=\"0\"/>\n" + fire("df=\"5\""),
             "G01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    w.dwDownEnd();
    QCOMPARE(f.images(), (QStringList{"00 00 00", "44 00 00"}));
    QTRY_COMPARE(f.images(), (QStringList{"00 00 00", "44 00 00", "40 00 00", "42 00 00"}));
    QCOMPARE(f.notices.size(), 1);
    QCOMPARE(f.sysAtNotice.first(), QStringLiteral("42 00 00"));

    w.writeDevice->clearCallLog();
    w.oxygenOff();
    WAIT_COMPARE(f.images(), (QStringList{"40 00 00", "40 02 00", "40 00 00"}));
    QCOMPARE(f.messageText(), QStringLiteral("氧气阀关闭"));
}

void ProcessTest::noticeSlots()
{
    Window f(1, QByteArray(), "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    const QList<std::function<void()>> calls{
        [&] { w.cutRun(); },       [&] { w.dwDown(); },         [&] { w.cutback(); },
        [&] { w.forward(false); }, [&] { w.backward(false); },  [&] { w.cutTurnback(); },
        [&] { w.moveback(); },     [&] { w.cutReturnStart(); }, [&] { w.fileMoveToStartPoint(); },
        [&] { w.toOldFile(); },    [&] { w.stepBackTo00(); },   [&] { w.zzBackTo00(); },
        [&] { w.LaserDW(); },      [&] { w.beamXZ(); },         [&] { w.stepN(); },
        [&] { w.stepW(); },        [&] { w.stepS(); },          [&] { w.stepE(); },
        [&] { w.stepNW(); },       [&] { w.stepNE(); },         [&] { w.stepSE(); },
    };
    for (int i = 0; i < calls.size(); ++i) {
        calls[i]();
        QCOMPARE(f.notices.size(), i + 1);
        const Notice::Request &r = f.notices.last();
        QCOMPARE(r.icon, QMessageBox::Critical);
        QCOMPARE(r.title, QStringLiteral("Brenlo"));
        QCOMPARE(r.text, QStringLiteral("未发现轴卡，不能进行该项操作!"));
        QCOMPARE(r.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(w.writeDevice->callLog(), QStringList());
    QVERIFY(!w.menuCutting->forwardButton->isDown());
    QVERIFY(!w.menuCutting->backwardButton->isDown());
}

void ProcessTest::jogWithoutAndWithCard()
{
    Window f(1, QByteArray(), "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    KButton *sw = w.directFrame->motionKeys[KDirectFrame::End];
    KSpeed *speed = w.speedFrame->speed;
    w.top2step();
    w.writeDevice->clearCallLog();
    w.stepSW();
    QCOMPARE(f.notices.size(), 1);
    QVERIFY(sw->isEnabled());
    QVERIFY(!speed->stepRunning);
    QCOMPARE(f.logged("writeStepSW()"), 0);

    w.writeDevice->setCardPresent(true);
    w.stepSW();
    QCOMPARE(f.notices.size(), 1);
    QVERIFY(!sw->isEnabled());
    QVERIFY(w.stopButton()->isEnabled());
    QVERIFY(speed->stepRunning);
    QCOMPARE(f.logged("writeStepSW()"), 1);
    w.stepSW();
    QVERIFY(speed->stepStopPending);
    QVERIFY(!w.stopButton()->isEnabled());
    QCOMPARE(f.logged("writeStepSW()"), 1);
}

// The move-to-point dialog's point: without a card the notice and nothing
// else; with one the move is sent and every key that would start another
// move waits for its end.
void ProcessTest::moveToPointWithoutAndWithCard()
{
    Window f(1, QByteArray(), "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    w.top2cutting();
    w.cutting2movement();
    KMenuMovement *page = w.menuMovement;
    QList<KButton *> keys{page->backButton,     page->moveOutButton,  page->slowModeButton, page->fastModeButton,
                          page->inchModeButton, page->moveBackButton, page->cutBackButton};
    for (KButton *jog : w.directFrame->motionKeys)
        keys << jog;
    const auto enabled = [&] {
        QList<bool> out;
        for (KButton *b : keys)
            out << b->isEnabled();
        return out;
    };
    const QList<bool> before = enabled();
    QVERIFY(before.contains(true));
    w.writeDevice->clearCallLog();

    w.moveToPoint(115, -50);
    QCOMPARE(f.notices.size(), 1);
    QCOMPARE(f.notices.last().text, QStringLiteral("未发现轴卡，不能进行该项操作!"));
    QCOMPARE(w.writeDevice->callLog(), QStringList());
    QCOMPARE(enabled(), before);
    QVERIFY(!w.speedFrame->speed->stepRunning);

    w.writeDevice->setCardPresent(true);
    w.moveToPoint(115, -50);
    QCOMPARE(f.notices.size(), 1);
    QCOMPARE(w.writeDevice->callLog(), QStringList("writeMovePoint(115,-50)"));
    QVERIFY(!enabled().contains(true));
    QVERIFY(w.speedFrame->speed->stepRunning);
    QVERIFY(w.simuFrame->simu->moveTrail);
}

void ProcessTest::limitAlarms()
{
    Window f(1, QByteArray(), "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    KButton *const *jog = w.directFrame->motionKeys;
    w.xw_XPOS();
    QCOMPARE(f.messageText(), QStringLiteral("+X方向限位报警!"));
    QVERIFY(!w.startButton()->isEnabled());
    w.step2top();
    w.top2step();
    for (int k = 0; k < KDirectFrame::KeyCount; ++k)
        QCOMPARE(jog[k]->isEnabled(), k == KDirectFrame::Down);
    QVERIFY(!w.menuStep->backButton->isEnabled());
    QCOMPARE(f.messageText(), QStringLiteral("+X方向限位报警!"));

    w.xw_XNEG();
    QCOMPARE(f.messageText(), QStringLiteral("限位异常!"));
    QCOMPARE(int(w.limitMask), 99);
    w.XWResume();
    QCOMPARE(f.messageText(), QStringLiteral("限位报警解除"));
    for (int k = 0; k < KDirectFrame::KeyCount; ++k)
        QVERIFY(jog[k]->isEnabled());
    QVERIFY(w.startButton()->isEnabled());
    QVERIFY(!w.alarm);
}

void ProcessTest::collision()
{
    Window f(1, fire("ckDown=\"0.5\""), "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    w.ckDown();
    QCOMPARE(f.lastSys(), QStringLiteral("00 05 00"));
    w.DLZKnock();
    // Sent at once, not left for the next step.
    QCOMPARE(f.lastSys(), QStringLiteral("00 01 00"));
    QCOMPARE(f.messageText(), QStringLiteral("等离子枪撞!"));
    QVERIFY(!w.startButton()->isEnabled());
    w.DLZKnockResume();
    QCOMPARE(f.messageText(), QStringLiteral("等离子枪恢复"));
    QVERIFY(w.startButton()->isEnabled());
}

void ProcessTest::recordOutsideTable()
{
    Window f(1, QByteArray(), "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    KCode *code = w.codeNum->codeFrame->code;
    const para_t para = w.para;
    const start_t start = w.start;
    const int row = code->currentRowNumber();
    for (int n : {-1, 30000}) {
        w.setCurrentNum(n);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&w.para), sizeof para),
                 QByteArray(reinterpret_cast<const char *>(&para), sizeof para));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&w.start), sizeof start),
                 QByteArray(reinterpret_cast<const char *>(&start), sizeof start));
        QCOMPARE(w.writeDevice->callLog(), QStringList());
        QCOMPARE(code->currentRowNumber(), row);
    }
}

void ProcessTest::speedKeys()
{
    Window f(1, QByteArray(), "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    w.top2step();
    w.setCutspeed(999);
    w.fast();
    QCOMPARE(w.para.cutSpeed, 1009);
    QCOMPARE(w.para.method, 1);

    w.menuStep->fastModeButton->click();
    QCOMPARE(w.method, 2);
    w.setTopspeed(14000);
    w.fast();
    QCOMPARE(w.para.topSpeed, 14100);
    QCOMPARE(w.para.method, 2);
    w.slow();
    QCOMPARE(w.para.topSpeed, 14000);

    w.menuStep->slowModeButton->click();
    w.setCutspeed(25);
    w.slow();
    QCOMPARE(w.para.cutSpeed, 24);
    w.writeDevice->clearCallLog();
    w.slow();
    QCOMPARE(w.para.cutSpeed, 24);
    QCOMPARE(w.writeDevice->callLog(), (QStringList{"writePara(14000,24,300,0,1)", "writeEnt()"}));
}

void ProcessTest::remainTime()
{
    Window f(1, fire("OxoffUp=\"0\" ck=\"0\" ckDown=\"0\" ckUp=\"0\" delay=\"30\" df=\"0\" dwDown=\"0\""),
             "G00 X600000 Y0\nG01 X300000 Y0\n");
    KMainWindow &w = *f.w;
    KTime *time = w.status->timeFrame->time;
    QCOMPARE(w.para.topSpeed, 6000);
    QCOMPARE(w.para.cutSpeed, 2000);
    w.calRemainTime();
    QCOMPARE(time->remain, 2);
    w.setCutspeed(1500);
    w.calRemainTime();
    QCOMPARE(time->remain, 3);
    w.setCutspeed(0);
    w.calRemainTime();
    QCOMPARE(time->remain, 1);
}

void ProcessTest::programEndAfterSegmentStop()
{
    Window f(0, QByteArray(), "G01 X1000 Y0\nG01 X0 Y1000\n");
    KMainWindow &w = *f.w;
    w.setCurrentNum(1);
    w.cutStopsegActive();
    w.writeDevice->clearCallLog();
    w.cutStopped();
    QCOMPARE(f.logged("cmosNumNext()"), 1);
    QCOMPARE(f.messageText(), QStringLiteral("完成"));
    QVERIFY(!w.startButton()->isEnabled());
    QCOMPARE(f.modal, QList<QDialog *>{w.reloadDialog});
    w.writeDevice->clearCallLog();
    w.reloadDialog->refreshButton->click();
    QCOMPARE(w.writeDevice->callLog().filter(QStringLiteral("writeStart(")).size(), 1);
}

// The card halts at a program's M00: field 3 and the list go past it, so
// Start marks the line after it, after a Stop as much as before one. A
// segment stop just ahead of an M code wires Start likewise to the line
// beyond it.
void ProcessTest::stopsAtAnMCode()
{
    const QByteArray powder = "    <PF OxoffUp=\"0\" df=\"0\" dwDown=\"0\" movex=\"0\" movey=\"0\"/>\n";
    {
        Window f(3, powder, "G00 X1000 Y0\nM00\nG01 X5000 Y0\n");
        KMainWindow &w = *f.w;
        QCOMPARE(SegmentTable::typeAt(cutSegments, 1), qint32(SegType::MCode));
        KCode *code = w.codeNum->codeFrame->code;
        emit w.readIntThread->atCodeNum(1);
        QCOMPARE(w.para.startNum, 2);
        QCOMPARE(w.start.startNum, 2);
        QCOMPARE(code->currentRowNumber(), 2);
        QVERIFY(w.startButton()->isEnabled());
        QCOMPARE(w.startTarget(), QString("dwDown"));

        w.cutStopall();
        emit w.readIntThread->valueVcurChanged(0);
        // Stopped at a line, the marking closes.
        QCOMPARE(f.messageText(), QStringLiteral("氧气阀关闭"));
        QCOMPARE(w.para.startNum, 2);
        QVERIFY(w.startButton()->isEnabled());
        QCOMPARE(w.startTarget(), QString("dwDown"));
    }
    {
        Window f(3, powder, "G00 X1000 Y0\nM00\nG01 X5000 Y0\n");
        KMainWindow &w = *f.w;
        emit w.readIntThread->atCodeNum(0);
        QCOMPARE(w.startTarget(), QString("cutRun"));
        w.cutStopsegActive();
        emit w.readIntThread->flagChanged(1);
        emit w.readIntThread->valueVcurChanged(2000);
        QCOMPARE(f.logged("cmosNumNext()"), 1);
        // Field 3 on the M code; Start looks past it.
        QCOMPARE(w.para.startNum, 1);
        QVERIFY(w.startButton()->isEnabled());
        QCOMPARE(w.startTarget(), QString("dwDown"));
    }
}

void ProcessTest::plateAlignment_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("line");

    QTest::newRow("1200, -350") << 120000 << -35000 << "-16.2602" << QString::fromUtf8("次点( 1200.00,   -350.00)");
    QTest::newRow("-500, -20") << -50000 << -2000 << "2.29061" << QString::fromUtf8("次点( -500.00,    -20.00)");
}

void ProcessTest::plateAlignment()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, angle);
    QFETCH(QString, line);
    Window f(1, QByteArray(), "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    KXY *xy = w.xyFrame->xy;
    w.top2zz();
    w.setFirst();
    xy->setX(x);
    xy->setY(y);
    w.setSecond();
    w.setAngel();
    QCOMPARE(w.menuConfig->baseDialog->angelEdit->text(), angle);
    QVERIFY(f.configXml().contains("angel=\"" + angle.toLatin1() + "\""));
    QCOMPARE(w.simuFrame->platte->lines().value(1), line);
}

void ProcessTest::alignmentTurnsTheProgram()
{
    Window f(1, QByteArray(), "G01 X1000 Y0\n");
    KMainWindow &w = *f.w;
    w.menuConfig->baseDialog->rotateEdit->setText(QStringLiteral("90"));
    w.top2zz();
    w.setFirst();
    w.xyFrame->xy->setX(100000);
    w.xyFrame->xy->setY(1745);
    w.setSecond();
    w.setAngel();
    QCOMPARE(w.menuConfig->baseDialog->angelEdit->text(), QStringLiteral("0.99971"));
    QCOMPARE(f.dir.readFile(".tovrelcnc/t.nc"), QByteArray("G01 X-17 Y999\n"));
}

void ProcessTest::programValueOutlivesCancel_data()
{
    QTest::addColumn<bool>("alignment");
    QTest::newRow("plate angle measured") << true;
    QTest::newRow("preheat learned") << false;
}

// A dialog standing with a value typed in the field the program then writes:
// its Cancel leaves the program's value, and the next save writes it.
void ProcessTest::programValueOutlivesCancel()
{
    QFETCH(bool, alignment);
    Window f(1,
             fire("OxoffUp=\"0.2\" ck=\"0.3\" ck3=\"0\" ckDown=\"0.2\" ckUp=\"0.2\" delay=\"10\" df=\"0.2\" "
                  "dwDown=\"0\""),
             "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    QDialog *dialog = alignment ? static_cast<QDialog *>(w.menuConfig->baseDialog) : w.menuConfig->fireDialog;
    QLineEdit *edit = alignment ? w.menuConfig->baseDialog->angelEdit : w.menuConfig->fireDialog->delayEdit;
    const QByteArray attribute = alignment ? "angel" : "delay";
    if (alignment)
        w.menuConfig->baseConfig();
    else
        w.menuConfig->fireConfig();
    QVERIFY(GuiTest::activate(dialog));
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, "7");
    QCOMPARE(edit->text(), QStringLiteral("7"));

    if (alignment) {
        w.top2zz();
        w.setFirst();
        w.xyFrame->xy->setX(120000);
        w.xyFrame->xy->setY(-35000);
        w.setSecond();
        w.setAngel();
    } else {
        QSignalSpy realTicks(w.realDelayTimer, &QTimer::timeout);
        w.dwDownEnd();
        WAIT_VERIFY(realTicks.count() >= 3);
        QCOMPARE(w.startTarget(), QStringLiteral("delayEnd"));
        w.startButton()->click();
    }
    const QString written = edit->text();
    QVERIFY2(written != QLatin1String("7") && written != QLatin1String(alignment ? "0" : "10"), qPrintable(written));
    QVERIFY(f.configXml().contains(" " + attribute + "=\"" + written.toLatin1() + "\""));

    QTest::mouseClick(dialog->findChild<QAbstractButton *>(QStringLiteral("cancelButton")), Qt::LeftButton);
    WAIT_VERIFY(!dialog->isVisible());
    QCOMPARE(edit->text(), written);
    w.menuConfig->laserConfig();
    QVERIFY(GuiTest::activate(w.menuConfig->laserDialog));
    const int saves = f.console.filter(QStringLiteral("save......")).size();
    QTest::mouseClick(w.menuConfig->laserDialog->findChild<QAbstractButton *>(QStringLiteral("okButton")),
                      Qt::LeftButton);
    WAIT_COMPARE(f.console.filter(QStringLiteral("save......")).size(), saves + 1);
    QVERIFY(f.configXml().contains(" " + attribute + "=\"" + written.toLatin1() + "\""));
}

void ProcessTest::beamAngles()
{
    Window f(1, QByteArray(), "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    w.rightLeftTouch(5000);
    QVERIFY(w.simuFrame->beam->lines().contains(QString::fromUtf8("横梁矫正 -0.46205 度")));
    QVERIFY(f.configXml().contains("<BeamAngel beamAngel=\"-0.462053\"/>"));
    QCOMPARE(f.logged("writeBeam(-0.462053)"), 1);
    QVERIFY(w.speedFrame->speed->stepStopPending);

    w.writeDevice->clearCallLog();
    w.onlyLeftTouch();
    QVERIFY(f.configXml().contains("<BeamAngel beamAngel=\"0.924045\"/>"));
    QCOMPARE(w.writeDevice->callLog().filter(QStringLiteral("writeBeam(")).size(), 0);
}

// The save stores the layout on screen, whatever an older k.nc says.
void ProcessTest::optimisedSaveWritesTheLayoutShown()
{
    Window f(1, QByteArray(), "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    KLibTable *table = w.libFrame->libTable;
    w.top2lib();
    table->setCurrentCell(0, 1);
    w.addPatten();
    const QByteArray kProgram = f.dir.readFile(".tovrelcnc/k.nc");
    const QByteArray lProgram = f.dir.readFile(".tovrelcnc/l.nc");
    QVERIFY(!lProgram.isEmpty());
    f.dir.writeFile(".tovrelcnc/k.nc", "G00 X100 Y0\n");
    table->saveas();
    GuiTest::typeFileName(table->saveDialog, QStringLiteral("plan"));
    w.fileOptim(true);
    QCOMPARE(f.dir.readFile(".tovrelcnc/k.nc"), kProgram);
    QCOMPARE(f.dir.readFile("ncfile/plan"), lProgram);
    table->saveDialog->hide();
}

void ProcessTest::customPattern()
{
    Window f(1, QByteArray(), "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    f.dir.writeFile("ncfile/c.nc", "G01 X500 Y250\n");
    w.top2lib();
    w.libFrame->libTable->setCurrentCell(0, 0);
    QString name = QStringLiteral("./ncfile/c.nc");
    w.addDefPatten(name);
    QCOMPARE(f.dir.readFile(".tovrelcnc/b1.nc"), QByteArray("G01 X     500 Y     250\n"));
    KLibList *list = w.libFrame->libList;
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("c.nc"));
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(w.libFrame->config()->getPattenCount(), 1);
}

// A folder and a program over the table's 30000 records become no pattern:
// the console says why, no box, and the library page shows again.
void ProcessTest::customPatternRefusedOnTheConsole()
{
    Window f(1, QByteArray(), "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    QByteArray tooLong;
    for (int record = 0; record <= kSegmentRows; ++record)
        tooLong += "G01 X10 Y0\n";
    QVERIFY(f.dir.writeFile("ncfile/long.nc", tooLong));
    w.top2lib();
    w.libFrame->libTable->setCurrentCell(0, 0);
    for (QString name : {QStringLiteral("./ncfile"), QStringLiteral("./ncfile/long.nc")}) {
        w.lib2preview();
        w.addDefPatten(name);
        QCOMPARE(f.notices.size(), 0);
        QVERIFY(w.menuLib->isVisibleTo(&w));
    }
    QCOMPARE(w.libFrame->config()->getPattenCount(), 0);
    QCOMPARE(w.libFrame->libList->count(), 0);
    QCOMPARE(f.console.count("add patten file error..."), 2);
    QVERIFY(f.console.contains("Cannot read file ./ncfile:\nNot a program file."));
    QVERIFY(f.console.contains("Cannot read file ./ncfile/long.nc:\nFile too long."));
}

void ProcessTest::fullPatternList()
{
    Window f(1, QByteArray(), "G00 X1000 Y0\nG01 X5000 Y0\n");
    KMainWindow &w = *f.w;
    f.dir.writeFile("ncfile/c.nc", "G01 X500 Y250\n");
    f.dir.writeFile("ncfile/d.nc", "G01 X700 Y100\n");
    KLibTable *table = w.libFrame->libTable;
    KLibConfig *config = w.libFrame->config();
    w.top2lib();
    table->setCurrentCell(0, 1);
    for (int i = 0; i < 98; ++i)
        w.addPatten();
    QCOMPARE(config->getPattenCount(), 98);
    table->setCurrentCell(0, 0);
    QString c = QStringLiteral("./ncfile/c.nc");
    w.addDefPatten(c);
    QCOMPARE(config->getPattenCount(), 99);
    const QByteArray b99 = f.dir.readFile(".tovrelcnc/b99.nc");
    QVERIFY(!b99.isEmpty());
    f.notices.clear();

    QString d = QStringLiteral("./ncfile/d.nc");
    w.addDefPatten(d);
    QCOMPARE(f.notices.size(), 1);
    QCOMPARE(f.notices.first().text, QStringLiteral("零件已满(最多99个)!"));
    QVERIFY(!f.dir.exists(".tovrelcnc/b100.nc"));
    QCOMPARE(f.dir.readFile(".tovrelcnc/b99.nc"), b99);
    QCOMPARE(config->pattens().at(99).fileName, c);
    QCOMPARE(w.libFrame->libList->count(), 99);
}

QTEST_MAIN(ProcessTest)
#include "ProcessTest.moc"
