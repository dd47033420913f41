// xseq STEP...: sends input through the X test extension, one step after the
// other, each handed to the server at once, with waits timed in
// microseconds; xdotool cannot time a gap under a millisecond.
//   down, up          the first mouse button pressed, released (where the
//                     pointer is)
//   key=NAME          the key NAME (an X key name: Up, Escape, F1) pressed
//                     and released
//   wait=US           waits US microseconds
//   at=X,Y            the step after it is sent only while the pointer
//                     stands at the point X Y of the screen: the server
//                     serves no other program from the look until it has
//                     taken that step, so none moves the pointer between.
//                     Standing elsewhere, xseq prints where ("X Y") and ends
//                     with status 3, having sent nothing more.
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

// Whether the pointer stands at x y; where it stands in at.
bool pointerAt(Display *display, int x, int y, int at[2])
{
    Window root = 0, child = 0;
    int wx = 0, wy = 0;
    unsigned int mask = 0;
    XQueryPointer(display, DefaultRootWindow(display), &root, &child, &at[0], &at[1], &wx, &wy, &mask);
    return at[0] == x && at[1] == y;
}

// Waits until the server has taken the press (down) or release of the first
// button just sent, which its state then shows; after 50 ms without, it is
// let go all the same.
void untilButtonTaken(Display *display, bool down)
{
    for (int i = 0; i < 1000; ++i) {
        Window root = 0, child = 0;
        int rx = 0, ry = 0, wx = 0, wy = 0;
        unsigned int mask = 0;
        XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rx, &ry, &wx, &wy, &mask);
        if (((mask & Button1Mask) != 0) == down)
            return;
        waitMicroseconds(50);
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
    bool held = false;
    for (int i = 1; i < argc && status == 0; ++i) {
        const char *step = argv[i];
        if (std::strcmp(step, "down") == 0 || std::strcmp(step, "up") == 0) {
            XTestFakeButtonEvent(display, 1, step[0] == 'd', CurrentTime);
            // Taken where the pointer was looked at, before any other
            // program is served.
            if (held)
                untilButtonTaken(display, step[0] == 'd');
        } else if (std::strncmp(step, "at=", 3) == 0) {
            int x = 0, y = 0, at[2] = {0, 0};
            if (std::sscanf(step + 3, "%d,%d", &x, &y) != 2) {
                std::fprintf(stderr, "xseq: no point in %s\n", step);
                status = 2;
                break;
            }
            XGrabServer(display);
            if (!pointerAt(display, x, y, at)) {
                XUngrabServer(display);
                std::printf("%d %d\n", at[0], at[1]);
                status = 3;
                break;
            }
            held = true;
            continue;
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
        if (held) {
            XSync(display, False);
            XUngrabServer(display);
            held = false;
        }
        XFlush(display);
    }
    if (held)
        XUngrabServer(display);
    // Every event has reached the server before the tool ends.
    XSync(display, False);
    XCloseDisplay(display);
    return status;
}
