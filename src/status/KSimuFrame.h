#ifndef KSIMUFRAME_H
#define KSIMUFRAME_H

#include "status/KHolderFrame.h"

class KBeam;
class KPlatte;
class KSimu;

// The three big views of the cutting page in one place: the cutting plot,
// the plate-alignment view and the beam-sensor view. None is shown until one
// of the show operations is called.
class KSimuFrame : public KHolderFrame
{
    Q_OBJECT
public:
    explicit KSimuFrame(QWidget *parent = nullptr);

    KSimu *simu;
    KPlatte *platte;
    KBeam *beam;

    void showSimu();
    void showPlatte();
    void showBeam();
};

#endif
