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
    QFile file;
    if (!open(file, path, reason))
        return false;
    if (file.size() > limit) {
        if (reason)
            *reason = QLatin1String(kTooLong);
        return false;
    }
    // The size may have grown since: never more than the limit.
    QByteArray all = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    if (all.size() > limit) {
        if (reason)
            *reason = QLatin1String(kTooLong);
        return false;
    }
    *bytes = all;
    return true;
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
