#include "GuiTest.h"

#include "status/DigitalClock.h"
#include "status/KInfo.h"
#include "status/KInfoFrame.h"
#include "status/KLabel.h"
#include "status/KLine.h"
#include "status/KText.h"
#include "status/KTextFrame.h"
#include "status/MessageCode.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QValidator>

class MessageAndInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void alarmTextsAndUnknownCodes()
    {
        KText t;
        QVERIFY(t.text.isEmpty());
        QVERIFY(!t.alarm);
        t.updateText(701);
        QCOMPARE(t.text, QStringLiteral("+X方向限位报警!"));
        QVERIFY(t.alarm);
        // Unknown code: the text stays, the colour goes back to normal.
        t.updateText(406);
        QCOMPARE(t.text, QStringLiteral("+X方向限位报警!"));
        QVERIFY(!t.alarm);
        t.updateText(701);
        t.updateText(401);
        QCOMPARE(t.text, QStringLiteral("急停中.."));
        QVERIFY(!t.alarm);
    }

    void textsKeepTheirBlanks()
    {
        KText t;
        t.updateText(5);
        QCOMPARE(t.text, QStringLiteral("U盘被拔出! "));
        QCOMPARE(t.text.size(), 7);
        QCOMPARE(t.text.at(6), QLatin1Char(' '));
        t.updateText(200);
        QCOMPARE(t.text, QStringLiteral("参数设置:   <Tab> 切换参数"));
        t.updateText(101);
        QCOMPARE(t.text, QStringLiteral("按“↑”或“↓” 选择起始段 / 穿孔数"));
    }

    void clearKeepsAlarm()
    {
        KText t;
        t.updateText(701);
        t.clearText();
        QVERIFY(t.text.isEmpty());
        QVERIFY(t.alarm);
        t.updateText(1);
        QCOMPARE(t.text, QStringLiteral("准备就绪"));
        QVERIFY(!t.alarm);
    }

    void codeTable()
    {
        const QList<int> codes = MessageCode::codes();
        QCOMPARE(codes.size(), 42);
        QList<int> alarms;
        for (int c : codes) {
            if (MessageCode::isAlarm(c))
                alarms << c;
            QVERIFY2(!MessageCode::text(c).isEmpty(), qPrintable(QString::number(c)));
        }
        QCOMPARE(alarms, QList<int>({2, 7, 10, 102, 103, 104, 701, 702, 703, 704, 705, 706, 707, 799}));
        for (int c : {401, 700, 710})
            QVERIFY(!MessageCode::isAlarm(c));
        for (int c : {0, 4, 406, 800})
            QVERIFY(!MessageCode::find(c));
        QCOMPARE(MessageCode::text(MessageCode::LimitFault), QStringLiteral("限位异常!"));
    }

    void messageFrame()
    {
        KTextFrame f;
        QVERIFY(f.message);
        QCOMPARE(f.message->parentWidget(), &f);
        QVERIFY(f.autoFillBackground());
        QCOMPARE(f.palette().color(QPalette::Window), QColor(250, 250, 200));
        QCOMPARE(f.message->font().pointSize(), 10);
    }

    void geometryFields()
    {
        KInfo info;
        info.setComp(2);
        QCOMPARE(info.compEdit->text(), QString("2.00"));
        info.setAngel(-1);
        QCOMPARE(info.angelEdit->text(), QString("-1.0"));
        info.setRotate(90);
        QCOMPARE(info.rotateEdit->text(), QString("90.0"));
        QCOMPARE(info.rotate, 90.0);

        QVERIFY(info.fxEdit->text().isEmpty());
        info.setFx(0);
        QCOMPARE(info.fxEdit->text(), QStringLiteral("无"));
        info.setFx(3);
        info.setFx(4);
        QCOMPARE(info.fx, 4);
        info.setFx(-1);
        QCOMPARE(info.fxEdit->text(), QString("XY"));
        QCOMPARE(info.fx, -1);

        info.setCutSpeed(2000);
        info.setTopSpeed(6000);
        QCOMPARE(info.cutEdit->text(), QString("2000"));
        QCOMPARE(info.topEdit->text(), QString("6000"));
        info.setStatus(QStringLiteral("喷 粉 "));
        QCOMPARE(info.statusLabel->text(), QStringLiteral("喷 粉 "));
    }

    void layout()
    {
        KInfo info;
        QCOMPARE(info.font().pointSize(), 9);
        QCOMPARE(info.statusLabel->text(), QStringLiteral("等离子"));
        QCOMPARE(info.compEdit->geometry(), QRect(80, 6, 50, 18));
        QCOMPARE(info.cutEdit->geometry(), QRect(635, 6, 50, 18));
        QCOMPARE(info.topEdit->geometry(), QRect(815, 6, 50, 18));
        QCOMPARE(info.clock->geometry(), QRect(945, 5, 60, 20));
        QCOMPARE(info.cutLabel->pos(), QPoint(525, 8));
        QVERIFY(info.compEdit->isReadOnly());
        QCOMPARE(info.compEdit->focusPolicy(), Qt::NoFocus);
        QCOMPARE(info.cutEdit->focusPolicy(), Qt::ClickFocus);

        KInfoFrame frame;
        frame.resize(1020, 30);
        frame.show();
        QCOMPARE(frame.info->parentWidget(), &frame);
        WAIT_COMPARE(frame.info->geometry(), QRect(0, 0, 1020, 30));
        QVERIFY(!frame.layout());
    }

    void speedCaptionClick()
    {
        QWidget window;
        window.resize(1020, 30);
        auto *info = new KInfo(&window);
        info->resize(1020, 30);
        info->setCutSpeed(2000);
        QVERIFY(GuiTest::activate(&window));
        QSignalSpy clicked(info, &KInfo::speedClicked);

        info->cutFocus();
        QCOMPARE(clicked.count(), 0);
        info->topEdit->setFocus();

        QTest::mousePress(info->cutLabel, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        WAIT_VERIFY(info->cutEdit->hasFocus());
        QCOMPARE(info->cutEdit->selectedText(), QString("2000"));

        // A click on the field itself behaves the same and leaves the selection whole.
        info->topEdit->setFocus();
        QTest::mouseClick(info->cutEdit, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.count(), 2);
        WAIT_VERIFY(info->cutEdit->hasFocus());
        QCOMPARE(info->cutEdit->selectedText(), QString("2000"));

        QTest::mousePress(info->topLabel, Qt::LeftButton);
        QCOMPARE(clicked.count(), 3);
        WAIT_VERIFY(info->topEdit->hasFocus());
    }

    void returnOnlyWithAcceptableSpeed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("returns");
        QTest::newRow("over the top") << "14001" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("23") << "23" << 1;
        QTest::newRow("top") << "14000" << 1;
    }

    void returnOnlyWithAcceptableSpeed()
    {
        QFETCH(QString, text);
        QFETCH(int, returns);
        QWidget window;
        auto *info = new KInfo(&window);
        info->resize(1020, 30);
        QVERIFY(GuiTest::activate(&window));
        info->cutFocus();
        WAIT_VERIFY(info->cutEdit->hasFocus());
        QSignalSpy ret(info->cutEdit, &QLineEdit::returnPressed);
        // setText sets what the operator may have left in the field; typing
        // is filtered by the validator as it goes.
        info->cutEdit->setText(text);
        QTest::keyClick(info->cutEdit, Qt::Key_Return);
        QCOMPARE(ret.count(), returns);
    }

    // Typed as an operator would: a speed over the top stays in the field
    // as typed, and Return does not hand it on.
    void typedSpeedOverTheTop()
    {
        QWidget window;
        auto *info = new KInfo(&window);
        info->resize(1020, 30);
        info->setCutSpeed(2000);
        QVERIFY(GuiTest::activate(&window));
        QTest::mousePress(info->cutLabel, Qt::LeftButton);
        WAIT_VERIFY(info->cutEdit->hasFocus());
        QSignalSpy ret(info->cutEdit, &QLineEdit::returnPressed);
        QTest::keyClicks(info->cutEdit, "14001");
        QCOMPARE(info->cutEdit->text(), QString("14001"));
        QTest::keyClick(info->cutEdit, Qt::Key_Return);
        QCOMPARE(ret.count(), 0);
        QTest::keyClick(info->cutEdit, Qt::Key_Backspace);
        QTest::keyClick(info->cutEdit, Qt::Key_Return);
        QCOMPARE(ret.count(), 1);
    }

    void typingIsFiltered()
    {
        QWidget window;
        auto *info = new KInfo(&window);
        info->resize(1020, 30);
        QVERIFY(GuiTest::activate(&window));
        info->cutClicked();
        WAIT_VERIFY(info->cutEdit->hasFocus());
        QTest::keyClicks(info->cutEdit, "-2x3");
        QCOMPARE(info->cutEdit->text(), QString("23"));
        QSignalSpy ret(info->cutEdit, &QLineEdit::returnPressed);
        QTest::keyClick(info->cutEdit, Qt::Key_Return);
        QCOMPARE(ret.count(), 1);
    }

    void clock_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("shown");
        QTest::newRow("even second") << QTime(9, 5, 6) << "09 05";
        QTest::newRow("odd second") << QTime(9, 5, 7) << "09:05";
        QTest::newRow("last second") << QTime(23, 59, 59) << "23:59";
        QTest::newRow("midnight") << QTime(0, 0, 0) << "00 00";
    }

    void clock()
    {
        QFETCH(QTime, time);
        QFETCH(QString, shown);
        QCOMPARE(DigitalClock::timeText(time), shown);
        DigitalClock c;
        QCOMPARE(c.digitCount(), 5);
        QCOMPARE(c.segmentStyle(), QLCDNumber::Filled);
        c.showTime(time);
        QCOMPARE(c.shownText(), shown);
        // The filled segments must stand out from the pale bar they sit on.
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Light, QPalette::Dark})
            QVERIFY(c.palette().color(role).lightness() < 80);
    }
};

QTEST_MAIN(MessageAndInfoTest)
#include "MessageAndInfoTest.moc"
