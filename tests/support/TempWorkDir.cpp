#include "TempWorkDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

TempWorkDir::TempWorkDir(bool createFolders)
    : previous_(QDir::currentPath())
{
    if (!dir_.isValid())
        return;
    QDir::setCurrent(dir_.path());
    if (createFolders) {
        for (const char *folder : {".tovrelcnc", "ravok/.tovrelcnc", "ravok/icon", "ncfile"})
            QDir().mkpath(QString::fromLatin1(folder));
    }
}

TempWorkDir::~TempWorkDir()
{
    QDir::setCurrent(previous_);
}

bool TempWorkDir::isValid() const
{
    return dir_.isValid();
}

QString TempWorkDir::path() const
{
    return dir_.path();
}

QString TempWorkDir::filePath(const QString &relative) const
{
    return dir_.filePath(relative);
}

bool TempWorkDir::writeFile(const QString &relative, const QByteArray &bytes) const
{
    const QString full = filePath(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray TempWorkDir::readFile(const QString &relative) const
{
    QFile f(filePath(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TempWorkDir::exists(const QString &relative) const
{
    return QFileInfo::exists(filePath(relative));
}

bool TempWorkDir::bindSocket(const QString &relative) const
{
    const QByteArray name = QFile::encodeName(filePath(relative));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // An empty name would bind an abstract socket, which leaves no file.
    if (name.isEmpty() || size_t(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}
