#ifndef CONFIGFILES_H
#define CONFIGFILES_H

#include "config/ConfigRecord.h"

#include <QString>

// Layouts of config.xml and fileconfig.xml under basePath. Each write prints
// its debug line first ("save......", "save file......") and reports a
// failed write by its result (see ConfigDocument).
class ConfigFiles
{
public:
    static bool writeConfig(const ConfigRecord &record, FileError *error = nullptr);
    static bool writeFileConfig(const QString &fileName, FileError *error = nullptr);
};

#endif
