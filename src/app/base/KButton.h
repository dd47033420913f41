#ifndef KBUTTON_H
#define KBUTTON_H

#include <QPointer>
#include <QPushButton>
#include <QTimer>

// One program-wide click lock shared by every KButton: a key or mouse click
// that comes within 100 ms of the one that made the last accepted click is
// not passed on as kclicked(), so a second page key typed at once (F1 F1, or
// a key right after Esc) cannot act on the page the first one opened, and a
// bouncing key or a double click never runs a page change twice. The flag is
// taken by each accepted click and freed 100 ms later.
//
// It guards kclicked() alone. A key whose receiver listens to clicked() or
// pressed() acts on every click. Start and Stop are such keys: at each
// process step FunctionKey::rerole wires Start to clicked() and Stop to
// pressed() (or clicked()), cutting their link to the lock, so a bouncing
// Start or Stop reaches its step twice and neither takes the lock from the
// page keys.
extern bool clickLock;

class KButton : public QPushButton
{
    Q_OBJECT
public:
    explicit KButton(QWidget *parent);

    static const char *styleSheetText();

    // How long an accepted click holds the lock, and how long a key's press
    // shows on its button.
    static constexpr int kLockMs = 100;
    // The one single-shot timer that frees the flag, started by every
    // accepted click; a child of the application, so a receiver that deletes
    // the clicked button cannot lose the release.
    static QTimer *lockRelease();
    // A shorter lock for tests that drive many keys; kLockMs by default.
    static void setLockInterval(int ms);

signals:
    void kclicked();

public slots:
    void myclick();
    void cancelLock();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The shortcut's key was typed: the click is made at once, judged by the
    // key's own time; the button only looks pressed a moment longer.
    void keyClick();
    // The lock by input time: a click whose event came less than the lock's
    // interval after the one of the last accepted click is refused.
    static bool lockRefuses(unsigned long stamp);

    // The window system's stamp of the input that makes the click now going
    // out; 0 for a click made by the program.
    unsigned long clickStamp = 0;
    QTimer pressedLook;
};

#endif
