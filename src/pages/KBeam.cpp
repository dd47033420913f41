#include "pages/KBeam.h"

KBeam::KBeam(QWidget *parent)
    : QWidget(parent)
{
}
