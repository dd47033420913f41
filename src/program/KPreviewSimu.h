#ifndef KPREVIEWSIMU_H
#define KPREVIEWSIMU_H

#include "program/KPathView.h"

#include <QPainterPath>

// The drawing in the file browser: previewSegments, and over it in red the
// kerf-compensated program of cutSegments while showCompensated is set.
class KPreviewSimu : public KPathView
{
    Q_OBJECT
public:
    explicit KPreviewSimu(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    bool previewEnabled; // clear: only "no preview" is painted
    bool showCompensated;

public slots:
    void draw() override;
    void drawNoPreview();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPainterPath cutPath;
    QPainterPath rapidPath;
    QPainterPath compCutPath;
    QPainterPath compRapidPath;
};

#endif
