#ifndef KBUTTON_H
#define KBUTTON_H

#include <QPushButton>

class QTimer;

// One program-wide click lock shared by every KButton: an accepted click
// blocks kclicked() of all buttons for 100 ms, so a bouncing key or a double
// click never runs a page change or a process step twice.
extern bool clickLock;

class KButton : public QPushButton
{
    Q_OBJECT
public:
    explicit KButton(QWidget *parent);

    static const char *styleSheetText();

    // How long an accepted click holds the lock.
    static constexpr int kLockMs = 100;
    // The one single-shot timer that frees the lock, started by every
    // accepted click; a child of the application, so a receiver that deletes
    // the clicked button cannot lose the release.
    static QTimer *lockRelease();
    // A shorter lock for tests that drive many keys; kLockMs by default.
    static void setLockInterval(int ms);

    // A shortcut's click lands 100 ms after its key while the button shows
    // itself pressed. A key typed in that time must find the click done, so
    // the keys can complete it at once (KeyOrder).
    static bool clickPending();
    // Completes the oldest pending shortcut click; false when there is none.
    static bool completePendingClick();

signals:
    void kclicked();

public slots:
    void myclick();
    void cancelLock();

protected:
    bool event(QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    // The toolkit's timer that ends the pressed look of a shortcut and
    // clicks; 0 when no shortcut click is pending.
    int shortcutTimer = 0;
};

#endif
