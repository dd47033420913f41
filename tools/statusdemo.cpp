// A test window that places the status frames where the main window places
// them, with their state set from the command line:
//   statusdemo [--mode 0|1|2|3] [--message CODE] [--speed V] [--tick SLOT:COUNT] [--shot FILE]
// --tick calls a tick slot of the visible process panel COUNT times once the
// window is up, 100 ms apart as the main window's timers would; --shot saves
// a PNG of the window after that and quits.
#include "DemoApp.h"
#include "DemoWindow.h"
#include "status/KInfo.h"
#include "status/KInfoFrame.h"
#include "status/KMorepointFrame.h"
#include "status/KSimuFrame.h"
#include "status/KSpeed.h"
#include "status/KSpeedFrame.h"
#include "status/KStatus.h"
#include "status/KStatusDLZ.h"
#include "status/KStatusFire.h"
#include "status/KStatusFrame.h"
#include "status/KStatusPF.h"
#include "status/KText.h"
#include "status/KTextFrame.h"
#include "status/KTorch.h"
#include "status/KXY.h"
#include "status/KXYFrame.h"

#include <QCommandLineParser>
#include <QEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <functional>

namespace {

void frame(QFrame *f, const QRect &geometry)
{
    f->setGeometry(geometry);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
}

int fail(const char *message)
{
    std::fprintf(stderr, "statusdemo: %s\n", message);
    return 2;
}

// Runs `then` from the event loop once `target` has had its first paint.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *target, std::function<void()> then)
        : then_(std::move(then))
    {
        target->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && then_) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, then_);
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

int main(int argc, char *argv[])
{
    DemoApp app(argc, argv);

    QCommandLineParser cli;
    cli.addHelpOption();
    const QCommandLineOption modeOpt("mode", "Process mode 0 demo, 1 flame, 2 plasma, 3 powder.", "MODE", "1");
    const QCommandLineOption messageOpt("message", "Message code for the message line.", "CODE", "1");
    const QCommandLineOption speedOpt("speed", "Current speed in mm/min.", "V");
    const QCommandLineOption tickOpt("tick", "Tick slot of the visible panel and count, e.g. minusCK:35.",
                                     "SLOT:COUNT");
    const QCommandLineOption shotOpt("shot", "Save a PNG of the window and quit.", "FILE");
    cli.addOptions({modeOpt, messageOpt, speedOpt, tickOpt, shotOpt});
    cli.process(app);

    bool ok = false;
    const int mode = cli.value(modeOpt).toInt(&ok);
    if (!ok || mode < 0 || mode > 3)
        return fail("--mode takes 0, 1, 2 or 3");
    const int message = cli.value(messageOpt).toInt(&ok);
    if (!ok)
        return fail("--message takes an integer code");

    QWidget window;
    DemoWindow::makeStandIn(window, QStringLiteral("statusdemo"), DemoWindow::Placement::Unplaced);

    auto *infoFrame = new KInfoFrame(&window);
    frame(infoFrame, QRect(2, 2, 1020, 30));
    infoFrame->setFocusPolicy(Qt::NoFocus);
    auto *xyFrame = new KXYFrame(&window);
    frame(xyFrame, QRect(2, 34, 256, 67));
    auto *textFrame = new KTextFrame(&window);
    frame(textFrame, QRect(2, 103, 256, 38));
    auto *morepointFrame = new KMorepointFrame(&window);
    frame(morepointFrame, QRect(2, 143, 256, 319));
    auto *simuFrame = new KSimuFrame(&window);
    frame(simuFrame, QRect(260, 34, 582, 650));
    simuFrame->showSimu();
    auto *status = new KStatus(&window);
    status->setGeometry(844, 34, 178, 494);
    auto *speedFrame = new KSpeedFrame(&window);
    frame(speedFrame, QRect(844, 530, 178, 154));
    auto *torch = new KTorch(&window);
    torch->setGeometry(2, 103, 0, 0);

    KInfo *info = infoFrame->info;
    info->setComp(0.0);
    info->setRotate(0.0);
    info->setFx(0);
    info->setAngel(0.0);
    info->setCutSpeed(2000);
    info->setTopSpeed(6000);
    xyFrame->xy->setStartPoint(0, 0);

    // As reading the configuration would.
    KStatusFrame *panels = status->statusFrame;
    panels->dlz->setModeText(0);

    static const char *const words[] = {"演 示 ", "火 焰 ", "等离子", "喷 粉 "};
    QWidget *visible = nullptr;
    switch (mode) {
    case 0:
        panels->hideAll();
        break;
    case 1:
        panels->showFire();
        visible = panels->fire;
        break;
    case 2:
        panels->showDLZ();
        visible = panels->dlz;
        break;
    case 3:
        panels->showPF();
        visible = panels->pf;
        break;
    }
    info->setStatus(QString::fromUtf8(words[mode]));

    textFrame->message->updateText(message);

    if (cli.isSet(speedOpt)) {
        const int v = cli.value(speedOpt).toInt(&ok);
        if (!ok)
            return fail("--speed takes an integer speed");
        speedFrame->speed->moveRunning = true;
        speedFrame->speed->setVcur(v);
    }

    QByteArray tickSlot;
    int ticks = 0;
    if (cli.isSet(tickOpt)) {
        const QStringList parts = cli.value(tickOpt).split(QLatin1Char(':'));
        ticks = parts.size() == 2 ? parts[1].toInt(&ok) : 0;
        if (parts.size() != 2 || !ok || ticks < 0)
            return fail("--tick takes SLOT:COUNT");
        if (!visible)
            return fail("--tick needs a process panel (mode 1, 2 or 3)");
        tickSlot = parts[0].toLatin1();
        if (visible->metaObject()->indexOfSlot(tickSlot + "()") < 0)
            return fail("--tick names no tick slot of the visible panel");
    }

    window.show();

    const QString shot = cli.value(shotOpt);
    auto save = [&] {
        // What is on screen, not a fresh paint of the whole window: a tick
        // repaints only its band, so the other rows of a running panel still
        // show the picture of the last full repaint.
        QPixmap pixmap;
        if (QScreen *screen = window.windowHandle() ? window.windowHandle()->screen() : nullptr)
            pixmap = screen->grabWindow(window.winId());
        if (pixmap.size() != window.size())
            pixmap = window.grab();
        if (!DemoWindow::savePicture(pixmap.toImage(), shot, "PNG"))
            std::fprintf(stderr, "statusdemo: cannot write %s\n", qPrintable(shot));
        app.quit();
    };
    auto finish = [&] {
        // The band repaints of the last ticks are still posted: paint them
        // first, as the screen would before anyone looked.
        if (!shot.isEmpty()) {
            QCoreApplication::sendPostedEvents();
            save();
        }
    };

    // The ticks run after the first full paint, 100 ms apart like the main
    // window's timers, so only the ticking band is repainted.
    QTimer tickTimer;
    int done = 0;
    tickTimer.setInterval(!shot.isEmpty() ? 1 : 100);
    QObject::connect(&tickTimer, &QTimer::timeout, [&] {
        if (done >= ticks) {
            tickTimer.stop();
            finish();
            return;
        }
        QMetaObject::invokeMethod(visible, tickSlot.constData());
        ++done;
    });
    FirstPaint firstPaint(visible ? visible : &window, [&] { tickTimer.start(); });

    return app.exec();
}
