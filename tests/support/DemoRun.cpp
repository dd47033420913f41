#include "DemoRun.h"

#include "ProbeRun.h"
#include "TempWorkDir.h"

DemoShot DemoRun::shot(const TempWorkDir &dir, const QString &name, const QStringList &args, const QString &file)
{
    const QString path = dir.filePath(file);
    const ProbeRun run = Probe::run(name, args + QStringList{QStringLiteral("--shot"), path});
    DemoShot result;
    result.code = run.code;
    result.err = run.err;
    result.written = dir.exists(file);
    if (result.written)
        result.image = QImage(path);
    return result;
}
