// The libFuzzer entry of one target; TOVREL_FUZZ_TARGET names it.

#include "FuzzTargets.h"

#include "app/base/FileNames.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

FuzzTargets::Body body = nullptr;

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

// Every commit of a save syncs to disk: the work folder lives in memory when
// the machine has /dev/shm.
QTemporaryDir *workFolder()
{
    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir dir(base + QStringLiteral("/" TOVREL_FUZZ_TARGET "-XXXXXX"));
    return &dir;
}

// The target runs in its own folder: corpus folders and inputs named
// relative to where it was started must still be found.
void makePathsAbsolute(int argc, char **argv)
{
    for (int k = 1; k < argc; ++k) {
        if (argv[k][0] == '-')
            continue;
        const QByteArray path = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[k])).toLocal8Bit();
        argv[k] = qstrdup(path.constData());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FileNames::install();
    makePathsAbsolute(*argc, *argv);
    body = FuzzTargets::find(TOVREL_FUZZ_TARGET);
    QTemporaryDir *dir = workFolder();
    if (!body || !dir->isValid() || !QDir::setCurrent(dir->path()) || !FuzzTargets::prepareFolder()) {
        std::fprintf(stderr, "%s: cannot set up its work folder\n", TOVREL_FUZZ_TARGET);
        std::exit(1);
    }
    // The parse entries and writers print a line per call; that is no finding.
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return body(data, size);
}
