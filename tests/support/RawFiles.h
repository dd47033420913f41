#ifndef RAWFILES_H
#define RAWFILES_H

#include <QByteArray>
#include <QList>

// Files and folders as the file system holds them, named by their very
// bytes: no codec stands between them and the test, so a name that is not
// UTF-8 is made and seen as another system left it.
class RawFiles
{
public:
    // The names of a folder, sorted, hidden ones included ("." and ".."
    // left out); empty when it cannot be read.
    static QList<QByteArray> names(const QByteArray &folder);
    static bool write(const QByteArray &path, const QByteArray &bytes);
    // "<unreadable>" when the file cannot be read.
    static QByteArray read(const QByteArray &path);
};

#endif
