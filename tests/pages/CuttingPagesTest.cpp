#include "GuiTest.h"

#include "app/base/FontSetup.h"
#include "app/base/KButton.h"
#include "pages/KMenuCutting.h"
#include "pages/KMenuJump.h"
#include "pages/KMenuReturn.h"
#include "pages/KReloadDialog.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

class CuttingPagesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    KMenuCutting *page = nullptr;

    void key(QEvent::Type type, int k, bool autoRepeat = false) { GuiTest::key(page, type, k, autoRepeat); }

    // A key held with keyboard repeat: one press, `repeats` repeated presses, one release.
    void hold(int k, int repeats)
    {
        key(QEvent::KeyPress, k);
        for (int i = 0; i < repeats; ++i)
            key(QEvent::KeyPress, k, true);
        key(QEvent::KeyRelease, k);
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(icons);
        FontSetup::installSubstitutes();
        // The lock's own 100 ms are pinned by KButtonTest; here it only
        // paces the keys.
        KButton::setLockInterval(1);
    }

    void init()
    {
        window.reset(new QWidget);
        window->resize(1024, 748);
        page = new KMenuCutting(window.get());
        page->setGeometry(0, 686, 1024, 60);
        QVERIFY(GuiTest::activate(window.get()));
        page->setFocus();
        page->backwardButton->setEnabled(true);
        page->forwardButton->setEnabled(true);
    }

    void cleanup()
    {
        window.reset();
        QVERIFY(GuiTest::waitClickLockFree());
    }

    // Keys that act while held reach the key handler: no shortcut takes them.
    void holdKeysHaveNoShortcut()
    {
        for (KButton *b : {page->fastButton, page->slowButton, page->backwardButton, page->forwardButton})
            QVERIFY(b->shortcut().isEmpty());
        QCOMPARE(page->segButton->shortcut(), QKeySequence(Qt::Key_F3));
    }

    void creepByKey()
    {
        QSignalSpy forward(page, SIGNAL(forwardStart(bool)));
        QSignalSpy stop(page, SIGNAL(forbackStop()));
        key(QEvent::KeyPress, Qt::Key_F5);
        QVERIFY(page->forwardButton->isDown());
        for (int i = 0; i < 3; ++i)
            key(QEvent::KeyPress, Qt::Key_F5, true);
        QVERIFY(stop.isEmpty());
        key(QEvent::KeyRelease, Qt::Key_F5);
        QCOMPARE(forward.size(), 1);
        QCOMPARE(forward.first().at(0).toBool(), false);
        QCOMPARE(stop.size(), 1);
        QVERIFY(!page->forwardButton->isDown());
        QVERIFY(!page->backwardButton->isEnabled());
        QVERIFY(page->fastButton->isEnabled());

        // The creep-back key is disabled now: it only disarms and re-arms.
        QSignalSpy backward(page, SIGNAL(backwardStart(bool)));
        hold(Qt::Key_F4, 2);
        QVERIFY(backward.isEmpty());
        QCOMPARE(stop.size(), 1);
        QVERIFY(page->creepKeyArmed());
    }

    void creepByMouse()
    {
        QSignalSpy backward(page, SIGNAL(backwardStart(bool)));
        QSignalSpy stop(page, SIGNAL(forbackStop()));
        QTest::mousePress(page->backwardButton, Qt::LeftButton);
        QCOMPARE(backward.size(), 1);
        QCOMPARE(backward.first().at(0).toBool(), true);
        QVERIFY(!page->forwardButton->isEnabled());
        QTest::mouseRelease(page->backwardButton, Qt::LeftButton);
        QCOMPARE(stop.size(), 1);
        QVERIFY(!page->forwardButton->isEnabled());
    }

    void anyKeyDisarmsTheCreepKeys()
    {
        QSignalSpy backward(page, SIGNAL(backwardStart(bool)));
        key(QEvent::KeyPress, Qt::Key_F6);
        key(QEvent::KeyPress, Qt::Key_F4);
        QVERIFY(backward.isEmpty());
        key(QEvent::KeyRelease, Qt::Key_F4);
        key(QEvent::KeyRelease, Qt::Key_F6);
        hold(Qt::Key_F4, 0);
        QCOMPARE(backward.size(), 1);
    }

    void segmentToggle()
    {
        page->segButton->setEnabled(true);
        QSignalSpy on(page, SIGNAL(segEnabled()));
        QSignalSpy off(page, SIGNAL(segDisabled()));
        QTest::mouseClick(page->segButton, Qt::LeftButton);
        QCOMPARE(on.size(), 1);
        QVERIFY(page->segmentStopActive());
        QCOMPARE(page->segButton->text(), QString("取消段停"));
        QTest::mouseClick(page->segButton, Qt::LeftButton);
        QCOMPARE(off.size(), 1);
        QCOMPARE(on.size(), 1);
        QVERIFY(!page->segmentStopActive());
        QVERIFY(page->segButton->text().endsWith(" 段停 "));
        QTest::keyClick(window.get(), Qt::Key_F3);
        WAIT_COMPARE(on.size(), 2);
        QCOMPARE(off.size(), 1);
    }

    void speedKeys()
    {
        QSignalSpy fast(page, SIGNAL(fast()));
        QSignalSpy slow(page, SIGNAL(slow()));
        QSignalSpy changeCut(page->cutSpeedButton, SIGNAL(clicked()));
        page->cutSpeedButton->hide();
        page->topSpeedButton->hide();
        hold(Qt::Key_F1, 4);
        QCOMPARE(fast.size(), 5);
        QVERIFY(!page->fastButton->isDown());
        key(QEvent::KeyPress, Qt::Key_F2);
        key(QEvent::KeyPress, Qt::Key_F2, true);
        QVERIFY(page->slowButton->isDown());
        key(QEvent::KeyRelease, Qt::Key_F2);
        QCOMPARE(slow.size(), 2);
        QVERIFY(!page->slowButton->isDown());

        fast.clear();
        page->cutSpeedButton->show();
        page->topSpeedButton->show();
        hold(Qt::Key_F1, 0);
        WAIT_COMPARE(changeCut.size(), 1);
        QVERIFY(fast.isEmpty());
    }

    // The window shows its no-axis-card notice inside forwardStart() and then
    // calls creepRefused(): the notice took the key release.
    void refusedCreep()
    {
        connect(page, &KMenuCutting::forwardStart, page, &KMenuCutting::creepRefused);
        QSignalSpy forward(page, SIGNAL(forwardStart(bool)));
        QSignalSpy backward(page, SIGNAL(backwardStart(bool)));
        QSignalSpy stop(page, SIGNAL(forbackStop()));
        page->fastButton->setEnabled(false);
        hold(Qt::Key_F5, 1);
        QCOMPARE(forward.size(), 1);
        QVERIFY(stop.isEmpty());
        QVERIFY(!page->forwardButton->isDown());
        QVERIFY(!page->backwardButton->isDown());
        QVERIFY(page->forwardButton->isEnabled());
        QVERIFY(page->backwardButton->isEnabled());
        QVERIFY(!page->fastButton->isEnabled());
        QVERIFY(page->slowButton->isEnabled());
        hold(Qt::Key_F4, 0);
        QCOMPARE(backward.size(), 1);
        QCOMPARE(backward.first().at(0).toBool(), false);
        QCOMPARE(stop.size(), 1);
    }

    void hidingEndsACreepThatLostItsRelease()
    {
        QSignalSpy stop(page, SIGNAL(forbackStop()));
        key(QEvent::KeyPress, Qt::Key_F4);
        QVERIFY(!page->forwardButton->isEnabled());
        page->hide();
        QVERIFY(!page->backwardButton->isDown());
        QVERIFY(page->forwardButton->isEnabled());
        QVERIFY(page->creepKeyArmed());
        page->show();
        page->setFocus();
        key(QEvent::KeyRelease, Qt::Key_F4);
        QVERIFY(stop.isEmpty());
    }

    void reloadDialog_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("refreshClicks");
        QTest::newRow("return") << int(Qt::Key_Return) << 1;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0;
    }

    void reloadDialog()
    {
        QFETCH(int, key);
        QFETCH(int, refreshClicks);
        KReloadDialog dialog(window.get());
        QSignalSpy refresh(dialog.refreshButton, SIGNAL(clicked()));
        QTimer::singleShot(0, &dialog, [&] {
            if (GuiTest::activate(&dialog))
                QTest::keyClick(&dialog, Qt::Key(key));
        });
        // Ends the loop should the key go astray.
        QTimer::singleShot(5000, &dialog, [&] { dialog.done(42); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(refresh.size(), refreshClicks);
    }

    void returnAndJumpPages()
    {
        auto *back = new KMenuReturn(window.get());
        back->setGeometry(0, 686, 1024, 60);
        auto *jump = new KMenuJump(window.get());
        jump->setGeometry(0, 686, 1024, 60);
        page->hide();
        jump->hide();
        back->show();
        QCOMPARE(back->focusPolicy(), Qt::NoFocus);

        // The return page's moves pass the click lock, the jump page's do not.
        QSignalSpy toStart(back->startButton, SIGNAL(kclicked()));
        back->startButton->click();
        QVERIFY(KButton::lockRelease()->isActive());
        back->startButton->click();
        QCOMPARE(toStart.size(), 1);
        QVERIFY(GuiTest::waitClickLockFree());

        back->hide();
        jump->show();
        QSignalSpy find(jump->findButton, SIGNAL(clicked()));
        QTest::mouseClick(jump->findButton, Qt::LeftButton);
        QTest::mouseClick(jump->findButton, Qt::LeftButton);
        QCOMPARE(find.size(), 2);

        QVERIFY(!jump->moveButton->isEnabled());
        QSignalSpy move(jump->moveButton, SIGNAL(clicked()));
        QTest::keyClick(window.get(), Qt::Key_F2);
        QVERIFY(GuiTest::settle(window.get()));
        QVERIFY(move.isEmpty());
        jump->moveButton->setEnabled(true);
        QTest::keyClick(window.get(), Qt::Key_F2);
        QCOMPARE(move.size(), 1);
    }
};

QTEST_MAIN(CuttingPagesTest)
#include "CuttingPagesTest.moc"
