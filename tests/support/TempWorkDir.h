#ifndef TEMPWORKDIR_H
#define TEMPWORKDIR_H

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Runs a test in a fresh working folder (basePath is ".", so every path of the
// program lands in it) and restores the previous directory afterwards.
class TempWorkDir
{
public:
    // createFolders: make .tovrelcnc, ravok/.tovrelcnc, ravok/icon and ncfile.
    explicit TempWorkDir(bool createFolders = true);
    ~TempWorkDir();
    TempWorkDir(const TempWorkDir &) = delete;
    TempWorkDir &operator=(const TempWorkDir &) = delete;

    bool isValid() const;
    QString path() const;
    QString filePath(const QString &relative) const;

    bool writeFile(const QString &relative, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relative) const;
    bool exists(const QString &relative) const;
    // A UNIX socket at `relative`, bound and closed again: a special file
    // that no open() of the system opens.
    bool bindSocket(const QString &relative) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

#endif
