#include "GuiTest.h"
#include "TempWorkDir.h"
#include "TestPaths.h"

#include "app/base/BasePath.h"
#include "app/KMainWindow.h"
#include "app/base/Notice.h"
#include "app/base/WorkingFolder.h"
#include "files/KMenuFile.h"
#include "status/KText.h"
#include "status/KTextFrame.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kChildMode[] = "--show-window-in";

// Every entry under the working folder but the scratch programs: its kind,
// its permissions, where a link points and what a plain file holds. Read
// without opening anything but plain files.
QStringList entries(const QString &root)
{
    static const QRegularExpression scratch(QStringLiteral("^\\.tovrelcnc/(t|e|l|k|ck|b\\d+)\\.nc$"));
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(root).relativeFilePath(path);
        struct stat st {
        };
        if (scratch.match(name).hasMatch() || ::lstat(QFile::encodeName(path).constData(), &st) != 0)
            continue;
        QString line = name + ' ' + QString::number(st.st_mode, 8);
        if (S_ISLNK(st.st_mode)) {
            line += " -> " + QFileInfo(path).symLinkTarget();
        } else if (S_ISREG(st.st_mode)) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                line += ' ' + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex();
        }
        out << line;
    }
    out.sort();
    return out;
}

QByteArray fileConfig(const char *name)
{
    return QByteArray("<?xml version='1.0'?><!DOCTYPE RAVOK>\n<FileConfig>\n    <File filename=\"") + name
           + "\"/>\n</FileConfig>\n";
}

// A working folder whose program loads at the start.
void seed(const TempWorkDir &dir)
{
    QVERIFY(dir.writeFile(".tovrelcnc/fileconfig.xml", fileConfig("./ncfile/a.nc")));
    QVERIFY(dir.writeFile(".tovrelcnc/config.xml",
                          "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<RavokConfig>\n    <Base angel=\"0\" comp=\"0\" "
                          "fx=\"0\" preci=\"10\" rotate=\"0\" sfx=\"0\" sheetx=\"3000\" sheety=\"1500\"/>\n"
                          "    <Mode mode=\"1\"/>\n</RavokConfig>\n"));
    QVERIFY(dir.writeFile("ravok/.tovrelcnc/thcconfig.xml",
                          "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<THCConfig>\n    <THC1 distAll=\"100\"/>\n"
                          "</THCConfig>\n"));
    QVERIFY(dir.writeFile("ncfile/a.nc", "G00 X1000 Y0\nG01 X5000 Y0\n"));
}

} // namespace

// The child: starts the main window in the folder given and prints how long
// it took to show and what its message line says.
static int showWindowIn(int argc, char **argv)
{
    QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(icons);
    NoticeRecorder notices;
    QElapsedTimer clock;
    clock.start();
    KMainWindow w;
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 1;
    std::printf("shown in %lld ms\nline: %s\nboxes: %d\n", clock.elapsed(),
                w.textFrame->message->text.toUtf8().constData(), notices.count());
    // The file page's reload: the height question it may ask is answered no.
    w.setModalRunner([](QDialog *) { return int(QDialog::Rejected); });
    GuiTest::activate(&w);
    if (!GuiTest::keyClickUntil(&w, Qt::Key_F1, [&] { return w.menuFile->isVisible(); })
        || !GuiTest::keyClick(&w, Qt::Key_F4))
        return 2;
    std::printf("reloaded: %s\nboxes: %d\n", w.textFrame->message->text.toUtf8().constData(), notices.count());
    return 0;
}

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(icons); }

    void basePathIsDot() { QCOMPARE(basePath, QString(".")); }

    void windowFrame()
    {
        TempWorkDir dir;
        KMainWindow w;
        QCOMPARE(w.geometry(), QRect(0, 25, 1024, 748));
        QCOMPARE(int(w.windowFlags()) & 0x44101, 0x44101);
        QVERIFY(w.windowTitle().startsWith(QString("数控切割系统 Brenlo3")));
        QCOMPARE(w.font().family(), QString("Simsun"));
        QCOMPARE(w.font().pointSize(), 10);
        QVERIFY(!w.windowIcon().isNull());
        QVERIFY(w.parentWidget() == nullptr);
    }

    void workingFolderCreatesAndKeeps()
    {
        TempWorkDir dir(false);
        QVERIFY(dir.isValid());
        QVERIFY(dir.writeFile("ncfile/keep.nc", "G00X1Y1\n"));
        QVERIFY(WorkingFolder::prepare().isEmpty());
        QVERIFY(QFileInfo(dir.filePath(".tovrelcnc")).isDir());
        QVERIFY(QFileInfo(dir.filePath("ravok/.tovrelcnc")).isDir());
        QVERIFY(QFileInfo(dir.filePath("ncfile")).isDir());
        QCOMPARE(dir.readFile("ncfile/keep.nc"), QByteArray("G00X1Y1\n"));
        QVERIFY(WorkingFolder::prepare().isEmpty());
    }

    void workingFolderReportsWhatItCannotCreate()
    {
        TempWorkDir dir(false);
        // A plain file where a folder belongs.
        QVERIFY(dir.writeFile("ncfile", "not a folder"));
        const QStringList failed = WorkingFolder::prepare();
        QCOMPARE(failed, QStringList{"./ncfile"});
        QCOMPARE(dir.readFile("ncfile"), QByteArray("not a folder"));
    }

    void programStartsInEmptyFolder()
    {
        const QString program = TestPaths::binDir() + "/tovrelcnc";
        QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
        TempWorkDir dir(false);
        QProcess p;
        p.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(program, QStringList());
        QVERIFY(p.waitForStarted());
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo(dir.filePath("ncfile")).isDir(); }, 10000));
        QVERIFY(QFileInfo(dir.filePath(".tovrelcnc")).isDir());
        QVERIFY(QFileInfo(dir.filePath("ravok/.tovrelcnc")).isDir());
        // Still running: it came up and waits in its event loop.
        QVERIFY(!p.waitForFinished(1000));
        QCOMPARE(p.state(), QProcess::Running);
        p.kill();
        p.waitForFinished();
    }

    // Whatever stands at the name of a configuration file, the window
    // shows at once and its message line says which file and why; nothing
    // of the working folder is replaced. Run in a child of its own, which
    // is ended when it does not show its window in time.
    void configurationFilesOfEveryKind_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("told");
        const QStringList files = {".tovrelcnc/fileconfig.xml", ".tovrelcnc/config.xml",
                                   "ravok/.tovrelcnc/thcconfig.xml"};
        const char *const kinds[] = {"a pipe", "a folder", "a link to /dev/zero", "a link to itself"};
        const QStringList reasons = {"不是文件", "是文件夹", "不是文件", "链接循环"};
        for (const QString &file : files) {
            for (int kind = 0; kind < 4; ++kind) {
                QTest::addRow("%s %s", qPrintable(QFileInfo(file).fileName()), kinds[kind])
                    << file << kind << QFileInfo(file).fileName() + " 读取失败: " + reasons[kind];
            }
        }
        const QString fileConfig = ".tovrelcnc/fileconfig.xml";
        QTest::newRow("fileconfig.xml unreadable") << fileConfig << 4 << "fileconfig.xml 读取失败: 没有权限";
        QTest::newRow("a name of blanks") << fileConfig << 5 << "fileconfig.xml 读取失败: 无程序名";
        QTest::newRow("a name with a line end") << fileConfig << 6 << "\"a.nc\\n\" 未加载: 文件不存在";
        QTest::newRow("a name with blanks after it") << fileConfig << 7 << "\"a.nc  \" 未加载: 文件不存在";
        // A picture the start draws: drawn as missing.
        QTest::newRow("ravok/icon/smile.png a pipe") << "ravok/icon/smile.png" << 0 << "准备就绪";
    }

    void configurationFilesOfEveryKind()
    {
        QFETCH(QString, file);
        QFETCH(int, kind);
        QFETCH(QString, told);
        TempWorkDir dir;
        seed(dir);
        const QString path = dir.filePath(file);
        const QByteArray name = QFile::encodeName(path);
        QStringList command{QCoreApplication::applicationFilePath(), kChildMode, dir.path()};
        if (kind <= 3)
            QFile::remove(path);
        switch (kind) {
        case 0:
            QVERIFY(mkfifo(name.constData(), 0644) == 0);
            break;
        case 1:
            QVERIFY(QDir().mkdir(path));
            break;
        case 2:
            QVERIFY(QFile::link("/dev/zero", path));
            break;
        case 3:
            QVERIFY(symlink(qPrintable(QFileInfo(file).fileName()), name.constData()) == 0);
            break;
        case 4:
            QVERIFY(::chmod(name.constData(), 0) == 0);
            // Root reads any file: the child runs as a user that may not.
            if (::geteuid() == 0) {
                if (QStandardPaths::findExecutable("setpriv").isEmpty())
                    QSKIP("run as root without setpriv: no user to whom the file is unreadable");
                QVERIFY(QProcess::execute("chmod", {"-R", "a+rwX", dir.path()}) == 0);
                QVERIFY(::chmod(name.constData(), 0) == 0);
                command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} + command;
            }
            break;
        case 5:
            QVERIFY(dir.writeFile(file, fileConfig("   ")));
            break;
        case 6:
            QVERIFY(dir.writeFile(file, fileConfig("./ncfile/a.nc&#10;")));
            break;
        default:
            QVERIFY(dir.writeFile(file, fileConfig("./ncfile/a.nc  ")));
            break;
        }
        const QStringList before = entries(dir.path());

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        child.start(command.takeFirst(), command);
        QVERIFY(child.waitForStarted());
        if (!child.waitForFinished(10000)) {
            child.kill();
            child.waitForFinished();
            QFAIL("no window within 10 s");
        }
        const QString out = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitCode(), 0);
        const QRegularExpressionMatch shown = QRegularExpression("shown in (\\d+) ms").match(out);
        QVERIFY2(shown.hasMatch() && shown.captured(1).toInt() < 1000, qPrintable(out));
        QVERIFY2(out.contains("line: " + told + "\nboxes: 0\n"), qPrintable(out));
        // Nothing loaded: the reload says again why.
        if (file.endsWith(".xml") && !file.endsWith("thcconfig.xml") && kind <= 5)
            QVERIFY2(out.contains("reloaded: " + told + "\nboxes: 0\n"), qPrintable(out));
        if (kind <= 4 && file.endsWith(".xml"))
            QVERIFY2(QString::fromLocal8Bit(child.readAllStandardError()).contains("read file error... " + path + ": "),
                     qPrintable(path));
        QCOMPARE(entries(dir.path()), before);
    }

    void noAxisCardNotice()
    {
        NoticeRecorder rec;
        Notice::noAxisCard(nullptr);
        QCOMPARE(rec.count(), 1);
        QCOMPARE(rec.last().icon, QMessageBox::Critical);
        QCOMPARE(rec.last().title, QString("Brenlo"));
        QCOMPARE(rec.last().text, QString("未发现轴卡，不能进行该项操作!"));
        QCOMPARE(rec.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void recorderAnswersQuestions()
    {
        NoticeRecorder rec(QMessageBox::No);
        QCOMPARE(Notice::question(nullptr, "Brenlo", "?"), QMessageBox::No);
        rec.setAnswer(QMessageBox::NoButton);
        QCOMPARE(Notice::question(nullptr, "Brenlo", "?", QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
                 QMessageBox::Yes);
        QCOMPARE(rec.count(), 2);
    }
};

int main(int argc, char **argv)
{
    if (argc > 2 && std::strcmp(argv[1], kChildMode) == 0)
        return showWindowIn(argc, argv);
    QApplication app(argc, argv);
    StartupTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "StartupTest.moc"
