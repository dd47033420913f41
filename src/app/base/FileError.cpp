#include "app/base/FileError.h"

#include <QCoreApplication>

#include <cstring>

namespace {

// The words of every error number an open, a read, a write or a rename of
// a file can give. Several numbers share words: what the operator can do
// about them is the same.
struct SystemWords {
    int number;
    const char *words;
};

const SystemWords kSystemWords[] = {
    {ENOENT, QT_TRANSLATE_NOOP("FileError", "文件不存在")},
    {ENOTDIR, QT_TRANSLATE_NOOP("FileError", "文件不存在")},
    {EACCES, QT_TRANSLATE_NOOP("FileError", "没有权限")},
    {EPERM, QT_TRANSLATE_NOOP("FileError", "没有权限")},
    {EISDIR, QT_TRANSLATE_NOOP("FileError", "是文件夹")},
    // A socket, a device without its driver, a special file of a kind no
    // read is for: not a file, as a pipe is not.
    {ENXIO, QT_TRANSLATE_NOOP("FileError", "不是文件")},
    {ENODEV, QT_TRANSLATE_NOOP("FileError", "不是文件")},
    {EOPNOTSUPP, QT_TRANSLATE_NOOP("FileError", "不是文件")},
    {ELOOP, QT_TRANSLATE_NOOP("FileError", "链接层数过多")},
    {EMLINK, QT_TRANSLATE_NOOP("FileError", "链接过多")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("FileError", "文件名太长")},
    {EFBIG, QT_TRANSLATE_NOOP("FileError", "超出文件大小限制")},
    {EOVERFLOW, QT_TRANSLATE_NOOP("FileError", "文件太长")},
    {ENOSPC, QT_TRANSLATE_NOOP("FileError", "磁盘已满")},
    {EDQUOT, QT_TRANSLATE_NOOP("FileError", "磁盘已满")},
    {EROFS, QT_TRANSLATE_NOOP("FileError", "磁盘只读")},
    {EIO, QT_TRANSLATE_NOOP("FileError", "输入输出错误")},
    {ENOMEDIUM, QT_TRANSLATE_NOOP("FileError", "输入输出错误")},
    {ESTALE, QT_TRANSLATE_NOOP("FileError", "输入输出错误")},
    {EMFILE, QT_TRANSLATE_NOOP("FileError", "打开文件过多")},
    {ENFILE, QT_TRANSLATE_NOOP("FileError", "打开文件过多")},
    {ENOMEM, QT_TRANSLATE_NOOP("FileError", "内存不足")},
    {EAGAIN, QT_TRANSLATE_NOOP("FileError", "文件忙")},
    {EWOULDBLOCK, QT_TRANSLATE_NOOP("FileError", "文件忙")},
    {EBUSY, QT_TRANSLATE_NOOP("FileError", "文件忙")},
    {ETXTBSY, QT_TRANSLATE_NOOP("FileError", "文件忙")},
    {EINTR, QT_TRANSLATE_NOOP("FileError", "读写中断")},
    {EPIPE, QT_TRANSLATE_NOOP("FileError", "读写中断")},
    {EEXIST, QT_TRANSLATE_NOOP("FileError", "文件已存在")},
    {ENOTEMPTY, QT_TRANSLATE_NOOP("FileError", "文件夹不空")},
    {EXDEV, QT_TRANSLATE_NOOP("FileError", "不在同一磁盘")},
    {EBADF, QT_TRANSLATE_NOOP("FileError", "无法读写")},
    {EFAULT, QT_TRANSLATE_NOOP("FileError", "无法读写")},
    {EINVAL, QT_TRANSLATE_NOOP("FileError", "无法读写")},
};

QString said(const char *words)
{
    return QCoreApplication::translate("FileError", words);
}

} // namespace

FileError::FileError(Kind kind, const QString &subject)
    : kind_(kind)
    , subject_(subject)
{
}

FileError FileError::system(int number, const QString &subject)
{
    FileError error(System, subject);
    error.number_ = number != 0 ? number : EIO;
    return error;
}

QString FileError::text() const
{
    QString text;
    switch (kind_) {
    case None:
        return QString();
    case System:
        text = QString::fromLocal8Bit(std::strerror(number_));
        break;
    case NotProgram:
        text = QStringLiteral("Not a program file");
        break;
    case NotPlain:
        text = QStringLiteral("Not a plain file");
        break;
    case Folder:
        text = QStringLiteral("Filename refers to a directory");
        break;
    case LinkLoop:
        text = QStringLiteral("Link loop");
        break;
    case TooLong:
        text = QStringLiteral("File too long");
        break;
    case Incomplete:
        text = QStringLiteral("not every byte was written");
        break;
    case NoName:
        text = QStringLiteral("No file name specified");
        break;
    case FolderNotMade:
        return QStringLiteral("Cannot create folder %1").arg(subject_);
    }
    return subject_.isEmpty() ? text : subject_ + QStringLiteral(": ") + text;
}

QString FileError::words() const
{
    switch (kind_) {
    case None:
        return QString();
    case System:
        for (const SystemWords &w : kSystemWords) {
            if (w.number == number_)
                return said(w.words);
        }
        return said(QT_TRANSLATE_NOOP("FileError", "文件错误"));
    case NotProgram:
        return said(QT_TRANSLATE_NOOP("FileError", "不是程序文件"));
    case NotPlain:
        return said(QT_TRANSLATE_NOOP("FileError", "不是文件"));
    case Folder:
        return said(QT_TRANSLATE_NOOP("FileError", "是文件夹"));
    case LinkLoop:
        return said(QT_TRANSLATE_NOOP("FileError", "链接循环"));
    case TooLong:
        return said(QT_TRANSLATE_NOOP("FileError", "文件太长"));
    case Incomplete:
        return said(QT_TRANSLATE_NOOP("FileError", "写入不完整"));
    case NoName:
        return said(QT_TRANSLATE_NOOP("FileError", "无文件名"));
    case FolderNotMade:
        return said(QT_TRANSLATE_NOOP("FileError", "无法建立文件夹"));
    }
    return said(QT_TRANSLATE_NOOP("FileError", "文件错误"));
}
