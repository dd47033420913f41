#ifndef KMENUCUTTING_H
#define KMENUCUTTING_H

#include <QWidget>

class KButton;

// The cutting page of the function-key strip. It turns its buttons and keys
// into signals and holds the buttons for the main window, which enables,
// shows, relabels and re-connects them at each phase of a cut. The speed keys
// (F1, F2) and the creep keys (F4, F5) act while held, so they have no
// shortcuts and go through the page's key handlers.
class KMenuCutting : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuCutting(QWidget *parent = nullptr);

    bool segmentStopActive() const { return segActive; }
    bool creepKeyArmed() const { return creepArmed; }
    bool creepRunning() const { return creeping; }

    KButton *backButton;
    KButton *fastButton;
    KButton *slowButton;
    KButton *cutSpeedButton;
    KButton *topSpeedButton;
    KButton *segButton;
    KButton *turnbackButton;
    KButton *backwardButton;
    KButton *forwardButton;
    KButton *movementButton;
    KButton *jumpButton;
    KButton *returnButton;
    KButton *startButton;

signals:
    void segEnabled();
    void segDisabled();
    void backwardStart(bool mouse);
    void forwardStart(bool mouse);
    void forbackStop();
    void fast();
    void slow();

public slots:
    void segSelected();
    void segCancel();
    void backward(bool mouse = true);
    void forward(bool mouse = true);
    void forbackstop();
    // The creep just asked for did not start (the main window had no axis
    // card to send it to): the page returns to where it was before.
    void creepRefused();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void startCreep(KButton *opposite);
    void segToggle(bool on);

    bool segActive = false;
    bool creepArmed = true;
    bool creeping = false;
    // What a creep changed, to be given back when it does not start.
    KButton *creepOpposite = nullptr;
    bool oppositeWasEnabled = false;
    bool fastWasEnabled = false;
    bool slowWasEnabled = false;
};

#endif
