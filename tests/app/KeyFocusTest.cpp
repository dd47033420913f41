#include "GuiTest.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// A parameter dialog as the pages have them: numbered rows with a text.
struct StepDialog {
    QDialog dialog;
    QLineEdit *move;
    QLineEdit *turn;

    explicit StepDialog(QWidget *page)
        : dialog(page)
    {
        auto *hint = new QLabel(QStringLiteral("说明"), &dialog);
        hint->move(0, 0);
        auto *label = new QLabel(QStringLiteral("[&1]"), &dialog);
        move = new QLineEdit(QStringLiteral("10"), &dialog);
        label->setBuddy(move);
        turn = new QLineEdit(QStringLiteral("10"), &dialog);
        auto *ok = new KButton(&dialog);
        ok->setShortcut(QKeySequence(Qt::Key_Return));
        QObject::connect(ok, &KButton::clicked, &dialog, &QDialog::accept);
    }
};

void press(QWidget *widget, int key)
{
    GuiTest::key(widget, QEvent::KeyPress, key);
    GuiTest::key(widget, QEvent::KeyRelease, key);
}

} // namespace

class KeyFocusTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(GuiTest::waitClickLockFree()); }

    // Typing right after the opening goes into the first field and replaces
    // its text; each opening starts there again; closing gives the keyboard
    // back to the page.
    void dialogTakesTheKeyboardAndGivesItBack()
    {
        QWidget page;
        StepDialog step(&page);
        QVERIFY(GuiTest::activate(&page));

        for (int round = 0; round < 2; ++round) {
            KeyFocus::open(&step.dialog);
            QVERIFY(step.dialog.isActiveWindow());
            QCOMPARE(QApplication::focusWidget(), step.move);
            QTest::keyClicks(QApplication::focusWidget(), round == 0 ? "2.5" : "7");
            QCOMPARE(step.move->text(), QString(round == 0 ? "2.5" : "7"));
            step.turn->setFocus(Qt::TabFocusReason);
            press(&step.dialog, Qt::Key_Return);
            QTRY_VERIFY(!step.dialog.isVisible());
            QTRY_VERIFY(page.isActiveWindow());
        }
        QCOMPARE(step.dialog.result(), int(QDialog::Accepted));
    }

    // A box run to its end has the keyboard while it is open, then the
    // window that had it before gets it back.
    void modalBoxGivesTheKeyboardBack()
    {
        QWidget page;
        QVERIFY(GuiTest::activate(&page));
        QDialog box(&page);
        bool hadKeyboard = false;
        QTimer::singleShot(0, &box, [&] {
            QTRY_VERIFY(box.isActiveWindow());
            hadKeyboard = true;
            press(&box, Qt::Key_Escape);
        });
        QCOMPARE(KeyFocus::exec(&box), int(QDialog::Rejected));
        QVERIFY(hadKeyboard);
        QTRY_VERIFY(page.isActiveWindow());
    }

    // F4 opens a dialog and F10 follows before F4's click has landed: F10's
    // click belongs to the page, which no longer has the keyboard, so only
    // its release goes out.
    void lateClickOfAPageDoesNotLandOverItsDialog()
    {
        QWidget page;
        page.resize(1024, 60);
        StepDialog step(&page);
        KButton *open = FunctionKey::make(&page, 4, QStringLiteral("四"));
        KButton *start = FunctionKey::make(&page, 9, QStringLiteral("十"), QString(), QKeySequence(Qt::Key_F10));
        connect(open, &KButton::clicked, &step.dialog, [&] { KeyFocus::open(&step.dialog); });
        QSignalSpy clicked(start, &KButton::clicked);
        QSignalSpy released(start, &KButton::released);
        QVERIFY(GuiTest::activate(&page));

        press(&page, Qt::Key_F10);
        QTRY_COMPARE(clicked.count(), 1);

        press(&page, Qt::Key_F4);
        press(&page, Qt::Key_F10);
        QTRY_COMPARE(released.count(), 2);
        QVERIFY(step.dialog.isActiveWindow());
        QCOMPARE(clicked.count(), 1);
        QVERIFY(!start->isDown());
    }
};

QTEST_MAIN(KeyFocusTest)
#include "KeyFocusTest.moc"
