#ifndef KCODEFRAME_H
#define KCODEFRAME_H

#include <QFrame>

class KCode;
class QTimer;

// Holds the program-line list and the one-second timer that turns the row
// left highlighted into the start line. The main window starts and stops the
// timer at its own interval (1000 ms), which tests may shorten.
class KCodeFrame : public QFrame
{
    Q_OBJECT
public:
    explicit KCodeFrame(QWidget *parent = nullptr);

    KCode *code;
    QTimer *timer;

public slots:
    void timerOver();
    void codeMethod(int method);
};

#endif
