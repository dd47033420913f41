#ifndef KMENUMOVEMENT_H
#define KMENUMOVEMENT_H

#include <QWidget>

class KButton;
class KMovePointDialog;
class QButtonGroup;
class QCheckBox;

// The page for moving the torch off an interrupted cut and back: movement
// method (1 slow, 2 fast, 3 inch), jog speed, a typed relative move, move
// back, and move back and machine. The main window carries out every move.
class KMenuMovement : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuMovement(QWidget *parent = nullptr);

    int method() const { return methodValue; }

    KMovePointDialog *movePointDialog;
    KButton *backButton;
    KButton *speedUpButton;
    KButton *speedDownButton;
    KButton *moveBackButton;
    KButton *slowModeButton;
    KButton *fastModeButton;
    KButton *inchModeButton;
    KButton *moveOutButton;
    KButton *cutBackButton;
    QCheckBox *slowBox;
    QCheckBox *fastBox;
    QCheckBox *inchBox;
    QButtonGroup *modeGroup;

signals:
    void methodChanged(int);
    // The accepted relative move in 0.01 mm.
    void movePointChanged(int, int);
    void fast();
    void slow();

public slots:
    // 1 and 4 check the slow box, 2 the fast box, 3 the inch box; any other
    // value does nothing.
    void setMethod(int method);
    void cutSelected();
    void topSelected();
    void microSelected();
    void methodChange(int);
    void movePointShow();
    // Millimetres typed exactly to 0.01 mm, truncated toward zero; text that
    // is no number moves 0 in its axis. A move whose value in 0.01 mm lies
    // outside the 32-bit range is no request and emits nothing.
    void movePointAcc();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    int methodValue = 1;
};

#endif
