#ifndef KWRITEDEVICE_H
#define KWRITEDEVICE_H

#include "records/DeviceRecords.h"

#include <QObject>
#include <QStringList>

#include <array>

// The main window's one channel to the axis card. It keeps the speeds, the
// movement method, the process mode, the marking offsets and the last step
// command, and marks the junctions of the cutting table. Without an axis card
// it sends nothing; every slot call is kept in a call log instead, as the slot
// name with its arguments ("writePara(6000,2000,300,0,1)").
class KWriteDevice : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDescriptorCount = 11;
    static constexpr int kLogSize = 1000;

    // The axis card's channels, in the order the main window passes them.
    KWriteDevice(const std::array<int, kDescriptorCount> &fds, QObject *parent);

    const std::array<int, kDescriptorCount> &descriptors() const { return fd; }

    bool cardPresent() const { return card; }
    void setCardPresent(bool present) { card = present; }

    // The last kLogSize slot calls, oldest first.
    const QStringList &callLog() const { return log; }
    void clearCallLog() { log.clear(); }

    para_t lastPara() const { return para; }
    sys_t lastSys() const { return sys; }
    start_t lastStart() const { return startPoint; }
    char stepAxis() const { return axis; }
    char stepDigit() const { return digit; }
    int stepSpeed() const { return speed; }
    int method() const { return methodValue; }
    int mode() const { return modeValue; }
    // In 0.01 mm.
    point_t laserOffset() const { return laser; }
    point_t pfOffset() const { return pf; }

signals:
    // What the card would report about a record; nothing emits it.
    void atCodeNum(int, int);

public slots:
    void writeEnt();
    void writePara(para_t speeds);
    void writeSys(sys_t outputs);
    void writeStart(start_t start);
    // Millimetres.
    void writeLaser(int x, int y);
    void writePF(int x, int y);
    void setMethod(int method);
    void setMode(int mode);
    void start();
    void restart();
    void stopall();
    void stopstepall();
    void stopseg();
    void stopsegCancel();
    void turnback();
    void moveout();
    void moveoutCancel();
    void back();
    void toStep();
    void toFile();
    void toLaser();
    void toPF();
    void moveback();
    void moveback_fast();
    void moveback_slow();
    void returnZero();
    void returnStart();
    void cmosXY();
    void cmosNum();
    void cmosNumNext();
    void writeBeam(double degrees);
    void pfOn();
    void pfOff();
    void toJump();
    void writeStepN();
    void writeStepW();
    void writeStepS();
    void writeStepE();
    void writeStepNW();
    void writeStepNE();
    void writeStepSW();
    void writeStepSE();
    void writeStepStop();
    void writeXWIgnore();
    void writeToNewFile();
    void writeToOldFile();
    void writeMovePoint(int x, int y);
    void writeXYPoint(int x, int y);
    void writeCK3(int flag);
    void writeCK(bool on);

private:
    void record(const QString &entry);
    void record(const char *slot, std::initializer_list<qint64> args = {});
    void step(const char *slot, char axisLetter, char keyDigit);

    std::array<int, kDescriptorCount> fd;
    int methodValue = 1;
    int modeValue = 0;
    para_t para{0, 0, 0, 0, 0};
    char axis = 'X';
    int speed = 0;
    char digit = '2';
    point_t laser;
    point_t pf;
    sys_t sys;
    start_t startPoint;
    bool card = false;
    QStringList log;
};

#endif
