#include "GuiTest.h"

#include "app/base/FileIcon.h"
#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "app/base/TextFit.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

class KButtonTest : public QObject
{
    Q_OBJECT

private slots:
    // A text is fitted where it is seen: a hidden widget keeps its font until
    // it is first shown (measuring loads every size tried), then gets the
    // font for the last text it was given; a shown one is fitted at once.
    void textFitsWhenShown()
    {
        QWidget page;
        page.resize(300, 100);
        QLabel label(&page);
        QFont font = label.font();
        font.setPointSize(20);
        label.setFont(font);
        const QString longText = QStringLiteral("穿孔后割炬下降时间，自动升降有效时应设为0。");
        const int width = 120;
        TextFit::fitWidget(&label, QStringLiteral("short"), width);
        TextFit::fitWidget(&label, longText, width);
        QCOMPARE(label.font().pointSize(), 20);
        page.show();
        QVERIFY(label.font().pointSize() < 20);
        QVERIFY(TextFit::widestLine(label.font(), longText) <= width
                || label.font().pointSize() == TextFit::kMinPointSize);
        label.setFont(font);
        TextFit::fitWidget(&label, longText, width);
        QVERIFY(label.font().pointSize() < 20);
    }

    void initTestCase() { Q_INIT_RESOURCE(icons); }
    void init() { QVERIFY(GuiTest::waitClickLockFree()); }

    void lookAndFocus()
    {
        QWidget page;
        KButton b(&page);
        QCOMPARE(b.focusPolicy(), Qt::NoFocus);
        QCOMPARE(b.styleSheet(),
                 QString("QPushButton{background-color: palegoldenrod;border-width:2px;border-color: darkkhaki;"
                         "border-style: solid;border-radius: 8;} QPushButton:pressed{padding-left:2px;"
                         "padding-top:2px;background-color:#d0d67c;}"));
        QVERIFY(b.text().isEmpty());
        QVERIFY(b.icon().isNull());
    }

    // A click the program makes has no input time: the flag decides, taken
    // for 100 ms by a single-shot, precise timer from the accepted click.
    void lockWithoutInputTimeHoldsOneHundredMilliseconds()
    {
        QWidget page;
        KButton b(&page);
        QSignalSpy k(&b, SIGNAL(kclicked()));
        QSignalSpy c(&b, SIGNAL(clicked()));
        QTimer *release = KButton::lockRelease();
        QCOMPARE(release->interval(), 100);
        QVERIFY(release->isSingleShot());
        QCOMPARE(release->timerType(), Qt::PreciseTimer);
        QSignalSpy released(release, &QTimer::timeout);

        b.click();
        QCOMPARE(k.count(), 1);
        QVERIFY(clickLock);
        QVERIFY(release->remainingTime() > 90);
        b.click();
        QCOMPARE(c.count(), 2);
        QCOMPARE(k.count(), 1);

        QVERIFY(released.wait(1000));
        QVERIFY(!clickLock);
        b.click();
        QCOMPARE(k.count(), 2);
    }

    // Keys are judged by the time they were typed, not by when they are
    // handled: presses 99 ms apart act once even when the second is handled
    // long after the lock's timer ran out, 100 ms apart twice even when both
    // are handled at once. A mouse release counts as a press does.
    void lockByInputTime()
    {
        QWidget page;
        page.resize(1024, 60);
        KButton *f1 = FunctionKey::make(&page, 1, QStringLiteral("一"));
        QSignalSpy clicked(f1, &KButton::clicked);
        QSignalSpy accepted(f1, &KButton::kclicked);
        QVERIFY(GuiTest::activate(&page));
        const auto typeAt = [&](unsigned long stamp) { GuiTest::typeAt(&page, Qt::Key_F1, stamp); };
        const unsigned long t = 500000;

        typeAt(t);
        QVERIFY(GuiTest::waitClickLockFree());
        typeAt(t + 99);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(accepted.count(), 1);

        typeAt(t + 1000);
        typeAt(t + 1100);
        QCOMPARE(accepted.count(), 3);

        const auto mouseAt = [&](QEvent::Type type, unsigned long stamp) {
            QMouseEvent event(type, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            event.setTimestamp(stamp);
            QApplication::sendEvent(f1, &event);
        };
        mouseAt(QEvent::MouseButtonPress, t + 1990);
        mouseAt(QEvent::MouseButtonRelease, t + 2000);
        QCOMPARE(accepted.count(), 4);
        typeAt(t + 2099);
        QCOMPARE(accepted.count(), 4);
        typeAt(t + 2200);
        QCOMPARE(accepted.count(), 5);

        // Only an accepted click holds the lock; a refused one leaves it as
        // it was: a key typed 160 ms after an accepted one acts though a
        // refused one came between, and of one key typed three times 60 ms
        // apart the first and the third act.
        typeAt(t + 3000);
        typeAt(t + 3099);
        QCOMPARE(accepted.count(), 6);
        typeAt(t + 3160);
        QCOMPARE(accepted.count(), 7);
        QList<int> acted;
        for (unsigned long n = 0; n < 3; ++n) {
            const int before = accepted.count();
            typeAt(t + 4000 + 60 * n);
            acted << accepted.count() - before;
        }
        QCOMPARE(acted, (QList<int>{1, 0, 1}));
    }

    // A held key's lock time is that of its press: a page key typed 200 ms
    // after it acts, however close behind the last repeat.
    void heldKeyLocksFromItsPress()
    {
        QWidget page;
        page.resize(1024, 60);
        KButton *f4 = FunctionKey::make(&page, 4, QStringLiteral("四"));
        KButton *f5 = FunctionKey::make(&page, 5, QStringLiteral("五"));
        QSignalSpy fourAccepted(f4, &KButton::kclicked);
        QSignalSpy fiveAccepted(f5, &KButton::kclicked);
        QVERIFY(GuiTest::activate(&page));
        const unsigned long t = 900000;
        GuiTest::typeAt(&page, Qt::Key_F4, t);
        for (unsigned long repeat = t + 30; repeat <= t + 180; repeat += 30)
            GuiTest::typeAt(&page, Qt::Key_F4, repeat, true);
        GuiTest::typeAt(&page, Qt::Key_F5, t + 200);
        QCOMPARE(fourAccepted.count(), 1);
        QCOMPARE(fiveAccepted.count(), 1);
    }

    // A key held down clicks once; its repeats only keep the button down.
    void heldKeyClicksOnce()
    {
        QWidget page;
        page.resize(1024, 60);
        KButton *f4 = FunctionKey::make(&page, 4, QStringLiteral("四"));
        QSignalSpy clicked(f4, &KButton::clicked);
        QVERIFY(GuiTest::activate(&page));
        GuiTest::key(&page, QEvent::KeyPress, Qt::Key_F4);
        for (int i = 0; i < 4; ++i) {
            GuiTest::key(&page, QEvent::KeyRelease, Qt::Key_F4, true);
            GuiTest::key(&page, QEvent::KeyPress, Qt::Key_F4, true);
            QVERIFY(f4->isDown());
        }
        GuiTest::key(&page, QEvent::KeyRelease, Qt::Key_F4);
        QCOMPARE(clicked.count(), 1);
        WAIT_VERIFY(!f4->isDown());
    }

    // A key held by the mouse stays down while its shortcut is typed too,
    // however long the hold: the release still clicks.
    void mouseHoldOutlastsTheKeysPressedLook()
    {
        QWidget page;
        page.resize(1024, 60);
        KButton *f4 = FunctionKey::make(&page, 4, QStringLiteral("四"));
        QSignalSpy clicked(f4, &KButton::clicked);
        QVERIFY(GuiTest::activate(&page));
        QWindow *window = page.windowHandle();
        const QPoint on = f4->geometry().center();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, on);
        GuiTest::key(&page, QEvent::KeyPress, Qt::Key_F4);
        GuiTest::key(&page, QEvent::KeyRelease, Qt::Key_F4);
        QCOMPARE(clicked.count(), 1);
        // Longer than the key's pressed look.
        QVERIFY(!GuiTest::waitUntil([&] { return !f4->isDown(); }, 3 * KButton::kLockMs));
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, on);
        QCOMPARE(clicked.count(), 2);
    }

    void heldKeyThatMissedItsReleaseComesUp_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::newRow("disabled") << QStringLiteral("disabled");
        QTest::newRow("hidden") << QStringLiteral("hidden");
        QTest::newRow("under a modal box") << QStringLiteral("box");
    }

    // A key held by the mouse that is disabled or hidden meanwhile, or that
    // the toolkit's own modal box blocks, never gets the release: it comes
    // up without a click once it can be seen again, and typed later it comes
    // up as any typed key does.
    void heldKeyThatMissedItsReleaseComesUp()
    {
        QFETCH(QString, meanwhile);
        QWidget page;
        page.resize(1024, 60);
        KButton *f6 = FunctionKey::make(&page, 6, QStringLiteral("六"));
        QSignalSpy clicked(f6, &KButton::clicked);
        QVERIFY(GuiTest::activate(&page));
        QWindow *window = page.windowHandle();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, f6->geometry().center());
        QVERIFY(f6->isDown());
        QMessageBox box(QMessageBox::Warning, QString(), QStringLiteral("目录未找到"), QMessageBox::Ok, &page);
        box.setWindowModality(Qt::ApplicationModal);
        if (meanwhile == QLatin1String("disabled"))
            f6->setEnabled(false);
        else if (meanwhile == QLatin1String("hidden"))
            f6->hide();
        else
            box.show();
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, f6->geometry().center());
        f6->setEnabled(true);
        f6->show();
        box.hide();
        QVERIFY(!f6->isDown());
        WAIT_VERIFY(page.isActiveWindow());
        QVERIFY(GuiTest::waitClickLockFree());
        GuiTest::key(&page, QEvent::KeyPress, Qt::Key_F6);
        GuiTest::key(&page, QEvent::KeyRelease, Qt::Key_F6);
        QVERIFY(f6->isDown());
        WAIT_VERIFY(!f6->isDown());
        QCOMPARE(clicked.count(), 1);
    }

    // A test's shorter lock is still the same lock.
    void lockIntervalIsSettable()
    {
        QWidget page;
        KButton b(&page);
        QSignalSpy k(&b, SIGNAL(kclicked()));
        KButton::setLockInterval(1);
        b.click();
        b.click();
        QCOMPARE(k.count(), 1);
        QVERIFY(GuiTest::waitClickLockFree());
        b.click();
        QCOMPARE(k.count(), 2);
        KButton::setLockInterval(KButton::kLockMs);
        QVERIFY(GuiTest::waitClickLockFree());
    }

    // A key's icon is read from its file only when first drawn: it must look
    // exactly like the one read at once, in every mode, and a missing file
    // must still draw nothing.
    void iconReadWhenDrawnLooksTheSame()
    {
        const QString path = QStringLiteral(":/icon/cancel22.png");
        const QIcon eager(path);
        QVERIFY(!eager.isNull());
        const QIcon lazy = FileIcon::make(path);
        QVERIFY(!lazy.isNull());
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
            QCOMPARE(lazy.actualSize(QSize(32, 32), mode), eager.actualSize(QSize(32, 32), mode));
            QCOMPARE(lazy.pixmap(24, 24, mode).toImage(), eager.pixmap(24, 24, mode).toImage());
        }
        QCOMPARE(lazy.availableSizes(), eager.availableSizes());

        QWidget page;
        KButton a(&page);
        KButton b(&page);
        for (KButton *k : {&a, &b}) {
            k->setGeometry(0, 0, 120, 48);
            k->setIconSize(QSize(24, 24));
            k->setText(QStringLiteral("取消"));
        }
        a.setIcon(eager);
        b.setIcon(lazy);
        QCOMPARE(b.grab().toImage(), a.grab().toImage());

        const QString none = QStringLiteral(":/icon/no-such-icon.png");
        const QIcon missing = FileIcon::make(none);
        QCOMPARE(missing.isNull(), QIcon(none).isNull());
        QVERIFY(missing.pixmap(24, 24).isNull());
        QVERIFY(FileIcon::make(QString()).isNull());
    }

    void lockIsProgramWide()
    {
        QWidget page;
        KButton a(&page), b(&page);
        a.setGeometry(0, 0, 50, 30);
        b.setGeometry(60, 0, 50, 30);
        page.show();
        QSignalSpy ka(&a, SIGNAL(kclicked()));
        QSignalSpy kb(&b, SIGNAL(kclicked()));
        a.click();
        QVERIFY(KButton::lockRelease()->isActive());
        b.click();
        QCOMPARE(ka.count(), 1);
        QCOMPARE(kb.count(), 0);
    }

    void clickDuringReceiverIsDropped()
    {
        QWidget page;
        KButton b(&page);
        page.show();
        int runs = 0;
        connect(&b, &KButton::kclicked, this, [&] {
            ++runs;
            if (runs == 1)
                b.click(); // the lock is already taken
        });
        b.click();
        QCOMPARE(runs, 1);
    }

    void lockOutlivesItsButton()
    {
        auto *page = new QWidget;
        auto *b = new KButton(page);
        page->show();
        connect(b, &KButton::kclicked, page, &QObject::deleteLater);
        b->click();
        QVERIFY(clickLock);
        QVERIFY(GuiTest::waitClickLockFree());
    }

    void functionKeyRow()
    {
        QWidget page;
        page.resize(1024, 60);
        KButton *esc = FunctionKey::make(&page, 0, "<<");
        KButton *f3 = FunctionKey::make(&page, 3, "参数");
        KButton *f9 = FunctionKey::make(&page, 9, "开始加工", ":/icon/ok22.png");
        QCOMPARE(esc->geometry(), QRect(5, 2, 45, 56));
        QCOMPARE(f3->geometry(), QRect(275, 2, 100, 56));
        QCOMPARE(f9->geometry(), QRect(922, 2, 100, 56));
        QCOMPARE(FunctionKey::geometryFor(8), QRect(800, 2, 100, 56));
        QCOMPARE(esc->shortcut(), QKeySequence(Qt::Key_Escape));
        QCOMPARE(f3->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(f9->iconSize(), QSize(32, 32));
        auto *label = f3->findChild<QLabel *>();
        QVERIFY(label);
        QCOMPARE(label->text(), QString("F3"));
        QCOMPARE(label->pos(), QPoint(82, 2));
        QCOMPARE(esc->findChild<QLabel *>()->pos(), QPoint(22, 2));

        // A caption with a mnemonic would take over the shortcut; relabel keeps the key.
        FunctionKey::relabel(f3, "&Z 参数");
        QCOMPARE(f3->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(f3->text(), QString("&Z 参数"));
    }

    void shortcutReachesKeyOfActiveWindow()
    {
        QWidget page;
        page.resize(1024, 60);
        KButton *f2 = FunctionKey::make(&page, 2, "文件");
        QSignalSpy k(f2, SIGNAL(kclicked()));
        QVERIFY(GuiTest::activate(&page));
        // A shortcut "animates" the click: clicked() comes a moment later.
        QVERIFY(GuiTest::keyClickUntil(&page, Qt::Key_F2, [&] { return k.count() == 1; }));
        f2->hide();
        // A hidden key has no shortcut: nothing is pressed, nothing animates.
        QVERIFY(GuiTest::keyClick(&page, Qt::Key_F2));
        QVERIFY(!f2->isDown());
        QCOMPARE(k.count(), 1);
    }

    void reroleCutsEveryConnection()
    {
        QWidget page;
        KButton *f1 = FunctionKey::make(&page, 1, "一");
        page.show();
        QSignalSpy k(f1, SIGNAL(kclicked()));
        int plain = 0;
        QObject receiver;
        connect(f1, &KButton::kclicked, &receiver, [&] { plain += 100; });
        FunctionKey::rerole(f1, nullptr, nullptr);
        f1->click();
        QCOMPARE(k.count(), 0);
        QCOMPARE(plain, 0);
        QVERIFY(!clickLock);

        f1->setText("&Q");
        FunctionKey::rerole(f1, nullptr, nullptr);
        QCOMPARE(f1->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void reroleConnectsNewReceiver()
    {
        QWidget page;
        KButton *f4 = FunctionKey::make(&page, 4, "四");
        page.show();
        QSignalSpy k(f4, SIGNAL(kclicked()));
        QWidget other;
        other.show();
        FunctionKey::rerole(f4, &other, SLOT(hide()));
        QVERIFY(other.isVisible());
        f4->click();
        QVERIFY(!other.isVisible());
        QCOMPARE(k.count(), 0);
    }
};

QTEST_MAIN(KButtonTest)
#include "KButtonTest.moc"
