#include "device/DeviceIo.h"

#include <cerrno>
#include <unistd.h>

long DeviceIo::read(int fd, void *buffer, std::size_t size)
{
    if (!isOpen(fd) || !buffer)
        return -1;
    ssize_t n;
    do
        n = ::read(fd, buffer, size);
    while (n < 0 && errno == EINTR);
    return long(n);
}

long DeviceIo::write(int fd, const void *buffer, std::size_t size)
{
    if (!isOpen(fd) || !buffer)
        return -1;
    ssize_t n;
    do
        n = ::write(fd, buffer, size);
    while (n < 0 && errno == EINTR);
    return long(n);
}

int DeviceIo::close(int fd)
{
    if (!isOpen(fd))
        return -1;
    return ::close(fd);
}
