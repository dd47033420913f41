// Test window of the copy page: a 1024 x 748 stand-in for the main window
// with the key row and the two panes where the main window puts them, as
// they look on entry from the file page.
//   copydemo [--source DIR] [--target DIR] [--select-source N] [--select-target N] [--shot FILE]
#include "DemoApp.h"
#include "DemoWindow.h"
#include "files/KFastcopy.h"
#include "files/KMenuFastcopy.h"
#include "files/KMyView.h"

#include <QCommandLineParser>
#include <QDirModel>
#include <QItemSelectionModel>

#include <cstdio>

namespace {

// Selects the first rows of the folder a list shows.
void selectFirst(KMyView *view, int count)
{
    QAbstractItemModel *model = view->model();
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < count && row < model->rowCount(root); ++row)
        view->selectionModel()->select(model->index(row, 0, root), QItemSelectionModel::Select);
}

bool readCount(const QCommandLineParser &parser, const QCommandLineOption &option, int *count)
{
    bool ok = true;
    *count = parser.isSet(option) ? parser.value(option).toInt(&ok) : 0;
    if (!ok || *count < 0) {
        std::fprintf(stderr, "not a count: %s\n", qPrintable(parser.value(option)));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    DemoApp app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption sourceOption("source", "Folder of the source pane.", "DIR");
    QCommandLineOption targetOption("target", "Folder of the target pane.", "DIR");
    QCommandLineOption selectSourceOption("select-source", "Select the first N source entries.", "N");
    QCommandLineOption selectTargetOption("select-target", "Select the first N target entries.", "N");
    QCommandLineOption shotOption("shot", "Save a picture of the window to FILE and quit.", "FILE");
    parser.addOptions({sourceOption, targetOption, selectSourceOption, selectTargetOption, shotOption});
    parser.process(app);
    int sourceCount = 0;
    int targetCount = 0;
    if (!readCount(parser, selectSourceOption, &sourceCount) || !readCount(parser, selectTargetOption, &targetCount))
        return 2;

    QWidget window;
    DemoWindow::makeStandIn(window, QStringLiteral("copydemo"));

    auto *page = new KMenuFastcopy(&window);
    page->setGeometry(0, 686, 1024, 60);
    page->setFocusPolicy(Qt::NoFocus);
    page->enterPage();
    page->acceptSource(parser.value(sourceOption));
    page->acceptTarget(parser.value(targetOption));
    selectFirst(page->fastcopy->srcView, sourceCount);
    selectFirst(page->fastcopy->desView, targetCount);
    page->show();
    page->fastcopy->show();
    window.show();

    if (parser.isSet(shotOption))
        DemoWindow::quitWithShot(parser.value(shotOption), &window);
    return app.exec();
}
