#include "config/KTHCXmlHandler.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

KTHCXmlHandler::KTHCXmlHandler(QXmlSimpleReader *reader)
    : KXmlHandlerBase(reader, {QStringLiteral("THCConfig"), QStringLiteral("THC1"), QStringLiteral("THC2"),
                               QStringLiteral("THCSpeed")})
{
}

#include "moc_KTHCXmlHandler.cpp"

QT_WARNING_POP
