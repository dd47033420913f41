#include "TempWorkDir.h"

#include "pages/KBeam.h"
#include "pages/KMorepoint.h"
#include "pages/KPlatte.h"
#include "program/KSimu.h"
#include "status/KLabel.h"
#include "status/KLine.h"
#include "status/KMorepointFrame.h"
#include "status/KSimuFrame.h"
#include "status/KStatus.h"
#include "status/KStatusDLZ.h"
#include "status/KStatusFire.h"
#include "status/KStatusFrame.h"
#include "status/KStatusPF.h"
#include "status/KTime.h"
#include "status/KTimeFrame.h"
#include "status/KTorch.h"
#include "status/KXY.h"
#include "status/KXYFrame.h"
#include "status/KZU.h"
#include "status/KZUFrame.h"

#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>

namespace {
class PaintLog : public QObject
{
public:
    explicit PaintLog(QWidget *w) { w->installEventFilter(this); }
    QRegion region;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            region += static_cast<QPaintEvent *>(e)->region();
        return false;
    }
};
} // namespace

class DisplaysTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(icons); }

    void position()
    {
        KXY xy;
        QCOMPARE(xy.xText(), QString("0"));
        xy.setX(-12345);
        QCOMPARE(xy.getX(), -123.45);
        QCOMPARE(xy.xText(), QString("-123.45"));
        xy.setStartPoint(1250, 123456);
        QCOMPARE(xy.getY(), 1234.56);
        QCOMPARE(xy.yText(), QString("1234.56"));
        xy.movePoint(-1, 1234567);
        QCOMPARE(xy.x, -1);
        QCOMPARE(xy.yText(), QString("12345.7"));
        QCOMPARE(KXY::mmText(100000000), QString("1e+06"));
        xy.resetXY();
        QCOMPARE(xy.x, 0);
        QCOMPARE(xy.y, 0);
        QCOMPARE(xy.xmm, 0.0);

        // The drawn values follow the members at the next repaint.
        xy.setX(250);
        xy.resize(256, 50);
        xy.grab();
        QCOMPARE(xy.xmm, 2.5);
    }

    void heights()
    {
        KZU zu;
        QCOMPARE(zu.font().pointSize(), 12);
        QVERIFY(zu.font().bold());
        zu.setU1(4294967295u);
        QCOMPARE(KZU::valueText(zu.getU1()), QString("4.29497e+08"));
        zu.setZ1(1234);
        QCOMPARE(zu.getZ1(), 12.34);
        QCOMPARE(KZU::valueText(zu.z1), QString("12.34"));
        zu.setZ2(-50);
        zu.setU2(1205);
        QCOMPARE(zu.z2, -0.5);
        QCOMPARE(zu.u2, 120.5);
        zu.reset();
        QCOMPARE(zu.z1 + zu.z2 + zu.u1 + zu.u2, 0.0);
    }

    void heightRepaintsItsValueOnly()
    {
        KZUFrame frame;
        frame.resize(220, 170);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        // The first paint, still posted, goes out now.
        QCoreApplication::sendPostedEvents();
        PaintLog log(frame.zu);
        frame.zu->setZ1(1234);
        QTRY_VERIFY(!log.region.isEmpty());
        QCOMPARE(log.region, QRegion(KZU::z1Rect()));
        log.region = QRegion();
        frame.zu->setU1(300);
        QTRY_VERIFY(!log.region.isEmpty());
        QCOMPARE(log.region, QRegion(KZU::u1Rect()));
    }

    void jobTime()
    {
        KTime t;
        QCOMPARE(t.font().pointSize(), 9);
        QCOMPARE(t.timer->interval(), 60000);
        QVERIFY(t.timer->isActive());
        QCOMPARE(t.remainText(), QString("0"));
        QCOMPARE(t.alreadyText(), QString("0"));
        QSignalSpy changed(&t, &KTime::timeChanged);
        t.setAlready();
        t.setAlready();
        t.setAlready();
        QCOMPARE(changed.count(), 3);
        QCOMPARE(t.already, 3);
        t.setRemain(-5);
        QCOMPARE(t.remainText(), QString("-5"));
        t.resetTime();
        QCOMPARE(t.remain, 0);
        QCOMPARE(t.already, 0);

        // The one-minute timer is what counts the minutes.
        t.timer->setInterval(5);
        QTRY_VERIFY(changed.count() >= 4);
        QVERIFY(t.already >= 1);
    }

    void statusColumn()
    {
        KStatus status;
        QCOMPARE(status.timeFrame->geometry(), QRect(0, 0, 178, 67));
        QCOMPARE(status.statusFrame->geometry(), QRect(0, 69, 178, 425));
        QCOMPARE(status.timeFrame->frameStyle(), int(QFrame::Box | QFrame::Sunken));
        QCOMPARE(status.statusFrame->frameStyle(), int(QFrame::Box | QFrame::Sunken));
        QCOMPARE(status.timeFrame->time->parentWidget(), status.timeFrame);
        QCOMPARE(status.statusFrame->palette().color(QPalette::Window), QColor(250, 250, 200));
        QCOMPARE(status.statusFrame->layout()->contentsMargins(), QMargins(5, 5, 5, 5));

        KStatusFrame *f = status.statusFrame;
        QVERIFY(f->fire->isHidden() && f->pf->isHidden() && f->dlz->isHidden());
        f->showPF();
        f->showPF();
        QVERIFY(f->fire->isHidden() && !f->pf->isHidden() && f->dlz->isHidden());
        f->showFire();
        f->fire->setCK(7.5);
        f->fire->preheatOxygenOn = true;
        QVERIFY(!f->fire->isHidden() && f->pf->isHidden() && f->dlz->isHidden());
        f->showDLZ();
        QVERIFY(f->fire->isHidden() && f->pf->isHidden() && !f->dlz->isHidden());
        f->hideAll();
        QVERIFY(f->fire->isHidden() && f->pf->isHidden() && f->dlz->isHidden());
        f->showFire();
        QCOMPARE(f->fire->getCK(), 7.5);
        QVERIFY(f->fire->preheatOxygenOn);
    }

    void viewFrame()
    {
        KSimuFrame f;
        QVERIFY(f.simu->isHidden() && f.platte->isHidden() && f.beam->isHidden());
        QCOMPARE(f.grid()->contentsMargins(), QMargins(3, 3, 3, 3));
        f.showPlatte();
        QVERIFY(f.simu->isHidden() && !f.platte->isHidden() && f.beam->isHidden());
        f.showSimu();
        QVERIFY(!f.simu->isHidden() && f.platte->isHidden() && f.beam->isHidden());
        f.showSimu();
        QVERIFY(!f.simu->isHidden() && f.platte->isHidden() && f.beam->isHidden());
        f.showBeam();
        QVERIFY(f.simu->isHidden() && f.platte->isHidden() && !f.beam->isHidden());
        // Created beam, plate, cutting plot, all in cell (0, 0).
        const QList<QWidget *> order = f.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(order, QList<QWidget *>({f.beam, f.platte, f.simu}));
        for (QWidget *w : order) {
            int row, column, rs, cs;
            f.grid()->getItemPosition(f.grid()->indexOf(w), &row, &column, &rs, &cs);
            QCOMPARE(QPoint(row, column), QPoint(0, 0));
        }
    }

    void oneDisplayFrames()
    {
        KXYFrame xy;
        KZUFrame zu;
        KMorepointFrame mp;
        for (QFrame *f : {static_cast<QFrame *>(&xy), static_cast<QFrame *>(&zu), static_cast<QFrame *>(&mp)}) {
            QVERIFY(f->autoFillBackground());
            QCOMPARE(f->palette().color(QPalette::Window), QColor(250, 250, 200));
            QCOMPARE(f->layout()->count(), 1);
        }
        QCOMPARE(xy.xy->parentWidget(), &xy);
        QCOMPARE(zu.zu->parentWidget(), &zu);
        QCOMPARE(mp.morepoint->parentWidget(), &mp);
    }

    void torch()
    {
        TempWorkDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QFile::copy(":/icon/smile.png", dir.filePath("ravok/icon/smile.png")));
        QWidget window;
        auto *t = new KTorch(&window);
        t->setGeometry(0, 0, 270, 60);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(t->title(), QString("torch:"));
        QCOMPARE(t->litIcon.size(), QSize(28, 28));
        QCOMPARE(t->greyIcon.size(), QSize(28, 28));
        QVERIFY(t->litIcon.toImage() != t->greyIcon.toImage());
        for (int n = 0; n < KTorch::kTorches; ++n) {
            QCOMPARE(t->greyLabel[n]->pos(), QPoint(10 + 30 * n, 25));
            QCOMPARE(t->litLabel[n]->pos(), QPoint(10 + 30 * n, 25));
        }

        t->setTorch(0x05);
        QCOMPARE(int(t->torchMask), 5);
        for (int n = 0; n < KTorch::kTorches; ++n) {
            QVERIFY(t->greyLabel[n]->isVisible());
            QVERIFY(!t->litLabel[n]->isVisible());
        }

        QSignalSpy clicked(t, &KTorch::clicked);
        QTest::mousePress(t, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.count(), 0);
        QTest::mouseRelease(t, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.count(), 1);
    }

    void torchWithoutIcon()
    {
        TempWorkDir dir;
        KTorch t;
        QVERIFY(t.litIcon.isNull());
        QVERIFY(t.greyIcon.isNull());
        QSignalSpy clicked(&t, &KTorch::clicked);
        QTest::mouseClick(&t, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    void clickableFieldAndCaption()
    {
        QWidget window;
        auto *line = new KLine(&window);
        line->setGeometry(0, 0, 100, 20);
        auto *label = new KLabel(&window);
        label->setText("caption");
        label->setGeometry(0, 30, 100, 20);
        line->setText("12345");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        line->setFocus();
        line->setCursorPosition(1);
        QSignalSpy lineClicked(line, &KLine::clicked);
        QSignalSpy labelClicked(label, &KLabel::clicked);
        QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(90, 10));
        QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(90, 10));
        QCOMPARE(lineClicked.count(), 2);
        QCOMPARE(line->cursorPosition(), 1);
        QTest::mousePress(label, Qt::LeftButton);
        QCOMPARE(labelClicked.count(), 1);
    }
};

QTEST_MAIN(DisplaysTest)
#include "DisplaysTest.moc"
