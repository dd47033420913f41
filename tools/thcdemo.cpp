// Test window of the torch-height screen: a 1024 x 748 stand-in for the main
// window that builds KTHC on a recording height channel and shows the menu
// row, the jog frame and one page as the main window's way in does.
//   thcdemo [--page thc1|thc2|speed] [--bottom] [--dialog] [--shot FILE]
#include "DemoApp.h"
#include "DemoWindow.h"
#include "app/base/KButton.h"
#include "device/RecordingHeightChannel.h"
#include "thc/KMenuTHC.h"
#include "thc/KTHC.h"
#include "thc/KTHCDialog.h"
#include "thc/KTHCConfig.h"
#include "thc/KTHCFrame.h"

#include <QCommandLineParser>
#include <QScrollArea>
#include <QScrollBar>

#include <cstdio>

int main(int argc, char **argv)
{
    DemoApp app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption pageOption("page", "Page to show: thc1, thc2 or speed.", "page", "thc1");
    QCommandLineOption bottomOption("bottom", "Scroll the page to its end.");
    QCommandLineOption dialogOption("dialog", "Also show the refresh question.");
    QCommandLineOption shotOption("shot", "Save a picture of the window to FILE and quit.", "FILE");
    parser.addOptions({pageOption, bottomOption, dialogOption, shotOption});
    parser.process(app);
    const QString page = parser.value(pageOption);
    if (page != "thc1" && page != "thc2" && page != "speed") {
        std::fprintf(stderr, "unknown page: %s\n", qPrintable(page));
        return 2;
    }

    // The screen reads its pictures from ravok/icon/.
    DemoWindow::seedIcons({"thc-up.png", "thc-down.png", "all-up.png", "all-down.png", "thc1.png", "ok22.png",
                           "cancel22.png", "tovrel.png"});

    QWidget window;
    DemoWindow::makeStandIn(window, QStringLiteral("thcdemo"));

    auto *thc = new KTHC(&window);
    thc->setHeightChannel(std::make_shared<RecordingHeightChannel>());

    thc->menuTHC->show();
    thc->menuTHC->setEnabled(true);
    thc->thcFrame->show();
    if (page == "thc2")
        thc->showTHC2();
    else if (page == "speed")
        thc->showSpeed();
    else
        thc->showTHC1();

    KTHCDialog *dialog = nullptr;
    if (parser.isSet(dialogOption)) {
        dialog = new KTHCDialog(&window);
        dialog->goTopButton->setEnabled(thc->thc1Config->goTopButton->isEnabled());
        QObject::connect(dialog->goTopButton, &KButton::clicked, thc, &KTHC::startGoTop);
    }

    window.show();
    if (dialog)
        dialog->show();
    if (parser.isSet(bottomOption)) {
        QScrollBar *bar = thc->pageArea->verticalScrollBar();
        bar->setValue(bar->maximum());
    }

    if (parser.isSet(shotOption))
        DemoWindow::quitWithShot(parser.value(shotOption), &window, [dialog] { return dialog; });
    return app.exec();
}
