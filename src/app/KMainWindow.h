#ifndef KMAINWINDOW_H
#define KMAINWINDOW_H

#include <QWidget>

// The program's one top-level window: it builds and owns every page, frame,
// timer and device object and holds the state their slots share.
class KMainWindow : public QWidget
{
    Q_OBJECT
public:
    KMainWindow();

    static QString startTitle();
};

#endif
