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
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why writing into `file` failed. `number` is the error the failed write
// itself left: that is the reason, whatever a later write would say (a disk
// full for a moment has room again a moment later). Only a write that came
// back short without an error names none; Qt reports that as no error at
// all, so one more byte written straight to the temporary file brings the
// system's own error back.
FileError reasonOfFailedWrite(QSaveFile &file, int number)
{
    if (number != 0)
        return FileError::system(number);
    const int fd = file.handle();
    if (fd >= 0) {
        errno = 0;
        if (::write(fd, "\n", 1) < 0 && errno != 0)
            return FileError::system(errno);
    }
    return FileError(FileError::Incomplete);
}

// Puts the bytes written into `file` on the disk. QSaveFile::commit() asks
// for the same but drops the answer, and a flush the disk refused (EIO: a
// removable disk pulled, a failing medium) would then replace the old file
// with one whose bytes may never arrive. A file that offers no syncing
// (EINVAL) has nothing more to be waited for.
bool synced(QSaveFile &file, int &number)
{
    const int fd = file.handle();
    int result;
    do {
        errno = 0;
        result = ::fdatasync(fd);
    } while (result != 0 && errno == EINTR);
    number = errno;
    return result == 0 || number == EINVAL;
}

// The toolkit tells why a file could not be made only in its own words, so
// the system is asked again: first whether a file standing there may be
// written, then whether its folder takes a new file. `number` is what the
// failed call left, for a fault neither shows.
FileError notOpened(const QString &path, int number)
{
    const QByteArray name = QFile::encodeName(path);
    if (::access(name.constData(), F_OK) == 0 && ::access(name.constData(), W_OK) != 0)
        return FileError::system(errno);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return FileError::system(errno);
    return FileError::system(number);
}

// A name beside `path` that nothing uses; empty, with the reason, when none
// can be had.
QString freshName(const QString &path, FileError &error)
{
    QTemporaryFile reserved(path + QStringLiteral(".XXXXXX"));
    errno = 0;
    if (!reserved.open()) {
        error = notOpened(reserved.fileTemplate(), errno);
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
bool replaceable(const QString &path, FileError &error)
{
    struct stat st {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno != ELOOP)
            return true; // missing, or a fault the save itself will report
        error = FileError::system(ELOOP);
        return false;
    }
    if (S_ISREG(st.st_mode))
        return true;
    error = FileError(S_ISDIR(st.st_mode) ? FileError::Folder : FileError::NotPlain);
    return false;
}

// Opens the temporary file, lets `fill` write into it and commits; false and
// the reason on any failure, with nothing left behind.
bool save(const QString &path, FileError &error, FileSave::Folder folder, const std::function<bool(QSaveFile &)> &fill)
{
    FileSave::ignoreSizeLimit();
    if (path.isEmpty()) {
        error = FileError(FileError::NoName);
        return false;
    }
    if (!replaceable(path, error))
        return false;
    if (folder == FileSave::CreateFolder) {
        const QString dir = QFileInfo(path).path();
        if (!QDir().mkpath(dir)) {
            error = FileError(FileError::FolderNotMade, dir);
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
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        error = notOpened(file.fileName(), errno);
        return false;
    }
    errno = 0;
    int number = 0;
    if (!fill(file) || !file.flush() || file.error() != QFileDevice::NoError) {
        // Taken before anything else can call the system.
        number = errno;
        if (error.isNone())
            error = reasonOfFailedWrite(file, number);
    } else if (!synced(file, number)) {
        error = FileError::system(number);
    }
    if (!error.isNone()) {
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        error = FileError::system(errno);
        return false;
    }
    if (!staged.isEmpty()
        && ::rename(QFile::encodeName(staged).constData(), QFile::encodeName(path).constData()) != 0) {
        error = FileError::system(errno);
        QFile::remove(staged);
        return false;
    }
    error = FileError();
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

bool FileSave::write(const QString &path, const QByteArray &bytes, FileError *errorOut, Folder folder)
{
    FileError ignored;
    FileError &error = errorOut ? *errorOut : ignored;
    error = FileError();
    return save(path, error, folder, [&](QSaveFile &file) { return file.write(bytes) == bytes.size(); });
}

bool FileSave::copy(const QString &from, const QString &to, FileError *errorOut, Folder folder)
{
    FileError ignored;
    FileError &error = errorOut ? *errorOut : ignored;
    error = FileError();
    QFile source;
    if (!ProgramFile::open(source, from, &error))
        return false;
    return save(to, error, folder, [&](QSaveFile &file) {
        QByteArray piece;
        qint64 copied = 0;
        errno = 0;
        while (!(piece = source.read(64 * 1024)).isEmpty()) {
            if (file.write(piece) != piece.size())
                return false;
            copied += piece.size();
            errno = 0;
        }
        if (source.error() != QFileDevice::NoError) {
            error = FileError::system(errno, from);
            return false;
        }
        if (copied != source.size()) {
            error = FileError(FileError::Incomplete, from);
            return false;
        }
        return true;
    });
}
