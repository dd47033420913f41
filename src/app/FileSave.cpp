#include "app/FileSave.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <csignal>

namespace {

// A write past the file-size limit must come back as an error to report, not
// end the program on the spot (and with it the cut in progress).
void ignoreSizeLimitSignal()
{
    static const bool once = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    Q_UNUSED(once);
}

} // namespace

bool FileSave::write(const QString &path, const QByteArray &bytes, QString *errorText, Folder folder)
{
    ignoreSizeLimitSignal();
    QString ignored;
    QString &error = errorText ? *errorText : ignored;
    if (path.isEmpty()) {
        error = QStringLiteral("No file name specified");
        return false;
    }
    if (folder == CreateFolder) {
        const QString dir = QFileInfo(path).path();
        if (!QDir().mkpath(dir)) {
            error = QStringLiteral("Cannot create folder %1").arg(dir);
            return false;
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        // A write cut short by a full disk or a size limit leaves no errno
        // behind, and Qt then names no reason.
        error = QStringLiteral("not every byte was written (%1)").arg(file.errorString());
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    error.clear();
    return true;
}
