#include "DemoApp.h"

#include "app/base/FileNames.h"
#include "app/base/FileSave.h"
#include "app/base/FontSetup.h"
#include "app/base/KeyOrder.h"
#include "app/base/ToolkitTranslation.h"

DemoApp::DemoApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
    FileNames::install();
    FileSave::ignoreSizeLimit();
    Q_INIT_RESOURCE(icons);
    FontSetup::installSubstitutes();
    ToolkitTranslation::install(this);
    KeyOrder::install();
}
