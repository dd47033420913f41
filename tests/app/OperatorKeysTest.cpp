// The main window driven as an operator drives it: function keys, the key
// pad's navigation keys and Return, through the window system (shortcuts
// first), on a window without an axis card.
#include "GuiTest.h"
#include "TempWorkDir.h"

#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"
#include "app/base/KeyOrder.h"
#include "app/KMainWindow.h"
#include "app/base/ToolkitTranslation.h"
#include "device/KReadIntThread.h"
#include "device/KWriteDevice.h"
#include "device/KWriteIO.h"
#include "files/KEditor.h"
#include "files/KMenuEditor1.h"
#include "files/KMenuFastcopy.h"
#include "files/KMenuFile.h"
#include "files/KMenuPreview1.h"
#include "files/KPreview.h"
#include "library/KLibConfig.h"
#include "library/KLibFrame.h"
#include "library/KLibList.h"
#include "library/KLibPixmapFrame.h"
#include "library/KLibSimuFrame.h"
#include "library/KLibTable.h"
#include "library/KMenuLib.h"
#include "library/KStepConfigDialog.h"
#include "pages/KCodeFrame.h"
#include "pages/KCodeNum.h"
#include "pages/KDirectFrame.h"
#include "pages/KMenuCutting.h"
#include "pages/KMenuJump.h"
#include "pages/KMenuMorepoint.h"
#include "pages/KMenuMovement.h"
#include "pages/KMenuStep.h"
#include "pages/KMenuTop.h"
#include "pages/KMenuZZ.h"
#include "pages/KMovePointDialog.h"
#include "pages/KPlatte.h"
#include "program/KJBSimu.h"
#include "program/KLibSimu.h"
#include "program/KSimu.h"
#include "status/KSimuFrame.h"
#include "status/KSpeed.h"
#include "status/KSpeedFrame.h"
#include "status/KText.h"
#include "status/KTextFrame.h"
#include "status/KXY.h"
#include "status/KXYFrame.h"
#include "thc/KMenuTHC.h"
#include "thc/KTHC.h"
#include "thc/KTHCConfig.h"
#include "thc/KTHCDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const char kNoCard[] = "未发现轴卡，不能进行该项操作!";

// Three parts, each reached by a rapid move: three pierce points.
const char kProgram[] = "G00 X1000 Y0\nG01 X5000 Y0\nG01 X0 Y3000\n"
                        "G00 X2000 Y2000\nG01 X3000 Y0\nG01 X0 Y1000\n"
                        "G00 X1000 Y1000\nG01 X2000 Y0\nG01 X0 Y500\n";

struct Operator {
    TempWorkDir dir;
    NoticeRecorder notices;
    std::unique_ptr<KMainWindow> w;

    Operator()
    {
        dir.writeFile(".tovrelcnc/fileconfig.xml", "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<FileConfig>\n"
                                                   "    <File filename=\"./ncfile/a.nc\"/>\n</FileConfig>\n");
        dir.writeFile(".tovrelcnc/config.xml",
                      "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<RavokConfig>\n"
                      "    <Base angel=\"0\" comp=\"0\" fx=\"0\" preci=\"10\" rotate=\"0\" sfx=\"0\" "
                      "sheetx=\"3000\" sheety=\"1500\"/>\n    <Mode mode=\"1\"/>\n</RavokConfig>\n");
        dir.writeFile("ncfile/a.nc", kProgram);
        w.reset(new KMainWindow);
        // The list's own second is pinned elsewhere; here it only paces.
        w->codeNum->codeFrame->timer->setInterval(10);
    }

    bool show() { return GuiTest::activate(w.get()); }

    // One key as the keyboard gives it, and the click its shortcut animates.
    void key(Qt::Key k) { QVERIFY2(GuiTest::keyClick(w.get(), k), "a key's click did not settle"); }

    QString message() const { return w->textFrame->message->text; }
};

bool allEnabled(std::initializer_list<KButton *> buttons)
{
    for (KButton *b : buttons) {
        if (b && !b->isEnabled())
            return false;
    }
    return true;
}

} // namespace

class OperatorKeysTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(icons);
        // The lock's own 100 ms are pinned by KButtonTest; here it only
        // paces the keys.
        KButton::setLockInterval(1);
    }

    // A typed move needs the axis card: the notice comes and the movement
    // page stays as it was, so Esc still leads back.
    void typedMoveRefused()
    {
        Operator op;
        KMainWindow &w = *op.w;
        QVERIFY(op.show());
        op.key(Qt::Key_F9);
        op.key(Qt::Key_F6);
        QVERIFY(w.menuMovement->isVisible());
        w.writeDevice->clearCallLog();
        op.key(Qt::Key_F4);
        KMovePointDialog *d = w.menuMovement->movePointDialog;
        QVERIFY(QTest::qWaitForWindowActive(d));
        QTest::keyClick(d->windowHandle(), Qt::Key_Return);
        WAIT_COMPARE(op.notices.texts(QMessageBox::Critical), QStringList{kNoCard});
        QVERIFY(!d->isVisible());

        KMenuMovement *page = w.menuMovement;
        QVERIFY(allEnabled(
            {page->backButton, page->moveOutButton, page->slowModeButton, page->fastModeButton, page->inchModeButton}));
        KButton *const *jog = w.directFrame->motionKeys;
        QVERIFY(allEnabled({jog[0], jog[1], jog[2], jog[3], jog[4], jog[5], jog[6], jog[7]}));
        QVERIFY(!w.speedFrame->speed->stepRunning);
        QVERIFY(!w.writeDevice->callLog().join(' ').contains("writeMovePoint"));

        QVERIFY(GuiTest::activate(&w));
        op.key(Qt::Key_Escape);
        QVERIFY(w.menuCutting->isVisible());
    }

    // The file page's keys by the pierce list: a start line moved by the
    // list keeps F6 "合并部件"; a jump to the start point takes F6 and F8;
    // F7, F8, F1, F2, F3 and F5 reach their pages and Esc comes back.
    void filePageKeys()
    {
        Operator op;
        KMainWindow &w = *op.w;
        KMenuFile *file = w.menuFile;
        QVERIFY(op.show());
        op.key(Qt::Key_F1);
        QVERIFY(file->isVisible());
        op.key(Qt::Key_Left); // 选穿孔
        QVERIFY(file->mergeButton->isEnabled());
        QVERIFY(file->editPartButton->isEnabled());
        const int first = w.start.startNum;
        op.key(Qt::Key_End); // 下一穿孔
        // The list makes the highlighted row the start line at its next tick.
        WAIT_VERIFY(w.start.startNum > first);
        QVERIFY(file->mergeButton->isEnabled());
        QVERIFY(file->startPointButton->isEnabled());

        op.key(Qt::Key_F8); // 移至起点
        QCOMPARE(op.notices.texts(QMessageBox::Critical), QStringList{kNoCard});

        op.key(Qt::Key_F7); // 编辑部件: the current pierce part
        QVERIFY(w.editorOpen);
        QVERIFY(w.editor->currentFile().endsWith("/.tovrelcnc/ck.nc"));
        op.key(Qt::Key_Escape);
        QVERIFY(!w.editorOpen);
        QVERIFY(file->isVisible());

        op.key(Qt::Key_F2);
        QVERIFY(w.editorOpen);
        QVERIFY(w.editor->currentFile().endsWith("ncfile/a.nc"));
        op.key(Qt::Key_Escape);
        QVERIFY(file->isVisible());

        op.key(Qt::Key_F1);
        QVERIFY(w.previewOpen);
        QVERIFY(w.preview->isVisible());
        QVERIFY(!w.newFileRequested);
        op.key(Qt::Key_Escape);
        QVERIFY(!w.previewOpen);
        QVERIFY(file->isVisible());

        op.key(Qt::Key_F5); // 切换新文件
        QVERIFY(w.previewOpen);
        QVERIFY(w.newFileRequested);
        op.key(Qt::Key_Escape);
        QVERIFY(!w.newFileRequested);
        QVERIFY(file->isVisible());

        op.key(Qt::Key_F3);
        QVERIFY(w.menuFastcopy->isVisible());
        QVERIFY(!file->isVisible());
        op.key(Qt::Key_Escape);
        QVERIFY(!w.menuFastcopy->isVisible());
        QVERIFY(file->isVisible());
        QCOMPARE(op.notices.count(), 1);

        // The move to the start point comes from the jump page, which only a
        // stop on the axis card enables: its slots are called as the keys would.
        op.key(Qt::Key_Escape);
        w.top2cutting();
        w.cutting2jump();
        w.findCK();
        w.readIntThread->dlzHeightOn = false;
        w.jumpToStartPoint();
        QVERIFY(w.readIntThread->absoluteView);
        QVERIFY(w.readIntThread->dlzHeightOn);
        file->mergeButton->setEnabled(true);
        w.setBeginPoint(500, 700);
        QVERIFY(!file->mergeButton->isEnabled());
        QVERIFY(!file->startPointButton->isEnabled());
        QVERIFY(!w.jumpStartPending);
    }

    // End on the key pad beside the program plot shows the jog plot and
    // hands it the plot keys; End again gives them back to the program plot.
    void plotEndTogglesTheJogPlot()
    {
        Operator op;
        KMainWindow &w = *op.w;
        KSpeedFrame *right = w.speedFrame;
        KSimu *plot = w.simuFrame->simu;
        KJBSimu *jog = right->jbsimu;
        QVERIFY(op.show());
        QVERIFY(right->speed->isVisible());
        const double plotScale = plot->getScale();

        op.key(Qt::Key_End);
        QVERIFY(jog->isVisible());
        QVERIFY(!right->speed->isVisible());
        const double jogZoom = jog->getZoom();
        op.key(Qt::Key_PageUp);
        QVERIFY(jog->getZoom() < jogZoom);
        QCOMPARE(plot->getScale(), plotScale);

        op.key(Qt::Key_End);
        QVERIFY(right->speed->isVisible());
        QVERIFY(!jog->isVisible());
        const double jogZoomed = jog->getZoom();
        op.key(Qt::Key_PageUp);
        QCOMPARE(jog->getZoom(), jogZoomed);
        QVERIFY(plot->getScale() < plotScale);
        QCOMPARE(op.notices.count(), 0);
    }

    // The return to zero watches the machine's own position as the jump does.
    void returnToZeroMarks()
    {
        Operator op;
        KMainWindow &w = *op.w;
        w.readIntThread->dlzHeightOn = false;
        QVERIFY(!w.readIntThread->absoluteView);
        w.cutReturnZero();
        QVERIFY(w.readIntThread->absoluteView);
        QVERIFY(w.readIntThread->dlzHeightOn);
        QVERIFY(w.atZero);
    }

    // The browser's folder chooser stays open while the operator works on:
    // a press on the main window gives it the keyboard (as the window system
    // does without a window manager), and from then on no key waits for the
    // chooser. A jog held on the step page stops at F10 at once.
    void stopActsAtOnceBesideTheChooser()
    {
        Operator op;
        KMainWindow &w = *op.w;
        w.writeDevice->setCardPresent(true);
        QVERIFY(op.show());
        op.key(Qt::Key_F1);
        op.key(Qt::Key_F1);
        QVERIFY(w.preview->isVisible());
        GuiTest::key(&w, QEvent::KeyPress, Qt::Key_F1);
        GuiTest::key(&w, QEvent::KeyRelease, Qt::Key_F1);
        WAIT_VERIFY(qobject_cast<QFileDialog *>(QApplication::activeWindow()));
        QWidget *chooser = QApplication::activeWindow();

        QWindow *window = w.windowHandle();
        window->requestActivate();
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(750, 575));
        WAIT_VERIFY(w.isActiveWindow());
        op.key(Qt::Key_Escape);
        op.key(Qt::Key_Escape);
        op.key(Qt::Key_F6);
        QVERIFY(w.menuStep->isVisible());
        QVERIFY(chooser->isVisible());

        w.writeDevice->clearCallLog();
        GuiTest::key(&w, QEvent::KeyPress, Qt::Key_End);
        GuiTest::key(&w, QEvent::KeyPress, Qt::Key_End, true);
        QCOMPARE(w.writeDevice->callLog(), QStringList("writeStepSW()"));
        // Delivered as it is typed, not held for the keyboard.
        GuiTest::key(&w, QEvent::KeyPress, Qt::Key_F10);
        QCOMPARE(w.writeDevice->callLog(), (QStringList{"writeStepSW()", "stopstepall()"}));
        QCOMPARE(KeyOrder::instance()->heldKeys(), 0);
        GuiTest::key(&w, QEvent::KeyRelease, Qt::Key_F10);
        GuiTest::key(&w, QEvent::KeyRelease, Qt::Key_End);
        chooser->hide();
    }

    // An inch jog held with the mouse on the pad ends when the mouse is
    // released, also when a box opened during the hold.
    void mouseJogEndsOnItsReleaseBehindABox()
    {
        Operator op;
        KMainWindow &w = *op.w;
        w.writeDevice->setCardPresent(true);
        QVERIFY(op.show());
        op.key(Qt::Key_F6);
        op.key(Qt::Key_F7);
        KButton *jog = w.directFrame->motionKeys[KDirectFrame::End];
        QWindow *window = w.windowHandle();
        const QPoint at = jog->mapTo(&w, jog->rect().center());
        w.writeDevice->clearCallLog();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(w.writeDevice->callLog(), QStringList("writeStepSW()"));
        QDialog box(&w);
        bool stoppedBehindTheBox = false;
        QTimer::singleShot(0, &box, [&] {
            QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at);
            stoppedBehindTheBox = w.writeDevice->callLog().contains("stopstepall()");
            box.reject();
        });
        KeyFocus::exec(&box);
        QVERIFY(stoppedBehindTheBox);
        QVERIFY(!jog->isDown());
    }

    // The output page's Enter key comes with the page and goes with it.
    void outputEnterKey()
    {
        Operator op;
        KMainWindow &w = *op.w;
        KButton *enter = w.writeIO->enterButton;
        QVERIFY(op.show());
        op.key(Qt::Key_F8);
        QVERIFY(!enter->isVisible());
        op.key(Qt::Key_F2);
        QVERIFY(enter->isVisible());
        QTest::mouseClick(enter, Qt::LeftButton);
        QCOMPARE(w.writeIO->rowButton(1)->text(), QString("[ 开 ] - "));
        QVERIFY(GuiTest::waitClickLockFree());
        op.key(Qt::Key_F1);
        QVERIFY(!enter->isVisible());
        op.key(Qt::Key_F2);
        QVERIFY(enter->isVisible());
        op.key(Qt::Key_Escape);
        QVERIFY(!enter->isVisible());
        QVERIFY(w.menuTop->isVisible());
    }

    // The library key row: F5, F6 and F7 give the key pad its groups, F8
    // the step dialog, F2 the multi-point page without the library's
    // picture, and Esc the way back.
    void libraryKeys()
    {
        Operator op;
        KMainWindow &w = *op.w;
        KDirectFrame *pad = w.directFrame;
        QVERIFY(op.show());
        op.key(Qt::Key_F2);
        QVERIFY(w.menuLib->isVisible());
        op.key(Qt::Key_F6);
        QVERIFY(pad->libMoveKeys[KDirectFrame::Up]->isVisible());
        op.key(Qt::Key_F7);
        QVERIFY(pad->libGraphKeys[KDirectFrame::Up]->isVisible());
        QVERIFY(!pad->libMoveKeys[KDirectFrame::Up]->isVisible());
        op.key(Qt::Key_F5);
        QVERIFY(pad->libSelKeys[KDirectFrame::Up]->isVisible());
        op.key(Qt::Key_F8);
        WAIT_VERIFY(w.menuLib->stepDialog->isVisible());
        w.menuLib->stepDialog->reject();
        QVERIFY(GuiTest::activate(&w));

        QWidget *picture = w.libFrame->libTable->pixmapFrame;
        QVERIFY(picture->isVisible());
        op.key(Qt::Key_F2);
        QVERIFY(w.menuMorepoint->isVisible());
        QVERIFY(!picture->isVisible());
        op.key(Qt::Key_Escape);
        QVERIFY(w.menuLib->isVisible());
        QVERIFY(picture->isVisible());
        op.key(Qt::Key_Escape);
        QVERIFY(w.menuTop->isVisible());
        QCOMPARE(op.notices.count(), 0);
    }

    // 上移 (↑ after F6) moves the selected pattern by the step along X each
    // time and draws it again each time: program +X runs up the view.
    void libraryMoveUp()
    {
        Operator op;
        KMainWindow &w = *op.w;
        QVERIFY(op.show());
        op.key(Qt::Key_F2);
        QVERIFY(w.menuLib->isVisible());
        w.libFrame->libTable->setCurrentCell(0, 1);
        op.key(Qt::Key_Home);
        QCOMPARE(w.libFrame->libList->count(), 1);
        op.key(Qt::Key_F6);
        QVERIFY(w.directFrame->libMoveKeys[KDirectFrame::Up]->isVisible());

        KLibConfig *config = w.libFrame->config();
        KLibSimu *view = w.libFrame->simuFrame->simu;
        const auto pattern = [view] {
            const QImage image = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QRect r;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if ((image.pixel(x, y) & 0xffffff) == 0xff0000)
                        r |= QRect(x, y, 1, 1);
                }
            }
            return r;
        };
        const QRect before = pattern();
        QVERIFY(!before.isNull());
        QCOMPARE(config->offsetXEdit()->text(), QString("0"));
        // 10 mm in pixels at the plate's scale: a few pixels, the drawing's
        // edge within one of where it should stand.
        const double step = 1000.0 / 26.5 / view->getScale();
        QVERIFY(step > 2);
        for (int press = 1; press <= 2; ++press) {
            op.key(Qt::Key_Up);
            QCOMPARE(config->offsetXEdit()->text(), QString::number(10 * press));
            const QRect moved = pattern();
            QCOMPARE(moved.size(), before.size());
            QCOMPARE(moved.left(), before.left());
            QVERIFY2(std::fabs(before.top() - press * step - moved.top()) <= 1.0,
                     qPrintable(QString("press %1: top %2, was %3").arg(press).arg(moved.top()).arg(before.top())));
        }
        QCOMPARE(config->pattens().at(1).offsetX, 2000); // 0.01 mm
        QCOMPARE(op.notices.count(), 0);
    }

    // 添加 on the custom-file cell opens the browser with its add key and
    // adds nothing; the browser's Esc leads back to the library, also after
    // the browser was last left for the file page, and still adds nothing.
    void customFileCellOpensTheBrowser()
    {
        Operator op;
        KMainWindow &w = *op.w;
        KMenuPreview1 *browserKeys = w.preview->keyRow;
        QVERIFY(op.show());
        op.key(Qt::Key_F1);
        op.key(Qt::Key_F1);
        QVERIFY(w.preview->isVisible());
        op.key(Qt::Key_Escape);
        op.key(Qt::Key_Escape);
        QVERIFY(w.menuTop->isVisible());

        op.key(Qt::Key_F2);
        QVERIFY(w.menuLib->isVisible());
        KLibTable *table = w.libFrame->libTable;
        QCOMPARE(table->currentRow(), 0);
        QCOMPARE(table->currentColumn(), 0);
        op.key(Qt::Key_Home); // 添加
        QVERIFY(w.preview->isVisible());
        QVERIFY(browserKeys->addButton->isVisible());
        QVERIFY(!browserKeys->openButton->isVisible());
        QVERIFY(!w.menuLib->isVisible());
        QCOMPARE(w.libFrame->config()->getPattenCount(), 0);

        op.key(Qt::Key_Escape);
        QVERIFY(w.menuLib->isVisible());
        QVERIFY(w.libOpen);
        QVERIFY(!w.preview->isVisible());
        QVERIFY(!w.menuFile->isVisible());
        QCOMPARE(w.libFrame->config()->getPattenCount(), 0);
        QCOMPARE(w.libFrame->libList->count(), 0);
        QVERIFY(!op.dir.exists(".tovrelcnc/b1.nc"));
        QCOMPARE(op.notices.count(), 0);
        // The key pad drives the catalogue again: 添加 on a shape adds it.
        op.key(Qt::Key_Right); // 右一个
        op.key(Qt::Key_Home);
        QCOMPARE(w.libFrame->libList->count(), 1);
        QCOMPARE(w.libFrame->libList->item(0)->text(), QString("K1"));
    }

    // The plate-alignment keys act only in turn: F6, F7 and F8 typed before
    // their point do nothing, on the first visit and on a later one, when
    // the last measurement is still drawn. F5 is typed after them, so its
    // effect shows they have been handled. config.xml is put back as the
    // test wrote it, so any save shows.
    void plateAlignmentKeysInTurn()
    {
        Operator op;
        KMainWindow &w = *op.w;
        KMenuZZ *zz = w.menuZZ;
        KPlatte *platte = w.simuFrame->platte;
        const QByteArray config = op.dir.readFile(".tovrelcnc/config.xml");
        const struct {
            int x, y;
            QString line;
            QByteArray angle;
        } visits[] = {{120000, -35000, "次点( 1200.00,   -350.00)", "angel=\"-16.2602\""},
                      {-50000, -2000, "次点( -500.00,    -20.00)", "angel=\"2.29061\""}};
        QVERIFY(op.show());
        for (const auto &visit : visits) {
            QVERIFY(op.dir.writeFile(".tovrelcnc/config.xml", config));
            w.xyFrame->xy->setX(visit.x);
            w.xyFrame->xy->setY(visit.y);
            op.key(Qt::Key_F7);
            QVERIFY(zz->isVisible());
            const QString drawn = platte->lines().value(1);
            for (Qt::Key key : {Qt::Key_F6, Qt::Key_F7, Qt::Key_F8})
                op.key(key);
            op.key(Qt::Key_F5);
            QVERIFY(zz->secondButton->isEnabled());
            QCOMPARE(platte->lines().value(1), drawn);
            // The angle and the way back to the first point wait for the second point.
            op.key(Qt::Key_F7);
            op.key(Qt::Key_F8);
            QCOMPARE(op.dir.readFile(".tovrelcnc/config.xml"), config);
            QCOMPARE(op.notices.count(), 0);
            op.key(Qt::Key_F6);
            QCOMPARE(platte->lines().value(1), visit.line);
            QVERIFY(zz->angleButton->isEnabled());
            QVERIFY(!zz->backFirstButton->isEnabled());
            op.key(Qt::Key_F7);
            QVERIFY(op.dir.readFile(".tovrelcnc/config.xml").contains(visit.angle));
            op.key(Qt::Key_Escape);
            QVERIFY(w.menuTop->isVisible());
        }
    }

    // The height pages from the file page's reload: they cover the key pad,
    // each opens at its title, and "<<" leaves the message line alone.
    void heightPages()
    {
        Operator op;
        KMainWindow &w = *op.w;
        w.setModalRunner([&](QDialog *) {
            w.thcDialog->resetButton->click();
            return int(QDialog::Rejected);
        });
        QVERIFY(op.show());
        op.key(Qt::Key_F1);
        op.key(Qt::Key_F4);
        KTHC *thc = w.thc;
        WAIT_VERIFY(thc->menuTHC->isVisible());
        QVERIFY(!w.directFrame->isVisible());
        const QString before = op.message();

        QScrollBar *scroll = thc->pageArea->verticalScrollBar();
        for (KButton *page : {thc->menuTHC->thc2Button, thc->menuTHC->speedButton, thc->menuTHC->thc1Button}) {
            scroll->setValue(scroll->maximum());
            QVERIFY(scroll->value() > 0);
            QTest::mouseClick(page, Qt::LeftButton);
            QCOMPARE(scroll->value(), 0);
        }

        QMetaObject::invokeMethod(thc->menuTHC->backButton, "pressed");
        QVERIFY(w.menuTop->isVisible());
        QVERIFY(w.directFrame->isVisible());
        QCOMPARE(op.message(), before);
    }

    // The toolkit's own dialogs read in Chinese.
    void toolkitSpeaksChinese()
    {
        QVERIFY2(ToolkitTranslation::install(qApp), "qttranslations5-l10n (scripts/setup.sh) is not installed");
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QString("查找范围："));
        QFileDialog chooser(nullptr, QString(), QDir::tempPath());
        chooser.setFileMode(QFileDialog::Directory);
        chooser.setOption(QFileDialog::DontUseNativeDialog);
        QCOMPARE(chooser.labelText(QFileDialog::LookIn), QString("查找范围："));
    }

    // Leaving the editor puts F8 and the views back as without the keyboard,
    // whatever the keyboard did on the page.
    void leavingTheEditorHidesTheKeyboard()
    {
        Operator op;
        KMainWindow &w = *op.w;
        KMenuEditor1 *keys = w.editor->menuEditor;
        QVERIFY(op.show());
        op.key(Qt::Key_F1);
        for (bool keyboard : {false, true}) {
            op.key(Qt::Key_F2);
            QVERIFY(w.editorOpen);
            if (keyboard)
                keys->showKeyboard();
            w.editor->resize(300, 200);
            w.editor->textEdit->resize(300, 200);
            op.key(Qt::Key_Escape);
            QVERIFY(!w.editorOpen);
            QCOMPARE(keys->keyboardButton->text(), QString(" 键 盘"));
            QCOMPARE(w.editor->size(), QSize(490, 649));
            QCOMPARE(w.editor->textEdit->size(), QSize(490, 649));
        }
    }

    // The question after a reload: its "回顶部" starts the torch up, and is
    // offered only when the height page's own would be.
    void heightQuestionGoesToTheTop()
    {
        Operator op;
        KMainWindow &w = *op.w;
        QList<bool> offered;
        w.setModalRunner([&](QDialog *) {
            KButton *top = w.thcDialog->goTopButton;
            offered << top->isEnabled();
            if (top->isEnabled())
                QTest::mouseClick(top, Qt::LeftButton);
            else
                w.thcDialog->cancelButton->click();
            return int(QDialog::Rejected);
        });
        QVERIFY(op.show());
        op.key(Qt::Key_F1);
        op.key(Qt::Key_F4);
        QCOMPARE(offered, QList<bool>{true});
        QVERIFY(w.thc->goingTop);
        QVERIFY(!w.thc->thc1Config->measureButton->isEnabled());

        w.thc->stopGoTop();
        w.thc->thc1Config->goTopButton->setEnabled(false);
        w.thc->goingTop = false;
        op.key(Qt::Key_F4);
        QCOMPARE(offered, (QList<bool>{true, false}));
        QVERIFY(!w.thc->goingTop);
    }
};

QTEST_MAIN(OperatorKeysTest)
#include "OperatorKeysTest.moc"
