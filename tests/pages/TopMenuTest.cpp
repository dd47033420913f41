#include "PageWindow.h"
#include "TempWorkDir.h"

#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"
#include "pages/KAboutDialog.h"
#include "pages/KMenuTop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

class TopMenuTest : public QObject
{
    Q_OBJECT

    struct Shown {
        bool opened = false;
        QString title;
        QString text;
    };

    // Shift+F1, answering the box (when one opens) with its "确定". The box
    // is looked for until it is there, however long it takes to come; one
    // that is not the about box, or a box that does not close, is closed
    // after five seconds, so the key returns and the test fails instead of
    // waiting for CTest's time-out.
    static Shown shiftF1(PageWindow<KMenuTop> &w)
    {
        Shown seen;
        QElapsedTimer waited;
        waited.start();
        QTimer look;
        look.setInterval(1);
        QObject::connect(&look, &QTimer::timeout, [&] {
            QWidget *modal = KeyFocus::box();
            auto *box = qobject_cast<KAboutDialog *>(modal);
            if (box && box->isVisible() && !seen.opened) {
                seen.opened = true;
                seen.title = box->windowTitle();
                seen.text = box->textEdit->toPlainText();
                QTest::mouseClick(box->okButton, Qt::LeftButton);
            } else if (modal && waited.elapsed() > 5000) {
                look.stop();
                modal->close();
            }
        });
        look.start();
        w.key(Qt::Key_F1, Qt::ShiftModifier);
        look.stop();
        return seen;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(icons);
        // The lock's own 100 ms are pinned by KButtonTest; here it only
        // paces the keys.
        KButton::setLockInterval(1);
    }

    void clickLockOnlyOnLockedKeys()
    {
        TempWorkDir dir;
        PageWindow<KMenuTop> w;
        QVERIFY(w.show());
        QVERIFY(GuiTest::waitClickLockFree());
        QSignalSpy file(w.page->fileButton, SIGNAL(kclicked()));
        w.page->fileButton->click();
        QVERIFY(KButton::lockRelease()->isActive());
        w.page->fileButton->click();
        QCOMPARE(file.count(), 1);

        QVERIFY(GuiTest::waitClickLockFree());
        QSignalSpy mode(w.page->modeButton, SIGNAL(clicked()));
        QTest::mouseClick(w.page->modeButton, Qt::LeftButton);
        QTest::mouseClick(w.page->modeButton, Qt::LeftButton);
        QCOMPARE(mode.count(), 2);
    }

    void escapeDoesNothing()
    {
        TempWorkDir dir;
        PageWindow<KMenuTop> w;
        QVERIFY(w.show());
        KButton *esc = w.page->escButton;
        QVERIFY(!esc->isEnabled());
        QVERIFY(esc->shortcut().isEmpty());
        QSignalSpy pressed(esc, SIGNAL(pressed()));
        QSignalSpy clicked(esc, SIGNAL(clicked()));
        w.key(Qt::Key_Escape);
        QCOMPARE(pressed.count() + clicked.count(), 0);
        QVERIFY(w.page->isVisible());
    }

    void mainActionKey()
    {
        TempWorkDir dir;
        KMenuTop page;
        KButton *f9 = page.startButton;
        QCOMPARE(f9->text(), QString("开始加工"));
        QCOMPARE(f9->shortcut(), QKeySequence(Qt::Key_F9));
        QCOMPARE(f9->styleSheet(),
                 QString::fromLatin1(KButton::styleSheetText()).replace("palegoldenrod", "forestgreen"));
        QVERIFY(f9->styleSheet().contains("background-color: forestgreen;"));
        QCOMPARE(f9->font().family(), QString("Arial"));
        QCOMPARE(f9->font().pointSize(), 10);
        QVERIFY(f9->font().bold());
        QCOMPARE(f9->palette().color(QPalette::Active, QPalette::ButtonText), QColor(Qt::white));
        QCOMPARE(f9->findChild<QLabel *>()->text(), QString("<font color =\"white\">F9</font>"));
        QCOMPARE(f9->iconSize(), QSize(32, 32));
    }

    void aboutBoxOnShiftF1()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile("ravok/about", QByteArray("关于本机") + '\0' + QByteArray("隐藏")));
        PageWindow<KMenuTop> w;
        QVERIFY(w.show());
        QSignalSpy file(w.page->fileButton, SIGNAL(clicked()));

        const Shown first = shiftF1(w);
        QVERIFY(first.opened);
        QCOMPARE(first.title, QString("关于Brenlo"));
        QCOMPARE(first.text, QString("关于本机"));
        QVERIFY(w.page->aboutDialog);
        QCOMPARE(w.page->aboutDialog->result(), int(QDialog::Rejected));
        QCOMPARE(file.count(), 0);

        QVERIFY(GuiTest::activate(&w.window));
        KAboutDialog *made = w.page->aboutDialog;
        QVERIFY(shiftF1(w).opened);
        QCOMPARE(w.page->aboutDialog, made);
        QCOMPARE(w.page->findChildren<KAboutDialog *>().size(), 1);

        QVERIFY(GuiTest::activate(&w.window));
        w.page->hide();
        QVERIFY(!shiftF1(w).opened);
    }

    void aboutWithoutFileIsEmpty()
    {
        TempWorkDir dir;
        KAboutDialog box;
        QVERIFY(box.textEdit->isReadOnly());
        QVERIFY(box.textEdit->toPlainText().isEmpty());
        QSignalSpy rejected(&box, SIGNAL(rejected()));
        box.show();
        QTest::mouseClick(box.okButton, Qt::LeftButton);
        QCOMPARE(rejected.count(), 1);
    }
};

QTEST_MAIN(TopMenuTest)
#include "TopMenuTest.moc"
