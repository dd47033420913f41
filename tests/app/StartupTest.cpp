#include "GuiTest.h"
#include "HangGuard.h"
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

// Every entry of the working folder but the scratch programs: its kind and
// mode, where a link points, what a plain file holds. Opens no other kind.
QStringList entries(const QString &root)
{
    static const QRegularExpression scratch("/\\.tovrelcnc/[a-z]+\\d*\\.nc$");
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st {
        };
        if (scratch.match(path).hasMatch() || lstat(QFile::encodeName(path).constData(), &st) != 0)
            continue;
        QFile file(path);
        const bool plain = S_ISREG(st.st_mode) && file.open(QIODevice::ReadOnly);
        out << QString("%1 %2 %3 %4")
                   .arg(path)
                   .arg(st.st_mode, 0, 8)
                   .arg(QFileInfo(path).symLinkTarget())
                   .arg(qHash(plain ? file.readAll() : QByteArray()));
    }
    out.sort();
    return out;
}

QByteArray fileConfig(const char *name)
{
    return QByteArray("<FileConfig><File filename=\"") + name + "\"/></FileConfig>";
}

} // namespace

// The child: starts the main window in the folder given, prints how long it
// took to show and what its message line says, then after the file page's
// reload.
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
    std::printf("shown in %lld ms\nline: %s\n", clock.elapsed(), w.textFrame->message->text.toUtf8().constData());
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
    // shows at once, its message line says which file and why (and says it
    // again on a reload when no program came in), and nothing of the working
    // folder is replaced. The child is ended when it shows no window in time.
    void configurationFilesOfEveryKind_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("told");
        const char *const kinds[] = {"a pipe", "a folder", "a link to /dev/zero", "a link to itself", "a socket"};
        const char *const reasons[] = {"不是文件", "是文件夹", "不是文件", "链接循环", "不是文件"};
        for (const QString file : {"fileconfig.xml", "config.xml", "thcconfig.xml"}) {
            for (int kind = 0; kind < 5; ++kind)
                QTest::addRow("%s %s", qPrintable(file), kinds[kind])
                    << file << kind << file + " 读取失败: " + reasons[kind];
        }
        QTest::newRow("unreadable") << "fileconfig.xml" << 5 << "fileconfig.xml 读取失败: 没有权限";
        QTest::newRow("a name of blanks") << "fileconfig.xml" << 6 << "fileconfig.xml 读取失败: 无程序名";
        QTest::newRow("a line end after the name") << "fileconfig.xml" << 7 << "\"a.nc\\n\" 未加载: 文件不存在";
        QTest::newRow("blanks after the name") << "fileconfig.xml" << 8 << "\"a.nc  \" 未加载: 文件不存在";
        QTest::newRow("a GBK name, missing") << "fileconfig.xml" << 9 << "n切.nc 未加载: 文件不存在";
        QTest::newRow("a picture a pipe") << "smile.png" << 0 << "准备就绪";
    }

    void configurationFilesOfEveryKind()
    {
        QFETCH(QString, file);
        QFETCH(int, kind);
        QFETCH(QString, told);
        TempWorkDir dir;
        QVERIFY(dir.writeFile(".tovrelcnc/fileconfig.xml", fileConfig("./ncfile/a.nc")));
        QVERIFY(dir.writeFile(".tovrelcnc/config.xml",
                              "<RavokConfig><Base preci=\"10\"/><Mode mode=\"1\"/></RavokConfig>"));
        QVERIFY(dir.writeFile("ravok/.tovrelcnc/thcconfig.xml", "<THCConfig><THC1 distAll=\"100\"/></THCConfig>"));
        QVERIFY(dir.writeFile("ncfile/a.nc", "G00 X1000 Y0\nG01 X5000 Y0\n"));
        const QString relative = file == "thcconfig.xml" ? "ravok/.tovrelcnc/" + file
                                 : file == "smile.png"   ? "ravok/icon/" + file
                                                         : ".tovrelcnc/" + file;
        const QString path = dir.filePath(relative);
        const QByteArray name = QFile::encodeName(path);
        QStringList command{QCoreApplication::applicationFilePath(), kChildMode, dir.path()};
        if (kind <= 4)
            QFile::remove(path);
        // n C7 D0 .nc as fileconfig.xml records it: each byte that is not
        // UTF-8 as U+F700 + the byte.
        const char *const gbk = "./ncfile/n\xef\x9f\x87\xef\x9f\x90.nc";
        const char *const names[] = {"", "", "", "", "", "", "   ", "./ncfile/a.nc&#10;", "./ncfile/a.nc  ", gbk};
        if (kind == 0)
            QVERIFY(mkfifo(name, 0644) == 0);
        else if (kind == 1)
            QVERIFY(QDir().mkdir(path));
        else if (kind == 2 || kind == 3)
            QVERIFY(symlink(kind == 2 ? "/dev/zero" : name.constData(), name) == 0);
        else if (kind == 4)
            QVERIFY(dir.bindSocket(relative));
        else if (kind > 5)
            QVERIFY(dir.writeFile(".tovrelcnc/" + file, fileConfig(names[kind])));
        if (kind == 5 && geteuid() == 0) {
            // Root reads any file: the child runs as a user that may not.
            if (QStandardPaths::findExecutable("setpriv").isEmpty())
                QSKIP("root without setpriv: no user to whom a file can be unreadable");
            QVERIFY(QProcess::execute("chmod", {"-R", "a+rwX", dir.path()}) == 0);
            command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} + command;
        }
        if (kind == 5)
            QVERIFY(chmod(name, 0) == 0);
        const QStringList before = entries(dir.path());

        QProcess child;
        child.start(command.takeFirst(), command);
        if (!child.waitForFinished(3 * kHangGuardMs)) {
            child.kill();
            child.waitForFinished();
            QFAIL("the start or the reload never ended");
        }
        const QString out = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitCode(), 0);
        const QRegularExpressionMatch shown = QRegularExpression("shown in (\\d+) ms").match(out);
        QVERIFY2(shown.hasMatch() && shown.captured(1).toInt() < kHangGuardMs, qPrintable(out));
        QVERIFY2(out.contains("line: " + told + "\n"), qPrintable(out));
        // Nothing loaded: the reload says again why.
        if ((file == "fileconfig.xml" || file == "config.xml") && kind <= 6)
            QVERIFY2(out.contains("reloaded: " + told + "\nboxes: 0\n"), qPrintable(out));
        if (kind <= 5 && file.endsWith(".xml"))
            QVERIFY(QString::fromLocal8Bit(child.readAllStandardError()).contains("read file error... " + path + ": "));
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
