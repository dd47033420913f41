#include "ConsoleCapture.h"

#include <QMutex>
#include <QString>
#include <QtGlobal>

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace {

QMutex handlerMutex;
int stderrCaptures = 0;
QtMessageHandler runnerHandler = nullptr;

void toStderrAndRunner(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QByteArray line = qFormatLogMessage(type, context, message).toLocal8Bit() + '\n';
    // Whatever stderr is now: the capture's pipe while one is open.
    if (::write(STDERR_FILENO, line.constData(), size_t(line.size())) < 0) {
        // A full pipe drops the line, as for any other console write.
    }
    if (runnerHandler)
        runnerHandler(type, context, message);
}

void startMessages()
{
    QMutexLocker lock(&handlerMutex);
    if (stderrCaptures++ == 0)
        runnerHandler = qInstallMessageHandler(toStderrAndRunner);
}

void stopMessages()
{
    QMutexLocker lock(&handlerMutex);
    if (--stderrCaptures == 0)
        qInstallMessageHandler(runnerHandler);
}

} // namespace

ConsoleCapture::ConsoleCapture(int fd)
    : fd_(fd)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return;
    // A writer must never block on a full pipe that nobody reads yet.
    ::fcntl(ends[1], F_SETFL, O_NONBLOCK);
    std::fflush(nullptr);
    saved_ = ::dup(fd);
    ::dup2(ends[1], fd);
    ::close(ends[1]);
    read_ = ends[0];
    if (fd == STDERR_FILENO) {
        startMessages();
        messages_ = true;
    }
}

ConsoleCapture::~ConsoleCapture()
{
    stop();
    if (!taken_)
        giveBack();
}

QByteArray ConsoleCapture::text()
{
    stop();
    taken_ = true;
    return text_;
}

void ConsoleCapture::giveBack()
{
    for (int at = 0; at < text_.size();) {
        const ssize_t put = ::write(fd_, text_.constData() + at, size_t(text_.size() - at));
        if (put <= 0)
            return;
        at += int(put);
    }
}

void ConsoleCapture::stop()
{
    if (saved_ < 0)
        return;
    if (messages_) {
        stopMessages();
        messages_ = false;
    }
    std::fflush(nullptr);
    ::dup2(saved_, fd_);
    ::close(saved_);
    saved_ = -1;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(read_, buffer, sizeof buffer);
        if (got <= 0)
            break;
        text_.append(buffer, int(got));
    }
    ::close(read_);
    read_ = -1;
}
