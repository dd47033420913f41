#ifndef KXY_H
#define KXY_H

#include <QWidget>

// The machine position in mm. The program's record of where the machine is:
// other operations read it back through getX() and getY().
class KXY : public QWidget
{
    Q_OBJECT
public:
    explicit KXY(QWidget *parent = nullptr);

    int x = 0;        // 0.01 mm
    int y = 0;        // 0.01 mm
    double xmm = 0.0; // as last drawn
    double ymm = 0.0;

    // All four back to 0; the display keeps its digits until the next repaint.
    void resetXY();

    // How a value in 0.01 mm is drawn in mm (six significant digits).
    static QString mmText(int hundredths);
    QString xText() const { return mmText(x); }
    QString yText() const { return mmText(y); }

public slots:
    void setX(int value);
    void setY(int value);
    void setStartPoint(int px, int py);
    void movePoint(int px, int py);
    double getX();
    double getY();

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif
