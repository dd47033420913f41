#ifndef KSPEED_H
#define KSPEED_H

#include <QWidget>

class QDial;

// The speed dial and number, and the stop detector: each reported speed is
// compared with the low (corner) speed, and the motion flags the main window
// sets around every process step decide whether a stop is signalled.
// Signals repeat on every report while the flags stay set.
class KSpeed : public QWidget
{
    Q_OBJECT
public:
    explicit KSpeed(QWidget *parent = nullptr);

    // Motion flags, written by the main window.
    bool cutRunning = false;
    bool stepRunning = false;
    bool stopAllPending = false;
    bool stepStopPending = false;
    bool moveRunning = false;
    bool stopSegPassive = false;
    bool stopSegActive = false;
    bool segEndSilent = false;

    QDial *dial;
    int vcur = 0;
    int vshown = 0;
    int vs = 300;
    int flag = 0;
    int oflag = 0;

    // Speeds, flags and motion flags back to rest; vs and the dial stay.
    void reset();

    // Dial unit of a speed before the dial clamps it to 0..60: three linear
    // sections, 0-2000 over 0-20, 2001-8000 over 20-50, 8001-14000 over 49-59.
    static int dialPosition(int speed);
    // The rectangle a new speed number repaints.
    static QRect numberRect();
    QString vcurText() const;

public slots:
    void setVcur(int v);
    void setVS(int v);
    void setFlag(int f);
    void setoFlag(int f);
    int getoFlag();

signals:
    void cutStopped();
    void stepStopped();

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif
