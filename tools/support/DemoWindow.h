#ifndef DEMOWINDOW_H
#define DEMOWINDOW_H

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// What the test windows of tools/ share: the stand-in for the main window
// their pages sit on, the pictures those pages read from the working folder,
// and the picture --shot saves before the window quits.
class DemoWindow
{
public:
    // Where the stand-in goes on the screen.
    enum class Placement {
        MainWindow, // at (0, 25), below the screen's top strip, as the program's window
        TopLeft,    // moved to (0, 0)
        Unplaced,   // where the platform puts it
    };

    // How a dialog painted over the window is edged.
    enum class DialogEdge {
        None,
        // A grey line: without a window manager a dialog has no frame of its own.
        Outline,
    };

    // Copies :/icon/<name> of each of `names` into ravok/icon of the base path;
    // files already there are left as they are, so a person's own pictures win.
    static void seedIcons(const QStringList &names);

    // Makes `window` the 1024 x 748 stand-in for the main window, in the
    // program's "Simsun" 10 pt.
    static void makeStandIn(QWidget &window, const QString &title, Placement placement = Placement::MainWindow);

    // `window` as it paints itself, with `dialog`, when it is visible, painted
    // over it where it stands on the screen.
    static QImage picture(QWidget *window, QWidget *dialog = nullptr, DialogEdge edge = DialogEdge::None);

    // Saves a picture through the program's one save routine. A null
    // `format` follows the file's suffix.
    static bool savePicture(const QImage &image, const QString &file, const char *format = nullptr);

    // Once the event loop has run `delayMs` and a window of the program is
    // active (the dialogs that open from the loop are open by then): saves
    // the picture of `window` to
    // `file` and ends the loop with 0, or writes "<errorPrefix>cannot write
    // FILE" on stderr and ends it with 1. `dialog` is asked for the dialog when
    // the picture is taken, since one may open from the event loop; it is
    // hidden before the loop ends, so a modal one leaves its own loop too.
    // A null `format` follows the file's suffix.
    static void quitWithShot(const QString &file, QWidget *window,
                             const std::function<QWidget *()> &dialog = std::function<QWidget *()>(),
                             const char *errorPrefix = "", const char *format = nullptr, int delayMs = 0,
                             DialogEdge edge = DialogEdge::None);
};

#endif
