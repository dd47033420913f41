#include "GuiTest.h"
#include "TempWorkDir.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"
#include "app/base/KeyOrder.h"
#include "app/base/LateKeys.h"
#include "files/KEditor.h"
#include "files/KPreview.h"
#include "library/KLibTable.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

#include <xcb/xproto.h>

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

// Runs `typed` when the window is shown, before the window system has given
// it the keyboard.
class OnShow : public QObject
{
public:
    OnShow(QWidget *window, std::function<void()> typed)
        : typed_(std::move(typed))
    {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            typed_();
        return false;
    }

private:
    std::function<void()> typed_;
};

void press(QWidget *widget, int key)
{
    GuiTest::key(widget, QEvent::KeyPress, key);
    GuiTest::key(widget, QEvent::KeyRelease, key);
}

// A press of the mouse on `widget` as the window system delivers it to its
// window; without a window manager the window system also gives that window
// the keyboard, which the program learns only a moment later (unless the
// press and release come in one turn, and the release closes the window).
void mouse(QWidget *widget, bool press = true, bool release = true, bool movesKeyboard = true)
{
    QWindow *window = widget->window()->windowHandle();
    const QPoint at = widget->mapTo(widget->window(), widget->rect().center());
    if (press) {
        if (movesKeyboard && !(window->flags() & Qt::WindowDoesNotAcceptFocus))
            window->requestActivate();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
    }
    if (release)
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at);
}

// A page's key row as the pages have it, 1024 x 60; returns its Esc key.
KButton *escRow(QWidget *page)
{
    page->resize(1024, 60);
    return FunctionKey::make(page, 0, QStringLiteral("<<"));
}

// A window that the window system never gives the keyboard from now on:
// shown once (this platform gives a window the keyboard when it is first
// shown), after which `page` has it again.
bool neverTakesTheKeyboard(QWidget *window, QWidget *page)
{
    window->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    window->show();
    if (!GuiTest::waitUntil([&] { return window->isActiveWindow(); }))
        return false;
    page->windowHandle()->requestActivate();
    return GuiTest::waitUntil([&] { return page->isActiveWindow(); });
}

// The window system takes the keyboard off every window of the program
// without telling it, as when the window that had it is gone.
bool keyboardOnNoWindow()
{
    auto *splash = new QWidget(nullptr, Qt::SplashScreen);
    splash->show();
    if (!GuiTest::waitUntil([&] { return splash->isActiveWindow(); }))
        return false;
    delete splash;
    return !QGuiApplication::focusWindow();
}

// The last of the watched windows raised over the others.
class RaiseOrder : public QObject
{
public:
    explicit RaiseOrder(const QList<QWidget *> &windows = {})
    {
        for (QWidget *window : windows)
            watch(window);
    }
    void watch(QWidget *window) { window->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ZOrderChange)
            top = static_cast<QWidget *>(watched);
        return false;
    }
    QWidget *top = nullptr;
};

// The toolkit's file dialogs as the pages show them, each opened by the
// page's own slot on a page made for it.
enum FileDialogOf { LibrarySave, EditorSaveAs, EditorOpen, LocalFolders, UsbFolders };

QFileDialog *openFileDialog(FileDialogOf which, QWidget *page)
{
    switch (which) {
    case LibrarySave: {
        auto *table = new KLibTable(page);
        table->saveas();
        return table->saveDialog;
    }
    case EditorSaveAs:
    case EditorOpen: {
        auto *editor = new KEditor(page);
        editor->loadFile(QDir::current().filePath(QStringLiteral("ncfile/p.nc")));
        QMetaObject::invokeMethod(editor, which == EditorOpen ? "openFile" : "saveAs");
        return which == EditorOpen ? editor->openFileDialog() : editor->saveFileDialog();
    }
    case LocalFolders:
    case UsbFolders: {
        auto *browser = new KPreview(page);
        if (which == LocalFolders)
            browser->foldhd();
        else
            browser->foldusb();
        return which == LocalFolders ? previewLocalDialog : previewUsbDialog;
    }
    }
    return nullptr;
}

} // namespace

class KeyFocusTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("TOVREL_KEY_LIMIT_REPORT", "1"); }

    void init()
    {
        QVERIFY(GuiTest::waitClickLockFree());
        limits = KeyOrder::instance()->limitReached();
        limitsExpected = 0;
    }

    // No key waits the whole limit unless a test asks for it.
    void cleanup()
    {
        KeyOrder::instance()->setWaitLimit(1000);
        QCOMPARE(KeyOrder::instance()->limitReached() - limits, limitsExpected);
    }

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
            QTRY_VERIFY(step.dialog.isActiveWindow());
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

    // Keys typed while F4's click is still to come follow that click: the
    // digits land in the dialog it opens, and the page's F10 pressed after
    // F4 belongs to the dialog too, so the page's key neither presses nor
    // clicks.
    void keysTypedBeforeAClickLandFollowIt()
    {
        QWidget page;
        page.resize(1024, 60);
        StepDialog step(&page);
        KButton *open = FunctionKey::make(&page, 4, QStringLiteral("四"));
        KButton *start = FunctionKey::make(&page, 9, QStringLiteral("十"), QString(), QKeySequence(Qt::Key_F10));
        connect(open, &KButton::clicked, &step.dialog, [&] { KeyFocus::open(&step.dialog); });
        QSignalSpy pressed(start, &KButton::pressed);
        QSignalSpy clicked(start, &KButton::clicked);
        QVERIFY(GuiTest::activate(&page));

        press(&page, Qt::Key_F4);
        QTest::keyClicks(&page, QStringLiteral("25"));
        press(&page, Qt::Key_F10);
        QVERIFY(open->isDown()); // nothing waited for the click
        QTRY_COMPARE(step.move->text(), QStringLiteral("25"));
        QVERIFY(step.dialog.isActiveWindow());
        press(&page, Qt::Key_Return);
        QTRY_VERIFY(!step.dialog.isVisible());
        QCOMPARE(step.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(pressed.count(), 0);
        QCOMPARE(clicked.count(), 0);
    }

    // One key twice within the click's 100 ms clicks twice; the lock still
    // passes only the first click on as kclicked().
    void sameKeyTwiceClicksTwice()
    {
        QWidget page;
        page.resize(1024, 60);
        KButton *mode = FunctionKey::make(&page, 4, QStringLiteral("四"));
        QSignalSpy clicked(mode, &KButton::clicked);
        QSignalSpy accepted(mode, &KButton::kclicked);
        QVERIFY(GuiTest::activate(&page));

        press(&page, Qt::Key_F4);
        press(&page, Qt::Key_F4);
        QTRY_COMPARE(clicked.count(), 2);
        QCOMPARE(accepted.count(), 1);
    }

    // F2 leaves a page and Esc follows at once: Esc belongs to the page F2
    // opened, and the left page's Esc, wired to plain clicked(), stays still.
    void escAfterAPageKeyActsOnTheNextPage()
    {
        QWidget window;
        window.resize(1024, 200);
        QWidget first(&window), second(&window);
        for (QWidget *row : {&first, &second})
            row->setGeometry(0, 0, 1024, 200);
        KButton *firstEsc = FunctionKey::make(&first, 0, QStringLiteral("<<"));
        KButton *toSecond = FunctionKey::make(&first, 2, QStringLiteral("二"));
        KButton *secondEsc = FunctionKey::make(&second, 0, QStringLiteral("<<"));
        second.hide();
        connect(toSecond, &KButton::kclicked, &window, [&] {
            first.hide();
            second.show();
        });
        QSignalSpy firstBack(firstEsc, &KButton::clicked);
        QSignalSpy secondBack(secondEsc, &KButton::clicked);
        QVERIFY(GuiTest::activate(&window));

        press(&window, Qt::Key_F2);
        press(&window, Qt::Key_Escape);
        QTRY_COMPARE(secondBack.count(), 1);
        QCOMPARE(firstBack.count(), 0);
        QVERIFY(second.isVisible());
    }

    // A box comes up over the window (an alarm, not a key) and a key is
    // typed as it appears, before it has the keyboard: the key answers the
    // box, and neither the page's key nor a click on the page behind the box
    // acts.
    void keyTypedWhileABoxOpensAnswersIt()
    {
        QWidget page;
        KButton *pageEsc = escRow(&page);
        KButton *pageF1 = FunctionKey::make(&page, 1, QStringLiteral("一"));
        QSignalSpy pageBack(pageEsc, &KButton::pressed);
        QSignalSpy pageOne(pageF1, &KButton::pressed);
        QVERIFY(GuiTest::activate(&page));
        QDialog box(&page);
        bool activeWhenTyped = true;
        OnShow typed(&box, [&] {
            activeWhenTyped = box.isActiveWindow();
            press(&page, Qt::Key_Escape);
            QTest::mouseClick(pageF1, Qt::LeftButton);
        });
        // A box the key missed ends anyway, with another result.
        QTimer::singleShot(5000, &box, [&] { box.done(2); });
        QCOMPARE(KeyFocus::exec(&box), int(QDialog::Rejected));
        QVERIFY(!activeWhenTyped);
        QCOMPARE(pageBack.count(), 0);
        QCOMPARE(pageOne.count(), 0);
        QTRY_VERIFY(page.isActiveWindow());
    }

    // A press on the page behind a box: the window system gives the page the
    // keyboard (as it does without a window manager), the box takes it back
    // at once, and the keys typed at the page answer the box without
    // waiting; the page's key does not act.
    void boxKeepsTheKeyboardFromAPressBehindIt()
    {
        QWidget page;
        KButton *pageEsc = escRow(&page);
        QSignalSpy pageBack(pageEsc, &KButton::pressed);
        QVERIFY(GuiTest::activate(&page));
        QDialog box(&page);
        const int limits = KeyOrder::instance()->limitReached();
        QTimer::singleShot(0, &box, [&] {
            QVERIFY(GuiTest::waitUntil([&] { return box.isActiveWindow(); }));
            page.windowHandle()->requestActivate();
            QTest::mouseClick(page.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
            press(&page, Qt::Key_Escape);
        });
        QTimer::singleShot(5000, &box, [&] { box.done(2); });
        QCOMPARE(KeyFocus::exec(&box), int(QDialog::Rejected));
        QCOMPARE(pageBack.count(), 0);
        QCOMPARE(KeyOrder::instance()->limitReached(), limits);
    }

    // "1" typed while the dialog opens is held for it; "2" typed the moment
    // it has the keyboard, before the held key is handed on, follows it.
    void keyTypedAsTheKeyboardArrivesFollowsHeldKeys()
    {
        QWidget page;
        StepDialog step(&page);
        QVERIFY(GuiTest::activate(&page));
        bool typed = false;
        connect(qApp, &QGuiApplication::focusWindowChanged, &page, [&](QWindow *focus) {
            if (!typed && focus == step.dialog.windowHandle()) {
                typed = true;
                QTest::keyClicks(step.move, QStringLiteral("2"));
            }
        });
        KeyFocus::open(&step.dialog);
        QTest::keyClicks(&page, QStringLiteral("1"));
        WAIT_VERIFY(typed && KeyOrder::instance()->heldKeys() == 0);
        QCOMPARE(step.move->text(), QStringLiteral("12"));
        step.dialog.reject();
    }

    // Keys held while a dialog opens keep the times they were typed: its two
    // keys typed 150 ms apart both act, though handed on together.
    void heldKeysKeepTheirTypingTimes()
    {
        QWidget page;
        page.resize(1024, 60);
        QDialog dialog(&page);
        dialog.resize(1024, 60);
        KButton *one = FunctionKey::make(&dialog, 1, QStringLiteral("一"));
        KButton *two = FunctionKey::make(&dialog, 2, QStringLiteral("二"));
        QSignalSpy oneAccepted(one, &KButton::kclicked);
        QSignalSpy twoAccepted(two, &KButton::kclicked);
        QVERIFY(GuiTest::activate(&page));
        KeyFocus::open(&dialog);
        const unsigned long t = 800000;
        GuiTest::typeAt(&page, Qt::Key_F1, t);
        GuiTest::typeAt(&page, Qt::Key_F2, t + 150);
        QCOMPARE(KeyOrder::instance()->heldKeys(), 2);
        WAIT_COMPARE(twoAccepted.count(), 1);
        QCOMPARE(oneAccepted.count(), 1);
        dialog.reject();
    }

    // A key that reaches the page behind a box that has the keyboard goes to
    // the box: the page's key and field stay still, and Esc answers the box.
    void keyAtThePageBehindABoxGoesToTheBox()
    {
        QWidget page;
        page.resize(1024, 60);
        KButton *pageF1 = FunctionKey::make(&page, 1, QStringLiteral("一"));
        auto *field = new QLineEdit(&page);
        field->setFocus();
        QSignalSpy pageOne(pageF1, &KButton::pressed);
        QVERIFY(GuiTest::activate(&page));
        QDialog box(&page);
        QTimer::singleShot(0, &box, [&] {
            QVERIFY(GuiTest::waitUntil([&] { return box.isActiveWindow(); }));
            press(&page, Qt::Key_F1);
            QTest::keyClicks(&page, QStringLiteral("7"));
            press(&page, Qt::Key_Escape);
        });
        QTimer::singleShot(5000, &box, [&] { box.done(2); });
        QCOMPARE(KeyFocus::exec(&box), int(QDialog::Rejected));
        QCOMPARE(pageOne.count(), 0);
        QCOMPARE(field->text(), QString());
    }

    // A key handed on from the queue opens a box: the keys typed behind it
    // answer the box in the order typed, and a later key, even the same key
    // as the one handed on, waits behind them.
    void keysBehindAHandedKeyKeepTheirOrder()
    {
        QWidget page;
        page.resize(1024, 60);
        KButton *open = FunctionKey::make(&page, 2, QStringLiteral("二"));
        QDialog dialog(&page);
        auto *ok = new KButton(&dialog);
        ok->setShortcut(QKeySequence(Qt::Key_Return));
        QDialog box(&dialog);
        QStringList seen;
        int oks = 0;
        connect(open, &KButton::kclicked, &dialog, [&] { KeyFocus::open(&dialog); });
        connect(ok, &KButton::clicked, &dialog, [&] {
            if (++oks > 1) {
                dialog.accept();
                return;
            }
            // The write failed: a box. The operator presses Return again
            // while it opens, where the keyboard still is.
            QTimer::singleShot(0, &dialog, [&] { press(&dialog, Qt::Key_Return); });
            // A box the keys missed ends anyway, with another result.
            QTimer::singleShot(5000, &box, [&] { box.done(2); });
            const int answer = KeyFocus::exec(&box);
            seen << (answer == QDialog::Rejected ? "box Esc" : answer == QDialog::Accepted ? "box Return" : "box left");
        });
        connect(&dialog, &QDialog::finished, &page,
                [&](int result) { seen << (result == QDialog::Accepted ? "dialog Return" : "dialog Esc"); });
        QVERIFY(GuiTest::activate(&page));

        press(&page, Qt::Key_F2);
        press(&page, Qt::Key_Return);
        press(&page, Qt::Key_Escape);
        QTRY_COMPARE(seen, (QStringList{"box Esc", "dialog Return"}));
        // The last release may still wait for its turn.
        WAIT_COMPARE(KeyOrder::instance()->heldKeys(), 0);
    }

    // A key pressed with the mouse opens a box and is released while it
    // stands: it comes up and tells it was released, without a click behind
    // the box; a click that starts behind the box reaches nothing.
    void releaseReachesAKeyPressedBeforeABox()
    {
        QWidget page;
        page.resize(1024, 60);
        KButton *jog = FunctionKey::make(&page, 1, QStringLiteral("一"));
        KButton *other = FunctionKey::make(&page, 2, QStringLiteral("二"));
        QSignalSpy released(jog, &KButton::released);
        QSignalSpy clicked(jog, &KButton::clicked);
        QSignalSpy otherPressed(other, &KButton::pressed);
        QVERIFY(GuiTest::activate(&page));
        QDialog box(&page);
        bool upBehindTheBox = false;
        connect(jog, &KButton::pressed, &box, [&] {
            OnShow behind(&box, [&] {
                QTimer::singleShot(0, &box, [&] {
                    mouse(jog, false, true);
                    upBehindTheBox = !jog->isDown() && box.isVisible();
                    mouse(other);
                    box.reject();
                });
            });
            KeyFocus::exec(&box);
        });
        mouse(jog, true, false);
        QVERIFY(upBehindTheBox);
        QCOMPARE(released.count(), 1);
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(otherPressed.count(), 0);

        // Any other widget gets the release off itself: a check box is
        // neither toggled nor left down.
        auto *check = new QCheckBox(QStringLiteral("微动"), &page);
        check->resize(check->sizeHint()); // pressed in its middle, on the box or its text
        // As on the pages: one that had the keyboard would come up as the box
        // took it.
        check->setFocusPolicy(Qt::NoFocus);
        check->show();
        QSignalSpy toggled(check, &QCheckBox::toggled);
        mouse(check, true, false);
        QVERIFY(check->isDown());
        QTimer::singleShot(0, &box, [&] {
            mouse(check, false, true);
            box.reject();
        });
        KeyFocus::exec(&box);
        QVERIFY(!check->isDown());
        QCOMPARE(toggled.count(), 0);
    }

    // A scroll arrow pressed before a box opened and released behind it
    // stops: the list does not run on by itself once the box is gone.
    void scrollArrowReleasedBehindABoxStops()
    {
        QWidget page;
        page.resize(200, 300);
        auto *bar = new QScrollBar(Qt::Vertical, &page);
        bar->setGeometry(0, 0, 20, 300);
        bar->setRange(0, 100000);
        QVERIFY(GuiTest::activate(&page));
        QWindow *window = page.windowHandle();
        const QPoint downArrow(10, 295);
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, downArrow);
        QCOMPARE(bar->value(), bar->singleStep());
        QDialog box(&page);
        QTimer::singleShot(0, &box, [&] {
            QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, downArrow);
            box.reject();
        });
        KeyFocus::exec(&box);
        const int stopped = bar->value();
        // Longer than the arrow's first repeat waits.
        QTest::qWait(1000);
        QCOMPARE(bar->value(), stopped);
    }

    void pressHeldUnderAnotherDialog_data()
    {
        QTest::addColumn<bool>("covering");
        QTest::newRow("put over the point held") << true;
        QTest::newRow("opened beside it") << false;
    }

    // Two dialogs stand at once: a key gives the other one the keyboard, and
    // it comes over the 确定 the mouse holds. The operator sees that dialog
    // where he lets go, so the hidden 确定 must not save; beside it, the
    // release clicks as ever.
    void pressHeldUnderAnotherDialog()
    {
        QFETCH(bool, covering);
        QWidget page;
        page.resize(800, 600);
        QVERIFY(GuiTest::activate(&page));
        QDialog first(&page);
        first.setGeometry(100, 100, 300, 200);
        // As the configuration dialogs' 确定: a key, which never takes the
        // keyboard, so the dialog's going from the keyboard leaves it down.
        auto *ok = new KButton(&first);
        ok->setText(QStringLiteral("确定"));
        ok->setGeometry(20, 150, 80, 30);
        QSignalSpy clicked(ok, &KButton::clicked);
        QSignalSpy released(ok, &KButton::released);
        QDialog second(&page);
        second.setGeometry(covering ? 50 : 450, 150, 300, 200);
        KeyFocus::open(&first);
        WAIT_VERIFY(first.isActiveWindow());
        QWindow *window = first.windowHandle();
        const QPoint at = ok->geometry().center();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
        QVERIFY(ok->isDown());
        KeyFocus::open(&second);
        WAIT_VERIFY(second.isActiveWindow());
        QCOMPARE(ok->isDown(), !covering);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(clicked.count(), covering ? 0 : 1);
        QCOMPARE(released.count(), 1);
        QVERIFY(!ok->isDown());
    }

    // A dialog is opening and the window system has not given it the
    // keyboard yet: keys wait for it. A press on the dialog itself keeps them
    // waiting; a press on the page (the operator left the dialog) hands them
    // on at once, and Esc and F10 typed from then on act as they come.
    void pressesDecideTheWaitForAnOpeningDialog()
    {
        QWidget page;
        KButton *pageEsc = escRow(&page);
        KButton *stop = FunctionKey::make(&page, 9, QStringLiteral("十"), QString(), QKeySequence(Qt::Key_F10));
        QSignalSpy back(pageEsc, &KButton::pressed);
        QSignalSpy stopped(stop, &KButton::pressed);
        QVERIFY(GuiTest::activate(&page));
        QDialog dialog(&page);
        auto *field = new QLineEdit(&dialog);
        QVERIFY(neverTakesTheKeyboard(&dialog, &page));
        KeyOrder::instance()->setWaitLimit(60000);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("WindowDoesNotAcceptFocus"));
        KeyFocus::open(&dialog);
        press(&page, Qt::Key_Escape);
        QCOMPARE(KeyOrder::instance()->heldKeys(), 2);
        mouse(field);
        // Whatever the press set going has run.
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
        QCOMPARE(KeyOrder::instance()->heldKeys(), 2);
        mouse(&page);
        WAIT_COMPARE(back.count(), 1);
        QVERIFY(GuiTest::waitClickLockFree());
        GuiTest::key(&page, QEvent::KeyPress, Qt::Key_F10);
        QCOMPARE(stopped.count(), 1);
        GuiTest::key(&page, QEvent::KeyRelease, Qt::Key_F10);
        press(&page, Qt::Key_Escape);
        QCOMPARE(back.count(), 2);
        dialog.hide();
    }

    // Keys typed while a dialog opens go to it the moment it has the
    // keyboard, long before any limit.
    void keysGoWhenTheKeyboardArrives()
    {
        QWidget page;
        StepDialog step(&page);
        QVERIFY(GuiTest::activate(&page));
        KeyOrder::instance()->setWaitLimit(60000);
        KeyFocus::open(&step.dialog);
        QTest::keyClicks(&page, QStringLiteral("42"));
        WAIT_COMPARE(step.move->text(), QStringLiteral("42"));
        step.dialog.reject();
    }

    // A box opened from inside a box keeps the keyboard and the clicks from
    // the outer one too: a click on the outer box's button does nothing, and
    // keys typed at the outer box answer the inner one. Once the inner box
    // is gone, a key at the outer box acts there as it is typed.
    void innerBoxKeepsTheKeyboard()
    {
        QWidget page;
        QVERIFY(GuiTest::activate(&page));
        QDialog outer(&page);
        auto *outerOk = new QPushButton(QStringLiteral("确定"), &outer);
        connect(outerOk, &QPushButton::clicked, &outer, &QDialog::accept);
        QDialog inner(&outer);
        int innerResult = -1;
        bool outerGoneAtOnce = false;
        QTimer::singleShot(0, &outer, [&] {
            QTimer::singleShot(0, &inner, [&] {
                QVERIFY(GuiTest::waitUntil([&] { return inner.isActiveWindow(); }));
                mouse(outerOk);
                press(&outer, Qt::Key_Escape);
            });
            QTimer::singleShot(5000, &inner, [&] { inner.done(2); });
            innerResult = KeyFocus::exec(&inner);
            QVERIFY(GuiTest::waitUntil([&] { return outer.isActiveWindow(); }));
            press(&outer, Qt::Key_Escape);
            outerGoneAtOnce = !outer.isVisible();
        });
        QTimer::singleShot(5000, &outer, [&] { outer.done(2); });
        QCOMPARE(KeyFocus::exec(&outer), int(QDialog::Rejected));
        QCOMPARE(innerResult, int(QDialog::Rejected));
        QVERIFY(outerGoneAtOnce);
    }

    // A box the window system never gives the keyboard: a key typed at the
    // page behind it waits the whole limit, is counted and told on the
    // console, then answers the box, never the page.
    void keyAtTheLimitAnswersTheBox()
    {
        QWidget page;
        KButton *pageEsc = escRow(&page);
        QSignalSpy back(pageEsc, &KButton::pressed);
        QVERIFY(GuiTest::activate(&page));
        QDialog box(&page);
        QVERIFY(neverTakesTheKeyboard(&box, &page));
        KeyOrder::instance()->setWaitLimit(50);
        QTest::ignoreMessage(QtWarningMsg, "key held to the limit: the keyboard did not arrive");
        limitsExpected = 1;
        QTimer::singleShot(0, &box, [&] { press(&page, Qt::Key_Escape); });
        QTimer::singleShot(5000, &box, [&] { box.done(2); });
        QCOMPARE(KeyFocus::exec(&box), int(QDialog::Rejected));
        QCOMPARE(back.count(), 0);
    }

    // The operator left a dialog for the page, the keyboard then went off
    // every window (the window system told nothing), and the dialog is
    // closed by a click on its own button, press and release in one turn:
    // the page gets the keyboard back and the next key acts there.
    void dialogClosedByItsOwnClickGivesThePageTheKeyboard()
    {
        QWidget page;
        KButton *pageEsc = escRow(&page);
        QSignalSpy back(pageEsc, &KButton::pressed);
        QVERIFY(GuiTest::activate(&page));
        QDialog dialog(&page);
        auto *cancel = new QPushButton(QStringLiteral("取消"), &dialog);
        connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
        KeyFocus::open(&dialog);
        WAIT_VERIFY(dialog.isActiveWindow());
        mouse(&page);
        WAIT_VERIFY(page.isActiveWindow());
        QVERIFY(keyboardOnNoWindow());
        QVERIFY(!page.isActiveWindow());

        mouse(cancel, true, true, false);
        QVERIFY(!dialog.isVisible());
        WAIT_VERIFY(page.isActiveWindow());
        press(&page, Qt::Key_Escape);
        QCOMPARE(back.count(), 1);
    }

    // Without a window manager a dialog shown again comes back at its old
    // place in the stack, and a pressed one stays where it lies: the window
    // given the keyboard is put on top, the page staying under its dialogs.
    void windowGivenTheKeyboardIsOnTop()
    {
        QWidget page;
        QVERIFY(GuiTest::activate(&page));
        StepDialog first(&page);
        StepDialog second(&page);
        RaiseOrder order({&page, &first.dialog, &second.dialog});
        KeyFocus::open(&second.dialog);
        WAIT_VERIFY(second.dialog.isActiveWindow());
        second.dialog.reject();
        KeyFocus::open(&first.dialog);
        WAIT_VERIFY(first.dialog.isActiveWindow());
        mouse(&page);
        WAIT_VERIFY(page.isActiveWindow());
        QCOMPARE(order.top, &first.dialog);

        KeyFocus::open(&second.dialog);
        QCOMPARE(order.top, &second.dialog);
        WAIT_VERIFY(second.dialog.isActiveWindow());
        mouse(first.move);
        WAIT_VERIFY(first.dialog.isActiveWindow());
        QCOMPARE(order.top, &first.dialog);
        first.dialog.reject();
        WAIT_VERIFY(second.dialog.isActiveWindow());
        QCOMPARE(order.top, &second.dialog);
        second.dialog.reject();
    }

    // A key the window system sends to a window the program has closed (a
    // box closed by a click a moment before the key was typed) acts where
    // the keyboard must be: readdressed before the toolkit, which would drop
    // it once the window is gone, sees it; and handed on by the key queue
    // where it reaches the closed window all the same.
    void keyForAClosedWindowActsWhereTheKeyboardMustBe()
    {
        QWidget page;
        KButton *pageEsc = escRow(&page);
        QSignalSpy back(pageEsc, &KButton::pressed);
        QVERIFY(GuiTest::activate(&page));
        QDialog box(&page);
        QTimer::singleShot(0, &box, [&] {
            QTRY_VERIFY(box.isActiveWindow());
            box.reject();
            press(&box, Qt::Key_Escape);
        });
        QCOMPARE(KeyFocus::exec(&box), int(QDialog::Rejected));
        WAIT_COMPARE(back.count(), 1);

        xcb_key_press_event_t key{};
        key.response_type = XCB_KEY_PRESS;
        key.event = 0x7ffffff0; // no window of the program's
        LateKeys late;
        QVERIFY(!late.nativeEventFilter("xcb_generic_event_t", &key, nullptr));
        QCOMPARE(key.event, xcb_window_t(page.winId()));
        key.response_type = XCB_KEY_RELEASE;
        key.event = xcb_window_t(box.winId()); // hidden, not yet gone
        QVERIFY(!late.nativeEventFilter("xcb_generic_event_t", &key, nullptr));
        QCOMPARE(key.event, xcb_window_t(page.winId()));
        key.event = xcb_window_t(page.winId());
        QVERIFY(!late.nativeEventFilter("xcb_generic_event_t", &key, nullptr));
        QCOMPARE(key.event, xcb_window_t(page.winId()));
    }

    // A click on a window that the toolkit's own modal box blocks gives that
    // window the keyboard for a moment: a key typed then goes to the box,
    // where the toolkit would have dropped it.
    void keyForAWindowABoxBlocksGoesToTheBox()
    {
        QWidget chooser;
        chooser.resize(300, 200);
        QVERIFY(GuiTest::activate(&chooser));
        QMessageBox box(QMessageBox::Warning, QString(), QStringLiteral("目录未找到"), QMessageBox::Ok, &chooser);
        bool readdressed = false;
        QTimer::singleShot(0, &box, [&] {
            if (!GuiTest::waitUntil([&] { return box.isActiveWindow(); })) {
                box.reject();
                return;
            }
            xcb_key_press_event_t key{};
            key.response_type = XCB_KEY_PRESS;
            key.event = xcb_window_t(chooser.winId());
            LateKeys late;
            QVERIFY(!late.nativeEventFilter("xcb_generic_event_t", &key, nullptr));
            readdressed = key.event == xcb_window_t(box.winId());
            // Delivered as the platform plugin delivers it: to the window it
            // names.
            QWidget *to = key.event == xcb_window_t(box.winId()) ? static_cast<QWidget *>(&box) : &chooser;
            press(to, Qt::Key_Return);
            if (box.isVisible())
                box.reject();
        });
        QCOMPARE(box.exec(), int(QMessageBox::Ok));
        QVERIFY(readdressed);
    }

    // A dialog (not a box) the window system never gives the keyboard: keys
    // typed meanwhile wait the whole limit, then act in the dialog, which
    // the program makes the active window, not on the page that still has
    // the keyboard.
    void keysAtTheLimitActInTheDialog()
    {
        QWidget page;
        KButton *pageEsc = escRow(&page);
        QSignalSpy back(pageEsc, &KButton::pressed);
        StepDialog step(&page);
        QVERIFY(GuiTest::activate(&page));
        QVERIFY(neverTakesTheKeyboard(&step.dialog, &page));
        KeyOrder::instance()->setWaitLimit(50);
        // Asked at the opening, and again as the program makes it active.
        for (int asked = 0; asked < 2; ++asked)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("WindowDoesNotAcceptFocus"));
        QTest::ignoreMessage(QtWarningMsg, "key held to the limit: the keyboard did not arrive");
        limitsExpected = 1;
        KeyFocus::open(&step.dialog);
        QTest::keyClicks(&page, QStringLiteral("42"));
        press(&page, Qt::Key_Escape);
        WAIT_VERIFY(!step.dialog.isVisible());
        QCOMPARE(step.move->text(), QStringLiteral("42"));
        QCOMPARE(back.count(), 0);
    }

    // A key that no shortcut takes, sent late to a box's window after the
    // box closed and the page has the keyboard again, edits the page's
    // field, ahead of a key typed at the page after it: a Backspace for the
    // box, then "2" at the page, turn "1" into "2"; a Backspace lost would
    // leave "12", one handed on behind the "2" "1".
    void editingKeyForAClosedBoxEditsThePageField()
    {
        QWidget page;
        escRow(&page);
        auto *field = new QLineEdit(QStringLiteral("1"), &page);
        field->move(500, 15);
        field->setFocus();
        QVERIFY(GuiTest::activate(&page));
        QDialog box(&page);
        bool hadKeyboard = false;
        QTimer::singleShot(0, &box, [&] {
            hadKeyboard = GuiTest::waitUntil([&] { return box.isActiveWindow(); });
            box.reject();
        });
        QCOMPARE(KeyFocus::exec(&box), int(QDialog::Rejected));
        QVERIFY(hadKeyboard);
        WAIT_VERIFY(page.isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), field);
        QWindow *closed = box.windowHandle();
        QVERIFY(closed && !closed->isVisible());

        QTest::keyClick(closed, Qt::Key_Backspace);
        QTest::keyClick(page.windowHandle(), '2');
        WAIT_COMPARE(KeyOrder::instance()->heldKeys(), 0);
        QCOMPARE(field->text(), QStringLiteral("2"));
        QCOMPARE(QApplication::focusWidget(), field);
    }

    void dropDownListOnTop_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("library 优化保存") << int(LibrarySave);
        QTest::newRow("editor 另存为..") << int(EditorSaveAs);
        QTest::newRow("editor 打开..") << int(EditorOpen);
        QTest::newRow("browser 本地文件") << int(LocalFolders);
        QTest::newRow("browser U盘文件") << int(UsbFolders);
    }

    // The operator leaves a file dialog for the page, then clicks one of its
    // drop-down boxes: the press opens the list before the window system
    // gives the dialog the keyboard, and the dialog, raised then, must not
    // come over its own list. The list takes the keys while it stands;
    // Escape closes it alone, Return picks its row, and the dialog keeps
    // the keyboard. This platform stacks nothing: the order the windows
    // were raised in stands for the stack, which the key roads see on a
    // real display.
    void dropDownListOnTop()
    {
        QFETCH(int, which);
        TempWorkDir dir;
        QVERIFY(dir.writeFile(QStringLiteral("ncfile/p.nc"), "G01 X10 Y0\n"));
        QWidget page;
        page.resize(1024, 900);
        auto *beside = new QWidget(&page);
        beside->setGeometry(0, 800, 1024, 100);
        QVERIFY(GuiTest::activate(&page));
        QFileDialog *dialog = openFileDialog(FileDialogOf(which), &page);
        QVERIFY(dialog);
        WAIT_VERIFY(dialog->isActiveWindow());
        RaiseOrder order({dialog});

        // Opens the list of the box named `box` after a press beside the
        // dialog; true once it stands, taking the input, over the dialog.
        auto openList = [&](const char *box) -> QWidget * {
            mouse(beside);
            if (!GuiTest::waitUntil([&] { return page.isActiveWindow(); }))
                return nullptr;
            auto *combo = dialog->findChild<QComboBox *>(QString::fromLatin1(box));
            if (!combo || !combo->isEnabled())
                return nullptr;
            QWidget *list = combo->view()->window();
            order.watch(list);
            bool dialogGiven = false;
            const auto seen = connect(qApp, &QGuiApplication::focusWindowChanged, &page,
                                      [&](QWindow *focus) { dialogGiven |= focus == dialog->windowHandle(); });
            // As on the console: the press opens the list, then the window
            // system gives the dialog the keyboard, and the list's grab
            // takes it from there.
            mouse(combo, true, true, false);
            dialog->windowHandle()->requestActivate();
            list->windowHandle()->requestActivate();
            const bool came = GuiTest::waitUntil(
                [&] { return dialogGiven && QGuiApplication::focusWindow() == list->windowHandle(); });
            disconnect(seen);
            return came ? list : nullptr;
        };
        // As the window system sends a key: to the window that has the
        // keyboard, the list's while it stands.
        auto typed = [](Qt::Key key) { QTest::keyClick(QGuiApplication::focusWindow(), key); };

        QWidget *types = openList("fileTypeCombo");
        QVERIFY(types);
        QVERIFY(types->isVisible());
        QCOMPARE(QApplication::activePopupWidget(), types);
        QCOMPARE(order.top, types);
        typed(Qt::Key_Escape);
        WAIT_VERIFY(!types->isVisible());
        QVERIFY(dialog->isVisible());
        WAIT_VERIFY(dialog->isActiveWindow());
        QCOMPARE(QApplication::focusWidget()->window(), dialog);

        QWidget *folders = openList("lookInCombo");
        QVERIFY(folders);
        QCOMPARE(QApplication::activePopupWidget(), folders);
        QCOMPARE(order.top, folders);
        auto *rows = qobject_cast<QAbstractItemView *>(dialog->findChild<QComboBox *>("lookInCombo")->view());
        const int first = rows->currentIndex().row();
        typed(Qt::Key_Down);
        QCOMPARE(rows->currentIndex().row(), first + 1);
        const QString picked = QDir::fromNativeSeparators(rows->currentIndex().data().toString());
        typed(Qt::Key_Return);
        WAIT_VERIFY(!folders->isVisible());
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->directory().absolutePath(), picked);
        WAIT_VERIFY(dialog->isActiveWindow());

        // No list: Escape closes the dialog, as ever.
        typed(Qt::Key_Escape);
        WAIT_VERIFY(!dialog->isVisible());
        WAIT_VERIFY(page.isActiveWindow());
        WAIT_COMPARE(KeyOrder::instance()->heldKeys(), 0);
    }

private:
    int limits = 0;
    int limitsExpected = 0;
};

QTEST_MAIN(KeyFocusTest)
#include "KeyFocusTest.moc"
