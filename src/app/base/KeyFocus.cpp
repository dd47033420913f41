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
// time it is shown and hands the keyboard back when it is hidden.
class KeyReturn : public QObject
{
public:
    explicit KeyReturn(QWidget *window)
        : QObject(window)
        , window_(window)
    {
        setObjectName(QStringLiteral("KeyReturn"));
        window->installEventFilter(this);
    }

    static KeyReturn *of(QWidget *window)
    {
        auto *found = dynamic_cast<KeyReturn *>(
            window->findChild<QObject *>(QStringLiteral("KeyReturn"), Qt::FindDirectChildrenOnly));
        return found ? found : new KeyReturn(window);
    }

    void remember(QWidget *previous)
    {
        if (previous && previous != window_)
            previous_ = previous;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_) {
            if (event->type() == QEvent::Show)
                KeyFocus::take(window_);
            else if (event->type() == QEvent::Hide && !event->spontaneous())
                giveBack();
        }
        return false;
    }

private:
    void giveBack()
    {
        // Only the window that has the keyboard gives it away: a dialog closed
        // behind another one leaves the keys where they are.
        QWidget *active = QApplication::activeWindow();
        if (active && active != window_)
            return;
        if (previous_ && previous_->isVisible())
            KeyFocus::take(previous_);
    }

    QWidget *window_;
    QPointer<QWidget> previous_;
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

// Before the window is shown: who has the keyboard now, and where it goes.
void prepare(QWidget *window, QWidget *field)
{
    if (auto *files = qobject_cast<QFileDialog *>(window))
        listOnly(files);
    QWidget *previous = QApplication::activeWindow();
    if (!previous && window->parentWidget())
        previous = window->parentWidget()->window();
    KeyReturn::of(window)->remember(previous);

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

// The window the keyboard was last sent to, until it has arrived there.
QPointer<QWidget> &keyboardGoingTo()
{
    static QPointer<QWidget> window;
    return window;
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

bool isPopup(Qt::WindowType type)
{
    return type == Qt::Popup || type == Qt::ToolTip;
}

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
    if (shown) {
        // A window mapped anew is on top already; one that stayed open may
        // lie under another.
        window->raise();
        take(window);
    }
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

bool KeyFocus::keptFrom(QWindow *window)
{
    if (box())
        return behindBox(window);
    QWindow *modal = keeper();
    return modal && blockedBy(modal, window);
}

void KeyFocus::focusChanged(QWindow *focus)
{
    QPointer<QWidget> &target = keyboardGoingTo();
    if (target && focus && target->windowHandle() == focus)
        target = nullptr;
    if (!focus || !keptFrom(focus))
        return;
    if (QDialog *top = box())
        take(top);
    else
        keeper()->requestActivate();
}

void KeyFocus::pressed(QObject *receiver)
{
    QPointer<QWidget> &target = keyboardGoingTo();
    if (!target)
        return;
    QWidget *window = windowOf(receiver);
    if (window && window != target && !isPopup(window->windowType()))
        target = nullptr;
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
    if (window->findChild<QObject *>(QStringLiteral("KeyReturn"), Qt::FindDirectChildrenOnly))
        return; // opened here: it knows where the keyboard goes back to
    QWidget *active = QApplication::activeWindow();
    if (active && active != window)
        return;
    QWidget *parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (parent && parent->isVisible())
        take(parent);
}

void KeyFocus::take(QWidget *window)
{
    keyboardGoingTo() = window;
    // Not QWidget::activateWindow(): it does nothing while one of the
    // window's own dialogs is the focus window, which is exactly the moment a
    // closing dialog hands the keyboard back.
    if (QWindow *handle = window->windowHandle())
        handle->requestActivate();
    else
        window->activateWindow();
}

bool KeyFocus::keyboardOnItsWay()
{
    QPointer<QWidget> &window = keyboardGoingTo();
    if (window && window->isVisible() && !window->isActiveWindow())
        return true;
    window = nullptr;
    return false;
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
