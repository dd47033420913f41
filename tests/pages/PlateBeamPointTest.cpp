#include "PageWindow.h"
#include "TempWorkDir.h"

#include "app/base/KButton.h"
#include "pages/KBeam.h"
#include "pages/KMenuMorepoint.h"
#include "pages/KMenuZZ.h"
#include "pages/KMorepoint.h"
#include "pages/KPlatte.h"

#include <QCheckBox>
#include <QImage>
#include <QSignalSpy>
#include <QCoreApplication>
#include <QTest>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *w) { w->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

class PlateBeamPointTest : public QObject
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

    void pointLines()
    {
        QCOMPARE(KPlatte::pointLine("首点", 0, 0), QString("首点(    0.00,      0.00)"));
        QCOMPARE(KPlatte::pointLine("次点", -123456.789, 0.004), QString("次点(-123456.79,      0.00)"));
        QCOMPARE(KPlatte::pointLine("次点", -3.5, 123456.5), QString("次点(   -3.50,  123456.50)"));
        TempWorkDir dir;
        KPlatte platte;
        const QStringList lines = platte.lines();
        QCOMPARE(lines.mid(0, 2), QStringList({"首点(    0.00,      0.00)", "次点(    0.00,      0.00)"}));
        platte.setFirstPoint(0, 0);
        platte.setSecondPoint(1200.5, -7);
        QCOMPARE(platte.lines().at(1), QString("次点( 1200.50,     -7.00)"));
    }

    void plateTurnsAboutItsCorner_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<QPoint>("plate");
        QTest::addColumn<QPoint>("free");
        QTest::newRow("0") << 0.0 << QPoint(300, 300) << QPoint(100, 600);
        QTest::newRow("90") << 90.0 << QPoint(100, 600) << QPoint(300, 300);
        QTest::newRow("-90") << -90.0 << QPoint(500, 400) << QPoint(300, 300);
    }

    void plateTurnsAboutItsCorner()
    {
        QFETCH(double, angle);
        QFETCH(QPoint, plate);
        QFETCH(QPoint, free);
        TempWorkDir dir;
        KPlatte platte;
        platte.resize(572, 640);
        platte.setAngle(angle);
        const QImage image = platte.grab().toImage();
        QCOMPARE(image.pixelColor(plate), QColor("#c0c0c0"));
        QCOMPARE(image.pixelColor(free), QColor("#fafac8"));
    }

    void zzPage()
    {
        TempWorkDir dir;
        PageWindow<KMenuZZ> w;
        KMenuZZ *p = w.page;
        QVERIFY(!p->secondButton->isEnabled());
        QVERIFY(!p->angleButton->isEnabled());
        QVERIFY(!p->backFirstButton->isEnabled());
        QVERIFY(p->firstButton->isEnabled());
        QCOMPARE(p->speedUpButton->text(), QString(" 加速 "));
        QVERIFY(w.show());

        QStringList laser;
        connect(p, &KMenuZZ::laserEnabled, [&laser] { laser << "on"; });
        connect(p, &KMenuZZ::laserDisabled, [&laser] { laser << "off"; });
        w.key(Qt::Key_F4);
        QVERIFY(p->laserBox->isChecked());
        w.key(Qt::Key_F4);
        QCOMPARE(laser, QStringList({"on", "off"}));
        QVERIFY(!p->laserBox->isChecked());

        QSignalSpy fast(p, SIGNAL(fast()));
        QSignalSpy slow(p, SIGNAL(slow()));
        w.key(Qt::Key_F1);
        QCOMPARE(fast.count(), 1);
        QVERIFY(!p->speedUpButton->isDown());
        w.key(Qt::Key_F2);
        QCOMPARE(slow.count(), 1);
        p->speedUpButton->setEnabled(false);
        w.key(Qt::Key_F1);
        QCOMPARE(fast.count(), 1);
    }

    void beamStates()
    {
        QCOMPARE(KBeam::angleLine(0.9240452509885984), QString("横梁矫正  0.92405 度"));
        TempWorkDir dir;
        KBeam beam;
        QCOMPARE(beam.state(), 0);
        QCOMPARE(beam.lines(), QStringList({"横梁矫正  0.00000 度"}));

        beam.onlyLeftTouch(0.9240452509885984);
        QCOMPARE(KBeam::angleLine(beam.getValue()), QString("横梁矫正  0.92405 度"));
        QCOMPARE(KBeam::stateText(beam.state()), QString("右侧开关未感应或左侧超前大于100mm"));
        beam.bothNoTouch();
        QCOMPARE(beam.lines(), QStringList({"横梁矫正  0.92405 度", "两侧开关均未感应"}));
        beam.rightLeftTouch(-12.5);
        QCOMPARE(beam.lines(), QStringList({"横梁矫正 -12.50000 度", "右超前"}));
        beam.onlyRightTouch(1);
        QCOMPARE(beam.lines().at(1), QString("左侧开关未感应或右侧超前大于100mm"));
        beam.leftRightTouch(2);
        QCOMPARE(beam.lines().at(1), QString("左超前"));
        beam.bothTouch();
        QCOMPARE(beam.lines(), QStringList({"横梁矫正  0.00000 度", "两侧开关同时感应"}));
        QCOMPARE(KBeam::stateText(7), QString());
    }

    void morepointRows()
    {
        QCOMPARE(KMorepoint::header(), QString("点         X          Y"));
        TempWorkDir dir;
        KMorepoint list;
        list.resize(250, 310);
        QCOMPARE(list.lines(), QStringList({KMorepoint::header()}));
        list.addPoint(1234, -567);
        list.addPoint(-12345678, 0);
        QCOMPARE(list.lines().at(1), QString("1        1234        -567"));
        QCOMPARE(list.lines().at(2), QString("2    -12345678           0"));
        QCOMPARE(KMorepoint::rowLine(9, 1, 2), QString("10           1           2"));

        PaintCounter paints(&list);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        for (int i = 2; i < 10; ++i)
            list.addPoint(i, -i);
        QCOMPARE(list.count(), 10);
        QTRY_VERIFY(paints.count > 0);
        // Every pending repaint is done before the refused point.
        QCoreApplication::sendPostedEvents();
        const QStringList full = list.lines();
        const int painted = paints.count;
        list.addPoint(99, 99);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(list.count(), 10);
        QCOMPARE(list.lines(), full);
        QCOMPARE(paints.count, painted);

        list.reset();
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.lines(), QStringList({KMorepoint::header()}));
    }

    void morepointPage()
    {
        TempWorkDir dir;
        PageWindow<KMenuMorepoint> w;
        QVERIFY(w.show());
        QCOMPARE(w.page->locateButton->text(), QString("定位"));
        QSignalSpy back(w.page->backButton, SIGNAL(pressed()));
        QSignalSpy locate(w.page->locateButton, SIGNAL(clicked()));
        w.key(Qt::Key_Escape);
        QCOMPARE(back.count(), 1);
        w.key(Qt::Key_F1);
        QCOMPARE(locate.count(), 1);
    }
};

QTEST_MAIN(PlateBeamPointTest)
#include "PlateBeamPointTest.moc"
