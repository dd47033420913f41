#ifndef KMENUZZ_H
#define KMENUZZ_H

#include <QWidget>

class KButton;
class QCheckBox;

// Plate alignment: jog to a first and a second point on the plate edge, take
// each, and confirm the angle the main window computes from them. F6 to F8
// start disabled; the main window steps them through the procedure.
class KMenuZZ : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuZZ(QWidget *parent = nullptr);

    KButton *backButton;
    KButton *speedUpButton;
    KButton *speedDownButton;
    KButton *firstButton;
    KButton *secondButton;
    KButton *angleButton;
    KButton *backFirstButton;
    KButton *locateButton;
    KButton *laserButton;
    QCheckBox *laserBox;

signals:
    void laserEnabled();
    void laserDisabled();
    void fast();
    void slow();

public slots:
    // Toggles the laser box.
    void laserSelected();
    void laserChanged(int state);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
};

#endif
