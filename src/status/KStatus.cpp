#include "status/KStatus.h"

#include "status/KStatusFrame.h"
#include "status/KTimeFrame.h"

KStatus::KStatus(QWidget *parent)
    : QWidget(parent)
    , statusFrame(new KStatusFrame(this))
    , timeFrame(new KTimeFrame(this))
{
    timeFrame->setGeometry(0, 0, 178, 67);
    timeFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    statusFrame->setGeometry(0, 69, 178, 425);
    statusFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
}
