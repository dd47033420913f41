#ifndef GUITEST_H
#define GUITEST_H

#include "app/base/Notice.h"

#include <QEvent>
#include <QList>
#include <Qt>

#include <functional>

class QFileDialog;
class QWidget;

// Helpers for tests that drive real widgets offscreen.
class GuiTest
{
public:
    // Runs the event loop until `done` holds, checking it every millisecond,
    // or until `timeoutMs` have passed; returns `done`. Unlike qWaitFor and
    // QTRY_*, which sleep 10 ms or more between turns, the loop wakes for
    // each timer as it falls due, so short process ticks keep their pace.
    static bool waitUntil(const std::function<bool()> &done, int timeoutMs = 5000);
    // Waits until the program-wide click lock is free again.
    static bool waitClickLockFree(int timeoutMs = 5000);
    // Shows and activates a window so key presses reach button shortcuts.
    static bool activate(QWidget *window);
    // One key event as the window system delivers it to the window of
    // `widget`: a press goes to the shortcuts first, then to the focus
    // widget. autoRepeat marks the events of a held key.
    static void key(QWidget *widget, QEvent::Type type, int key, bool autoRepeat = false);
    // A key press typed at `stamp` (the window system's time stamp, in ms)
    // on the window of `widget`, however late it is handled: its shortcut
    // check, then its shortcut. autoRepeat marks a repeat of a held key.
    static void typeAt(QWidget *widget, int key, unsigned long stamp, bool autoRepeat = false);
    // The name an operator types into a file dialog that has the keyboard
    // (QFileDialog::selectFile leaves a name field with the focus alone).
    static void typeFileName(QFileDialog *dialog, const QString &name);

    // A key click on `window` as a keyboard gives it (shortcuts first, then
    // the focus widget), then waits for what it causes instead of for a
    // time: until a button its shortcut pressed looks released again,
    // `effect` holds (the page shown, the signal come, the file written) and
    // the click lock is free again. False when that does not come within
    // `timeoutMs`.
    static bool keyClick(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                         int timeoutMs = 5000);
    // Waits until no button of `window` looks pressed and the click lock is
    // free.
    static bool settle(QWidget *window, int timeoutMs = 5000);
    static bool keyClickUntil(QWidget *window, Qt::Key key, const std::function<bool()> &effect,
                              Qt::KeyboardModifiers modifiers = Qt::NoModifier, int timeoutMs = 5000);
};

// QTRY_COMPARE and QTRY_VERIFY in a running event loop (GuiTest::waitUntil):
// QTRY_* sleep 50 ms between their looks, these see an effect as it comes.
#define WAIT_COMPARE(actual, expected)                                                                                 \
    do {                                                                                                               \
        (void)GuiTest::waitUntil([&] { return (actual) == (expected); });                                              \
        QCOMPARE(actual, expected);                                                                                    \
    } while (false)
#define WAIT_VERIFY(condition)                                                                                         \
    do {                                                                                                               \
        (void)GuiTest::waitUntil([&] { return bool(condition); });                                                     \
        QVERIFY(condition);                                                                                            \
    } while (false)

// Records every modal box instead of showing it and answers it: with the next
// queued answer when the box offers that button (so a script of questions is
// not used up by OK-only boxes between them), else with `answer` (NoButton:
// the box's default button, else its first button).
class NoticeRecorder
{
public:
    using Hook = std::function<void(const Notice::Request &)>;

    explicit NoticeRecorder(QMessageBox::StandardButton answer = QMessageBox::NoButton);
    ~NoticeRecorder();
    NoticeRecorder(const NoticeRecorder &) = delete;
    NoticeRecorder &operator=(const NoticeRecorder &) = delete;

    void setAnswer(QMessageBox::StandardButton answer) { answer_ = answer; }
    // Answers taken in turn by the boxes that offer them.
    void setAnswers(const QList<QMessageBox::StandardButton> &answers) { answers_ = answers; }
    int answersLeft() const { return answers_.size(); }
    // Runs while a box is open, before it is answered (the recorded request
    // is already in requests()).
    void setHook(Hook hook) { hook_ = std::move(hook); }
    // The texts of the recorded boxes of one kind, in order.
    QStringList texts(QMessageBox::Icon icon) const;
    const QList<Notice::Request> &requests() const { return requests_; }
    int count() const { return requests_.size(); }
    const Notice::Request &last() const { return requests_.last(); }
    void clear() { requests_.clear(); }

private:
    QList<Notice::Request> requests_;
    QList<QMessageBox::StandardButton> answers_;
    QMessageBox::StandardButton answer_;
    Hook hook_;
    Notice::Handler previous_;
};

#endif
