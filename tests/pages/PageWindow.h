#ifndef PAGEWINDOW_H
#define PAGEWINDOW_H

#include "GuiTest.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

// A stand-in for the main window holding one page of the bottom strip where
// the main window places it, shown, active and with the page focused. Keys
// go through the window system as a keyboard's would: shortcuts first, then
// the focus widget.
template <class Page> class PageWindow
{
public:
    PageWindow()
        : page(new Page(&window))
    {
        window.resize(1024, 748);
        page->setGeometry(0, 686, 1024, 60);
    }

    bool show()
    {
        if (!GuiTest::activate(&window))
            return false;
        page->setFocus();
        return page->hasFocus();
    }

    // A key click, then its shortcut's click and the click lock's release.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QVERIFY2(GuiTest::keyClick(&window, key, modifiers), "a key's click did not settle");
    }

    void press(Qt::Key key, bool autoRepeat = false)
    {
        qt_handleKeyEvent(window.windowHandle(), QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
    }

    void release(Qt::Key key) { qt_handleKeyEvent(window.windowHandle(), QEvent::KeyRelease, key, Qt::NoModifier); }

    QWidget window;
    Page *page;
};

#endif
