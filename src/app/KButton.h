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
};

#endif
