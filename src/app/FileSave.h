#ifndef FILESAVE_H
#define FILESAVE_H

#include <QByteArray>
#include <QString>

// The one routine through which the program writes a file. The new bytes go
// to a temporary file beside the target, which replaces the target only once
// every byte is on disk; on any failure the old file stays byte for byte as
// it was and nothing temporary is left behind.
//
// QSaveFile alone is not enough: in Qt 5.15 a write cut short reports no
// error, and a failure while it flushes its buffer (texts under 16 KB) never
// reaches commit(), which would then install the cut file.
class FileSave
{
public:
    enum Folder {
        CreateFolder,  // scratch and configuration files: make the folder when missing
        ExistingFolder // the operator's own files: the folder must be there
    };

    // True only when the byte count matched, the buffer reached the disk and
    // the file was committed. errorText, when given, receives the reason.
    static bool write(const QString &path, const QByteArray &bytes, QString *errorText = nullptr,
                      Folder folder = CreateFolder);
};

#endif
