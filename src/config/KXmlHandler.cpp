#include "config/KXmlHandler.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

KXmlHandler::KXmlHandler(QXmlSimpleReader *reader)
    : KXmlHandlerBase(reader,
                      {QStringLiteral("RavokConfig"), QStringLiteral("Cut"), QStringLiteral("Base"),
                       QStringLiteral("Fire"), QStringLiteral("PF"), QStringLiteral("DLZ"), QStringLiteral("Laser"),
                       QStringLiteral("Torch"), QStringLiteral("BeamAngel"), QStringLiteral("Mode")})
{
}

#include "moc_KXmlHandler.cpp"

QT_WARNING_POP
