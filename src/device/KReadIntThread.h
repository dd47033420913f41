#ifndef KREADINTTHREAD_H
#define KREADINTTHREAD_H

#include "device/AxisStatus.h"

#include "device/SharedSlot.h"

#include <QThread>

#include <array>
#include <atomic>
#include <memory>

class AxisStatusSource;
class PassWait;

// Return path from the axis card: each pass takes the card's status and turns
// every change into a signal (alarms, torch touch and plasma answers, torch
// position, current record, process flags and speeds). The main window
// switches parts of it on and off through the public flags; a running loop
// reads them at its next pass, so each is atomic.
class KReadIntThread : public QThread
{
    Q_OBJECT
public:
    static constexpr int kDescriptorCount = 9;

    // The first nine descriptors of the device writer.
    KReadIntThread(const std::array<int, kDescriptorCount> &fds, QObject *parent);
    // Stops a running loop cooperatively.
    ~KReadIntThread() override;

    const std::array<int, kDescriptorCount> &descriptors() const { return fd; }

    // Installs where the loop reads the card's status; none is installed
    // without an axis card, and the loop then ends at once.
    void setStatusSource(std::shared_ptr<AxisStatusSource> source);
    // Installs the wait after each pass, asked for 70 ms each time; a loop
    // takes it when it starts. Null keeps the one installed.
    void setPassWait(std::shared_ptr<PassWait> wait);

    // Back to the state of a fresh program, before its parse. The step
    // values and plasma flags and the last corner flag are left alone.
    void reset();
    // One pass of the loop on the calling thread.
    void runPass(const AxisStatus &status);
    // Asks a running loop to end and waits for it.
    void stopLoop();

    int cursorDivisor() const { return divisor; }
    double cursorFactor() const { return factor; }

    // Written by the main window.
    std::atomic<bool> reporting{false};
    std::atomic<bool> movementView{false};
    std::atomic<bool> absoluteView{false};
    std::atomic<bool> alignmentValues{false};
    std::atomic<bool> stepValues{false};
    std::atomic<bool> dlzArcOn{false};
    std::atomic<bool> plasmaFlag{false};
    std::atomic<bool> dlzPositioned{true};
    std::atomic<bool> dlzArcAsked{false};
    std::atomic<bool> dlzDownAsked{false};
    std::atomic<bool> dlzUpAsked{false};
    std::atomic<bool> dlzHeightOn{true};

signals:
    void xw_XPOS();
    void xw_XNEG();
    void xw_YPOS();
    void xw_YNEG();
    void dx1_ERR();
    void dx2_ERR();
    void dy_ERR();
    void xw_Resume();
    void valueXChanged(int);
    void valueYChanged(int);
    void pointChanged(int, int);
    void pointXYChanged(int, int);
    void valueVcurChanged(int);
    void flagChanged(int);
    void oflagChanged(int);
    void atCodeNum(int);
    void V0Changed(int);
    void V1Changed(int);
    void writeCMOS();
    void dlzKnock();
    void dlzKnock_Resume();
    void dlzDownStop();
    void dlzUpStop();
    void dlzYHanswer();
    void dlzYHreject();
    void conerFlagChanged(char);
    // The beam sensors have no source yet; nothing emits these.
    void bothTouch();
    void bothNoTouch();
    void leftRightTouch(int);
    void rightLeftTouch(int);
    void onlyLeftTouch();
    void onlyRightTouch();

public slots:
    // The begin point on the cutting plot, 0.01 mm.
    void setBeginPoint(int x, int y);
    // The record count of the loaded program chooses the cursor's grid.
    void setMaxN(int n);
    // The cutting plot's scale.
    void setPNew(double factor);
    void updateCursor();

protected:
    void run() override;

private:
    struct Point {
        std::atomic<int> x{0};
        std::atomic<int> y{0};
    };

    void alarms(quint8 alarm);
    void inputs(quint8 input);
    void position(const AxisStatus &status);

    std::array<int, kDescriptorCount> fd;
    std::atomic<bool> alarmArmed{true};
    std::atomic<bool> dlzKnocked{false};
    Point position1;
    Point position2;
    Point begin;
    std::atomic<int> lastV0{0};
    std::atomic<int> lastV1{0};
    std::atomic<int> lastRecord{0};
    std::atomic<int> lastFlag{0};
    std::atomic<int> lastOflag{0};
    std::atomic<int> lastCorner{0};
    std::atomic<int> divisor{50};
    std::atomic<double> factor{1.0};
    // Last raw point of the cursor: one memory for position 2, one for
    // position 1. Only the thread that runs the passes touches them.
    point_t previous2;
    point_t previous1;
    SharedSlot<AxisStatusSource> source;
    SharedSlot<PassWait> passWait;
};

#endif
