// k.nc of shapes K25..K49 as libprobe writes it from a shell, each run in a
// fresh empty folder, compared line for line.

#include "ProbeRun.h"
#include "TempWorkDir.h"

#include <QtTest>

namespace {

QStringList lines(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char('|'));
}

// The 1 x 1 grid with a 10, b 200, c 150, after the placement line.
const char kGrid1x1[] = "G01 X1000|G01 Y15000|G01 X20000|G01 Y-15000|G01 X-20000|G01 Y-1000|G00 X20000|"
                        "G00 X-21000Y1000|G00 X22000";

const char kK31[] = "G00 X0 Y0|G41|G01 X1000 Y0|G01 X0 Y20000|G01 X6000 Y0|G01 X0 Y-8000|G01 X4000 Y0|"
                    "G01 X0 Y-4000|G01 X-4000 Y0|G01 X0 Y-8000|G01 X-6000 Y0|G01 X-1000 Y0|G40|"
                    "G00 X11000 Y0|G00 X0 Y0";

const char kK48[] = "G00 X0 Y0|G41|G01 X1000 Y0|G01 X0 Y14000|G02 X4841 Y2368 I3000 J0|G01 X9000 Y-7000|"
                    "G02 X0 Y-4736 I-1841 J-2368|G01 X-9000 Y-7000|G02 X-4841 Y2368 I-1841 J2368|"
                    "G01 X-1000 Y0|G40|G00 X16000 Y0|G00 X0 Y0";

// `base` with its 1-based line `number` replaced.
QStringList with(QStringList base, std::initializer_list<std::pair<int, const char *>> changes)
{
    for (const auto &change : changes)
        base[change.first - 1] = QString::fromLatin1(change.second);
    return base;
}

QStringList placed(const char *body)
{
    return QStringList{QStringLiteral("G00 X0 Y0")} + lines(body);
}

} // namespace

class ShapeProbeTest : public QObject
{
    Q_OBJECT

private:
    // The probe's run and the k.nc it wrote.
    struct Run : ProbeRun {
        QByteArray file;
    };

    static Run runProbe(const QStringList &args)
    {
        Run run;
        TempWorkDir dir(false);
        if (!dir.isValid())
            return run;
        static_cast<ProbeRun &>(run) = Probe::run(QStringLiteral("libprobe"), args);
        run.file = dir.readFile(QStringLiteral(".tovrelcnc/k.nc"));
        return run;
    }

private slots:
    // `first` 0: the whole file is `expected`; otherwise `expected` are the
    // lines from line `first` on, in a file of `total` lines (-1: any).
    void golden_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("total");
        QTest::addColumn<QStringList>("expected");

        const QStringList sel0{QStringLiteral("--select"), QStringLiteral("0")};

        // L plates.
        QTest::newRow("K25") << sel0 + QStringList{"K25"} << 0 << -1
                             << lines("G00 X0 Y0|G41|G01 X1000 Y0|G01 X0 Y16000|G02 X1000 Y1000 I1000 J0|"
                                      "G01 X12500 Y0|G02 X0 Y-3000 I0 J-1500|G01 X-7500 Y0|G01 X0 Y-14000|"
                                      "G02 X-6000 Y0 I-3000 J0|G01 X-1000 Y0|G40|G00 X17500 Y0|G00 X0 Y0");
        QTest::newRow("K30") << sel0 + QStringList{"K30"} << 14 << 19
                             << lines("G01 X-4000 Y0|G02 X-1000 Y1000 I0 J1000|G01 X-1000 Y0|G40|"
                                      "G00 X17500 Y0|G00 X0 Y0");

        // T plates.
        QTest::newRow("K31") << sel0 + QStringList{"K31"} << 0 << -1 << lines(kK31);
        QTest::newRow("K31 odd b") << sel0 + QStringList{"K31:b=200.01"} << 0 << -1
                                   << with(lines(kK31), {{4, "G01 X0 Y20001"}, {10, "G01 X0 Y-8001"}});
        QTest::newRow("K34 odd d e") << sel0 + QStringList{"K34:d=60.01,e=40.01"} << 3 << -1
                                     << lines("G01 X1000 Y0|G01 X0 Y13999|G02 X6001 Y0 I3000 J0|G01 X0 Y-5000|"
                                              "G01 X1999 Y0|G02 X0 Y-4001 I0 J-2000|G01 X-1999 Y0|"
                                              "G01 X0 Y-4998|G02 X-6001 Y0 I-3000 J0|G01 X-1000 Y0|G40|"
                                              "G00 X11000 Y0|G00 X0 Y0");

        // C plates.
        QTest::newRow("K33 c 120") << sel0 + QStringList{"K33:c=120"} << 9 << 15 << lines("G01 X-4000 Y0");
        QTest::newRow("K39") << sel0 + QStringList{"K39"} << 0 << -1
                             << lines("G00 X0 Y0|G41|G01 X1000 Y0|G01 X0 Y20000|G01 X15000 Y0|G01 X0 Y-4000|"
                                      "G01 X-9000 Y0|G01 X0 Y-11000|G01 X9000 Y0|G01 X0 Y-5000|"
                                      "G01 X-15000 Y0|G01 X-1000 Y0|G40|G00 X16000 Y0|G00 X0 Y0");
        QTest::newRow("K40 odd e") << sel0 + QStringList{"K40:e=40.01"} << 6 << 15
                                   << lines("G02 X0 Y-4001 I0 J-2000|G01 X-7000 Y0|G01 X0 Y-10999");

        // Polygons.
        QTest::newRow("K44") << sel0 + QStringList{"K44"} << 4 << 12
                             << lines("G01 X0 Y20000|G01 X19021 Y6180|G01 X11755 Y-16180|"
                                      "G01 X-11755 Y-16180|G01 X-19021 Y6180");
        QTest::newRow("K43 odd b") << sel0 + QStringList{"K43:b=200.01"} << 0 << -1
                                   << lines("G00 X0 Y0|G41|G01 X1000 Y0|G01 X0 Y20001|G01 X17321 Y-10000|"
                                            "G01 X-17321 Y-10001|G01 X-1000 Y0|G40|G00 X18321 Y0|G00 X0 Y0");

        // Rounded triangles.
        QTest::newRow("K47") << sel0 + QStringList{"K47"} << 0 << -1
                             << lines("G00 X0 Y0|G41|G01 X1000 Y0|G01 X0 Y20000|G01 X13841 Y-7632|"
                                      "G02 X0 Y-4736 I-1841 J-2368|G01 X-13841 Y-7632|G01 X-1000 Y0|G40|"
                                      "G00 X16000 Y0|G00 X0 Y0");
        QTest::newRow("K48") << sel0 + QStringList{"K48"} << 0 << -1 << lines(kK48);
        QTest::newRow("K48 odd b") << sel0 + QStringList{"K48:b=200.01"} << 0 << -1
                                   << with(lines(kK48), {{4, "G01 X0 Y14001"}, {8, "G01 X-9000 Y-7001"}});

        // Degenerate tips: c = 2d and b/2 = d.
        QTest::newRow("K47 degenerate") << sel0 + QStringList{"K47:b=60,c=60,d=30"} << 0 << -1
                                        << lines("G00 X0 Y0|G41|G01 X1000 Y0|G01 X0 Y6000|G01 X3000 Y0|"
                                                 "G02 X0 Y-6000 I0 J-3000|G01 X-3000 Y0|G01 X-1000 Y0|G40|"
                                                 "G00 X7000 Y0|G00 X0 Y0");
        QTest::newRow("K48 degenerate") << sel0 + QStringList{"K48:b=60,c=60,d=30"} << 0 << -1
                                        << lines("G00 X0 Y0|G41|G01 X1000 Y0|G01 X0 Y0|G02 X3000 Y3000 I3000 J0|"
                                                 "G01 X0 Y0|G02 X0 Y-6000 I0 J-3000|G01 X0 Y0|"
                                                 "G02 X-3000 Y3000 I0 J3000|G01 X-1000 Y0|G40|G00 X7000 Y0|"
                                                 "G00 X0 Y0");

        // The other shapes of the families with their default texts, a 10 mm:
        // "G41", the entries, "G40", then the column step by W.
        const struct {
            const char *shape;
            const char *body;
        } defaults[] = {
            {"K26", "G01 X0 Y19000|G02 X1000 Y1000 I1000 J0|G01 X12500 Y0|G02 X0 Y-3000 I0 J-1500|G01 X-7500 Y0|"
                    "G01 X0 Y-17000|G01 X-6000 Y0|G01 X-1000 Y0|G40|G00 X17500 Y0"},
            {"K27", "G01 X0 Y18000|G02 X2000 Y2000 I2000 J0|G01 X13000 Y0|G01 X0 Y-3000|G01 X-8000 Y0|"
                    "G03 X-1000 Y-1000 I0 J-1000|G01 X0 Y-16000|G01 X-6000 Y0|G01 X-1000 Y0|G40|G00 X16000 Y0"},
            {"K28", "G01 X0 Y15000|G02 X2000 Y2000 I2000 J0|G01 X11500 Y0|G02 X0 Y-3000 I0 J-1500|G01 X-6500 Y0|"
                    "G03 X-1000 Y-1000 I0 J-1000|G01 X0 Y-13000|G02 X-6000 Y0 I-3000 J0|G01 X-1000 Y0|G40|"
                    "G00 X17500 Y0"},
            {"K29", "G01 X0 Y18000|G02 X2000 Y2000 I2000 J0|G01 X11500 Y0|G02 X0 Y-3000 I0 J-1500|G01 X-6500 Y0|"
                    "G03 X-1000 Y-1000 I0 J-1000|G01 X0 Y-16000|G01 X-6000 Y0|G01 X-1000 Y0|G40|G00 X17500 Y0"},
            {"K32", "G01 X0 Y14000|G02 X6000 Y0 I3000 J0|G01 X0 Y-5000|G01 X4000 Y0|G01 X0 Y-4000|G01 X-4000 Y0|"
                    "G01 X0 Y-5000|G02 X-6000 Y0 I-3000 J0|G01 X-1000 Y0|G40|G00 X11000 Y0"},
            {"K33", "G01 X0 Y20000|G01 X6000 Y0|G01 X0 Y-8000|G01 X2000 Y0|G02 X0 Y-4000 I0 J-2000|G01 X-2000 Y0|"
                    "G01 X0 Y-8000|G01 X-6000 Y0|G01 X-1000 Y0|G40|G00 X11000 Y0"},
            {"K35", "G01 X0 Y8000|G01 X-3000 Y0|G01 X0 Y4000|G01 X3000 Y0|G01 X0 Y8000|G01 X6000 Y0|G01 X0 Y-8000|"
                    "G01 X8000 Y0|G01 X0 Y-4000|G01 X-8000 Y0|G01 X0 Y-8000|G01 X-6000 Y0|G01 X-1000 Y0|G40|"
                    "G00 X17000 Y0"},
            {"K36", "G01 X0 Y8000|G01 X-1000 Y0|G02 X0 Y4000 I0 J2000|G01 X1000 Y0|G01 X0 Y8000|G01 X6000 Y0|"
                    "G01 X0 Y-8000|G01 X6000 Y0|G02 X0 Y-4000 I0 J-2000|G01 X-6000 Y0|G01 X0 Y-8000|"
                    "G01 X-6000 Y0|G01 X-1000 Y0|G40|G00 X17000 Y0"},
            {"K37", "G01 X0 Y8000|G01 X-3000 Y0|G01 X0 Y4000|G01 X3000 Y0|G01 X0 Y8000|G01 X6000 Y0|G01 X0 Y-8000|"
                    "G01 X6000 Y0|G02 X0 Y-4000 I0 J-2000|G01 X-6000 Y0|G01 X0 Y-8000|G01 X-6000 Y0|"
                    "G01 X-1000 Y0|G40|G00 X17000 Y0"},
            {"K38", "G01 X0 Y5000|G01 X-1000 Y0|G02 X0 Y4000 I0 J2000|G01 X1000 Y0|G01 X0 Y5000|"
                    "G02 X6000 Y0 I3000 J0|G01 X0 Y-5000|G01 X6000 Y0|G02 X0 Y-4000 I0 J-2000|G01 X-6000 Y0|"
                    "G01 X0 Y-5000|G02 X-6000 Y0 I-3000 J0|G01 X-1000 Y0|G40|G00 X17000 Y0"},
            {"K41", "G01 X0 Y16000|G02 X2000 Y2000 I2000 J0|G01 X13000 Y0|G01 X0 Y-4000|G01 X-9000 Y0|"
                    "G01 X0 Y-11000|G01 X9000 Y0|G01 X0 Y-5000|G01 X-13000 Y0|G02 X-2000 Y2000 I0 J2000|"
                    "G01 X-1000 Y0|G40|G00 X16000 Y0"},
            {"K42", "G01 X0 Y16000|G02 X2000 Y2000 I2000 J0|G01 X11000 Y0|G02 X0 Y-4000 I0 J-2000|G01 X-7000 Y0|"
                    "G01 X0 Y-11000|G01 X6500 Y0|G02 X0 Y-5000 I0 J-2500|G01 X-10500 Y0|"
                    "G02 X-2000 Y2000 I0 J2000|G01 X-1000 Y0|G40|G00 X16000 Y0"},
            {"K45", "G01 X0 Y20000|G01 X17320 Y10000|G01 X17320 Y-10000|G01 X0 Y-20000|G01 X-17320 Y-10000|"
                    "G01 X-17320 Y10000|G01 X-1000 Y0|G40|G00 X35641 Y0"},
            {"K46", "G01 X0 Y20000|G01 X14142 Y14142|G01 X20000 Y0|G01 X14142 Y-14142|G01 X0 Y-20000|"
                    "G01 X-14142 Y-14142|G01 X-20000 Y0|G01 X-14142 Y14142|G01 X-1000 Y0|G40|G00 X49284 Y0"},
        };
        for (const auto &row : defaults) {
            QTest::newRow(row.shape) << sel0 + QStringList{QString::fromLatin1(row.shape)} << 0 << -1
                                     << QStringList{QStringLiteral("G00 X0 Y0"), QStringLiteral("G41"),
                                                    QStringLiteral("G01 X1000 Y0")}
                                            + lines(row.body) + QStringList{QStringLiteral("G00 X0 Y0")};
        }

        // K49 grids.
        const QStringList grid1 = placed(kGrid1x1);
        QTest::newRow("K49") << sel0 + QStringList{"K49"} << 0 << -1 << grid1;
        QTest::newRow("K49 2x1") << sel0 + QStringList{"K49:nx=2"} << 0 << -1
                                 << grid1.mid(0, 8)
                                        + lines("G01 Y 1000|G01 X20000|G01 Y 15000|G01 X-20000|"
                                                "G01 Y 1000|G00 X20000|G00 X-40000Y-15000|"
                                                "G00 X-1000Y-1000|G00 X42000");
        QTest::newRow("K49 1x2") << sel0 + QStringList{"K49:ny=2"} << 0 << -1
                                 << grid1.mid(0, 7)
                                        + lines("G00 X21000Y16000|G01 X-1000|G01 Y15000|"
                                                "G01 X-20000|G01 Y-15000|G01 X-1000|G00 Y15000|"
                                                "G00 Y-30000|G00 X22000");
        QTest::newRow("K49 2x2 then K1")
            << QStringList{"--select", "1", "K49:nx=2,ny=2", "K1"} << 0 << 35
            << lines("G97 |G00 X0 Y0|G01 X1000|G01 Y15000|G01 X20000|G01 Y-15000|G01 X-20000|G01 Y-1000|"
                     "G00 X20000|G01 Y1000|G01 X20000|G01 Y15000|G01 X-20000|G01 Y 15000|G01 X-20000|"
                     "G01 Y-15000|G01 X-1000|G00 X21000Y16000|G01 Y-1000|G01 X 20000|G01 Y-15000|G01 X1000|"
                     "G00 Y15000|G00 X-40000Y-30000|G00 X-2000|G00 X42000|G98 |G00 X0 Y0|G41|G01 X1000 Y0|"
                     "G02 X0 Y0 I5000 J0|G40|G00 X-1000 Y0|G00 X11000 Y0|G00 X0 Y0");

        // K49 limits: counts below 1 cut one plate; angle, mirror and spacings
        // have no effect; a deleted grid writes only its placement.
        QTest::newRow("K49 nx 0") << sel0 + QStringList{"K49:nx=0"} << 0 << -1 << grid1;
        QTest::newRow("K49 nx -3 ny 0") << sel0 + QStringList{"K49:nx=-3,ny=0"} << 0 << -1 << grid1;
        QTest::newRow("K49 placement ignored")
            << sel0 + QStringList{"K49:angle=30,mirror=XY,spx=5,spy=5"} << 0 << -1 << grid1;
        QTest::newRow("K49 deleted") << sel0 + QStringList{"--delete", "1", "K49"} << 0 << -1
                                     << QStringList{"G00 X0 Y0"};
    }

    void golden()
    {
        QFETCH(QStringList, args);
        QFETCH(int, first);
        QFETCH(int, total);
        QFETCH(QStringList, expected);

        const Run run = runProbe(args);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err, QByteArray());
        QVERIFY(run.file.endsWith('\n'));
        QVERIFY(!run.file.contains('\r'));
        if (first == 0) {
            QCOMPARE(QString::fromLatin1(run.file), expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));
            return;
        }
        QStringList got = QString::fromLatin1(run.file).split(QLatin1Char('\n'));
        got.removeLast();
        if (total >= 0)
            QCOMPARE(got.size(), total);
        QCOMPARE(got.mid(first - 1, expected.size()), expected);
    }

    // With the default texts, the row step of a 1 x 2 array is each shape's
    // cell height H.
    void cellHeights()
    {
        const int heights[] = {23000, 20000, 20000, 23000, 20000, 23000,                      // K25..K30
                               20000, 20000, 20000, 20000, 20000, 20000, 20000, 20000,        // K31..K38
                               20000, 20000, 20000, 20000, 20000, 32360, 40000, 48284, 20000, // K39..K47
                               20000};                                                        // K48
        QStringList args{QStringLiteral("--select"), QStringLiteral("0")};
        QStringList expected;
        for (int n = 25; n <= 48; ++n) {
            args << QStringLiteral("K%1:ny=2").arg(n);
            expected << QStringLiteral("G00 Y%1").arg(heights[n - 25]);
        }
        const Run run = runProbe(args);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.err, QByteArray());
        QStringList rowSteps;
        const QStringList all = QString::fromLatin1(run.file).split(QLatin1Char('\n'));
        for (int k = 0; k < all.size(); ++k) {
            // The row step's first line; its second line is the spacing, Y 0.
            if (all.at(k).startsWith(QLatin1String("G00 Y")) && all.at(k) != QLatin1String("G00 Y0"))
                rowSteps << all.at(k);
        }
        QCOMPARE(rowSteps, expected);
    }

    // The rapids of a 1 x 2 array step by each polygon's cell: the row step by
    // H, the column step by W and back down.
    void polygonCells()
    {
        const Run run = runProbe({"--select", "0", "K43:ny=2", "K44:ny=2", "K45:ny=2", "K46:ny=2"});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.err, QByteArray());
        QStringList steps;
        const QRegularExpression step(QStringLiteral("^G00 (Y[1-9]|X[1-9])"));
        for (const QString &line : QString::fromLatin1(run.file).split(QLatin1Char('\n'))) {
            if (step.match(line).hasMatch())
                steps << line;
        }
        QCOMPARE(steps, lines("G00 Y20000|G00 X18320 Y-20000|G00 Y32360|G00 X31776 Y-32360|G00 Y40000|"
                              "G00 X35641 Y-40000|G00 Y48284|G00 X49284 Y-48284"));
    }
};

QTEST_GUILESS_MAIN(ShapeProbeTest)
#include "ShapeProbeTest.moc"
