#ifndef KREADSGTHREAD_H
#define KREADSGTHREAD_H

#include "device/SharedSlot.h"

#include <QThread>

#include <atomic>
#include <memory>

class HeightChannel;

// Reader of the height channel: one pass polls the height, the stop and I/O
// status and, on request, the arc voltage, and reports each change once. The
// report latches are re-armed by the controller from the GUI thread before the
// command that expects the report, so every flag shared with the loop is atomic.
class KReadSGThread : public QThread
{
    Q_OBJECT
public:
    // Descriptors of the height, the status inputs and the stop reports.
    KReadSGThread(int fdZ, int fdIO, int fdStop, QObject *parent);
    // Stops a running loop cooperatively, then lets the channel close its reply descriptor.
    ~KReadSGThread() override;

    // Installs a channel; the reader's next pass uses it.
    void setChannel(std::shared_ptr<HeightChannel> channel);

    // Clears the request, the four latches and the height and voltage values.
    void reset();
    // One pass of the loop on the calling thread.
    void pollOnce();
    // Asks a running loop to end and waits for it.
    void stopLoop();

    std::atomic<bool> u1Request{false};
    std::atomic<bool> stepReported{false};
    std::atomic<bool> moveReported{false};
    std::atomic<bool> topReported{false};
    std::atomic<bool> underReported{false};
    std::atomic<bool> readyReported{true};

signals:
    void valueZ1Changed(int z);
    void valueU1Changed(uint u);
    void underTouched();
    void topTouched();
    void stepStopped();
    void moveStopped();
    void sgNotReady();
    void sgReady();

protected:
    void run() override;

private:
    int fdZ;
    int fdIO;
    int fdStop;
    std::atomic<int> zValue{0};
    std::atomic<int> lastZ{0};
    std::atomic<uint> u1Value{0};
    std::atomic<uint> lastU1{0};
    SharedSlot<HeightChannel> sg;
};

#endif
