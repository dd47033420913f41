// The widget-free rules of the process slots, as tables: the image each
// chain sends step by step, the speed keys' steps, the job time and the
// plate and beam angles.
#include "app/ProcessImage.h"
#include "app/ProcessMath.h"
#include "app/SpeedStep.h"

#include <QtTest>

using Step = ProcessImage::Step;
using Chain = QVector<Step>;

Q_DECLARE_METATYPE(Chain)

class ProcessEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void chainImages_data();
    void chainImages();
    void stepLeavesOtherBits();
    void fasterAndSlower_data();
    void fasterAndSlower();
    void speedField_data();
    void speedField();
    void remainMinutes_data();
    void remainMinutes();
    void plateAngle_data();
    void plateAngle();
    void beamAngles();
};

namespace {

QString hex(quint32 bits)
{
    return QStringLiteral("%1 %2 %3")
        .arg(bits & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((bits >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((bits >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

} // namespace

void ProcessEngineTest::chainImages_data()
{
    QTest::addColumn<quint32>("start");
    QTest::addColumn<Chain>("steps");
    QTest::addColumn<QStringList>("images");

    QTest::newRow("flame pierce") << 0x000400u
                                  << Chain{ProcessImage::DwDownEnd, ProcessImage::Df,          ProcessImage::DfEnd,
                                           ProcessImage::PreheatOn, ProcessImage::CkUpLift,    ProcessImage::CkUpEnd,
                                           ProcessImage::OxygenOn,  ProcessImage::CkDownLower, ProcessImage::CkDownEnd}
                                  << QStringList{"00 00 00", "05 00 00", "01 00 00", "01 00 00", "01 02 00",
                                                 "01 00 00", "03 00 00", "03 05 00", "03 01 00"};
    // The pierce lift takes the height control off, whether it lifts or not.
    QTest::newRow("pierce lift with the height control on")
        << 0x000101u << Chain{ProcessImage::CkUpLift, ProcessImage::CkUpEnd} << QStringList{"01 02 00", "01 00 00"};
    QTest::newRow("pierce without lift with the height control on")
        << 0x000101u << Chain{ProcessImage::CkUp} << QStringList{"01 00 00"};
    QTest::newRow("flame off and lift") << 0x000103u
                                        << Chain{ProcessImage::OxygenOff, ProcessImage::PreheatOff,
                                                 ProcessImage::OxoffUpLift, ProcessImage::OxoffUpEnd}
                                        << QStringList{"01 01 00", "00 01 00", "00 02 00", "00 00 00"};
    QTest::newRow("three stages, no lift times")
        << 0x000001u << Chain{ProcessImage::CkUp,   ProcessImage::DoCK1,    ProcessImage::DoCK2, ProcessImage::DoCK3,
                              ProcessImage::Ck3End, ProcessImage::OxygenOn, ProcessImage::CkDown}
        << QStringList{"01 00 00", "09 00 00", "19 00 00", "39 00 00", "01 00 00", "03 00 00", "03 01 00"};
    QTest::newRow("powder mark") << 0x000400u << Chain{ProcessImage::DwDownEnd,       ProcessImage::PowderDf,
                                                       ProcessImage::DfEnd,           ProcessImage::OxygenOn,
                                                       ProcessImage::PowderOxygenOff, ProcessImage::OxoffUpLift,
                                                       ProcessImage::OxoffUpEnd}
                                 << QStringList{"00 00 00", "44 00 00", "40 00 00", "42 00 00",
                                                "40 00 00", "40 02 00", "40 00 00"};
    QTest::newRow("plasma capacitive") << 0u
                                       << Chain{ProcessImage::DLZTorchDownCapacitive,
                                                ProcessImage::DLZDWUpEnd,
                                                ProcessImage::DLZDWSuccess,
                                                ProcessImage::DLZYHStart,
                                                ProcessImage::DLZHYOn,
                                                ProcessImage::DLZConerOff,
                                                ProcessImage::DLZConerOn,
                                                ProcessImage::DlzEnd}
                                       << QStringList{"00 01 00", "00 00 00", "00 00 00", "00 20 00",
                                                      "00 60 00", "00 60 00", "00 61 00", "00 00 00"};
    QTest::newRow("plasma collision") << 0u
                                      << Chain{ProcessImage::DLZTorchDownCollision,
                                               ProcessImage::DLZTorchUp,
                                               ProcessImage::DLZDWUpStart,
                                               ProcessImage::DLZDWUpEnd,
                                               ProcessImage::DLZYHStart,
                                               ProcessImage::DLZYHEnd}
                                      << QStringList{"00 04 00", "00 02 00", "00 02 00",
                                                     "00 00 00", "00 20 00", "00 00 00"};
    QTest::newRow("plasma arc off") << 0x006400u << Chain{ProcessImage::DLZOff, ProcessImage::DLZOffEnd}
                                    << QStringList{"00 02 00", "00 00 00"};
    QTest::newRow("plasma arc off while jogging")
        << 0x006500u << Chain{ProcessImage::DLZOffJogging} << QStringList{"00 00 00"};
    QTest::newRow("jog arc voltage") << 0x002000u << Chain{ProcessImage::DLZHYOn, ProcessImage::DLZHYOnJogging}
                                     << QStringList{"00 60 00", "00 61 00"};
    QTest::newRow("collision lifts the torch off")
        << 0x000503u << Chain{ProcessImage::DLZKnock} << QStringList{"03 01 00"};
    QTest::newRow("fire end keeps the stages and torches")
        << 0x0307FFu << Chain{ProcessImage::FireEnd} << QStringList{"fc 06 03"};
}

void ProcessEngineTest::chainImages()
{
    QFETCH(quint32, start);
    QFETCH(Chain, steps);
    QFETCH(QStringList, images);
    QCOMPARE(steps.size(), images.size());
    sys_t image;
    for (int b = 0; b < 3; ++b)
        image.byte[b] = quint8(start >> (8 * b));
    for (int i = 0; i < steps.size(); ++i) {
        image = ProcessImage::apply(image, steps[i]);
        QCOMPARE(hex(ProcessImage::bits(image)), images[i]);
    }
}

void ProcessEngineTest::stepLeavesOtherBits()
{
    // No step touches a bit it does not name, whatever else is on.
    for (int s = 0; s < ProcessImage::StepCount; ++s) {
        const auto step = Step(s);
        const ProcessImage::Change c = ProcessImage::change(step);
        QCOMPARE(c.on & c.off, 0u);
        for (const quint32 start : {0u, 0xFFFFFFu, 0x5A5A5Au}) {
            sys_t image;
            for (int b = 0; b < 3; ++b)
                image.byte[b] = quint8(start >> (8 * b));
            const quint32 after = ProcessImage::bits(ProcessImage::apply(image, step));
            QCOMPARE(after & ~(c.on | c.off), start & ~(c.on | c.off));
            QCOMPARE(after & c.on, c.on);
            QCOMPARE(after & c.off, 0u);
        }
    }
}

void ProcessEngineTest::fasterAndSlower_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("fastRunning");
    QTest::addColumn<int>("fastJogging");
    QTest::addColumn<int>("slower");

    QTest::newRow("23") << 23 << 23 << 23 << 23;
    QTest::newRow("24") << 24 << 25 << 25 << 24;
    QTest::newRow("25") << 25 << 26 << 26 << 24;
    QTest::newRow("49") << 49 << 50 << 50 << 48;
    QTest::newRow("50") << 50 << 55 << 55 << 45;
    QTest::newRow("99") << 99 << 104 << 104 << 94;
    QTest::newRow("100") << 100 << 110 << 110 << 90;
    QTest::newRow("999") << 999 << 1009 << 1009 << 989;
    QTest::newRow("1000") << 1000 << 1100 << 1100 << 900;
    QTest::newRow("1050") << 1050 << 1150 << 1150 << 950;
    QTest::newRow("13950") << 13950 << 14050 << 14050 << 13850;
    QTest::newRow("14000") << 14000 << 14000 << 14100 << 13900;
    QTest::newRow("14050") << 14050 << 14060 << 14150 << 13950;
}

void ProcessEngineTest::fasterAndSlower()
{
    QFETCH(int, v);
    QFETCH(int, fastRunning);
    QFETCH(int, fastJogging);
    QFETCH(int, slower);
    QCOMPARE(SpeedStep::faster(v, true), fastRunning);
    QCOMPARE(SpeedStep::faster(v, false), fastJogging);
    QCOMPARE(SpeedStep::slower(v), slower);
    QCOMPARE(SpeedStep::typed(10), 24);
    QCOMPARE(SpeedStep::typed(v), v < 24 ? 24 : v);
}

void ProcessEngineTest::speedField_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("jogging");
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("rapid");
    QTest::addColumn<int>("field");

    QTest::newRow("cutting flame") << true << false << 1 << 1 << false << int(SpeedStep::Cut);
    QTest::newRow("cutting plasma rapid") << true << false << 1 << 2 << true << int(SpeedStep::Traverse);
    QTest::newRow("cutting powder") << true << false << 1 << 3 << false << int(SpeedStep::Traverse);
    QTest::newRow("cutting demo") << true << true << 2 << 0 << false << int(SpeedStep::Traverse);
    QTest::newRow("jog slow") << false << true << 1 << 3 << false << int(SpeedStep::Cut);
    QTest::newRow("jog inch") << false << true << 3 << 0 << true << int(SpeedStep::Cut);
    QTest::newRow("jog fast") << false << true << 2 << 1 << false << int(SpeedStep::Traverse);
    QTest::newRow("jog machining flame") << false << true << 4 << 1 << false << int(SpeedStep::Cut);
    QTest::newRow("jog machining powder") << false << true << 4 << 3 << false << int(SpeedStep::Traverse);
    QTest::newRow("jog unknown method") << false << true << 5 << 1 << false << int(SpeedStep::NoField);
    QTest::newRow("idle") << false << false << 1 << 1 << false << int(SpeedStep::NoField);
}

void ProcessEngineTest::speedField()
{
    QFETCH(bool, running);
    QFETCH(bool, jogging);
    QFETCH(int, method);
    QFETCH(int, mode);
    QFETCH(bool, rapid);
    QFETCH(int, field);
    QCOMPARE(int(SpeedStep::field(running, jogging, method, mode, rapid)), field);
}

void ProcessEngineTest::remainMinutes_data()
{
    QTest::addColumn<int>("pierces");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("rapid");
    QTest::addColumn<int>("cut");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("cutSpeed");
    QTest::addColumn<int>("minutes");

    QTest::newRow("mixed") << 1 << 30.0 << 600000 << 300000 << 6000 << 2000 << 2;
    QTest::newRow("slower cut") << 1 << 30.0 << 600000 << 300000 << 6000 << 1500 << 3;
    QTest::newRow("no cut speed") << 1 << 30.0 << 600000 << 300000 << 6000 << 0 << 1;
    QTest::newRow("no speeds") << 3 << 40.0 << 600000 << 300000 << -5 << 0 << 2;
    QTest::newRow("12 m rapid") << 0 << 0.0 << 1200000 << 0 << 6000 << 2000 << 2;
    QTest::newRow("just short") << 0 << 0.0 << 1199999 << 0 << 6000 << 2000 << 1;
    // Half a minute of piercing and a rapid of a minute and a half: the rapid
    // counts whole minutes only.
    QTest::newRow("9 m rapid") << 1 << 30.0 << 900000 << 0 << 6000 << 2000 << 1;
}

void ProcessEngineTest::remainMinutes()
{
    QFETCH(int, pierces);
    QFETCH(double, seconds);
    QFETCH(int, rapid);
    QFETCH(int, cut);
    QFETCH(int, top);
    QFETCH(int, cutSpeed);
    QFETCH(int, minutes);
    QCOMPARE(ProcessMath::remainMinutes(pierces, seconds, rapid, cut, top, cutSpeed), minutes);
}

void ProcessEngineTest::plateAngle_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("text");

    QTest::newRow("1200, -350") << 1200.0 << -350.0 << "-16.2602";
    QTest::newRow("-500, -20") << -500.0 << -20.0 << "2.29061";
    QTest::newRow("1000, 17.45") << 1000.0 << 17.45 << "0.99971";
    QTest::newRow("-1000, 10") << -1000.0 << 10.0 << "-0.572938";
    QTest::newRow("vertical") << 0.0 << 500.0 << "0";
    QTest::newRow("horizontal") << 300.0 << 0.0 << "0";
}

void ProcessEngineTest::plateAngle()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, text);
    QCOMPARE(QString::number(ProcessMath::plateAngle(0.0, 0.0, x, y), 'g', 6), text);
}

void ProcessEngineTest::beamAngles()
{
    QCOMPARE(QString::number(ProcessMath::onlyLeftAngle(), 'g', 6), QStringLiteral("0.924045"));
    QCOMPARE(QString::number(ProcessMath::onlyRightAngle(), 'g', 6), QStringLiteral("-0.924045"));
    QCOMPARE(ProcessMath::leftRightAngle(10000), ProcessMath::onlyLeftAngle());
    QCOMPARE(QString::number(ProcessMath::rightLeftAngle(5000), 'g', 6), QStringLiteral("-0.462053"));
}

QTEST_GUILESS_MAIN(ProcessEngineTest)
#include "ProcessEngineTest.moc"
