#ifndef DIMENSIONDRAWING_H
#define DIMENSIONDRAWING_H

#include "library/ShapeOutline.h"
#include "library/shapes/ShapeDimensions.h"

#include <QImage>
#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>
#include <QVector>

class QPainter;

// The dimension drawing of one library shape: its default outline and, for
// every letter of ShapeDimensions, a dimension line, leader or angle arc with
// the letter beside it. Everything is laid out here in picture pixels, so the
// painter and whoever checks the picture see the same primitives.
class DimensionDrawing
{
public:
    static constexpr int kWidth = 226;
    static constexpr int kHeight = 190;

    struct Dimension {
        ShapeDimension spec;
        QVector<QPointF> anchors; // the points the table names, in the picture (radii: centre, then the arc)
        QVector<QLineF> lines;    // extension, dimension and leader lines
        QVector<QPolygonF> arrows;
        QPainterPath arc; // an angle's arc
        QRectF letter;    // where its letter stands
    };

    // Lays out shape n (1..49). `ok` is false when the shape did not
    // generate. The generator's scratch files go under the current folder.
    static DimensionDrawing of(int n);

    bool ok = false;
    int shape = 0;
    ShapeOutline outline;
    QTransform toPicture; // program coordinates to picture pixels
    QPainterPath cut;     // in the picture
    QPainterPath leads;
    QVector<Dimension> dimensions;
    QRectF title; // "Kn"

    // The outline as chords, leads included, for overlap checks.
    QVector<QLineF> outlineChords() const;
    // Everything drawn that a letter must keep clear of, but for the lines
    // of dimension `except`.
    QVector<QLineF> obstacles(int except) const;

    // Whether a line touches a rectangle (a letter's box).
    static bool crosses(const QLineF &line, const QRectF &r);

    void paint(QPainter &painter) const;
    QImage image() const;

private:
    QPointF resolve(const DimPoint &p) const;
    void fit();
    void layOut(int index);
    void placeLetter(int index);
};

#endif
