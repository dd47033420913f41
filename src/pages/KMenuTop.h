#ifndef KMENUTOP_H
#define KMENUTOP_H

#include <QFrame>

class KAboutDialog;
class KButton;

// The page the operator sees when no other is open; every other page is
// reached from it. The main window connects, relabels and enables its keys.
// Shift+F1 opens the about box while the page is shown.
class KMenuTop : public QFrame
{
    Q_OBJECT
public:
    explicit KMenuTop(QWidget *parent = nullptr);

    KButton *escButton;
    KButton *fileButton;
    KButton *configButton;
    KButton *sheetButton;
    KButton *ioButton;
    KButton *modeButton;
    KButton *stepButton;
    KButton *zzButton;
    KButton *libButton;
    KButton *startButton;
    // Made on the first about() and shown again by every later one.
    KAboutDialog *aboutDialog = nullptr;

public slots:
    void about();
};

#endif
