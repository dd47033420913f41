// The one save routine under injected faults: it reports success only when
// every byte is on disk, keeps the old file whole and leaves nothing behind.

#include "app/base/FileFailure.h"
#include "app/base/FileSave.h"
#include "app/base/ProgramFile.h"

#include "TempWorkDir.h"
#include "WriteFault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <tuple>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(WriteFault)
Q_DECLARE_METATYPE(FileError)
Q_DECLARE_METATYPE(FileSave::Folder)

char *toString(const FileError &error)
{
    return qstrdup(qPrintable(error.text()));
}

namespace {

// Set by a test: the next renames fail as a rename across devices would, after
// the temporary file was written in full.
bool failRenames = false;
int renames = 0;

} // namespace

// Takes the C library's place for the whole program, Qt's save included.
extern "C" int rename(const char *from, const char *to)
{
    ++renames;
    if (failRenames) {
        errno = EXDEV;
        return -1;
    }
    using Rename = int (*)(const char *, const char *);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}

namespace {

QByteArray payload(int size)
{
    QByteArray bytes(size, ' ');
    for (int k = 0; k < size; ++k)
        bytes[k] = "G01 X12 Y34\n"[k % 12];
    return bytes;
}

} // namespace

class FileSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void replacesWholeFile()
    {
        TempWorkDir w;
        QVERIFY(w.writeFile("out/f.nc", payload(50000)));
        FileError error = FileError::system(EIO);
        QVERIFY(FileSave::write(w.filePath("out/f.nc"), "new\n", &error, FileSave::ExistingFolder));
        QVERIFY(error.isNone());
        QCOMPARE(WriteFault::snapshot(w.filePath("out")), (QMap<QString, QByteArray>{{"f.nc", "new\n"}}));
    }

    // The last step of a save, the rename over the old file, fails: the save
    // is a failure, the old file is whole and the written copy is gone.
    void failedRenameIsAFailure()
    {
        TempWorkDir w;
        QVERIFY(w.writeFile("out/f.nc", "old program\n"));
        const QMap<QString, QByteArray> before = WriteFault::snapshot(w.filePath("out"));
        FileError error;
        renames = 0;
        failRenames = true;
        const bool saved = FileSave::write(w.filePath("out/f.nc"), payload(1000), &error, FileSave::ExistingFolder);
        failRenames = false;
        QVERIFY(renames > 0);
        QVERIFY(!saved);
        QVERIFY(!error.isNone());
        QCOMPARE(WriteFault::snapshot(w.filePath("out")), before);
    }

    // Texts inside Qt's 16 KB write buffer fail only when it is flushed;
    // longer ones fail in the write itself.
    void faults_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<WriteFault>("fault");
        QTest::addColumn<bool>("existingFolder");
        for (int size : {1000, 40000}) {
            for (const WriteFault &fault : WriteFault::standard(size)) {
                for (bool existing : {false, true}) {
                    QTest::addRow("%d bytes, %s%s", size, qPrintable(fault.name()), existing ? ", existing folder" : "")
                        << size << fault << existing;
                }
            }
        }
    }

    void faults()
    {
        QFETCH(int, size);
        QFETCH(WriteFault, fault);
        QFETCH(bool, existingFolder);
        TempWorkDir w;
        const QString folder = w.filePath("out");
        QVERIFY(w.writeFile("out/f.nc", "old program\n"));
        const QMap<QString, QByteArray> before = WriteFault::snapshot(folder);
        const QByteArray bytes = payload(size);
        FileError error;
        bool saved = false;
        QMap<QString, QByteArray> during;
        bool folderThere = false;
        {
            FaultScope scope(fault, folder);
            QVERIFY2(scope.isValid(), qPrintable(scope.error()));
            saved = FileSave::write(folder + "/f.nc", bytes, &error,
                                    existingFolder ? FileSave::ExistingFolder : FileSave::CreateFolder);
            during = WriteFault::snapshot(folder);
            folderThere = QFileInfo(folder).isDir();
        }
        // Only a missing folder that may be made lets the save through.
        const bool creates = fault.kind == WriteFault::MissingFolder && !existingFolder;
        QCOMPARE(saved, creates);
        if (creates) {
            QCOMPARE(during, (QMap<QString, QByteArray>{{"f.nc", bytes}}));
        } else {
            QVERIFY(!error.isNone());
            // The reason the operator is told, in the system's words.
            if (fault.kind == WriteFault::SizeLimit)
                QCOMPARE(error, FileError::system(EFBIG));
            if (fault.kind == WriteFault::ReadOnlyFolder)
                QCOMPARE(error, FileError::system(EACCES));
            if (fault.kind == WriteFault::MissingFolder)
                QVERIFY(!folderThere);
        }
        QCOMPARE(WriteFault::snapshot(folder), before);
    }

    // Every reason an open, a read, a write or its rename can give is told
    // in words, never by a number, and in words short enough for the
    // message line to keep the file's name whole.
    void operatorWords_data()
    {
        QTest::addColumn<FileError>("error");
        QTest::addColumn<QString>("words");
        const QList<QPair<int, const char *>> table = {
            {ENOENT, "文件不存在"},   {ENOTDIR, "文件不存在"},      {EACCES, "没有权限"},
            {EPERM, "没有权限"},      {EISDIR, "是文件夹"},         {ENXIO, "不是文件"},
            {ENODEV, "不是文件"},     {EOPNOTSUPP, "不是文件"},     {ELOOP, "链接层数过多"},
            {EMLINK, "链接过多"},     {ENAMETOOLONG, "文件名太长"}, {EFBIG, "超出文件大小限制"},
            {EOVERFLOW, "文件太长"},  {ENOSPC, "磁盘已满"},         {EDQUOT, "磁盘已满"},
            {EROFS, "磁盘只读"},      {EIO, "输入输出错误"},        {ENOMEDIUM, "输入输出错误"},
            {ESTALE, "输入输出错误"}, {EMFILE, "打开文件过多"},     {ENFILE, "打开文件过多"},
            {ENOMEM, "内存不足"},     {EAGAIN, "文件忙"},           {EBUSY, "文件忙"},
            {ETXTBSY, "文件忙"},      {EINTR, "读写中断"},          {EPIPE, "读写中断"},
            {EEXIST, "文件已存在"},   {ENOTEMPTY, "文件夹不空"},    {EXDEV, "不在同一磁盘"},
            {EBADF, "无法读写"},      {EFAULT, "无法读写"},         {EINVAL, "无法读写"}};
        for (const auto &row : table)
            QTest::addRow("%s", std::strerror(row.first))
                << FileError::system(row.first) << QString::fromUtf8(row.second);
        const QList<QPair<FileError::Kind, const char *>> kinds = {
            {FileError::NotProgram, "不是程序文件"}, {FileError::NotPlain, "不是文件"},
            {FileError::Folder, "是文件夹"},         {FileError::LinkLoop, "链接循环"},
            {FileError::TooLong, "文件太长"},        {FileError::Incomplete, "写入不完整"},
            {FileError::NoName, "无文件名"},         {FileError::FolderNotMade, "无法建立文件夹"}};
        for (const auto &row : kinds)
            QTest::addRow("%s", qPrintable(FileError(row.first, "f").text()))
                << FileError(row.first, "f") << QString::fromUtf8(row.second);
        // A number no file call gives: words all the same.
        QTest::newRow("ECHILD") << FileError::system(ECHILD) << QString("文件错误");
        // A failed call that left no number: an input-output error, never "Success".
        QTest::newRow("no number") << FileError::system(0) << QString("输入输出错误");
    }

    void operatorWords()
    {
        QFETCH(FileError, error);
        QFETCH(QString, words);
        QCOMPARE(error.words(), words);
        QVERIFY2(!words.contains(QRegularExpression("[0-9]")) && words.size() <= 8, qPrintable(words));
        // The box's text: the system's words, or the program's own.
        QVERIFY(!error.text().isEmpty());
        // A copy's reason names its source first; the words stay the same.
        const FileError fromSource = error.kind() == FileError::System ? FileError::system(error.number(), "a.nc")
                                                                       : FileError(error.kind(), "a.nc");
        QCOMPARE(fromSource.words(), words);
        QVERIFY(fromSource.text().contains("a.nc"));
    }

    // A save on a full disk, short and long text alike: the old file stays,
    // and the operator reads that the disk is full.
    void fullDisk()
    {
        TempWorkDir w;
        QVERIFY(w.writeFile("out/f.nc", "old program\n"));
        const QMap<QString, QByteArray> before = WriteFault::snapshot(w.filePath("out"));
        for (int size : {1000, 40000}) {
            FileError error;
            bool saved = true;
            {
                FaultScope scope({WriteFault::WriteError, 0, nullptr, ENOSPC}, w.filePath("out"));
                QVERIFY2(scope.isValid(), qPrintable(scope.error()));
                saved = FileSave::write(w.filePath("out/f.nc"), payload(size), &error);
            }
            QVERIFY(!saved);
            QCOMPARE(error, FileError::system(ENOSPC));
            QCOMPARE(error.words(), QString("磁盘已满"));
            QCOMPARE(WriteFault::snapshot(w.filePath("out")), before);
        }
    }

    // A write that fails once with a reason is told by that reason, though
    // the disk takes the next byte again; the old file stays all the same.
    void writeFailedOnce_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("boxReason");
        QTest::addColumn<QString>("words");
        const QList<std::tuple<int, const char *, const char *>> reasons = {
            {ENOSPC, "No space left on device", "磁盘已满"},
            {EIO, "Input/output error", "输入输出错误"},
            {EFBIG, "File too large", "超出文件大小限制"}};
        for (int size : {1000, 40000}) {
            for (const auto &r : reasons)
                QTest::addRow("%d bytes, %s", size, std::get<1>(r))
                    << size << std::get<0>(r) << QString(std::get<1>(r)) << QString::fromUtf8(std::get<2>(r));
        }
    }

    void writeFailedOnce()
    {
        QFETCH(int, size);
        QFETCH(int, number);
        QFETCH(QString, boxReason);
        QFETCH(QString, words);
        TempWorkDir w;
        QVERIFY(w.writeFile("out/f.nc", "old program\n"));
        const QMap<QString, QByteArray> before = WriteFault::snapshot(w.filePath("out"));
        const QString path = w.filePath("out/f.nc");
        FileError error;
        bool saved = true;
        {
            FaultScope scope({WriteFault::OneWriteError, 0, nullptr, number}, w.filePath("out"));
            QVERIFY2(scope.isValid(), qPrintable(scope.error()));
            saved = FileSave::write(path, payload(size), &error);
        }
        QVERIFY(!saved);
        QCOMPARE(error, FileError::system(number));
        QCOMPARE(error.words(), words);
        const FileFailure failure{path, error, true};
        QCOMPARE(failure.text(), "Cannot write file " + path + ":\n" + boxReason + ".");
        QCOMPARE(WriteFault::snapshot(w.filePath("out")), before);
    }

    // The bytes all written, but the disk refuses to keep them (pulled out,
    // a failing medium): the save, a copy alike, fails with the system's
    // reason, and the old file stays as it was with nothing beside it.
    void flushRefused_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("copy");
        QTest::addColumn<FileSave::Folder>("folder");
        for (int size : {1000, 40000}) {
            QTest::addRow("write %d bytes, own file", size) << size << false << FileSave::CreateFolder;
            QTest::addRow("write %d bytes, operator's file", size) << size << false << FileSave::ExistingFolder;
            QTest::addRow("copy %d bytes", size) << size << true << FileSave::ExistingFolder;
        }
    }

    void flushRefused()
    {
        QFETCH(int, size);
        QFETCH(bool, copy);
        QFETCH(FileSave::Folder, folder);
        TempWorkDir w;
        QVERIFY(w.writeFile("out/f.nc", "old program\n") && w.writeFile("src/p.nc", payload(size)));
        const QMap<QString, QByteArray> before = WriteFault::snapshot(w.filePath("out"));
        const QString path = w.filePath("out/f.nc");
        FileError error;
        bool saved = true;
        {
            FaultScope scope({WriteFault::FlushError, 0, nullptr, EIO}, w.filePath("out"));
            QVERIFY2(scope.isValid(), qPrintable(scope.error()));
            saved = copy ? FileSave::copy(w.filePath("src/p.nc"), path, &error, folder)
                         : FileSave::write(path, payload(size), &error, folder);
        }
        QVERIFY(!saved);
        QCOMPARE(error, FileError::system(EIO));
        QCOMPARE(error.words(), QString("输入输出错误"));
        QCOMPARE((FileFailure{path, error, true}.text()), "Cannot write file " + path + ":\nInput/output error.");
        QCOMPARE(WriteFault::snapshot(w.filePath("out")), before);
        // The disk keeps bytes again: the same save goes through.
        QVERIFY(copy ? FileSave::copy(w.filePath("src/p.nc"), path, &error, folder)
                     : FileSave::write(path, payload(size), &error, folder));
        QCOMPARE(w.readFile("out/f.nc"), payload(size));
    }

    // A link among the program's own files is replaced by the file; among
    // the operator's files it is written through. A failed save leaves the
    // link and its program as they were.
    void links()
    {
        TempWorkDir w;
        QVERIFY(w.writeFile("ncfile/p.nc", "operator\n") && QDir().mkpath(w.filePath("own")));
        QVERIFY(QFile::link("../ncfile/p.nc", w.filePath("own/k.nc")));
        QVERIFY(QFile::link("p.nc", w.filePath("ncfile/x.nc")));
        const QMap<QString, QByteArray> own = WriteFault::snapshot(w.filePath("own"));
        failRenames = true;
        QVERIFY(!FileSave::write(w.filePath("own/k.nc"), "scratch\n"));
        failRenames = false;
        QCOMPARE(WriteFault::snapshot(w.filePath("own")), own);
        QVERIFY(QFileInfo(w.filePath("own/k.nc")).isSymLink());

        QVERIFY(FileSave::write(w.filePath("own/k.nc"), "scratch\n"));
        QCOMPARE(w.readFile("ncfile/p.nc"), QByteArray("operator\n"));
        QVERIFY(!QFileInfo(w.filePath("own/k.nc")).isSymLink());
        QCOMPARE(WriteFault::snapshot(w.filePath("own")), (QMap<QString, QByteArray>{{"k.nc", "scratch\n"}}));

        QVERIFY(FileSave::write(w.filePath("ncfile/x.nc"), "saved\n", nullptr, FileSave::ExistingFolder));
        QVERIFY(QFileInfo(w.filePath("ncfile/x.nc")).isSymLink());
        QCOMPARE(w.readFile("ncfile/p.nc"), QByteArray("saved\n"));
    }

    // What is no plain file, or a link to none, is neither opened nor
    // replaced, whoever's file it is: the save fails at once, the entry stays.
    void noPlainFileStays()
    {
        TempWorkDir w;
        QVERIFY(QDir().mkpath(w.filePath("out/folder")) && mkfifo(qPrintable(w.filePath("out/pipe")), 0644) == 0);
        QVERIFY(QFile::link("/dev/zero", w.filePath("out/zero")) && QFile::link("loop", w.filePath("out/loop")));
        QVERIFY(QFile::link("folder", w.filePath("out/to-folder")));
        const QList<FileError> reasons = {FileError(FileError::Folder), FileError::system(ELOOP),
                                          FileError(FileError::NotPlain), FileError(FileError::Folder),
                                          FileError(FileError::NotPlain)};
        const QFileInfoList entries =
            QDir(w.filePath("out")).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        QCOMPARE(entries.size(), 5);
        for (FileSave::Folder folder : {FileSave::CreateFolder, FileSave::ExistingFolder}) {
            for (int k = 0; k < 5; ++k) {
                FileError error;
                QVERIFY(!FileSave::write(entries.at(k).filePath(), "saved\n", &error, folder));
                QCOMPARE(error, reasons.at(k));
            }
        }
        const auto at = [&](const char *name) { return QFileInfo(w.filePath(QString("out/") + name)); };
        QVERIFY(at("zero").isSymLink() && at("to-folder").isSymLink() && at("folder").isDir());
        QVERIFY(at("pipe").exists() && !at("pipe").isFile() && !at("loop").exists() && at("loop").isSymLink());
    }

    // A copy reads only a plain file (through a link: its contents) and
    // replaces the target as a whole or not at all.
    void copy()
    {
        TempWorkDir w;
        QVERIFY(w.writeFile("out/f.nc", "old\n") && w.writeFile("src/p.nc", payload(40000)));
        QVERIFY(QFile::link("p.nc", w.filePath("src/l.nc")));
        QVERIFY(mkfifo(qPrintable(w.filePath("src/pipe.nc")), 0600) == 0);
        FileError error;
        for (const char *refused : {"src/pipe.nc", "src", "src/none.nc"}) {
            QVERIFY(!FileSave::copy(w.filePath(refused), w.filePath("out/f.nc"), &error));
            QVERIFY(!error.isNone());
        }
        {
            FaultScope scope({WriteFault::SizeLimit, 20000, nullptr}, w.filePath("out"));
            QVERIFY(!FileSave::copy(w.filePath("src/l.nc"), w.filePath("out/f.nc"), &error));
        }
        QCOMPARE(error, FileError::system(EFBIG));
        QCOMPARE(WriteFault::snapshot(w.filePath("out")), (QMap<QString, QByteArray>{{"f.nc", "old\n"}}));
        QVERIFY(FileSave::copy(w.filePath("src/l.nc"), w.filePath("out/f.nc"), &error));
        QCOMPARE(WriteFault::snapshot(w.filePath("out")), (QMap<QString, QByteArray>{{"f.nc", payload(40000)}}));
    }
};

QTEST_GUILESS_MAIN(FileSaveTest)
#include "FileSaveTest.moc"
