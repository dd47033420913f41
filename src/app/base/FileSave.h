#ifndef FILESAVE_H
#define FILESAVE_H

#include "app/base/FileError.h"

#include <QByteArray>
#include <QString>

// The one routine through which the program writes a file. The new bytes go
// to a temporary file beside the target, which replaces the target only once
// every byte is on disk; on any failure the old file stays byte for byte as
// it was and nothing temporary is left behind. Only a plain file (or a link
// to one, or nothing) is ever replaced: a folder, a pipe, a device or a loop
// of links at the path fails the save before anything opens it, and stays.
//
// QSaveFile alone is not enough: in Qt 5.15 a write cut short reports no
// error, a failure while it flushes its buffer (texts under 16 KB) never
// reaches commit(), which would then install the cut file, and commit()
// ignores a disk that refuses to sync the file.
class FileSave
{
public:
    // Whose file it is. The program's own files (scratch programs and
    // configuration) get their folder made when it is missing, and are files
    // of their own: a link found at the path is replaced by the file, never
    // written through, so a scratch write cannot reach a program the link
    // names. The operator's files need their folder, and a link there is
    // the operator's choice: the file it names is written.
    enum Folder {
        CreateFolder,  // the program's own files
        ExistingFolder // the operator's files
    };

    // True only when the byte count matched, the buffer reached the disk and
    // the file was committed. error, when given, receives the reason: the
    // system's error number (ENOSPC, EFBIG, EACCES ...) or the kind of entry
    // that may not be replaced (Folder, NotPlain).
    static bool write(const QString &path, const QByteArray &bytes, FileError *error = nullptr,
                      Folder folder = CreateFolder);

    // Copies a plain file (through a link: its contents) to `to` the same
    // way, a piece at a time. A source that is no plain file is refused
    // before it is read.
    static bool copy(const QString &from, const QString &to, FileError *error = nullptr,
                     Folder folder = ExistingFolder);

    // A write past the file-size limit must come back as an error to report,
    // not end the program on the spot (and with it the cut in progress).
    // Every program calls this first thing; write() and copy() call it too.
    static void ignoreSizeLimit();
};

#endif
