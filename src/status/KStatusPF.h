#ifndef KSTATUSPF_H
#define KSTATUSPF_H

#include "status/KStatusPanel.h"

// The powder-marking panel: three timed phases and three output indicators.
class KStatusPF : public KStatusPanel
{
    Q_OBJECT
public:
    explicit KStatusPF(QWidget *parent = nullptr);

    double dwDownTotal = 3.0;
    double dwDownRemain = 3.0;
    bool dwDownActive = false;
    double oxoffUpTotal = 3.0;
    double oxoffUpRemain = 3.0;
    bool oxoffUpActive = false;
    double dfTotal = 3.0;
    double dfRemain = 3.0;
    bool dfActive = false;

    bool powderPreheatOn = false;
    bool powderFastOxygenOn = false;
    bool autoHeightOn = false;

    // What the next full repaint draws.
    QVector<Mark> picture() const;

public slots:
    void setDwDown(double seconds);
    double getDwDown();
    void minusDwDown();
    void setOxoffUp(double seconds);
    double getOxoffUp();
    void minusOxoffUp();
    void setDF(double seconds);
    double getDF();
    void minusDF();

signals:
    void dfEnd();
    void dwDownEnd();
    void OxoffUpEnd();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The panel's phase rows, top down.
    enum Row { DwDownRow, OxoffUpRow, DfRow };
};

#endif
