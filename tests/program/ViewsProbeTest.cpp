// The command-line checks of the path-view probe, each in a fresh folder:
// fits, pens, zoom rectangles, plates, pierce lists, travel lengths, the sheet
// view, the pierce-part view and the preview overlay, as printed by viewprobe.

#include "ProbeRun.h"
#include "TempWorkDir.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

#include <optional>

namespace {

const QByteArray kLine = "G01 X10000 Y0\n";
const QByteArray kSteps = "G01 X1000 Y0\nG00 X0 Y1000\nG01 X1000 Y0\nG00 X0 Y1000\nG01 X-1000 Y0\n";
const QByteArray kCircleAfterRapid = "G00 X1000 Y0\nG02 X0 Y0 I1000 J0\nG00 X-1000 Y0\n";
const QByteArray kCircle = "G02 X0 Y0 I1000 J0\n";

QStringList ops(const QStringList &names)
{
    QStringList args;
    for (const QString &n : names)
        args << QStringLiteral("--op") << n;
    return args;
}

QStringList repeated(const QString &op, int n)
{
    QStringList names;
    for (int k = 0; k < n; ++k)
        names << op;
    return ops(names);
}

} // namespace

class ViewsProbeTest : public QObject
{
    Q_OBJECT

    struct Run {
        QStringList lines;
        int code = -1;
        QByteArray err;
    };

    // Runs viewprobe in a fresh folder holding the named program; with `keep`,
    // in that folder, the current one while it lives.
    static Run run(const QString &file, const QByteArray &program, const QStringList &args, TempWorkDir *keep = nullptr)
    {
        std::optional<TempWorkDir> own;
        if (!keep)
            own.emplace();
        TempWorkDir &dir = keep ? *keep : *own;
        dir.writeFile(file, program);
        const ProbeRun r = Probe::run(QStringLiteral("viewprobe"), args);
        return {Probe::outputLines(r.out), r.code, r.err};
    }

    // Equal lines, where a "count(...)=N" line may be off by two.
    static bool sameLine(const QString &got, const QString &want)
    {
        if (got == want)
            return true;
        static const QRegularExpression count(QStringLiteral("^(count\\(#[0-9a-f]{6}\\)=)(\\d+)$"));
        const auto g = count.match(got);
        const auto w = count.match(want);
        return g.hasMatch() && w.hasMatch() && g.captured(1) == w.captured(1)
               && qAbs(g.captured(2).toInt() - w.captured(2).toInt()) <= 2;
    }

    static bool sameLines(const QStringList &got, const QStringList &want)
    {
        if (got.size() != want.size())
            return false;
        for (int k = 0; k < got.size(); ++k) {
            if (!sameLine(got[k], want[k]))
                return false;
        }
        return true;
    }

private slots:
    void checks_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QByteArray>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("from"); // compare lines from this index on (-N: the last N)

        const QStringList editHead{"scale=1.10988", "centre=(0,-170)"};
        QTest::newRow("editor fit and pens")
            << "edit" << kLine
            << QStringList{"--png", "e.png", "--pixel", "250,220", "--pixel", "250,30", "--count", "#0000ff"}
            << QStringList{"scale=1.10988",          "centre=(0,-170)",       "rectZoom=1",
                           "pixel(250,220)=#0000ff", "pixel(250,30)=#fafac8", "count(#0000ff)=341"}
            << 0;
        QTest::newRow("zoom rectangle") << "edit" << kLine << ops({"setJB", "drag:100,100,300,270"})
                                        << (editHead + QStringList{"rectZoom=0.5"}) << 0;
        QTest::newRow("zoom rectangle twice")
            << "edit" << kLine << ops({"setJB", "drag:100,100,300,270", "drag:100,100,300,270"})
            << (editHead + QStringList{"rectZoom=0.25"}) << 0;
        QTest::newRow("zoom rectangle up and left")
            << "edit" << kLine << ops({"setJB", "drag:300,300,100,100"}) << (editHead + QStringList{"rectZoom=1"}) << 0;

        QTest::newRow("jog fit") << "jog" << kLine << QStringList() << QStringList{"scale=0.628931", "centre=(0,0)"}
                                 << 0;
        QTest::newRow("jog zoom in") << "jog" << kLine << ops({"zoomIn"})
                                     << QStringList{"scale=0.314465", "centre=(0,0)"} << 0;
        QTest::newRow("jog zoom in twice")
            << "jog" << kLine << ops({"zoomIn", "zoomIn"}) << QStringList{"scale=0.314465", "centre=(0,0)"} << 0;
        const QStringList steps{"0.943396", "1.41509", "2.12264", "3.18396", "3.18396"};
        for (int n = 1; n <= 5; ++n) {
            QTest::newRow(qPrintable(QStringLiteral("jog zoom out x%1").arg(n)))
                << "jog" << kLine << repeated(QStringLiteral("zoomOut"), n)
                << QStringList{"scale=" + steps[n - 1], "centre=(0,0)"} << 0;
        }

        QTest::newRow("library start plate")
            << "lib" << kLine << QStringList()
            << QStringList{"scale=16.0578", "centre=(-211.5,-235)", "rectZoom=1", "pointCount=-1"} << 0;
        QTest::newRow("library 3000 plate")
            << "lib" << kLine << ops({"stdPlate:3000,1800"})
            << QStringList{"scale=24.0867", "centre=(-141,-235)", "rectZoom=1", "pointCount=-1"} << 0;
        QTest::newRow("library zero plate")
            << "lib" << kLine << ops({"stdPlate:0,0"})
            << QStringList{"scale=1", "centre=(0,0)", "rectZoom=1", "pointCount=-1"} << 0;
        QTest::newRow("library multi-point without points")
            << "lib" << kLine << ops({"resetView", "morePlate", "drawMorePlatte"})
            << QStringList{"scale=3", "centre=(0,0)", "rectZoom=1", "pointCount=-1"} << 0;
        QStringList twelve;
        for (int k = 1; k <= 12; ++k)
            twelve << QStringLiteral("addPoint:%1,0").arg(k * 100);
        QTest::newRow("library twelve points") << "lib" << kLine << ops(twelve) << QStringList{"pointCount=11"} << -1;

        QTest::newRow("pierce list and lengths")
            << "cut" << kSteps << ops({"makeCKVector", "calDist"})
            << QStringList{"scale=3", "centre=(307.421,273.421)", "pierces=2 list=2,2 move=2000 cut=3000"} << 0;
        QTest::newRow("lengths from record 2") << "cut" << kSteps << ops({"setCurrentNum:2", "calDist"})
                                               << QStringList{"pierces=1 list=0 move=1000 cut=2000"} << -1;
        QTest::newRow("negative record") << "cut" << kSteps << ops({"setCurrentNum:-5", "calDist"})
                                         << QStringList{"pierces=2 list=2,2 move=2000 cut=3000"} << -1;
        QTest::newRow("circle length") << "cut" << kCircleAfterRapid << ops({"makeCKVector", "calDist"})
                                       << QStringList{"pierces=1 list=1 move=2000 cut=6283"} << -1;

        QTest::newRow("sheet view") << "cut" << kSteps << QStringList{"--set",     "sheet=3000,1500", "--op",
                                                                      "showSheet", "--pixel",         "300,625"}
                                    << QStringList{"scale=18.5586", "centre=(167.5,-19)", "pixel(300,625)=#000000"}
                                    << 0;
        QTest::newRow("zero sheet") << "cut" << kSteps << QStringList{"--op", "showSheet", "--count", "#000000"}
                                    << QStringList{"scale=1", "centre=(320,286)", "count(#000000)=0"} << 0;

        const QStringList circle{"scale=1.25786", "centre=(0,-30)", "caption=3 - 5", "count(#0000ff)=169"};
        QTest::newRow("pierce part circle")
            << "ck" << kCircle << QStringList{"--op", "ck:0,1,3,5", "--count", "#0000ff"} << circle << 0;
        QTest::newRow("pierce part rows clamped")
            << "ck" << kCircle << QStringList{"--op", "ck:-3,99999,3,5", "--count", "#0000ff"} << circle << 0;

        const QStringList previewHead{"scale=1.10988", "centre=(0,-170)", "rectZoom=1"};
        QTest::newRow("preview") << "preview" << kLine << QStringList{"--pixel", "250,100"}
                                 << (previewHead + QStringList{"pixel(250,100)=#0000ff"}) << 0;
        QTest::newRow("preview off") << "preview" << kLine << QStringList{"--set",   "previewEnabled=0", "--pixel",
                                                                          "250,100", "--count",          "#0000ff"}
                                     << QStringList{"pixel(250,100)=#fafac8", "count(#0000ff)=0"} << -2;
        QTest::newRow("preview compensated")
            << "preview" << kLine << QStringList{"--set", "showCompensated=1", "--pixel", "250,100"}
            << (previewHead + QStringList{"pixel(250,100)=#ff0000"}) << 0;
    }

    void checks()
    {
        QFETCH(QString, view);
        QFETCH(QByteArray, program);
        QFETCH(QStringList, args);
        QFETCH(QStringList, expected);
        QFETCH(int, from);
        const QString file = view == QLatin1String("cut") && program == kCircleAfterRapid ? QStringLiteral("c.nc")
                                                                                          : QStringLiteral("v.nc");
        const Run r = run(file, program, QStringList{view, file} + args);
        QCOMPARE(r.code, 0);
        QStringList got = r.lines;
        if (from < 0)
            got = got.mid(got.size() + from);
        if (!sameLines(got, expected))
            qWarning("got:\n%s\nwant:\n%s\nstderr: %s", qPrintable(r.lines.join('\n')), qPrintable(expected.join('\n')),
                     r.err.constData());
        QVERIFY(sameLines(got, expected));
    }

    void writesThePicture()
    {
        TempWorkDir dir;
        const Run r = run(QStringLiteral("v.nc"), kLine, {"edit", "v.nc", "--png", "e.png"}, &dir);
        QCOMPARE(r.code, 0);
        const QImage image(dir.filePath(QStringLiteral("e.png")));
        QCOMPARE(image.size(), QSize(500, 440));
        QCOMPARE(QColor(image.pixel(250, 220)), QColor(0, 0, 255));
    }

    void usageAndParseErrors()
    {
        QCOMPARE(run(QStringLiteral("v.nc"), kLine, {"jog", "v.nc", "--op", "setJB"}).code, 2);
        QCOMPARE(run(QStringLiteral("v.nc"), kLine, {"ck", "v.nc", "--op", "zoomIn"}).code, 2);
        QCOMPARE(run(QStringLiteral("v.nc"), kLine, {"cut", "v.nc", "--op", "setCurrentNum"}).code, 2);
        QCOMPARE(run(QStringLiteral("v.nc"), kLine, {"lib", "v.nc", "--set", "sheet=1,1"}).code, 2);
        QCOMPARE(run(QStringLiteral("v.nc"), kLine, {"table", "v.nc"}).code, 2);
        // Numbers that no whole number of the views can hold.
        QCOMPARE(run(QStringLiteral("v.nc"), kLine, {"lib", "v.nc", "--op", "addPoint:1e12,0"}).code, 2);
        QCOMPARE(run(QStringLiteral("v.nc"), kLine, {"cut", "v.nc", "--op", "setCurrentNum:inf"}).code, 2);
        QCOMPARE(run(QStringLiteral("v.nc"), kLine, {"edit", "v.nc", "--pixel", "nan,3"}).code, 2);
        const Run missing = run(QStringLiteral("v.nc"), kLine, {"edit", "none.nc"});
        QCOMPARE(missing.code, 1);
        QVERIFY(missing.lines.contains(QStringLiteral("rectZoom=1")));
    }
};

QTEST_GUILESS_MAIN(ViewsProbeTest)
#include "ViewsProbeTest.moc"
