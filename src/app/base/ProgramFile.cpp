#include "app/base/ProgramFile.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What stands at a name that is no plain file, as the reader of `as` tells
// it. Decided from what the open itself found, never by a second look at
// the name, which may hold something else by then.
FileError noPlainFile(bool folder, ProgramFile::Reading as)
{
    if (as == ProgramFile::AsProgram)
        return FileError(FileError::NotProgram);
    return folder ? FileError::system(EISDIR) : FileError(FileError::NotPlain);
}

// Why an open failed, as the operator can act on it: a name that leads
// nowhere is a missing file, whatever part of the path is missing, and a
// special file the system will not open (a socket, a device without its
// driver) is no plain file, as a pipe is not.
FileError openError(int number, ProgramFile::Reading as)
{
    switch (number) {
    case ENOTDIR:
        return FileError::system(ENOENT);
    case EPERM:
        return FileError::system(EACCES);
    case ENXIO:
    case ENODEV:
    case EOPNOTSUPP:
        return noPlainFile(false, as);
    case ELOOP:
        return as == ProgramFile::AsConfiguration ? FileError(FileError::LinkLoop) : FileError::system(ELOOP);
    default:
        return FileError::system(number);
    }
}

} // namespace

bool ProgramFile::open(QFile &file, const QString &path, FileError *reason, QIODevice::OpenMode extra, Reading as)
{
    FileError ignored;
    FileError &why = reason ? *reason : ignored;
    // No name is told as the write tells it, not as a missing file: the
    // operator is to learn that no program was named, not look for one.
    if (path.isEmpty()) {
        why = FileError(FileError::NoName);
        return false;
    }
    // Without O_NONBLOCK, opening a pipe waits for a writer, however long.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = openError(errno, as);
        return false;
    }
    struct stat st {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        why = noPlainFile(S_ISDIR(st.st_mode), as);
        return false;
    }
    // Reads of a plain file never wait; blocking mode back for good measure.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly | extra, QFileDevice::AutoCloseHandle)) {
        why = openError(errno, as);
        ::close(fd);
        return false;
    }
    why = FileError();
    return true;
}

bool ProgramFile::opensForReading(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {
    };
    // A socket never opens, yet it stands there as a pipe does: the read
    // tells the operator it is no program.
    if (fd < 0)
        return errno == ENXIO && ::stat(name.constData(), &st) == 0 && S_ISSOCK(st.st_mode);
    const bool file = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    ::close(fd);
    return file;
}

bool ProgramFile::read(const QString &path, QByteArray *bytes, FileError *reason, qint64 limit, Reading as)
{
    Reader file(limit, as);
    if (!file.openPath(path, reason))
        return false;
    constexpr int kPiece = 64 * 1024;
    QByteArray all;
    all.reserve(int(qMin(file.size(), limit)));
    for (;;) {
        const int start = all.size();
        all.resize(start + kPiece);
        const qint64 got = file.read(all.data() + start, kPiece);
        all.resize(start + int(qMax<qint64>(got, 0)));
        if (got == 0)
            break;
        if (got < 0) {
            if (reason)
                *reason = file.lastError();
            return false;
        }
    }
    *bytes = all;
    return true;
}

ProgramFile::Reader::Reader(qint64 limit, Reading as)
    : limit_(limit)
    , as_(as)
{
}

bool ProgramFile::Reader::openPath(const QString &path, FileError *reason)
{
    close();
    tooLong_ = false;
    error_ = FileError();
    if (!ProgramFile::open(file_, path, reason, QIODevice::Unbuffered, as_))
        return false;
    if (file_.size() > limit_) {
        file_.close();
        tooLong_ = true;
        if (reason)
            *reason = FileError(FileError::TooLong);
        return false;
    }
    return QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool ProgramFile::Reader::seek(qint64 pos)
{
    return QIODevice::seek(pos) && file_.seek(pos);
}

void ProgramFile::Reader::close()
{
    file_.close();
    QIODevice::close();
}

qint64 ProgramFile::Reader::refuse()
{
    tooLong_ = true;
    error_ = FileError(FileError::TooLong);
    setErrorString(error_.text());
    return -1;
}

qint64 ProgramFile::Reader::readData(char *data, qint64 maxSize)
{
    if (tooLong_)
        return refuse();
    const qint64 room = limit_ - file_.pos();
    if (room <= 0) {
        // At the limit: the file is too long if anything at all follows.
        // A whole piece is asked for, as some files of /proc refuse reads
        // of odd sizes.
        char probe[4096];
        errno = 0;
        const qint64 more = file_.read(probe, sizeof probe);
        if (more > 0)
            return refuse();
        if (more < 0)
            failed(errno);
        return more;
    }
    errno = 0;
    const qint64 got = file_.read(data, qMin(maxSize, room));
    if (got < 0)
        failed(errno);
    return got;
}

void ProgramFile::Reader::failed(int number)
{
    error_ = FileError::system(number);
    setErrorString(error_.text());
}

qint64 ProgramFile::Reader::writeData(const char *, qint64)
{
    return -1;
}
