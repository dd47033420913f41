#ifndef WRITEFAULT_H
#define WRITEFAULT_H

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <sys/resource.h>
#include <sys/types.h>

#include <csignal>

// One way a save can fail, for the fault-injection tables of the writers.
struct WriteFault {
    enum Kind {
        SizeLimit,      // soft RLIMIT_FSIZE of `limit` bytes, SIGXFSZ ignored
        ReadOnlyFolder, // the folder loses its write permission (as root the
                        // effective user id is dropped as well)
        FileAsFolder,   // a plain file stands where the folder should be
        MissingFolder,  // the folder is not there
        WriteError,     // every write to a file in the folder fails with
                        // the error number `error`, as on a full disk
        OneWriteError,  // the first write to a file in the folder fails
                        // with `error`; every write after it goes through
        FlushError      // every write goes through, but every fsync or
                        // fdatasync of a file in the folder fails with
                        // `error`, as on a disk pulled out
    };
    Kind kind = SizeLimit;
    qint64 limit = 0;
    // How standard() named the case; the same for every full size.
    const char *label = nullptr;
    // The error number of WriteError, OneWriteError and FlushError.
    int error = 0;

    // "size limit one byte short", "read-only folder", ... for the rows of a
    // data table.
    QString name() const;

    // The faults every writer is run against: size limits of 0 bytes, of a
    // size inside the first write buffer and of one byte below fullSize, then
    // the three folder faults.
    static QList<WriteFault> standard(qint64 fullSize);

    // The files of a folder (not its subfolders) and their bytes. Equal
    // snapshots before and after a failed save prove both that the old file
    // is byte-identical and that nothing temporary was left behind.
    static QMap<QString, QByteArray> snapshot(const QString &folder);
};

// Puts one fault on `folder` from its construction until restore() or its
// destruction. Keep it around the save call only: a size limit holds for
// every file the test process writes, and a dropped user id for every path.
class FaultScope
{
public:
    FaultScope(const WriteFault &fault, const QString &folder);
    ~FaultScope();
    FaultScope(const FaultScope &) = delete;
    FaultScope &operator=(const FaultScope &) = delete;

    // False when the fault could not be set up; error() says why.
    bool isValid() const { return error_.isEmpty(); }
    QString error() const { return error_; }

    // Undoes the fault: limits and user id back, the folder back in its
    // place (whatever a writer made at its path is removed first).
    void restore();

private:
    void setSizeLimit(qint64 bytes);
    void makeReadOnly();
    void moveFolderAway(bool putFileThere);
    void failWrites();

    WriteFault fault_;
    QString folder_;
    QString away_;
    QString error_;
    bool active_ = false;
    rlimit oldLimit_{};
    struct sigaction oldAction_ {
    };
    uid_t oldEuid_ = 0;
    bool droppedUser_ = false;
    QList<QPair<QString, uint>> oldModes_;
};

#endif
