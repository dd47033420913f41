#include "TestPaths.h"

#include "device/FdHeightChannel.h"
#include "device/KReadSGThread.h"
#include "device/KWriteSG.h"
#include "device/RecordingHeightChannel.h"

#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

class HeightChannelTest : public QObject
{
    Q_OBJECT

    std::shared_ptr<RecordingHeightChannel> channel;
    KReadSGThread *reader = nullptr;

private slots:
    void init()
    {
        channel = std::make_shared<RecordingHeightChannel>();
        reader = new KReadSGThread(-1, -1, -1, nullptr);
        reader->setChannel(channel);
    }

    void cleanup()
    {
        delete reader;
        reader = nullptr;
        channel.reset();
    }

    void writerLogsEveryCommand()
    {
        KWriteSG writer(-1, -1, -1, nullptr);
        QCOMPARE(writer.value(), 1);
        writer.setChannel(channel);
        writer.writeSGStep1Up(1000);
        writer.writeSGStep1Down(600);
        writer.writeSGStep1Stop();
        writer.writeSGMove(-500, 3000);
        writer.writeSGMove1Stop();
        writer.writeSGClear();
        writer.setValue(3);
        QCOMPARE(writer.value(), 3);
        QCOMPARE(channel->log(),
                 QStringList({"writeSGStep1Up(1000)", "writeSGStep1Down(600)", "writeSGStep1Stop()",
                              "writeSGMove(-500,3000)", "writeSGMove1Stop()", "writeSGClear()", "setValue(3)"}));
    }

    void arcVoltageReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("value"); // -1: dropped
        QTest::newRow("equal check, high 1") << QByteArray::fromHex("01011010") << 272;
        QTest::newRow("differing check, high 0") << QByteArray::fromHex("01001011") << 16;
        QTest::newRow("differing check, high 2") << QByteArray::fromHex("01021011") << 528;
        QTest::newRow("equal check, high 0") << QByteArray::fromHex("01001010") << -1;
        QTest::newRow("differing check, high 1") << QByteArray::fromHex("01011011") << -1;
        QTest::newRow("not valid") << QByteArray::fromHex("00011010") << -1;
        QTest::newRow("short") << QByteArray::fromHex("010110") << -1;
        QTest::newRow("empty") << QByteArray() << -1;
    }

    void arcVoltageReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, value);
        QSignalSpy u1(reader, &KReadSGThread::valueU1Changed);
        reader->u1Request = true;
        channel->queueReply(reply);
        reader->pollOnce();
        QCOMPARE(channel->requests(), QByteArray::fromHex("10aa"));
        if (value < 0) {
            QCOMPARE(u1.count(), 0);
            return;
        }
        QCOMPARE(u1.count(), 1);
        QCOMPARE(u1.at(0).at(0).toUInt(), uint(value));
        // The same value again is no change.
        channel->queueReply(reply);
        reader->pollOnce();
        QCOMPARE(u1.count(), 1);
    }

    void arcVoltageSequence()
    {
        QSignalSpy u1(reader, &KReadSGThread::valueU1Changed);
        reader->u1Request = true;
        for (const char *hex : {"01011010", "01001011", "01021011", "01021011"}) {
            channel->queueReply(QByteArray::fromHex(hex));
            reader->pollOnce();
        }
        QCOMPARE(u1.count(), 3);
        QCOMPARE(u1.at(0).at(0).toUInt(), 272u);
        QCOMPARE(u1.at(1).at(0).toUInt(), 16u);
        QCOMPARE(u1.at(2).at(0).toUInt(), 528u);
    }

    void failedRequestIsDropped()
    {
        QSignalSpy u1(reader, &KReadSGThread::valueU1Changed);
        reader->u1Request = true;
        channel->setRequestFails(true);
        channel->queueReply(QByteArray::fromHex("01011010"));
        reader->pollOnce();
        QCOMPARE(u1.count(), 0);
        QVERIFY(channel->requests().isEmpty());
    }

    void noRequestWithoutU1Request()
    {
        QSignalSpy u1(reader, &KReadSGThread::valueU1Changed);
        channel->queueReply(QByteArray::fromHex("01011010"));
        reader->pollOnce();
        reader->pollOnce();
        QVERIFY(channel->requests().isEmpty());
        QCOMPARE(u1.count(), 0);
    }

    void stopReportsLatch()
    {
        QSignalSpy step(reader, &KReadSGThread::stepStopped);
        QSignalSpy move(reader, &KReadSGThread::moveStopped);
        for (int i = 0; i < 3; ++i) {
            channel->queueStop(0x01, 0x00);
            reader->pollOnce();
        }
        QCOMPARE(step.count(), 1);
        QCOMPARE(move.count(), 0);
        reader->stepReported = false;
        channel->queueStop(0x01, 0x00);
        reader->pollOnce();
        QCOMPARE(step.count(), 2);

        channel->queueStop(0x00, 0x01);
        channel->queueStop(0x00, 0x01);
        reader->pollOnce();
        reader->pollOnce();
        QCOMPARE(move.count(), 1);
        QCOMPARE(step.count(), 2);
    }

    void underTouchFollowsTheBit()
    {
        QSignalSpy under(reader, &KReadSGThread::underTouched);
        for (quint8 bit : {1, 0, 1, 0}) {
            channel->queueIO(bit, 0x00);
            reader->pollOnce();
        }
        QCOMPARE(under.count(), 2);
    }

    void topTouchAndReadiness()
    {
        QSignalSpy top(reader, &KReadSGThread::topTouched);
        QSignalSpy notReady(reader, &KReadSGThread::sgNotReady);
        QSignalSpy ready(reader, &KReadSGThread::sgReady);
        QSignalSpy under(reader, &KReadSGThread::underTouched);
        channel->queueIO(0x01, 0x10);
        channel->queueIO(0x01, 0x10);
        reader->pollOnce();
        reader->pollOnce();
        QCOMPARE(top.count(), 1);
        QCOMPARE(notReady.count(), 0);
        QCOMPARE(ready.count(), 0);

        channel->queueIO(0x01, 0x01);
        reader->pollOnce();
        QCOMPARE(notReady.count(), 1);
        QCOMPARE(ready.count(), 0);
        channel->queueIO(0x01, 0x00);
        reader->pollOnce();
        QCOMPARE(ready.count(), 1);
        QCOMPARE(under.count(), 0);
        QCOMPARE(top.count(), 1);

        reader->reset();
        channel->queueIO(0x01, 0x10);
        reader->pollOnce();
        QCOMPARE(top.count(), 2);
    }

    void heightChanges()
    {
        QSignalSpy z(reader, &KReadSGThread::valueZ1Changed);
        for (quint8 v : {0, 25, 25, 200})
            channel->queueZ(v);
        for (int i = 0; i < 4; ++i)
            reader->pollOnce();
        QCOMPARE(z.count(), 2);
        QCOMPARE(z.at(0).at(0).toInt(), 25);
        QCOMPARE(z.at(1).at(0).toInt(), 200);
    }

    void nothingDeliveredNothingReported()
    {
        // The descriptor channel on descriptors that are not open reads nothing.
        KReadSGThread fdReader(-1, -1, -1, nullptr);
        QSignalSpy under(&fdReader, &KReadSGThread::underTouched);
        QSignalSpy z(&fdReader, &KReadSGThread::valueZ1Changed);
        fdReader.u1Request = true;
        fdReader.pollOnce();
        QCOMPARE(under.count(), 0);
        QCOMPARE(z.count(), 0);
    }

    void fdChannelReadsItsDescriptors()
    {
        int stopPipe[2], ioPipe[2], zPipe[2];
        QCOMPARE(::pipe(stopPipe), 0);
        QCOMPARE(::pipe(ioPipe), 0);
        QCOMPARE(::pipe(zPipe), 0);
        int replyPair[2];
        QCOMPARE(::pipe(replyPair), 0);
        {
            const QStringList before = TestPaths::openDescriptors();
            FdHeightChannel sg(zPipe[0], stopPipe[0], ioPipe[0], replyPair[1]);
            QCOMPARE(::write(zPipe[1], "\x07", 1), ssize_t(1));
            QCOMPARE(::write(stopPipe[1], "\x01\x00", 2), ssize_t(2));
            QCOMPARE(::write(ioPipe[1], "\x01\x10", 2), ssize_t(2));
            quint8 z = 0, stop[2] = {0, 0}, io[2] = {0, 0};
            QVERIFY(sg.readZ(z));
            QCOMPARE(int(z), 7);
            QVERIFY(sg.readStop(stop));
            QCOMPARE(int(stop[0]), 1);
            QVERIFY(sg.readIO(io));
            QCOMPARE(int(io[1]), 0x10);
            // The reply descriptor is the write end of a pipe: the request goes out, no reply comes back.
            quint8 reply[4];
            QVERIFY(!sg.exchangeU1(reply));
            char request[2] = {0, 0};
            QCOMPARE(::read(replyPair[0], request, 2), ssize_t(2));
            QCOMPARE(QByteArray(request, 2), QByteArray::fromHex("10aa"));
            sg.setValue(4);
            QCOMPARE(sg.value(), 4);
            QCOMPARE(TestPaths::openDescriptors(), before);
        }
        // The channel closed its reply descriptor, and only that one.
        QVERIFY(::fcntl(replyPair[1], F_GETFD) == -1);
        for (int fd : {zPipe[0], zPipe[1], stopPipe[0], stopPipe[1], ioPipe[0], ioPipe[1], replyPair[0]}) {
            QVERIFY(::fcntl(fd, F_GETFD) != -1);
            ::close(fd);
        }
    }

    void runningLoopStopsCooperatively()
    {
        QSignalSpy step(reader, &KReadSGThread::stepStopped);
        channel->queueStop(0x01, 0x00);
        reader->start();
        QTRY_COMPARE(step.count(), 1);
        QVERIFY(reader->isRunning());
        reader->stopLoop();
        QVERIFY(reader->isFinished());
    }
};

QTEST_GUILESS_MAIN(HeightChannelTest)
#include "HeightChannelTest.moc"
