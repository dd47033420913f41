#ifndef KZU_H
#define KZU_H

#include <QRect>
#include <QWidget>

// Two torch heights (Z1, Z2, mm) and two arc voltages (U1, U2, V). Kept by the
// torch-height frame inside a KZUFrame; the height page reads Z1 back through
// getZ1(). Values arrive as integers: heights in 0.01 mm, voltages in 0.1 V.
class KZU : public QWidget
{
    Q_OBJECT
public:
    explicit KZU(QWidget *parent = nullptr);

    double z1 = 0.0;
    double z2 = 0.0;
    double u1 = 0.0;
    double u2 = 0.0;

    // All four back to 0.0; no repaint.
    void reset();

    // How a value is drawn (six significant digits, exponent form from a million).
    static QString valueText(double value);
    // The only areas setZ1 and setU1 repaint.
    static QRect z1Rect() { return QRect(65, 5, 90, 20); }
    static QRect u1Rect() { return QRect(65, 85, 90, 20); }

public slots:
    void setZ1(int hundredths);
    void setZ2(int hundredths);
    // Taken as unsigned: all bits set is a large voltage, not a negative one.
    void setU1(unsigned int tenths);
    void setU2(unsigned int tenths);
    double getZ1();
    double getU1();

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif
