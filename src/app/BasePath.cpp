#include "app/BasePath.h"

QString basePath = QStringLiteral(".");
