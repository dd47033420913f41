#ifndef KSTATUSDLZ_H
#define KSTATUSDLZ_H

#include "status/KStatusPanel.h"

class QLabel;

// The plasma panel: five timed phases, the positioning mode and five indicators.
class KStatusDLZ : public KStatusPanel
{
    Q_OBJECT
public:
    explicit KStatusDLZ(QWidget *parent = nullptr);

    double yhTotal = 6.0;
    double yhRemain = 6.0;
    bool yhActive = false;
    double delayTotal = 3.0;
    double delayRemain = 3.0;
    bool delayActive = false;
    double arcOffUpTotal = 4.0;
    double arcOffUpRemain = 4.0;
    bool arcOffUpActive = false;
    double dwUpTotal = 4.0;
    double dwUpRemain = 4.0;
    bool dwUpActive = false;
    double dwDownTotal = 4.0;
    double dwDownRemain = 4.0;
    bool dwDownActive = false;

    // Positioning mode: 0 collision (positioning lift shown), 1 capacitive
    // (positioning descent shown). Collision until the configuration says otherwise.
    int dwMode = 0;
    QLabel *dwUpLabel = nullptr;
    QLabel *dwDownLabel = nullptr;
    QLabel *modeLabel = nullptr;

    bool dwOn = false;
    bool yhOn = false;
    bool hyOn = false;
    bool autoHeightOn = false;
    bool yhSuccess = false;

    // 0 collision, 1 capacitive; any other value changes nothing. No repaint.
    void setModeText(int mode);

    // What the next full repaint draws.
    QVector<Mark> picture() const;

public slots:
    void setYH(double seconds);
    double getYH();
    void minusYH();
    void setDelay(double seconds);
    double getDelay();
    void minusDelay();
    void setArcOffUp(double seconds);
    double getArcOffUp();
    void minusArcOffUp();
    void setDWUp(double seconds);
    double getDWUp();
    void minusDWUp();
    void setDWDown(double seconds);
    double getDWDown();
    void minusDWDown();

signals:
    void YHEnd();
    void delayEnd();
    void arcOffUpEnd();
    void DWUpEnd();
    void DWDownEnd();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The panel's phase rows, top down.
    enum Row { YhRow, DelayRow, ArcOffUpRow, DwUpRow, DwDownRow };
};

#endif
