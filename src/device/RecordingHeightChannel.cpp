#include "device/RecordingHeightChannel.h"

#include <QMutexLocker>

void RecordingHeightChannel::record(const QString &entry)
{
    QMutexLocker lock(&mutex);
    entries << entry;
}

void RecordingHeightChannel::stepUp(int speed)
{
    record(QStringLiteral("writeSGStep1Up(%1)").arg(speed));
}

void RecordingHeightChannel::stepDown(int speed)
{
    record(QStringLiteral("writeSGStep1Down(%1)").arg(speed));
}

void RecordingHeightChannel::stepStop()
{
    record(QStringLiteral("writeSGStep1Stop()"));
}

void RecordingHeightChannel::move(int distance, int speed)
{
    record(QStringLiteral("writeSGMove(%1,%2)").arg(distance).arg(speed));
}

void RecordingHeightChannel::moveStop()
{
    record(QStringLiteral("writeSGMove1Stop()"));
}

void RecordingHeightChannel::clearHeight()
{
    record(QStringLiteral("writeSGClear()"));
}

void RecordingHeightChannel::setValue(int acc)
{
    record(QStringLiteral("setValue(%1)").arg(acc));
}

bool RecordingHeightChannel::take(QList<QByteArray> &queue, quint8 *bytes, int size)
{
    if (queue.isEmpty())
        return false;
    const QByteArray item = queue.takeFirst();
    if (item.size() < size)
        return false;
    for (int i = 0; i < size; ++i)
        bytes[i] = quint8(item.at(i));
    return true;
}

bool RecordingHeightChannel::readZ(quint8 &z)
{
    QMutexLocker lock(&mutex);
    return take(zQueue, &z, 1);
}

bool RecordingHeightChannel::readStop(quint8 (&bytes)[2])
{
    QMutexLocker lock(&mutex);
    return take(stopQueue, bytes, 2);
}

bool RecordingHeightChannel::readIO(quint8 (&bytes)[2])
{
    QMutexLocker lock(&mutex);
    return take(ioQueue, bytes, 2);
}

bool RecordingHeightChannel::exchangeU1(quint8 (&reply)[4])
{
    QMutexLocker lock(&mutex);
    if (requestFails)
        return false;
    written.append(reinterpret_cast<const char *>(kRequest), sizeof kRequest);
    return take(replyQueue, reply, 4);
}

QStringList RecordingHeightChannel::log() const
{
    QMutexLocker lock(&mutex);
    return entries;
}

void RecordingHeightChannel::clearLog()
{
    QMutexLocker lock(&mutex);
    entries.clear();
}

void RecordingHeightChannel::queueZ(quint8 z)
{
    QMutexLocker lock(&mutex);
    zQueue << QByteArray(1, char(z));
}

void RecordingHeightChannel::queueStop(quint8 step, quint8 move)
{
    QMutexLocker lock(&mutex);
    stopQueue << QByteArray().append(char(step)).append(char(move));
}

void RecordingHeightChannel::queueIO(quint8 byte0, quint8 byte1)
{
    QMutexLocker lock(&mutex);
    ioQueue << QByteArray().append(char(byte0)).append(char(byte1));
}

void RecordingHeightChannel::queueReply(const QByteArray &reply)
{
    QMutexLocker lock(&mutex);
    replyQueue << reply;
}

void RecordingHeightChannel::setRequestFails(bool fails)
{
    QMutexLocker lock(&mutex);
    requestFails = fails;
}

QByteArray RecordingHeightChannel::requests() const
{
    QMutexLocker lock(&mutex);
    return written;
}
