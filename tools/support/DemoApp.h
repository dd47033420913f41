#ifndef DEMOAPP_H
#define DEMOAPP_H

#include <QApplication>

// The application of a demo window, started as the program starts: with the
// compiled-in icons, the program's font substitutes and the toolkit's
// Chinese catalogue.
class DemoApp : public QApplication
{
public:
    DemoApp(int &argc, char **argv);
};

#endif
