#include "app/base/ProgramFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const char *const ProgramFile::kNotFound = "No such file or directory";
const char *const ProgramFile::kNotProgram = "Not a program file";
const char *const ProgramFile::kNotAllowed = "Permission denied";
const char *const ProgramFile::kTooLong = "File too long";

bool ProgramFile::open(QFile &file, const QString &path, QString *reason, QIODevice::OpenMode extra)
{
    QString ignored;
    QString &why = reason ? *reason : ignored;
    if (path.isEmpty()) {
        why = QLatin1String(kNotFound);
        return false;
    }
    // Without O_NONBLOCK, opening a pipe waits for a writer, however long.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = errno == ENOENT || errno == ENOTDIR ? QLatin1String(kNotFound)
              : errno == EACCES || errno == EPERM ? QLatin1String(kNotAllowed)
                                                  : QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat st {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        why = QLatin1String(kNotProgram);
        return false;
    }
    // Reads of a plain file never wait; blocking mode back for good measure.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly | extra, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        why = file.errorString();
        return false;
    }
    why.clear();
    return true;
}

bool ProgramFile::read(const QString &path, QByteArray *bytes, QString *reason, qint64 limit)
{
    Reader file(limit);
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
                *reason = file.errorString();
            return false;
        }
    }
    *bytes = all;
    return true;
}

ProgramFile::Reader::Reader(qint64 limit)
    : limit_(limit)
{
}

bool ProgramFile::Reader::openPath(const QString &path, QString *reason)
{
    close();
    tooLong_ = false;
    if (!ProgramFile::open(file_, path, reason, QIODevice::Unbuffered))
        return false;
    if (file_.size() > limit_) {
        file_.close();
        tooLong_ = true;
        if (reason)
            *reason = QLatin1String(kTooLong);
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
    setErrorString(QLatin1String(kTooLong));
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
        const qint64 more = file_.read(probe, sizeof probe);
        if (more > 0)
            return refuse();
        if (more < 0)
            setErrorString(file_.errorString());
        return more;
    }
    const qint64 got = file_.read(data, qMin(maxSize, room));
    if (got < 0)
        setErrorString(file_.errorString());
    return got;
}

qint64 ProgramFile::Reader::writeData(const char *, qint64)
{
    return -1;
}

QString ProgramFile::operatorText(const QString &reason)
{
    static const struct {
        const char *reason;
        const char *text;
    } words[] = {
        {kNotFound, QT_TRANSLATE_NOOP("ProgramFile", "文件不存在")},
        {kNotProgram, QT_TRANSLATE_NOOP("ProgramFile", "不是程序文件")},
        {kNotAllowed, QT_TRANSLATE_NOOP("ProgramFile", "没有权限")},
        {kTooLong, QT_TRANSLATE_NOOP("ProgramFile", "文件太长")},
        {"No space left on device", QT_TRANSLATE_NOOP("ProgramFile", "磁盘已满")},
        {"File too large", QT_TRANSLATE_NOOP("ProgramFile", "超出文件大小限制")},
        {"Read-only file system", QT_TRANSLATE_NOOP("ProgramFile", "磁盘只读")},
    };
    for (const auto &w : words) {
        if (reason == QLatin1String(w.reason))
            return QCoreApplication::translate("ProgramFile", w.text);
    }
    return reason;
}
