#include "app/base/GlStack.h"

#include <QByteArray>
#include <QtGlobal>

void GlStack::offUnlessAsked()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", QByteArrayLiteral("none"));
}
