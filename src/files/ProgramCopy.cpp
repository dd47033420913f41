#include "files/ProgramCopy.h"

#include "app/base/FileNames.h"
#include "app/base/FileSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

using Box = ProgramCopy::Box;
using Answer = ProgramCopy::Answer;
using Respond = ProgramCopy::Respond;

const QDir::Filters everyEntry = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

QString in(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name;
}

bool isFolder(const QString &path)
{
    return QDir().cd(path);
}

bool isLink(const QString &path)
{
    return QFileInfo(path).isSymLink();
}

// Something holds the name, a dangling link included: a copy must neither
// land beside it unasked nor write through it.
bool occupied(const QString &path)
{
    return QFileInfo::exists(path) || isLink(path);
}

void fail(const Respond &respond, Box box)
{
    respond({box, QString()});
}

// True when both paths lead to the same file or folder (through "./", a
// trailing slash or a link): copying it onto itself would remove the only copy.
bool samePlace(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

bool copyFiles(const QString &from, const QString &to, const QStringList &files, const Respond &respond)
{
    bool all = true;
    for (const QString &file : files) {
        if (!FileSave::copy(in(from, file), in(to, file))) {
            fail(respond, Box::CopyError);
            all = false;
        }
    }
    return all;
}

// Removes a folder this code made and everything in it.
void discardFolder(const QString &path)
{
    for (const QString &entry : QDir(path).entryList(everyEntry))
        QFile::remove(in(path, entry));
    QDir().rmdir(path);
}

// A name beside the target that nothing (not even a dangling link) holds yet.
// Hidden, so the lists never show it.
QString freeSibling(const QString &folder, const QString &name, const char *tag)
{
    for (int n = 0; n < 100; ++n) {
        const QString candidate = in(folder, QStringLiteral(".%1.%2%3").arg(name, QLatin1String(tag)).arg(n));
        const QFileInfo info(candidate);
        if (!info.exists() && !info.isSymLink())
            return candidate;
    }
    return QString();
}

// The existing target keeps every byte until the new file is complete on
// disk. A link there is replaced itself; what it points to stays untouched.
void overwriteFile(const QString &source, const QString &targetFolder, const QString &name, const Respond &respond)
{
    const QString target = in(targetFolder, name);
    if (isLink(target)) {
        const QString fresh = freeSibling(targetFolder, name, "new");
        if (fresh.isEmpty() || !FileSave::copy(source, fresh)) {
            fail(respond, Box::CopyError);
            return;
        }
        if (std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(target).constData()) != 0) {
            QFile::remove(fresh);
            fail(respond, Box::CopyError);
        }
        return;
    }
    if (QFileInfo(target).isDir()) {
        fail(respond, Box::RemoveError);
        fail(respond, Box::CopyError);
        return;
    }
    if (!FileSave::copy(source, target))
        fail(respond, Box::CopyError);
}

// Only a real folder holding nothing but plain, visible files may be
// replaced: anything else would be lost or, through a link, deleted elsewhere.
bool replaceable(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isDir() || !info.isWritable())
        return false;
    const QDir dir(path);
    return dir.entryList(everyEntry).size() == dir.entryList(QDir::Files).size();
}

// Builds the new folder beside the old one and swaps them only when every
// file has arrived. False ends the whole operation.
bool replaceFolder(const QString &source, const QString &targetFolder, const QString &name,
                   const QStringList &sourceFiles, const Respond &respond)
{
    const QString target = in(targetFolder, name);
    if (!replaceable(target)) {
        fail(respond, Box::RmdirError);
        return false;
    }
    const QString fresh = freeSibling(targetFolder, name, "new");
    if (fresh.isEmpty() || !QDir().mkdir(fresh)) {
        fail(respond, Box::MkdirError);
        return false;
    }
    if (!copyFiles(source, fresh, sourceFiles, respond)) {
        discardFolder(fresh);
        return true;
    }
    const QString old = freeSibling(targetFolder, name, "old");
    if (old.isEmpty() || !QDir().rename(target, old)) {
        discardFolder(fresh);
        fail(respond, Box::RmdirError);
        return false;
    }
    if (!QDir().rename(fresh, target)) {
        QDir().rename(old, target);
        discardFolder(fresh);
        fail(respond, Box::MkdirError);
        return false;
    }
    for (const QString &file : ProgramCopy::folderFiles(old)) {
        if (!QFile::remove(in(old, file)))
            fail(respond, Box::RemoveError);
    }
    if (!QDir().rmdir(old)) {
        fail(respond, Box::RmdirError);
        return false;
    }
    return true;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("KMenuFastcopy", text);
}

} // namespace

bool ProgramCopy::Outcome::isQuestion() const
{
    return box == Box::FileQuestion || box == Box::FolderQuestion || box == Box::DeleteQuestion;
}

QString ProgramCopy::Outcome::text() const
{
    switch (box) {
    case Box::FileQuestion:
        return translated("文件: ") + FileNames::shown(name) + translated(" 已经存在! 是否覆盖它?");
    case Box::FolderQuestion:
        return translated("文件夹: ") + FileNames::shown(name) + translated(" 已经存在! 是否覆盖它?");
    case Box::DeleteQuestion:
        return translated("确定删除文件或文件夹: ") + FileNames::shown(name) + QStringLiteral(" ?");
    case Box::CopyError:
        return QStringLiteral("copy error");
    case Box::RemoveError:
        return QStringLiteral("remove error");
    case Box::MkdirError:
        return QStringLiteral("mkdir error");
    case Box::RmdirError:
        return QStringLiteral("rmdir error");
    }
    return QString();
}

QStringList ProgramCopy::folderFiles(const QString &path)
{
    if (!isFolder(path))
        return QStringList();
    return QDir(path).entryList(QDir::Files, QDir::NoSort);
}

bool ProgramCopy::copy(const QString &sourceFolder, const QString &targetFolder, const QStringList &names,
                       const Respond &respond)
{
    for (const QString &name : names) {
        const QString source = in(sourceFolder, name);
        const QString target = in(targetFolder, name);
        if (samePlace(source, target))
            continue;
        if (isFolder(source)) {
            if (!occupied(target)) {
                if (!QDir().mkdir(target)) {
                    fail(respond, Box::MkdirError);
                    return false;
                }
                copyFiles(source, target, folderFiles(source), respond);
                continue;
            }
            const QStringList files = folderFiles(source);
            const Answer answer = respond({Box::FolderQuestion, name});
            if (answer == Answer::Abort)
                return false;
            if (answer == Answer::Yes && !replaceFolder(source, targetFolder, name, files, respond))
                return false;
            continue;
        }
        if (!occupied(target)) {
            if (!FileSave::copy(source, target))
                fail(respond, Box::CopyError);
            continue;
        }
        const Answer answer = respond({Box::FileQuestion, name});
        if (answer == Answer::Abort)
            return false;
        if (answer == Answer::Yes)
            overwriteFile(source, targetFolder, name, respond);
    }
    return true;
}

bool ProgramCopy::remove(const QString &targetFolder, const QStringList &names, const Respond &respond)
{
    for (int i = 0; i < names.size(); ++i) {
        const QString target = in(targetFolder, names.at(i));
        // A link is an entry of its own: it goes, never what it points to.
        const bool link = isLink(target);
        const QStringList files = link ? QStringList() : folderFiles(target);
        switch (respond({Box::DeleteQuestion, names.at(i)})) {
        case Answer::Yes:
            QFile::remove(target);
            if (link)
                break;
            for (const QString &file : files) {
                if (!QFile::remove(in(target, file)))
                    fail(respond, Box::RemoveError);
            }
            if (isFolder(target) && !QDir().rmdir(target)) {
                fail(respond, Box::RmdirError);
                return false;
            }
            break;
        case Answer::YesToAll:
            // As files only: folders among the rest stay, and nothing is reported.
            for (int j = i; j < names.size(); ++j)
                QFile::remove(in(targetFolder, names.at(j)));
            return true;
        case Answer::Abort:
            return false;
        case Answer::No:
            break;
        }
    }
    return true;
}
