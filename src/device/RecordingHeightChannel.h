#ifndef RECORDINGHEIGHTCHANNEL_H
#define RECORDINGHEIGHTCHANNEL_H

#include "device/HeightChannel.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QStringList>

// A height channel without a lifter: it logs every writer call as the
// writer's slot with its arguments ("writeSGMove(-500,3000)") and serves
// scripted bytes to the next reader passes, one queued item per read. A read
// whose queue is empty delivers nothing. Safe to use from the reader thread.
class RecordingHeightChannel : public HeightChannel
{
public:
    RecordingHeightChannel() = default;

    void stepUp(int speed) override;
    void stepDown(int speed) override;
    void stepStop() override;
    void move(int distance, int speed) override;
    void moveStop() override;
    void clearHeight() override;
    void setValue(int acc) override;

    bool readZ(quint8 &z) override;
    bool readStop(quint8 (&bytes)[2]) override;
    bool readIO(quint8 (&bytes)[2]) override;
    bool exchangeU1(quint8 (&reply)[4]) override;

    QStringList log() const;
    void clearLog();

    void queueZ(quint8 z);
    void queueStop(quint8 step, quint8 move);
    void queueIO(quint8 byte0, quint8 byte1);
    // A reply of any length; fewer than four bytes is a short reply.
    void queueReply(const QByteArray &reply);
    void setRequestFails(bool fails);
    // Every request byte written to the reply channel so far.
    QByteArray requests() const;

private:
    void record(const QString &entry);
    static bool take(QList<QByteArray> &queue, quint8 *bytes, int size);

    mutable QMutex mutex;
    QStringList entries;
    QList<QByteArray> zQueue;
    QList<QByteArray> stopQueue;
    QList<QByteArray> ioQueue;
    QList<QByteArray> replyQueue;
    QByteArray written;
    bool requestFails = false;
};

#endif
