#include "GuiTest.h"
#include "TempWorkDir.h"
#include "app/base/KButton.h"
#include "config/KConfigBase.h"
#include "config/KConfigCut.h"
#include "config/KConfigDLZ.h"
#include "config/KConfigFire.h"
#include "config/KConfigLaser.h"
#include "config/KConfigPF.h"
#include "config/KConfigTorch.h"
#include "config/KMenuConfig.h"

#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// Counts the "save......" debug lines, one per config.xml write.
int saves = 0;
QtMessageHandler previousHandler = nullptr;
void countSaves(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text == QLatin1String("save......"))
        ++saves;
    else
        previousHandler(type, context, text);
}

QByteArray configLine(const TempWorkDir &dir, int line)
{
    return dir.readFile(".tovrelcnc/config.xml").split('\n').value(line - 1);
}

// The line of config.xml that holds the element.
QByteArray configElement(const TempWorkDir &dir, const QByteArray &element)
{
    for (const QByteArray &line : dir.readFile(".tovrelcnc/config.xml").split('\n')) {
        if (line.trimmed().startsWith("<" + element + " "))
            return line;
    }
    return QByteArray();
}

// The page at the foot of a window as the program shows it, its six dialogs
// in the order of their keys F1 to F6.
struct PageWindow {
    QWidget window;
    KMenuConfig *page;
    QList<QDialog *> dialogs;

    PageWindow()
        : page(new KMenuConfig(&window))
        , dialogs(
              {page->baseDialog, page->cutDialog, page->fireDialog, page->pfDialog, page->dlzDialog, page->laserDialog})
    {
        window.resize(1024, 748);
        page->setGeometry(0, 686, 1024, 60);
    }

    // The key Fk typed on the page, and its dialog shown.
    bool open(int k)
    {
        if (!GuiTest::waitClickLockFree() || !GuiTest::activate(&window))
            return false;
        QTest::keyClick(&window, Qt::Key(Qt::Key_F1 + k - 1));
        return GuiTest::waitUntil([&] { return dialogs[k - 1]->isVisible(); });
    }
};

} // namespace

class MenuConfigTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(icons);
        // The lock's own 100 ms are pinned by KButtonTest; here it only
        // paces the keys.
        KButton::setLockInterval(1);
        previousHandler = qInstallMessageHandler(countSaves);
    }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }
    void init()
    {
        saves = 0;
        QVERIFY(GuiTest::waitClickLockFree());
    }

    void pageLayout()
    {
        KMenuConfig page(nullptr);
        QCOMPARE(page.focusPolicy(), Qt::NoFocus);
        const QList<KButton *> keys = {page.backButton, page.baseButton, page.speedButton, page.fireButton,
                                       page.pfButton,   page.dlzButton,  page.laserButton};
        const QStringList texts = {"<<", "基本参数", "速度参数", "火焰参数", "喷粉参数", "等离子参数", "激光位置"};
        for (int k = 0; k < keys.size(); ++k) {
            QCOMPARE(keys[k]->text(), texts[k]);
            QCOMPARE(keys[k]->geometry(), k == 0 ? QRect(5, 2, 45, 56) : QRect(65 + 105 * (k - 1), 2, 100, 56));
            QCOMPARE(keys[k]->shortcut(), k == 0 ? QKeySequence(Qt::Key_Escape) : QKeySequence(Qt::Key_F1 + k - 1));
            QCOMPARE(keys[k]->findChild<QLabel *>()->text(), k == 0 ? QString("Esc") : QString("F%1").arg(k));
        }
        QCOMPARE(page.torchButton->text(), QString("割炬选通"));
        QCOMPARE(page.torchButton->geometry(), QRect(800, 2, 0, 0));
        QVERIFY(page.torchButton->shortcut().isEmpty());
        QVERIFY(!page.torchButton->findChild<QLabel *>());
        QCOMPARE(page.mode(), 1);
        QCOMPARE(page.beamAngel(), 0.0);
        QVERIFY(page.fileName().isEmpty());
        QCOMPARE(int(page.torchSelection()), 0);
        for (QDialog *d : page.findChildren<QDialog *>())
            QVERIFY(!d->isVisible());
        QCOMPARE(page.findChildren<QDialog *>().size(), 7);
    }

    void signalsAndSlotsOthersConnectTo()
    {
        QStringList signalList, slotList;
        const QMetaObject &mo = KMenuConfig::staticMetaObject;
        for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
            const QMetaMethod m = mo.method(i);
            if (m.methodType() == QMetaMethod::Signal)
                signalList << QString::fromLatin1(m.methodSignature());
            else if (m.methodType() == QMetaMethod::Slot)
                slotList << QString::fromLatin1(m.methodSignature());
        }
        QCOMPARE(signalList, QStringList({"topspeedChanged(int)",
                                          "cutspeedChanged(int)",
                                          "dLowSpeedChanged(int)",
                                          "angelChanged(double)",
                                          "rotateChanged(double)",
                                          "compChanged(double)",
                                          "fxChanged(int)",
                                          "sfxChanged(int)",
                                          "graphicChanged(double,double,int,int)",
                                          "previewChanged(double,double,int)",
                                          "sheetChanged(int,int)",
                                          "torchSelected(uchar)",
                                          "fDelayChanged(double)",
                                          "fDfChanged(double)",
                                          "fDwDownChanged(double)",
                                          "ckChanged(double)",
                                          "ckUpChanged(double)",
                                          "ckDownChanged(double)",
                                          "fOxoffUpChanged(double)",
                                          "f3ckChanged(int)",
                                          "pDfChanged(double)",
                                          "pDwDownChanged(double)",
                                          "pOxoffUpChanged(double)",
                                          "pMoveChanged(int,int)",
                                          "dDWUpChanged(double)",
                                          "dDWDownChanged(double)",
                                          "dYHChanged(double)",
                                          "dDelayChanged(double)",
                                          "dArcOffUpChanged(double)",
                                          "dDWModeChanged(int)",
                                          "laserXYChanged(int,int)",
                                          "saveFailed(QString,FileError)"}));
        QCOMPARE(slotList, QStringList({"saveFileName(QString)", "setFileName(QString)", "saveBeamAngel(double)",
                                        "torchConfig()", "saveMode(int)", "cutConfig()", "cutAcc()", "baseConfig()",
                                        "baseAcc()", "fireConfig()", "fireAcc()", "pfConfig()", "pfAcc()",
                                        "dlzConfig()", "dlzAcc()", "laserConfig()", "laserAcc()"}));
    }

    void functionKeysOpenTheDialogs()
    {
        TempWorkDir dir;
        PageWindow w;
        QSignalSpy back(w.page->backButton, SIGNAL(pressed()));
        // F6 first: the laser dialog comes up too.
        for (int k : {6, 1, 2, 3, 4, 5}) {
            QVERIFY2(w.open(k), qPrintable(QString("F%1").arg(k)));
            w.dialogs[k - 1]->hide();
        }
        QVERIFY(GuiTest::activate(&w.window));
        QTest::keyClick(&w.window, Qt::Key_Escape);
        WAIT_COMPARE(back.count(), 1);
        QVERIFY(GuiTest::settle(&w.window));
        QCOMPARE(back.count(), 1);
        QCOMPARE(saves, 0);
        QVERIFY(!w.page->torchDialog->isVisible());
    }

    void eachAcceptanceRunsItsHandlerOnce()
    {
        TempWorkDir dir;
        KMenuConfig page(nullptr);
        QSignalSpy top(&page, SIGNAL(topspeedChanged(int)));
        page.cutConfig();
        page.cutConfig();
        page.cutConfig();
        QVERIFY(page.cutDialog->isVisible());
        page.cutDialog->topspeedEdit->setText("10");
        page.cutDialog->lowSpeedEdit->setText("299");
        page.cutDialog->cutspeedEdit->setText("02000");
        page.cutDialog->accept();
        QCOMPARE(top.count(), 1);
        QCOMPARE(top.at(0).at(0).toInt(), 24);
        QCOMPARE(page.cutDialog->topspeedEdit->text(), QString("24"));
        QCOMPARE(page.cutDialog->cutspeedEdit->text(), QString("02000")); // not corrected, not rewritten
        QCOMPARE(page.cutDialog->lowSpeedEdit->text(), QString("300"));
        QCOMPARE(saves, 1);
        QCOMPARE(configLine(dir, 4), QByteArray("    <Cut LowSpeed=\"300\" cutspeed=\"2000\" topspeed=\"24\"/>"));

        // The handlers of the other dialogs are as single.
        const QList<QPair<QDialog *, void (KMenuConfig::*)()>> shows = {{page.baseDialog, &KMenuConfig::baseConfig},
                                                                        {page.fireDialog, &KMenuConfig::fireConfig},
                                                                        {page.pfDialog, &KMenuConfig::pfConfig},
                                                                        {page.dlzDialog, &KMenuConfig::dlzConfig},
                                                                        {page.laserDialog, &KMenuConfig::laserConfig}};
        QSignalSpy angel(&page, SIGNAL(angelChanged(double)));
        QSignalSpy delay(&page, SIGNAL(fDelayChanged(double)));
        QSignalSpy move(&page, SIGNAL(pMoveChanged(int, int)));
        QSignalSpy yh(&page, SIGNAL(dYHChanged(double)));
        QSignalSpy laser(&page, SIGNAL(laserXYChanged(int, int)));
        for (const auto &s : shows) {
            (page.*s.second)();
            (page.*s.second)();
            s.first->accept();
        }
        for (QSignalSpy *spy : {&angel, &delay, &move, &yh, &laser})
            QCOMPARE(spy->count(), 1);
        QCOMPARE(saves, 6);
        QCOMPARE(top.count(), 1);
    }

    void okButtonAndReturnAccept()
    {
        TempWorkDir dir;
        KMenuConfig page(nullptr);
        QSignalSpy xy(&page, SIGNAL(laserXYChanged(int, int)));
        page.laserConfig();
        QVERIFY(GuiTest::activate(page.laserDialog));
        page.laserDialog->xEdit->setFocus();
        QTest::keyClicks(page.laserDialog->xEdit, "-15");
        QTest::keyClick(page.laserDialog->xEdit, Qt::Key_Return);
        WAIT_COMPARE(xy.count(), 1);
        QCOMPARE(xy.at(0), QVariantList({-15, 0}));
        QVERIFY(!page.laserDialog->isVisible());
        QCOMPARE(configLine(dir, 8), QByteArray("    <Laser X=\"-15\" Y=\"0\"/>"));
    }

    void cancelKeepsWhatWasTyped_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("greyed");
        QTest::addColumn<QByteArray>("element");
        // Every field, in the order the dialog holds them, as the attribute
        // of config.xml that stores it and the valid text typed into it; the
        // texts of a dialog differ, so none can stand in for another. Then a
        // choice clicked after the typing, with the attribute that stores it.
        const struct {
            int key;
            const char *element, *choice, *chosen, *greyed;
            QStringList fields;
        } dialogs[] = {
            {1,
             "Base",
             "xMirrorRadio",
             "fx=2",
             "",
             {"sheetx=3200", "sheety=1600", "angel=7", "rotate=-30", "comp=1.5", "preci=40"}},
            {2, "Cut", "", "", "", {"cutspeed=2500", "topspeed=6000", "LowSpeed=400"}},
            {3,
             "Fire",
             "ck3NoRadio",
             "ck3=0",
             "",
             {"delay=10.5", "df=2.5", "ck=4", "ckUp=2", "ckDown=1.5", "OxoffUp=3", "dwDown=0.5"}},
            {4, "PF", "", "", "", {"df=2.5", "OxoffUp=4", "dwDown=1.5", "movex=-12", "movey=25"}},
            {5, "DLZ", "dyRadio", "dwmode=1", "dwUpEdit", {"YH=4", "Delay=8", "ArcOffUp=2.5", "DWUp=1.5", "DWDown=6"}},
            {6, "Laser", "", "", "", {"X=-15", "Y=22"}},
        };
        for (const auto &d : dialogs) {
            for (const char *way : {"Escape", "取消"}) {
                QTest::addRow("F%d %s, %s", d.key, d.element, way)
                    << d.key << d.fields << d.choice << d.chosen << d.greyed << QByteArray(d.element);
            }
        }
    }

    // Cancel and Escape only hide a dialog: every field keeps what was typed
    // in it and a choice clicked stays, the next showing presents them, and
    // the next save of config.xml, whichever dialog's OK causes it, writes
    // them all, as the fields are all the page keeps.
    void cancelKeepsWhatWasTyped()
    {
        QFETCH(int, key);
        QFETCH(QStringList, fields);
        QFETCH(QString, choice);
        QFETCH(QString, chosen);
        QFETCH(QString, greyed);
        QFETCH(QByteArray, element);
        QStringList typed;
        for (const QString &f : fields)
            typed << f.section('=', 1);
        const bool escape = QByteArray(QTest::currentDataTag()).endsWith("Escape");
        TempWorkDir dir;
        PageWindow w;
        QDialog *dialog = w.dialogs[key - 1];
        const QList<QLineEdit *> edits = dialog->findChildren<QLineEdit *>();
        auto *radio = dialog->findChild<QRadioButton *>(choice);
        QCOMPARE(edits.size(), typed.size());
        QVERIFY(choice.isEmpty() || radio);
        const auto texts = [&edits] {
            QStringList t;
            for (const QLineEdit *e : edits)
                t << e->text();
            return t;
        };
        const auto enabling = [&edits] {
            QList<bool> on;
            for (const QLineEdit *e : edits)
                on << e->isEnabled();
            return on;
        };

        QVERIFY(w.open(key));
        QVERIFY(GuiTest::activate(dialog));
        for (int k = 0; k < edits.size(); ++k) {
            QTest::mouseClick(edits[k], Qt::LeftButton);
            QTest::keyClick(edits[k], Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(edits[k], typed[k]);
        }
        QCOMPARE(texts(), typed);
        if (radio) {
            QVERIFY(!radio->isChecked());
            QTest::mouseClick(radio, Qt::LeftButton);
            QVERIFY(radio->isChecked());
        }
        if (!greyed.isEmpty())
            QVERIFY(!dialog->findChild<QLineEdit *>(greyed)->isEnabled());
        const QList<bool> chosenEnabling = enabling();
        if (escape)
            QTest::keyClick(edits.last(), Qt::Key_Escape);
        else
            QTest::mouseClick(dialog->findChild<QAbstractButton *>("cancelButton"), Qt::LeftButton);
        WAIT_VERIFY(!dialog->isVisible());
        QCOMPARE(saves, 0);
        QVERIFY(!dir.exists(".tovrelcnc/config.xml"));
        QCOMPARE(texts(), typed);
        QVERIFY(!radio || radio->isChecked());
        QCOMPARE(enabling(), chosenEnabling);

        // Shown again, it presents what was left in it.
        QVERIFY(w.open(key));
        QCOMPARE(texts(), typed);
        QVERIFY(!radio || radio->isChecked());
        QCOMPARE(enabling(), chosenEnabling);
        QVERIFY(GuiTest::activate(dialog));
        QTest::keyClick(dialog, Qt::Key_Escape);
        WAIT_VERIFY(!dialog->isVisible());

        // The next dialog's OK writes it.
        const int other = key % 6 + 1;
        QVERIFY(w.open(other));
        QVERIFY(GuiTest::activate(w.dialogs[other - 1]));
        QTest::mouseClick(w.dialogs[other - 1]->findChild<QAbstractButton *>("okButton"), Qt::LeftButton);
        WAIT_COMPARE(saves, 1);
        const QByteArray line = configElement(dir, element);
        for (const QString &f : chosen.isEmpty() ? fields : fields + QStringList(chosen)) {
            const QString attribute = QString(" %1=\"%2\"").arg(f.section('=', 0, 0), f.section('=', 1));
            QVERIFY2(line.contains(attribute.toUtf8()), qPrintable(attribute + " not in " + line));
        }
    }

    void modeAndBeamAngleInForce()
    {
        TempWorkDir dir;
        KMenuConfig page(nullptr);
        page.setMode(3);
        page.setBeamAngel(1.5);
        QCOMPARE(saves, 0);
        QVERIFY(!dir.exists(".tovrelcnc/config.xml"));
        page.pfConfig();
        page.pfDialog->accept();
        QCOMPARE(configLine(dir, 10), QByteArray("    <BeamAngel beamAngel=\"1.5\"/>"));
        QCOMPARE(configLine(dir, 11), QByteArray("    <Mode mode=\"3\"/>"));
        page.saveMode(0);
        page.saveBeamAngel(-0.25);
        QCOMPARE(saves, 3);
        QCOMPARE(page.mode(), 0);
        QCOMPARE(configLine(dir, 10), QByteArray("    <BeamAngel beamAngel=\"-0.25\"/>"));
        QCOMPARE(configLine(dir, 11), QByteArray("    <Mode mode=\"0\"/>"));
        page.saveBeamAngel(qInf());
        QCOMPARE(configLine(dir, 10), QByteArray("    <BeamAngel beamAngel=\"0\"/>"));
    }

    void fileNameIsWrittenOnlyBySave()
    {
        TempWorkDir dir;
        KMenuConfig page(nullptr);
        page.setFileName("./ncfile/a.nc");
        QVERIFY(!dir.exists(".tovrelcnc/fileconfig.xml"));
        page.saveFileName("./ncfile/b&c.nc");
        QCOMPARE(page.fileName(), QString("./ncfile/b&c.nc"));
        QVERIFY(dir.readFile(".tovrelcnc/fileconfig.xml").contains("filename=\"./ncfile/b&amp;c.nc\""));
        page.setFileName("./ncfile/d.nc");
        QVERIFY(dir.readFile(".tovrelcnc/fileconfig.xml").contains("b&amp;c.nc"));
        page.writeFileConfig();
        QVERIFY(dir.readFile(".tovrelcnc/fileconfig.xml").contains("filename=\"./ncfile/d.nc\""));
        QCOMPARE(saves, 0);
    }

    void handlersCorrectAndWriteBack()
    {
        TempWorkDir dir;
        KMenuConfig page(nullptr);
        KConfigFire *f = page.fireDialog;
        f->ckUpEdit->setText("1");
        f->ckDownEdit->setText("2.5");
        f->oxoffUpEdit->setText("2");
        f->dwDownEdit->setText("1.5");
        f->dfEdit->setText("9");
        page.fireAcc();
        QCOMPARE(f->ckDownEdit->text(), QString("1"));
        QCOMPARE(f->dwDownEdit->text(), QString("1.5"));
        QCOMPARE(f->dfEdit->text(), QString("5"));

        KConfigDLZ *d = page.dlzDialog;
        d->delayEdit->setText("25");
        d->yhEdit->setText("20");
        d->dwDownEdit->setText("10");
        page.dlzAcc();
        QCOMPARE(d->delayEdit->text(), QString("20"));
        QCOMPARE(d->yhEdit->text(), QString("10"));
        QCOMPARE(d->dwDownEdit->text(), QString("10"));

        KConfigPF *p = page.pfDialog;
        p->moveXEdit->setText("0");
        p->moveYEdit->setText("5");
        p->oxoffUpEdit->setText("1");
        p->dwDownEdit->setText("3");
        page.pfAcc();
        QCOMPARE(p->moveXEdit->text(), QString("0"));
        QCOMPARE(p->dwDownEdit->text(), QString("1"));

        KConfigBase *b = page.baseDialog;
        b->xMirrorRadio->setChecked(true);
        b->leftTopRadio->setChecked(true);
        b->preciEdit->setText("150");
        QSignalSpy graphic(&page, SIGNAL(graphicChanged(double, double, int, int)));
        QSignalSpy corner(&page, SIGNAL(sfxChanged(int)));
        page.baseAcc();
        QCOMPARE(graphic.at(0), QVariantList({0.0, 0.0, 2, 150}));
        QCOMPARE(corner.at(0).at(0).toInt(), 3);
        QVERIFY(configLine(dir, 5).contains("fx=\"2\" preci=\"150\" rotate=\"0\" sfx=\"3\""));
        QCOMPARE(saves, 4);

        // Each angle is finite, their sum is not: the parser must not be handed infinity.
        b->angelEdit->setText("1e308");
        b->rotateEdit->setText("1e308");
        page.baseAcc();
        QCOMPARE(graphic.at(1), QVariantList({0.0, 0.0, 2, 150}));
    }
};

QTEST_MAIN(MenuConfigTest)
#include "MenuConfigTest.moc"
