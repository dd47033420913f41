// configdemo [cut|base|fire|pf|dlz|laser|torch]: the configuration page on
// the bottom strip of a 1024 x 748 window, with one dialog open, for looking
// at them in a real window.
#include "DemoApp.h"
#include "DemoWindow.h"
#include "config/KConfigTorch.h"
#include "config/KMenuConfig.h"

#include <QDialog>
#include <QTimer>

int main(int argc, char **argv)
{
    DemoApp app(argc, argv);
    const QString which = argc > 1 ? QString::fromUtf8(argv[1]) : QString();

    QWidget window;
    DemoWindow::makeStandIn(window, QStringLiteral("configdemo"));
    auto *page = new KMenuConfig(&window);
    page->setGeometry(0, 686, 1024, 60);
    window.show();

    const QMap<QString, void (KMenuConfig::*)()> openers = {
        {QStringLiteral("cut"), &KMenuConfig::cutConfig},   {QStringLiteral("base"), &KMenuConfig::baseConfig},
        {QStringLiteral("fire"), &KMenuConfig::fireConfig}, {QStringLiteral("pf"), &KMenuConfig::pfConfig},
        {QStringLiteral("dlz"), &KMenuConfig::dlzConfig},   {QStringLiteral("laser"), &KMenuConfig::laserConfig}};
    QTimer::singleShot(300, page, [&] {
        if (openers.contains(which))
            (page->*openers.value(which))();
        else if (which == QLatin1String("torch"))
            page->torchDialog->show();
    });
    return app.exec();
}
