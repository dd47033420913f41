#include "app/base/FileSave.h"

#include "app/base/ProgramFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Qt names no reason for a write cut short by a full disk or a size limit:
// one more byte written straight to the temporary file brings the system's
// own error back.
QString reasonOfFailedWrite(QSaveFile &file)
{
    const int fd = file.handle();
    if (fd >= 0) {
        errno = 0;
        if (::write(fd, "\n", 1) < 0 && errno != 0)
            return QString::fromLocal8Bit(std::strerror(errno));
    }
    const QString qtText = file.errorString();
    return qtText == QLatin1String("Unknown error") ? QStringLiteral("not every byte was written") : qtText;
}

// A name beside `path` that nothing uses; empty, with the reason, when none
// can be had.
QString freshName(const QString &path, QString &error)
{
    QTemporaryFile reserved(path + QStringLiteral(".XXXXXX"));
    if (!reserved.open()) {
        error = reserved.errorString();
        return QString();
    }
    const QString name = reserved.fileName();
    // Made anew by the save, with the permissions a new file gets.
    reserved.remove();
    return name;
}

// Whether a save may take the place of what stands at `path`: nothing, a
// plain file, or a link to one (or to nothing). A pipe would hold a write
// until a reader came and a device would swallow it; replacing either, a
// folder or a loop of links with a file would lose what the operator put
// there. Such an entry is refused before anything opens it, and left as it
// is. Only the entry's status is asked, which never waits.
bool replaceable(const QString &path, QString &error)
{
    struct stat st {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno != ELOOP)
            return true; // missing, or a fault the save itself will report
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (S_ISREG(st.st_mode))
        return true;
    error =
        S_ISDIR(st.st_mode) ? QStringLiteral("Filename refers to a directory") : QLatin1String(ProgramFile::kNotPlain);
    return false;
}

// Opens the temporary file, lets `fill` write into it and commits; false and
// the reason on any failure, with nothing left behind.
bool save(const QString &path, QString &error, FileSave::Folder folder, const std::function<bool(QSaveFile &)> &fill)
{
    FileSave::ignoreSizeLimit();
    if (path.isEmpty()) {
        error = QStringLiteral("No file name specified");
        return false;
    }
    if (!replaceable(path, error))
        return false;
    if (folder == FileSave::CreateFolder) {
        const QString dir = QFileInfo(path).path();
        if (!QDir().mkpath(dir)) {
            error = QStringLiteral("Cannot create folder %1").arg(dir);
            return false;
        }
    }
    // QSaveFile follows a link and replaces the file it names. The program's
    // own file is saved under a fresh name beside the link instead, which
    // then takes the link's place in one rename.
    const bool replaceLink = folder == FileSave::CreateFolder && QFileInfo(path).isSymLink();
    const QString staged = replaceLink ? freshName(path, error) : QString();
    if (replaceLink && staged.isEmpty())
        return false;
    QSaveFile file(staged.isEmpty() ? path : staged);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (!fill(file) || !file.flush() || file.error() != QFileDevice::NoError) {
        if (error.isEmpty())
            error = reasonOfFailedWrite(file);
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    if (!staged.isEmpty()
        && ::rename(QFile::encodeName(staged).constData(), QFile::encodeName(path).constData()) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(staged);
        return false;
    }
    error.clear();
    return true;
}

} // namespace

void FileSave::ignoreSizeLimit()
{
    static const bool once = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    Q_UNUSED(once);
}

bool FileSave::write(const QString &path, const QByteArray &bytes, QString *errorText, Folder folder)
{
    QString ignored;
    QString &error = errorText ? *errorText : ignored;
    error.clear();
    return save(path, error, folder, [&](QSaveFile &file) { return file.write(bytes) == bytes.size(); });
}

bool FileSave::copy(const QString &from, const QString &to, QString *errorText, Folder folder)
{
    QString ignored;
    QString &error = errorText ? *errorText : ignored;
    error.clear();
    QFile source;
    if (!ProgramFile::open(source, from, &error))
        return false;
    return save(to, error, folder, [&](QSaveFile &file) {
        QByteArray piece;
        qint64 copied = 0;
        while (!(piece = source.read(64 * 1024)).isEmpty()) {
            if (file.write(piece) != piece.size())
                return false;
            copied += piece.size();
        }
        if (source.error() != QFileDevice::NoError || copied != source.size()) {
            error = QStringLiteral("%1: %2").arg(from, source.errorString());
            return false;
        }
        return true;
    });
}
