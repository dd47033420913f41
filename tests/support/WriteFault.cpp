#include "WriteFault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Qt's file devices buffer up to 16 KB before they write.
constexpr qint64 kFirstBuffer = 16 * 1024;
// The user that owns nothing in a test folder.
constexpr uid_t kNobody = 65534;

// The failing writes of WriteError and OneWriteError: set before `failing`
// is, read by the write() below from any thread.
std::atomic<int> failing{0};
std::atomic<bool> failOnce{false};
// The error of FlushError, set after failingFolder.
std::atomic<int> failingSync{0};
// The folder, as the system names it (links resolved), with a slash at the end.
QByteArray failingFolder;

// Whether `fd` is a file in the failing folder. An unnamed temporary file
// (QSaveFile's, until it is committed) is named in its folder all the same.
bool inFailingFolder(int fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[PATH_MAX];
    const ssize_t size = ::readlink(link, path, sizeof path);
    return size > failingFolder.size()
           && std::memcmp(path, failingFolder.constData(), size_t(failingFolder.size())) == 0;
}

} // namespace

// Takes the C library's place for the whole test program, Qt's file devices
// included; as long as no FaultScope fails writes it only passes them on.
extern "C" ssize_t write(int fd, const void *bytes, size_t count)
{
    int error = failing.load();
    if (error != 0 && fd > STDERR_FILENO && inFailingFolder(fd)
        && (!failOnce.load() || failing.compare_exchange_strong(error, 0))) {
        errno = error;
        return -1;
    }
    using Write = ssize_t (*)(int, const void *, size_t);
    static const auto real = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    return real(fd, bytes, count);
}

namespace {

using Sync = int (*)(int);

int failedSync(int fd, Sync real)
{
    const int error = failingSync.load();
    if (error != 0 && fd > STDERR_FILENO && inFailingFolder(fd)) {
        errno = error;
        return -1;
    }
    return real(fd);
}

} // namespace

// Both, whichever a writer uses to put its file on the disk.
extern "C" int fsync(int fd)
{
    static const auto real = reinterpret_cast<Sync>(dlsym(RTLD_NEXT, "fsync"));
    return failedSync(fd, real);
}

extern "C" int fdatasync(int fd)
{
    static const auto real = reinterpret_cast<Sync>(dlsym(RTLD_NEXT, "fdatasync"));
    return failedSync(fd, real);
}

QString WriteFault::name() const
{
    if (label)
        return QString::fromLatin1(label);
    switch (kind) {
    case SizeLimit:
        return QStringLiteral("size limit %1").arg(limit);
    case ReadOnlyFolder:
        return QStringLiteral("read-only folder");
    case FileAsFolder:
        return QStringLiteral("file as folder");
    case MissingFolder:
        return QStringLiteral("missing folder");
    case WriteError:
        return QStringLiteral("every write: %1").arg(QString::fromLocal8Bit(std::strerror(error)));
    case OneWriteError:
        return QStringLiteral("one write: %1").arg(QString::fromLocal8Bit(std::strerror(error)));
    case FlushError:
        return QStringLiteral("flush: %1").arg(QString::fromLocal8Bit(std::strerror(error)));
    }
    return QString();
}

QList<WriteFault> WriteFault::standard(qint64 fullSize)
{
    return {{SizeLimit, 0, "size limit 0"},
            {SizeLimit, qMin(fullSize / 2, kFirstBuffer / 2), "size limit within the first buffer"},
            {SizeLimit, fullSize - 1, "size limit one byte short"},
            {ReadOnlyFolder, 0, "read-only folder"},
            {FileAsFolder, 0, "file as folder"},
            {MissingFolder, 0, "missing folder"}};
}

QMap<QString, QByteArray> WriteFault::snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile file(dir.filePath(name));
        files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
    }
    return files;
}

FaultScope::FaultScope(const WriteFault &fault, const QString &folder)
    : fault_(fault)
    , folder_(QFileInfo(folder).absoluteFilePath())
    , away_(folder_ + QStringLiteral(".away"))
{
    if (!QFileInfo(folder_).isDir()) {
        error_ = QStringLiteral("no folder %1").arg(folder_);
        return;
    }
    active_ = true;
    switch (fault.kind) {
    case WriteFault::SizeLimit:
        setSizeLimit(fault.limit);
        break;
    case WriteFault::ReadOnlyFolder:
        makeReadOnly();
        break;
    case WriteFault::FileAsFolder:
        moveFolderAway(true);
        break;
    case WriteFault::MissingFolder:
        moveFolderAway(false);
        break;
    case WriteFault::WriteError:
    case WriteFault::OneWriteError:
    case WriteFault::FlushError:
        failWrites();
        break;
    }
}

FaultScope::~FaultScope()
{
    restore();
}

void FaultScope::setSizeLimit(qint64 bytes)
{
    // Ignored, the signal turns a write past the limit into an error
    // instead of ending the test.
    struct sigaction ignore {
    };
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &oldAction_);
    getrlimit(RLIMIT_FSIZE, &oldLimit_);
    rlimit limit = oldLimit_;
    limit.rlim_cur = rlim_t(bytes);
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        error_ = QStringLiteral("setrlimit failed");
}

void FaultScope::makeReadOnly()
{
    // Root writes into any folder: drop to a user that must keep out, and
    // let that user reach the folder.
    if (geteuid() == 0) {
        for (QString dir = QFileInfo(folder_).path(); dir != QLatin1String("/"); dir = QFileInfo(dir).path()) {
            struct stat st {
            };
            // The group class counts too: the effective group stays root's.
            const mode_t search = S_IXGRP | S_IXOTH;
            if (stat(QFile::encodeName(dir).constData(), &st) == 0 && (st.st_mode & search) != search) {
                oldModes_.append({dir, uint(st.st_mode & 07777)});
                chmod(QFile::encodeName(dir).constData(), (st.st_mode & 07777) | search);
            }
        }
    }
    struct stat st {
    };
    stat(QFile::encodeName(folder_).constData(), &st);
    oldModes_.append({folder_, uint(st.st_mode & 07777)});
    if (chmod(QFile::encodeName(folder_).constData(), 0555) != 0) {
        error_ = QStringLiteral("chmod failed");
        return;
    }
    if (geteuid() == 0) {
        oldEuid_ = geteuid();
        if (seteuid(kNobody) != 0) {
            error_ = QStringLiteral("seteuid failed");
            return;
        }
        droppedUser_ = true;
    }
}

void FaultScope::moveFolderAway(bool putFileThere)
{
    if (!QDir().rename(folder_, away_)) {
        error_ = QStringLiteral("cannot move %1 away").arg(folder_);
        return;
    }
    if (putFileThere) {
        QFile file(folder_);
        if (!file.open(QIODevice::WriteOnly) || file.write("not a folder") != 12)
            error_ = QStringLiteral("cannot put a file at %1").arg(folder_);
    }
}

void FaultScope::failWrites()
{
    if (fault_.error == 0) {
        error_ = QStringLiteral("no error number to fail writes with");
        return;
    }
    failingFolder = QFile::encodeName(QFileInfo(folder_).canonicalFilePath()) + '/';
    if (fault_.kind == WriteFault::FlushError) {
        failingSync.store(fault_.error);
        return;
    }
    failOnce.store(fault_.kind == WriteFault::OneWriteError);
    failing.store(fault_.error);
}

void FaultScope::restore()
{
    if (!active_)
        return;
    active_ = false;
    switch (fault_.kind) {
    case WriteFault::SizeLimit:
        setrlimit(RLIMIT_FSIZE, &oldLimit_);
        sigaction(SIGXFSZ, &oldAction_, nullptr);
        break;
    case WriteFault::ReadOnlyFolder:
        if (droppedUser_)
            seteuid(oldEuid_);
        for (auto it = oldModes_.crbegin(); it != oldModes_.crend(); ++it)
            chmod(QFile::encodeName(it->first).constData(), mode_t(it->second));
        break;
    case WriteFault::WriteError:
    case WriteFault::OneWriteError:
    case WriteFault::FlushError:
        failing.store(0);
        failingSync.store(0);
        break;
    case WriteFault::FileAsFolder:
    case WriteFault::MissingFolder:
        if (QFileInfo(folder_).isDir())
            QDir(folder_).removeRecursively();
        else
            QFile::remove(folder_);
        QDir().rename(away_, folder_);
        break;
    }
}
