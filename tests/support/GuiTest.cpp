#include "GuiTest.h"

#include "app/base/KButton.h"
#include "app/base/KeyOrder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QTimer>
#include <QWidget>
#include <QWindow>

bool GuiTest::waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(1);
    loop.exec();
    return done();
}

bool GuiTest::waitClickLockFree(int timeoutMs)
{
    return waitUntil([] { return !clickLock; }, timeoutMs);
}

namespace {

QtMessageHandler shownHandler = nullptr;

// This platform tells of every raise of a window, which it cannot do; the
// program raises the window it gives the keyboard.
void withoutRaiseNotes(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text == QLatin1String("This plugin does not support raise()"))
        return;
    if (shownHandler)
        shownHandler(type, context, text);
}

} // namespace

bool GuiTest::activate(QWidget *window)
{
    static const bool quietRaise = [] {
        shownHandler = qInstallMessageHandler(withoutRaiseNotes);
        return true;
    }();
    Q_UNUSED(quietRaise);
    // Keys reach a window here as they do in the program.
    KeyOrder::install();
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

void GuiTest::key(QWidget *widget, QEvent::Type type, int key, bool autoRepeat)
{
    qt_handleKeyEvent(widget->window()->windowHandle(), type, key, Qt::NoModifier, QString(), autoRepeat);
}

void GuiTest::typeAt(QWidget *widget, int key, unsigned long stamp, bool autoRepeat)
{
    QWindow *window = widget->window()->windowHandle();
    QKeyEvent check(QEvent::ShortcutOverride, key, Qt::NoModifier, QString(), autoRepeat);
    check.setTimestamp(stamp);
    QSpontaneKeyEvent::setSpontaneous(&check);
    check.ignore();
    QObject *focus = window->focusObject();
    // As the test library does: sendEvent() would mark it as the program's own.
    QApplication::instance()->notify(focus ? focus : window, &check);
    // The test library's own shortcut step; its check goes past the filters
    // as one the program sends itself.
    if (!check.isAccepted())
        qt_sendShortcutOverrideEvent(window, stamp, key, Qt::NoModifier, QString(), autoRepeat);
}

void GuiTest::typeFileName(QFileDialog *dialog, const QString &name)
{
    if (auto *field = qobject_cast<QLineEdit *>(dialog->focusWidget()))
        field->setText(name);
    else
        dialog->selectFile(name);
}

namespace {

QList<QAbstractButton *> downButtons(QWidget *window)
{
    QList<QAbstractButton *> down;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        if (b->isDown())
            down << b;
    }
    return down;
}

} // namespace

bool GuiTest::settle(QWidget *window, int timeoutMs)
{
    return waitUntil([&] { return downButtons(window).isEmpty(); }, timeoutMs) && waitClickLockFree(timeoutMs);
}

bool GuiTest::keyClick(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers, int timeoutMs)
{
    return keyClickUntil(
        window, key, [] { return true; }, modifiers, timeoutMs);
}

bool GuiTest::keyClickUntil(QWidget *window, Qt::Key key, const std::function<bool()> &effect,
                            Qt::KeyboardModifiers modifiers, int timeoutMs)
{
    const QList<QAbstractButton *> heldBefore = downButtons(window);
    QTest::keyClick(window->windowHandle(), key, modifiers);
    // A shortcut's button clicks at once and looks pressed a moment longer.
    const auto clicked = [&] {
        for (QAbstractButton *b : downButtons(window)) {
            if (!heldBefore.contains(b))
                return false;
        }
        return true;
    };
    return waitUntil([&] { return clicked() && effect(); }, timeoutMs) && waitClickLockFree(timeoutMs);
}

NoticeRecorder::NoticeRecorder(QMessageBox::StandardButton answer)
    : answer_(answer)
{
    previous_ = Notice::setHandler([this](const Notice::Request &r) {
        requests_ << r;
        // A copy, so a hook may replace itself.
        if (const Hook hook = hook_)
            hook(r);
        if (!answers_.isEmpty() && (r.buttons & answers_.first()))
            return answers_.takeFirst();
        if (answer_ != QMessageBox::NoButton)
            return answer_;
        if (r.defaultButton != QMessageBox::NoButton)
            return r.defaultButton;
        for (unsigned bit = 1; bit; bit <<= 1) {
            if (r.buttons & bit)
                return QMessageBox::StandardButton(bit);
        }
        return QMessageBox::NoButton;
    });
}

NoticeRecorder::~NoticeRecorder()
{
    Notice::setHandler(previous_);
}

QStringList NoticeRecorder::texts(QMessageBox::Icon icon) const
{
    QStringList found;
    for (const Notice::Request &r : requests_) {
        if (r.icon == icon)
            found << r.text;
    }
    return found;
}
