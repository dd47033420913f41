#ifndef CONFIGDOCUMENT_H
#define CONFIGDOCUMENT_H

#include "app/base/FileError.h"
#include "config/AttributeMap.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// One configuration file: the raw header line, the root with one empty
// element per child (four blanks in), LF line ends, UTF-8 without BOM.
// The whole text is built in memory and handed to FileSave, so a crash or a
// full disk never leaves a cut file behind.
class ConfigDocument
{
public:
    using Element = QPair<QString, AttributeMap>;

    // The bytes of the file.
    static QByteArray text(const QString &root, const QList<Element> &children);

    // Creates the file's folder when missing. On failure the old file is
    // left as it was, a warning naming the file is printed, the reason goes
    // to error when given, and the result is false.
    static bool write(const QString &path, const QString &root, const QList<Element> &children,
                      FileError *error = nullptr);

    // basePath + the file's place under it.
    static QString configPath();
    static QString fileConfigPath();
    static QString thcConfigPath();
};

#endif
