#include "app/base/BasePath.h"

QString basePath = QStringLiteral(".");
