#include "config/KXmlHandlerFile.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

KXmlHandlerFile::KXmlHandlerFile(QXmlSimpleReader *reader)
    : KXmlHandlerBase(reader, {QStringLiteral("FileConfig"), QStringLiteral("File")})
{
}

#include "moc_KXmlHandlerFile.cpp"

QT_WARNING_POP
