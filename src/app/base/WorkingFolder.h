#ifndef WORKINGFOLDER_H
#define WORKINGFOLDER_H

#include <QStringList>

// The folders the program reads and writes under basePath. Creating the
// missing ones at start-up keeps the first save of a fresh installation
// from failing silently; nothing here ever deletes.
class WorkingFolder
{
public:
    static QStringList requiredFolders();
    // Creates whichever of requiredFolders() is missing; returns the ones
    // that could not be created (empty on success).
    static QStringList prepare();
};

#endif
