#ifndef KWRITESG_H
#define KWRITESG_H

#include <QObject>

#include <memory>

class HeightChannel;

// Writer of the height channel: the torch lifter's jog, move, stop and clear
// commands. Distances in 0.01 mm (positive up), speeds in mm/min.
class KWriteSG : public QObject
{
    Q_OBJECT
public:
    // Descriptors of the height, the stop reports and the status inputs.
    KWriteSG(int fdZ, int fdStop, int fdIO, QObject *parent);
    ~KWriteSG() override;

    void setChannel(std::shared_ptr<HeightChannel> channel);
    HeightChannel *channel() const { return sg.get(); }

    // The acceleration step of the speed page.
    void setValue(int value);
    int value() const { return acc; }

public slots:
    void writeSGStep1Up(int speed);
    void writeSGStep1Down(int speed);
    void writeSGStep1Stop();
    void writeSGClear();
    void writeSGMove(int distance, int speed);
    void writeSGMove1Stop();

private:
    int fdZ;
    int fdStop;
    int fdIO;
    int acc = 1;
    std::shared_ptr<HeightChannel> sg;
};

#endif
