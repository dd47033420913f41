#include "GuiTest.h"

#include "app/base/KButton.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>

bool GuiTest::waitClickLockFree(int timeoutMs)
{
    return QTest::qWaitFor([] { return !clickLock; }, timeoutMs);
}

bool GuiTest::activate(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

void GuiTest::key(QWidget *widget, QEvent::Type type, int key, bool autoRepeat)
{
    qt_handleKeyEvent(widget->window()->windowHandle(), type, key, Qt::NoModifier, QString(), autoRepeat);
}

void GuiTest::typeFileName(QFileDialog *dialog, const QString &name)
{
    if (auto *field = qobject_cast<QLineEdit *>(dialog->focusWidget()))
        field->setText(name);
    else
        dialog->selectFile(name);
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
