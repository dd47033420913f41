#include "app/base/LateKeys.h"

#include "app/base/KeyFocus.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xproto.h>

namespace {

// The window of the program shown with that window-system window; null when
// it is hidden or gone.
QWindow *standing(xcb_window_t id)
{
    const auto windows = QGuiApplication::allWindows();
    for (QWindow *window : windows) {
        if (window->handle() && window->winId() == id)
            return window->isVisible() ? window : nullptr;
    }
    return nullptr;
}

} // namespace

void LateKeys::install(QCoreApplication *application)
{
    // Never deleted: a filter removes itself from the event dispatcher when
    // destroyed, which is gone by the time statics are.
    static auto *filter = new LateKeys;
    application->installNativeEventFilter(filter);
}

bool LateKeys::nativeEventFilter(const QByteArray &eventType, void *message, long *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    auto *event = static_cast<xcb_generic_event_t *>(message);
    const uint8_t type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    // A press and a release share the layout.
    auto *key = static_cast<xcb_key_press_event_t *>(message);
    // A window a modal box blocks stands, but the toolkit drops its keys.
    QWindow *addressed = standing(key->event);
    if (addressed && !KeyFocus::keptFrom(addressed))
        return false;
    QWidget *owner = KeyFocus::owner();
    if (!owner || !owner->windowHandle() || !owner->windowHandle()->handle())
        return false;
    key->event = static_cast<xcb_window_t>(owner->windowHandle()->winId());
    key->child = XCB_NONE;
    return false;
}
