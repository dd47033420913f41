#include "config/ConfigDocument.h"

#include "app/base/BasePath.h"
#include "app/base/FileSave.h"
#include "config/KXmlWriter.h"

#include <QBuffer>
#include <QDebug>

QByteArray ConfigDocument::text(const QString &root, const QList<Element> &children)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        KXmlWriter writer(&buffer);
        writer.setLineAfterTag(true);
        writer.writeUnescaped(QStringLiteral("<?xml version='1.0'?>"));
        writer.writeUnescaped(QStringLiteral("<!DOCTYPE RAVOK>"));
        writer.endLine();
        writer.writeStartTag(root, AttributeMap());
        for (const Element &child : children)
            writer.writeEmptyTag(child.first, child.second);
        writer.writeEndTag(root);
    }
    return bytes;
}

bool ConfigDocument::write(const QString &path, const QString &root, const QList<Element> &children,
                           FileError *errorOut)
{
    FileError error;
    if (!FileSave::write(path, text(root, children), &error)) {
        qWarning().noquote() << QStringLiteral("cannot write %1: %2").arg(path, error.text());
        if (errorOut)
            *errorOut = error;
        return false;
    }
    return true;
}

QString ConfigDocument::configPath()
{
    return basePath + QStringLiteral("/.tovrelcnc/config.xml");
}

QString ConfigDocument::fileConfigPath()
{
    return basePath + QStringLiteral("/.tovrelcnc/fileconfig.xml");
}

QString ConfigDocument::thcConfigPath()
{
    return basePath + QStringLiteral("/ravok/.tovrelcnc/thcconfig.xml");
}
