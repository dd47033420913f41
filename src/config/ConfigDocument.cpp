#include "config/ConfigDocument.h"

#include "app/BasePath.h"
#include "config/KXmlWriter.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

bool ConfigDocument::write(const QString &path, const QString &root, const QList<Element> &children)
{
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder)) {
        qWarning().noquote() << QStringLiteral("cannot write %1: folder %2 cannot be created").arg(path, folder);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    {
        KXmlWriter writer(&file);
        writer.setLineAfterTag(true);
        writer.writeUnescaped(QStringLiteral("<?xml version='1.0'?>"));
        writer.writeUnescaped(QStringLiteral("<!DOCTYPE RAVOK>"));
        writer.endLine();
        writer.writeStartTag(root, AttributeMap());
        for (const Element &child : children)
            writer.writeEmptyTag(child.first, child.second);
        writer.writeEndTag(root);
    }
    if (!file.commit()) {
        qWarning().noquote() << QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
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
