#include "TestPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString TestPaths::sourceDir()
{
    return QString::fromLocal8Bit(qgetenv("TOVREL_SOURCE_DIR"));
}

QString TestPaths::corpusDir()
{
    const QString dir = QString::fromLocal8Bit(qgetenv("TOVREL_CORPUS"));
    return QFileInfo(dir).isDir() ? QFileInfo(dir).absoluteFilePath() : QString();
}

QStringList TestPaths::corpusFiles()
{
    QStringList files;
    const QString dir = corpusDir();
    if (dir.isEmpty())
        return files;
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &fi : entries) {
        if (fi.fileName() == "SOURCES.md" || fi.suffix() == "expected")
            continue;
        files << fi.absoluteFilePath();
    }
    return files;
}

QString TestPaths::binDir()
{
    return QCoreApplication::applicationDirPath();
}

QStringList TestPaths::openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
}
