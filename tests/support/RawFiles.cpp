#include "RawFiles.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <dirent.h>

QList<QByteArray> RawFiles::names(const QByteArray &folder)
{
    QList<QByteArray> found;
    if (DIR *dir = opendir(folder.constData())) {
        while (const dirent *entry = readdir(dir)) {
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                found << QByteArray(entry->d_name);
        }
        closedir(dir);
    }
    std::sort(found.begin(), found.end());
    return found;
}

bool RawFiles::write(const QByteArray &path, const QByteArray &bytes)
{
    std::FILE *file = std::fopen(path.constData(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) == size_t(bytes.size());
    return std::fclose(file) == 0 && written;
}

QByteArray RawFiles::read(const QByteArray &path)
{
    std::FILE *file = std::fopen(path.constData(), "rb");
    if (!file)
        return QByteArray("<unreadable>");
    QByteArray bytes;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, int(n));
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return failed ? QByteArray("<unreadable>") : bytes;
}
