#include "DemoApp.h"

#include "app/FontSetup.h"

DemoApp::DemoApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
    Q_INIT_RESOURCE(icons);
    FontSetup::installSubstitutes();
}
