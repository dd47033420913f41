// libdemo: the part library on screen.
//   libdemo [N]
//       the library form alone, with catalogue entry N (0..49, default 19)
//       chosen as the catalogue would choose it;
//   libdemo --page [--view table|list] [--dialog step|save|plate]
//       the library page on a 1024 x 748 stand-in for the main window, as
//       entering the page shows it, with three patterns and K7 current; the
//       plate dialog is shown refusing a length of 0.

#include "DemoApp.h"
#include "DemoWindow.h"
#include "app/base/KButton.h"
#include "library/KLibConfig.h"
#include "library/KLibConfigFrame.h"
#include "library/KLibFrame.h"
#include "library/KLibPixmapFrame.h"
#include "library/KLibSimuFrame.h"
#include "library/KLibTable.h"
#include "library/KMenuLib.h"
#include "library/KStepConfigDialog.h"
#include "program/KDialogStd.h"
#include "program/KLibSimu.h"
#include "program/Parser.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

namespace {

int formMode(const QStringList &args)
{
    const int shape = args.isEmpty() ? 19 : args.first().toInt();
    auto *frame = new QGroupBox(QStringLiteral("零件参数:  <Tab> 切换  <Enter> 修改"));
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setGeometry(260, 2, 582, 140);
    auto *form = new KLibConfig(frame);
    form->move(4, 24);
    form->hideParameters();
    form->resetPlacement();
    form->setShape(shape);
    frame->show();
    return QApplication::exec();
}

void addPattern(KLibFrame *page, int shape, const char *offsetX, const char *offsetY)
{
    page->libTable->setSelIndex(shape);
    page->config()->offsetXEdit()->setText(QString::fromLatin1(offsetX));
    page->config()->offsetYEdit()->setText(QString::fromLatin1(offsetY));
    page->addPatten();
}

} // namespace

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(libpictures);
    DemoApp app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption pageOption("page", "Show the library page.");
    QCommandLineOption viewOption("view", "Right-hand column: table or list.", "view", "table");
    QCommandLineOption dialogOption("dialog", "Also show a dialog: step, save or plate.", "dialog");
    parser.addOptions({pageOption, viewOption, dialogOption});
    parser.addPositionalArgument("N", "Catalogue entry of the form alone.");
    parser.process(app);
    if (!parser.isSet(pageOption))
        return formMode(parser.positionalArguments());

    const QString view = parser.value(viewOption);
    const QString dialog = parser.value(dialogOption);
    if ((view != "table" && view != "list")
        || (parser.isSet(dialogOption) && dialog != "step" && dialog != "save" && dialog != "plate")) {
        std::fprintf(stderr, "libdemo: unknown --view or --dialog value\n");
        return 2;
    }
    // The page reads these pictures from ravok/icon/.
    DemoWindow::seedIcons({"lib.png", "code.png", "view-up.png", "view-down.png", "ok22.png", "cancel22.png"});
    QDir().mkpath(QDir::currentPath() + QStringLiteral("/ncfile"));

    QWidget window;
    DemoWindow::makeStandIn(window, QStringLiteral("libdemo"));

    auto *page = new KLibFrame(&window);
    page->setGeometry(844, 34, 178, 658);
    page->hide();
    auto *menu = new KMenuLib(&window);
    menu->setGeometry(0, 686, 1024, 60);
    menu->setFocusPolicy(Qt::NoFocus);

    // What the main window does on the form's updateLib(): regenerate k.nc,
    // parse it into the preview (which writes l.nc) and draw it.
    KLibSimu *simu = page->simuFrame->simu;
    QObject::connect(page->config(), &KLibConfig::updateLib, simu, [page, simu] {
        const QString file = page->config()->writeTempFile();
        if (!file.isNull() && simu->parser->parseLib(file, 0.0, 0, 0) == 1)
            simu->draw();
    });

    page->newLib();
    addPattern(page, 12, "50", "0");
    addPattern(page, 30, "50", "200");
    addPattern(page, 7, "50", "-100");

    // As entering the page shows it.
    menu->show();
    page->show();
    page->libTable->configFrame->show();
    page->libTable->pixmapFrame->show();
    page->simuFrame->show();
    if (view == "list")
        page->showList();
    else
        page->showTable();
    window.show();

    if (dialog == "step") {
        menu->stepButton->click();
    } else if (dialog == "save") {
        page->libTable->saveas();
    } else if (dialog == "plate") {
        simu->setStdPlatte();
        simu->plateDialog->xLengthEdit->setText(QStringLiteral("0"));
        for (QPushButton *button : simu->plateDialog->findChildren<QPushButton *>()) {
            if (button->text() == QStringLiteral("  确定"))
                button->click();
        }
    }
    return app.exec();
}
