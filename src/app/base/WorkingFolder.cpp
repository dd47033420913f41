#include "app/base/WorkingFolder.h"

#include "app/base/BasePath.h"

#include <QDir>

QStringList WorkingFolder::requiredFolders()
{
    return {basePath + "/.tovrelcnc", basePath + "/ravok/.tovrelcnc", basePath + "/ncfile"};
}

QStringList WorkingFolder::prepare()
{
    QStringList failed;
    for (const QString &folder : requiredFolders()) {
        if (!QDir().mkpath(folder))
            failed << folder;
    }
    return failed;
}
