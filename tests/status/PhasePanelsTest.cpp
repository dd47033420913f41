#include "SignalLog.h"

#include "status/Countdown.h"
#include "status/KStatusDLZ.h"
#include "status/KStatusFire.h"
#include "status/KStatusPF.h"

#include <QLabel>
#include <QPaintEvent>
#include <QRegularExpression>
#include <QCoreApplication>
#include <QTest>

using Calls = QList<int>;

namespace {

// Collects the rectangles of the paint events a widget receives.
class PaintLog : public QObject
{
public:
    explicit PaintLog(QWidget *w) { w->installEventFilter(this); }
    QRegion region;
    int events = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            region += static_cast<QPaintEvent *>(e)->region();
            ++events;
        }
        return false;
    }
};

// The panel's picture as "x,y text" lines and "x,y [image]" lines, image
// named after the panel member it shows.
QStringList describe(const KStatusPanel &panel, const QVector<KStatusPanel::Mark> &marks,
                     const QPixmap *offDisabled = nullptr)
{
    QStringList lines;
    for (const KStatusPanel::Mark &m : marks) {
        QString what = m.text;
        if (m.image == &panel.markPixmap)
            what = "[mark]";
        else if (m.image == &panel.markDisabledPixmap)
            what = "[markDisabled]";
        else if (m.image == &panel.onPixmap)
            what = "[on]";
        else if (m.image == &panel.offPixmap)
            what = "[off]";
        else if (m.image && m.image == offDisabled)
            what = "[offDisabled]";
        else if (m.image)
            what = "[?]";
        lines << QString("%1,%2 %3").arg(m.at.x()).arg(m.at.y()).arg(what);
    }
    return lines;
}

QStringList phaseLines(const QStringList &lines)
{
    QStringList out;
    for (const QString &l : lines) {
        if (l.section(',', 1).section(' ', 0, 0).toInt() < 230)
            out << l;
    }
    return out;
}

QObject *makePanel(const QString &name)
{
    if (name == "fire")
        return new KStatusFire;
    if (name == "pf")
        return new KStatusPF;
    return new KStatusDLZ;
}

} // namespace

class PhasePanelsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(icons); }

    void threeStagePierce()
    {
        KStatusFire fire;
        fire.ck3Mode = true;
        const QList<QByteArray> names = {"ck1TimeUp", "ck2TimeUp", "ck3TimeUp", "ckTimeUp"};

        fire.setCK(9.0);
        {
            SignalLog log(&fire, names);
            bool totalKept = true;
            log.run("minusCK", 92, [&](int) { totalKept = totalKept && fire.getCK() == 9.0; });
            QCOMPARE(log.calls("ck1TimeUp"), Calls({31}));
            QCOMPARE(log.calls("ck2TimeUp"), Calls({61}));
            QCOMPARE(log.calls("ck3TimeUp"), Calls({90, 91, 92}));
            QCOMPARE(log.calls("ckTimeUp"), Calls());
            QVERIFY(totalKept);
            QVERIFY(fire.ck1Done && fire.ck2Done);
        }

        fire.ck1Done = fire.ck2Done = false;
        fire.setCK(4.5);
        {
            SignalLog log(&fire, names);
            log.run("minusCK", 45);
            QCOMPARE(log.calls("ck1TimeUp"), Calls({16}));
            QCOMPARE(log.calls("ck2TimeUp"), Calls({30}));
            QCOMPARE(log.calls("ck3TimeUp"), Calls({45}));
        }

        fire.ck1Done = fire.ck2Done = false;
        fire.setCK(0.2);
        {
            SignalLog log(&fire, names);
            log.run("minusCK", 2);
            QCOMPARE(log.calls("ck1TimeUp"), Calls({1}));
            QCOMPARE(log.calls("ck2TimeUp"), Calls());
            QCOMPARE(log.calls("ck3TimeUp"), Calls({2}));
        }

        // A stage already given in an earlier pierce is not given again.
        fire.ck1Done = true;
        fire.ck2Done = false;
        fire.setCK(9.0);
        {
            SignalLog log(&fire, names);
            log.run("minusCK", 92);
            QCOMPARE(log.calls("ck1TimeUp"), Calls());
            QCOMPARE(log.calls("ck2TimeUp"), Calls({61}));
            QCOMPARE(log.calls("ck3TimeUp"), Calls({90, 91, 92}));
        }

        fire.ck3Mode = false;
        fire.ck1Done = fire.ck2Done = false;
        fire.setCK(9.0);
        {
            SignalLog log(&fire, names);
            log.run("minusCK", 91);
            QCOMPARE(log.calls("ckTimeUp"), Calls({90, 91}));
            QCOMPARE(log.calls("ck1TimeUp"), Calls());
            QCOMPARE(log.calls("ck2TimeUp"), Calls());
            QCOMPARE(log.calls("ck3TimeUp"), Calls());
        }
    }

    void plainPhaseEnds_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QByteArray>("setter");
        QTest::addColumn<QByteArray>("getter");
        QTest::addColumn<QByteArray>("tick");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<double>("total");
        QTest::addColumn<int>("endTick");

        const struct {
            const char *panel, *phase, *signal;
            double total;
            int endTick;
        } rows[] = {
            {"fire", "Delay", "delayEnd", 5.0, 50},
            {"fire", "DF", "dfEnd", 3.0, 30},
            {"fire", "CKUp", "ckUpEnd", 0.2, 2},
            {"fire", "CKDown", "ckDownEnd", 0.2, 2},
            {"fire", "OxoffUp", "OxoffUpEnd", 3.0, 30},
            {"fire", "DwDown", "dwDownEnd", 3.0, 30},
            {"pf", "DF", "dfEnd", 3.0, 30},
            {"pf", "OxoffUp", "OxoffUpEnd", 0.25, 3},
            {"pf", "DwDown", "dwDownEnd", 3.0, 30},
            {"dlz", "YH", "YHEnd", 6.0, 60},
            {"dlz", "Delay", "delayEnd", 3.0, 30},
            {"dlz", "ArcOffUp", "arcOffUpEnd", 4.0, 40},
            {"dlz", "DWUp", "DWUpEnd", 4.0, 40},
            {"dlz", "DWDown", "DWDownEnd", 0.7, 7},
            {"fire", "Delay", "delayEnd", 0.0, 1},
            {"dlz", "YH", "YHEnd", -1.0, 1},
            {"pf", "DF", "dfEnd", 0.2, 2},
        };
        for (const auto &r : rows) {
            QTest::addRow("%s %s %g", r.panel, r.phase, r.total)
                << QString(r.panel) << QByteArray("set") + r.phase << QByteArray("get") + r.phase
                << QByteArray("minus") + r.phase << QByteArray(r.signal) << r.total << r.endTick;
        }
    }

    // Each phase ends on the first tick with at most 0.01 s left and repeats
    // its end signal on every further tick; the getter keeps the total.
    void plainPhaseEnds()
    {
        QFETCH(QString, panel);
        QFETCH(QByteArray, setter);
        QFETCH(QByteArray, getter);
        QFETCH(QByteArray, tick);
        QFETCH(QByteArray, signal);
        QFETCH(double, total);
        QFETCH(int, endTick);

        std::unique_ptr<QObject> p(makePanel(panel));
        QVERIFY(QMetaObject::invokeMethod(p.get(), setter, Q_ARG(double, total)));
        SignalLog log(p.get(), {signal});
        log.run(tick, endTick + 2);
        QCOMPARE(log.calls(signal), Calls({endTick, endTick + 1, endTick + 2}));
        double got = 0;
        QVERIFY(QMetaObject::invokeMethod(p.get(), getter, Q_RETURN_ARG(double, got)));
        QCOMPARE(got, total);
    }

    void delayStaysActiveUntilEnd()
    {
        KStatusFire fire;
        fire.setDelay(5.0);
        SignalLog log(&fire, {"delayEnd"});
        bool activeUntilEnd = true;
        log.run("minusDelay", 49, [&](int) { activeUntilEnd = activeUntilEnd && fire.delayActive; });
        QVERIFY(activeUntilEnd);
        QCOMPARE(log.calls("delayEnd"), Calls());
        log.run("minusDelay", 3);
        QCOMPARE(log.calls("delayEnd"), Calls({1, 2, 3}));
        QCOMPARE(fire.getDelay(), 5.0);
    }

    void setterRestartsRunningPhase()
    {
        KStatusFire fire;
        fire.setDelay(5.0);
        SignalLog log(&fire, {"delayEnd"});
        log.run("minusDelay", 10);
        fire.setDelay(2.0);
        QVERIFY(fire.delayActive);
        log.run("minusDelay", 20);
        QCOMPARE(log.calls("delayEnd"), Calls({20}));
        QVERIFY(fire.delayActive);
    }

    // The main window resets a phase in the slot that answers its end signal;
    // the tick must not write the phase again after emitting.
    void resetInEndSlotHolds()
    {
        KStatusFire fire;
        fire.setDF(0.2);
        connect(&fire, &KStatusFire::dfEnd, &fire, [&] {
            fire.setDF(fire.getDF());
            fire.dfActive = false;
        });
        fire.minusDF();
        fire.minusDF();
        QCOMPARE(fire.dfRemain, 0.2);
        QVERIFY(!fire.dfActive);

        fire.ck3Mode = true;
        fire.setCK(0.1);
        connect(&fire, &KStatusFire::ck3TimeUp, &fire, [&] {
            fire.setCK(fire.getCK());
            fire.ckActive = false;
        });
        fire.minusCK();
        QCOMPARE(fire.ckRemain, 0.1);
        QVERIFY(!fire.ckActive);

        KStatusDLZ dlz;
        dlz.setDelay(0.1);
        connect(&dlz, &KStatusDLZ::delayEnd, &dlz, [&] {
            dlz.setDelay(dlz.getDelay());
            dlz.delayActive = false;
        });
        dlz.minusDelay();
        QCOMPARE(dlz.delayRemain, 0.1);
        QVERIFY(!dlz.delayActive);
    }

    void realDelayAndTotals()
    {
        KStatusFire fire;
        fire.addRealDelay();
        fire.clearRealDelay();
        for (int i = 0; i < 10; ++i)
            fire.addRealDelay();
        QVERIFY(qAbs(fire.getRealDelay() - 1.0) < 1e-9);
        QVERIFY(qAbs(fire.getTotalTime() - 23.4) < 1e-9);
        fire.setCK(10.0);
        QVERIFY(qAbs(fire.getTotalTime() - 24.4) < 1e-9);
    }

    void positioningMode()
    {
        KStatusDLZ dlz;
        QCOMPARE(dlz.dwMode, 0);
        QCOMPARE(dlz.modeLabel->text(), QStringLiteral("定位方式: "));
        QCOMPARE(dlz.modeLabel->pos(), QPoint(20, 190));

        dlz.setModeText(1);
        QCOMPARE(dlz.dwMode, 1);
        QVERIFY(!dlz.dwUpLabel->isEnabled());
        QVERIFY(dlz.dwDownLabel->isEnabled());
        QCOMPARE(dlz.modeLabel->text(), QStringLiteral("定位方式:     电容式"));

        dlz.setModeText(2);
        QCOMPARE(dlz.dwMode, 1);
        QVERIFY(!dlz.dwUpLabel->isEnabled());
        QVERIFY(dlz.dwDownLabel->isEnabled());
        QCOMPARE(dlz.modeLabel->text(), QStringLiteral("定位方式:     电容式"));

        dlz.setModeText(0);
        QCOMPARE(dlz.dwMode, 0);
        QVERIFY(dlz.dwUpLabel->isEnabled());
        QVERIFY(!dlz.dwDownLabel->isEnabled());
        QCOMPARE(dlz.modeLabel->text(), QStringLiteral("定位方式:     碰撞式"));
    }

    void labelsAndImages()
    {
        KStatusFire fire;
        QCOMPARE(fire.font().pointSize(), 10);
        QCOMPARE(fire.markPixmap.size(), QSize(28, 28));
        QCOMPARE(fire.offDisabledPixmap.size(), QSize(24, 24));
        KStatusPF pf;
        QCOMPARE(pf.markPixmap.size(), QSize(24, 24));
        QCOMPARE(pf.onPixmap.size(), QSize(24, 24));
        QVERIFY(!pf.offPixmap.isNull());

        QStringList texts;
        for (QLabel *l : fire.findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (l->pos() == QPoint(40, 8 + 30 * 2))
                texts << l->text();
            if (l->pos() == QPoint(40, 238 + 30 * 5))
                texts << l->text();
        }
        QCOMPARE(texts, QStringList({QStringLiteral("穿  孔: [     ]"), QStringLiteral("自动调高: [    ]")}));
    }

    void flamePictures()
    {
        KStatusFire fire;
        QStringList idle = describe(fire, fire.picture(), &fire.offDisabledPixmap);
        QCOMPARE(phaseLines(idle),
                 QStringList({"110,20 5", "10,1 [markDisabled]", "110,50 3", "10,31 [markDisabled]", "110,80 9",
                              "10,61 [markDisabled]", "110,110 0.2", "10,91 [markDisabled]", "110,140 0.2",
                              "10,121 [markDisabled]", "110,170 3", "10,151 [markDisabled]", "110,200 3",
                              "10,181 [markDisabled]"}));
        // Single-stage piercing greys the stage rows whatever their flags say.
        fire.ck1On = true;
        fire.preheatOxygenOn = true;
        idle = describe(fire, fire.picture(), &fire.offDisabledPixmap);
        QCOMPARE(idle.mid(14), QStringList({"10,232 [on]", "122,250 开", "10,262 [off]", "122,280 关",
                                            "10,292 [offDisabled]", "124,310 -", "10,322 [offDisabled]", "124,340 -",
                                            "10,352 [offDisabled]", "124,370 -", "10,382 [off]", "122,400 关"}));
        fire.ck3Mode = true;
        QCOMPARE(describe(fire, fire.picture()).mid(18, 6), QStringList({"10,292 [on]", "122,310 开", "10,322 [off]",
                                                                         "122,340 关", "10,352 [off]", "122,370 关"}));

        // Running: only the first active phase, one pixel lower marker.
        for (int i = 0; i < 35; ++i)
            fire.minusCK();
        QCOMPARE(phaseLines(describe(fire, fire.picture())), QStringList({"110,80 5.5", "10,62 [mark]"}));
        fire.minusCKDown();
        QCOMPARE(phaseLines(describe(fire, fire.picture())), QStringList({"110,80 5.5", "10,62 [mark]"}));
        fire.minusDelay();
        QCOMPARE(phaseLines(describe(fire, fire.picture())), QStringList({"110,20 4.9", "10,2 [mark]"}));
    }

    void powderAndPlasmaPictures()
    {
        KStatusPF pf;
        pf.minusDwDown();
        pf.minusDF();
        // Ignition takes precedence although it is the last row.
        QCOMPARE(phaseLines(describe(pf, pf.picture())), QStringList({"110,80 2.9", "10,62 [mark]"}));
        QCOMPARE(describe(pf, pf.picture()).size(), 2 + 6);

        KStatusDLZ dlz;
        dlz.setModeText(0);
        const QStringList collision = phaseLines(describe(dlz, dlz.picture()));
        QVERIFY(collision.contains("110,110 4"));
        QVERIFY(!collision.contains("110,140 4"));
        QCOMPARE(collision.filter("[markDisabled]").size(), 5);
        dlz.setModeText(1);
        const QStringList capacitive = phaseLines(describe(dlz, dlz.picture()));
        QVERIFY(!capacitive.contains("110,110 4"));
        QVERIFY(capacitive.contains("110,140 4"));

        dlz.yhSuccess = true;
        const QStringList all = describe(dlz, dlz.picture());
        QVERIFY(all.contains("10,382 [on]"));
        QVERIFY(all.contains("122,400 是"));
        QCOMPARE(all.filter(QRegularExpression("^\\d+,(352|370) ")), QStringList()); // row 4 stays empty
    }

    // A tick repaints only its 160 x 30 band; a setter repaints the whole panel.
    void tickRepaintsItsBandOnly_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QByteArray>("tick");
        QTest::addColumn<int>("row");
        QTest::newRow("fire pierce") << "fire" << QByteArray("minusCK") << 2;
        QTest::newRow("fire descent") << "fire" << QByteArray("minusDwDown") << 6;
        QTest::newRow("powder ignition") << "pf" << QByteArray("minusDF") << 2;
        QTest::newRow("plasma arc") << "dlz" << QByteArray("minusYH") << 0;
    }

    void tickRepaintsItsBandOnly()
    {
        QFETCH(QString, panel);
        QFETCH(QByteArray, tick);
        QFETCH(int, row);
        std::unique_ptr<QObject> object(makePanel(panel));
        auto *w = static_cast<QWidget *>(object.get());
        w->resize(170, 420);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        PaintLog log(w);
        // The first paint, still posted, goes out now.
        QCoreApplication::sendPostedEvents();
        log.region = QRegion();
        log.events = 0;

        QVERIFY(QMetaObject::invokeMethod(w, tick));
        QTRY_VERIFY(log.events > 0);
        QCOMPARE(log.region, QRegion(KStatusPanel::band(row)));

        log.region = QRegion();
        const QByteArray setter = "set" + tick.mid(5);
        QVERIFY(QMetaObject::invokeMethod(w, setter, Q_ARG(double, 1.0)));
        QTRY_COMPARE(log.region, QRegion(w->rect()));
    }

    void countdownArithmetic()
    {
        double remain = 0.3;
        bool active = false;
        QVERIFY(!Countdown::tick(remain, active));
        QVERIFY(active);
        QVERIFY(!Countdown::tick(remain, active));
        QVERIFY(Countdown::tick(remain, active));
        QVERIFY(remain < 0.01 && remain > -0.01);
        QVERIFY(Countdown::tick(remain, active));
        QVERIFY(remain < -0.09); // not clamped
    }
};

QTEST_MAIN(PhasePanelsTest)
#include "PhasePanelsTest.moc"
