#include "ConsoleCapture.h"
#include "GuiTest.h"
#include "RawFiles.h"
#include "TempWorkDir.h"
#include "TestPaths.h"

#include "app/base/KButton.h"
#include "app/KMainWindow.h"
#include "app/PhaseMark.h"
#include "app/base/WorkingFolder.h"
#include "config/KConfigBase.h"
#include "config/KConfigCut.h"
#include "config/KConfigDLZ.h"
#include "config/KMenuConfig.h"
#include "device/KMenuIO.h"
#include "device/KReadIO.h"
#include "device/KReadIOThread.h"
#include "device/KReadIntThread.h"
#include "device/KWriteDevice.h"
#include "files/KEditor.h"
#include "files/KMenuFastcopy.h"
#include "files/KMenuFile.h"
#include "files/KPreview.h"
#include "library/KLibFrame.h"
#include "library/KMenuLib.h"
#include "pages/KBeam.h"
#include "pages/KCode.h"
#include "pages/KCodeFrame.h"
#include "pages/KCodeNum.h"
#include "pages/KMenuCutting.h"
#include "pages/KMenuJump.h"
#include "pages/KMenuMorepoint.h"
#include "pages/KMenuReturn.h"
#include "pages/KMenuMovement.h"
#include "pages/KMenuStep.h"
#include "pages/KMenuTop.h"
#include "pages/KMenuZZ.h"
#include "pages/KPlatte.h"
#include "program/KSimu.h"
#include "program/Parser.h"
#include "program/SegmentTable.h"
#include "status/KInfo.h"
#include "status/KInfoFrame.h"
#include "status/KSimuFrame.h"
#include "status/KSpeed.h"
#include "status/KSpeedFrame.h"
#include "status/KStatus.h"
#include "status/KStatusDLZ.h"
#include "status/KStatusFrame.h"
#include "status/KStatusPF.h"
#include "status/KText.h"
#include "status/KTextFrame.h"
#include "status/KTimeFrame.h"
#include "thc/KMenuTHC.h"
#include "thc/KTHC.h"
#include "thc/KTHCConfig.h"
#include "thc/KTHCDialog.h"
#include "thc/KTHCFrame.h"
#include "thc/KTHCSpeedConfig.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocumentFragment>
#include <QXmlAttributes>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>

namespace {

const char kFileConfig[] = "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<FileConfig>\n"
                           "    <File filename=\"./ncfile/a.nc\"/>\n</FileConfig>\n";

QByteArray canon()
{
    return "<?xml version='1.0'?><!DOCTYPE RAVOK>\n"
           "<RavokConfig>\n"
           "    <PF OxoffUp=\"1.5\" df=\"2\" dwDown=\"0.5\" movex=\"12\" movey=\"-4\"/>\n"
           "    <Cut LowSpeed=\"450\" cutspeed=\"1800\" topspeed=\"9000\"/>\n"
           "    <Base angel=\"0.25\" comp=\"1.5\" fx=\"0\" preci=\"20\" rotate=\"0\" sfx=\"0\" sheetx=\"2500\" "
           "sheety=\"1250\"/>\n"
           "    <Fire OxoffUp=\"1\" ck=\"2.5\" ck3=\"0\" ckDown=\"0.5\" ckUp=\"0.5\" delay=\"12\" df=\"1\" "
           "dwDown=\"1\"/>\n"
           "    <DLZ ArcOffUp=\"0.3\" DWDown=\"0.4\" DWUp=\"0.6\" Delay=\"0.2\" YH=\"1\" dwmode=\"0\"/>\n"
           "    <Laser X=\"35\" Y=\"-20\"/>\n"
           "    <Torch torchSelected=\"0\"/>\n"
           "    <BeamAngel beamAngel=\"0.5\"/>\n"
           "    <Mode mode=\"1\"/>\n"
           "</RavokConfig>\n";
}

// The working folder of the loading and switching checks.
void seedCanon(const TempWorkDir &dir)
{
    QVERIFY(dir.writeFile(".tovrelcnc/fileconfig.xml", kFileConfig));
    QVERIFY(dir.writeFile(".tovrelcnc/config.xml", canon()));
    QVERIFY(dir.writeFile("ncfile/a.nc", "G00 X1000 Y0\nG01 X5000 Y0\nG01 X0 Y3000\n"));
}

QList<QWidget *> menuPages(KMainWindow &w)
{
    return QList<QWidget *>{w.menuTop,  w.menuFile,      w.menuFastcopy, w.menuCutting, w.menuReturn,
                            w.menuJump, w.menuStep,      w.menuMovement, w.menuConfig,  w.menuZZ,
                            w.menuLib,  w.menuMorepoint, w.menuIO};
}

QWidget *onlyVisiblePage(KMainWindow &w)
{
    QWidget *shown = nullptr;
    for (QWidget *page : menuPages(w)) {
        if (!page->isVisible())
            continue;
        if (shown)
            return nullptr;
        shown = page;
    }
    return shown;
}

// The receivers of a signal in the order they are called, as
// "Class::slot(args)", read from the sender's own dump of its connections.
QStringList receiversOf(QObject *sender, const char *signal)
{
    static QStringList *lines = nullptr;
    QStringList dump;
    lines = &dump;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { *lines << text.trimmed(); });
    sender->dumpObjectInfo();
    qInstallMessageHandler(previous);
    lines = nullptr;
    QStringList out;
    const QString heading = QStringLiteral("signal: ") + QLatin1String(signal);
    int k = dump.indexOf(heading);
    if (k < 0)
        return out;
    for (++k; k < dump.size() && dump[k].startsWith(QLatin1String("-->")); ++k) {
        const QStringList words = dump[k].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        // "--> Class::objectName slot(args)"
        if (words.size() >= 3)
            out << words[1].section(QLatin1String("::"), 0, 0) + QLatin1String("::") + words[2];
    }
    return out;
}

// The attributes of one configuration element, as the reader hands them on.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
QXmlAttributes attributes(std::initializer_list<QPair<QString, QString>> values)
{
    QXmlAttributes a;
    for (const auto &v : values)
        a.append(v.first, QString(), v.first, v.second);
    return a;
}
QT_WARNING_POP

// Calls `f` whenever `watched` receives an event of `type`.
class EventMark : public QObject
{
public:
    EventMark(QObject *watched, QEvent::Type type, std::function<void()> f)
        : type_(type)
        , f_(std::move(f))
    {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == type_)
            f_();
        return false;
    }

private:
    QEvent::Type type_;
    std::function<void()> f_;
};

// A key click, then its shortcut's click and the click lock's release.
void key(KMainWindow &w, Qt::Key k)
{
    QVERIFY2(GuiTest::keyClick(&w, k), "a key's click did not settle");
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(icons);
        // The lock's own 100 ms are pinned by KButtonTest; here it only
        // paces the keys.
        KButton::setLockInterval(1);
    }

    // The program loads the last program while it reads config.xml, in
    // demonstration mode until a Mode element says otherwise, and writes no
    // configuration file on the way.
    void startupRoad()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile(".tovrelcnc/fileconfig.xml", kFileConfig));
        QVERIFY(dir.writeFile("ncfile/a.nc", "G01 X100 Y0\n"));
        const QByteArray config = "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<RavokConfig>\n"
                                  "    <Base angel=\"0\" comp=\"0\" fx=\"0\" preci=\"10\" rotate=\"0\" sfx=\"0\" "
                                  "sheetx=\"3000\" sheety=\"1500\"/>\n</RavokConfig>\n";
        QVERIFY(dir.writeFile(".tovrelcnc/config.xml", config));
        QProcess p;
        p.setWorkingDirectory(dir.path());
        QByteArray err;
        connect(&p, &QProcess::readyReadStandardError, this, [&] { err += p.readAllStandardError(); });
        p.start(TestPaths::binDir() + "/tovrelcnc", QStringList());
        QVERIFY(p.waitForStarted());
        // The mode is the last thing config.xml applies, after the program's load.
        QVERIFY(QTest::qWaitFor([&] { return err.contains("mode=0"); }, 10000));
        QVERIFY(QTest::qWaitFor([&] { return dir.exists(".tovrelcnc/ck.nc"); }, 10000));
        p.kill();
        p.waitForFinished();
        err += p.readAllStandardError();
        QCOMPARE(dir.readFile(".tovrelcnc/t.nc"), QByteArray("G01 X100 Y 0\n"));
        QCOMPARE(dir.readFile(".tovrelcnc/e.nc"), QByteArray("G01 X     100 Y       0\n"));
        QCOMPARE(dir.readFile(".tovrelcnc/ck.nc"), QByteArray("G01 X     100 Y       0\n"));
        QVERIFY(!err.contains("parse file error..."));
        QCOMPARE(dir.readFile(".tovrelcnc/config.xml"), config);

        // An empty folder: the window comes up as main() makes it, with no
        // program, no mode and no scratch file.
        TempWorkDir empty(false);
        QVERIFY(WorkingFolder::prepare().isEmpty());
        ConsoleCapture out(1);
        ConsoleCapture console(2);
        QString title;
        {
            KMainWindow w;
            title = w.windowTitle();
        }
        const QByteArray all = out.text() + console.text();
        QCOMPARE(title, KMainWindow::startTitle());
        QVERIFY(!all.contains("File not found!"));
        QVERIFY(!all.contains("mode="));
        QVERIFY(!empty.exists(".tovrelcnc/t.nc"));
    }

    // Every top-menu key reaches its page, with its message and its
    // views, and Esc comes back to the top menu alone.
    void pageSwitching()
    {
        TempWorkDir dir;
        seedCanon(dir);
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        QCOMPARE(onlyVisiblePage(w), static_cast<QWidget *>(w.menuTop));
        const QString top = w.textFrame->message->text;

        struct Row {
            Qt::Key key;
            QWidget *page;
            QWidget *view;
            QString message; // empty: unchanged
        };
        const QList<Row> rows = {
            {Qt::Key_F1, w.menuFile, nullptr, QString("按“↑”或“↓” 选择起始段 / 穿孔数")},
            {Qt::Key_F3, w.menuConfig, nullptr, QString("参数设置:   <Tab> 切换参数")},
            {Qt::Key_F6, w.menuStep, w.simuFrame->beam, QString("点动模式")},
            {Qt::Key_F7, w.menuZZ, w.simuFrame->platte, QString("按方向键确定首点与次点")},
            {Qt::Key_F9, w.menuCutting, nullptr, QString("加工模式")},
            {Qt::Key_F2, w.menuLib, w.libFrame, QString()},
            {Qt::Key_F8, w.menuIO, w.readIO, QString()},
        };
        for (const Row &row : rows) {
            const QString before = w.textFrame->message->text;
            key(w, row.key);
            QCOMPARE(onlyVisiblePage(w), row.page);
            if (row.view)
                QVERIFY(row.view->isVisible());
            QCOMPARE(w.textFrame->message->text, row.message.isEmpty() ? before : row.message);
            if (row.page == w.menuIO)
                QVERIFY(w.readIO->readIOThread->isRunning());
            key(w, Qt::Key_Escape);
            QCOMPARE(onlyVisiblePage(w), static_cast<QWidget *>(w.menuTop));
            if (row.page == w.menuIO) {
                QVERIFY(w.readIO->readIOThread->isFinished());
            } else {
                QCOMPARE(w.textFrame->message->text, QString("主菜单"));
            }
        }
        key(w, Qt::Key_F5);
        QCOMPARE(w.menuTop->sheetButton->text(), QString("看零件"));
        key(w, Qt::Key_F5);
        QCOMPARE(w.menuTop->sheetButton->text(), QString("看钢板"));
        QCOMPARE(notices.count(), 0);
        Q_UNUSED(top);
    }

    // F4 and F5 of the top menu act on every press, also one the click lock
    // refuses to the page keys: each, typed twice right after the other of
    // the two, acts twice, while the page key F1 typed after them is refused.
    void topMenuKeysPassTheClickLock_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("first");
        QTest::addColumn<QStringList>("states"); // "mode F5-text" after each key
        QTest::newRow("F4 模式切换") << int(Qt::Key_F4) << int(Qt::Key_F5)
                                     << QStringList{"1 看零件", "2 看零件", "3 看零件"};
        QTest::newRow("F5 看钢板") << int(Qt::Key_F5) << int(Qt::Key_F4)
                                   << QStringList{"2 看钢板", "2 看零件", "2 看钢板"};
    }

    void topMenuKeysPassTheClickLock()
    {
        QFETCH(int, key);
        QFETCH(int, first);
        QFETCH(QStringList, states);
        TempWorkDir dir;
        seedCanon(dir);
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        QVERIFY(GuiTest::settle(&w));
        KButton::setLockInterval(KButton::kLockMs);
        const auto paced = qScopeGuard([] { KButton::setLockInterval(1); });
        // No earlier click to judge the first one against.
        w.menuTop->fileButton->cancelLock();
        const auto state = [&] { return QString("%1 %2").arg(w.mode).arg(w.menuTop->sheetButton->text()); };
        const unsigned long t = 500000;
        QStringList seen;
        GuiTest::typeAt(&w, first, t);
        seen << state();
        GuiTest::typeAt(&w, key, t + 30);
        seen << state();
        GuiTest::typeAt(&w, key, t + 60);
        seen << state();
        QCOMPARE(seen, states);
        GuiTest::typeAt(&w, Qt::Key_F1, t + 90);
        QVERIFY(GuiTest::settle(&w));
        QCOMPARE(onlyVisiblePage(w), static_cast<QWidget *>(w.menuTop));
        QCOMPARE(notices.count(), 0);
    }

    // A load sends the outputs, the mode, the junction marks and the start
    // point in that order; a failed one leaves nothing of the old program
    // armed and t.nc as it was.
    void loading()
    {
        TempWorkDir dir;
        seedCanon(dir);
        NoticeRecorder notices;
        KMainWindow w;
        // Every link of the start-up table connected.
        QCOMPARE(w.unconnectedLinks, QStringList());
        // The program's own intervals: the 13 process timers tick every
        // 100 ms, the program-line list turns its row into the start line
        // after a second.
        for (QTimer *t :
             {w.delayTimer, w.realDelayTimer, w.dfTimer, w.dwDownTimer, w.ckTimer, w.ckUpTimer, w.ckDownTimer,
              w.oxoffUpTimer, w.yhTimer, w.dlzDelayTimer, w.arcOffUpTimer, w.dwUpTimer, w.dlzDwDownTimer})
            QCOMPARE(t->interval(), PhaseMark::kTick);
        QCOMPARE(PhaseMark::kTick, 100);
        QCOMPARE(w.codeNum->codeFrame->timer->interval(), 1000);
        KWriteDevice *device = w.writeDevice;
        device->clearCallLog();
        QString name = "./ncfile/a.nc";
        w.setCurrentFile(name);
        const QStringList log = device->callLog();
        const QStringList expected = {"writeSys(00 00 00)",    "pfOff()", "setMode(1)", "writeEnt()",
                                      "writeStart(0,0,0,0,0)", "cmosXY()"};
        int from = 0;
        for (const QString &entry : expected) {
            const int at = log.indexOf(entry, from);
            QVERIFY2(at >= 0, qPrintable(entry + " in " + log.join(' ')));
            from = at + 1;
        }
        QCOMPARE(log.count("writeEnt()"), 1);
        QCOMPARE(w.codeNum->codeFrame->code->rowCount(), 3);
        KMenuCutting *page = w.menuCutting;
        QVERIFY(w.startButton()->isEnabled());
        QVERIFY(page->forwardButton->isEnabled());
        QVERIFY(page->movementButton->isEnabled());
        for (KButton *b : {page->turnbackButton, page->backwardButton, page->jumpButton, page->returnButton})
            QVERIFY(!b->isEnabled());
        QCOMPARE(w.startTarget(), QString("cutRun"));

        // The return and jump pages are reached by the page switches alone
        // until a stop enables their keys; set TOVREL_SHOT_DIR to keep the
        // pictures.
        const QString shots = qEnvironmentVariable("TOVREL_SHOT_DIR");
        w.resize(1024, 748);
        w.top2cutting();
        w.cutting2return();
        QVERIFY(w.menuReturn->isVisibleTo(&w));
        if (!shots.isEmpty())
            QVERIFY(w.grab().save(shots + "/return.png"));
        w.return2cutting();
        w.cutting2jump();
        QVERIFY(w.menuJump->isVisibleTo(&w));
        if (!shots.isEmpty())
            QVERIFY(w.grab().save(shots + "/jump.png"));
        w.jump2cutting();
        w.cutting2top();

        // Plasma, and a program that starts with a cut: Start lowers the
        // torch, wired by this program and not by the one before.
        w.changeMode();
        QVERIFY(dir.writeFile("ncfile/a.nc", "G01 X5000 Y0\n"));
        w.setCurrentFile(name);
        QCOMPARE(w.startTarget(), QString("DLZDWStart"));

        const QByteArray tnc = dir.readFile(".tovrelcnc/t.nc");
        QString missing = "./ncfile/none.nc";
        w.setCurrentFile(missing);
        // The title names what Start runs.
        QVERIFY(w.windowTitle().endsWith(" - ./ncfile/a.nc"));
        // The program loaded before stays armed.
        QCOMPARE(w.codeNum->codeFrame->code->rowCount(), 1);
        QCOMPARE(cutSegments[0].type, qint32(SegType::Line));
        QVERIFY(w.startButton()->isEnabled());
        QCOMPARE(w.startTarget(), QString("DLZDWStart"));
        QCOMPARE(dir.readFile(".tovrelcnc/t.nc"), tnc);
        QCOMPARE(notices.count(), 0);
    }

    // Leaving the editor page while its table holds the keyboard moves no
    // row: each entry finds the row it was left on.
    void editorRowStaysOnLeave()
    {
        TempWorkDir dir;
        seedCanon(dir);
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        key(w, Qt::Key_F1);
        QVERIFY(w.menuFile->isVisible());
        key(w, Qt::Key_F2);
        QTRY_VERIFY(w.editor->hasFocus());
        w.editor->setCurrentCell(1, 0);
        for (int entry = 0; entry < 3; ++entry) {
            key(w, Qt::Key_Escape);
            QTRY_VERIFY(w.menuFile->isVisible());
            key(w, Qt::Key_F2);
            QTRY_VERIFY(w.editor->hasFocus());
            QCOMPARE(w.editor->currentRow(), 1);
        }
    }

    // The plate dialog accepted on the configuration page: the window is
    // back on the top menu before the program is loaded again with the new
    // kerf, so the load is told over the top menu.
    void plateDialogLeavesConfigurationFirst()
    {
        TempWorkDir dir;
        seedCanon(dir);
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        key(w, Qt::Key_F3);
        QVERIFY(w.menuConfig->isVisible() && w.configOpen);
        w.writeDevice->clearCallLog();
        int loggedAtLeaving = -1;
        EventMark left(w.menuConfig, QEvent::Hide, [&] { loggedAtLeaving = w.writeDevice->callLog().size(); });
        KConfigBase *base = w.menuConfig->baseDialog;
        base->compEdit->setText("2.5");
        base->accept();
        QCOMPARE(w.simuFrame->simu->parser->kerf(), 250.0);
        QCOMPARE(onlyVisiblePage(w), w.menuTop);
        QVERIFY(!w.configOpen);
        QVERIFY(loggedAtLeaving >= 0);
        const int loaded = w.writeDevice->callLog().indexOf(QRegularExpression("writeSys.*"));
        QVERIFY2(loaded >= loggedAtLeaving, qPrintable(w.writeDevice->callLog().join(" ")));
        QCOMPARE(notices.count(), 0);
    }

    // Powder marks only along a line or an arc: a rapid at the start record
    // leaves Start wired as it was, whatever it was; a line lowers the torch.
    void powderStartKeepsItsWiringAtARapid()
    {
        TempWorkDir dir;
        seedCanon(dir);
        NoticeRecorder notices;
        KMainWindow w;
        QCOMPARE(w.mode, 1);
        // Plasma with segment stop armed judges by the record after the
        // rapid, a line: Start lowers the plasma torch.
        w.cutStopsegActive();
        w.changeMode();
        const QStringList plasmaStart{"KMainWindow::DLZDWStart()"};
        QCOMPARE(receiversOf(w.startButton(), "clicked(bool)"), plasmaStart);
        w.changeMode();
        QCOMPARE(w.mode, 3);
        QCOMPARE(receiversOf(w.startButton(), "clicked(bool)"), plasmaStart);
        QCOMPARE(w.startTarget(), QString("DLZDWStart"));

        // A program that starts with a line, powder entered anew.
        QVERIFY(dir.writeFile("ncfile/a.nc", "G01 X5000 Y0\nG01 X0 Y3000\n"));
        QString name = "./ncfile/a.nc";
        w.setCurrentFile(name);
        for (int m : {0, 1, 2, 3}) {
            w.changeMode();
            QCOMPARE(w.mode, m);
        }
        QCOMPARE(receiversOf(w.startButton(), "clicked(bool)"), QStringList{"KMainWindow::dwDown()"});
        QCOMPARE(notices.count(), 0);
    }

    // The configuration slots bound and show every value, and the mode
    // of a file with an unknown one stays demonstration.
    void configurationSlots()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile(".tovrelcnc/fileconfig.xml", kFileConfig));
        QVERIFY(dir.writeFile("ncfile/a.nc", "G01 X100 Y0\n"));
        QVERIFY(dir.writeFile(".tovrelcnc/config.xml",
                              "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<RavokConfig>\n"
                              "    <PF OxoffUp=\"0\" df=\"0.2\" dwDown=\"0\" movex=\"0\" movey=\"0\"/>\n"
                              "    <Cut LowSpeed=\"299\" cutspeed=\"25\" topspeed=\"24\"/>\n"
                              "    <Base angel=\"-2.5\" comp=\"0.8\" fx=\"1\" preci=\"101\" rotate=\"180\" "
                              "sfx=\"2\" sheetx=\"250\" sheety=\"0\"/>\n"
                              "    <Fire df=\"5\"/>\n"
                              "    <DLZ dwmode=\"1\"/>\n"
                              "    <Mode mode=\"7\"/>\n</RavokConfig>\n"));
        NoticeRecorder notices;
        KMainWindow w;
        const para_t para = w.writeDevice->lastPara();
        QCOMPARE(QList<int>({para.topSpeed, para.cutSpeed, para.lowSpeed, para.startNum, para.method}),
                 QList<int>({24, 25, 300, 0, 1}));
        KConfigCut *cut = w.menuConfig->cutDialog;
        QCOMPARE(cut->topspeedEdit->text(), QString("24"));
        QCOMPARE(cut->cutspeedEdit->text(), QString("25"));
        QCOMPARE(cut->lowSpeedEdit->text(), QString("300"));
        QCOMPARE(w.speedFrame->speed->vs, 300);
        KConfigBase *base = w.menuConfig->baseDialog;
        QCOMPARE(base->sheetXEdit->text(), QString("250"));
        QCOMPARE(base->sheetYEdit->text(), QString("100"));
        QCOMPARE(base->angelEdit->text(), QString("-2.5"));
        QCOMPARE(base->rotateEdit->text(), QString("180"));
        QCOMPARE(base->compEdit->text(), QString("0.8"));
        QCOMPARE(base->preciEdit->text(), QString("10"));
        QVERIFY(base->yMirrorRadio->isChecked());
        QVERIFY(base->leftBottomRadio->isChecked());
        KInfo *info = w.infoFrame->info;
        QCOMPARE(info->angelEdit->text(), QString("-2.5"));
        QCOMPARE(info->rotateEdit->text(), QString("180.0"));
        QCOMPARE(info->compEdit->text(), QString("0.80"));
        QCOMPARE(info->fxEdit->text(), QString("Y"));
        QVERIFY(w.menuConfig->dlzDialog->dyRadio->isChecked());
        QCOMPARE(w.dwMode, 1);
        QCOMPARE(w.mode, 0);

        // The readers again, as other files would give them: a cut speed
        // below the bound is raised to it; a positioning mode neither 0 nor
        // 1 leaves the choice shown as it was, a missing one reads as 0.
        w.readConfigCut(attributes({{"cutspeed", "10"}, {"topspeed", "9000"}, {"LowSpeed", "450"}}));
        QCOMPARE(w.writeDevice->lastPara().cutSpeed, 24);
        QCOMPARE(cut->cutspeedEdit->text(), QString("24"));
        QCOMPARE(cut->topspeedEdit->text(), QString("9000"));
        KConfigDLZ *dlz = w.menuConfig->dlzDialog;
        w.readConfigDLZ(attributes({{"YH", "1.5"}, {"dwmode", "7"}}));
        QVERIFY(dlz->dyRadio->isChecked());
        QVERIFY(!dlz->dwUpEdit->isEnabled() && dlz->dwDownEdit->isEnabled());
        QCOMPARE(dlz->yhEdit->text(), QString("1.5"));
        QCOMPARE(w.dwMode, 7);
        w.readConfigDLZ(attributes({{"YH", "1.5"}}));
        QVERIFY(dlz->pzRadio->isChecked());
        QVERIFY(dlz->dwUpEdit->isEnabled() && !dlz->dwDownEdit->isEnabled());
        QCOMPARE(w.dwMode, 0);
        w.menuConfig->writeConfig();
        QVERIFY(dir.readFile(".tovrelcnc/config.xml").contains("<Mode mode=\"0\"/>"));

        for (int m = 1; m <= 3; ++m) {
            w.changeMode();
            QCOMPARE(w.mode, m);
        }
        // Powder: the shared ignition timer drives the powder panel.
        QSignalSpy dfEnd(w.status->statusFrame->pf, SIGNAL(dfEnd()));
        w.setPhaseTick(1);
        w.dfTimer->start();
        QVERIFY(dfEnd.wait(1000));
        w.dfTimer->stop();
        w.changeMode();
        QCOMPARE(info->statusLabel->text(), QString("演 示 "));
        QCOMPARE(w.startTarget(), QString("cutRun"));
        QCOMPARE(w.stopTarget(), QString("cutStopall"));
        QVERIFY(dir.readFile(".tovrelcnc/config.xml").contains("<Mode mode=\"0\"/>"));
    }

    // A nested methodChanged must not undo the method the operator chose;
    // the height page comes and goes from the file page's reload.
    void methodGuardAndHeightPage()
    {
        TempWorkDir dir;
        seedCanon(dir);
        NoticeRecorder notices;
        KMainWindow w;
        QList<QDialog *> runs;
        w.setModalRunner([&](QDialog *d) {
            runs << d;
            w.thcDialog->resetButton->click();
            return int(QDialog::Rejected);
        });
        QVERIFY(GuiTest::activate(&w));
        w.top2step();
        w.menuStep->fastBox->click();
        w.menuStep->inchBox->click();
        w.menuStep->machiningBox->click();
        QCOMPARE(w.method, 4);
        QCOMPARE(w.para.method, 4);
        QCOMPARE(w.writeDevice->method(), 4);
        QVERIFY(w.menuStep->machiningBox->isChecked());
        QVERIFY(w.menuMovement->slowBox->isChecked());
        w.step2top();

        w.top2file();
        w.menuFile->reloadButton->click();
        QCOMPARE(runs.size(), 1);
        QVERIFY(w.thc->menuTHC->isVisible());
        QVERIFY(w.thc->thcFrame->isVisible());
        QCOMPARE(onlyVisiblePage(w), static_cast<QWidget *>(nullptr));
        QMetaObject::invokeMethod(w.thc->menuTHC->backButton, "pressed");
        QCOMPARE(onlyVisiblePage(w), static_cast<QWidget *>(w.menuTop));
        QVERIFY(!w.thc->thcFrame->isVisible());
        QVERIFY(w.status->statusFrame->isVisible());
        QVERIFY(w.status->timeFrame->isVisible());
        QVERIFY(!w.codeNum->codeFrame->timer->isActive());

        QFile::remove(dir.filePath("ncfile/a.nc"));
        w.top2file();
        w.menuFile->reloadButton->click();
        QCOMPARE(runs.size(), 1);

        const int before = QDir("/proc/self/fd").count();
        w.close();
        QCOMPARE(QDir("/proc/self/fd").count(), before);
    }

    // The name of the key a button answers to (Esc, F1 to F9, Enter, Space)
    // is painted whole inside its button, on every page, as each page is
    // first shown.
    void keyNamesFitTheirKeys()
    {
        TempWorkDir dir;
        seedCanon(dir);
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        const QList<QLabel *> names = w.findChildren<QLabel *>(QStringLiteral("keyName"));
        QSet<QString> seen;
        for (QLabel *name : names) {
            for (QWidget *up = name->parentWidget(); up && up != &w; up = up->parentWidget())
                up->show();
            QVERIFY(name->isVisible());
            const QWidget *key = name->parentWidget();
            // Some names are coloured, as rich text.
            const QString text = QTextDocumentFragment::fromHtml(name->text()).toPlainText();
            const QFontMetrics metrics(name->font());
            const QRect painted = metrics.boundingRect(text).translated(name->x(), name->y() + metrics.ascent());
            const QString where = text + QStringLiteral(" on ") + key->parentWidget()->metaObject()->className();
            QVERIFY2(name->x() + metrics.horizontalAdvance(text) <= key->width(), qPrintable(where));
            QVERIFY2(QRect(QPoint(0, 0), key->size()).contains(painted), qPrintable(where));
            seen << text;
        }
        for (const char *expected : {"Esc", "F1", "F5", "F9", "Enter", "Space"})
            QVERIFY2(seen.contains(expected), expected);
    }

    // With no record of the last program, start-up loads the sample program.
    void startupWithoutFileConfig()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile(".tovrelcnc/config.xml",
                              "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<RavokConfig>\n"
                              "    <Base angel=\"0\" comp=\"0\" fx=\"0\" preci=\"10\" rotate=\"0\" sfx=\"0\" "
                              "sheetx=\"3000\" sheety=\"1500\"/>\n</RavokConfig>\n"));
        QVERIFY(dir.writeFile("ncfile/0003.nc", "G01 X700 Y0\n"));
        KMainWindow w;
        QCOMPARE(dir.readFile(".tovrelcnc/t.nc"), QByteArray("G01 X700 Y 0\n"));
        QCOMPARE(SegmentTable::length(cutSegments), 1);
    }

    // A program an older controller named in GBK (n, then 切), opened from
    // the browser: fileconfig.xml records its own bytes, so the next start
    // and the file page's reload load that very file; the title shows its
    // name in Chinese.
    void programNamedInGbk()
    {
        TempWorkDir dir;
        seedCanon(dir);
        QFile source(TestPaths::sourceDir() + "/template/ncfile/int_bracket.nc");
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray program = source.readAll();
        QVERIFY(dir.writeFile("ncfile/copy.nc", program));
        QVERIFY(RawFiles::write("ncfile/n\xc7\xd0.nc", program));
        const QString title = " - " + QDir::currentPath() + "/ncfile/n切.nc";
        NoticeRecorder notices;
        QByteArray loaded;
        {
            KMainWindow w;
            // What t.nc holds for this program, then another one loaded.
            QString copy = "./ncfile/copy.nc";
            w.setCurrentFile(copy);
            loaded = dir.readFile(".tovrelcnc/t.nc");
            QVERIFY(!loaded.isEmpty());
            QString other = "./ncfile/a.nc";
            w.setCurrentFile(other);
            QVERIFY(dir.readFile(".tovrelcnc/t.nc") != loaded);

            QVERIFY(GuiTest::activate(&w));
            key(w, Qt::Key_F1);
            key(w, Qt::Key_F1);
            QVERIFY(w.preview->isVisible());
            w.preview->fileNameEdit->setText("n切");
            key(w, Qt::Key_Return);
            QCOMPARE(w.preview->fileNameEdit->text(), QString("n切.nc"));
            key(w, Qt::Key_F4);
            QVERIFY(w.menuFile->isVisible());
            QCOMPARE(dir.readFile(".tovrelcnc/t.nc"), loaded);
            QVERIFY2(w.windowTitle().endsWith(title), qPrintable(w.windowTitle()));
        }
        // fileconfig.xml is UTF-8: each byte of the name that is not stands
        // there as U+F700 + the byte.
        const QByteArray record = dir.readFile(".tovrelcnc/fileconfig.xml");
        QVERIFY2(record.contains("filename=\"" + QFile::encodeName(QDir::currentPath())
                                 + "/ncfile/n\xef\x9f\x87\xef\x9f\x90.nc\""),
                 record.constData());

        QVERIFY(QFile::remove(".tovrelcnc/t.nc"));
        KMainWindow w;
        QCOMPARE(dir.readFile(".tovrelcnc/t.nc"), loaded);
        QVERIFY2(w.windowTitle().endsWith(title), qPrintable(w.windowTitle()));
        // The reload, which asks about the height after a load.
        int asked = 0;
        w.setModalRunner([&](QDialog *) {
            ++asked;
            return int(QDialog::Rejected);
        });
        QVERIFY(QFile::remove(".tovrelcnc/t.nc"));
        QVERIFY(GuiTest::activate(&w));
        key(w, Qt::Key_F1);
        key(w, Qt::Key_F4);
        QCOMPARE(dir.readFile(".tovrelcnc/t.nc"), loaded);
        QCOMPARE(asked, 1);
        QVERIFY2(w.windowTitle().endsWith(title), qPrintable(w.windowTitle()));
        QCOMPARE(notices.count(), 0);
    }

    // The height pages' three ways back, each pressed with the mouse, lead
    // to the top menu; the plasma panel's positioning lift and its
    // positioning descent both end the positioning when their countdowns
    // run out.
    void heightPagesAndPositioningEnds()
    {
        TempWorkDir dir;
        seedCanon(dir);
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        const struct {
            void (KTHC::*page)();
            KButton *button;
        } ways[] = {
            {&KTHC::showTHC1, w.thc->menuTHC->backButton},
            {&KTHC::showTHC1, w.thc->thc1Config->cancelButton},
            {&KTHC::showSpeed, w.thc->speedConfig->cancelButton},
        };
        for (const auto &way : ways) {
            w.top2thc();
            (w.thc->*way.page)();
            QVERIFY(w.thc->menuTHC->isVisible() && way.button->isVisible());
            QCOMPARE(onlyVisiblePage(w), static_cast<QWidget *>(nullptr));
            QTest::mousePress(way.button, Qt::LeftButton);
            QCOMPARE(onlyVisiblePage(w), static_cast<QWidget *>(w.menuTop));
            QVERIFY(!w.thc->thc1Config->isVisible() && !w.thc->speedConfig->isVisible());
            QTest::mouseRelease(way.button, Qt::LeftButton);
        }

        KStatusDLZ *dlz = w.status->statusFrame->dlz;
        for (void (KStatusDLZ::*end)() : {&KStatusDLZ::DWUpEnd, &KStatusDLZ::DWDownEnd}) {
            w.dwUpRunning = true;
            w.dwDone = false;
            w.dwUpTimer->start();
            w.dlzDwDownTimer->start();
            (dlz->*end)();
            QVERIFY(!w.dwUpRunning);
            QVERIFY(w.dwDone);
            QVERIFY(!w.dwUpTimer->isActive() && !w.dlzDwDownTimer->isActive());
            w.dlzEnd();
        }
    }

    void heightPagesDropUnsavedEdits_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("automatic");
        QTest::newRow("THC1, cancel") << "THC1"
                                      << "cancel"
                                      << "7.5"
                                      << "2" << true;
        QTest::newRow("THC1, back") << "THC1"
                                    << "back"
                                    << "7.5"
                                    << "2" << true;
        QTest::newRow("speed, cancel") << "speed"
                                       << "cancel"
                                       << "4500"
                                       << "3000" << false;
        QTest::newRow("speed, back") << "speed"
                                     << "back"
                                     << "4500"
                                     << "3000" << false;
        QTest::newRow("THC2, back") << "THC2"
                                    << "back"
                                    << "7.5"
                                    << "7.5" << false;
    }

    // Leaving the height pages throws away what was typed and not saved on
    // the first torch's page and on the speed page; the second torch's page,
    // which nothing fills or saves, keeps what it shows.
    void heightPagesDropUnsavedEdits()
    {
        QFETCH(QString, page);
        QFETCH(QString, way);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, automatic);
        TempWorkDir dir;
        seedCanon(dir);
        const QByteArray saved = "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<THCConfig>\n"
                                 "    <THC1 HYN=\"3\" HYP=\"5\" distAll=\"80\" distCK=\"3\" distCut=\"2\" "
                                 "distDW=\"20\" distXH=\"10\" distYH=\"6\" mode=\"1\"/>\n"
                                 "    <THC2/>\n"
                                 "    <THCSpeed acc=\"1\" aut=\"1000\" fast=\"3000\" jog=\"2000\" slow=\"600\"/>\n"
                                 "</THCConfig>\n";
        QVERIFY(dir.writeFile("ravok/.tovrelcnc/thcconfig.xml", saved));
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        KTHC *thc = w.thc;
        KButton *pageButton = thc->menuTHC->speedButton;
        QLineEdit *edit = thc->speedConfig->fastEdit;
        KTHCConfig *modes = nullptr; // a page with the automatic and manual mode
        KButton *cancel = thc->speedConfig->cancelButton;
        if (page != QLatin1String("speed")) {
            modes = page == QLatin1String("THC1") ? thc->thc1Config : thc->thc2Config;
            pageButton = page == QLatin1String("THC1") ? thc->menuTHC->thc1Button : thc->menuTHC->thc2Button;
            edit = modes->distCutEdit;
            cancel = modes->cancelButton;
        }
        KButton *leave = way == QLatin1String("cancel") ? cancel : thc->menuTHC->backButton;

        w.top2thc();
        QTest::mouseClick(pageButton, Qt::LeftButton);
        QVERIFY(edit->isVisible());
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), typed);
        if (modes) {
            QTest::mouseClick(modes->manuRadio, Qt::LeftButton);
            QVERIFY(modes->manuRadio->isChecked());
        }

        QTest::mousePress(leave, Qt::LeftButton);
        QCOMPARE(onlyVisiblePage(w), static_cast<QWidget *>(w.menuTop));
        QTest::mouseRelease(leave, Qt::LeftButton);
        QCOMPARE(edit->text(), shown);
        if (modes)
            QCOMPARE(modes->autoRadio->isChecked(), automatic);

        // Back on the page, it shows the same.
        w.top2thc();
        QTest::mouseClick(pageButton, Qt::LeftButton);
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->text(), shown);
        if (modes)
            QCOMPARE(modes->autoRadio->isChecked(), automatic);
        QCOMPARE(thc->thc1Config->distCut, 2.0);
        QCOMPARE(thc->speedConfig->fast, 3000);
        QCOMPARE(dir.readFile("ravok/.tovrelcnc/thcconfig.xml"), saved);
        QCOMPARE(notices.count(), 0);
    }

    // Where one signal reaches two receivers, the one whose state the
    // other's work may read comes first.
    void receiverOrder()
    {
        TempWorkDir dir;
        seedCanon(dir);
        KMainWindow w;
        const struct {
            QObject *sender;
            const char *signal;
            QString first;
            QString second;
        } rows[] = {
            {w.menuConfig, "pMoveChanged(int,int)", "Parser::setPFmove(int,int)", "KWriteDevice::writePF(int,int)"},
            {w.menuConfig, "angelChanged(double)", "KInfo::setAngel(double)", "KSimu::setAngel(double)"},
            {w.readIntThread, "flagChanged(int)", "KSpeed::setFlag(int)", "KMainWindow::setSegEndFlag(int)"},
        };
        for (const auto &row : rows) {
            const QStringList receivers = receiversOf(row.sender, row.signal);
            const int first = receivers.indexOf(row.first);
            const int second = receivers.indexOf(row.second);
            QVERIFY2(first >= 0 && second > first, qPrintable(receivers.join(QStringLiteral(", "))));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
