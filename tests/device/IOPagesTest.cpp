#include "GuiTest.h"
#include "HangGuard.h"
#include "HeldWait.h"
#include "ProbeRun.h"

#include "app/base/KButton.h"
#include "device/DeviceIo.h"
#include "device/InputSource.h"
#include "device/KMenuIO.h"
#include "device/KReadIO.h"
#include "device/KWriteIO.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QCoreApplication>
#include <QTest>

#include <memory>

namespace {

// Machine inputs that read one fixed byte, counting the reads.
class FixedInputs : public InputSource
{
public:
    explicit FixedInputs(quint8 byte)
        : byte(byte)
    {
    }
    quint8 readByte() override
    {
        ++reads;
        return byte;
    }
    const quint8 byte;
    std::atomic<int> reads{0};
};

// The no-card inputs, counting the reads.
class NoCardInputs : public InputSource
{
public:
    quint8 readByte() override
    {
        ++reads;
        return InputSource::readByte();
    }
    std::atomic<int> reads{0};
};

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(24, 24).toImage();
}

} // namespace

class IOPagesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> window;

    static QList<int> litRows(const KReadIO *io)
    {
        QList<int> rows;
        for (int row = 1; row <= KReadIO::kRows; ++row) {
            if (io->lampLit(row))
                rows << row;
        }
        return rows;
    }

    static QString image(const KWriteIO *page)
    {
        const sys_t image = page->outputImage();
        return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(image.byte), 3).toHex(' '));
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(icons);
        // The lock's own 100 ms are pinned by KButtonTest; here it only
        // paces the keys.
        KButton::setLockInterval(1);
    }

    void init()
    {
        window = std::make_unique<QWidget>();
        window->resize(1024, 748);
    }

    void cleanup()
    {
        window.reset();
        GuiTest::waitClickLockFree();
    }

    void keyRowLeavesEvenWhileTheClickLockIsHeld()
    {
        auto *menu = new KMenuIO(window.get());
        QVERIFY(GuiTest::activate(window.get()));
        QSignalSpy leave(menu->leaveButton, &KButton::clicked);
        QSignalSpy input(menu->inputButton, &KButton::kclicked);
        QSignalSpy output(menu->outputButton, &KButton::kclicked);
        // Held by another button's click: F1 waits for it, Esc does not.
        clickLock = true;
        QTest::keyClick(window.get(), Qt::Key_F1);
        QTest::keyClick(window.get(), Qt::Key_Escape);
        WAIT_COMPARE(leave.count(), 1);
        // F1's click has gone out, into the held lock.
        WAIT_VERIFY(!menu->inputButton->isDown());
        QCOMPARE(input.count(), 0);
        clickLock = false;
        QTest::keyClick(window.get(), Qt::Key_F1);
        WAIT_COMPARE(input.count(), 1);
        QVERIFY(GuiTest::waitClickLockFree());
        QTest::keyClick(window.get(), Qt::Key_F2);
        WAIT_COMPARE(output.count(), 1);
    }

    void lampsFollowThePolls()
    {
        auto *io = new KReadIO(DeviceIo::kNotOpen, DeviceIo::kNotOpen, window.get());
        QVERIFY(io->isHidden());
        QCOMPARE(io->nameField(6)->text(), QStringLiteral("伺服2X报警"));
        KReadIOThread *poll = io->readIOThread;
        const QList<std::pair<int, QList<int>>> steps = {{0xFF, {}},
                                                         {0xFE, {1, 8}},
                                                         {0xFF, {}},
                                                         {0xBF, {6}},
                                                         {0xDF, {7}},
                                                         {0x7F, {}},
                                                         {0x00, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}};
        for (const auto &step : steps) {
            poll->pollOnce(quint8(step.first));
            QCOMPARE(litRows(io), step.second);
        }
        // The off lamp hides under the lit one and comes back with the reset.
        QVERIFY(io->offLamp(6)->isHidden());
        poll->resetInputs();
        QCOMPARE(litRows(io), QList<int>());
        QVERIFY(!io->offLamp(6)->isHidden());
    }

    void pollThreadStartsAndStopsVisitAfterVisit()
    {
        auto *io = new KReadIO(DeviceIo::kNotOpen, DeviceIo::kNotOpen, window.get());
        io->show();
        QVERIFY(GuiTest::activate(window.get()));
        KReadIOThread *poll = io->readIOThread;
        poll->setInputSource(std::make_shared<FixedInputs>(0xBF));
        for (int visit = 0; visit < 2; ++visit) {
            poll->resetInputs();
            QCOMPARE(litRows(io), QList<int>());
            poll->start();
            QTRY_VERIFY(io->lampLit(6));
            QElapsedTimer clock;
            clock.start();
            poll->stopLoop();
            QVERIFY2(clock.elapsed() < kHangGuardMs, qPrintable(QString::number(clock.elapsed())));
            QVERIFY(poll->isFinished());
        }
        // Reports of the stopped loop do not undo the reset.
        poll->resetInputs();
        // Whatever the finished loop still had queued arrives now.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(litRows(io), QList<int>());

        auto noCard = std::make_shared<NoCardInputs>();
        poll->setInputSource(noCard);
        poll->start();
        QTRY_VERIFY(noCard->reads >= 3);
        QCOMPARE(litRows(io), QList<int>());
        poll->stopLoop();
    }

    void eachPollIsFollowedByAWaitOfOneHundredMilliseconds()
    {
        auto *io = new KReadIO(DeviceIo::kNotOpen, DeviceIo::kNotOpen, window.get());
        KReadIOThread *poll = io->readIOThread;
        auto inputs = std::make_shared<FixedInputs>(0xFF);
        auto wait = std::make_shared<HeldWait>();
        poll->setInputSource(inputs);
        poll->setPassWait(wait);
        stepFourPasses(poll, wait.get(), [&] { return int(inputs->reads); });
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(wait->askedFor(), QList<int>({100, 100, 100, 100}));
    }

    void viewDestroyedWhileItsThreadRuns()
    {
        auto *io = new KReadIO(DeviceIo::kNotOpen, DeviceIo::kNotOpen, window.get());
        auto inputs = std::make_shared<FixedInputs>(0x00);
        io->readIOThread->setInputSource(inputs);
        io->readIOThread->start();
        QTRY_VERIFY(inputs->reads >= 2);
        delete io;
        // What the thread had queued for the view arrives after it is gone.
        QCoreApplication::sendPostedEvents();
    }

    void newOutputPage()
    {
        auto *page = new KWriteIO(DeviceIo::kNotOpen, window.get());
        QVERIFY(page->isHidden());
        QCOMPARE(page->title(), QStringLiteral("输出:   <Enter> 打开/关闭:"));
        QCOMPARE(image(page), QStringLiteral("00 00 00"));
        const QImage off = iconImage(QIcon(QStringLiteral(":/icon/off24.png")));
        QVERIFY(!off.isNull());
        for (int row = 1; row <= KWriteIO::kRows; ++row) {
            QCOMPARE(page->rowButton(row)->text(), QStringLiteral("[ 关 ] - "));
            QCOMPARE(iconImage(page->rowButton(row)->icon()), off);
            QCOMPARE(page->rowButton(row)->isEnabled(), row != 12 && row != 16);
            QCOMPARE(page->rowButton(row)->isChecked(), row == 1);
        }
        QCOMPARE(page->rowLabel(24)->text(), QStringLiteral("割炬8"));
        QCOMPARE(page->rowLabel(24)->geometry(), QRect(560, 312, 200, 25));
        QCOMPARE(page->currentRow(), 1);
        QCOMPARE(page->enterButton->parentWidget(), window.get());
        QVERIFY(page->enterButton->isHidden());
    }

    void rowsSwitchAndSelect()
    {
        auto *page = new KWriteIO(DeviceIo::kNotOpen, window.get());
        page->show();
        page->enterButton->show();
        QVERIFY(GuiTest::activate(window.get()));
        QRadioButton *row1 = page->rowButton(1);
        row1->click();
        row1->setFocus();
        const QImage on = iconImage(QIcon(QStringLiteral(":/icon/on24.png")));

        QTest::keyClick(row1, Qt::Key_Return);
        QCOMPARE(image(page), QStringLiteral("01 00 00"));
        QCOMPARE(row1->text(), QStringLiteral("[ 开 ] - "));
        QCOMPARE(iconImage(row1->icon()), on);
        QTest::keyClick(row1, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(image(page), QStringLiteral("00 00 00"));
        QCOMPARE(row1->text(), QStringLiteral("[ 关 ] - "));

        // The arrow keys pass over the reserved rows, and stop at the last row of the column.
        QTest::mouseClick(page->rowButton(11), Qt::LeftButton);
        QCOMPARE(page->currentRow(), 11);
        page->rowButton(11)->setFocus();
        QTest::keyClick(page->rowButton(11), Qt::Key_Down);
        QCOMPARE(page->currentRow(), 13);
        QVERIFY(page->rowButton(13)->isChecked());
        QTest::mouseClick(page->rowButton(15), Qt::LeftButton);
        page->rowButton(15)->setFocus();
        QTest::keyClick(page->rowButton(15), Qt::Key_Down);
        QCOMPARE(page->currentRow(), 15);
        QVERIFY(page->rowButton(15)->hasFocus());

        // The Enter button is not gated by the click lock.
        QTest::mouseClick(page->enterButton, Qt::LeftButton);
        QCOMPARE(image(page), QStringLiteral("00 40 00"));
        QVERIFY(clickLock);
        QTest::mouseClick(page->enterButton, Qt::LeftButton);
        QCOMPARE(image(page), QStringLiteral("00 00 00"));

        // Other keys stop at the page.
        QTest::keyClick(page->rowButton(15), Qt::Key_Return);
        QTest::keyClick(page->rowButton(15), Qt::Key_A);
        QTest::keyClick(page->rowButton(15), Qt::Key_F5);
        QCOMPARE(image(page), QStringLiteral("00 40 00"));
        QCOMPARE(page->currentRow(), 15);
    }

    void torchesAndAllOff()
    {
        auto *page = new KWriteIO(DeviceIo::kNotOpen, window.get());
        page->switchRow(1);
        page->switchRow(9);
        page->switchRow(12);
        page->switchRow(18);
        QCOMPARE(image(page), QStringLiteral("01 01 02"));
        page->setTorch(0xA5);
        QCOMPARE(image(page), QStringLiteral("01 01 a5"));
        for (int row = 17; row <= 24; ++row) {
            const bool on = (0xA5 >> (row - 17)) & 1;
            QCOMPARE(page->rowButton(row)->text(), on ? QStringLiteral("[ 开 ] - ") : QStringLiteral("[ 关 ] - "));
        }
        QVERIFY(page->outputOn(1) && page->outputOn(9));
        page->setTorch(0);
        QCOMPARE(image(page), QStringLiteral("01 01 00"));

        page->rowButton(9)->click();
        page->allOff();
        QCOMPARE(image(page), QStringLiteral("00 00 00"));
        for (int row = 1; row <= KWriteIO::kRows; ++row)
            QCOMPARE(page->rowButton(row)->text(), QStringLiteral("[ 关 ] - "));
        QCOMPARE(page->currentRow(), 9);
        QVERIFY(page->rowButton(9)->isChecked());
    }

    void demoRefusesBadCommandLines()
    {
        for (const QStringList &args : {QStringList{"--view", "side"}, QStringList{"--byte", "0x100"},
                                        QStringList{"--on", "1,25"}, QStringList{"--on"}}) {
            const ProbeRun run = Probe::run(QStringLiteral("iodemo"), args);
            QCOMPARE(run.code, 2);
            QVERIFY(run.err.contains("usage: iodemo"));
        }
    }
};

QTEST_MAIN(IOPagesTest)
#include "IOPagesTest.moc"
