#include "DemoApp.h"

#include "app/FileSave.h"
#include "app/FontSetup.h"
#include "app/ToolkitTranslation.h"

DemoApp::DemoApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
    FileSave::ignoreSizeLimit();
    Q_INIT_RESOURCE(icons);
    FontSetup::installSubstitutes();
    ToolkitTranslation::install(this);
}
