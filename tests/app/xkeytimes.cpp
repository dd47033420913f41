// xkeytimes: prints every key press and every press and release of a mouse
// button that the X server takes from its devices (real or made by the X
// test extension, as xdotool makes them), with the time the server stamped
// on it, the time a program reads from the event:
//   press F1 123456
//   press Button1 123500
//   release Button1 123560
// One line each, written at once. "ready" comes first, once the recording
// runs; it ends when it is killed. A rule about the time between two keys is
// judged by these stamps: the pace asked of the sender is not the pace the
// server sees on a busy machine.
// Key names are read from the keyboard map as it was at the start; keys that
// a sender maps for a moment (xdotool's scratch keycodes) print by their old
// name or as keycode=N.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>

#include <cstdio>

namespace {

Display *names = nullptr;

void print(const char *kind, const char *name, unsigned int code, unsigned long time)
{
    if (name)
        std::printf("%s %s %lu\n", kind, name, time);
    else
        std::printf("%s keycode=%u %lu\n", kind, code, time);
    std::fflush(stdout);
}

void onRecorded(XPointer, XRecordInterceptData *data)
{
    if (data->category == XRecordStartOfData) {
        std::puts("ready");
        std::fflush(stdout);
    } else if (data->category == XRecordFromServer && data->data) {
        const auto *event = reinterpret_cast<const xEvent *>(data->data);
        const int type = event->u.u.type & 0x7f;
        const unsigned int detail = event->u.u.detail;
        const unsigned long time = event->u.keyButtonPointer.time;
        if (type == KeyPress) {
            const KeySym sym = XkbKeycodeToKeysym(names, static_cast<KeyCode>(detail), 0, 0);
            print("press", sym == NoSymbol ? nullptr : XKeysymToString(sym), detail, time);
        } else if (type == ButtonPress || type == ButtonRelease) {
            char button[16];
            std::snprintf(button, sizeof button, "Button%u", detail);
            print(type == ButtonPress ? "press" : "release", button, detail, time);
        }
    }
    XRecordFreeData(data);
}

} // namespace

int main()
{
    // The recording blocks its own connection; names and the context are
    // handled on another.
    names = XOpenDisplay(nullptr);
    Display *recording = XOpenDisplay(nullptr);
    if (!names || !recording) {
        std::fputs("xkeytimes: no display\n", stderr);
        return 2;
    }
    int major = 0, minor = 0;
    if (!XRecordQueryVersion(names, &major, &minor)) {
        std::fputs("xkeytimes: the display has no record extension\n", stderr);
        return 2;
    }
    XRecordRange *range = XRecordAllocRange();
    if (!range)
        return 2;
    range->device_events.first = KeyPress;
    range->device_events.last = ButtonRelease;
    XRecordClientSpec clients = XRecordAllClients;
    const XRecordContext context = XRecordCreateContext(names, 0, &clients, 1, &range, 1);
    XFree(range);
    if (!context) {
        std::fputs("xkeytimes: cannot make a recording context\n", stderr);
        return 2;
    }
    XSync(names, False);
    if (!XRecordEnableContext(recording, context, onRecorded, nullptr)) {
        std::fputs("xkeytimes: cannot start the recording\n", stderr);
        return 2;
    }
    return 0;
}
