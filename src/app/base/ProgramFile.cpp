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
const char *const ProgramFile::kNotPlain = "Not a plain file";
const char *const ProgramFile::kLinkLoop = "Link loop";

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

bool ProgramFile::opensForReading(const QString &path)
{
    if (path.isEmpty())
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {
    };
    const bool file = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    ::close(fd);
    return file;
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

namespace {

// The one table of the file errors the operator can be shown: the system's
// error numbers and the reasons of our own (error 0). Several numbers may
// share a text.
struct OperatorReason {
    int error;
    const char *reason; // our own reason text; nullptr: the system's text of `error`
    const char *text;
};

const OperatorReason kOperatorReasons[] = {
    {ENOENT, ProgramFile::kNotFound, QT_TRANSLATE_NOOP("ProgramFile", "文件不存在")},
    {ENOTDIR, nullptr, QT_TRANSLATE_NOOP("ProgramFile", "文件不存在")},
    {EACCES, ProgramFile::kNotAllowed, QT_TRANSLATE_NOOP("ProgramFile", "没有权限")},
    {EPERM, nullptr, QT_TRANSLATE_NOOP("ProgramFile", "没有权限")},
    {EISDIR, nullptr, QT_TRANSLATE_NOOP("ProgramFile", "是文件夹")},
    {0, ProgramFile::kNotProgram, QT_TRANSLATE_NOOP("ProgramFile", "不是程序文件")},
    {0, ProgramFile::kNotPlain, QT_TRANSLATE_NOOP("ProgramFile", "不是文件")},
    {0, ProgramFile::kLinkLoop, QT_TRANSLATE_NOOP("ProgramFile", "链接循环")},
    {0, ProgramFile::kTooLong, QT_TRANSLATE_NOOP("ProgramFile", "文件太长")},
    {EFBIG, nullptr, QT_TRANSLATE_NOOP("ProgramFile", "超出文件大小限制")},
    {ENOSPC, nullptr, QT_TRANSLATE_NOOP("ProgramFile", "磁盘已满")},
    {EDQUOT, nullptr, QT_TRANSLATE_NOOP("ProgramFile", "磁盘已满")},
    {EROFS, nullptr, QT_TRANSLATE_NOOP("ProgramFile", "磁盘只读")},
    {ELOOP, nullptr, QT_TRANSLATE_NOOP("ProgramFile", "链接层数过多")},
    {EMLINK, nullptr, QT_TRANSLATE_NOOP("ProgramFile", "链接过多")},
    {EIO, nullptr, QT_TRANSLATE_NOOP("ProgramFile", "输入输出错误")},
    {ENAMETOOLONG, nullptr, QT_TRANSLATE_NOOP("ProgramFile", "文件名太长")},
    {0, "not every byte was written", QT_TRANSLATE_NOOP("ProgramFile", "写入不完整")},
};

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The error number a reason stands for: the system's own text of it, or
// the toolkit's words (English or translated) for a file it will not
// replace. 0 when none.
int errorOf(const QString &reason)
{
    for (int error = 1; error < 256; ++error) {
        if (reason == systemText(error))
            return error;
    }
    const auto says = [&](const char *source) {
        for (const QString &pattern : {QString::fromLatin1(source), QCoreApplication::translate("QSaveFile", source)}) {
            const int at = pattern.indexOf(QLatin1String("%1"));
            if (at < 0 ? reason == pattern
                       : reason.size() > pattern.size() - 2 && reason.startsWith(pattern.left(at))
                             && reason.endsWith(pattern.mid(at + 2)))
                return true;
        }
        return false;
    };
    if (says(QT_TRANSLATE_NOOP("QSaveFile", "Existing file %1 is not writable")))
        return EACCES;
    if (says(QT_TRANSLATE_NOOP("QSaveFile", "Filename refers to a directory")))
        return EISDIR;
    return 0;
}

} // namespace

QString ProgramFile::operatorText(const QString &reason)
{
    // A copy's reason names its source first ("path: reason").
    const int colon = reason.lastIndexOf(QLatin1String(": "));
    for (const QString &candidate : {reason, colon >= 0 ? reason.mid(colon + 2) : QString()}) {
        if (candidate.isEmpty())
            continue;
        const int error = errorOf(candidate);
        for (const OperatorReason &r : kOperatorReasons) {
            if ((r.reason && candidate == QLatin1String(r.reason)) || (error != 0 && r.error == error))
                return QCoreApplication::translate("ProgramFile", r.text);
        }
        if (error != 0)
            return QCoreApplication::translate("ProgramFile", "文件错误 %1").arg(error);
    }
    return QCoreApplication::translate("ProgramFile", "文件错误");
}
