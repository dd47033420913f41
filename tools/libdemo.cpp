// libdemo: the library form alone in a window, with a shape chosen as the
// catalogue would choose it, for looking at the form on screen.
//   libdemo [N]     N = catalogue entry 0..49 (default 19)

#include "app/FontSetup.h"
#include "library/KLibConfig.h"

#include <QApplication>
#include <QGroupBox>
#include <QVBoxLayout>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    FontSetup::installSubstitutes();
    const QStringList args = app.arguments();
    const int shape = args.size() > 1 ? args.at(1).toInt() : 19;

    QGroupBox frame(QStringLiteral("零件参数:  <Tab> 切换  <Enter> 修改"));
    frame.setGeometry(260, 2, 582, 140);
    auto *form = new KLibConfig(&frame);
    form->move(4, 24);
    form->hideParameters();
    form->resetPlacement();
    form->setShape(shape);
    frame.show();
    return app.exec();
}
