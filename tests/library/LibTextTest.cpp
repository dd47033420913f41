#include "library/LibText.h"

#include <QtTest>

class LibTextTest : public QObject
{
    Q_OBJECT
private slots:
    void hundredths_data();
    void hundredths();
    void hundredthsReportsRange_data();
    void hundredthsReportsRange();
    void millimetresRoundTrip_data();
    void millimetresRoundTrip();
    void countsAndAngles();
    void general();
};

void LibTextTest::hundredths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("1.15") << "1.15" << 115;
    QTest::newRow("0.29") << "0.29" << 29;
    QTest::newRow("2.3") << "2.3" << 230;
    QTest::newRow("1.159") << "1.159" << 115;
    QTest::newRow("-1.159") << "-1.159" << -115;
    QTest::newRow("12.5") << "12.5" << 1250;
    QTest::newRow("1e1") << "1e1" << 1000;
    QTest::newRow("1.5E-1") << "1.5E-1" << 15;
    QTest::newRow("blanks") << "  42 " << 4200;
    QTest::newRow("plus") << "+7" << 700;
    QTest::newRow("point only after") << "5." << 500;
    QTest::newRow("point only before") << ".05" << 5;
    QTest::newRow("below a hundredth") << "0.009" << 0;
    QTest::newRow("negative below") << "-0.009" << 0;
    QTest::newRow("leading zeros") << "000100.10" << 10010;
    QTest::newRow("largest") << "21474836.47" << 2147483647;
    QTest::newRow("smallest") << "-21474836.48" << int(-2147483647 - 1);
    QTest::newRow("just past largest") << "21474836.48" << 0;
    QTest::newRow("huge exponent") << "1e999999999999" << 0;
    QTest::newRow("tiny exponent") << "1e-999999999999" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("word") << "abc" << 0;
    QTest::newRow("trailing junk") << "12abc" << 0;
    QTest::newRow("inf") << "inf" << 0;
    QTest::newRow("nan") << "nan" << 0;
    QTest::newRow("hex") << "0x10" << 0;
    QTest::newRow("comma") << "1,5" << 0;
    QTest::newRow("bare exponent") << "1e" << 0;
    QTest::newRow("inner blank") << "1 2" << 0;
}

void LibTextTest::hundredths()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(LibText::hundredths(text), value);
}

void LibTextTest::hundredthsReportsRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("inRange");
    QTest::newRow("largest") << "21474836.47" << 2147483647 << true;
    QTest::newRow("smallest") << "-21474836.48" << int(-2147483647 - 1) << true;
    QTest::newRow("typed 0") << "0" << 0 << true;
    QTest::newRow("word") << "abc" << 0 << true;
    QTest::newRow("nan") << "nan" << 0 << true;
    QTest::newRow("below a hundredth") << "1e-3" << 0 << true;
    QTest::newRow("tiny exponent") << "1e-999999999999" << 0 << true;
    QTest::newRow("just past largest") << "21474836.48" << 0 << false;
    QTest::newRow("just past smallest") << "-21474836.49" << 0 << false;
    QTest::newRow("1e12") << "1e12" << 0 << false;
    QTest::newRow("eleven digits") << "99999999999" << 0 << false;
    QTest::newRow("long after the point") << "123456789012e-3" << 0 << false;
    QTest::newRow("huge exponent") << "-1e999999999999" << 0 << false;
}

void LibTextTest::hundredthsReportsRange()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(bool, inRange);
    bool reported = !inRange;
    QCOMPARE(LibText::hundredths(text, &reported), value);
    QCOMPARE(reported, inRange);
    QCOMPARE(LibText::hundredths(text), value);
}

void LibTextTest::millimetresRoundTrip_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("12.5") << 1250 << "12.5";
    QTest::newRow("-12.5") << -1250 << "-12.5";
    QTest::newRow("12") << 1200 << "12";
    QTest::newRow("0.05") << 5 << "0.05";
    QTest::newRow("-0.05") << -5 << "-0.05";
    QTest::newRow("1.15") << 115 << "1.15";
    QTest::newRow("0") << 0 << "0";
    QTest::newRow("int min") << int(-2147483647 - 1) << "-21474836.48";
    QTest::newRow("int max") << 2147483647 << "21474836.47";
}

void LibTextTest::millimetresRoundTrip()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(LibText::millimetres(value), text);
    QCOMPARE(LibText::hundredths(text), value);
}

void LibTextTest::countsAndAngles()
{
    QCOMPARE(LibText::count(QStringLiteral("12")), 12);
    QCOMPARE(LibText::count(QStringLiteral("-3")), -3);
    QCOMPARE(LibText::count(QStringLiteral("2.5")), 0);
    QCOMPARE(LibText::count(QStringLiteral("x")), 0);
    QCOMPARE(LibText::count(QString()), 0);
    QCOMPARE(LibText::number(QStringLiteral("22.5")), 22.5);
    QCOMPARE(LibText::number(QStringLiteral("-45")), -45.0);
    QCOMPARE(LibText::number(QStringLiteral("inf")), 0.0);
    QCOMPARE(LibText::number(QStringLiteral("nan")), 0.0);
    QCOMPARE(LibText::number(QStringLiteral("1e999")), 0.0);
    QCOMPARE(LibText::number(QStringLiteral("deg")), 0.0);
}

void LibTextTest::general()
{
    QCOMPARE(LibText::general(22.5), QStringLiteral("22.5"));
    QCOMPARE(LibText::general(1234567), QStringLiteral("1.23457e+06"));
    QCOMPARE(LibText::general(0.2 + 0.1), QStringLiteral("0.3"));
    QCOMPARE(LibText::general(-0.5), QStringLiteral("-0.5"));
}

QTEST_APPLESS_MAIN(LibTextTest)
#include "LibTextTest.moc"
