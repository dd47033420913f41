// xkeytimes: prints every key press and every press and release of a mouse
// button that the X server takes from its devices (real or made by the X
// test extension, as xdotool makes them), with the time the server stamped
// on it, the time a program reads from the event:
//   press F1 123456
//   press Button1 123500 550 665
//   release Button1 123560 550 665
// A button's line ends with the point of the screen the pointer stood on
// when the server took it: where the press landed, whatever a program did
// to the pointer around it.
// Two requests of the programs on the display come in the order the server
// handled them, each ending with the program's client (its resource base):
//   usertime set 123500 0x400000   a program has read the event stamped
//                          123500 (a toolkit stamps a window with the time
//                          of each key or press it reads)
//   warp pointer 123530 689 647 0x400000   a program sent the pointer to
//                          that point of the screen, at that server time
// A program that moves the pointer before its usertime line for a press had
// not read that press yet.
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
#include <cstring>

namespace {

Display *names = nullptr;
Atom userTime = None;

void print(const char *kind, const char *name, unsigned int code, unsigned long time)
{
    if (name)
        std::printf("%s %s %lu\n", kind, name, time);
    else
        std::printf("%s keycode=%u %lu\n", kind, code, time);
    std::fflush(stdout);
}

void printButton(const char *kind, unsigned int button, unsigned long time, int x, int y)
{
    std::printf("%s Button%u %lu %d %d\n", kind, button, time, x, y);
    std::fflush(stdout);
}

void onEvent(const xEvent *event)
{
    const int type = event->u.u.type & 0x7f;
    const unsigned int detail = event->u.u.detail;
    const unsigned long time = event->u.keyButtonPointer.time;
    if (type == KeyPress) {
        const KeySym sym = XkbKeycodeToKeysym(names, static_cast<KeyCode>(detail), 0, 0);
        print("press", sym == NoSymbol ? nullptr : XKeysymToString(sym), detail, time);
    } else if (type == ButtonPress || type == ButtonRelease) {
        printButton(type == ButtonPress ? "press" : "release", detail, time, event->u.keyButtonPointer.rootX,
                    event->u.keyButtonPointer.rootY);
    }
}

// The recording hands requests over in the recording client's byte order.
void onRequest(const XRecordInterceptData *data)
{
    const auto *request = reinterpret_cast<const xReq *>(data->data);
    const std::size_t size = static_cast<std::size_t>(data->data_len) * 4;
    if (request->reqType == X_ChangeProperty && size >= sz_xChangePropertyReq + 4) {
        xChangePropertyReq change;
        std::memcpy(&change, data->data, sz_xChangePropertyReq);
        if (change.property != userTime || change.format != 32 || change.nUnits != 1)
            return;
        CARD32 value = 0;
        std::memcpy(&value, data->data + sz_xChangePropertyReq, 4);
        std::printf("usertime set %lu 0x%lx\n", static_cast<unsigned long>(value), data->id_base);
        std::fflush(stdout);
    } else if (request->reqType == X_WarpPointer && size >= sz_xWarpPointerReq) {
        xWarpPointerReq warp;
        std::memcpy(&warp, data->data, sz_xWarpPointerReq);
        // Only a move to a point of the root window names its place.
        if (warp.dstWid != DefaultRootWindow(names))
            return;
        std::printf("warp pointer %lu %d %d 0x%lx\n", data->server_time, warp.dstX, warp.dstY, data->id_base);
        std::fflush(stdout);
    }
}

void onRecorded(XPointer, XRecordInterceptData *data)
{
    if (data->category == XRecordStartOfData) {
        std::puts("ready");
        std::fflush(stdout);
    } else if (data->category == XRecordFromServer && data->data) {
        onEvent(reinterpret_cast<const xEvent *>(data->data));
    } else if (data->category == XRecordFromClient && data->data) {
        onRequest(data);
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
    userTime = XInternAtom(names, "_NET_WM_USER_TIME", False);
    XRecordRange *ranges[3] = {XRecordAllocRange(), XRecordAllocRange(), XRecordAllocRange()};
    for (XRecordRange *range : ranges) {
        if (!range)
            return 2;
    }
    ranges[0]->device_events.first = KeyPress;
    ranges[0]->device_events.last = ButtonRelease;
    ranges[1]->core_requests.first = X_ChangeProperty;
    ranges[1]->core_requests.last = X_ChangeProperty;
    ranges[2]->core_requests.first = X_WarpPointer;
    ranges[2]->core_requests.last = X_WarpPointer;
    XRecordClientSpec clients = XRecordAllClients;
    const XRecordContext context = XRecordCreateContext(names, XRecordFromClientTime, &clients, 1, ranges, 3);
    for (XRecordRange *range : ranges)
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
