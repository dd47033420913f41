#include "GuiTest.h"

#include "app/base/FontSetup.h"
#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"
#include "pages/KDirectFrame.h"

#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

using Key = KDirectFrame::Key;

const int kQtKeys[KDirectFrame::KeyCount] = {Qt::Key_Up,   Qt::Key_Down,   Qt::Key_Right, Qt::Key_Left,
                                             Qt::Key_Home, Qt::Key_PageUp, Qt::Key_End,   Qt::Key_PageDown};

// Pressed and released signals of each key, in key order.
const char *const kPressed[] = {SIGNAL(NPressed()),  SIGNAL(SPressed()),  SIGNAL(EPressed()),  SIGNAL(WPressed()),
                                SIGNAL(NWPressed()), SIGNAL(NEPressed()), SIGNAL(SWPressed()), SIGNAL(SEPressed())};
const char *const kReleased[] = {SIGNAL(NReleased()),  SIGNAL(SReleased()),  SIGNAL(EReleased()),
                                 SIGNAL(WReleased()),  SIGNAL(NWReleased()), SIGNAL(NEReleased()),
                                 SIGNAL(SWReleased()), SIGNAL(SEReleased())};

} // namespace

class KDirectFrameTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    KDirectFrame *pad = nullptr;
    std::unique_ptr<QSignalSpy> pressed[KDirectFrame::KeyCount];
    std::unique_ptr<QSignalSpy> released[KDirectFrame::KeyCount];

    void press(Key k, bool autoRepeat = false) { GuiTest::key(pad, QEvent::KeyPress, kQtKeys[k], autoRepeat); }
    void release(Key k, bool autoRepeat = false) { GuiTest::key(pad, QEvent::KeyRelease, kQtKeys[k], autoRepeat); }

    int pressedCount() const
    {
        int n = 0;
        for (const auto &spy : pressed)
            n += spy->size();
        return n;
    }
    int releasedCount() const
    {
        int n = 0;
        for (const auto &spy : released)
            n += spy->size();
        return n;
    }

    int enabledJogKeys() const
    {
        int n = 0;
        for (KButton *b : pad->motionKeys)
            n += b->isEnabled() ? 1 : 0;
        return n;
    }

    QList<KButton *> visibleButtons() const
    {
        QList<KButton *> shown;
        for (KButton *b : pad->findChildren<KButton *>()) {
            if (b != pad->stopButton && b->isVisible())
                shown << b;
        }
        return shown;
    }

private slots:
    void initTestCase()
    {
        FontSetup::installSubstitutes();
        // The lock's own 100 ms are pinned by KButtonTest; here it only
        // paces the keys.
        KButton::setLockInterval(1);
    }

    void init()
    {
        window.reset(new QWidget);
        window->resize(1024, 748);
        pad = new KDirectFrame(window.get());
        pad->setGeometry(2, 464, 256, 220);
        pad->setSimuGraph();
        QVERIFY(GuiTest::activate(window.get()));
        for (int k = 0; k < KDirectFrame::KeyCount; ++k) {
            pressed[k].reset(new QSignalSpy(pad, kPressed[k]));
            released[k].reset(new QSignalSpy(pad, kReleased[k]));
        }
    }

    void cleanup()
    {
        for (auto &spy : pressed)
            spy.reset();
        for (auto &spy : released)
            spy.reset();
        window.reset();
        QVERIFY(GuiTest::waitClickLockFree());
    }

    void groups_data()
    {
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("focus");
        QTest::newRow("simu") << QByteArray("setSimuGraph") << 8 << false;
        QTest::newRow("lib graph") << QByteArray("setLibGraph") << 8 << true;
        QTest::newRow("lib move") << QByteArray("setLibMove") << 8 << true;
        QTest::newRow("lib sel") << QByteArray("setLibSel") << 8 << true;
        QTest::newRow("motion") << QByteArray("setMotion") << 8 << false;
        QTest::newRow("num") << QByteArray("setNumCK") << 8 << false;
        QTest::newRow("preview") << QByteArray("setPreview") << 4 << false;
        QTest::newRow("editor") << QByteArray("setEditor") << 8 << false;
        QTest::newRow("null") << QByteArray("setNull") << 8 << false;
    }

    // Only the chosen group shows, and only the library groups take the
    // keyboard: the pad swallows every key it gets.
    void groups()
    {
        QFETCH(QByteArray, slot);
        QFETCH(int, buttons);
        QFETCH(bool, focus);
        QWidget *other = new QWidget(window.get());
        other->setFocusPolicy(Qt::StrongFocus);
        other->show();
        other->setFocus();
        QVERIFY(QMetaObject::invokeMethod(pad, slot.constData()));
        QCOMPARE(visibleButtons().size(), buttons);
        QCOMPARE(pad->hasFocus(), focus);
        QCOMPARE(pad->motionShown(), slot == "setMotion");
        QVERIFY(pad->stopButton->isVisible());
        QCOMPARE(pad->findChildren<KButton *>().size(), 69);
    }

    // A key clicks the visible group's button on its cell.
    void keysClickTheVisibleGroup()
    {
        pad->setNumCK();
        QSignalSpy nextPage(pad->numKeys[KDirectFrame::PgDn], SIGNAL(clicked()));
        QSignalSpy simuNextPage(pad->simuKeys[KDirectFrame::PgDn], SIGNAL(clicked()));
        QTest::keyClick(window.get(), Qt::Key_PageDown);
        WAIT_COMPARE(nextPage.size(), 1);
        QVERIFY(simuNextPage.isEmpty());

        // The editor's table moves its own lines; the blank group does nothing.
        pad->setEditor();
        QSignalSpy editorUp(pad->editorKeys[KDirectFrame::Up], SIGNAL(clicked()));
        QSignalSpy editorLeft(pad->editorKeys[KDirectFrame::Left], SIGNAL(clicked()));
        QTest::keyClick(window.get(), Qt::Key_Up);
        QTest::keyClick(window.get(), Qt::Key_Left);
        WAIT_COMPARE(editorLeft.size(), 1);
        QVERIFY(editorUp.isEmpty());
        pad->setNull();
        for (KButton *b : pad->nullKeys)
            QVERIFY(b->shortcut().isEmpty());
    }

    void stopKeyActsOnlyWhenEnabled()
    {
        QSignalSpy stop(pad->stopButton, SIGNAL(pressed()));
        QTest::keyClick(window.get(), Qt::Key_F10);
        QVERIFY(GuiTest::settle(window.get()));
        QVERIFY(stop.isEmpty());
        pad->stopButton->setEnabled(true);
        QTest::keyClick(window.get(), Qt::Key_F10);
        QCOMPARE(stop.size(), 1);
    }

    void shortcutMethodClicksTheJogButton()
    {
        pad->setMotion();
        pad->setMethod(1);
        KButton *up = pad->motionKeys[KDirectFrame::Up];
        QSignalSpy upPressed(up, SIGNAL(pressed()));
        QSignalSpy upReleased(up, SIGNAL(released()));
        press(KDirectFrame::Up);
        release(KDirectFrame::Up);
        QCOMPARE(upPressed.size(), 1);
        WAIT_COMPARE(upReleased.size(), 1);
        QCOMPARE(pressedCount() + releasedCount(), 0);
    }

    void holdToJog()
    {
        pad->setMotion();
        pad->setMethod(3);
        QVERIFY(pad->hasFocus());
        KButton *right = pad->motionKeys[KDirectFrame::Right];
        QSignalSpy clicks(right, SIGNAL(pressed()));
        press(KDirectFrame::Right);
        for (int i = 0; i < 5; ++i) {
            if (i == 2 || i == 4)
                release(KDirectFrame::Right, true);
            press(KDirectFrame::Right, true);
            QVERIFY(right->isDown());
            QCOMPARE(enabledJogKeys(), 1);
        }
        // Another key while one is held starts nothing.
        press(KDirectFrame::Left);
        release(KDirectFrame::Left);
        QCOMPARE(pressed[KDirectFrame::Right]->size(), 1);
        QCOMPARE(pressedCount(), 1);
        QCOMPARE(releasedCount(), 0);
        QVERIFY(right->isDown());

        release(KDirectFrame::Right);
        QCOMPARE(released[KDirectFrame::Right]->size(), 1);
        QCOMPARE(releasedCount(), 1);
        QVERIFY(!right->isDown());
        QCOMPARE(enabledJogKeys(), 8);
        // The pad's own signals only: the button was never clicked.
        QVERIFY(clicks.isEmpty());

        // Holding Up, then Down: the Down press is ignored and its release
        // only readies the pad, so Up's next repeat starts a second jog.
        press(KDirectFrame::Up);
        press(KDirectFrame::Down);
        release(KDirectFrame::Down);
        QCOMPARE(releasedCount(), 1);
        press(KDirectFrame::Up, true);
        QCOMPARE(pressed[KDirectFrame::Up]->size(), 2);
        release(KDirectFrame::Up);
        QCOMPARE(released[KDirectFrame::Up]->size(), 1);
    }

    // The press brings up a box (no axis card) that takes the keyboard and
    // with it the key's release: the hold ends when the box takes it, so
    // after the box every jog key works again.
    void boxOverAHeldKeyEndsTheHold()
    {
        pad->setMotion();
        pad->setMethod(3);
        QDialog box(window.get());
        connect(pad, &KDirectFrame::NPressed, &box, [&] {
            QTimer::singleShot(0, &box, [&] {
                QTRY_VERIFY(box.isActiveWindow());
                GuiTest::key(&box, QEvent::KeyRelease, Qt::Key_Up);
                box.reject();
            });
            KeyFocus::exec(&box);
        });
        press(KDirectFrame::Up);
        QCOMPARE(released[KDirectFrame::Up]->size(), 1);
        QCOMPARE(enabledJogKeys(), 8);
        QVERIFY(!pad->motionKeys[KDirectFrame::Up]->isDown());
        QTRY_VERIFY(pad->hasFocus());
        press(KDirectFrame::Down);
        QCOMPARE(pressed[KDirectFrame::Down]->size(), 1);
        release(KDirectFrame::Down);
        QCOMPARE(released[KDirectFrame::Down]->size(), 1);
    }

    // A held key's release is lost when the method or the group changes:
    // the change ends the jog itself.
    void changeWhileHeldEndsTheJog()
    {
        pad->setMotion();
        pad->setMethod(3);
        press(KDirectFrame::PgDn);
        QCOMPARE(pressed[KDirectFrame::PgDn]->size(), 1);
        pad->setMethod(1);
        QCOMPARE(released[KDirectFrame::PgDn]->size(), 1);
        QCOMPARE(releasedCount(), 1);
        QVERIFY(!pad->motionKeys[KDirectFrame::PgDn]->isDown());
        QCOMPARE(enabledJogKeys(), 8);
        pad->setMethod(3);
        press(KDirectFrame::Home);
        QCOMPARE(pressed[KDirectFrame::Home]->size(), 1);
        release(KDirectFrame::Home);
        QCOMPARE(released[KDirectFrame::Home]->size(), 1);

        // Through a group change; the release that still comes stops nothing more.
        press(KDirectFrame::Left);
        pad->setSimuGraph();
        QCOMPARE(released[KDirectFrame::Left]->size(), 1);
        pad->setMotion();
        release(KDirectFrame::Left);
        QCOMPARE(released[KDirectFrame::Left]->size(), 1);
        press(KDirectFrame::Left);
        QCOMPARE(pressed[KDirectFrame::Left]->size(), 2);
        release(KDirectFrame::Left);
        QCOMPARE(released[KDirectFrame::Left]->size(), 2);

        // The same method again, or the jog group again, keeps the hold.
        press(KDirectFrame::Up);
        pad->setMethod(3);
        pad->setMotion();
        QCOMPARE(released[KDirectFrame::Up]->size(), 0);
        release(KDirectFrame::Up);
        QCOMPARE(released[KDirectFrame::Up]->size(), 1);
    }

    // With a limit switch tripped only the way out is enabled; holding it
    // must not enable the others.
    void disabledJogKeysStayDisabled()
    {
        pad->setMotion();
        pad->setMethod(3);
        pad->motionDisable();
        pad->motionKeys[KDirectFrame::Down]->setEnabled(true);
        press(KDirectFrame::Up);
        QCOMPARE(pressedCount(), 0);
        release(KDirectFrame::Up);
        QCOMPARE(enabledJogKeys(), 1);
        press(KDirectFrame::Down);
        QCOMPARE(pressed[KDirectFrame::Down]->size(), 1);
        release(KDirectFrame::Down);
        QCOMPARE(released[KDirectFrame::Down]->size(), 1);
        QCOMPARE(enabledJogKeys(), 1);
        QVERIFY(pad->motionKeys[KDirectFrame::Down]->isEnabled());
    }

    void otherGroupsIgnoreTheHandlers()
    {
        pad->setMethod(3);
        pad->setNumCK();
        QSignalSpy previousLine(pad->numKeys[KDirectFrame::Up], SIGNAL(clicked()));
        press(KDirectFrame::Up);
        release(KDirectFrame::Up);
        WAIT_COMPARE(previousLine.size(), 1);
        QCOMPARE(pressedCount() + releasedCount(), 0);
    }
};

QTEST_MAIN(KDirectFrameTest)
#include "KDirectFrameTest.moc"
