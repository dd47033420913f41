#include "ConsoleCapture.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

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
}

ConsoleCapture::~ConsoleCapture()
{
    stop();
}

QByteArray ConsoleCapture::text()
{
    stop();
    return text_;
}

void ConsoleCapture::stop()
{
    if (saved_ < 0)
        return;
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
