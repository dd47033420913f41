#ifndef KCKSIMU_H
#define KCKSIMU_H

#include "program/ViewFit.h"

#include <QPainterPath>
#include <QWidget>

// One pierce part of the cutting program (rows firstRow .. lastRow - 1 of
// cutSegments), fitted into 178 x 160 pixels under the caption
// "firstPart - currentPart".
class KCKSimu : public QWidget
{
    Q_OBJECT
public:
    explicit KCKSimu(QWidget *parent = nullptr);

    void resetView();

    double getScale() const { return v.scale; }
    QPointF getViewCentre() const { return QPointF(v.viewCentreX, v.viewCentreY); }
    QString caption() const;
    int getFirstRow() const { return firstRow; }
    int getLastRow() const { return lastRow; }

signals:
    void ckClicked();

public slots:
    // First row, row after the last, first and current part number.
    void drawCK(int first, int last, int firstPartNo, int currentPartNo);
    void draw();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ViewFit v;
    QPainterPath cutPath;
    QPainterPath rapidPath;
    int firstRow = 0;
    int lastRow = 0;
    int currentPart = 0;
    // The part a combined run starts with belongs to the program, not to one view.
    static int firstPart;
};

#endif
