#ifndef KCODENUM_H
#define KCODENUM_H

#include <QWidget>

class KButton;
class KCodeFrame;

// The panel left of the plot: two buttons above the program-line list. The
// list side shows the frame, the key side hides it.
class KCodeNum : public QWidget
{
    Q_OBJECT
public:
    explicit KCodeNum(QWidget *parent = nullptr);

    KButton *codeButton;
    KButton *keyButton;
    KCodeFrame *codeFrame;

public slots:
    void showCode();
    void showKey();
};

#endif
