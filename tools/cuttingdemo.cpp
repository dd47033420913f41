// A test window that places the program-line panel, the key pad and one page
// of the cutting neighbourhood where the main window places them:
//   cuttingdemo [--page cutting|running|return|jump] [--group GROUP] [--key]
//               [--reload] [--shot FILE]
// GROUP is one of simu, libgraph, libmove, libsel, motion, numck, preview,
// editor, null. The list is filled from ./.tovrelcnc/t.nc when there is one.
// --shot saves a PNG of the window (with the reload dialog over it) and quits.
#include "DemoApp.h"
#include "DemoWindow.h"
#include "app/base/KButton.h"
#include "pages/KCode.h"
#include "pages/KCodeFrame.h"
#include "pages/KCodeNum.h"
#include "pages/KDirectFrame.h"
#include "pages/KMenuCutting.h"
#include "pages/KMenuJump.h"
#include "pages/KMenuReturn.h"
#include "pages/KReloadDialog.h"
#include "program/SegmentTable.h"

#include <QCommandLineParser>
#include <QFile>
#include <cstdio>

namespace {

int fail(const char *message)
{
    std::fprintf(stderr, "cuttingdemo: %s\n", message);
    return 2;
}

// Lines of t.nc up to the first empty one, as the list reads them.
int programLines()
{
    QFile file(QStringLiteral(".tovrelcnc/t.nc"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    int lines = 0;
    while (lines < kSegmentRows) {
        QByteArray line = file.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.isEmpty())
            break;
        ++lines;
    }
    return lines;
}

// The layouts the main window gives the cutting page: after a cut has
// stopped, and while one runs.
void stoppedLayout(KMenuCutting *page)
{
    page->fastButton->hide();
    page->slowButton->hide();
    page->segButton->setEnabled(false);
    page->segButton->hide();
    page->turnbackButton->show();
    page->turnbackButton->setEnabled(true);
    for (KButton *b :
         {page->backwardButton, page->forwardButton, page->movementButton, page->jumpButton, page->returnButton})
        b->setEnabled(true);
}

void runningLayout(KMenuCutting *page)
{
    page->cutSpeedButton->hide();
    page->topSpeedButton->hide();
    page->segButton->setEnabled(true);
    page->backwardButton->setEnabled(true);
    page->forwardButton->setEnabled(true);
    page->startButton->setEnabled(false);
}

} // namespace

int main(int argc, char *argv[])
{
    DemoApp app(argc, argv);

    QCommandLineParser cli;
    cli.addHelpOption();
    const QCommandLineOption pageOpt("page", "Page: cutting, running, return or jump.", "PAGE", "cutting");
    const QCommandLineOption groupOpt("group",
                                      "Key pad group: simu, libgraph, libmove, libsel, motion, numck, "
                                      "preview, editor or null.",
                                      "GROUP", "simu");
    const QCommandLineOption keyOpt("key", "Show the key side of the program-line panel.");
    const QCommandLineOption reloadOpt("reload", "Show the reload dialog.");
    const QCommandLineOption shotOpt("shot", "Save a PNG of the window and quit.", "FILE");
    cli.addOptions({pageOpt, groupOpt, keyOpt, reloadOpt, shotOpt});
    cli.process(app);

    const QString pageName = cli.value(pageOpt);
    if (!QStringList{"cutting", "running", "return", "jump"}.contains(pageName))
        return fail("--page takes cutting, running, return or jump");
    static const char *const groups[][2] = {
        {"simu", "setSimuGraph"},  {"libgraph", "setLibGraph"}, {"libmove", "setLibMove"},
        {"libsel", "setLibSel"},   {"motion", "setMotion"},     {"numck", "setNumCK"},
        {"preview", "setPreview"}, {"editor", "setEditor"},     {"null", "setNull"}};
    const char *groupSlot = nullptr;
    for (const auto &g : groups) {
        if (cli.value(groupOpt) == QLatin1String(g[0]))
            groupSlot = g[1];
    }
    if (!groupSlot)
        return fail("--group takes simu, libgraph, libmove, libsel, motion, numck, preview, editor or null");

    QWidget window;
    DemoWindow::makeStandIn(window, QStringLiteral("cuttingdemo"), DemoWindow::Placement::TopLeft);

    auto *codeNum = new KCodeNum(&window);
    codeNum->setGeometry(2, 143, 256, 319);
    auto *pad = new KDirectFrame(&window);
    pad->setGeometry(2, 464, 256, 220);
    pad->setFrameStyle(QFrame::Box | QFrame::Sunken);
    QMetaObject::invokeMethod(pad, groupSlot);

    QWidget *page = nullptr;
    if (pageName == QLatin1String("return")) {
        page = new KMenuReturn(&window);
    } else if (pageName == QLatin1String("jump")) {
        page = new KMenuJump(&window);
    } else {
        auto *cutting = new KMenuCutting(&window);
        if (pageName == QLatin1String("running"))
            runningLayout(cutting);
        else
            stoppedLayout(cutting);
        page = cutting;
    }
    page->setGeometry(0, 686, 1024, 60);

    const int lines = programLines();
    if (lines >= 0) {
        KCode *code = codeNum->codeFrame->code;
        code->setLineCount(lines);
        code->loadCode();
        code->setCurrentRow(0);
    }
    if (cli.isSet(keyOpt))
        codeNum->showKey();

    window.show();
    KReloadDialog reload(&window);
    if (cli.isSet(reloadOpt))
        reload.show();

    const QString shot = cli.value(shotOpt);
    if (!shot.isEmpty())
        DemoWindow::quitWithShot(
            shot, &window, [&reload] { return &reload; }, "cuttingdemo: ", "PNG", 0, DemoWindow::DialogEdge::Outline);
    return app.exec();
}
