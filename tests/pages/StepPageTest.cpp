#include "PageWindow.h"
#include "TempWorkDir.h"

#include "app/base/KButton.h"
#include "pages/KMenuStep.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class StepPageTest : public QObject
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

    void outOfReachButtons()
    {
        TempWorkDir dir;
        KMenuStep page;
        QCOMPARE(page.locateButton->geometry(), QRect(1040, 2, 0, 0));
        QCOMPARE(page.beamButton->geometry(), QRect(1160, 2, 0, 0));
        QVERIFY(!page.locateButton->isEnabled());
        QVERIFY(!page.beamButton->isEnabled());
        QVERIFY(!page.backZeroButton->isEnabled());
        QCOMPARE(page.method(), 1);
        QVERIFY(page.slowBox->isChecked());
    }

    void methodsBySlotAndKey()
    {
        TempWorkDir dir;
        PageWindow<KMenuStep> w;
        auto *elsewhere = new QLineEdit(&w.window);
        elsewhere->setGeometry(10, 10, 100, 25);
        QVERIFY(w.show());
        KMenuStep *p = w.page;
        QSignalSpy methods(p, SIGNAL(methodChanged(int)));
        QSignalSpy fast(p, SIGNAL(fast()));

        p->setMethod(3);
        QCOMPARE(methods.count(), 2);
        QCOMPARE(methods.last().at(0).toInt(), 3);
        QVERIFY(p->inchBox->isChecked());
        QVERIFY(!p->slowBox->isChecked());
        QVERIFY(!p->speedUpButton->isEnabled());
        QVERIFY(!p->speedDownButton->isEnabled());
        w.key(Qt::Key_F1);
        QCOMPARE(fast.count(), 0);

        methods.clear();
        p->setMethod(0);
        p->setMethod(5);
        w.key(Qt::Key_F7);
        QCOMPARE(methods.count(), 0);
        QVERIFY(p->inchBox->isChecked());
        QCOMPARE(p->method(), 3);

        // Inch leaves the focus where it is; any other mode takes it back.
        elsewhere->setFocus();
        w.key(Qt::Key_F6);
        QVERIFY(methods.count() > 0);
        QCOMPARE(methods.last().at(0).toInt(), 2);
        QVERIFY(p->fastBox->isChecked());
        QVERIFY(!p->inchBox->isChecked());
        QVERIFY(p->speedUpButton->isEnabled());
        QVERIFY(p->speedDownButton->isEnabled());
        QVERIFY(p->hasFocus());
        QVERIFY(!p->fastModeButton->isDown());
    }

    void heldSpeedKeyRepeats()
    {
        TempWorkDir dir;
        PageWindow<KMenuStep> w;
        QVERIFY(w.show());
        KMenuStep *p = w.page;
        p->setMethod(2);
        w.key(Qt::Key_F5);
        QVERIFY(p->slowBox->isChecked());
        QSignalSpy fast(p, SIGNAL(fast()));
        QSignalSpy slow(p, SIGNAL(slow()));

        w.press(Qt::Key_F1);
        QVERIFY(p->speedUpButton->isDown());
        for (int i = 0; i < 3; ++i) {
            w.press(Qt::Key_F1, true);
            QVERIFY(p->speedUpButton->isDown());
        }
        QCOMPARE(fast.count(), 4);
        w.release(Qt::Key_F1);
        QVERIFY(!p->speedUpButton->isDown());
        QCOMPARE(fast.count(), 4);

        w.press(Qt::Key_F2);
        w.release(Qt::Key_F2);
        QCOMPARE(slow.count(), 1);
        QVERIFY(!p->speedDownButton->isDown());
    }
};

QTEST_MAIN(StepPageTest)
#include "StepPageTest.moc"
