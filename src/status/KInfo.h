#ifndef KINFO_H
#define KINFO_H

#include <QWidget>

class DigitalClock;
class KLabel;
class KLine;
class QLabel;
class QLineEdit;

// The bar across the top of the main window: kerf compensation, rotation,
// mirror and plate angle (read-only mirrors of the configuration), the two
// speeds the operator may change while cutting, the process mode and the clock.
class KInfo : public QWidget
{
    Q_OBJECT
public:
    explicit KInfo(QWidget *parent = nullptr);

    DigitalClock *clock;
    KLine *cutEdit;
    KLine *topEdit;
    KLabel *cutLabel;
    KLabel *topLabel;
    double angel = 0.0;
    double rotate = 0.0;
    double comp = 0.0;
    int fx = 0;
    int cutSpeed = 0;
    int topSpeed = 0;
    QLineEdit *compEdit;
    QLineEdit *angelEdit;
    QLineEdit *rotateEdit;
    QLineEdit *fxEdit;
    QLabel *statusLabel;

public slots:
    void setAngel(double a);
    void setRotate(double r);
    void setComp(double c);
    // 0 none, 1 Y, 2 X, 3 XY; another value is stored and the text kept.
    void setFx(int f);
    void setCutSpeed(int v);
    void setTopSpeed(int v);
    void cutClicked();
    void topClicked();
    void cutFocus();
    void topFocus();
    void setStatus(const QString &s);

signals:
    void speedClicked();

private:
    QLabel *addCaption(const QString &text, int x);
    QLineEdit *addReadOnly(const QString &text, int x, int width);
    KLine *addSpeedEdit(int x);
    void addSeparator(int x);
};

#endif
