#include "PageWindow.h"
#include "TempWorkDir.h"

#include "app/base/KButton.h"
#include "pages/KMenuMovement.h"
#include "pages/KMovePointDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class MovementPageTest : public QObject
{
    Q_OBJECT

    // Opens the move dialog with F4 and makes it the active window.
    static bool openDialog(PageWindow<KMenuMovement> &w)
    {
        w.key(Qt::Key_F4);
        KMovePointDialog *d = w.page->movePointDialog;
        return d->isVisible() && QTest::qWaitForWindowActive(d);
    }

    static void type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(icons);
        // The lock's own 100 ms are pinned by KButtonTest; here it only
        // paces the keys.
        KButton::setLockInterval(1);
    }

    void methodFollowsBoxes()
    {
        TempWorkDir dir;
        PageWindow<KMenuMovement> w;
        QVERIFY(w.show());
        KMenuMovement *p = w.page;
        QSignalSpy methods(p, SIGNAL(methodChanged(int)));
        QSignalSpy moveBack(p->moveBackButton, SIGNAL(clicked()));

        p->setMethod(2);
        QCOMPARE(methods.last().at(0).toInt(), 2);
        QCOMPARE(p->moveBackButton->text(), QString("移回(快)"));
        QCOMPARE(p->moveOutButton->text(), QString("定距离\n移出(快)"));
        // The new texts kept their keys.
        w.key(Qt::Key_F8);
        QCOMPARE(moveBack.count(), 1);
        QVERIFY(openDialog(w));
        p->movePointDialog->hide();
        QVERIFY(GuiTest::activate(&w.window));

        p->setMethod(4);
        QVERIFY(p->slowBox->isChecked());
        QVERIFY(!p->fastBox->isChecked());
        QCOMPARE(methods.last().at(0).toInt(), 1);
        QCOMPARE(p->moveBackButton->text(), QString("移回(慢)"));
        QCOMPARE(p->moveOutButton->text(), QString("定距离\n移出(慢)"));

        methods.clear();
        p->setMethod(0);
        QCOMPARE(methods.count(), 0);
        QVERIFY(p->slowBox->isChecked());
    }

    void inchHasNoSpeedKeys()
    {
        TempWorkDir dir;
        PageWindow<KMenuMovement> w;
        QVERIFY(w.show());
        KMenuMovement *p = w.page;
        p->setMethod(2);
        w.key(Qt::Key_F7);
        QVERIFY(p->inchBox->isChecked());
        QCOMPARE(p->method(), 3);
        QVERIFY(!p->speedUpButton->isEnabled());
        QVERIFY(!p->speedDownButton->isEnabled());
        QCOMPARE(p->moveBackButton->text(), QString("移回(慢)"));

        QSignalSpy fast(p, SIGNAL(fast()));
        QSignalSpy slow(p, SIGNAL(slow()));
        QSignalSpy methods(p, SIGNAL(methodChanged(int)));
        QSignalSpy moved(p, SIGNAL(movePointChanged(int, int)));
        QList<QSignalSpy *> clicks;
        for (KButton *b : p->findChildren<KButton *>())
            clicks << new QSignalSpy(b, SIGNAL(pressed()));
        w.key(Qt::Key_F1);
        w.key(Qt::Key_F2);
        w.key(Qt::Key_F3);
        QCOMPARE(fast.count() + slow.count() + methods.count() + moved.count(), 0);
        for (QSignalSpy *c : clicks)
            QCOMPARE(c->count(), 0);
        qDeleteAll(clicks);
        QVERIFY(!p->movePointDialog->isVisible());

        // Fast again: the speed keys are back, and a mouse press is one step.
        w.key(Qt::Key_F6);
        QVERIFY(p->speedUpButton->isEnabled());
        QTest::mousePress(p->speedUpButton, Qt::LeftButton);
        QTest::mouseRelease(p->speedUpButton, Qt::LeftButton);
        QCOMPARE(fast.count(), 1);
    }

    void typedMove_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<bool>("emitted");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("exact hundredths") << "1.15"
                                          << "-0.5" << true << 115 << -50;
        QTest::newRow("truncated") << "1.159"
                                   << "-2.999" << true << 115 << -299;
        QTest::newRow("no number") << "abc"
                                   << "2" << true << 0 << 200;
        QTest::newRow("nan and tiny") << "nan"
                                      << "1e-3" << true << 0 << 0;
        QTest::newRow("too far") << "1e12"
                                 << "0" << false << 0 << 0;
        QTest::newRow("too far in y") << "0"
                                      << "-21474836.49" << false << 0 << 0;
    }

    void typedMove()
    {
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(bool, emitted);
        TempWorkDir dir;
        PageWindow<KMenuMovement> w;
        QVERIFY(w.show());
        KMovePointDialog *d = w.page->movePointDialog;
        QSignalSpy moved(w.page, SIGNAL(movePointChanged(int, int)));
        QVERIFY(openDialog(w));
        type(d->xEdit, x);
        type(d->yEdit, y);
        QTest::keyClick(d->windowHandle(), Qt::Key_Return);
        // accept() and reject() hide the dialog before anything goes out.
        QVERIFY(GuiTest::settle(d));
        QVERIFY(!d->isVisible());
        QCOMPARE(moved.count(), emitted ? 1 : 0);
        if (emitted) {
            QTEST(moved.first().at(0).toInt(), "dx");
            QTEST(moved.first().at(1).toInt(), "dy");
        }
    }

    void escapeKeepsTheTexts()
    {
        TempWorkDir dir;
        PageWindow<KMenuMovement> w;
        QVERIFY(w.show());
        KMovePointDialog *d = w.page->movePointDialog;
        QSignalSpy moved(w.page, SIGNAL(movePointChanged(int, int)));
        QVERIFY(openDialog(w));
        QVERIFY(!d->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        type(d->xEdit, "12.5");
        type(d->yEdit, "-3");
        QTest::keyClick(d->windowHandle(), Qt::Key_Escape);
        QVERIFY(GuiTest::settle(d));
        QVERIFY(!d->isVisible());
        QCOMPARE(moved.count(), 0);

        QVERIFY(GuiTest::activate(&w.window));
        QVERIFY(openDialog(w));
        QCOMPARE(d->xEdit->text(), QString("12.5"));
        QCOMPARE(d->yEdit->text(), QString("-3"));
        QTest::keyClick(d->windowHandle(), Qt::Key_Return);
        WAIT_COMPARE(moved.count(), 1);
        QCOMPARE(moved.first(), QList<QVariant>({1250, -300}));
    }
};

QTEST_MAIN(MovementPageTest)
#include "MovementPageTest.moc"
