#include "FuzzInput.h"
#include "FuzzTargets.h"

#include "app/base/FileNames.h"
#include "files/EditorText.h"
#include "files/KFastcopy.h"
#include "files/KMenuFastcopy.h"
#include "files/ProgramCopy.h"

#include <QDir>
#include <QDirModel>
#include <QFile>
#include <QMap>
#include <QTextDocument>

#include <cstdlib>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

QByteArray path(const QByteArray &folder, const QByteArray &name)
{
    return folder + '/' + name;
}

// What a folder holds, by the raw bytes of each name: a plain file's bytes,
// a link's target, a folder's own listing. Read without Qt, so the check
// does not lean on the listing it checks.
QMap<QByteArray, QByteArray> snapshot(const QByteArray &folder)
{
    QMap<QByteArray, QByteArray> entries;
    DIR *dir = opendir(folder.constData());
    if (!dir)
        return entries;
    while (const dirent *e = readdir(dir)) {
        const QByteArray name(e->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray full = path(folder, name);
        struct stat st {
        };
        if (lstat(full.constData(), &st) != 0)
            continue;
        QByteArray what;
        if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = readlink(full.constData(), target, sizeof target);
            what = "link " + QByteArray(target, n > 0 ? int(n) : 0);
        } else if (S_ISDIR(st.st_mode)) {
            const auto inside = snapshot(full);
            what = "folder";
            for (auto it = inside.cbegin(); it != inside.cend(); ++it)
                what += ' ' + it.key() + '=' + it.value();
        } else {
            QFile file(QFile::decodeName(full));
            what = "file " + (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?"));
        }
        entries.insert(name, what);
    }
    closedir(dir);
    return entries;
}

// Removes by the raw bytes of each name, whatever codec reads names.
void removeTree(const QByteArray &full)
{
    struct stat st {
    };
    if (lstat(full.constData(), &st) != 0)
        return;
    if (S_ISDIR(st.st_mode)) {
        if (DIR *dir = opendir(full.constData())) {
            QList<QByteArray> names;
            while (const dirent *e = readdir(dir)) {
                if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0)
                    names << QByteArray(e->d_name);
            }
            closedir(dir);
            for (const QByteArray &name : names)
                removeTree(path(full, name));
        }
        rmdir(full.constData());
    } else {
        unlink(full.constData());
    }
}

bool present(const QByteArray &full)
{
    struct stat st {
    };
    return lstat(full.constData(), &st) == 0;
}

// A name of up to 8 bytes: letters, blanks, and bytes that are no UTF-8.
QByteArray entryName(FuzzInput &in)
{
    static const char pool[] = "ab. \xff\xef\xbf\xbd\xe4\xb8\xad-";
    QByteArray name;
    const int length = 1 + in.byte() % 8;
    for (int k = 0; k < length; ++k)
        name += pool[in.byte() % (sizeof pool - 1)];
    return name;
}

// The folder of one case: files, folders, links to them, to a file outside
// and to nothing.
QList<QByteArray> makeFolder(FuzzInput &in, const QByteArray &folder)
{
    QList<QByteArray> names;
    const int count = 1 + in.byte() % 10;
    for (int k = 0; k < count && !in.atEnd(); ++k) {
        const QByteArray name = entryName(in);
        const QByteArray full = path(folder, name);
        if (name == "." || name == ".." || names.contains(name))
            continue;
        const std::uint8_t kind = in.byte() % 5;
        bool made = false;
        if (kind == 0 || names.isEmpty()) {
            QFile file(QFile::decodeName(full));
            made = file.open(QIODevice::WriteOnly) && file.write(name + '\n') > 0;
        } else if (kind == 1) {
            made = mkdir(full.constData(), 0755) == 0;
            QFile inside(QFile::decodeName(path(full, "in.nc")));
            made = made && inside.open(QIODevice::WriteOnly) && inside.write("G01 X1 Y1\n") > 0;
        } else {
            const QByteArray target = kind == 2   ? names.at(in.byte() % names.size())
                                      : kind == 3 ? QByteArray("../out/far.nc")
                                                  : QByteArray("nothing");
            made = symlink(target.constData(), full.constData()) == 0;
        }
        if (made)
            names << name;
    }
    return names;
}

ProgramCopy::Respond answerYes(bool *stopped)
{
    return [stopped](const ProgramCopy::Outcome &o) {
        if (o.box == ProgramCopy::Box::RmdirError || o.box == ProgramCopy::Box::MkdirError)
            *stopped = true;
        return ProgramCopy::Answer::Yes;
    };
}

} // namespace

int FuzzTargets::editorText(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = FuzzInput(data, size).bytes();
    // The same bytes as a file name (which ends at a NUL): read, they write
    // back to themselves, and they show as something.
    const QByteArray named = bytes.left(bytes.indexOf('\0'));
    const QString name = QFile::decodeName(named);
    check(QFile::encodeName(name) == named);
    check(named.isEmpty() || !FileNames::shown(name).isEmpty());
    EditorText text;
    QTextDocument document;
    document.setPlainText(text.load(bytes));
    const QString shown = EditorText::plainText(&document);
    QByteArray same;
    check(text.save(shown, &same) && same == bytes);
    // A line added at the end: the saved file reads back as the lines shown.
    const QString edited = shown + QStringLiteral("\nM02");
    QByteArray longer;
    check(text.save(edited, &longer) && longer.endsWith("M02") && EditorText().load(longer) == edited);
    // A character beyond Latin-1 reads back as typed, or is refused where
    // the file was read as Latin-1.
    const QString typed = shown + QString::fromUtf8("\n(切)");
    QByteArray withCut;
    if (text.save(typed, &withCut))
        check(EditorText().load(withCut) == typed);
    else
        check(text.codec() == EditorText::Latin1);
    return 0;
}

int FuzzTargets::copyNames(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in(data, size);
    const QByteArray root = QFile::encodeName(QDir::currentPath());
    for (const char *folder : {"src", "dst", "out"})
        removeTree(path(root, folder));
    const QByteArray src = path(root, "src");
    const QByteArray dst = path(root, "dst");
    if (!QDir().mkpath(QFile::decodeName(src)) || !QDir().mkpath(QFile::decodeName(dst))
        || !QDir().mkpath(QFile::decodeName(path(root, "out"))))
        return 0;
    QFile far(QFile::decodeName(path(root, "out/far.nc")));
    if (!far.open(QIODevice::WriteOnly) || far.write("far\n") != 4)
        return 0;
    far.close();
    makeFolder(in, src);
    const bool removing = in.byte() & 1;

    QDirModel *model = KFastcopy::newModel(nullptr);
    const QModelIndex folder = model->index(QFile::decodeName(src), 0);
    QModelIndexList selected;
    for (int row = 0; row < model->rowCount(folder); ++row) {
        if (in.byte() & 1)
            selected << model->index(row, 0, folder);
    }
    const QStringList names = KMenuFastcopy::entryNames(model, selected);
    // What the list shows is what is acted on: the entry itself, shown as
    // the operator reads it.
    check(names.size() == selected.size());
    QList<QByteArray> chosen;
    for (int k = 0; k < names.size(); ++k) {
        check(FileNames::shown(names.at(k)) == selected.at(k).data().toString());
        chosen << QFile::encodeName(names.at(k));
        check(present(path(src, chosen.last())));
    }
    delete model;

    const QMap<QByteArray, QByteArray> before = snapshot(src);
    const QByteArray outside = snapshot(path(root, "out")).value("far.nc");
    bool stopped = false;
    if (removing) {
        ProgramCopy::remove(QFile::decodeName(src), names, answerYes(&stopped));
        const QMap<QByteArray, QByteArray> after = snapshot(src);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (!chosen.contains(it.key()))
                check(after.value(it.key()) == it.value());
            else if (!stopped)
                check(!after.contains(it.key()));
        }
    } else {
        ProgramCopy::copy(QFile::decodeName(src), QFile::decodeName(dst), names, answerYes(&stopped));
        check(snapshot(src) == before);
        // Each copy under its own name, never a link, never the target's name.
        const QMap<QByteArray, QByteArray> copied = snapshot(dst);
        for (auto it = copied.cbegin(); it != copied.cend(); ++it)
            check(chosen.contains(it.key()) && !it.value().startsWith("link"));
        // Whatever the bytes of its name, no plain file chosen is left behind.
        for (const QByteArray &name : chosen) {
            if (!stopped && before.value(name).startsWith("file "))
                check(copied.value(name) == before.value(name));
        }
    }
    check(snapshot(path(root, "out")).value("far.nc") == outside);
    for (const char *folder : {"src", "dst", "out"})
        removeTree(path(root, folder));
    return 0;
}
