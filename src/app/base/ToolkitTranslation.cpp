#include "app/base/ToolkitTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool ToolkitTranslation::install(QCoreApplication *app)
{
    auto *translator = new QTranslator(app);
    const QString folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), folder)) {
        qWarning("toolkit translation qtbase_zh_CN not found in %s", qPrintable(folder));
        delete translator;
        return false;
    }
    app->installTranslator(translator);
    return true;
}
