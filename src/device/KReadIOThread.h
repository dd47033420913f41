#ifndef KREADIOTHREAD_H
#define KREADIOTHREAD_H

#include "device/SharedSlot.h"

#include <QThread>

#include <array>
#include <atomic>
#include <memory>

class InputSource;
class PassWait;

// Poll thread of the input diagnosis page: samples the machine's input byte
// every 100 ms and reports each row whose input changed, true for an active
// (low) input. Rows 8 to 10 read the same bits as rows 1, 3 and 2.
class KReadIOThread : public QThread
{
    Q_OBJECT
public:
    static constexpr int kRows = 10;
    // Input bit of each row, in row order.
    static const std::array<int, kRows> kRowBits;

    KReadIOThread(int fd1, int fd2, QObject *parent);
    // Stops a running loop cooperatively.
    ~KReadIOThread() override;

    int descriptor1() const { return fd1; }
    int descriptor2() const { return fd2; }

    // Installs where the loop reads the inputs (the no-card source reads all inactive).
    void setInputSource(std::shared_ptr<InputSource> source);
    // Installs the wait after each poll, asked for 100 ms each time; a loop
    // takes it when it starts. Null keeps the one installed.
    void setPassWait(std::shared_ptr<PassWait> wait);

    // Every row inactive, reported in row order.
    void resetInputs();
    // One pass of the loop with this input byte, on the calling thread.
    void pollOnce(quint8 byte);
    // Asks a running loop to end and waits for it; the reports it queued for
    // the view (the parent) are delivered before this returns.
    void stopLoop();

signals:
    void setXWXp(bool);
    void setXWXn(bool);
    void setXWYp(bool);
    void setXWYn(bool);
    void setDX1Err(bool);
    void setDX2Err(bool);
    void setDYErr(bool);
    void setDLZKnock(bool);
    void setDLZDW(bool);
    void setDLZAnswer(bool);

protected:
    void run() override;

private:
    void report(int row, bool active);

    int fd1;
    int fd2;
    std::array<std::atomic<bool>, kRows> active{};
    SharedSlot<InputSource> source;
    SharedSlot<PassWait> passWait;
};

#endif
