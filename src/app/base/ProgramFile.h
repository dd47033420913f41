#ifndef PROGRAMFILE_H
#define PROGRAMFILE_H

#include <QByteArray>
#include <QIODevice>
#include <QString>

class QFile;

// How every reader of an NC program (parser, editor, browser preview,
// program-line list, part library) opens it. Only a plain file is a program:
// a folder is refused, and a pipe or a device is refused before anything
// waits on it or reads from it, since neither can be relied on to end.
class ProgramFile
{
public:
    // The reasons a read fails, as the boxes show them.
    static const char *const kNotFound;   // "No such file or directory"
    static const char *const kNotProgram; // "Not a program file"
    static const char *const kNotAllowed; // "Permission denied"
    static const char *const kTooLong;    // "File too long"

    // Far beyond any program the tables hold (30000 records).
    static constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

    // Opens `path` read-only (plus `extra`, say Unbuffered) when it is a plain
    // file; otherwise false and the reason.
    static bool open(QFile &file, const QString &path, QString *reason, QIODevice::OpenMode extra = QIODevice::NotOpen);

    // The whole file, at most `limit` bytes; a longer one fails with kTooLong.
    static bool read(const QString &path, QByteArray *bytes, QString *reason, qint64 limit = kMaxBytes);

    // The reason in the operator's words, for the message line: Chinese
    // for every file error, the error number for one outside the table.
    static QString operatorText(const QString &reason);
};

#endif
