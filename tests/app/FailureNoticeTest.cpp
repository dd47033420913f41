// The main window under failing loads and saves: nothing hangs or ends the
// program, the operator is told which file failed and why, and what stays
// armed for cutting is never a program the screen does not describe.

#include "ConsoleCapture.h"
#include "GuiTest.h"
#include "HangGuard.h"
#include "TempWorkDir.h"
#include "WriteFault.h"

#include "app/base/KButton.h"
#include "app/KMainWindow.h"
#include "config/KConfigBase.h"
#include "config/KConfigCut.h"
#include "config/KMenuConfig.h"
#include "files/KEditor.h"
#include "files/KEditorName.h"
#include "files/KEditorSimuFrame.h"
#include "files/KFastcopy.h"
#include "files/KMenuFastcopy.h"
#include "files/KMenuFile.h"
#include "files/KMyView.h"
#include "files/KPreview.h"
#include "library/KLibConfig.h"
#include "library/KLibFrame.h"
#include "library/KLibList.h"
#include "library/KLibTable.h"
#include "library/KMenuLib.h"
#include "pages/KCode.h"
#include "pages/KCodeFrame.h"
#include "pages/KCodeNum.h"
#include "program/Parser.h"
#include "program/KSimu.h"
#include "program/SegmentTable.h"
#include "status/KSimuFrame.h"
#include "status/KText.h"
#include "status/KTextFrame.h"
#include "thc/KTHC.h"
#include "thc/KTHCConfig.h"

#include <QApplication>
#include <QDirModel>
#include <QFontMetrics>
#include <QLibraryInfo>
#include <QTranslator>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTextEdit>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const char kChildMode[] = "--copy-under-size-limit";

QByteArray fileConfig(const char *program)
{
    return QByteArray("<?xml version='1.0'?><!DOCTYPE RAVOK>\n<FileConfig>\n    <File filename=\"") + program
           + "\"/>\n</FileConfig>\n";
}

const char kConfig[] = "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<RavokConfig>\n"
                       "    <Base angel=\"0\" comp=\"0\" fx=\"0\" preci=\"10\" rotate=\"0\" sfx=\"0\" sheetx=\"3000\" "
                       "sheety=\"1500\"/>\n    <Mode mode=\"1\"/>\n</RavokConfig>\n";

const char kProgram[] = "G00 X1000 Y0\nG01 X5000 Y0\nG01 X0 Y3000\n";

void seed(const TempWorkDir &dir, const char *program = "./ncfile/a.nc")
{
    QVERIFY(dir.writeFile(".tovrelcnc/fileconfig.xml", fileConfig(program)));
    QVERIFY(dir.writeFile(".tovrelcnc/config.xml", kConfig));
    QVERIFY(dir.writeFile("ncfile/a.nc", kProgram));
}

// The window started on a working folder whose program loads, its boxes
// recorded.
struct Started {
    TempWorkDir dir;
    NoticeRecorder notices;
    std::unique_ptr<KMainWindow> window;

    explicit Started(const QByteArray &extraProgram = QByteArray())
    {
        seed(dir);
        if (!extraProgram.isEmpty())
            dir.writeFile("ncfile/long.nc", extraProgram);
        window.reset(new KMainWindow);
        GuiTest::activate(window.get());
    }
};

// A key of the window; its button clicks once its press animation is over,
// so callers wait for the effect.
void press(KMainWindow &w, Qt::Key key)
{
    GuiTest::waitClickLockFree();
    QTest::keyClick(&w, key);
}

bool waitFor(const std::function<bool()> &effect)
{
    return QTest::qWaitFor(effect, 5000);
}

QString message(const KMainWindow &w)
{
    return w.textFrame->message->text;
}

// A soft file-size limit with the signal left as the program finds it.
void limitFileSize(rlim_t bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace

// The child: the copy page copies an 8000-byte program under a 1 KB limit in
// a program that has saved nothing yet. Prints the boxes it would show.
static int copyUnderSizeLimit(int argc, char **argv)
{
    std::signal(SIGXFSZ, SIG_DFL);
    QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(icons);
    NoticeRecorder notices;
    KMainWindow w;
    GuiTest::activate(&w);
    press(w, Qt::Key_F1);
    waitFor([&] { return w.menuFile->isVisible(); });
    press(w, Qt::Key_F3);
    waitFor([&] { return w.menuFastcopy->isVisible(); });
    w.menuFastcopy->acceptSource(QDir::currentPath() + "/src");
    press(w, Qt::Key_F3);
    KMyView *source = w.menuFastcopy->fastcopy->srcView;
    waitFor([&] { return !source->selectedIndexList().isEmpty(); });
    limitFileSize(1024);
    press(w, Qt::Key_F4);
    waitFor([&] { return notices.count() > 0; });
    for (const Notice::Request &r : notices.requests())
        std::printf("box: %s\n", qPrintable(r.text));
    return 0;
}

class FailureNoticeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(icons); }

    // A pipe, a socket or a device named as the last program neither holds
    // up the start nor is loaded; the message line says why, alike for all.
    void startWithNoPlainFile_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("pipe") << "./ncfile/pipe.nc";
        QTest::newRow("socket") << "./ncfile/socket.nc";
        QTest::newRow("/dev/zero") << "/dev/zero";
    }

    void startWithNoPlainFile()
    {
        QFETCH(QString, program);
        TempWorkDir dir;
        seed(dir, qPrintable(program));
        QVERIFY(mkfifo(qPrintable(dir.filePath("ncfile/pipe.nc")), 0600) == 0);
        QVERIFY(dir.bindSocket("ncfile/socket.nc"));
        NoticeRecorder notices;
        QElapsedTimer clock;
        clock.start();
        KMainWindow w;
        QVERIFY(clock.elapsed() < kHangGuardMs);
        QVERIFY(!w.fileLoaded);
        QVERIFY(!w.startButton()->isEnabled());
        QCOMPARE(cutSegments[0].type, qint32(SegType::End));
        QCOMPARE(message(w), QFileInfo(program).fileName() + " 未加载: 不是程序文件");
        QVERIFY(w.textFrame->message->alarm);
        QCOMPARE(notices.count(), 0);
    }

    // A fileconfig.xml that names no program, damaged or not, is named on
    // the message line as what could not be read; the start takes no longer
    // and writes nothing. Nor does the reload that follows.
    void startWithDamagedFileConfig_data()
    {
        QTest::addColumn<QByteArray>("fileConfig");
        QTest::addColumn<QString>("reason");
        const QByteArray whole = fileConfig("./ncfile/a.nc");
        QTest::newRow("empty") << QByteArray() << "已损坏";
        QTest::newRow("cut short") << whole.left(whole.indexOf("<File ") + 10) << "已损坏";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18) << "已损坏";
        QTest::newRow("nested 200,000 deep")
            << "<FileConfig>" + QByteArray("<a>").repeated(200000) + "<File filename=\"./ncfile/a.nc\"/>"
            << "已损坏";
        QTest::newRow("entity expansion")
            << QByteArray("<?xml version='1.0'?><!DOCTYPE FileConfig [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaa\">"
                          "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                          "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
                          "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">]><FileConfig><File filename=\"&f;\"/>"
                          "</FileConfig>")
            << "已损坏";
        QTest::newRow("an empty name") << fileConfig("") << "无程序名";
    }

    void startWithDamagedFileConfig()
    {
        QFETCH(QByteArray, fileConfig);
        QFETCH(QString, reason);
        TempWorkDir dir;
        seed(dir);
        QVERIFY(dir.writeFile(".tovrelcnc/fileconfig.xml", fileConfig));
        const auto files = [&] {
            return qMakePair(WriteFault::snapshot(dir.filePath("ncfile")),
                             WriteFault::snapshot(dir.filePath(".tovrelcnc")));
        };
        const auto before = files();
        NoticeRecorder notices;
        QElapsedTimer clock;
        clock.start();
        KMainWindow w;
        QVERIFY(clock.elapsed() < kHangGuardMs);
        QVERIFY(GuiTest::activate(&w));
        const QString told = "fileconfig.xml 读取失败: " + reason;
        QCOMPARE(message(w), told);
        QVERIFY(w.textFrame->message->alarm);
        QVERIFY(!w.fileLoaded);
        press(w, Qt::Key_F1);
        QTRY_VERIFY(w.menuFile->isVisible());
        press(w, Qt::Key_F4);
        QTRY_COMPARE(message(w), told);
        QCOMPARE(files(), before);
        QCOMPARE(notices.count(), 0);
    }

    // The editor opens on the name it is handed, an empty one too (no
    // program loaded, no file chosen in the browser): what it cannot read is
    // told by name, the name left empty, and the editor keeps what it
    // showed. Its 保 存 then writes to that empty name, which fails and is
    // told; only 新 建 asks for a name.
    void editorWithNoProgram_data()
    {
        QTest::addColumn<bool>("browser");
        QTest::addColumn<bool>("named");
        QTest::addColumn<QString>("told");
        const QString noName = QStringLiteral("Cannot read file :\nNo file name specified.");
        QTest::newRow("F2, fileconfig.xml unreadable") << false << false << noName;
        QTest::newRow("F2, the program named is missing")
            << false << true << QStringLiteral("Cannot read file ./ncfile/missing.nc:\nNo such file or directory.");
        QTest::newRow("browser F3, nothing chosen") << true << false << noName;
    }

    void editorWithNoProgram()
    {
        QFETCH(bool, browser);
        QFETCH(bool, named);
        QFETCH(QString, told);
        TempWorkDir dir;
        seed(dir, "./ncfile/missing.nc");
        QVERIFY(QFile::remove(dir.filePath("ncfile/a.nc")));
        if (!named) {
            QVERIFY(QFile::remove(dir.filePath(".tovrelcnc/fileconfig.xml")));
            QVERIFY(QDir().mkpath(dir.filePath(".tovrelcnc/fileconfig.xml")));
        }
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        QVERIFY(!w.fileLoaded);
        KEditor *editor = w.editor;
        const QString nameBar = editor->nameFrame->nameLabel->text();
        press(w, Qt::Key_F1);
        QTRY_VERIFY(w.menuFile->isVisible());
        if (browser) {
            press(w, Qt::Key_F1);
            QTRY_VERIFY(w.preview->isVisible());
            press(w, Qt::Key_F3);
        } else {
            press(w, Qt::Key_F2);
        }
        QTRY_VERIFY(editor->isVisible());
        QTRY_COMPARE(notices.count(), 1);
        QCOMPARE(notices.last().title, QString("Brenlo"));
        QCOMPARE(notices.last().text, told);
        QCOMPARE(editor->nameFrame->nameLabel->text(), nameBar);

        press(w, Qt::Key_F6);
        QTRY_VERIFY(editor->textEdit->isVisible());
        QTest::keyClicks(editor->textEdit, "G01 X5 Y5");
        const QMap<QString, QByteArray> before = WriteFault::snapshot(dir.filePath("ncfile"));
        press(w, Qt::Key_F3);
        QTRY_COMPARE(notices.count(), 2);
        QCOMPARE(notices.last().text, QString("Cannot write file :\nNo file name specified."));
        QVERIFY(!editor->saveFileDialog());
        QCOMPARE(editor->currentFile(), QString());
        QVERIFY(!editor->untitled());
        QCOMPARE(editor->nameFrame->nameLabel->text(), nameBar);
        QCOMPARE(WriteFault::snapshot(dir.filePath("ncfile")), before);

        // A new program asks for its name and is saved under it.
        press(w, Qt::Key_F1);
        QTRY_COMPARE(editor->nameFrame->nameLabel->text(), QString("编辑文件名:(空)"));
        QTest::keyClicks(editor->textEdit, "G01 X5 Y5");
        press(w, Qt::Key_F3);
        QTRY_VERIFY(editor->saveFileDialog() && editor->saveFileDialog()->isVisible());
        QFileDialog *dialog = editor->saveFileDialog();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(dialog));
        GuiTest::typeFileName(dialog, "n.nc");
        QTest::keyClick(dialog, Qt::Key_Return);
        QTRY_COMPARE(dir.readFile("ncfile/n.nc"), QByteArray("G01 X5 Y5"));
        QCOMPARE(notices.count(), 2);
    }

    // A working folder whose start loads nothing (no config.xml, no
    // fileconfig.xml): F4 hands the empty name on, and the message line
    // says no name was given, not that a file is missing. The program
    // reader still says on the console that it found no file.
    void reloadOfNoName()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile("ncfile/0003.nc", kProgram));
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        QVERIFY(!w.fileLoaded);
        press(w, Qt::Key_F1);
        QTRY_VERIFY(w.menuFile->isVisible());
        // The runner's own lines go to standard output too: the capture
        // ends before the first check, so a failing check is named.
        ConsoleCapture console(1);
        press(w, Qt::Key_F4);
        const bool told = waitFor([&] { return message(w).endsWith(" 未加载: 无文件名"); });
        const QByteArray said = console.text();
        QVERIFY2(told, qPrintable(message(w)));
        QVERIFY2(said.contains("File not found!"), said.constData());
        QVERIFY(!w.fileLoaded);
        QCOMPARE(notices.count(), 0);
    }

    // A height saved while thcconfig.xml is a pipe: never opened, the save
    // fails at once as a failed save of the page says, and the pipe stays.
    // (config.xml: the key road configpipe.)
    void heightSavedThroughAPipe()
    {
        Started s;
        const QByteArray pipe = QFile::encodeName(s.dir.filePath("ravok/.tovrelcnc/thcconfig.xml"));
        QVERIFY(mkfifo(pipe.constData(), 0644) == 0);
        KTHCConfig *heights = s.window->thc->thc1Config;
        heights->distCKEdit->setText("4.5");
        QElapsedTimer clock;
        clock.start();
        heights->okButton->click();
        QVERIFY(clock.elapsed() < kHangGuardMs);
        QCOMPARE(heights->statusText, QString("数据保存失败!"));
        struct stat st {
        };
        QVERIFY(lstat(pipe.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    }

    // The file page's reload of a program that is no longer loadable: the
    // view empties and the message line says which file and why.
    void reloadTellsWhy_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("gone") << 0 << "文件不存在";
        QTest::newRow("too long") << 1 << "文件太长";
        QTest::newRow("a folder") << 2 << "不是程序文件";
        QTest::newRow("a socket") << 3 << "不是程序文件";
    }

    void reloadTellsWhy()
    {
        QFETCH(int, fault);
        QFETCH(QString, reason);
        Started s;
        KMainWindow &w = *s.window;
        QVERIFY(w.fileLoaded);
        QCOMPARE(message(w), QString("准备就绪"));
        press(w, Qt::Key_F1);
        QTRY_VERIFY(w.menuFile->isVisible());
        QVERIFY(QFile::remove(s.dir.filePath("ncfile/a.nc")));
        if (fault == 1)
            QVERIFY(s.dir.writeFile("ncfile/a.nc", QByteArray("G01 X1 Y0\n").repeated(30001)));
        if (fault == 2)
            QVERIFY(QDir().mkpath(s.dir.filePath("ncfile/a.nc")));
        if (fault == 3)
            QVERIFY(s.dir.bindSocket("ncfile/a.nc"));
        press(w, Qt::Key_F4);
        QTRY_COMPARE(message(w), "a.nc 未加载: " + reason);
        // What was read before stays armed, as the screen shows it.
        QVERIFY(w.fileLoaded);
        QVERIFY(w.startButton()->isEnabled());
        QCOMPARE(cutSegments[1].x, 5000);
        QCOMPARE(s.notices.count(), 0);
    }

    // A program the load refuses, opened from the browser, leaves the one
    // loaded before in every view and as the last program of the next start.
    void refusedProgramKeepsTheLoadedOne()
    {
        auto s = std::make_unique<Started>(QByteArray("G01 X1.00 Y1.00\n").repeated(30002));
        KMainWindow *w = s->window.get();
        const QByteArray fileConfigBefore = s->dir.readFile(".tovrelcnc/fileconfig.xml");
        const auto loaded = [&] {
            QStringList state;
            for (int r = 0; r < 4; ++r)
                state << QString("%1 %2 %3").arg(cutSegments[r].type).arg(cutSegments[r].x).arg(cutSegments[r].y);
            KCode *list = w->codeNum->codeFrame->code;
            state << QString::number(list->rowCount());
            for (int r = 0; r < list->rowCount(); ++r)
                state << list->item(r, 0)->text();
            state << QString::number(w->startButton()->isEnabled()) << QString::number(w->fileLoaded);
            return state;
        };
        const QStringList before = loaded();
        QCOMPARE(before.at(1), QString("1 5000 0"));
        const QImage plot = w->simuFrame->simu->grab().toImage();

        press(*w, Qt::Key_F1);
        QTRY_VERIFY(w->menuFile->isVisible());
        press(*w, Qt::Key_F1);
        QTRY_VERIFY(w->preview->isVisible());
        w->preview->setCurrentIndex(w->preview->dirModel->index(s->dir.filePath("ncfile/long.nc")));
        QTRY_VERIFY(previewSelectedFile.endsWith("/long.nc"));
        press(*w, Qt::Key_F4);
        QTRY_COMPARE(message(*w), QString("long.nc 未加载: 文件太长"));
        QTRY_VERIFY(w->menuFile->isVisible());
        QCOMPARE(loaded(), before);
        QCOMPARE(w->simuFrame->simu->grab().toImage(), plot);
        QCOMPARE(s->dir.readFile(".tovrelcnc/fileconfig.xml"), fileConfigBefore);

        s->window.reset(new KMainWindow);
        w = s->window.get();
        QCOMPARE(w->currentFile, QString("./ncfile/a.nc"));
        QCOMPARE(loaded(), before);
        QCOMPARE(s->notices.count(), 0);
    }

    // After a refusal, the refused file made readable must not come in by
    // any later road that reads the current program: the loaded one stays
    // in the table, t.nc, the list, the title and Start, never a mix.
    void refusedProgramStaysOut_data()
    {
        QTest::addColumn<int>("road");
        // The library and the editor opened from the browser leave as the
        // browser does; the key roads take them (keyroads.sh refused*).
        QTest::newRow("browser left") << 0;
        QTest::newRow("file page editor and reload") << 1;
        QTest::newRow("plate angle changed") << 2;
    }

    void refusedProgramStaysOut()
    {
        QFETCH(int, road);
        Started s(QByteArray("G01 X1.00 Y1.00\n").repeated(30002));
        KMainWindow &w = *s.window;
        int asked = 0;
        w.setModalRunner([&](QDialog *) {
            ++asked;
            return int(QDialog::Rejected);
        });
        const auto loaded = [&] {
            QStringList state{w.windowTitle(), w.currentFile, s.dir.readFile(".tovrelcnc/t.nc"),
                              QString::number(w.recordCount), QString::number(w.startButton()->isEnabled())};
            for (int r = 0; r < 4; ++r)
                state << QString("%1 %2 %3").arg(cutSegments[r].type).arg(cutSegments[r].x).arg(cutSegments[r].y);
            KCode *list = w.codeNum->codeFrame->code;
            for (int r = 0; r < list->rowCount(); ++r)
                state << list->item(r, 0)->text();
            return state;
        };
        const QStringList before = loaded();
        QVERIFY(before.at(0).endsWith(" - ./ncfile/a.nc"));
        QCOMPARE(before.at(3), QString("3"));

        QString refused = "./ncfile/long.nc";
        w.setCurrentFile(refused);
        QCOMPARE(message(w), QString("long.nc 未加载: 文件太长"));
        QCOMPARE(loaded(), before);
        QVERIFY(s.dir.writeFile("ncfile/long.nc", "G01 X0 Y7000\n"));

        const auto key = [&](Qt::Key k, const std::function<bool()> &effect) {
            press(w, k);
            return waitFor(effect);
        };
        const auto filePage = [&] { return w.menuFile->isVisible(); };
        const auto browser = [&] { return w.preview->isVisible(); };
        const auto editor = [&] { return w.editor->isVisible(); };
        switch (road) {
        case 0:
            QVERIFY(key(Qt::Key_F1, filePage) && key(Qt::Key_F1, browser) && key(Qt::Key_Escape, filePage));
            break;
        case 1:
            QVERIFY(key(Qt::Key_F1, filePage) && key(Qt::Key_F2, editor));
            QCOMPARE(w.editor->currentFile(), QString("./ncfile/a.nc"));
            QCOMPARE(w.editor->rowCount(), 3);
            QVERIFY(key(Qt::Key_Escape, filePage));
            // The reload asks about the height, as after any reload.
            QVERIFY(key(Qt::Key_F4, [&] { return asked == 1; }));
            break;
        default:
            w.simuFrame->simu->parser->setAngel(0.0);
            break;
        }
        QCOMPARE(loaded(), before);
        QCOMPARE(s.notices.count(), 0);
    }

    // Refused at the start with nothing loaded before, the last program is
    // named as before, but nothing of it comes in until a load succeeds:
    // leaving the browser does not parse it into the table.
    void startRefusalLoadsOnlyByReload()
    {
        TempWorkDir dir;
        seed(dir, "./ncfile/long.nc");
        QVERIFY(dir.writeFile("ncfile/long.nc", QByteArray("G01 X1 Y1\n").repeated(30002)));
        NoticeRecorder notices;
        KMainWindow w;
        QVERIFY(GuiTest::activate(&w));
        w.setModalRunner([](QDialog *) { return int(QDialog::Rejected); });
        QVERIFY(!w.fileLoaded);
        QVERIFY(w.windowTitle().endsWith(" - ./ncfile/long.nc"));
        QCOMPARE(message(w), QString("long.nc 未加载: 文件太长"));
        QVERIFY(dir.writeFile("ncfile/long.nc", "G01 X0 Y7000\n"));

        press(w, Qt::Key_F1);
        QTRY_VERIFY(w.menuFile->isVisible());
        press(w, Qt::Key_F1);
        QTRY_VERIFY(w.preview->isVisible());
        press(w, Qt::Key_Escape);
        QTRY_VERIFY(w.menuFile->isVisible());
        QCOMPARE(cutSegments[0].type, qint32(SegType::End));
        QVERIFY(!dir.exists(".tovrelcnc/t.nc"));
        QVERIFY(!w.startButton()->isEnabled());

        // The file page's reload is the way in.
        press(w, Qt::Key_F4);
        QTRY_VERIFY(w.fileLoaded);
        QCOMPARE(cutSegments[0].y, 7000);
        QCOMPARE(w.codeNum->codeFrame->code->rowCount(), 1);
        QCOMPARE(notices.count(), 0);
    }

    // A change of the form on the custom-file cell when no custom file is
    // placed has nothing to read again: the console says so, no box.
    void libraryChangeWithoutCustomFile_data()
    {
        QTest::addColumn<bool>("shapePlaced");
        QTest::newRow("no part") << false;
        QTest::newRow("a shape placed") << true;
    }

    void libraryChangeWithoutCustomFile()
    {
        QFETCH(bool, shapePlaced);
        Started s;
        KMainWindow &w = *s.window;
        press(w, Qt::Key_F2);
        QTRY_VERIFY(w.menuLib->isVisible());
        KLibTable *table = w.libFrame->libTable;
        if (shapePlaced) {
            table->setCurrentCell(0, 1);
            press(w, Qt::Key_Home);
            QTRY_COMPARE(w.libFrame->libList->count(), 1);
            table->setCurrentCell(0, 0);
        }
        QCOMPARE(table->currentRow() + table->currentColumn(), 0);
        const QByteArray layout = s.dir.readFile(".tovrelcnc/k.nc");
        QLineEdit *field = w.libFrame->config()->offsetXEdit();
        field->setText("12");
        ConsoleCapture console(2);
        // The form hands the change on within the key's own event.
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(console.text().contains("add patten file error..."));
        QCOMPARE(s.notices.count(), 0);
        QCOMPARE(w.libFrame->libList->count(), shapePlaced ? 1 : 0);
        QCOMPARE(s.dir.readFile(".tovrelcnc/k.nc"), layout);
    }

    // Whatever the name and the reason, the drawn line fits what the frame
    // shows, with the whole reason and the name as it is or shortened in
    // its middle.
    void failedLoadLineFits()
    {
        Started s;
        KText *line = s.window->textFrame->message;
        const QFontMetrics metrics(line->font());
        // The line's own rectangle: what its 256 px frame shows of it.
        const int visible = line->width();
        QVERIFY(visible > 200 && visible <= 245);
        const QStringList names = {"a1234.nc",
                                   "int_bracket-2.nc",
                                   "plates-sheet-3000x1500.nc",
                                   QString("plate_3000x1500_flanges_rev4_") + QString(28, 'x') + ".nc",
                                   QString::fromUtf8("法兰盘底板切割程序第二版最终修订稿.nc"),
                                   "a%2b.nc"};
        QCOMPARE(names.at(3).size(), 60);
        const QStringList reasons = {"文件不存在", "不是程序文件", "文件太长", "超出文件大小限制"};
        const QList<QPair<int, QString>> codes = {{102, " 未加载: "}, {103, " 写入失败: "}};
        for (const auto &code : codes) {
            for (const QString &name : names) {
                for (const QString &reason : reasons) {
                    line->updateText(code.first, {name, reason});
                    const QString drawn = line->text;
                    const QString what = drawn + " for " + name;
                    QVERIFY2(metrics.horizontalAdvance(drawn) <= visible, qPrintable(what));
                    QVERIFY2(drawn.endsWith(code.second + reason), qPrintable(what));
                    const QString shown = drawn.left(drawn.size() - code.second.size() - reason.size());
                    if (shown != name) {
                        const int cut = shown.indexOf(QChar(0x2026));
                        QVERIFY2(cut > 0 && cut < shown.size() - 1, qPrintable(what));
                        QVERIFY2(name.startsWith(shown.left(cut)) && name.endsWith(shown.mid(cut + 1)),
                                 qPrintable(what));
                        QVERIFY2(shown.size() <= name.size(), qPrintable(what));
                    }
                }
            }
        }
        // Short names are shown whole.
        line->updateText(102, {"a%2b.nc", "文件不存在"});
        QCOMPARE(line->text, QString("a%2b.nc 未加载: 文件不存在"));

        // Told before the window is first shown: fitted all the same.
        TempWorkDir dir;
        seed(dir, qPrintable("./ncfile/" + names.at(3)));
        KMainWindow w;
        const QString told = message(w);
        QVERIFY(GuiTest::activate(&w));
        QVERIFY2(QFontMetrics(w.textFrame->message->font()).horizontalAdvance(told) <= visible, qPrintable(told));
        QVERIFY2(told.startsWith("plate_") && told.endsWith(".nc 未加载: 文件不存在"), qPrintable(told));
    }

    // The system's reasons reach the message line in Chinese and whole: a
    // link loop named as the last program, a working folder made read-only
    // while the program runs.
    void systemReasonsInChinese()
    {
        {
            TempWorkDir dir;
            seed(dir, "./ncfile/loop1.nc");
            QVERIFY(QFile::link("loop2.nc", dir.filePath("ncfile/loop1.nc")));
            QVERIFY(QFile::link("loop1.nc", dir.filePath("ncfile/loop2.nc")));
            NoticeRecorder notices;
            KMainWindow w;
            QCOMPARE(message(w), QString("loop1.nc 未加载: 链接层数过多"));
        }
        // The toolkit's own words, as the program shows them.
        QTranslator toolkit;
        QVERIFY(toolkit.load("qtbase_zh_CN", QLibraryInfo::location(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&toolkit);
        Started s;
        KMainWindow &w = *s.window;
        press(w, Qt::Key_F1);
        QTRY_VERIFY(w.menuFile->isVisible());
        {
            FaultScope scope({WriteFault::ReadOnlyFolder, 0, nullptr}, s.dir.filePath(".tovrelcnc"));
            QVERIFY(scope.isValid());
            press(w, Qt::Key_F4);
            QTRY_VERIFY(message(w) != QString("按“↑”或“↓” 选择起始段 / 穿孔数"));
        }
        QCoreApplication::removeTranslator(&toolkit);
        QCOMPARE(message(w), QString("t.nc 写入失败: 没有权限"));
    }

    // The configuration's OK under a size limit: one box names config.xml,
    // the old file stays whole, and Start is armed only with a program
    // prepared with the parameters the page shows.
    void configurationOkUnderSizeLimit_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("prepared");
        QTest::newRow("t.nc fails too") << 10 << false;
        QTest::newRow("config.xml alone fails") << 300 << true;
    }

    void configurationOkUnderSizeLimit()
    {
        QFETCH(int, limit);
        QFETCH(bool, prepared);
        Started s;
        KMainWindow &w = *s.window;
        press(w, Qt::Key_F3);
        QTRY_VERIFY(w.menuConfig->isVisible());
        KConfigBase *base = w.menuConfig->baseDialog;
        base->compEdit->setText("2.5");
        {
            FaultScope scope({WriteFault::SizeLimit, limit, nullptr}, s.dir.filePath(".tovrelcnc"));
            QVERIFY(scope.isValid());
            base->accept();
        }
        QCOMPARE(s.notices.count(), 1);
        QCOMPARE(s.notices.last().text, QString("Cannot write file ./.tovrelcnc/config.xml:\nFile too large."));
        QCOMPARE(s.dir.readFile(".tovrelcnc/config.xml"), QByteArray(kConfig));
        QCOMPARE(w.fileLoaded, prepared);
        QCOMPARE(w.startButton()->isEnabled(), prepared);
        if (prepared) {
            QCOMPARE(w.simuFrame->simu->parser->kerf(), 250.0);
        } else {
            QCOMPARE(cutSegments[0].type, qint32(SegType::End));
            QCOMPARE(message(w), QString("t.nc 写入失败: 超出文件大小限制"));
        }
    }

    // Values saved while the disk refuses one write and takes the next byte
    // again, or takes every byte and refuses to keep them: the box of
    // config.xml and the message line of the program the new values prepare
    // tell the system's reason.
    void writeFailedOnce_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("flush");
        QTest::addColumn<QString>("boxReason");
        QTest::addColumn<QString>("words");
        QTest::newRow("ENOSPC") << ENOSPC << false << "No space left on device"
                                << "磁盘已满";
        QTest::newRow("EIO") << EIO << false << "Input/output error"
                             << "输入输出错误";
        QTest::newRow("EFBIG") << EFBIG << false << "File too large"
                               << "超出文件大小限制";
        QTest::newRow("flush EIO") << EIO << true << "Input/output error"
                                   << "输入输出错误";
    }

    void writeFailedOnce()
    {
        QFETCH(int, number);
        QFETCH(bool, flush);
        QFETCH(QString, boxReason);
        QFETCH(QString, words);
        Started s;
        KMainWindow &w = *s.window;
        press(w, Qt::Key_F3);
        QTRY_VERIFY(w.menuConfig->isVisible());
        const WriteFault once{flush ? WriteFault::FlushError : WriteFault::OneWriteError, 0, nullptr, number};
        // The speeds go to the card and config.xml alone is written.
        {
            FaultScope scope(once, s.dir.filePath(".tovrelcnc"));
            QVERIFY2(scope.isValid(), qPrintable(scope.error()));
            w.menuConfig->cutDialog->accept();
        }
        QCOMPARE(s.notices.count(), 1);
        QCOMPARE(s.notices.last().text, "Cannot write file ./.tovrelcnc/config.xml:\n" + boxReason + ".");
        QCOMPARE(s.dir.readFile(".tovrelcnc/config.xml"), QByteArray(kConfig));
        // A new kerf prepares the program again before config.xml is written.
        w.menuConfig->baseDialog->compEdit->setText("2.5");
        {
            FaultScope scope(once, s.dir.filePath(".tovrelcnc"));
            QVERIFY2(scope.isValid(), qPrintable(scope.error()));
            w.menuConfig->baseDialog->accept();
        }
        QCOMPARE(message(w), "t.nc 写入失败: " + words);
        // A disk that keeps nothing refuses config.xml again.
        QCOMPARE(s.notices.count(), flush ? 2 : 1);
        QCOMPARE(s.notices.last().text, "Cannot write file ./.tovrelcnc/config.xml:\n" + boxReason + ".");
        if (flush)
            QCOMPARE(s.dir.readFile(".tovrelcnc/config.xml"), QByteArray(kConfig));
    }

    // A file system that offers no syncing refuses the flush with EINVAL:
    // there is nothing more to wait for, and a save of config.xml, the copy
    // page's copy and the editor's save go through whole, with no box.
    void flushNotOffered_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("config.xml") << ".tovrelcnc/config.xml";
        QTest::newRow("copy page") << "ncfile/c.nc";
        QTest::newRow("editor") << "ncfile/a.nc";
    }

    void flushNotOffered()
    {
        QFETCH(QString, file);
        const QByteArray row = QTest::currentDataTag();
        Started s;
        KMainWindow &w = *s.window;
        // Past the first write buffer, so the file takes more than one write.
        QByteArray expected = QByteArray("G01 X100 Y100\n").repeated(3000);
        std::function<void()> save;
        if (row == "config.xml") {
            press(w, Qt::Key_F3);
            QTRY_VERIFY(w.menuConfig->isVisible());
            save = [&w] { w.menuConfig->cutDialog->accept(); };
            // What the same save writes on a disk that syncs.
            save();
            expected = s.dir.readFile(file);
            QVERIFY(s.dir.writeFile(file, kConfig));
        } else if (row == "copy page") {
            QVERIFY(s.dir.writeFile("src/c.nc", expected));
            press(w, Qt::Key_F1);
            QTRY_VERIFY(w.menuFile->isVisible());
            press(w, Qt::Key_F3);
            QTRY_VERIFY(w.menuFastcopy->isVisible());
            w.menuFastcopy->acceptSource(s.dir.filePath("src"));
            // The page's first target is the working folder of the first
            // window of this process.
            w.menuFastcopy->acceptTarget(s.dir.filePath("ncfile"));
            press(w, Qt::Key_F3);
            QTRY_VERIFY(!w.menuFastcopy->fastcopy->srcView->selectedIndexList().isEmpty());
            save = [&w] { press(w, Qt::Key_F4); };
        } else {
            press(w, Qt::Key_F1);
            QTRY_VERIFY(w.menuFile->isVisible());
            press(w, Qt::Key_F2);
            QTRY_VERIFY(w.editor->isVisible());
            press(w, Qt::Key_F6);
            QTRY_VERIFY(w.editor->textEdit->isVisible());
            w.editor->textEdit->setPlainText(QString::fromLatin1(expected));
            save = [&w] { press(w, Qt::Key_F3); };
        }
        {
            // Every file under the working folder, the scratch programs too.
            FaultScope scope({WriteFault::FlushError, 0, nullptr, EINVAL}, s.dir.path());
            QVERIFY2(scope.isValid(), qPrintable(scope.error()));
            save();
            QVERIFY(waitFor([&] { return s.dir.readFile(file) == expected || s.notices.count() > 0; }));
        }
        QStringList told;
        for (const Notice::Request &r : s.notices.requests())
            told << r.text;
        QCOMPARE(told.join(" | "), QString());
        QCOMPARE(s.dir.readFile(file), expected);
    }

    // The library's optimised save on a full disk saves nothing and says so
    // in one box.
    void librarySaveOnFullDisk()
    {
        Started s;
        KMainWindow &w = *s.window;
        press(w, Qt::Key_F2);
        QTRY_VERIFY(w.menuLib->isVisible());
        w.libFrame->libTable->setCurrentCell(0, 1);
        w.addPatten();
        press(w, Qt::Key_F4);
        QTRY_VERIFY(w.libFrame->libTable->saveDialog && w.libFrame->libTable->saveDialog->isVisible());
        QFileDialog *dialog = w.libFrame->libTable->saveDialog;
        // The name as the operator types it.
        auto *nameEdit = dialog->findChild<QLineEdit *>("fileNameEdit");
        QVERIFY(nameEdit);
        nameEdit->setText("lib.nc");
        // Room for k.nc, which the save writes again, but not for l.nc.
        const qint64 room = s.dir.readFile(".tovrelcnc/k.nc").size();
        QVERIFY(room > 0 && room < s.dir.readFile(".tovrelcnc/l.nc").size());
        {
            FaultScope scope({WriteFault::SizeLimit, room, nullptr}, s.dir.filePath(".tovrelcnc"));
            QVERIFY(scope.isValid());
            static_cast<QDialog *>(dialog)->accept();
        }
        QCOMPARE(s.notices.count(), 1);
        QCOMPARE(s.notices.last().text, QString("Cannot write file ./.tovrelcnc/l.nc:\nFile too large."));
        QVERIFY(!s.dir.exists("ncfile/lib.nc"));
    }

    // A program the load refuses leaves the editor's name, table, records
    // and drawing on the loaded program: the file page's editor opens that
    // one, with no word of the refused file.
    void refusedProgramLeavesTheEditor()
    {
        Started s(QByteArray("G01 X1 Y1\n").repeated(30009));
        KMainWindow &w = *s.window;
        KEditor *editor = w.editor;
        const auto state = [&] {
            QStringList rows{editor->nameFrame->nameLabel->text(), QString::number(editor->rowCount())};
            for (int r = 0; r < editor->rowCount(); ++r)
                rows << editor->item(r, 0)->text();
            for (int r = 0; r < 5; ++r)
                rows << QString("%1 %2 %3").arg(editSegments[r].type).arg(editSegments[r].x).arg(editSegments[r].y);
            return rows;
        };
        press(w, Qt::Key_F1);
        QTRY_VERIFY(w.menuFile->isVisible());
        press(w, Qt::Key_F2);
        QTRY_VERIFY(editor->isVisible());
        const QStringList before = state();
        // The drawing of the file alone, without the rows highlighted.
        editor->clearSelection();
        const QImage drawing = editor->simuFrame->grab().toImage();
        QCOMPARE(before.at(1), QString("3"));
        press(w, Qt::Key_Escape);
        QTRY_VERIFY(w.menuFile->isVisible());

        QString name = "./ncfile/long.nc";
        w.setCurrentFile(name);
        QCOMPARE(state(), before);
        press(w, Qt::Key_F2);
        QTRY_VERIFY(editor->isVisible());
        QCOMPARE(s.notices.count(), 0);
        QCOMPARE(state(), before);
        editor->clearSelection();
        QCOMPARE(editor->simuFrame->grab().toImage(), drawing);
    }

    // The copy page under a 1 KB size limit in a program that has saved
    // nothing yet: the process lives on, says "copy error" and leaves the
    // target folder as it was.
    void copyUnderSizeLimit()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile(".tovrelcnc/fileconfig.xml", fileConfig("./ncfile/missing.nc")));
        QVERIFY(dir.writeFile("src/c1.nc", QByteArray("G01 X100 Y100\n").repeated(8000 / 14 + 1).left(8000)));
        const QMap<QString, QByteArray> before = WriteFault::snapshot(dir.filePath("ncfile"));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {kChildMode, dir.path()});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(child.readAllStandardOutput(), QByteArray("box: copy error\n"));
        QCOMPARE(WriteFault::snapshot(dir.filePath("ncfile")), before);
    }
};

int main(int argc, char **argv)
{
    if (argc > 2 && std::strcmp(argv[1], kChildMode) == 0)
        return copyUnderSizeLimit(argc, argv);
    QApplication app(argc, argv);
    FailureNoticeTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "FailureNoticeTest.moc"
