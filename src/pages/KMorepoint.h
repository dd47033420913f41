#ifndef KMOREPOINT_H
#define KMOREPOINT_H

#include <QStringList>
#include <QWidget>

// The points of a plate outline recorded for the part library, at most ten,
// in 0.01 mm.
class KMorepoint : public QWidget
{
    Q_OBJECT
public:
    explicit KMorepoint(QWidget *parent = nullptr);

    static constexpr int maxPoints = 10;

    static QString header();
    // The row of the point with index i (shown as i + 1): x and y
    // right-aligned in 8 characters; a longer value widens its field.
    static QString rowLine(int i, int x, int y);

    // The texts painted now, in painting order.
    QStringList lines() const;
    int count() const { return lastIndex + 1; }

    void reset();
    // Ignored once ten points are stored.
    void addPoint(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Point {
        int x;
        int y;
    };
    int lastIndex = -1;
    Point points[maxPoints] = {};
};

#endif
