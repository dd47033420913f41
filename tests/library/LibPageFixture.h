#ifndef LIBPAGEFIXTURE_H
#define LIBPAGEFIXTURE_H

#include "library/KLibFrame.h"
#include "library/KMenuLib.h"

#include "TempWorkDir.h"

#include <QWidget>

#include <memory>

// The library page and its key row on a shown 1024 x 748 stand-in for the
// main window, built inside a fresh working folder with the compiled-in
// icons and library pictures registered.
class LibPageFixture
{
public:
    bool setUp()
    {
        Q_INIT_RESOURCE(icons);
        Q_INIT_RESOURCE(libpictures);
        work = std::make_unique<TempWorkDir>();
        if (!work->isValid())
            return false;
        window = std::make_unique<QWidget>();
        window->resize(1024, 748);
        page = new KLibFrame(window.get());
        menu = new KMenuLib(window.get());
        menu->setGeometry(0, 686, 1024, 60);
        window->show();
        return true;
    }

    void tearDown()
    {
        window.reset();
        work.reset();
    }

    std::unique_ptr<TempWorkDir> work;
    std::unique_ptr<QWidget> window;
    KLibFrame *page = nullptr;
    KMenuLib *menu = nullptr;
};

#endif
