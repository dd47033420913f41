#include "library/LibGenerator.h"
#include "library/LibOutput.h"
#include "library/LibText.h"
#include "library/PattenForm.h"
#include "library/PattenList.h"

#include "TempWorkDir.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

using Overrides = QList<QPair<int, QString>>;

PattenForm form(int type, const Overrides &params = {})
{
    PattenForm f = PattenForm::forShape(type);
    for (const auto &p : params)
        f.param[p.first] = p.second;
    return f;
}

// Generates k.nc for `list` in the current TempWorkDir and returns its lines.
QStringList generate(PattenList &list)
{
    LibGenerator generator;
    const QString path = generator.writeTempFile(list);
    if (path != QStringLiteral("./.tovrelcnc/k.nc"))
        return {QStringLiteral("<failed>")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<unreadable>")};
    QString text = QString::fromLatin1(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QStringList generateOne(int type, const PattenForm &f)
{
    PattenList list;
    list.add(type, f);
    list.selectRow(-1);
    return generate(list);
}

// The cell of one copy, read from the steps of a 1 x 2 array.
QPair<int, int> cell(int type, PattenForm f)
{
    f.countY = QStringLiteral("2");
    const QStringList lines = generateOne(type, f);
    const QStringList rowStep = lines.filter(QRegularExpression(QStringLiteral("^G00 Y")));
    const QString columnStep = lines.at(lines.size() - 2);
    const QRegularExpression re(QStringLiteral("^G00 X(-?\\d+) Y(-?\\d+)$"));
    const auto m = re.match(columnStep);
    if (rowStep.isEmpty() || !m.hasMatch())
        return {-1, -1};
    return {m.captured(1).toInt(), rowStep.first().mid(5).toInt()};
}

} // namespace

class LibGeneratorTest : public QObject
{
    Q_OBJECT
private slots:
    void shapeGolden_data();
    void shapeGolden();
    void cornersOfNoSize_data();
    void cornersOfNoSize();
    void everyCopyCloses_data();
    void everyCopyCloses();
    void cells_data();
    void cells();
    void shapeEdgeCases();
    void transform_data();
    void transform();
    void segmentBuffer();
    void marksAroundTheSelectedPattern();
    void deletedPatternKeepsItsMoves();
    void countsBelowOne();
    void extentsAndArrayOrder();
    void customFiles();
    void customFileUnreadableKeepsPreviousFile();
    void unwritableFolder();
};

// One copy of each shape with its default texts, or with the texts a row
// changes: the contour lines between the placement line and the column step.
void LibGeneratorTest::shapeGolden_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("contour");
    QTest::addColumn<int>("w");
    QTest::addColumn<Overrides>("params");
    const char *G = "G41|G01 X1000 Y0|";
    QTest::newRow("K1") << 1 << "G41|G01 X1000 Y0|G02 X0 Y0 I5000 J0|G40|G00 X-1000 Y0" << 11000 << Overrides();
    QTest::newRow("K2") << 2
                        << "G00 X7000 Y0|G41|G01 X-1000 Y0|G03 X0 Y0 I5000 J0|G40|G00 X1000 Y0|G00 X-7000 Y0|"
                           "G41|G01 X1000 Y0|G02 X0 Y0 I10000 J0|G40|G00 X-1000 Y0"
                        << 21000 << Overrides();
    QTest::newRow("K3") << 3
                        << QString(G)
                               + "G01 X0 Y6000|G02 X2000 Y2000 I2000 J0|G01 X11000 Y0|G02 X2000 Y-2000 I0 J-2000|"
                                 "G01 X0 Y-6000|G02 X-2000 Y-2000 I-2000 J0|G01 X-11000 Y0|"
                                 "G02 X-2000 Y2000 I0 J2000|G40|G00 X-1000 Y0"
                        << 16000 << Overrides();
    QTest::newRow("K4") << 4 << QString(G) + "G01 X0 Y15000|G01 X10000 Y-5000|G01 X-10000 Y-10000|G40|G00 X-1000 Y0"
                        << 11000 << Overrides();
    QTest::newRow("K5") << 5
                        << "G41|G01 X0 Y1000|G01 X-4000 Y0|G03 X-20000 Y0 I-10000 J0|G01 X-4000 Y0|"
                           "G02 X28000 Y0 I14000 J0|G40|G00 X0 Y-1000"
                        << 28000 << Overrides();
    QTest::newRow("K6") << 6
                        << "G00 X7000 Y10000|G41|G01 X-1000 Y0|G03 X0 Y0 I5000 J0|G40|G00 X1000 Y0|"
                           "G00 X-7000 Y-10000|G41|G01 X1000 Y0|G01 X0 Y20000|G01 X20000 Y0|G01 X0 Y-20000|"
                           "G01 X-20000 Y0|G01 X-1000 Y0|G40"
                        << 21000 << Overrides();
    QTest::newRow("K7") << 7
                        << QString(G) + "G01 X0 Y10000|G01 X5000 Y0|G01 X0 Y-8000|G01 X-5000 Y-2000|G01 X-1000 Y0|G40"
                        << 6000 << Overrides();
    QTest::newRow("K8") << 8
                        << QString(G)
                               + "G01 X0 Y10000|G01 X5000 Y-1500|G01 X0 Y-7000|G01 X-5000 Y-1500|G01 X-1000 Y0|G40"
                        << 6000 << Overrides();
    QTest::newRow("K9") << 9
                        << QString(G)
                               + "G01 X0 Y3000|G02 X7000 Y0 I3500 J0|G01 X0 Y-3000|G02 X-7000 Y0 I-3500 J0|"
                                 "G01 X-1000 Y0|G40"
                        << 8000 << Overrides();
    QTest::newRow("K10") << 10
                         << QString(G)
                                + "G01 X0 Y7500|G01 X5000 Y0|G01 X0 Y-7500|G02 X-5000 Y0 I-2500 J0|G01 X-1000 Y0|G40"
                         << 6000 << Overrides();
    QTest::newRow("K11") << 11
                         << QString(G)
                                + "G01 X0 Y18000|G02 X2000 Y2000 I2000 J0|G01 X13000 Y0|G01 X0 Y-20000|"
                                  "G01 X-15000 Y0|G01 X-1000 Y0|G40"
                         << 16000 << Overrides();
    QTest::newRow("K12") << 12
                         << QString(G)
                                + "G01 X0 Y18000|G02 X2000 Y2000 I2000 J0|G01 X11000 Y0|G02 X2000 Y-2000 I0 J-2000|"
                                  "G01 X0 Y-18000|G01 X-15000 Y0|G01 X-1000 Y0|G40"
                         << 16000 << Overrides();
    QTest::newRow("K13") << 13
                         << QString(G)
                                + "G01 X0 Y18000|G02 X2000 Y2000 I2000 J0|G01 X11000 Y0|G02 X2000 Y-2000 I0 J-2000|"
                                  "G01 X0 Y-16000|G02 X-2000 Y-2000 I-2000 J0|G01 X-13000 Y0|G01 X-1000 Y0|G40"
                         << 16000 << Overrides();
    QTest::newRow("K14") << 14
                         << QString(G)
                                + "G01 X0 Y18000|G02 X2000 Y2000 I2000 J0|G01 X13000 Y0|G01 X0 Y-18000|"
                                  "G02 X-2000 Y-2000 I-2000 J0|G01 X-13000 Y0|G01 X-1000 Y0|G40"
                         << 16000 << Overrides();
    QTest::newRow("K15") << 15
                         << QString(G)
                                + "G01 X0 Y16000|G01 X2000 Y2000|G01 X11000 Y0|G01 X2000 Y-2000|G01 X0 Y-16000|"
                                  "G01 X-2000 Y-2000|G01 X-11000 Y0|G01 X-2000 Y2000|G01 X-1000 Y0|G40"
                         << 16000 << Overrides();
    QTest::newRow("K16") << 16
                         << QString(G)
                                + "G01 X0 Y18000|G01 X2000 Y2000|G01 X11000 Y0|G01 X2000 Y-2000|G01 X0 Y-16000|"
                                  "G01 X-2000 Y-2000|G01 X-13000 Y0|G01 X-1000 Y0|G40"
                         << 16000 << Overrides();
    QTest::newRow("K17") << 17
                         << QString(G)
                                + "G01 X0 Y20000|G01 X13000 Y0|G01 X2000 Y-2000|G01 X0 Y-16000|G01 X-2000 Y-2000|"
                                  "G01 X-13000 Y0|G01 X-1000 Y0|G40"
                         << 16000 << Overrides();
    QTest::newRow("K18") << 18
                         << QString(G)
                                + "G01 X0 Y20000|G01 X15000 Y0|G01 X0 Y-18000|G01 X-2000 Y-2000|G01 X-13000 Y0|"
                                  "G01 X-1000 Y0|G40"
                         << 16000 << Overrides();
    QTest::newRow("K19") << 19
                         << QString(G)
                                + "G01 X0 Y20000|G01 X15000 Y0|G01 X0 Y-3000|G01 X-9000 Y0|G01 X0 Y-17000|"
                                  "G01 X-6000 Y0|G01 X-1000 Y0|G40"
                         << 16000 << Overrides();
    QTest::newRow("K20") << 20
                         << QString(G)
                                + "G01 X0 Y17000|G01 X13500 Y0|G02 X0 Y-3000 I0 J-1500|G01 X-7500 Y0|"
                                  "G01 X0 Y-14000|G02 X-6000 Y0 I-3000 J0|G01 X-1000 Y0|G40"
                         << 17500 << Overrides();
    QTest::newRow("K21") << 21
                         << QString(G)
                                + "G01 X0 Y20000|G01 X13500 Y0|G02 X0 Y-3000 I0 J-1500|G01 X-7500 Y0|"
                                  "G01 X0 Y-17000|G01 X-6000 Y0|G01 X-1000 Y0|G40"
                         << 17500 << Overrides();
    QTest::newRow("K22") << 22
                         << QString(G)
                                + "G01 X0 Y19000|G01 X1000 Y1000|G01 X14000 Y0|G01 X0 Y-3000|G01 X-9000 Y0|"
                                  "G01 X0 Y-17000|G01 X-6000 Y0|G01 X-1000 Y0|G40"
                         << 16000 << Overrides();
    QTest::newRow("K23") << 23
                         << QString(G)
                                + "G01 X0 Y19000|G01 X1000 Y1000|G01 X14000 Y0|G01 X0 Y-3000|G01 X-8500 Y0|"
                                  "G01 X-500 Y-500|G01 X0 Y-16500|G01 X-6000 Y0|G01 X-1000 Y0|G40"
                         << 16000 << Overrides();
    QTest::newRow("K24") << 24
                         << QString(G)
                                + "G01 X0 Y19000|G02 X1000 Y1000 I1000 J0|G01 X14000 Y0|G01 X0 Y-3000|"
                                  "G01 X-9000 Y0|G01 X0 Y-17000|G01 X-6000 Y0|G01 X-1000 Y0|G40"
                         << 16000 << Overrides();

    // Values are used as they stand, whatever their relation: straight
    // sides and steps that come out negative or zero are written so.
    QTest::newRow("K9 c above b") << 9
                                  << QString(G)
                                         + "G01 X0 Y-2000|G02 X12000 Y0 I6000 J0|G01 X0 Y2000|"
                                           "G02 X-12000 Y0 I-6000 J0|G01 X-1000 Y0|G40"
                                  << 13000 << Overrides{{PattenForm::C, "120"}};
    QTest::newRow("K11 d above b") << 11
                                   << QString(G)
                                          + "G01 X0 Y-2000|G02 X12000 Y12000 I12000 J0|G01 X3000 Y0|G01 X0 Y-10000|"
                                            "G01 X-15000 Y0|G01 X-1000 Y0|G40"
                                   << 16000 << Overrides{{PattenForm::B, "100"}, {PattenForm::D, "120"}};
    QTest::newRow("K12 d above c/2") << 12
                                     << QString(G)
                                            + "G01 X0 Y10000|G02 X10000 Y10000 I10000 J0|G01 X-5000 Y0|"
                                              "G02 X10000 Y-10000 I0 J-10000|G01 X0 Y-10000|G01 X-15000 Y0|"
                                              "G01 X-1000 Y0|G40"
                                     << 16000 << Overrides{{PattenForm::D, "100"}};
    QTest::newRow("K19 e above b") << 19
                                   << QString(G)
                                          + "G01 X0 Y20000|G01 X15000 Y0|G01 X0 Y-25000|G01 X-9000 Y0|G01 X0 Y5000|"
                                            "G01 X-6000 Y0|G01 X-1000 Y0|G40"
                                   << 16000 << Overrides{{PattenForm::E, "250"}};
    QTest::newRow("K35 no lead, f 0") << 35
                                      << "G41|G01 X0 Y0|G01 X0 Y8000|G01 X0 Y0|G01 X0 Y4000|G01 X0 Y0|G01 X0 Y8000|"
                                         "G01 X6000 Y0|G01 X0 Y-8000|G01 X11000 Y0|G01 X0 Y-4000|G01 X-11000 Y0|"
                                         "G01 X0 Y-8000|G01 X-6000 Y0|G01 X0 Y0|G40"
                                      << 17000 << Overrides{{PattenForm::A, "0"}, {PattenForm::F, "0"}};
    // b = 2d: the tangent's angle is a right angle, and K48 is a slot.
    QTest::newRow("K47 b = 2d") << 47
                                << QString(G)
                                       + "G01 X0 Y6000|G01 X12000 Y0|G02 X0 Y-6000 I0 J-3000|G01 X-12000 Y0|"
                                         "G01 X-1000 Y0|G40"
                                << 16000 << Overrides{{PattenForm::B, "60"}, {PattenForm::D, "30"}};
    QTest::newRow("K48 b = 2d") << 48
                                << QString(G)
                                       + "G01 X0 Y0|G02 X3000 Y3000 I3000 J0|G01 X9000 Y0|G02 X0 Y-6000 I0 J-3000|"
                                         "G01 X-9000 Y0|G02 X-3000 Y3000 I0 J3000|G01 X-1000 Y0|G40"
                                << 16000 << Overrides{{PattenForm::B, "60"}, {PattenForm::D, "30"}};
}

void LibGeneratorTest::shapeGolden()
{
    QFETCH(int, type);
    QFETCH(QString, contour);
    QFETCH(int, w);
    QFETCH(Overrides, params);
    TempWorkDir dir;
    const QStringList expected = QStringList{QStringLiteral("G00 X0 Y0")} + contour.split(QLatin1Char('|'))
                                 + QStringList{QStringLiteral("G00 X%1 Y0").arg(w), QStringLiteral("G00 X0 Y0")};
    QCOMPARE(generateOne(type, form(type, params)), expected);
}

void LibGeneratorTest::cornersOfNoSize_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("contour");
    const char *G = "G41|G01 X1000 Y0|";
    const char *arc = "G02 X0 Y0 I0 J0|";
    const char *chamfer = "G01 X0 Y0|";
    const char *end = "G01 X-1000 Y0|G40";
    QTest::newRow("K13") << 13
                         << QString(G) + "G01 X0 Y20000|" + arc + "G01 X15000 Y0|" + arc + "G01 X0 Y-20000|" + arc
                                + "G01 X-15000 Y0|" + end;
    QTest::newRow("K14") << 14
                         << QString(G) + "G01 X0 Y20000|" + arc + "G01 X15000 Y0|G01 X0 Y-20000|" + arc
                                + "G01 X-15000 Y0|" + end;
    QTest::newRow("K15") << 15
                         << QString(G) + "G01 X0 Y20000|" + chamfer + "G01 X15000 Y0|" + chamfer + "G01 X0 Y-20000|"
                                + chamfer + "G01 X-15000 Y0|" + chamfer + end;
    QTest::newRow("K16") << 16
                         << QString(G) + "G01 X0 Y20000|" + chamfer + "G01 X15000 Y0|" + chamfer + "G01 X0 Y-20000|"
                                + chamfer + "G01 X-15000 Y0|" + end;
    QTest::newRow("K17") << 17
                         << QString(G) + "G01 X0 Y20000|G01 X15000 Y0|" + chamfer + "G01 X0 Y-20000|" + chamfer
                                + "G01 X-15000 Y0|" + end;
    QTest::newRow("K18") << 18
                         << QString(G) + "G01 X0 Y20000|G01 X15000 Y0|G01 X0 Y-20000|" + chamfer + "G01 X-15000 Y0|"
                                + end;
}

// Rounded and chamfered rectangles whose corners have no size: each corner
// stays in its place as a record of zero length, so the copy has as many
// records as with real corners.
void LibGeneratorTest::cornersOfNoSize()
{
    QFETCH(int, type);
    QFETCH(QString, contour);
    TempWorkDir dir;
    const QString lines = generateOne(type, form(type, {{PattenForm::D, "0"}})).join(QLatin1Char('|'));
    QCOMPARE(lines, QStringLiteral("G00 X0 Y0|") + contour + QStringLiteral("|G00 X16000 Y0|G00 X0 Y0"));
}

void LibGeneratorTest::everyCopyCloses_data()
{
    QTest::addColumn<int>("type");
    for (int type = 1; type <= 24; ++type) {
        if (type != 5) // its truncated trigonometric end points are kept as they are
            QTest::newRow(qPrintable(QStringLiteral("K%1").arg(type))) << type;
    }
}

// Any values, odd ones included: the moves of one copy add up to zero.
void LibGeneratorTest::everyCopyCloses()
{
    QFETCH(int, type);
    TempWorkDir dir;
    QRandomGenerator random(quint32(1000 + type));
    const QRegularExpression move(QStringLiteral("^G0[0-3] X(-?\\d+) Y(-?\\d+)"));
    for (int round = 0; round < 40; ++round) {
        Overrides params;
        for (int k = 0; k < PattenForm::FieldCount; ++k)
            params << qMakePair(k, LibText::millimetres(random.bounded(1, 40001)));
        const QStringList lines = generateOne(type, form(type, params));
        QVERIFY(lines.size() > 3);
        long long sumX = 0, sumY = 0;
        for (int k = 1; k < lines.size() - 2; ++k) {
            const auto m = move.match(lines.at(k));
            if (m.hasMatch()) {
                sumX += m.captured(1).toLongLong();
                sumY += m.captured(2).toLongLong();
            }
        }
        QVERIFY2(sumX == 0 && sumY == 0, qPrintable(lines.join(QLatin1Char('|'))));
    }
}

void LibGeneratorTest::cells_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("d");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::newRow("K1 odd b") << 1 << "100.01"
                              << ""
                              << "" << 11001 << 10001;
    QTest::newRow("K4 d below b") << 4 << "150"
                                  << "100"
                                  << "100" << 11000 << 15000;
    QTest::newRow("K4 d above b") << 4 << "150"
                                  << "100"
                                  << "200" << 11000 << 20000;
    QTest::newRow("K5 90 degrees") << 5 << "100"
                                   << "140"
                                   << "90" << 14000 << 15000;
    QTest::newRow("K5 90.01 degrees") << 5 << "100"
                                      << "140"
                                      << "90.01" << 28000 << 15000;
    QTest::newRow("K5 270 degrees") << 5 << "100"
                                    << "140"
                                    << "270" << 28000 << 29000;
    QTest::newRow("K5 -50 degrees") << 5 << "100"
                                    << "140"
                                    << "-50" << 14000 << 15000;
    QTest::newRow("K7 c above b") << 7 << "100"
                                  << "120"
                                  << "50" << 6000 << 12000;
    QTest::newRow("K7 c below b") << 7 << "100"
                                  << "80"
                                  << "50" << 6000 << 10000;
    QTest::newRow("K8 c equal b") << 8 << "100"
                                  << "100"
                                  << "50" << 6000 << 10000;
    QTest::newRow("K20") << 20 << "200"
                         << "150"
                         << "60" << 17500 << 23000;
}

void LibGeneratorTest::cells()
{
    QFETCH(int, type);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QString, d);
    QFETCH(int, w);
    QFETCH(int, h);
    TempWorkDir dir;
    Overrides params{{PattenForm::B, b}};
    if (!c.isEmpty())
        params << qMakePair(int(PattenForm::C), c) << qMakePair(int(PattenForm::D), d);
    QCOMPARE(cell(type, form(type, params)), qMakePair(w, h));
}

void LibGeneratorTest::shapeEdgeCases()
{
    TempWorkDir dir;
    // K1 with an odd diameter: the centre is truncated.
    QCOMPARE(generateOne(1, form(1, {{PattenForm::B, "100.01"}})).at(3), QStringLiteral("G02 X0 Y0 I5000 J0"));
    // K5 at a quarter turn: the cosine term truncates toward zero.
    QStringList k5 = generateOne(5, form(5, {{PattenForm::B, "100"}, {PattenForm::D, "90"}}));
    QCOMPARE(k5.at(4), QStringLiteral("G03 X-9999 Y10000 I-10000 J0"));
    // K9 with an odd width writes truncated centres.
    QStringList k9 = generateOne(9, form(9, {{PattenForm::C, "70.01"}}));
    QCOMPARE(k9.at(4), QStringLiteral("G02 X7001 Y0 I3500 J0"));
    QCOMPARE(k9.at(6), QStringLiteral("G02 X-7001 Y0 I-3500 J0"));
    // K20 with an odd arm width.
    QCOMPARE(generateOne(20, form(20, {{PattenForm::E, "30.01"}})).at(5), QStringLiteral("G02 X0 Y-3001 I0 J-1500"));
    // Zero radius and zero lead: nothing is dropped.
    QStringList k3 = generateOne(3, form(3, {{PattenForm::A, "0"}, {PattenForm::D, "0"}}));
    QCOMPARE(k3.at(2), QStringLiteral("G01 X0 Y0"));
    QCOMPARE(k3.at(4), QStringLiteral("G02 X0 Y0 I0 J0"));
    QCOMPARE(k3.size(), 15);
    // K6 with an odd hole: the way back still meets the pierce point.
    QStringList k6 = generateOne(6, form(6, {{PattenForm::B, "100.01"}}));
    QCOMPARE(k6.at(1), QStringLiteral("G00 X6999 Y10000"));
    QCOMPARE(k6.at(7), QStringLiteral("G00 X-6999 Y-10000"));
    // Fields a shape hides are not read by its contour.
    QCOMPARE(generateOne(19, form(19, {{PattenForm::F, "99"}, {PattenForm::G, "7"}})), generateOne(19, form(19)));
    // L plates with no lead and no corner: zero-length lines open and close
    // the bracket and the chamfer or the corner arc stays, as zero lengths.
    for (int type : {22, 23, 24}) {
        const QStringList lines = generateOne(type, form(type, {{PattenForm::A, "0"}, {PattenForm::F, "0"}}));
        const int segments = type == 23 ? 10 : 9;
        QCOMPARE(lines.size(), segments + 5);
        QCOMPARE(lines.at(1), QStringLiteral("G41"));
        QCOMPARE(lines.at(2), QStringLiteral("G01 X0 Y0"));
        QCOMPARE(lines.at(3), QStringLiteral("G01 X0 Y20000"));
        QCOMPARE(lines.at(4), type == 24 ? QStringLiteral("G02 X0 Y0 I0 J0") : QStringLiteral("G01 X0 Y0"));
        QCOMPARE(lines.at(5), QStringLiteral("G01 X15000 Y0"));
        QCOMPARE(lines.at(segments + 1), QStringLiteral("G01 X0 Y0"));
        QCOMPARE(lines.at(segments + 2), QStringLiteral("G40"));
    }
}

void LibGeneratorTest::transform_data()
{
    QTest::addColumn<int>("mirror");
    QTest::addColumn<double>("angle");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("line");
    QTest::newRow("none") << 0 << 0.0 << 1000 << 500 << "G01 X1000 Y500";
    QTest::newRow("90") << 0 << 90.0 << 1000 << 500 << "G01 X-499 Y1000";
    QTest::newRow("180") << 0 << 180.0 << 1000 << 500 << "G01 X-1000 Y-499";
    QTest::newRow("mirror X") << 2 << 0.0 << 1000 << 500 << "G01 X1000 Y-499";
    QTest::newRow("mirror XY") << 3 << 0.0 << 1000 << 500 << "G01 X-1000 Y-499";
    QTest::newRow("mirror Y") << 1 << 0.0 << 1000 << 500 << "G01 X-1000 Y500";
    QTest::newRow("45") << 0 << 45.0 << 1000 << 0 << "G01 X707 Y707";
    QTest::newRow("-30") << 0 << -30.0 << 1000 << 0 << "G01 X866 Y-499";
}

void LibGeneratorTest::transform()
{
    QFETCH(int, mirror);
    QFETCH(double, angle);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, line);
    LibGenerator generator;
    generator.setTransform(mirror, angle);
    generator.segBuf[0] = {1, x, y, 0, 0};
    LibOutput out;
    generator.writeSegments(1, out);
    QCOMPARE(QString::fromLatin1(out.bytes()), line + QLatin1Char('\n'));
}

void LibGeneratorTest::segmentBuffer()
{
    LibGenerator generator;
    generator.segBuf[0] = {2, 1000, 0, 500, 0};
    generator.segBuf[1] = {7, 1, 2, 3, 4};
    generator.segBuf[2] = {0, -5, 6, 0, 0};
    generator.setTransform(2, 0.0);
    LibOutput out;
    generator.writeSegments(3, out);
    // Mirrored arcs turn the other way; other types are skipped and untouched.
    // The half turn is a hair short of pi, so -5 truncates to 4 before the mirror.
    QCOMPARE(QString::fromLatin1(out.bytes()), QStringLiteral("G03 X1000 Y0 I500 J0\nG00 X-4 Y-6\n"));
    QCOMPARE(generator.segBuf[1].x, 1);
    QCOMPARE(generator.segBuf[2].y, -6);
    generator.clearSegments(0);
    QCOMPARE(generator.segBuf[0].type, 3);
    generator.clearSegments(1000);
    QCOMPARE(generator.segBuf[49].x, 0);
    QCOMPARE(generator.segBuf[0].type, 0);

    LibOutput steps;
    generator.writeStepY(11, 2000, 50, steps);
    generator.writeStepX(1100, 2000, 3, 70, 50, steps);
    QCOMPARE(QString::fromLatin1(steps.bytes()),
             QStringLiteral("G00 Y2000\nG00 Y50\nG00 X1100 Y-4000\nG00 X70 Y-100\n"));
}

void LibGeneratorTest::marksAroundTheSelectedPattern()
{
    TempWorkDir dir;
    PattenList list;
    QCOMPARE(generate(list), QStringList());
    PattenForm f = form(1);
    f.offsetX = QStringLiteral("5");
    list.add(1, f);
    list.add(1, form(1));
    list.selectRow(1);
    const QStringList lines = generate(list);
    QCOMPARE(lines.size(), 8 + 1 + 8 + 1);
    QCOMPARE(lines.at(0), QStringLiteral("G00 X500 Y0"));
    QCOMPARE(lines.at(8), QStringLiteral("G97 "));
    QCOMPARE(lines.at(9), QStringLiteral("G00 X0 Y0"));
    QCOMPARE(lines.last(), QStringLiteral("G98 "));
    list.selectRow(-1);
    QCOMPARE(generate(list).filter(QRegularExpression(QStringLiteral("^G9[78]"))), QStringList());
}

void LibGeneratorTest::deletedPatternKeepsItsMoves()
{
    TempWorkDir dir;
    PattenForm f = form(2);
    f.countX = QStringLiteral("2");
    f.countY = QStringLiteral("2");
    f.spaceY = QStringLiteral("3");
    PattenList list;
    list.add(2, f);
    list.add(1, form(1));
    list.selectRow(-1);
    const QStringList whole = generate(list);
    list.selectRow(0);
    list.markDeleted();
    list.selectRow(-1);
    const QStringList deleted = generate(list);
    // The copies go; the placement, row and column steps stay.
    const QStringList steps{"G00 Y20000", "G00 Y300", "G00 X21000 Y-20000", "G00 X0 Y-300"};
    QCOMPARE(deleted.mid(0, 9), QStringList{"G00 X0 Y0"} + steps + steps);
    QCOMPARE(deleted.mid(9), whole.mid(whole.size() - 8));
    QCOMPARE(whole.size(), 1 + 2 * (2 * 12 + 4) + 8);
}

void LibGeneratorTest::countsBelowOne()
{
    TempWorkDir dir;
    for (const char *counts : {"0,1", "1,0", "-2,3", "2,-1"}) {
        const QStringList parts = QString::fromLatin1(counts).split(QLatin1Char(','));
        PattenForm f = form(7);
        f.countX = parts.at(0);
        f.countY = parts.at(1);
        PattenList list;
        list.add(7, f);
        list.add(1, form(1));
        list.at(1).extentX = 999;
        list.selectRow(0);
        const QStringList lines = generate(list);
        QCOMPARE(lines.mid(0, 3), QStringList({"G97 ", "G00 X0 Y0", "G98 "}));
        QCOMPARE(list.at(1).extentX, 0);
    }
}

void LibGeneratorTest::extentsAndArrayOrder()
{
    TempWorkDir dir;
    PattenForm f = form(1, {{PattenForm::B, "20"}});
    f.countX = QStringLiteral("3");
    f.countY = QStringLiteral("2");
    f.spaceX = QStringLiteral("2.5");
    f.spaceY = QStringLiteral("1");
    PattenList list;
    list.add(1, f);
    list.selectRow(-1);
    const QStringList lines = generate(list);
    QCOMPARE(list.at(1).extentX, (3000 + 250) * 3);
    QCOMPARE(lines.size(), 1 + 3 * (2 * 5 + 2 + 2));
    QCOMPARE(lines.filter(QStringLiteral("G00 X3000 Y-2000")).size(), 3);
    QCOMPARE(lines.filter(QStringLiteral("G00 X250 Y-100")).size(), 3);
    QCOMPARE(lines.mid(6, 2), QStringList({"G00 Y2000", "G00 Y100"}));
}

void LibGeneratorTest::customFiles()
{
    TempWorkDir dir;
    dir.writeFile(QStringLiteral(".tovrelcnc/b1.nc"), "G91\r\nG01 X1000 Y0\r\n\r\nG01 X0 Y500");
    dir.writeFile(QStringLiteral(".tovrelcnc/b2.nc"), "");
    PattenList list;
    list.setNextFileSize(2000.0, 3000.9);
    list.setNextFileEnd(1000, 500);
    PattenForm f = form(0);
    f.countX = QStringLiteral("2");
    f.spaceX = QStringLiteral("1");
    list.add(0, f);
    list.setNextFileSize(0.0, 10.0);
    list.setNextFileEnd(-7, 0);
    list.add(0, form(0));
    list.selectRow(-1);
    const QStringList lines = generate(list);
    const QStringList copy{"G91",          "G01 X1000 Y0", "", "G01 X0 Y500", "", "G00 X-1000 Y-500",
                           "G00 X3000 Y0", "G00 X100 Y0"};
    const QStringList second{"G00 X0 Y0", "", "G00 X7 Y0", "G00 X10 Y0", "G00 X0 Y0"};
    QCOMPARE(lines, QStringList{"G00 X0 Y0"} + copy + copy + second);
    // The extent is the advance the steps really make: the whole-unit width.
    QCOMPARE(list.at(1).extentX, (3000 + 100) * 2);
}

void LibGeneratorTest::customFileUnreadableKeepsPreviousFile()
{
    TempWorkDir dir;
    dir.writeFile(QStringLiteral(".tovrelcnc/k.nc"), "previous\n");
    PattenList list;
    list.add(1, form(1));
    list.add(0, form(0));
    LibGenerator generator;
    QVERIFY(generator.writeTempFile(list).isNull());
    QCOMPARE(dir.readFile(QStringLiteral(".tovrelcnc/k.nc")), QByteArray("previous\n"));
    // A deleted custom pattern needs no file.
    list.markDeleted();
    QCOMPARE(generator.writeTempFile(list), QStringLiteral("./.tovrelcnc/k.nc"));
}

void LibGeneratorTest::unwritableFolder()
{
    TempWorkDir dir(false);
    PattenList list;
    list.add(1, form(1));
    LibGenerator generator;
    // A missing folder is created.
    QVERIFY(!generator.writeTempFile(list).isNull());
    QVERIFY(dir.exists(QStringLiteral(".tovrelcnc/k.nc")));

    TempWorkDir blocked(false);
    blocked.writeFile(QStringLiteral(".tovrelcnc"), "a file in the way");
    QVERIFY(generator.writeTempFile(list).isNull());
}

QTEST_GUILESS_MAIN(LibGeneratorTest)
#include "LibGeneratorTest.moc"
