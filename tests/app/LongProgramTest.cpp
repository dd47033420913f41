// Files far longer than any program, as a stick with a disk image or a log
// on it brings them: the start, the browser's preview, its open and the
// editor all refuse them alike and say why, without reading them through.

#include "ConsoleCapture.h"
#include "GuiTest.h"
#include "HangGuard.h"
#include "TempWorkDir.h"

#include "app/KMainWindow.h"
#include "app/base/KButton.h"
#include "app/base/ProgramFile.h"
#include "files/KMenuFile.h"
#include "files/KPreview.h"
#include "program/SegmentTable.h"
#include "status/KText.h"
#include "status/KTextFrame.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>

#include <memory>

namespace {

// The configuration that loads `program` at the start.
bool seed(const TempWorkDir &dir, const QString &program)
{
    return dir.writeFile(".tovrelcnc/fileconfig.xml",
                         "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<FileConfig>\n    <File filename=\"" + program.toUtf8()
                             + "\"/>\n</FileConfig>\n")
           && dir.writeFile(".tovrelcnc/config.xml",
                            "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<RavokConfig>\n    <Base angel=\"0\" comp=\"0\" "
                            "fx=\"0\" preci=\"10\" rotate=\"0\" sfx=\"0\" sheetx=\"3000\" sheety=\"1500\"/>\n"
                            "    <Mode mode=\"1\"/>\n</RavokConfig>\n");
}

// A file of `size` bytes: `bytes` repeated, or a hole when `bytes` is empty.
bool makeFile(const QString &path, qint64 size, const QByteArray &bytes = QByteArray())
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (bytes.isEmpty())
        return file.resize(size);
    const QByteArray piece = bytes.repeated(int((1 << 20) / bytes.size()));
    for (qint64 done = 0; done < size; done += piece.size()) {
        if (file.write(piece.left(int(qMin<qint64>(piece.size(), size - done)))) < 0)
            return false;
    }
    return true;
}

QString message(const KMainWindow &w)
{
    return w.textFrame->message->text;
}

bool key(KMainWindow &w, Qt::Key key, const std::function<bool()> &effect)
{
    return GuiTest::keyClickUntil(&w, key, effect);
}

} // namespace

class LongProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(icons); }

    // Named as the last program, such a file lets the window come up at
    // once; the message line says why nothing was loaded.
    void startWithTooLongProgram_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("/proc/self/pagemap") << "/proc/self/pagemap";
        QTest::newRow("20 GB, sparse") << "./ncfile/disk.img";
    }

    void startWithTooLongProgram()
    {
        QFETCH(QString, program);
        TempWorkDir dir;
        QVERIFY(seed(dir, program));
        if (!makeFile(dir.filePath("ncfile/disk.img"), qint64(20) << 30))
            QSKIP("no room for a sparse file of 20 GB");
        QFile probe;
        FileError reason;
        if (!ProgramFile::open(probe, program, &reason))
            QSKIP(qPrintable(program + ": " + reason.text()));
        probe.close();
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(!w.fileLoaded);
        QCOMPARE(message(w), QFileInfo(program).fileName() + " 未加载: 文件太长");
        QCOMPARE(notices.count(), 0);
        QVERIFY(QFile::remove(dir.filePath("ncfile/disk.img")));
    }

    // A last-program name of any length is shortened in its middle for the
    // message line in a few measured steps, so the window still comes up
    // at once; the reason stays whole.
    void startWithLongName()
    {
        TempWorkDir dir;
        const QString name = "AB" + QString(60000, 'x') + "YZ.nc";
        QVERIFY(seed(dir, "./ncfile/" + name));
        NoticeRecorder notices;
        QElapsedTimer clock;
        clock.start();
        KMainWindow w;
        QVERIFY2(clock.elapsed() < kHangGuardMs, qPrintable(QString::number(clock.elapsed()) + " ms"));
        const QString line = message(w);
        const QString tail = " 未加载: 文件名太长";
        QVERIFY2(line.endsWith("YZ.nc" + tail) && line.startsWith("ABx"), qPrintable(line));
        QVERIFY(line.contains(QChar(0x2026)));
        QVERIFY(line.size() < 200);
        QCOMPARE(notices.count(), 0);
    }

    // The browser with the preview on meets such a file between two
    // programs: its preview keeps the previous drawing without a box (the
    // file cannot be read), the editor and the cutting load refuse it with
    // the same reason, and the next key is answered as usual.
    void browserRefusesAlike_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("65 MB of blank lines") << (qint64(65) << 20) << QByteArray("\n");
        QTest::newRow("one byte over 64 MB, sparse") << ProgramFile::kMaxBytes + 1 << QByteArray();
        QTest::newRow("20 GB, sparse") << (qint64(20) << 30) << QByteArray();
    }

    void browserRefusesAlike()
    {
        QFETCH(qint64, size);
        QFETCH(QByteArray, bytes);
        TempWorkDir dir;
        QVERIFY(seed(dir, "./ncfile/a.nc"));
        QVERIFY(dir.writeFile("ncfile/a.nc", "G00 X1000 Y0\nG01 X5000 Y0\n"));
        QVERIFY(dir.writeFile("ncfile/c.nc", "G01 X0 Y3000\n"));
        const QString big = dir.filePath("ncfile/b.nc");
        if (!makeFile(big, size, bytes))
            QSKIP("no room for the file");
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        QVERIFY(w.fileLoaded);
        KPreview *browser = w.preview;
        QVERIFY(key(w, Qt::Key_F1, [&] { return w.menuFile->isVisible(); }));
        QVERIFY(key(w, Qt::Key_F1, [&] { return browser->isVisible(); }));
        QVERIFY(key(w, Qt::Key_F5, [&] { return SegmentTable::length(previewSegments) == 2; }));

        const auto on = [&](const char *name) { return previewSelectedFile == previewCurrentDir + name; };
        QVERIFY(key(w, Qt::Key_Down, [&] { return on("b.nc"); }));
        QCOMPARE(SegmentTable::length(previewSegments), 2);
        QVERIFY(key(w, Qt::Key_Down, [&] { return SegmentTable::length(previewSegments) == 1; }));
        QVERIFY(key(w, Qt::Key_Up, [&] { return on("b.nc"); }));
        QCOMPARE(SegmentTable::length(previewSegments), 1);
        QCOMPARE(notices.count(), 0);

        // The editor.
        QVERIFY(key(w, Qt::Key_F3, [&] { return notices.count() == 1; }));
        QCOMPARE(notices.last().text, "Cannot read file " + previewCurrentDir + "b.nc:\nFile too long.");
        QVERIFY(key(w, Qt::Key_Escape, [&] { return w.menuFile->isVisible(); }));

        // The cutting load.
        QVERIFY(key(w, Qt::Key_F1, [&] { return browser->isVisible(); }));
        QVERIFY(key(w, Qt::Key_Down, [&] { return on("b.nc"); }));
        QVERIFY(key(w, Qt::Key_F4, [&] { return w.menuFile->isVisible(); }));
        QCOMPARE(message(w), QString("b.nc 未加载: 文件太长"));
        QCOMPARE(notices.count(), 1);
        // The program loaded before stays loaded.
        QVERIFY(w.fileLoaded);
        QCOMPARE(SegmentTable::length(cutSegments), 2);
        QVERIFY(QFile::remove(big));
    }

    // A link to an endless device among the programs: F4 on it loads
    // nothing and says why on the message line, with no box; F4 on a link
    // to a program loads that program.
    void browserLoadsThroughLinks()
    {
        TempWorkDir dir;
        QVERIFY(seed(dir, "./ncfile/a.nc"));
        QVERIFY(dir.writeFile("ncfile/a.nc", "G00 X1000 Y0\nG01 X5000 Y0\n"));
        QVERIFY(dir.writeFile("other/p.nc", "G01 X0 Y3000\nG01 X3000 Y0\nG01 X0 Y100\n"));
        QVERIFY(QFile::link("../other/p.nc", dir.filePath("ncfile/x.nc")));
        QVERIFY(QFile::link("/dev/zero", dir.filePath("ncfile/z.nc")));
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        KPreview *browser = w.preview;
        QVERIFY(key(w, Qt::Key_F1, [&] { return w.menuFile->isVisible(); }));
        QVERIFY(key(w, Qt::Key_F1, [&] { return browser->isVisible(); }));
        QVERIFY(key(w, Qt::Key_Down, [&] { return previewSelectedFile.endsWith("/x.nc"); }));
        QVERIFY(key(w, Qt::Key_F4, [&] { return w.menuFile->isVisible(); }));
        QCOMPARE(SegmentTable::length(cutSegments), 3);

        QVERIFY(key(w, Qt::Key_F1, [&] { return browser->isVisible(); }));
        QVERIFY(key(w, Qt::Key_Down, [&] { return previewSelectedFile.endsWith("/x.nc"); }));
        QVERIFY(key(w, Qt::Key_Down, [&] { return previewSelectedFile.endsWith("/z.nc"); }));
        QVERIFY(key(w, Qt::Key_F4, [&] { return w.menuFile->isVisible(); }));
        QCOMPARE(message(w), QString("z.nc 未加载: 不是程序文件"));
        QCOMPARE(notices.count(), 0);
        QVERIFY(w.fileLoaded);
        QCOMPARE(SegmentTable::length(cutSegments), 3);
    }

    // Down past the last entry and PgDn past the last page leave no entry
    // current: with the preview on, the folder itself is what cannot be
    // read; F4 there hands nothing on, and the next Down starts at the top.
    void browserPastTheLastEntry()
    {
        TempWorkDir dir;
        QVERIFY(seed(dir, "./ncfile/a.nc"));
        QVERIFY(dir.writeFile("ncfile/a.nc", "G00 X1000 Y0\nG01 X5000 Y0\n"));
        QVERIFY(dir.writeFile("ncfile/c.nc", "G01 X0 Y3000\n"));
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        KPreview *browser = w.preview;
        const QString folder = dir.filePath("ncfile/");
        QVERIFY(key(w, Qt::Key_F1, [&] { return w.menuFile->isVisible(); }));
        QVERIFY(key(w, Qt::Key_F1, [&] { return browser->isVisible(); }));
        QVERIFY(key(w, Qt::Key_F5, [&] { return SegmentTable::length(previewSegments) == 2; }));
        const QString line = message(w);
        for (Qt::Key past : {Qt::Key_Down, Qt::Key_PageDown}) {
            notices.clear();
            QVERIFY(key(w, Qt::Key_Down, [&] { return previewSelectedFile == folder + "c.nc"; }));
            QVERIFY(key(w, past, [&] { return notices.count() == 1; }));
            QCOMPARE(notices.last().text, "Cannot read file " + folder + ":\nNot a program file.");
            QCOMPARE(browser->fileNameEdit->text(), QString());
            QVERIFY(key(w, Qt::Key_F4, [] { return true; }));
            QVERIFY(browser->isVisible());
            QCOMPARE(message(w), line);
            QVERIFY(key(w, Qt::Key_Down, [&] { return previewSelectedFile == folder + "a.nc"; }));
            QCOMPARE(browser->fileNameEdit->text(), QString("a.nc"));
            QCOMPARE(SegmentTable::length(previewSegments), 2);
            QCOMPARE(notices.count(), 1);
        }
    }

    // F4 hands on only what opens for reading: a folder typed by name stays
    // in the browser, even when F5 (a new file) opened it. What opens but is
    // refused by the load is named on the console by its full path.
    void browserOpensWhatCanBeRead()
    {
        TempWorkDir dir;
        QVERIFY(seed(dir, "./ncfile/a.nc"));
        QVERIFY(dir.writeFile("ncfile/a.nc", "G00 X1000 Y0\nG01 X5000 Y0\n"));
        QVERIFY(dir.writeFile("ncfile/b.nc", QByteArray("G01 X1 Y0\n").repeated(30002)));
        QVERIFY(QDir().mkpath(dir.filePath("ncfile/zsub")));
        const QByteArray last = dir.readFile(".tovrelcnc/fileconfig.xml");
        // Each name is a search of its own, however soon it follows the last.
        const int typing = QApplication::keyboardInputInterval();
        QApplication::setKeyboardInputInterval(0);
        const auto restore = qScopeGuard([typing] { QApplication::setKeyboardInputInterval(typing); });
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        KPreview *browser = w.preview;
        const auto typeName = [&](const char *name) {
            QVERIFY(browser->fileNameEdit->hasFocus());
            browser->fileNameEdit->selectAll();
            QTest::keyClicks(browser->fileNameEdit, name);
            QVERIFY(key(w, Qt::Key_Return, [&] { return previewSelectedFile.endsWith(QString("/") + name); }));
        };
        QVERIFY(key(w, Qt::Key_F1, [&] { return w.menuFile->isVisible(); }));
        const QString newFile = w.menuFile->newFileButton->text();
        const QString line = message(w);
        QVERIFY(key(w, Qt::Key_F5, [&] { return browser->isVisible(); }));
        typeName("zsub");
        QVERIFY(key(w, Qt::Key_F4, [] { return true; }));
        QVERIFY(browser->isVisible());
        QCOMPARE(message(w), line);
        QCOMPARE(w.menuFile->newFileButton->text(), newFile);

        QVERIFY(key(w, Qt::Key_Escape, [&] { return w.menuFile->isVisible(); }));
        QVERIFY(key(w, Qt::Key_F1, [&] { return browser->isVisible(); }));
        typeName("b.nc");
        ConsoleCapture out(1);
        ConsoleCapture console(2);
        const bool back = key(w, Qt::Key_F4, [&] { return w.menuFile->isVisible(); });
        const QByteArray said = out.text() + console.text();
        QVERIFY(back);
        QCOMPARE(message(w), QString("b.nc 未加载: 文件太长"));
        QVERIFY2(said.contains(QFile::encodeName(dir.filePath("ncfile/b.nc")) + ": File too long"), said.constData());
        QCOMPARE(dir.readFile(".tovrelcnc/fileconfig.xml"), last);
        QCOMPARE(notices.count(), 0);
    }

    // A program longer than the table previews as far as the table holds
    // it, with or without the compensated path, and without a box.
    void previewDrawsWhatTheTableHolds()
    {
        TempWorkDir dir;
        QVERIFY(seed(dir, "./ncfile/a.nc"));
        QVERIFY(dir.writeFile("ncfile/a.nc", "G00 X1000 Y0\nG01 X5000 Y0\n"));
        QVERIFY(dir.writeFile("ncfile/b.nc", QByteArray("G01 X1 Y0\n").repeated(30001)));
        QVERIFY(dir.writeFile("ncfile/c.nc", "G01 X0 Y3000\n"));
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        const QByteArray tnc = dir.readFile(".tovrelcnc/t.nc");
        QVERIFY(key(w, Qt::Key_F1, [&] { return w.menuFile->isVisible(); }));
        QVERIFY(key(w, Qt::Key_F1, [&] { return w.preview->isVisible(); }));
        for (Qt::Key k : {Qt::Key_F5, Qt::Key_F6}) {
            QVERIFY(key(w, k, [&] { return SegmentTable::length(previewSegments) == 2; }));
            QVERIFY(key(w, Qt::Key_Down, [&] { return SegmentTable::length(previewSegments) > 29000; }));
            QCOMPARE(previewSegments[29000].type, qint32(SegType::Line));
            QVERIFY(key(w, Qt::Key_Down, [&] { return SegmentTable::length(previewSegments) == 1; }));
            QVERIFY(key(w, Qt::Key_Up, [&] { return SegmentTable::length(previewSegments) > 29000; }));
            QVERIFY(key(w, Qt::Key_Up, [&] { return SegmentTable::length(previewSegments) == 2; }));
        }
        QCOMPARE(notices.count(), 0);
        QCOMPARE(dir.readFile(".tovrelcnc/t.nc"), tnc);
        QCOMPARE(SegmentTable::length(cutSegments), 2);
    }
};

QTEST_MAIN(LongProgramTest)
#include "LongProgramTest.moc"
