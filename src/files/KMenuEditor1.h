#ifndef KMENUEDITOR1_H
#define KMENUEDITOR1_H

#include <QWidget>

class KButton;

// Key row of the editor page: Esc and F1 to F8. The editor wires F1 to F7;
// the main window wires Esc. F8 only reports whether the editor should make
// room for a keyboard and stays disabled.
class KMenuEditor1 : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuEditor1(QWidget *parent);

    KButton *escButton;
    KButton *newButton;
    KButton *openButton;
    KButton *saveButton;
    KButton *saveAsButton;
    KButton *modeButton;
    KButton *keyboardButton;
    KButton *scaleButton;
    KButton *applyButton;

signals:
    void editkeyShow();
    void editkeyHide();

public slots:
    void hideKeyboard();
    void showKeyboard();
};

#endif
