#ifndef KLIBSIMUFRAME_H
#define KLIBSIMUFRAME_H

#include <QFrame>

class KLibSimu;

// The frame of the library preview.
class KLibSimuFrame : public QFrame
{
    Q_OBJECT
public:
    explicit KLibSimuFrame(QWidget *parent);

    KLibSimu *simu; // placed by the frame's layout, which makes it a child
};

#endif
