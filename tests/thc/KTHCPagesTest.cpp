#include "ThcFixture.h"

#include "app/base/KButton.h"
#include "thc/KMenuTHC.h"
#include "thc/KTHCConfig.h"
#include "thc/KTHCDialog.h"
#include "thc/KTHCFrame.h"
#include "thc/KTHCSpeedConfig.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

class KTHCPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void jogFrameSignals()
    {
        QWidget window;
        KTHCFrame frame(&window);
        QSignalSpy up(&frame, &KTHCFrame::sg1Up);
        QSignalSpy down(&frame, &KTHCFrame::sg1Down);
        QSignalSpy stop(&frame, &KTHCFrame::sg1Stop);
        QTest::mousePress(frame.up1Button, Qt::LeftButton);
        QCOMPARE(up.count(), 1);
        QCOMPARE(stop.count(), 0);
        QTest::mouseRelease(frame.up1Button, Qt::LeftButton);
        QCOMPARE(stop.count(), 1);
        QTest::mousePress(frame.down1Button, Qt::LeftButton);
        QTest::mouseRelease(frame.down1Button, Qt::LeftButton);
        QCOMPARE(down.count(), 1);
        QCOMPARE(stop.count(), 2);
        for (KButton *b : {frame.up2Button, frame.down2Button, frame.upAllButton, frame.downAllButton})
            QTest::mouseClick(b, Qt::LeftButton);
        frame.group1->setEnabled(false);
        QTest::mouseClick(frame.up1Button, Qt::LeftButton);
        QCOMPARE(up.count() + down.count() + stop.count(), 4);
        QCOMPARE(frame.groupAll->title(), QString("ALL"));
        QCOMPARE(frame.down1Button->geometry(), QRect(10, 110, 80, 80));
        QCOMPARE(frame.up1Button->iconSize(), QSize(48, 48));
    }

    void jogFrameDrivesTheLifter()
    {
        ThcFixture f;
        QTest::mousePress(f.thc->thcFrame->up1Button, Qt::LeftButton);
        QTest::mouseRelease(f.thc->thcFrame->up1Button, Qt::LeftButton);
        QTest::mousePress(f.thc->thcFrame->down1Button, Qt::LeftButton);
        QTest::mouseRelease(f.thc->thcFrame->down1Button, Qt::LeftButton);
        QCOMPARE(f.log(), QStringList({"writeSGStep1Up(2000)", "writeSGStep1Stop()", "writeSGStep1Down(2000)",
                                       "writeSGStep1Stop()"}));
    }

    void screenFitsTheWindow()
    {
        ThcFixture f;
        const QRect window(0, 0, 1024, 748);
        QCOMPARE(f.thc->menuTHC->geometry(), KTHC::kMenuRect);
        QCOMPARE(f.thc->thcFrame->geometry(), KTHC::kFrameRect);
        QCOMPARE(f.thc->pageArea->geometry(), KTHC::kPageAreaRect);
        for (QWidget *w : std::initializer_list<QWidget *>{f.thc->menuTHC, f.thc->thcFrame, f.thc->pageArea}) {
            QVERIFY(window.contains(w->geometry()));
            QVERIFY(w->isHidden());
        }
        QVERIFY(!f.thc->pageArea->geometry().intersects(f.thc->thcFrame->geometry()));
        QVERIFY(!f.thc->pageArea->geometry().intersects(f.thc->menuTHC->geometry()));
        QVERIFY(!f.thc->thcFrame->geometry().intersects(f.thc->menuTHC->geometry()));
        for (KButton *b : {f.thc->menuTHC->backButton, f.thc->menuTHC->thc1Button, f.thc->menuTHC->thc2Button,
                           f.thc->menuTHC->speedButton})
            QVERIFY(b->shortcut().isEmpty());
        QCOMPARE(f.thc->thc1Config->size(), QSize(748, 880));
        QVERIFY(f.thc->isHidden());
    }

    void pagesShareTheScrollArea()
    {
        ThcFixture f;
        f.window.show();
        QScrollArea *area = f.thc->pageArea;
        QTest::mouseClick(f.thc->menuTHC->speedButton, Qt::LeftButton); // row still hidden: a click anyway
        QVERIFY(!area->isHidden());
        QVERIFY(!f.thc->speedConfig->isHidden());
        f.thc->showTHC1();
        QVERIFY(f.thc->speedConfig->isHidden());
        QCOMPARE(f.thc->thc1Config->titleText, QString("１＃ 割炬高度控制参数"));
        // The way out hides the three pages, and with them the scroll area.
        for (QWidget *page : std::initializer_list<QWidget *>{f.thc->thc1Config, f.thc->thc2Config, f.thc->speedConfig})
            page->hide();
        QVERIFY(area->isHidden());
        f.thc->showTHC2();
        QVERIFY(area->isVisible());
        area->ensureWidgetVisible(f.thc->thc2Config->okButton);
        QVERIFY(area->visibleRegion().boundingRect().height() > 0);
    }

    void pageLayout()
    {
        QWidget holder;
        KTHCConfig page(QStringLiteral("Z2"), &holder);
        QCOMPARE(page.takeDistCutButton->text(), QString("Z2"));
        QCOMPARE(page.distCutEdit->geometry(), QRect(350, 420, 100, 30));
        QCOMPARE(page.okButton->geometry(), QRect(450, 800, 110, 60));
        QCOMPARE(page.testTHCButton->geometry(), QRect(550, 700, 120, 80));
        QVERIFY(page.stdVoltEdit->isReadOnly());
        QCOMPARE(page.distXHEdit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QVERIFY(page.autoRadio->isChecked());
        QCOMPARE(page.mode, 1);
        for (QLineEdit *e : page.findChildren<QLineEdit *>())
            QCOMPARE(e->text(), QString("0"));
        QTest::mouseClick(page.manuRadio, Qt::LeftButton);
        QVERIFY(!page.testTHCButton->isEnabled() && !page.hypEdit->isEnabled());
        QCOMPARE(page.mode, 1);
        QTest::mouseClick(page.autoRadio, Qt::LeftButton);
        QVERIFY(page.testTHCButton->isEnabled() && page.stdVoltLabel->isEnabled());
        page.setTitleText("T");
        page.setStatusText("S");
        page.clearText();
        QVERIFY(page.statusText.isEmpty());
        QCOMPARE(page.titleText, QString("T"));

        KTHCSpeedConfig speed(&holder);
        QCOMPARE(speed.okButton->geometry(), QRect(420, 800, 110, 60));
        QCOMPARE(speed.accEdit->geometry(), QRect(200, 380, 100, 30));
        QCOMPARE(speed.autEdit->text(), QString("1000"));
        QCOMPARE(speed.accEdit->text(), QString("1"));
        QCOMPARE(QList<int>({speed.fast, speed.slow, speed.jog, speed.aut, speed.acc}), QList<int>({0, 0, 0, 0, 1}));
    }

    void secondPageIsNotWired()
    {
        ThcFixture f;
        KTHCConfig *z2 = f.thc->thc2Config;
        for (KButton *b : {z2->measureButton, z2->goTopButton, z2->testDWButton, z2->testTHCButton, z2->okButton,
                           z2->takeDistAllButton})
            QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(f.log().isEmpty());
        QCOMPARE(z2->measureButton->text(), QString("测量顶部高度"));
        QVERIFY(!f.dir.exists("ravok/.tovrelcnc/thcconfig.xml")
                || f.dir.readFile("ravok/.tovrelcnc/thcconfig.xml") == ThcFixture::kConfig);
    }

    void refreshDialog()
    {
        QWidget window;
        KTHCDialog dialog(&window);
        QCOMPARE(dialog.windowTitle(), QString("THC"));
        QCOMPARE(dialog.geometry().size(), QSize(370, 150));
        QCOMPARE(dialog.resetButton->text(), QString("重新设置高度"));
        for (KButton *b : {dialog.resetButton, dialog.goTopButton, dialog.cancelButton}) {
            dialog.show();
            QSignalSpy rejected(&dialog, &QDialog::rejected);
            QTest::mouseClick(b, Qt::LeftButton);
            QCOMPARE(rejected.count(), 1);
            QVERIFY(dialog.isHidden());
        }
    }
};

QTEST_MAIN(KTHCPagesTest)
#include "KTHCPagesTest.moc"
