#include "ThcFixture.h"

#include "app/base/KButton.h"
#include "thc/KTHCConfig.h"
#include "thc/KTHCSpeedConfig.h"

#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

class KTHCSaveTest : public QObject
{
    Q_OBJECT

    static const QByteArray kSaved;
    static constexpr const char *kFile = "ravok/.tovrelcnc/thcconfig.xml";

    // The two single-shot timers that clear the status lines after a save.
    static QList<QTimer *> clearTimers(KTHC *thc)
    {
        return {thc->findChild<QTimer *>("clearThc1Timer"), thc->findChild<QTimer *>("clearSpeedTimer")};
    }

    static void fillPages(KTHC *thc)
    {
        KTHCConfig *p = thc->thc1Config;
        ThcFixture::type(p->distAllEdit, "80");
        ThcFixture::type(p->distDWEdit, "20");
        ThcFixture::type(p->distXHEdit, "10");
        ThcFixture::type(p->distYHEdit, "6");
        ThcFixture::type(p->distCKEdit, "4.5");
        ThcFixture::type(p->distCutEdit, "3");
        ThcFixture::type(p->hynEdit, "3");
        ThcFixture::type(p->hypEdit, "5");
        QTest::mouseClick(p->autoRadio, Qt::LeftButton);
        KTHCSpeedConfig *s = thc->speedConfig;
        ThcFixture::type(s->fastEdit, "3000");
        ThcFixture::type(s->slowEdit, "600");
        ThcFixture::type(s->jogEdit, "2000");
        ThcFixture::type(s->autEdit, "1000");
        ThcFixture::type(s->accEdit, "3");
    }

private slots:
    void savesTheSixLines_data()
    {
        QTest::addColumn<bool>("removeFolder");
        QTest::newRow("folder there") << false;
        QTest::newRow("folder missing") << true;
    }

    void savesTheSixLines()
    {
        QFETCH(bool, removeFolder);
        ThcFixture f(QByteArray{});
        if (removeFolder)
            QVERIFY(QDir(f.dir.filePath("ravok/.tovrelcnc")).removeRecursively());
        f.thc->showTHC1();
        f.window.show();
        fillPages(f.thc);
        for (QTimer *timer : clearTimers(f.thc)) {
            QVERIFY(timer);
            QCOMPARE(timer->interval(), 2000);
            QVERIFY(timer->isSingleShot());
            timer->setInterval(1);
        }
        QTest::mouseClick(f.thc->thc1Config->okButton, Qt::LeftButton);
        QCOMPARE(f.dir.readFile(kFile), kSaved);
        QCOMPARE(f.thc->thc1Config->statusText, QString("数据已保存。。。"));
        QCOMPARE(f.thc->speedConfig->statusText, QString("数据已保存。。。"));
        QCOMPARE(f.thc->thc1Config->distCK, 4.5);
        QCOMPARE(f.thc->speedConfig->acc, 3);
        QCOMPARE(f.log().last(), QString("setValue(3)"));
        QTRY_VERIFY(f.thc->thc1Config->statusText.isEmpty() && f.thc->speedConfig->statusText.isEmpty());
    }

    void speedPageOkSavesBothPages()
    {
        ThcFixture f;
        f.thc->showSpeed();
        f.window.show();
        KTHCSpeedConfig *s = f.thc->speedConfig;
        ThcFixture::type(s->fastEdit, "100");
        ThcFixture::type(s->accEdit, "0");
        ThcFixture::type(f.thc->thc1Config->distCKEdit, "4.5");
        QTest::mouseClick(s->okButton, Qt::LeftButton);
        QCOMPARE(s->accEdit->text(), QString("1"));
        QCOMPARE(s->fast, 100);
        const QByteArray saved = f.dir.readFile(kFile);
        QVERIFY(saved.contains("<THCSpeed acc=\"1\" aut=\"1000\" fast=\"100\" jog=\"2000\" slow=\"600\"/>\n"));
        QVERIFY(saved.contains("distCK=\"4.5\""));
        QVERIFY(saved.contains("mode=\"1\"/>"));
    }

    void failedSaveIsReported()
    {
        ThcFixture f(QByteArray{});
        const QString folder = f.dir.filePath("ravok/.tovrelcnc");
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(f.dir.writeFile("ravok/.tovrelcnc", "plain"));
        const QStringList before = QDir(f.dir.filePath("ravok")).entryList(QDir::AllEntries | QDir::Hidden);
        f.thc->showTHC1();
        f.window.show();
        fillPages(f.thc);
        // A save that worked before: its clearing must not take the failure away.
        for (QTimer *timer : clearTimers(f.thc)) {
            timer->setInterval(1);
            timer->start();
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("thcconfig"));
        QTest::ignoreMessage(QtWarningMsg, "write thcconfig error...");
        QTest::mouseClick(f.thc->thc1Config->okButton, Qt::LeftButton);
        QCOMPARE(f.thc->thc1Config->statusText, QString("数据保存失败!"));
        QCOMPARE(f.thc->speedConfig->statusText, QString("数据保存失败!"));
        QCOMPARE(f.dir.readFile("ravok/.tovrelcnc"), QByteArray("plain"));
        QCOMPARE(QDir(f.dir.filePath("ravok")).entryList(QDir::AllEntries | QDir::Hidden), before);
        // The values the operator confirmed are kept.
        QCOMPARE(f.thc->thc1Config->distCK, 4.5);
        // Nothing is left to clear the failure.
        for (QTimer *timer : clearTimers(f.thc))
            QVERIFY(!timer->isActive());
        QCOMPARE(f.thc->thc1Config->statusText, QString("数据保存失败!"));
    }

    void pageSwitchThrowsAwayEdits()
    {
        ThcFixture f;
        f.thc->showTHC1();
        ThcFixture::type(f.thc->thc1Config->distAllEdit, "55");
        ThcFixture::type(f.thc->speedConfig->jogEdit, "1234");
        f.thc->showSpeed();
        QCOMPARE(f.thc->thc1Config->distAllEdit->text(), QString("80"));
        QCOMPARE(f.thc->speedConfig->jogEdit->text(), QString("2000"));
        QCOMPARE(f.thc->speedConfig->titleText, QString("割炬升降速度参数"));
        QVERIFY(f.thc->thc1Config->isHidden());
        ThcFixture::type(f.thc->thc2Config->distAllEdit, "77");
        f.thc->showTHC2();
        QCOMPARE(f.thc->thc2Config->distAllEdit->text(), QString("77"));
        QCOMPARE(f.thc->thc2Config->titleText, QString("２＃ 割炬高度控制参数"));
    }
};

const QByteArray KTHCSaveTest::kSaved =
    "<?xml version='1.0'?><!DOCTYPE RAVOK>\n"
    "<THCConfig>\n"
    "    <THC1 HYN=\"3\" HYP=\"5\" distAll=\"80\" distCK=\"4.5\" distCut=\"3\" distDW=\"20\" distXH=\"10\" "
    "distYH=\"6\" "
    "mode=\"1\"/>\n"
    "    <THC2/>\n"
    "    <THCSpeed acc=\"3\" aut=\"1000\" fast=\"3000\" jog=\"2000\" slow=\"600\"/>\n"
    "</THCConfig>\n";

QTEST_MAIN(KTHCSaveTest)
#include "KTHCSaveTest.moc"
