#include "TestPaths.h"

#include "device/DeviceIo.h"
#include "records/DeviceRecords.h"

#include <QElapsedTimer>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

class DeviceIoTest : public QObject
{
    Q_OBJECT

private slots:
    void notOpenDescriptorIsHarmless()
    {
        const QStringList before = TestPaths::openDescriptors();
        QCOMPARE(DeviceIo::close(DeviceIo::kNotOpen), -1);
        QCOMPARE(TestPaths::openDescriptors(), before);

        char buffer[4] = {0, 0, 0, 0};
        QCOMPARE(DeviceIo::read(-1, buffer, sizeof buffer), -1L);
        QCOMPARE(DeviceIo::write(-1, buffer, sizeof buffer), -1L);
    }

    void openDescriptorIsUsed()
    {
        int fds[2];
        QCOMPARE(::pipe(fds), 0);
        const char request[2] = {0x10, char(0xAA)};
        QCOMPARE(DeviceIo::write(fds[1], request, 2), 2L);
        char reply[2] = {0, 0};
        QCOMPARE(DeviceIo::read(fds[0], reply, 2), 2L);
        QCOMPARE(int(quint8(reply[1])), 0xAA);
        QCOMPARE(DeviceIo::close(fds[0]), 0);
        QCOMPARE(DeviceIo::close(fds[1]), 0);
        QVERIFY(::fcntl(fds[0], F_GETFD) == -1);
    }

    void recordLayouts()
    {
        para_t p;
        QCOMPARE(p.topSpeed, 6000);
        QCOMPARE(p.cutSpeed, 2000);
        QCOMPARE(p.lowSpeed, 300);
        QCOMPARE(p.startNum, 0);
        QCOMPARE(p.method, 1);
        const qint32 *words = reinterpret_cast<const qint32 *>(&p);
        QCOMPARE(words[2], 300);

        sys_t s;
        s.set(sys_t::CuttingOxygen, true);
        s.set(sys_t::ArcStart, true);
        s.set(sys_t::Torch8, true);
        QCOMPARE(int(s.byte[0]), 0x02);
        QCOMPARE(int(s.byte[1]), 0x20);
        QCOMPARE(int(s.byte[2]), 0x80);
        QVERIFY(s.test(sys_t::ArcStart));
        s.set(sys_t::ArcStart, false);
        QCOMPARE(int(s.byte[1]), 0);
        QVERIFY(!s.test(sys_t::ArcStart));
        QVERIFY(s.test(sys_t::Torch8));
    }
};

QTEST_APPLESS_MAIN(DeviceIoTest)
#include "DeviceIoTest.moc"
