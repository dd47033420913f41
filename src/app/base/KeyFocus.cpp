#include "app/base/KeyFocus.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QWindow>

namespace {

// Lives on a window opened through KeyFocus: makes it the active window each
// time it is shown. Where the keyboard goes when it is hidden is decided for
// every window alike (KeyFocus::windowHidden).
class KeyTake : public QObject
{
public:
    explicit KeyTake(QWidget *window)
        : QObject(window)
        , window_(window)
    {
        setObjectName(QStringLiteral("KeyTake"));
        window->installEventFilter(this);
    }

    static void on(QWidget *window)
    {
        if (!window->findChild<QObject *>(QStringLiteral("KeyTake"), Qt::FindDirectChildrenOnly))
            new KeyTake(window);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_ && event->type() == QEvent::Show)
            KeyFocus::take(window_);
        return false;
    }

private:
    QWidget *window_;
};

// The toolkit's file dialogs rename a file in place on F2 and make folders
// from a button; on these pages F2 is the key pressed most, and a dialog
// opened to pick a program must change nothing on disk.
void listOnly(QFileDialog *dialog)
{
    dialog->setOption(QFileDialog::ReadOnly, true);
    if (QWidget *newFolder = dialog->findChild<QWidget *>(QStringLiteral("newFolderButton")))
        newFolder->hide();
}

bool isPopup(Qt::WindowType type)
{
    return type == Qt::Popup || type == Qt::ToolTip;
}

// Where the keyboard has been, as the program knows it.
struct Keyboard {
    // The windows it was given to, by the program (take), by the window
    // system or by a press of the mouse; the latest last. Hidden ones are
    // dropped when looked at.
    QList<QPointer<QWidget>> given;
    // The window it was last sent to, until it has arrived there or the
    // operator has pressed another window.
    QPointer<QWidget> goingTo;
    // The window the window system gave it to last, as it told or as a
    // press of the mouse makes it do.
    QPointer<QWidget> holder;
};

Keyboard &keyboard()
{
    static Keyboard k;
    return k;
}

// An open drop-down or completion list stands over every window of the
// program: it takes the clicks and the keys while it is open, and the
// operator must see it. The one the toolkit hands the input to goes last.
void listsOnTop()
{
    QWidget *active = QApplication::activePopupWidget();
    if (!active)
        return;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (w != active && w->isVisible() && w->windowType() == Qt::Popup)
            w->raise();
    }
    active->raise();
}

// Without a window manager nothing restacks the windows: a dialog shown
// again comes back at its old place in the stack, under one made after it,
// and a pressed dialog stays where it lies. The window given the keyboard is
// put on top, so the operator sees where the keys go; the main window stays
// under its dialogs. A press on a dialog's drop-down box opens its list
// before the window system has given the dialog the keyboard: the list is
// put back over the dialog raised after it.
void given(QWidget *window)
{
    if (!window || isPopup(window->windowType()) || window->windowType() == Qt::SplashScreen)
        return;
    auto &list = keyboard().given;
    list.removeAll(window);
    list.append(window);
    if (window->windowType() != Qt::Window) {
        window->raise();
        listsOnTop();
    }
}

// The window the keyboard was given to last, even if it is hidden now.
QWidget *lastGiven()
{
    auto &list = keyboard().given;
    list.removeAll(nullptr);
    return list.isEmpty() ? nullptr : list.last().data();
}

// The latest of the windows it was given to that still stands.
QWidget *lastStanding()
{
    auto &list = keyboard().given;
    for (int n = list.size() - 1; n >= 0; --n) {
        if (!list.at(n) || !list.at(n)->isVisible())
            list.removeAt(n);
        else
            return list.at(n);
    }
    return nullptr;
}

// Before the window is shown: who has the keyboard now, and where it goes.
void prepare(QWidget *window, QWidget *field)
{
    if (auto *files = qobject_cast<QFileDialog *>(window))
        listOnly(files);
    KeyTake::on(window);
    // A window opened before any had the keyboard gives it back to the one
    // it was opened from.
    if (!lastStanding() && window->parentWidget())
        given(window->parentWidget()->window());

    if (!field && qobject_cast<QFileDialog *>(window))
        return; // it puts the keyboard into its name field on every showing
    // Each opening starts at the first field, not where the last one ended.
    if (QWidget *last = window->focusWidget())
        last->clearFocus();
    if (!field)
        field = KeyFocus::firstField(window);
    if (field)
        field->setFocus(Qt::TabFocusReason);
}

// The boxes run by exec(), innermost last.
QList<QPointer<QDialog>> &boxes()
{
    static QList<QPointer<QDialog>> list;
    return list;
}

// Ends a box's loop however the box ends: accepted, rejected, hidden or
// deleted.
class BoxLoop : public QObject
{
public:
    explicit BoxLoop(QDialog *box)
    {
        box->installEventFilter(this);
        connect(box, &QObject::destroyed, &loop, &QEventLoop::quit);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            loop.quit();
        return false;
    }
    QEventLoop loop;
};

// The window of the program that an input for `receiver` reaches: the
// receiver's own window, or the widget window of a window system window.
QWidget *windowOf(QObject *receiver)
{
    if (receiver->isWidgetType())
        return static_cast<QWidget *>(receiver)->window();
    if (auto *handle = qobject_cast<QWindow *>(receiver)) {
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget *w : windows) {
            if (w->windowHandle() == handle)
                return w;
        }
    }
    return nullptr;
}

// A box the toolkit runs modally keeps `window` from the keyboard, as the
// toolkit keeps it from keys and clicks: every other window for an
// application-modal box, the windows it was opened from for a window-modal
// one; never a window opened from the box itself, nor a popup.
bool blockedBy(QWindow *modal, QWindow *window)
{
    if (window == modal || isPopup(window->type()))
        return false;
    for (QWindow *w = window->transientParent(); w; w = w->transientParent()) {
        if (w == modal)
            return false;
    }
    if (modal->modality() == Qt::ApplicationModal)
        return true;
    for (QWindow *w = modal->transientParent(); w; w = w->transientParent()) {
        if (w == window)
            return true;
    }
    return false;
}

void selectTyped(QWidget *window)
{
    if (auto *edit = qobject_cast<QLineEdit *>(window->focusWidget()))
        edit->selectAll();
}

} // namespace

void KeyFocus::open(QWidget *window, QWidget *field)
{
    const bool shown = window->isVisible();
    prepare(window, field);
    window->show();
    if (shown)
        take(window); // shown anew, it took the keyboard as it was shown
    selectTyped(window);
}

int KeyFocus::exec(QDialog *dialog, QWidget *field)
{
    prepare(dialog, field);
    selectTyped(dialog);
    // Not the toolkit's modality: the window behind a modal box throws away
    // the keys that reach it before the box has the keyboard. The box is run
    // here and KeyOrder keeps keys and clicks from the windows behind it.
    const bool deleteOnClose = dialog->testAttribute(Qt::WA_DeleteOnClose);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->setWindowModality(Qt::NonModal);
    dialog->setResult(0);
    QPointer<QDialog> box(dialog);
    boxes().append(box);
    {
        BoxLoop end(dialog);
        dialog->show();
        if (dialog->isVisible())
            end.loop.exec(QEventLoop::DialogExec);
    }
    boxes().removeAll(box);
    boxes().removeAll(nullptr);
    if (!box)
        return QDialog::Rejected;
    const int result = box->result();
    if (deleteOnClose)
        delete dialog;
    return result;
}

QDialog *KeyFocus::box()
{
    const auto &stack = boxes();
    for (int n = stack.size() - 1; n >= 0; --n) {
        if (stack.at(n) && stack.at(n)->isVisible())
            return stack.at(n);
    }
    return nullptr;
}

bool KeyFocus::behindBox(QObject *receiver)
{
    QWidget *top = box();
    if (!top)
        return false;
    QWidget *window = windowOf(receiver);
    if (!window || isPopup(window->windowType()))
        return false; // a popup or tip can only have been opened by the box
    for (QWidget *w = window; w; w = w->parentWidget()) {
        if (w == top)
            return false;
    }
    return true;
}

QWindow *KeyFocus::keeper()
{
    if (QDialog *top = box())
        return top->windowHandle();
    QWindow *modal = QGuiApplication::modalWindow();
    return modal && modal->isVisible() ? modal : nullptr;
}

bool KeyFocus::keptFrom(QObject *receiver)
{
    if (box())
        return behindBox(receiver);
    QWindow *modal = keeper();
    QWidget *window = modal ? windowOf(receiver) : nullptr;
    return window && window->windowHandle() && blockedBy(modal, window->windowHandle());
}

QWidget *KeyFocus::owner()
{
    if (QWindow *modal = keeper()) {
        if (QWidget *window = windowOf(modal))
            return window;
    }
    return lastStanding();
}

QWidget *KeyFocus::awaited()
{
    QWidget *window = owner();
    if (!window || window->isActiveWindow())
        return nullptr;
    // A box waits for the keyboard however it went; any other window only
    // while the keyboard is on its way to it.
    if (keeper() || window == keyboard().goingTo)
        return window;
    return nullptr;
}

void KeyFocus::focusChanged(QWindow *focus)
{
    QWidget *window = focus && focus->isVisible() ? windowOf(focus) : nullptr;
    if (window && isPopup(window->windowType()))
        return; // a completion list or menu, opened from the window that has it
    if (window && window == keyboard().goingTo)
        keyboard().goingTo = nullptr;
    if (window && !keptFrom(window)) {
        given(window);
        keyboard().holder = window;
        // While a list is open the toolkit does not make the window the
        // keyboard went to its active window; closing the list would then
        // give the keyboard to the window active before, the page under the
        // dialog.
        if (QApplication::activePopupWidget() && QApplication::activeWindow() != window)
            QApplication::setActiveWindow(window);
        return;
    }
    // A window behind a box (pressed with the mouse: without a window
    // manager the toolkit gives a pressed window the keyboard), or none of
    // ours: the keyboard went to a window that closed before it arrived, or
    // went with the one that had it. Where a window manager lets the
    // operator choose another program's window, that one keeps it: the
    // window of ours that had it still stands.
    if (!focus && keyboard().holder && keyboard().holder->isVisible())
        return;
    if (QWidget *rightful = owner())
        take(rightful);
}

void KeyFocus::pressed(QObject *receiver)
{
    QWidget *window = windowOf(receiver);
    if (!window || isPopup(window->windowType()))
        return;
    // The window system gives a pressed window the keyboard: it becomes the
    // owner, and a window the keyboard was on its way to, left for this one,
    // is no longer waited for.
    given(window);
    keyboard().holder = window;
}

void KeyFocus::windowHidden(QWidget *window)
{
    if (!window->isWindow())
        return;
    const Qt::WindowType type = window->windowType();
    if (isPopup(type) || type == Qt::SplashScreen)
        return;
    // A completion list is a window of its own: left open, it stays over the
    // page and takes its keys.
    const auto completers = window->findChildren<QCompleter *>();
    for (QCompleter *completer : completers) {
        if (completer->popup() && completer->popup()->isVisible())
            completer->popup()->hide();
    }
    // Only the window that has the keyboard, or was last given it, gives it
    // away: a dialog closed behind another one leaves the keys where they
    // are. The window system may have given it the keyboard a moment ago
    // (a press on its button that also closed it) and will leave the
    // keyboard on no window once it is gone.
    if (window != lastGiven() && window->windowHandle() != QGuiApplication::focusWindow())
        return;
    if (QWidget *rightful = owner())
        take(rightful);
}

void KeyFocus::take(QWidget *window)
{
    keyboard().goingTo = window;
    given(window);
    // Not QWidget::activateWindow(): it does nothing while one of the
    // window's own dialogs is the focus window, which is exactly the moment a
    // closing dialog hands the keyboard back.
    if (QWindow *handle = window->windowHandle())
        handle->requestActivate();
    else
        window->activateWindow();
}

QWidget *KeyFocus::firstField(QWidget *window)
{
    QWidget *w = window;
    while ((w = w->nextInFocusChain()) != window) {
        if (w->window() != window || !(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled())
            continue;
        if (!w->isVisibleTo(window) || qobject_cast<QAbstractButton *>(w))
            continue;
        if (w->focusProxy())
            continue;
        return w;
    }
    return nullptr;
}
