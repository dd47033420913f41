#include "device/KWriteDevice.h"

#include "device/JunctionMarking.h"
#include "program/SegmentTable.h"

#include <QDebug>

#include <limits>

namespace {

// Configured millimetres to 0.01 mm; a value beyond the 32-bit range stops at its end.
qint32 hundredths(int mm)
{
    const qint64 v = qint64(mm) * 100;
    return qint32(qBound<qint64>(std::numeric_limits<qint32>::min(), v, std::numeric_limits<qint32>::max()));
}

} // namespace

KWriteDevice::KWriteDevice(const std::array<int, kDescriptorCount> &fds, QObject *parent)
    : QObject(parent)
    , fd(fds)
{
}

void KWriteDevice::record(const QString &entry)
{
    if (log.size() >= kLogSize)
        log.removeFirst();
    log << entry;
}

void KWriteDevice::record(const char *slot, std::initializer_list<qint64> args)
{
    QString entry = QLatin1String(slot) + QLatin1Char('(');
    bool first = true;
    for (qint64 a : args) {
        if (!first)
            entry += QLatin1Char(',');
        entry += QString::number(a);
        first = false;
    }
    record(entry + QLatin1Char(')'));
}

void KWriteDevice::writeEnt()
{
    record("writeEnt");
    JunctionMarking::mark(cutSegments, para.cutSpeed, para.lowSpeed);
}

void KWriteDevice::writePara(para_t speeds)
{
    record("writePara", {speeds.topSpeed, speeds.cutSpeed, speeds.lowSpeed, speeds.startNum, speeds.method});
    para = speeds;
}

void KWriteDevice::writeSys(sys_t outputs)
{
    const QByteArray bytes(reinterpret_cast<const char *>(outputs.byte), sizeof outputs.byte);
    record(QStringLiteral("writeSys(%1)").arg(QString::fromLatin1(bytes.toHex(' ').toUpper())));
    sys = outputs;
}

void KWriteDevice::writeStart(start_t start)
{
    record("writeStart", {start.startNum, start.offsetX, start.offsetY, start.beginX, start.beginY});
    startPoint = start;
}

void KWriteDevice::writeLaser(int x, int y)
{
    record("writeLaser", {x, y});
    laser = {hundredths(x), hundredths(y)};
}

void KWriteDevice::writePF(int x, int y)
{
    record("writePF", {x, y});
    pf = {hundredths(x), hundredths(y)};
}

void KWriteDevice::setMethod(int method)
{
    record("setMethod", {method});
    methodValue = method;
}

void KWriteDevice::setMode(int mode)
{
    record("setMode", {mode});
    modeValue = mode;
    qDebug("mode=%d", mode);
}

void KWriteDevice::start()
{
    record("start");
}
void KWriteDevice::restart()
{
    record("restart");
}
void KWriteDevice::stopall()
{
    record("stopall");
}
void KWriteDevice::stopstepall()
{
    record("stopstepall");
}
void KWriteDevice::stopseg()
{
    record("stopseg");
}
void KWriteDevice::stopsegCancel()
{
    record("stopsegCancel");
}
void KWriteDevice::turnback()
{
    record("turnback");
}
void KWriteDevice::moveout()
{
    record("moveout");
}
void KWriteDevice::moveoutCancel()
{
    record("moveoutCancel");
}
void KWriteDevice::back()
{
    record("back");
}
void KWriteDevice::toStep()
{
    record("toStep");
}
void KWriteDevice::toFile()
{
    record("toFile");
}
void KWriteDevice::toLaser()
{
    record("toLaser");
}
void KWriteDevice::toPF()
{
    record("toPF");
}
void KWriteDevice::moveback()
{
    record("moveback");
}
void KWriteDevice::moveback_fast()
{
    record("moveback_fast");
}
void KWriteDevice::moveback_slow()
{
    record("moveback_slow");
}
void KWriteDevice::returnZero()
{
    record("returnZero");
}
void KWriteDevice::returnStart()
{
    record("returnStart");
}
void KWriteDevice::cmosXY()
{
    record("cmosXY");
}
void KWriteDevice::cmosNum()
{
    record("cmosNum");
}
void KWriteDevice::cmosNumNext()
{
    record("cmosNumNext");
}

void KWriteDevice::writeBeam(double degrees)
{
    record(QStringLiteral("writeBeam(%1)").arg(QString::number(degrees, 'g', 6)));
}

void KWriteDevice::pfOn()
{
    record("pfOn");
}
void KWriteDevice::pfOff()
{
    record("pfOff");
}
void KWriteDevice::toJump()
{
    record("toJump");
}

void KWriteDevice::step(const char *slot, char axisLetter, char keyDigit)
{
    record(slot);
    axis = axisLetter;
    digit = keyDigit;
    switch (methodValue) {
    case 1: // slow
    case 3: // inch
        speed = para.cutSpeed;
        break;
    case 2: // fast
        speed = para.topSpeed;
        break;
    case 4: // machining: the process's own speed, traverse when nothing cuts
        speed = modeValue == 1 || modeValue == 2 ? para.cutSpeed : para.topSpeed;
        break;
    default:
        break;
    }
}

void KWriteDevice::writeStepN()
{
    step("writeStepN", 'X', '2');
}
void KWriteDevice::writeStepW()
{
    step("writeStepW", 'Y', '8');
}
void KWriteDevice::writeStepS()
{
    step("writeStepS", 'X', '6');
}
void KWriteDevice::writeStepE()
{
    step("writeStepE", 'Y', '4');
}
void KWriteDevice::writeStepNW()
{
    step("writeStepNW", 'N', '1');
}
void KWriteDevice::writeStepNE()
{
    step("writeStepNE", 'N', '3');
}
void KWriteDevice::writeStepSW()
{
    step("writeStepSW", 'N', '7');
}
void KWriteDevice::writeStepSE()
{
    step("writeStepSE", 'N', '5');
}

void KWriteDevice::writeStepStop()
{
    record("writeStepStop");
    speed = para.lowSpeed;
}

void KWriteDevice::writeXWIgnore()
{
    record("writeXWIgnore");
}
void KWriteDevice::writeToNewFile()
{
    record("writeToNewFile");
}
void KWriteDevice::writeToOldFile()
{
    record("writeToOldFile");
}
void KWriteDevice::writeMovePoint(int x, int y)
{
    record("writeMovePoint", {x, y});
}
void KWriteDevice::writeXYPoint(int x, int y)
{
    record("writeXYPoint", {x, y});
}
void KWriteDevice::writeCK3(int flag)
{
    record("writeCK3", {flag});
}

void KWriteDevice::writeCK(bool on)
{
    record(QStringLiteral("writeCK(%1)").arg(on ? QStringLiteral("true") : QStringLiteral("false")));
}
