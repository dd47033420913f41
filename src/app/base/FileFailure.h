#ifndef FILEFAILURE_H
#define FILEFAILURE_H

#include "app/base/FileError.h"

#include <QString>

// A file that could not be read or written and why, as every box that tells
// of a failed read or save says it.
struct FileFailure {
    QString file;
    FileError reason;
    bool writing = false;

    bool isEmpty() const { return file.isEmpty(); }
    // "Cannot read file %1:\n%2." or "Cannot write file %1:\n%2.".
    QString text() const;
};

#endif
