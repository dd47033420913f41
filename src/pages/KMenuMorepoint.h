#ifndef KMENUMOREPOINT_H
#define KMENUMOREPOINT_H

#include <QWidget>

class KButton;

// Recording a plate outline for the part library: F1 takes the current
// position as the next point, Esc goes back to the library. The main window
// does the recording.
class KMenuMorepoint : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuMorepoint(QWidget *parent = nullptr);

    KButton *backButton;
    KButton *locateButton;
};

#endif
