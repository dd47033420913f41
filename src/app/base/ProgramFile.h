#ifndef PROGRAMFILE_H
#define PROGRAMFILE_H

#include "app/base/FileError.h"

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>

// How the program opens every file it reads: its NC programs (parser,
// editor, browser preview, program-line list, part library), the three
// configuration files, the about text and the pictures of the working
// folder. Only a plain file (or a link to one) is read: a folder is refused,
// and a pipe, a socket, a device or a link loop is refused before anything
// waits on it or reads from it, since none can be relied on to end, nor a
// pipe even to open.
class ProgramFile
{
public:
    // Far beyond any program the tables hold (30000 records).
    static constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

    class Reader;

    // What the file is read as. It decides how a name that holds no plain
    // file is told, once, by the open that finds out what stands there: a
    // program's reader says only that it is no program, a configuration
    // file's reader what stands at the name instead.
    enum Reading {
        AsProgram,      // NotProgram for a folder, a pipe, a device or a
                        // socket; a loop of links as the system says it (ELOOP)
        AsConfiguration // EISDIR for a folder, NotPlain for a pipe, a device
                        // or a socket, LinkLoop for a loop of links
    };

    // Opens `path` read-only (plus `extra`, say Unbuffered) when it is a plain
    // file; otherwise false and the reason: the system's error number, or
    // what stands there that is no plain file, told as `as` says.
    static bool open(QFile &file, const QString &path, FileError *reason,
                     QIODevice::OpenMode extra = QIODevice::NotOpen, Reading as = AsProgram);

    // Whether `path` opens for reading at all: false for a folder and for
    // an entry that is missing or forbidden. A device, a pipe (without
    // waiting for a writer) or a socket passes: whether it is a program is
    // for the read to say.
    static bool opensForReading(const QString &path);

    // The whole file through a Reader: at most `limit` bytes; a longer one
    // fails as TooLong.
    static bool read(const QString &path, QByteArray *bytes, FileError *reason, qint64 limit = kMaxBytes,
                     Reading as = AsProgram);
};

// The one read of a program's bytes. A file longer than the limit is
// refused, never cut off: one whose size says so before anything is read,
// and one whose size says less (a file of /proc, a file still growing) by the
// first read that would pass the limit, which fails as TooLong. So every
// reader, whatever its pace, gets the same answer for the same file.
class ProgramFile::Reader : public QIODevice
{
public:
    explicit Reader(qint64 limit = kMaxBytes, Reading as = AsProgram);

    // Opens `path` unbuffered as ProgramFile::open does, read as the
    // constructor was told; false with the reason, TooLong for a file whose
    // size passes the limit.
    bool openPath(const QString &path, FileError *reason);
    // Why the last read failed.
    FileError lastError() const { return error_; }
    // The file turned out longer than the limit (at the open or by a read).
    bool tooLong() const { return tooLong_; }

    bool isSequential() const override { return false; }
    bool seek(qint64 pos) override;
    qint64 size() const override { return file_.size(); }
    void close() override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    qint64 refuse();
    void failed(int number);

    QFile file_;
    qint64 limit_;
    Reading as_;
    bool tooLong_ = false;
    FileError error_;
};

#endif
