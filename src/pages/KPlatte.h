#ifndef KPLATTE_H
#define KPLATTE_H

#include <QStringList>
#include <QWidget>

// The plate-alignment view: the two points taken as text and the plate
// outline turned by the measured angle. It shows what the main window sets;
// positions are fixed for the plot frame's 572 x 640 inside.
class KPlatte : public QWidget
{
    Q_OBJECT
public:
    explicit KPlatte(QWidget *parent = nullptr);

    // "首点(    0.00,      0.00)": each value to 2 decimals, right-aligned
    // in 8 characters; a longer value widens its field.
    static QString pointLine(const QString &prefix, double x, double y);

    // The texts painted now, in painting order.
    QStringList lines() const;

    double angle() const { return angleValue; }

    void reset();
    // Degrees; a positive angle turns the plate counter-clockwise on screen.
    void setAngle(double angle);
    void setFirstPoint(double x, double y);
    void setSecondPoint(double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double angleValue = 0;
    double firstX = 0;
    double firstY = 0;
    double secondX = 0;
    double secondY = 0;
};

#endif
