#include "app/base/FileNames.h"
#include "app/base/FileSave.h"
#include "app/base/FontSetup.h"
#include "app/base/GlStack.h"
#include "app/base/KeyOrder.h"
#include "app/KMainWindow.h"
#include "app/base/ToolkitTranslation.h"
#include "app/base/WorkingFolder.h"

#include <QApplication>
#include <QPixmap>
#include <QSplashScreen>
#include <QtGlobal>

int main(int argc, char *argv[])
{
    FileNames::install();
    FileSave::ignoreSizeLimit();
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(libpictures);
    GlStack::offUnlessAsked();
    QApplication app(argc, argv);
    FontSetup::installSubstitutes();
    ToolkitTranslation::install(&app);
    KeyOrder::install();

    for (const QString &folder : WorkingFolder::prepare())
        qWarning("cannot create folder %s", qPrintable(folder));

    QPixmap pixmap(QStringLiteral(":/icon/tovrel_cnc_splash.png"));
    QSplashScreen splash(pixmap);
    splash.show();

    // Never deleted: the window lives until the process ends.
    auto *window = new KMainWindow;
    window->show();
    splash.finish(window);
    // The splash waits for the window with the events running: a close
    // asked for meanwhile came before the loop that would end on it.
    if (!window->isVisible())
        return 0;

    return app.exec();
}
