#include "device/KReadIntThread.h"

#include "device/AxisStatusSource.h"
#include "device/PassWait.h"

#include <cmath>

namespace {

constexpr int kPassMs = 70;

// Coordinates of the card plus an offset; wraps instead of overflowing.
int shifted(int value, int offset)
{
    return int(quint32(value) + quint32(offset));
}

// Whether a and b lie in different cells of the cursor's grid of size d
// (truncation toward zero, so -49 and 49 share the cell of 0 for d = 50).
bool otherCell(int a, int b, double d)
{
    if (!(d > 0) || !std::isfinite(d))
        return a != b;
    return std::trunc(a / d) != std::trunc(b / d);
}

} // namespace

KReadIntThread::KReadIntThread(const std::array<int, kDescriptorCount> &fds, QObject *parent)
    : QThread(parent)
    , fd(fds)
    , passWait(std::make_shared<PassWait>())
{
    reset();
}

KReadIntThread::~KReadIntThread()
{
    stopLoop();
}

void KReadIntThread::stopLoop()
{
    if (!isRunning())
        return;
    requestInterruption();
    wait();
}

void KReadIntThread::setStatusSource(std::shared_ptr<AxisStatusSource> statusSource)
{
    source.set(std::move(statusSource));
}

void KReadIntThread::setPassWait(std::shared_ptr<PassWait> wait)
{
    if (wait)
        passWait.set(std::move(wait));
}

void KReadIntThread::reset()
{
    reporting = false;
    movementView = false;
    absoluteView = false;
    alignmentValues = false;
    dlzArcOn = false;
    dlzPositioned = true;
    dlzArcAsked = false;
    dlzDownAsked = false;
    dlzUpAsked = false;
    alarmArmed = true;
    dlzHeightOn = true;
    dlzKnocked = false;
    for (Point *p : {&position1, &position2, &begin}) {
        p->x = 0;
        p->y = 0;
    }
    lastV0 = 0;
    lastV1 = 0;
    lastRecord = 0;
    lastFlag = 0;
    lastOflag = 0;
    divisor = 50;
    factor = 1.0;
}

void KReadIntThread::setBeginPoint(int x, int y)
{
    begin.x = x;
    begin.y = y;
    updateCursor();
}

void KReadIntThread::setMaxN(int n)
{
    // Larger programs move the cursor on a coarser grid.
    static const struct {
        int below;
        int divisor;
    } kGrid[] = {{1000, 50}, {2000, 60}, {3000, 70}, {4000, 80}, {5000, 100}, {6000, 150}};
    for (const auto &band : kGrid) {
        if (n < band.below) {
            divisor = band.divisor;
            return;
        }
    }
    divisor = 200;
}

void KReadIntThread::setPNew(double f)
{
    factor = f;
}

void KReadIntThread::updateCursor()
{
    if (absoluteView)
        emit pointChanged(position2.x, position2.y);
    else if (movementView)
        emit pointChanged(shifted(position2.x, begin.x), shifted(position2.y, begin.y));
    else
        emit pointChanged(shifted(position1.x, begin.x), shifted(position1.y, begin.y));
}

void KReadIntThread::alarms(quint8 alarm)
{
    if (!alarmArmed) {
        // Bit 7 is no alarm.
        if ((alarm & 0x7F) == 0) {
            alarmArmed = true;
            emit xw_Resume();
        }
        return;
    }
    auto raise = [this](bool set, void (KReadIntThread::*alarm)()) {
        if (set) {
            alarmArmed = false;
            emit(this->*alarm)();
        }
        return set;
    };
    raise(alarm & 0x01, &KReadIntThread::xw_XPOS);
    raise(alarm & 0x02, &KReadIntThread::xw_XNEG);
    raise(alarm & 0x04, &KReadIntThread::xw_YPOS);
    raise(alarm & 0x08, &KReadIntThread::xw_YNEG);
    // One servo alarm per pass, the first in this order.
    raise(alarm & 0x10, &KReadIntThread::dx1_ERR) || raise(alarm & 0x20, &KReadIntThread::dy_ERR)
        || raise(alarm & 0x40, &KReadIntThread::dx2_ERR);
}

void KReadIntThread::inputs(quint8 input)
{
    const bool touchHigh = input & 0x01;
    if (dlzHeightOn && !touchHigh) {
        dlzHeightOn = false;
        if (dlzDownAsked) {
            emit dlzDownStop();
        } else if (dlzPositioned) {
            dlzKnocked = true;
            emit dlzKnock();
        }
    } else if (!dlzHeightOn && touchHigh) {
        dlzHeightOn = true;
        if (dlzUpAsked) {
            emit dlzUpStop();
        } else if (dlzKnocked) {
            dlzKnocked = false;
            emit dlzKnock_Resume();
        }
    }

    const bool arcHigh = input & 0x02;
    if (dlzArcAsked && !arcHigh)
        emit dlzYHanswer();
    if (dlzArcOn && arcHigh)
        emit dlzYHreject();
}

void KReadIntThread::position(const AxisStatus &status)
{
    const bool absolute = absoluteView;
    const bool onPosition2 = absolute || movementView;
    const point_t raw = onPosition2 ? status.position2 : status.position1;
    point_t shown = raw;
    if (!absolute) {
        shown.x = shifted(raw.x, begin.x);
        shown.y = shifted(raw.y, begin.y);
    }
    point_t &previous = onPosition2 ? previous2 : previous1;

    const double d = divisor * factor;
    if (otherCell(raw.x, previous.x, d) || otherCell(raw.y, previous.y, d))
        emit pointChanged(shown.x, shown.y);
    if (raw.x != previous.x || raw.y != previous.y) {
        previous = raw;
        if (!onPosition2)
            emit writeCMOS();
        emit pointXYChanged(shown.x, shown.y);
    }

    if (lastFlag.exchange(status.flag) != status.flag)
        emit flagChanged(status.flag);
    if (lastOflag.exchange(status.oflag) != status.oflag)
        emit oflagChanged(status.oflag);
    if (plasmaFlag && lastCorner.exchange(status.corner) != status.corner)
        emit conerFlagChanged(char(status.corner));
    if (lastRecord.exchange(status.record) != status.record) {
        emit atCodeNum(status.record);
        emit flagChanged(status.flag);
    }
}

void KReadIntThread::runPass(const AxisStatus &status)
{
    position1.x = status.position1.x;
    position1.y = status.position1.y;
    position2.x = status.position2.x;
    position2.y = status.position2.y;

    alarms(status.alarm);
    inputs(status.input);
    if (reporting)
        position(status);
    if (alignmentValues || stepValues) {
        emit valueXChanged(status.valueX);
        emit valueYChanged(status.valueY);
    }
    if (lastV0.exchange(status.v0) != status.v0)
        emit V0Changed(status.v0);
    if (lastV1.exchange(status.v1) != status.v1)
        emit V1Changed(status.v1);
    emit valueVcurChanged(0);
}

void KReadIntThread::run()
{
    const std::shared_ptr<AxisStatusSource> statusSource = source.get();
    if (!statusSource)
        return;
    const std::shared_ptr<PassWait> wait = passWait.get();
    const auto stopRequested = [this] { return isInterruptionRequested(); };
    previous1 = point_t();
    previous2 = point_t();
    while (!isInterruptionRequested()) {
        AxisStatus status;
        if (statusSource->read(status))
            runPass(status);
        wait->wait(kPassMs, stopRequested);
    }
}
