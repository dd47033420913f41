#ifndef KBUTTON_H
#define KBUTTON_H

#include <QPushButton>

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

signals:
    void kclicked();

public slots:
    void myclick();
    void cancelLock();

protected:
    bool event(QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    // A shortcut's click lands 100 ms after the key (the button shows it
    // pressed meanwhile); set from the key until then.
    bool shortcutClick = false;
};

#endif
