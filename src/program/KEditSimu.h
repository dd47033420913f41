#ifndef KEDITSIMU_H
#define KEDITSIMU_H

#include "program/KPathView.h"

#include <QList>
#include <QPainterPath>

// The drawing beside the program editor: editSegments as cuts and rapid
// moves, with the rows selected in the editor's table drawn again in red.
class KEditSimu : public KPathView
{
    Q_OBJECT
public:
    explicit KEditSimu(QWidget *parent = nullptr);

    // Record indices of editSegments to highlight; redraws.
    void setSelectedRows(const QList<int> &rows);

public slots:
    void draw() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPainterPath cutPath;
    QPainterPath rapidPath;
    QPainterPath selectionPath;
    QList<int> selectedRows;
};

#endif
