#ifndef KMENURETURN_H
#define KMENURETURN_H

#include <QWidget>

class KButton;

// The return page, opened from the cutting page: back to the program's start
// point or to the machine's (0,0). It never takes the focus; its keys act as
// shortcuts. The main window wires and enables the buttons.
class KMenuReturn : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuReturn(QWidget *parent = nullptr);

    KButton *backButton;
    KButton *zeroButton;
    KButton *startButton;
};

#endif
