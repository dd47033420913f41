// Linked into every test: names are read as the program reads them, from
// the application's start on.
#include "app/base/FileNames.h"

#include <QCoreApplication>

namespace {

void installFileNames()
{
    FileNames::install();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFileNames)
