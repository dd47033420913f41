#include "GuiTest.h"
#include "TempWorkDir.h"
#include "TestPaths.h"

#include "app/base/BasePath.h"
#include "app/KMainWindow.h"
#include "app/base/Notice.h"
#include "app/base/WorkingFolder.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>

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

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
