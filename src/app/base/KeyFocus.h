#ifndef KEYFOCUS_H
#define KEYFOCUS_H

class QDialog;
class QObject;
class QWidget;
class QWindow;

// The one way a window that a key opens gets the keyboard, and the one way
// back. The operator console runs without a window manager, so nobody else
// hands the keyboard over: a dialog that is only shown leaves the keys going
// to the page behind it, and a box that closes leaves them going nowhere.
//
// A window opened here is shown, raised and made the active window, with the
// keyboard in `field`, or, when none is named, in its first field (a file
// dialog keeps its name field, a box without fields its default button); a
// line edit that gets the keyboard has its text selected, so typing replaces
// it. When the window is hidden again, however it ends, the keyboard goes
// to the window that must have it then (owner()).
class KeyFocus
{
public:
    static void open(QWidget *window, QWidget *field = nullptr);
    // The same for a box: a dialog run to its end, the rest of the program
    // taking no keys and no clicks meanwhile; returns its result.
    static int exec(QDialog *dialog, QWidget *field = nullptr);
    // The innermost box exec() runs, null when none is shown.
    static QDialog *box();
    // An input for `receiver` would reach a window behind that box.
    static bool behindBox(QObject *receiver);
    // Makes `window` the one the keys go to (the main window when shown),
    // and puts it over the other windows of the program (a dialog or box;
    // the main window stays under its dialogs).
    static void take(QWidget *window);

    // The one rule for where the keyboard must be. The window that must
    // have it now: the keeper while one stands, else the latest window it
    // was given to (sent by take(), moved by the window system or by a
    // press of the mouse) that still stands, which is the main window once
    // every dialog has closed; null when none stands.
    static QWidget *owner();
    // The window keys typed now must wait for: the owner while it does not
    // have the keyboard yet, if it is a keeper or the keyboard is on its way
    // to it (sent there, and no other window pressed since). Null when keys
    // may go at once (KeyOrder holds them otherwise).
    static QWidget *awaited();
    // The window that must keep the keyboard while it stands: the innermost
    // box exec() runs, or a box the toolkit runs modally itself (a file
    // dialog's question); null when none is shown.
    static QWindow *keeper();
    // An input for `receiver` reaches a window that the keeper keeps from
    // the keyboard.
    static bool keptFrom(QObject *receiver);

    // The window system gave the keyboard to `focus` (told by KeyOrder). A
    // window the keyboard was on its way to has it now. A window behind a
    // box (pressed with the mouse: without a window manager the toolkit
    // gives a pressed window the keyboard) gives it straight back to the
    // box, and a keyboard left on no window of ours (the window that had it
    // closed) goes to the owner.
    static void focusChanged(QWindow *focus);
    // The operator pressed the mouse on `receiver`, which no box stands over:
    // the window system gives that window the keyboard, so it is the owner
    // now, and a window the keyboard was on its way to is no longer waited
    // for.
    static void pressed(QObject *receiver);
    // Any window hidden (told by KeyOrder, which watches them all). One that
    // had the keyboard, or was last given it, hands it to the owner, so the
    // keyboard is never left on no window; a file dialog takes its name
    // completion list with it.
    static void windowHidden(QWidget *window);
    // The first widget of the window's tab chain that takes typed input
    // (buttons are not fields); null when it has none.
    static QWidget *firstField(QWidget *window);
};

#endif
