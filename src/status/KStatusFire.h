#ifndef KSTATUSFIRE_H
#define KSTATUSFIRE_H

#include "status/KStatusPanel.h"

// The flame-cutting panel: seven timed phases (rows 0-6) and six output
// indicators. Every phase is a public triple total / remaining / active that
// the main window reads and, at a phase's end, resets through the setter.
class KStatusFire : public KStatusPanel
{
    Q_OBJECT
public:
    explicit KStatusFire(QWidget *parent = nullptr);

    double delayTotal = 5.0;
    double delayRemain = 5.0;
    bool delayActive = false;
    double dfTotal = 3.0;
    double dfRemain = 3.0;
    bool dfActive = false;
    double ckTotal = 9.0;
    double ckRemain = 9.0;
    bool ckActive = false;
    double ckUpTotal = 0.2;
    double ckUpRemain = 0.2;
    bool ckUpActive = false;
    double ckDownTotal = 0.2;
    double ckDownRemain = 0.2;
    bool ckDownActive = false;
    double oxoffUpTotal = 3.0;
    double oxoffUpRemain = 3.0;
    bool oxoffUpActive = false;
    double dwDownTotal = 3.0;
    double dwDownRemain = 3.0;
    bool dwDownActive = false;

    // Measured preheat time, counted up while the operator preheats; never drawn.
    double realDelay = 0.0;
    // Three-stage piercing; written by the main window from the configuration.
    bool ck3Mode = false;
    // Stage signals already given during the current pierce (the main window clears them).
    bool ck1Done = false;
    bool ck2Done = false;

    // Output indicators, written by the main window before it asks for a repaint.
    bool preheatOxygenOn = false;
    bool cutOxygenOn = false;
    bool ck1On = false;
    bool ck2On = false;
    bool ck3On = false;
    bool autoHeightOn = false;

    QPixmap offDisabledPixmap;

    // Sum of the seven configured times: the process time of one pierce.
    double getTotalTime() const;

    // What the next full repaint draws.
    QVector<Mark> picture() const;

public slots:
    void setDelay(double seconds);
    double getDelay();
    void minusDelay();
    void setDF(double seconds);
    double getDF();
    void minusDF();
    void setCK(double seconds);
    double getCK();
    void minusCK();
    void setCKUp(double seconds);
    double getCKUp();
    void minusCKUp();
    void setCKDown(double seconds);
    double getCKDown();
    void minusCKDown();
    void setOxoffUp(double seconds);
    double getOxoffUp();
    void minusOxoffUp();
    void setDwDown(double seconds);
    double getDwDown();
    void minusDwDown();

    void clearRealDelay();
    void addRealDelay();
    double getRealDelay();

signals:
    void delayEnd();
    void dfEnd();
    void dwDownEnd();
    void ck1TimeUp();
    void ck2TimeUp();
    void ck3TimeUp();
    void ckTimeUp();
    void ckUpEnd();
    void ckDownEnd();
    void OxoffUpEnd();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The panel's phase rows, top down.
    enum Row { DelayRow, DfRow, CkRow, CkUpRow, CkDownRow, OxoffUpRow, DwDownRow };
};

#endif
