// Test window of the operation pages: a 1024 x 748 stand-in for the main
// window with one page of the bottom strip at (0, 686) and, for the step,
// plate-alignment and multi-point pages, the view the main window shows
// beside it.
//   menudemo [--page top|step|movement|zz|morepoint] [--angle A] [--beam STATE]
//            [--points N] [--dialog about|move] [--shot FILE]
// --angle is the plate angle (zz) or the beam angle (step); --beam 1 to 6
// reports that beam-switch state with the angle, 0 only sets the angle.
// --points records N demonstration points (the list keeps ten).
#include "DemoApp.h"
#include "DemoWindow.h"
#include "pages/KBeam.h"
#include "pages/KMenuMorepoint.h"
#include "pages/KMenuMovement.h"
#include "pages/KMenuStep.h"
#include "pages/KMenuTop.h"
#include "pages/KMenuZZ.h"
#include "pages/KMorepoint.h"
#include "pages/KMovePointDialog.h"
#include "pages/KPlatte.h"
#include "pages/KAboutDialog.h"
#include "status/KMorepointFrame.h"
#include "status/KSimuFrame.h"

#include <QCommandLineParser>
#include <QTimer>
#include <QtMath>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "menudemo: %s\n", qPrintable(message));
    return 2;
}

void frame(QFrame *f, const QRect &geometry)
{
    f->setGeometry(geometry);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
}

void reportBeam(KBeam *beam, int state, double angle)
{
    switch (state) {
    case 1:
        beam->bothTouch();
        break;
    case 2:
        beam->setValue(angle);
        beam->bothNoTouch();
        break;
    case 3:
        beam->onlyLeftTouch(angle);
        break;
    case 4:
        beam->onlyRightTouch(angle);
        break;
    case 5:
        beam->leftRightTouch(angle);
        break;
    case 6:
        beam->rightLeftTouch(angle);
        break;
    default:
        beam->setValue(angle);
        break;
    }
}

} // namespace

int main(int argc, char **argv)
{
    DemoApp app(argc, argv);

    QCommandLineParser cli;
    cli.addHelpOption();
    const QCommandLineOption pageOpt("page", "Page: top, step, movement, zz or morepoint.", "PAGE", "top");
    const QCommandLineOption angleOpt("angle", "Plate angle (zz) or beam angle (step) in degrees.", "A", "0");
    const QCommandLineOption beamOpt("beam", "Beam-switch state 0 to 6 (step).", "STATE", "0");
    const QCommandLineOption pointsOpt("points", "Points to record (morepoint).", "N", "0");
    const QCommandLineOption dialogOpt("dialog", "Open a dialog: about (top) or move (movement).", "DIALOG");
    const QCommandLineOption shotOpt("shot", "Save a PNG of the window and quit.", "FILE");
    cli.addOptions({pageOpt, angleOpt, beamOpt, pointsOpt, dialogOpt, shotOpt});
    cli.process(app);

    const QString dialogName = cli.value(dialogOpt);
    QString page = cli.value(pageOpt);
    if (!cli.isSet(pageOpt) && dialogName == QLatin1String("move"))
        page = QStringLiteral("movement");
    static const QStringList pages = {"top", "step", "movement", "zz", "morepoint"};
    if (!pages.contains(page))
        return fail(QStringLiteral("unknown page: %1").arg(page));
    if (!dialogName.isEmpty() && dialogName != QLatin1String("about") && dialogName != QLatin1String("move"))
        return fail(QStringLiteral("unknown dialog: %1").arg(dialogName));
    if ((dialogName == QLatin1String("about") && page != QLatin1String("top"))
        || (dialogName == QLatin1String("move") && page != QLatin1String("movement")))
        return fail(QStringLiteral("the %1 dialog belongs to another page").arg(dialogName));
    bool ok = false;
    const double angle = cli.value(angleOpt).toDouble(&ok);
    if (!ok || !qIsFinite(angle))
        return fail(QStringLiteral("--angle takes a number of degrees"));
    const int beamState = cli.value(beamOpt).toInt(&ok);
    if (!ok || beamState < 0 || beamState > 6)
        return fail(QStringLiteral("--beam takes 0 to 6"));
    const int points = cli.value(pointsOpt).toInt(&ok);
    if (!ok || points < 0)
        return fail(QStringLiteral("--points takes a count"));

    // The about box takes its window icon from the working folder.
    DemoWindow::seedIcons({"tovrel.png"});

    QWidget window;
    DemoWindow::makeStandIn(window, QStringLiteral("menudemo"));

    QWidget *shown = nullptr;
    KMenuTop *top = nullptr;
    KMenuMovement *movement = nullptr;
    if (page == QLatin1String("top")) {
        shown = top = new KMenuTop(&window);
    } else if (page == QLatin1String("step") || page == QLatin1String("zz")) {
        auto *simuFrame = new KSimuFrame(&window);
        frame(simuFrame, QRect(260, 34, 582, 650));
        if (page == QLatin1String("step")) {
            shown = new KMenuStep(&window);
            reportBeam(simuFrame->beam, beamState, angle);
            simuFrame->showBeam();
        } else {
            shown = new KMenuZZ(&window);
            // A second point 1000 along the measured edge.
            simuFrame->platte->setFirstPoint(0, 0);
            simuFrame->platte->setSecondPoint(1000 * qCos(qDegreesToRadians(angle)),
                                              1000 * qSin(qDegreesToRadians(angle)));
            simuFrame->platte->setAngle(angle);
            simuFrame->showPlatte();
        }
    } else if (page == QLatin1String("movement")) {
        shown = movement = new KMenuMovement(&window);
    } else {
        auto *morepointFrame = new KMorepointFrame(&window);
        frame(morepointFrame, QRect(2, 143, 256, 319));
        for (int i = 0; i < points; ++i)
            morepointFrame->morepoint->addPoint(123456 * (i + 1) - 250000, -98765 * i);
        shown = new KMenuMorepoint(&window);
    }
    shown->setGeometry(0, 686, 1024, 60);

    window.show();
    shown->setFocus();

    QWidget *dialog = nullptr;
    if (top && dialogName == QLatin1String("about")) {
        // about() runs the box modally: start it from the event loop.
        QTimer::singleShot(0, top, &KMenuTop::about);
    } else if (movement && dialogName == QLatin1String("move")) {
        movement->movePointShow();
        dialog = movement->movePointDialog;
    }

    if (cli.isSet(shotOpt)) {
        const auto shown = [top, dialog]() -> QWidget * { return top && top->aboutDialog ? top->aboutDialog : dialog; };
        DemoWindow::quitWithShot(cli.value(shotOpt), &window, shown, "menudemo: ", "PNG");
    }
    return app.exec();
}
