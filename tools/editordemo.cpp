// Test window of the NC editor page: a 1024 x 748 stand-in for the main
// window with the editor, its path frame, name bar and key row shown as the
// main window's way in does.
//   editordemo [--file PATH] [--mode table|text] [--select ROWS] [--scale]
//              [--shot FILE]
// ROWS: row numbers from 0, separated by commas ("2,3").
// Without --file the page edits ncfile/editordemo.nc, written when missing.
#include "DemoApp.h"
#include "DemoWindow.h"
#include "app/base/FileSave.h"
#include "files/KBLDialog.h"
#include "files/KEditor.h"
#include "files/KEditorName.h"
#include "files/KEditorSimuFrame.h"
#include "files/KMenuEditor1.h"
#include "program/KEditSimu.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QTextEdit>

#include <cstdio>

namespace {

// A plate part: outline, a round hole and a slot, in 0.01 mm steps.
const char kSample[] = "G00 X2000 Y2000\n"
                       "G01 X30000 Y0\n"
                       "G01 X0 Y20000\n"
                       "G03 X-10000 Y0 I-5000 J0\n"
                       "G01 X-20000 Y0\n"
                       "G01 X0 Y-20000\n"
                       "G00 X8000 Y6000\n"
                       "G02 X0 Y0 I3000 J0\n"
                       "G00 X12000 Y2000\n"
                       "G01 X6000 Y0\n"
                       "G01 X0 Y4000\n"
                       "G01 X-6000 Y0\n"
                       "G01 X0 Y-4000\n"
                       "M02\n";

QString sampleFile()
{
    const QString name = QDir::currentPath() + QStringLiteral("/ncfile/editordemo.nc");
    if (!QFile::exists(name)) {
        FileSave::write(name, QByteArray(kSample));
    }
    return name;
}

} // namespace

int main(int argc, char **argv)
{
    DemoApp app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption fileOption("file", "Program to edit.", "PATH");
    QCommandLineOption modeOption("mode", "Page mode: table or text.", "mode", "table");
    QCommandLineOption selectOption("select", "Rows to select, from 0, separated by commas.", "ROWS");
    QCommandLineOption scaleOption("scale", "Also show the scale dialog.");
    QCommandLineOption shotOption("shot", "Save a picture of the window to FILE and quit.", "FILE");
    parser.addOptions({fileOption, modeOption, selectOption, scaleOption, shotOption});
    parser.process(app);
    const QString mode = parser.value(modeOption);
    if (mode != "table" && mode != "text") {
        std::fprintf(stderr, "unknown mode: %s\n", qPrintable(mode));
        return 2;
    }
    QList<int> rows;
    if (parser.isSet(selectOption)) {
        for (const QString &part : parser.value(selectOption).split(',', Qt::SkipEmptyParts)) {
            bool ok = false;
            const int row = part.trimmed().toInt(&ok);
            if (!ok || row < 0) {
                std::fprintf(stderr, "bad row: %s\n", qPrintable(part));
                return 2;
            }
            rows << row;
        }
    }

    QWidget window;
    DemoWindow::makeStandIn(window, QStringLiteral("editordemo"));

    auto *editor = new KEditor(&window);
    editor->setFrameStyle(QFrame::Box | QFrame::Sunken);
    editor->menuEditor->show();
    editor->showEditor();
    editor->simuFrame->show();
    editor->nameFrame->show();
    const QString file = parser.isSet(fileOption) ? parser.value(fileOption) : sampleFile();
    if (!editor->loadFile(file, true))
        return 1;
    editor->editSimu()->resetView();
    editor->editSimu()->draw();
    if (mode == "text")
        editor->editorModeChange();
    for (int row : rows) {
        if (row < editor->rowCount())
            editor->selectionModel()->select(editor->model()->index(row, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    if (!rows.isEmpty() && rows.first() < editor->rowCount())
        editor->selectionModel()->setCurrentIndex(editor->model()->index(rows.first(), 0),
                                                  QItemSelectionModel::NoUpdate);

    window.show();
    QDialog *dialog = nullptr;
    if (parser.isSet(scaleOption)) {
        dialog = editor->blDialog;
        editor->showBL();
    }

    if (parser.isSet(shotOption))
        DemoWindow::quitWithShot(parser.value(shotOption), &window, [dialog] { return dialog; });
    return app.exec();
}
