#include "app/base/FileFailure.h"

#include "app/base/FileNames.h"

QString FileFailure::text() const
{
    return (writing ? QStringLiteral("Cannot write file %1:\n%2.") : QStringLiteral("Cannot read file %1:\n%2."))
        .arg(FileNames::shown(file), reason.text());
}
