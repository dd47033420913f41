#include "DemoRun.h"
#include "TempWorkDir.h"

#include <QTest>

namespace {

// Pixels of the compensated path's colour inside the preview frame.
int redPixels(const QImage &shot)
{
    const QImage rgb = shot.copy(2, 2, 500, 455).convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x)
            n += (rgb.pixel(x, y) & 0xffffff) == 0xff0000;
    }
    return n;
}

} // namespace

class BrowserDemoTest : public QObject
{
    Q_OBJECT

private slots:
    void shots_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("overlay");
        QTest::newRow("file page") << QStringList() << false;
        QTest::newRow("browser") << QStringList{"--page", "browser"} << false;
        QTest::newRow("preview") << QStringList{"--page", "browser", "--preview"} << false;
        QTest::newRow("compensated") << QStringList{"--page", "browser", "--preview", "--comp", "1.5"} << true;
    }

    void shots()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, overlay);
        TempWorkDir dir;
        const DemoShot run = DemoRun::shot(dir, "browserdemo", options);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.image.size(), QSize(1024, 748));
        QCOMPARE(redPixels(run.image) > 0, overlay);
        // The compensated preview left no scratch program behind.
        QVERIFY(!dir.exists(".tovrelcnc/t.nc"));
    }

    void badOptionsAreRefused_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("page") << QStringList{"--page", "editor"};
        QTest::newRow("kerf") << QStringList{"--comp", "wide"};
    }

    void badOptionsAreRefused()
    {
        QFETCH(QStringList, options);
        TempWorkDir dir;
        const DemoShot run = DemoRun::shot(dir, "browserdemo", options);
        QCOMPARE(run.code, 2);
        QVERIFY(!run.written);
    }
};

QTEST_GUILESS_MAIN(BrowserDemoTest)
#include "BrowserDemoTest.moc"
