#ifndef KPREVIEWSIMU_H
#define KPREVIEWSIMU_H

#include "program/KPathView.h"
#include "records/SegmentRecord.h"

#include <QPainterPath>

// The drawing in the file browser: previewSegments, and over it in red the
// kerf-compensated program while showCompensated is set, taken from
// cutSegments unless another table is given.
class KPreviewSimu : public KPathView
{
    Q_OBJECT
public:
    explicit KPreviewSimu(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    bool previewEnabled; // clear: only "no preview" is painted
    bool showCompensated;

    // The table the overlay is drawn from; nullptr draws cutSegments. The
    // table must outlive the view or be replaced before it goes.
    void setCompensatedSource(const SegmentRecord *table) { compensatedSource = table; }

public slots:
    void draw() override;
    void drawNoPreview();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const SegmentRecord *compensatedSource = nullptr;
    QPainterPath cutPath;
    QPainterPath rapidPath;
    QPainterPath compCutPath;
    QPainterPath compRapidPath;
};

#endif
