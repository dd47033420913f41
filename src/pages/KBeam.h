#ifndef KBEAM_H
#define KBEAM_H

#include <QStringList>
#include <QWidget>

// The beam-sensor view: which of the two beam switches has been reached and
// the beam correction angle.
//   state 0 nothing reported, 1 both reached, 2 neither, 3 only left,
//   4 only right, 5 left ahead, 6 right ahead.
class KBeam : public QWidget
{
    Q_OBJECT
public:
    explicit KBeam(QWidget *parent = nullptr);

    // "横梁矫正 %1 度", the angle to 5 decimals right-aligned in 8 characters.
    static QString angleLine(double value);
    // The text of a state; empty for 0 and for a value outside 1 to 6.
    static QString stateText(int state);

    // The texts painted now, in painting order.
    QStringList lines() const;

    void setValue(double value);
    double getValue() const { return value; }
    int state() const { return stateValue; }
    void reset();

public slots:
    void bothTouch();
    void bothNoTouch();
    void onlyLeftTouch(double value);
    void onlyRightTouch(double value);
    void leftRightTouch(double value);
    void rightLeftTouch(double value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void setState(int state);

    double value = 0;
    int stateValue = 0;
};

#endif
