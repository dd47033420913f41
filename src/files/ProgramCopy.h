#ifndef PROGRAMCOPY_H
#define PROGRAMCOPY_H

#include <QString>
#include <QStringList>

#include <functional>

// The file work of the copy page, free of widgets: copying entries of one
// folder into another and deleting entries of a folder. Folders are handled
// one level deep (their plain, visible files). Every question and every
// failure is handed to the caller as it happens, in order; the caller shows
// it and answers questions.
class ProgramCopy
{
public:
    enum class Box {
        FileQuestion,   // copy: a file's target exists
        FolderQuestion, // copy: a folder's target exists
        DeleteQuestion, // delete: each entry
        CopyError,
        RemoveError,
        MkdirError,
        RmdirError
    };
    enum class Answer { Yes, YesToAll, No, Abort };

    struct Outcome {
        Box box;
        QString name; // the entry the question is about
        bool isQuestion() const;
        // Delete questions also offer Yes to All.
        bool offersYesToAll() const { return box == Box::DeleteQuestion; }
        QString text() const;
    };
    // Receives each outcome; the answer counts for questions only.
    using Respond = std::function<Answer(const Outcome &)>;

    // Both return true when every entry was looked at (the caller then shows
    // the target folder afresh), false when the work ended early.
    static bool copy(const QString &sourceFolder, const QString &targetFolder, const QStringList &names,
                     const Respond &respond);
    static bool remove(const QString &targetFolder, const QStringList &names, const Respond &respond);

    // The names of the plain, visible files directly inside a folder, in the
    // order the file system gives; empty for anything but a folder.
    static QStringList folderFiles(const QString &path);
};

#endif
