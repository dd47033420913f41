#include "app/base/KeyFocus.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QThread>
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

// Keys the operator types right after the key that opened the window belong
// to the window, not to the page behind it. The window system activates it
// only some time after it is mapped; until then keys and timers (a button
// click that a shortcut delays) are held back, so they reach the window once
// it is active.
void waitActive(QWidget *window)
{
    QElapsedTimer clock;
    clock.start();
    while (window->isVisible() && !window->isActiveWindow() && !clock.hasExpired(1000)) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers);
        QThread::msleep(2);
    }
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
    waitActive(window);
}

int KeyFocus::exec(QDialog *dialog, QWidget *field)
{
    prepare(dialog, field);
    selectTyped(dialog);
    return dialog->exec();
}

void KeyFocus::windowHidden(QWidget *window)
{
    if (!window->isWindow())
        return;
    const Qt::WindowType type = window->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen)
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
