#ifndef HELDPRESS_H
#define HELDPRESS_H

class QEvent;
class QObject;
class QWidget;

// The one record of what each mouse button holds pressed, and the one rule
// that ends a press before its release: a press ends without acting when
// what it pressed is taken from the operator, that is when the page or
// dialog that holds it is hidden or closed, a box opens over it
// (KeyFocus::exec's, or the toolkit's own modal box), another dialog is put
// or raised over the point held, or it is disabled.
//
// It ends at that moment, not at the release: a jog stops when its page
// goes, not when the hand lets go. The widget comes up as from a press
// dragged off it: a button without a click or a toggle (a KButton tells
// released(), so a jog ends), a scroll arrow stops repeating, a view keeps
// its selection and its current row, a path view ends its drag where it
// stands. Its release, wherever it goes, and every move before it reach no
// widget, so the keyboard works on as if the press had never been. The
// toolkit alone would hand the release to the widget that took the press
// even when it has been hidden since, and it would click there: a dialog's
// OK closed by Esc would still save.
//
// Every button is judged alike. While one is down, the toolkit hands the
// presses of the others to the widget the first one reached; when that
// widget is taken away, such a press goes where a first press would go.
//
// A press on a window behind a box is dropped whole, its release included.
class HeldPress
{
public:
    // KeyOrder hands every mouse event here before any widget sees it; true
    // drops the event.
    static bool filter(QObject *watched, QEvent *event);
    // KeyOrder tells every hide, show, raise, enabled change and window
    // blocked by the toolkit's box, of any widget or window: one of them may
    // take a held press's target away. With no press held (a key opening a
    // dialog) it costs a test of one flag.
    static void check(QObject *watched, QEvent *event)
    {
        if (held_)
            checkHeld(watched, event);
    }
    // The left mouse button holds `widget` pressed now.
    static bool holds(const QWidget *widget);
    // The release being delivered now ends a press taken away: a widget of
    // ours whose release acts wherever it falls (a path view pans by the
    // drag's length) ends its press instead, and one that follows a release
    // up with something (the plot puts the pointer on the torch) skips it.
    static bool ending();

private:
    static void checkHeld(QObject *watched, QEvent *event);
    // Whether any record holds a press that can still be taken away. Set
    // again after every press, double click, release and move the filter
    // reads, and after every walk of the records; a wheel step changes no
    // record, and while a press is being ended the filter reads nothing.
    static void noteHeld();
    static inline bool held_ = false;
};

#endif
