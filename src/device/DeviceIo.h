#ifndef DEVICEIO_H
#define DEVICEIO_H

#include <cstddef>

// Descriptor calls of the axis card and the height channel. Nothing in this
// program opens them: every descriptor starts at kNotOpen, and then reads and
// writes fail at once and close does nothing, so no call can block or touch
// a descriptor the program does not own.
class DeviceIo
{
public:
    static constexpr int kNotOpen = -1;

    static bool isOpen(int fd) { return fd >= 0; }

    // Bytes read or written, or -1.
    static long read(int fd, void *buffer, std::size_t size);
    static long write(int fd, const void *buffer, std::size_t size);
    // 0 on success, -1 on failure; a descriptor that is not open is left alone.
    static int close(int fd);
};

#endif
