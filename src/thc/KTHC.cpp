#include "thc/KTHC.h"

#include "app/base/KButton.h"
#include "config/ConfigDocument.h"
#include "config/ConfigValue.h"
#include "config/KTHCXmlHandler.h"
#include "config/ThcConfig.h"
#include "device/DeviceIo.h"
#include "device/KReadSGThread.h"
#include "device/KWriteSG.h"
#include "status/KZU.h"
#include "status/KZUFrame.h"
#include "thc/KMenuTHC.h"
#include "thc/KTHCConfig.h"
#include "thc/KTHCFrame.h"
#include "thc/KTHCSpeedConfig.h"
#include "thc/ThcNumber.h"

#include <QCloseEvent>
#include <QDebug>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <cstdlib>

const QRect KTHC::kMenuRect(0, 678, 1024, 70);
const QRect KTHC::kFrameRect(792, 88, 230, 590);
const QRect KTHC::kPageAreaRect(2, 34, 788, 642);

KTHC::KTHC(QWidget *parent)
    : QWidget(parent)
{
    // No content of its own: kept hidden so it never covers the window.
    hide();
    QWidget *window = parentWidget();

    menuTHC = new KMenuTHC(window);
    menuTHC->setGeometry(kMenuRect);
    menuTHC->hide();

    thcFrame = new KTHCFrame(window);
    thcFrame->setGeometry(kFrameRect);
    thcFrame->hide();

    pageArea = new QScrollArea(window);
    pageArea->setGeometry(kPageAreaRect);
    pageArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pageArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *holder = new QWidget;
    holder->resize(KTHCPage::kWidth, KTHCPage::kHeight);
    thc1Config = new KTHCConfig(tr("Z1"), holder);
    thc1Config->hide();
    thc2Config = new KTHCConfig(tr("Z2"), holder);
    thc2Config->hide();
    speedConfig = new KTHCSpeedConfig(holder);
    speedConfig->hide();
    pageArea->setWidget(holder);
    pageArea->hide();

    writeSG = new KWriteSG(fdZ, fdStop, fdIO, this);
    readSG = new KReadSGThread(fdZ, fdIO, fdStop, this);

    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    xmlReader = new QXmlSimpleReader;
    QT_WARNING_POP
    xmlHandler = new KTHCXmlHandler(xmlReader);

    // Named, so tests can find them and run them shorter.
    clearThc1Timer = new QTimer(this);
    clearThc1Timer->setObjectName(QStringLiteral("clearThc1Timer"));
    clearSpeedTimer = new QTimer(this);
    clearSpeedTimer->setObjectName(QStringLiteral("clearSpeedTimer"));
    for (QTimer *timer : {clearThc1Timer, clearSpeedTimer}) {
        timer->setSingleShot(true);
        timer->setInterval(2000);
    }
    connect(clearThc1Timer, &QTimer::timeout, thc1Config, &KTHCConfig::clearText);
    connect(clearSpeedTimer, &QTimer::timeout, speedConfig, &KTHCSpeedConfig::clearText);

    connect(menuTHC->thc1Button, &KButton::clicked, this, &KTHC::showTHC1);
    connect(menuTHC->thc2Button, &KButton::clicked, this, &KTHC::showTHC2);
    connect(menuTHC->speedButton, &KButton::clicked, this, &KTHC::showSpeed);
    connect(thcFrame, &KTHCFrame::sg1Up, this, &KTHC::sg1UpPressed);
    connect(thcFrame, &KTHCFrame::sg1Down, this, &KTHC::sg1DownPressed);
    connect(thcFrame, &KTHCFrame::sg1Stop, this, &KTHC::writeSGStep1Stop);
    connect(thc1Config->measureButton, &KButton::clicked, this, &KTHC::startDistAll);
    connect(thc1Config->testTHCButton, &KButton::clicked, this, &KTHC::startTHC);
    connect(thc1Config->testDWButton, &KButton::clicked, this, &KTHC::testDW);
    connect(thc1Config->goTopButton, &KButton::clicked, this, &KTHC::startGoTop);
    connect(thc1Config->takeDistAllButton, &KButton::clicked, this, &KTHC::setTHC1DistAll);
    connect(thc1Config->takeDistDWButton, &KButton::clicked, this, &KTHC::setTHC1DistDW);
    connect(thc1Config->takeDistXHButton, &KButton::clicked, this, &KTHC::setTHC1DistXH);
    connect(thc1Config->takeDistYHButton, &KButton::clicked, this, &KTHC::setTHC1DistYH);
    connect(thc1Config->takeDistCKButton, &KButton::clicked, this, &KTHC::setTHC1DistCK);
    connect(thc1Config->takeDistCutButton, &KButton::clicked, this, &KTHC::setTHC1DistCut);
    connect(thc1Config->okButton, &KButton::clicked, this, &KTHC::saveTHCConfig);
    connect(speedConfig->okButton, &KButton::clicked, this, &KTHC::saveTHCConfig);
    connect(readSG, &KReadSGThread::valueZ1Changed, thcFrame->zuFrame->zu, &KZU::setZ1);
    connect(readSG, &KReadSGThread::valueU1Changed, this, &KTHC::U1Changed);
    connect(readSG, &KReadSGThread::underTouched, this, &KTHC::underTouch);
    connect(readSG, &KReadSGThread::topTouched, this, &KTHC::topTouch);
    connect(readSG, &KReadSGThread::stepStopped, this, &KTHC::stepStopped);
    connect(readSG, &KReadSGThread::moveStopped, this, &KTHC::moveStopped);
    connect(xmlHandler, &KTHCXmlHandler::readTHC1, this, &KTHC::readConfigTHC1);
    connect(xmlHandler, &KTHCXmlHandler::readTHCSpeed, this, &KTHC::readConfigTHCSpeed);
    // Runs after the page's own switch to automatic, which enables the test button.
    connect(thc1Config->autoRadio, &QRadioButton::clicked, this, &KTHC::guardTestTHC);

    for (QWidget *w : std::initializer_list<QWidget *>{menuTHC, thcFrame, thc1Config, thc2Config, speedConfig})
        w->installEventFilter(this);

    xmlHandler->parseFile(ConfigDocument::thcConfigPath(), &configUnreadable);

    resetTHC();
    lastVolt = 0;
}

KTHC::~KTHC()
{
    readSG->stopLoop();
    delete xmlHandler;
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    delete xmlReader;
    QT_WARNING_POP
}

void KTHC::setHeightChannel(std::shared_ptr<HeightChannel> channel)
{
    writeSG->setChannel(channel);
    readSG->setChannel(channel);
}

bool KTHC::eventFilter(QObject *watched, QEvent *event)
{
    const bool page = watched == thc1Config || watched == thc2Config || watched == speedConfig;
    if (event->type() == QEvent::ShowToParent) {
        if (page) {
            pageArea->show();
            pageArea->raise();
        } else {
            static_cast<QWidget *>(watched)->raise();
        }
    } else if (event->type() == QEvent::HideToParent && page) {
        pageArea->setVisible(!thc1Config->isHidden() || !thc2Config->isHidden() || !speedConfig->isHidden());
    }
    return QWidget::eventFilter(watched, event);
}

void KTHC::closeEvent(QCloseEvent *event)
{
    readSG->stopLoop();
    for (int *fd : {&fdZ, &fdIO, &fdStop}) {
        if (DeviceIo::isOpen(*fd))
            DeviceIo::close(*fd);
        *fd = DeviceIo::kNotOpen;
    }
    event->accept();
}

// ---- helpers ----

double KTHC::currentZ() const
{
    return thcFrame->zuFrame->zu->getZ1();
}

void KTHC::moveTo(double height, int speed)
{
    const double z = currentZ();
    readSG->moveReported = false;
    writeSG->writeSGMove(ThcNumber::truncated((height - z) * 100), speed);
}

void KTHC::enable(std::initializer_list<QWidget *> widgets, bool on)
{
    for (QWidget *w : widgets)
        w->setEnabled(on);
    if (on)
        guardTestTHC();
}

void KTHC::guardTestTHC()
{
    if (thc1Config->manuRadio->isChecked() || (pageBusy() && !thcTesting))
        thc1Config->testTHCButton->setEnabled(false);
}

bool KTHC::pageBusy() const
{
    return measuring || goingTop || dwTesting || thcTesting;
}

void KTHC::toggleRunning(KButton *button, const QString &status, Slot stop)
{
    thc1Config->setStatusText(status);
    button->setText(tr("停止"));
    disconnect(button, nullptr, this, nullptr);
    connect(button, &KButton::clicked, this, stop);
}

void KTHC::toggleIdle(KButton *button, const QString &caption, Slot start)
{
    thc1Config->clearText();
    rewireIdle(button, caption, start);
}

void KTHC::rewireIdle(KButton *button, const QString &caption, Slot start)
{
    button->setText(caption);
    disconnect(button, nullptr, this, nullptr);
    connect(button, &KButton::clicked, this, start);
}

void KTHC::finishPositioning()
{
    dwRunning = false;
    dwStopRequested = false;
    dwFastMove = false;
    enable({thcFrame->group1, thcFrame->groupAll}, true);
    if (dwTesting)
        stopTestDW();
    else
        emit dlzDWSuccess();
}

// ---- step slots ----

void KTHC::writeSGStep1Up(int speed)
{
    readSG->readyReported = true;
    readSG->stepReported = false;
    readSG->topReported = false;
    writeSG->writeSGStep1Up(speed);
}

void KTHC::writeSGStep1Down(int speed)
{
    readSG->readyReported = true;
    readSG->stepReported = false;
    readSG->underReported = false;
    writeSG->writeSGStep1Down(speed);
}

void KTHC::writeSGStep1Stop()
{
    jogWaitsStop = false;
    writeSG->writeSGStep1Stop();
}

// ---- height cycle ----

void KTHC::startDW()
{
    dwRunning = true;
    dwTouched = false;
    dwStopRequested = false;
    const double z = currentZ();
    readSG->readyReported = true;
    readSG->underReported = false;
    dwFastMove = z > thc1Config->distDW;
    if (dwFastMove)
        moveTo(thc1Config->distDW, speedConfig->fast);
    else
        writeSGStep1Down(speedConfig->slow);
    enable({thcFrame->group1, thcFrame->groupAll}, false);
}

void KTHC::stopActive()
{
    if (!dwRunning)
        return;
    dwStopRequested = true;
    // The stopped fast move must not go on into the slow descent.
    dwFastMove = false;
    writeSG->writeSGMove1Stop();
    writeSG->writeSGStep1Stop();
}

void KTHC::startCK()
{
    ckRunning = true;
    moveTo(thc1Config->distCK, speedConfig->fast);
    enable({thcFrame->group1, thcFrame->groupAll}, false);
}

void KTHC::startCut()
{
    cutRunning = true;
    moveTo(thc1Config->distCut, speedConfig->fast);
}

void KTHC::stopYH()
{
    if (ckRunning || cutRunning) {
        yhStopRequested = true;
        writeSG->writeSGMove1Stop();
    } else {
        endYH();
    }
}

void KTHC::endYH()
{
    yhEndRunning = true;
    moveTo(thc1Config->distYH, speedConfig->fast);
}

void KTHC::XHUp()
{
    xhUpRequested = true;
    if (!avcUp && !avcDown)
        startXHUp();
}

void KTHC::startXHUp()
{
    xhUpRequested = false;
    xhUpRunning = true;
    moveTo(thc1Config->distXH, speedConfig->fast);
}

// ---- reports ----

void KTHC::underTouch()
{
    qDebug("under touched");
    writeSG->writeSGStep1Stop();
    if (measuring) {
        writeSG->writeSGClear();
        measureTouched = true;
    }
    if (dwRunning)
        dwTouched = true;
}

void KTHC::topTouch()
{
    qDebug("top touched");
    writeSG->writeSGStep1Stop();
    setTHC1DistAll();
    if (measuring)
        stopDistAll();
    if (goingTop)
        stopGoTop();
}

void KTHC::stepStopped()
{
    if (measureTouched) {
        measureTouched = false;
        writeSGStep1Up(speedConfig->slow);
    }
    if (dwTouched) {
        dwTouched = false;
        writeSG->writeSGClear();
        readSG->moveReported = false;
        writeSG->writeSGMove(ThcNumber::truncated(thc1Config->distYH * 100), speedConfig->slow);
    }
    if (dwStopRequested)
        finishPositioning();
    if (avcStopping)
        avcStopping = false;
    // Whatever ended it (a reading, a plate or top contact), no automatic step
    // runs any more: the next reading may start one, so the control never
    // waits for the stop of a step that has already stopped.
    avcUp = avcDown = false;
    if (xhUpRequested)
        startXHUp();
    if (jogUpRunning && jogRequested) {
        jogUpRunning = false;
        jogRequested = false;
        readSG->u1Request = true;
        avcUp = avcDown = false;
    } else if (jogRequested && !jogUpRunning) {
        if (jogWaitsStop) {
            jogWaitsStop = false;
            writeSGStep1Up(speedConfig->jog);
            jogUpRunning = true;
        } else {
            jogRequested = false;
            readSG->u1Request = true;
            avcUp = avcDown = false;
        }
    }
    if (goingTop) {
        goingTop = false;
        enable({thc1Config->measureButton, thc1Config->testDWButton, thc1Config->testTHCButton, thc1Config->okButton,
                thc1Config->cancelButton, menuTHC, thcFrame->group1, thcFrame->groupAll},
               true);
    }
    // While another activity of the page runs, going to the top stays locked.
    if (!pageBusy())
        thc1Config->goTopButton->setEnabled(currentZ() < topHeight);
}

void KTHC::moveStopped()
{
    // A return to the arc-start height started within this report ends with a later one.
    const bool yhEndWasRunning = yhEndRunning;
    bool yhRestarted = false;
    if (dwRunning) {
        if (dwFastMove) {
            dwFastMove = false;
            writeSGStep1Down(speedConfig->slow);
        } else {
            finishPositioning();
        }
    }
    if (ckRunning && !yhStopRequested) {
        ckRunning = false;
        if (!yhEndRunning)
            emit dlzStartDelay();
    }
    if (cutRunning && !yhStopRequested) {
        cutRunning = false;
        if (!yhEndRunning) {
            emit dlzStartCut();
            enable({thcFrame->group1, thcFrame->groupAll}, true);
        }
    }
    if (yhStopRequested) {
        yhStopRequested = false;
        ckRunning = false;
        cutRunning = false;
        endYH();
        yhRestarted = true;
    }
    if (yhEndWasRunning) {
        if (!yhRestarted)
            yhEndRunning = false;
        emit dlzYHEnd();
        enable({thcFrame->group1, thcFrame->groupAll}, true);
    }
    if (xhUpRunning) {
        xhUpRunning = false;
        emit dlzOffEnd();
    }
}

void KTHC::resetTHC()
{
    // An activity cut short by the reset leaves no "停止" caption behind.
    if (pageBusy())
        thc1Config->clearText();
    rewireIdle(thc1Config->measureButton, tr("测量顶部高度"), &KTHC::startDistAll);
    rewireIdle(thc1Config->goTopButton, tr("回顶部"), &KTHC::startGoTop);
    rewireIdle(thc1Config->testTHCButton, tr("弧压测试"), &KTHC::startTHC);
    rewireIdle(thc1Config->testDWButton, tr("定位测试"), &KTHC::testDW);
    measuring = dwRunning = ckRunning = cutRunning = xhUpRunning = yhEndRunning = yhStopRequested = false;
    goingTop = dwStopRequested = dwTesting = false;
    measureTouched = dwFastMove = dwTouched = xhUpRequested = false;
    jogUpRunning = jogRequested = jogWaitsStop = avcUp = avcDown = avcStopping = false;
    thcTesting = false;
    stdVolt = 0;
    sampleStdVolt = true;
    readSG->reset();
    enable({thc1Config->measureButton, thc1Config->goTopButton, thc1Config->testDWButton, thc1Config->testTHCButton,
            thc1Config->okButton, thc1Config->cancelButton, menuTHC, thcFrame->group1, thcFrame->groupAll},
           true);
}

// ---- manual moves ----

void KTHC::sg1UpPressed()
{
    readSG->topReported = false;
    if (readSG->u1Request) {
        readSG->u1Request = false;
        jogRequested = true;
        if (avcUp || avcDown) {
            // The jog starts when the automatic step has stopped.
            jogWaitsStop = true;
            writeSG->writeSGStep1Stop();
            return;
        }
        jogUpRunning = true;
    }
    writeSGStep1Up(speedConfig->jog);
}

void KTHC::sg1DownPressed()
{
    writeSGStep1Down(speedConfig->jog);
}

void KTHC::writeSGMovement()
{
    writeSG->writeSGMove(60, 3000);
}

void KTHC::takeHeight(QLineEdit *edit)
{
    edit->setText(ConfigValue::number(currentZ()));
}

void KTHC::setTHC1DistAll()
{
    takeHeight(thc1Config->distAllEdit);
    topHeight = currentZ();
}

void KTHC::setTHC1DistDW()
{
    takeHeight(thc1Config->distDWEdit);
}

void KTHC::setTHC1DistXH()
{
    takeHeight(thc1Config->distXHEdit);
}

void KTHC::setTHC1DistYH()
{
    takeHeight(thc1Config->distYHEdit);
}

void KTHC::setTHC1DistCK()
{
    takeHeight(thc1Config->distCKEdit);
}

void KTHC::setTHC1DistCut()
{
    takeHeight(thc1Config->distCutEdit);
}

void KTHC::startDistAll()
{
    toggleRunning(thc1Config->measureButton, tr("测量总高度．．．"), &KTHC::stopDistAll);
    measuring = true;
    writeSGStep1Down(speedConfig->slow);
    enable({thc1Config->goTopButton, thc1Config->testDWButton, thc1Config->testTHCButton, thc1Config->okButton,
            thc1Config->cancelButton, menuTHC, thcFrame->group1, thcFrame->groupAll},
           false);
}

void KTHC::stopDistAll()
{
    toggleIdle(thc1Config->measureButton, tr("测量顶部高度"), &KTHC::startDistAll);
    measuring = false;
    // A contact reported before the stop must not lift the torch afterwards.
    measureTouched = false;
    writeSG->writeSGStep1Stop();
    enable({thc1Config->goTopButton, thc1Config->testDWButton, thc1Config->testTHCButton, thc1Config->okButton,
            thc1Config->cancelButton, menuTHC, thcFrame->group1, thcFrame->groupAll},
           true);
}

void KTHC::startGoTop()
{
    toggleRunning(thc1Config->goTopButton, tr("割炬返回顶部．．．"), &KTHC::stopGoTop);
    goingTop = true;
    writeSGStep1Up(speedConfig->slow);
    enable({thc1Config->measureButton, thc1Config->testDWButton, thc1Config->testTHCButton, thc1Config->okButton,
            thc1Config->cancelButton, menuTHC, thcFrame->group1, thcFrame->groupAll},
           false);
}

void KTHC::stopGoTop()
{
    // The controls come back with the step's stop report.
    toggleIdle(thc1Config->goTopButton, tr("回顶部"), &KTHC::startGoTop);
    writeSG->writeSGStep1Stop();
}

void KTHC::startTHC()
{
    toggleRunning(thc1Config->testTHCButton, tr("弧压测试．．．"), &KTHC::stopTHC);
    thcTesting = true;
    sampleStdVolt = true;
    lastVolt = 0;
    readSG->u1Request = true;
    enable({thc1Config->measureButton, thc1Config->testDWButton, thc1Config->goTopButton, thc1Config->okButton,
            thc1Config->cancelButton, thc1Config->autoRadio, thc1Config->manuRadio, menuTHC, thcFrame->down1Button},
           false);
    avcUp = avcDown = false;
}

void KTHC::stopTHC()
{
    toggleIdle(thc1Config->testTHCButton, tr("弧压测试"), &KTHC::startTHC);
    thcTesting = false;
    readSG->u1Request = false;
    // Nothing may turn the polling back on, or step, once the test is over.
    jogRequested = jogUpRunning = jogWaitsStop = false;
    avcUp = avcDown = false;
    writeSG->writeSGStep1Stop();
    enable({thc1Config->goTopButton, thc1Config->testDWButton, thc1Config->measureButton, thc1Config->okButton,
            thc1Config->cancelButton, thc1Config->autoRadio, thc1Config->manuRadio, menuTHC, thcFrame->down1Button},
           true);
}

void KTHC::testDW()
{
    toggleRunning(thc1Config->testDWButton, tr("等离子定位．．．"), &KTHC::stopTestDW);
    dwTesting = true;
    startDW();
    enable({thc1Config->measureButton, thc1Config->goTopButton, thc1Config->testTHCButton, thc1Config->okButton,
            thc1Config->cancelButton, menuTHC},
           false);
}

void KTHC::stopTestDW()
{
    toggleIdle(thc1Config->testDWButton, tr("定位测试"), &KTHC::testDW);
    dwTesting = false;
    dwRunning = false;
    dwFastMove = false;
    dwStopRequested = false;
    writeSG->writeSGMove1Stop();
    writeSG->writeSGStep1Stop();
    enable({thc1Config->goTopButton, thc1Config->measureButton, thc1Config->testTHCButton, thc1Config->okButton,
            thc1Config->cancelButton, menuTHC, thcFrame->group1, thcFrame->groupAll},
           true);
}

void KTHC::U1Changed(uint u)
{
    thcFrame->zuFrame->zu->setU1(u);
    if (sampleStdVolt) {
        const qint64 d = std::llabs(qint64(u) - lastVolt);
        const int limit = ThcNumber::truncated(thc1Config->HYP * 10);
        if (d > limit) {
            lastVolt = int(u);
            return;
        }
        sampleStdVolt = false;
        stdVolt = int(u);
        thc1Config->stdVoltEdit->setText(QString::number(u / 10.0, 'g', 6));
    }
    if (!readSG->u1Request || sampleStdVolt)
        return;
    const double v = u;
    if (v < stdVolt - 10 * thc1Config->HYN) {
        steer(avcUp, avcDown, &KTHC::writeSGStep1Up);
    } else if (v > stdVolt + 10 * thc1Config->HYP) {
        steer(avcDown, avcUp, &KTHC::writeSGStep1Down);
    } else if (avcUp || avcDown) {
        avcUp = avcDown = false;
        avcStopping = true;
        writeSG->writeSGStep1Stop();
    }
}

void KTHC::steer(bool &toward, bool &away, void (KTHC::*step)(int))
{
    if (toward)
        return;
    if (away) {
        // A step the wrong way is stopped first; the new one starts after its stop report.
        away = false;
        avcStopping = true;
        writeSG->writeSGStep1Stop();
    } else if (!avcStopping) {
        toward = true;
        (this->*step)(speedConfig->aut);
    }
}

// ---- configuration ----

void KTHC::readConfigTHC1(QXmlAttributes attributes)
{
    KTHCConfig *page = thc1Config;
    auto take = [&attributes](const char *key, double &value, QLineEdit *edit) {
        value = ConfigValue::toDouble(attributes.value(QLatin1String(key)));
        edit->setText(ConfigValue::number(value));
    };
    take("distAll", page->distAll, page->distAllEdit);
    topHeight = page->distAll;
    take("distDW", page->distDW, page->distDWEdit);
    take("distXH", page->distXH, page->distXHEdit);
    take("distYH", page->distYH, page->distYHEdit);
    take("distCK", page->distCK, page->distCKEdit);
    take("distCut", page->distCut, page->distCutEdit);
    take("HYN", page->HYN, page->hynEdit);
    take("HYP", page->HYP, page->hypEdit);
    page->mode = ConfigValue::toInt(attributes.value(QStringLiteral("mode")));
    showMode();
}

void KTHC::showMode()
{
    KTHCConfig *page = thc1Config;
    if (page->mode == 1) {
        page->autoRadio->setChecked(true);
        page->setModeAuto();
    } else if (page->mode == 0) {
        page->manuRadio->setChecked(true);
        page->setModeManu();
    }
    guardTestTHC();
}

void KTHC::readConfigTHCSpeed(QXmlAttributes attributes)
{
    KTHCSpeedConfig *page = speedConfig;
    auto take = [&attributes](const char *key, int &value, QLineEdit *edit) {
        value = std::max(600, ConfigValue::toInt(attributes.value(QLatin1String(key))));
        edit->setText(ConfigValue::number(value));
    };
    take("fast", page->fast, page->fastEdit);
    take("slow", page->slow, page->slowEdit);
    take("jog", page->jog, page->jogEdit);
    take("aut", page->aut, page->autEdit);
    page->acc = ConfigValue::toInt(attributes.value(QStringLiteral("acc")));
    if (page->acc <= 0)
        page->acc = 1;
    page->accEdit->setText(ConfigValue::number(page->acc));
    writeSG->setValue(page->acc);
}

void KTHC::saveTHCConfig()
{
    KTHCConfig *page = thc1Config;
    KTHCSpeedConfig *speed = speedConfig;
    page->distAll = ConfigValue::toDouble(page->distAllEdit->text());
    page->distDW = ConfigValue::toDouble(page->distDWEdit->text());
    page->distXH = ConfigValue::toDouble(page->distXHEdit->text());
    page->distYH = ConfigValue::toDouble(page->distYHEdit->text());
    page->distCK = ConfigValue::toDouble(page->distCKEdit->text());
    page->distCut = ConfigValue::toDouble(page->distCutEdit->text());
    page->HYN = ConfigValue::toDouble(page->hynEdit->text());
    page->HYP = ConfigValue::toDouble(page->hypEdit->text());
    speed->fast = ConfigValue::toInt(speed->fastEdit->text());
    speed->slow = ConfigValue::toInt(speed->slowEdit->text());
    speed->jog = ConfigValue::toInt(speed->jogEdit->text());
    speed->aut = ConfigValue::toInt(speed->autEdit->text());
    speed->acc = ConfigValue::toInt(speed->accEdit->text());
    if (speed->acc <= 0) {
        speed->acc = 1;
        speed->accEdit->setText(ConfigValue::number(speed->acc));
    }
    writeSG->setValue(speed->acc);
    if (page->autoRadio->isChecked())
        page->mode = 1;
    else if (page->manuRadio->isChecked())
        page->mode = 0;

    ThcConfig config;
    config.distAll = page->distAll;
    config.distDW = page->distDW;
    config.distXH = page->distXH;
    config.distYH = page->distYH;
    config.distCK = page->distCK;
    config.distCut = page->distCut;
    config.HYN = page->HYN;
    config.HYP = page->HYP;
    config.mode = page->autoRadio->isChecked() || page->manuRadio->isChecked() ? page->mode : -1;
    config.fast = speed->fast;
    config.slow = speed->slow;
    config.jog = speed->jog;
    config.aut = speed->aut;
    config.acc = speed->acc;

    if (writeThcConfig(config)) {
        thc1Config->setStatusText(tr("数据已保存。。。"));
        speedConfig->setStatusText(tr("数据已保存。。。"));
        clearThc1Timer->start();
        clearSpeedTimer->start();
    } else {
        // The failure stays until the next save or the next clear.
        clearThc1Timer->stop();
        clearSpeedTimer->stop();
        thc1Config->setStatusText(tr("数据保存失败!"));
        speedConfig->setStatusText(tr("数据保存失败!"));
        qWarning("write thcconfig error...");
    }
}

void KTHC::updateConfigPage()
{
    KTHCConfig *page = thc1Config;
    page->distAllEdit->setText(ConfigValue::number(page->distAll));
    page->distDWEdit->setText(ConfigValue::number(page->distDW));
    page->distXHEdit->setText(ConfigValue::number(page->distXH));
    page->distYHEdit->setText(ConfigValue::number(page->distYH));
    page->distCKEdit->setText(ConfigValue::number(page->distCK));
    page->distCutEdit->setText(ConfigValue::number(page->distCut));
    page->hypEdit->setText(ConfigValue::number(page->HYP));
    page->hynEdit->setText(ConfigValue::number(page->HYN));
    showMode();
    KTHCSpeedConfig *speed = speedConfig;
    speed->fastEdit->setText(ConfigValue::number(speed->fast));
    speed->slowEdit->setText(ConfigValue::number(speed->slow));
    speed->jogEdit->setText(ConfigValue::number(speed->jog));
    speed->autEdit->setText(ConfigValue::number(speed->aut));
    speed->accEdit->setText(ConfigValue::number(speed->acc));
}

void KTHC::showPage(KTHCPage *page, const QString &title)
{
    for (KTHCPage *other : std::initializer_list<KTHCPage *>{thc1Config, thc2Config, speedConfig})
        if (other != page)
            other->hide();
    updateConfigPage();
    page->show();
    page->setTitleText(title);
    // The pages share one scroll area: each opens at its title.
    pageArea->verticalScrollBar()->setValue(0);
}

void KTHC::showTHC1()
{
    showPage(thc1Config, tr("１＃ 割炬高度控制参数"));
}

void KTHC::showTHC2()
{
    showPage(thc2Config, tr("２＃ 割炬高度控制参数"));
}

void KTHC::showSpeed()
{
    showPage(speedConfig, tr("割炬升降速度参数"));
}
