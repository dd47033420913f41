// Test window of the file pages: a 1024 x 748 stand-in for the main window
// with the file page or the file browser placed as the main window shows
// them, on the programs of ./ncfile. The file page's F1 opens the browser and
// the browser's Esc returns, as in the program.
//   browserdemo [--page file|browser] [--preview] [--comp KERF] [--shot FILE]
// A folder without programs gets one sample program with kerf compensation.
#include "DemoApp.h"
#include "DemoWindow.h"
#include "app/base/FileSave.h"
#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "files/KMenuFile.h"
#include "files/KMenuPreview1.h"
#include "files/KPreview.h"

#include <QCommandLineParser>
#include <QDir>

#include <cstdio>

namespace {

// A plate part: the outline cut with left compensation, a round hole and a
// slot, so the compensated path differs visibly from the programmed one.
const char kSample[] = "G00 X2000 Y2000\n"
                       "G41\n"
                       "G01 X30000 Y0\n"
                       "G01 X0 Y15000\n"
                       "G03 X-5000 Y5000 I-5000 J0\n"
                       "G01 X-25000 Y0\n"
                       "G01 X0 Y-20000\n"
                       "G40\n"
                       "G00 X8000 Y10000\n"
                       "G41\n"
                       "G02 X0 Y0 I0 J-4000\n"
                       "G40\n"
                       "G00 X10000 Y-6000\n"
                       "G41\n"
                       "G01 X8000 Y0\n"
                       "G01 X0 Y3000\n"
                       "G01 X-8000 Y0\n"
                       "G01 X0 Y-3000\n"
                       "G40\n"
                       "M02\n";

void seedPrograms()
{
    const QDir folder(QStringLiteral("ncfile"));
    if (folder.exists() && !folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty())
        return;
    FileError error;
    if (!FileSave::write(QStringLiteral("ncfile/demo.nc"), QByteArray(kSample), &error))
        std::fprintf(stderr, "cannot write ncfile/demo.nc: %s\n", qPrintable(error.text()));
}

} // namespace

int main(int argc, char **argv)
{
    DemoApp app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption pageOption("page", "Page to show: file or browser.", "page", "file");
    QCommandLineOption previewOption("preview", "Tick the browser's preview (F5).");
    QCommandLineOption compOption("comp", "Kerf in mm; tick the compensated preview (F6) too.", "KERF");
    QCommandLineOption shotOption("shot", "Save a picture of the window to FILE and quit.", "FILE");
    parser.addOptions({pageOption, previewOption, compOption, shotOption});
    parser.process(app);
    const QString page = parser.value(pageOption);
    if (page != "file" && page != "browser") {
        std::fprintf(stderr, "unknown page: %s\n", qPrintable(page));
        return 2;
    }
    bool kerfOk = true;
    const double kerf = parser.isSet(compOption) ? parser.value(compOption).toDouble(&kerfOk) : 0.0;
    if (!kerfOk) {
        std::fprintf(stderr, "not a kerf: %s\n", qPrintable(parser.value(compOption)));
        return 2;
    }

    seedPrograms();

    QWidget window;
    DemoWindow::makeStandIn(window, QStringLiteral("browserdemo"));

    auto *browser = new KPreview(&window);
    browser->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto *filePage = new KMenuFile(&window);
    filePage->setGeometry(0, 686, 1024, 60);
    filePage->hide();

    const auto toBrowser = [=] {
        filePage->hide();
        browser->keyRow->setOpenForm(true);
        browser->setPageVisible(true);
        browser->enterPage();
        FunctionKey::rerole(browser->keyRow->escButton, filePage, SLOT(show()));
        QObject::connect(browser->keyRow->escButton, &KButton::clicked, [=] {
            browser->setPageVisible(false);
            browser->keyRow->hideKeyboard();
        });
    };
    QObject::connect(filePage->openButton, &KButton::kclicked, toBrowser);
    QObject::connect(filePage->escButton, &KButton::clicked, &window, &QWidget::close);
    QObject::connect(browser, &KPreview::fileOpened, [=](QString &path) {
        const QString name = path;
        filePage->setCurrentFile(name);
        browser->setPageVisible(false);
        browser->keyRow->hideKeyboard();
        filePage->show();
    });

    window.show();
    if (page == "browser")
        toBrowser();
    else
        filePage->show();
    if (parser.isSet(compOption))
        browser->setParameter(0.0, kerf, 0);
    if (page == "browser" && (parser.isSet(previewOption) || parser.isSet(compOption)))
        browser->keyRow->previewButton->click();
    if (page == "browser" && parser.isSet(compOption))
        browser->keyRow->compButton->click();

    if (parser.isSet(shotOption))
        DemoWindow::quitWithShot(parser.value(shotOption), &window);
    return app.exec();
}
