// xseq STEP...: sends input through the X test extension, one step after the
// other, each handed to the server at once, with waits timed in
// microseconds; xdotool cannot time a gap under a millisecond.
//   down, up          the first mouse button pressed, released (where the
//                     pointer is)
//   key=NAME          the key NAME (an X key name: Up, Escape, F1) pressed
//                     and released
//   wait=US           waits US microseconds
// Example: xseq down up wait=500 key=Up
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

// Waits by the clock, the last stretch by looking at it: a sleep of the
// system overshoots by tens of microseconds.
void waitMicroseconds(long us)
{
    using Clock = std::chrono::steady_clock;
    const auto until = Clock::now() + std::chrono::microseconds(us);
    if (us > 300)
        std::this_thread::sleep_for(std::chrono::microseconds(us - 200));
    while (Clock::now() < until) {
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fputs("usage: xseq STEP... (down, up, key=NAME, wait=US)\n", stderr);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("xseq: no display\n", stderr);
        return 2;
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
        std::fputs("xseq: the display has no test extension\n", stderr);
        return 2;
    }
    int status = 0;
    for (int i = 1; i < argc && status == 0; ++i) {
        const char *step = argv[i];
        if (std::strcmp(step, "down") == 0 || std::strcmp(step, "up") == 0) {
            XTestFakeButtonEvent(display, 1, step[0] == 'd', CurrentTime);
        } else if (std::strncmp(step, "key=", 4) == 0) {
            const KeySym sym = XStringToKeysym(step + 4);
            const KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(display, sym);
            if (!code) {
                std::fprintf(stderr, "xseq: no key %s\n", step + 4);
                status = 2;
                break;
            }
            XTestFakeKeyEvent(display, code, True, CurrentTime);
            XTestFakeKeyEvent(display, code, False, CurrentTime);
        } else if (std::strncmp(step, "wait=", 5) == 0) {
            waitMicroseconds(std::strtol(step + 5, nullptr, 10));
            continue;
        } else {
            std::fprintf(stderr, "xseq: unknown step %s\n", step);
            status = 2;
            break;
        }
        XFlush(display);
    }
    // Every event has reached the server before the tool ends.
    XSync(display, False);
    XCloseDisplay(display);
    return status;
}
