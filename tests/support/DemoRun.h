#ifndef DEMORUN_H
#define DEMORUN_H

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

class TempWorkDir;

// What a demo window of bin/ left after a run with --shot.
struct DemoShot {
    // The exit code; -1 when the demo did not start, crashed or timed out.
    int code = -1;
    QByteArray err;
    // Whether the picture's file is there at all.
    bool written = false;
    // The picture; null when none was written or it does not load.
    QImage image;
};

class DemoRun
{
public:
    // Runs bin/<name> with `args` and "--shot <dir>/<file>" in the current
    // folder (the test's `dir`) and reads back the picture.
    static DemoShot shot(const TempWorkDir &dir, const QString &name, const QStringList &args,
                         const QString &file = QStringLiteral("shot.png"));
};

#endif
