#ifndef GUITEST_H
#define GUITEST_H

#include "app/base/Notice.h"

#include <QEvent>
#include <QList>

#include <functional>

class QFileDialog;
class QWidget;

// Helpers for tests that drive real widgets offscreen.
class GuiTest
{
public:
    // Waits until the program-wide click lock is free again.
    static bool waitClickLockFree(int timeoutMs = 1000);
    // Shows and activates a window so key presses reach button shortcuts.
    static bool activate(QWidget *window);
    // One key event as the window system delivers it to the window of
    // `widget`: a press goes to the shortcuts first, then to the focus
    // widget. autoRepeat marks the events of a held key.
    static void key(QWidget *widget, QEvent::Type type, int key, bool autoRepeat = false);
    // The name an operator types into a file dialog that has the keyboard
    // (QFileDialog::selectFile leaves a name field with the focus alone).
    static void typeFileName(QFileDialog *dialog, const QString &name);
};

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
