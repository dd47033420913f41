#ifndef KMENUJUMP_H
#define KMENUJUMP_H

#include <QWidget>

class KButton;

// The jump page, opened from the cutting page: let the program-line list find
// a pierce point (F1), then move the machine there (F2). It never takes the
// focus; its keys act as shortcuts. The main window wires and enables the
// buttons.
class KMenuJump : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuJump(QWidget *parent = nullptr);

    KButton *backButton;
    KButton *findButton;
    KButton *moveButton;
};

#endif
