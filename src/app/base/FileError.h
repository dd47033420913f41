#ifndef FILEERROR_H
#define FILEERROR_H

#include <QString>

#include <cerrno>

// Why a file could not be read or written: the system's error number, or a
// kind of the program's own. It travels as it was found and is put into
// words only where it is shown, in English in a box and in short Chinese on
// the message line, so no reason is ever read back out of a text.
class FileError
{
public:
    enum Kind {
        None,
        System,        // number() holds the system's error number
        NotProgram,    // no plain file where a program was to be read
        NotPlain,      // a configuration file that is a pipe, a device or a socket
        Folder,        // a folder where a file was to be saved
        LinkLoop,      // a configuration file's link leads back to itself
        TooLong,       // longer than the reader allows
        Incomplete,    // not every byte was written
        NoName,        // no file name was given
        FolderNotMade, // the folder of the file could not be made
    };

    FileError() = default;
    FileError(Kind kind, const QString &subject = QString());
    // The system's error number `number`; `subject`, when given, names the
    // file it came from when that is not the file being saved. 0, a failed
    // call that left no number, is taken as EIO: "Success" is no reason.
    static FileError system(int number, const QString &subject = QString());

    Kind kind() const { return kind_; }
    int number() const { return number_; }
    QString subject() const { return subject_; }
    bool isNone() const { return kind_ == None; }
    // Nothing stands at the name.
    bool isMissing() const { return kind_ == System && (number_ == ENOENT || number_ == ENOTDIR); }
    bool operator==(const FileError &other) const
    {
        return kind_ == other.kind_ && number_ == other.number_ && subject_ == other.subject_;
    }
    bool operator!=(const FileError &other) const { return !(*this == other); }

    // As a box says it: "Permission denied", "Not a program file" ...
    QString text() const;
    // As the message line says it, short enough to leave the file's name
    // room: "没有权限", "不是程序文件" ... Every reason has words, never a
    // bare number.
    QString words() const;

private:
    Kind kind_ = None;
    int number_ = 0;
    QString subject_;
};

#endif
