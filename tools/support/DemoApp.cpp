#include "DemoApp.h"

#include "app/FontSetup.h"
#include "app/ToolkitTranslation.h"

DemoApp::DemoApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
    Q_INIT_RESOURCE(icons);
    FontSetup::installSubstitutes();
    ToolkitTranslation::install(this);
}
