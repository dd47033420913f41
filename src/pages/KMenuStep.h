#ifndef KMENUSTEP_H
#define KMENUSTEP_H

#include <QWidget>

class KButton;
class QButtonGroup;
class QCheckBox;

// The manual jog page: jog speed up and down, the machine's (0,0) point and
// the movement method (1 slow, 2 fast, 3 inch, 4 machining speed) as four
// exclusive boxes. It only turns keys and buttons into signals; the main
// window decides what a method means and keeps every page on the same one.
class KMenuStep : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuStep(QWidget *parent = nullptr);

    int method() const { return methodValue; }

    KButton *backButton;
    KButton *speedUpButton;
    KButton *speedDownButton;
    KButton *setZeroButton;
    KButton *backZeroButton;
    KButton *slowModeButton;
    KButton *fastModeButton;
    KButton *inchModeButton;
    KButton *machiningModeButton;
    // Placed outside the row with no size and never enabled: locating and
    // beam correction need an axis card.
    KButton *locateButton;
    KButton *beamButton;
    QCheckBox *slowBox;
    QCheckBox *fastBox;
    QCheckBox *inchBox;
    QCheckBox *machiningBox;
    QButtonGroup *modeGroup;

signals:
    void methodChanged(int);
    void fast();
    void slow();

public slots:
    // 1 to 4 checks that method's box; any other value does nothing.
    void setMethod(int method);
    void cutSelected();
    void topSelected();
    void microSelected();
    void runSelected();
    void methodChange(int);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    int methodValue = 1;
};

#endif
