#include "device/PassWait.h"

#include <QElapsedTimer>
#include <QList>
#include <QTest>

namespace {

// Notes each nap instead of sleeping it.
class NotedNaps : public PassWait
{
public:
    QList<int> naps;

protected:
    void nap(int ms) override { naps << ms; }
};

QList<int> napsOfTen(int count)
{
    QList<int> naps;
    for (int n = 0; n < count; ++n)
        naps << 10;
    return naps;
}

} // namespace

class PassWaitTest : public QObject
{
    Q_OBJECT

private slots:
    void napsAddUpToTheWaitAskedFor_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<QList<int>>("naps");
        QTest::newRow("status loop") << 70 << napsOfTen(7);
        QTest::newRow("input poll") << 100 << napsOfTen(10);
        QTest::newRow("part of a nap") << 25 << QList<int>({10, 10, 5});
        QTest::newRow("none") << 0 << QList<int>();
    }

    void napsAddUpToTheWaitAskedFor()
    {
        QFETCH(int, ms);
        QFETCH(QList<int>, naps);
        NotedNaps wait;
        wait.wait(ms, [] { return false; });
        QCOMPARE(wait.naps, naps);
    }

    void aStopEndsTheWaitAfterTheNapUnderWay()
    {
        NotedNaps wait;
        wait.wait(3600 * 1000, [&wait] { return wait.naps.size() >= 3; });
        QCOMPARE(wait.naps, napsOfTen(3));
        NotedNaps stopped;
        stopped.wait(70, [] { return true; });
        QCOMPARE(stopped.naps, QList<int>());
    }

    void theNapsSleep()
    {
        // Only a floor: a busy machine makes the wait longer, never shorter.
        PassWait wait;
        QElapsedTimer clock;
        clock.start();
        wait.wait(70, [] { return false; });
        QVERIFY2(clock.elapsed() >= 70, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_GUILESS_MAIN(PassWaitTest)
#include "PassWaitTest.moc"
