// The process sequences, stops, alarms, jogging, speeds, plate alignment and
// library control. Bodies are filled with the chains.
#include "app/KMainWindow.h"

void KMainWindow::cutRun()
{
}

void KMainWindow::dwDown()
{
}

void KMainWindow::dwDownEnd()
{
}

void KMainWindow::preheatOn()
{
}

void KMainWindow::preheatOff()
{
}

void KMainWindow::oxygenOn()
{
}

void KMainWindow::oxygenOff()
{
}

void KMainWindow::delayEnd()
{
}

void KMainWindow::stopDelay()
{
}

void KMainWindow::resumeDelay()
{
}

void KMainWindow::dfEnd()
{
}

void KMainWindow::doCK()
{
}

void KMainWindow::doCK1()
{
}

void KMainWindow::doCK2()
{
}

void KMainWindow::doCK3()
{
}

void KMainWindow::ckEnd()
{
}

void KMainWindow::ck3End()
{
}

void KMainWindow::ckUp()
{
}

void KMainWindow::ckUpEnd()
{
}

void KMainWindow::ckDown()
{
}

void KMainWindow::ckDownEnd()
{
}

void KMainWindow::OxoffUpEnd()
{
}

void KMainWindow::fireEnd()
{
}

void KMainWindow::DLZDWStart()
{
}

void KMainWindow::DLZDWActiveStop()
{
}

void KMainWindow::DLZDWSuccess()
{
}

void KMainWindow::DLZDWUpStart()
{
}

void KMainWindow::DLZDWUpEnd()
{
}

void KMainWindow::DLZTorchUp()
{
}

void KMainWindow::DLZHYOn()
{
}

void KMainWindow::DLZYHStart()
{
}

void KMainWindow::DLZYHSuccess()
{
}

void KMainWindow::DLZYHEnd()
{
}

void KMainWindow::DLZDelayEnd()
{
}

void KMainWindow::DLZOff()
{
}

void KMainWindow::DLZOffEnd()
{
}

void KMainWindow::DLZStop()
{
}

void KMainWindow::DLZConer(char)
{
}

void KMainWindow::DLZKnock()
{
}

void KMainWindow::DLZKnockResume()
{
}

void KMainWindow::dlzEnd()
{
}

void KMainWindow::cutStopped()
{
}

void KMainWindow::stepStopped()
{
}

void KMainWindow::setStartNum(int)
{
}

void KMainWindow::setBeginPoint(int, int)
{
}

void KMainWindow::setCurrentNum(int)
{
}

void KMainWindow::calRemainTime()
{
}

void KMainWindow::cutStopall()
{
}

void KMainWindow::forbackStopall()
{
}

void KMainWindow::stepStop()
{
}

void KMainWindow::cutStopsegActive()
{
}

void KMainWindow::cutStopsegActiveCancel()
{
}

void KMainWindow::cutStopsegPassiv()
{
}

void KMainWindow::cutStopsegPassivCancel()
{
}

void KMainWindow::toNewFile()
{
}

void KMainWindow::toOldFile()
{
}

void KMainWindow::setTorch(unsigned char)
{
}

void KMainWindow::xw_XPOS()
{
}

void KMainWindow::xw_XNEG()
{
}

void KMainWindow::xw_YPOS()
{
}

void KMainWindow::xw_YNEG()
{
}

void KMainWindow::dx1_ERR()
{
}

void KMainWindow::dx2_ERR()
{
}

void KMainWindow::dy_ERR()
{
}

void KMainWindow::XWResume()
{
}

void KMainWindow::SGNotReady()
{
}

void KMainWindow::SGReady()
{
}

void KMainWindow::setRunFalse()
{
}

void KMainWindow::stepN()
{
}

void KMainWindow::stepS()
{
}

void KMainWindow::stepW()
{
}

void KMainWindow::stepE()
{
}

void KMainWindow::stepNW()
{
}

void KMainWindow::stepNE()
{
}

void KMainWindow::stepSW()
{
}

void KMainWindow::stepSE()
{
}

void KMainWindow::set00()
{
}

void KMainWindow::stepBackTo00()
{
}

void KMainWindow::zzBackTo00()
{
}

void KMainWindow::moveToPoint(int, int)
{
}

void KMainWindow::moveback()
{
}

void KMainWindow::cutback()
{
}

void KMainWindow::cutTurnback()
{
}

void KMainWindow::cutReturnStart()
{
}

void KMainWindow::cutReturnZero()
{
}

void KMainWindow::jumpToStartPoint()
{
}

void KMainWindow::fileMoveToStartPoint()
{
}

void KMainWindow::backward(bool)
{
}

void KMainWindow::forward(bool)
{
}

void KMainWindow::LaserDW()
{
}

void KMainWindow::LaserEnable()
{
}

void KMainWindow::LaserDisable()
{
}

void KMainWindow::beamXZ()
{
}

void KMainWindow::fast()
{
}

void KMainWindow::slow()
{
}

void KMainWindow::returnCutspeed()
{
}

void KMainWindow::returnTopspeed()
{
}

void KMainWindow::addMorepoint()
{
}

void KMainWindow::setFirst()
{
}

void KMainWindow::setSecond()
{
}

void KMainWindow::setAngel()
{
}

void KMainWindow::bothTouch()
{
}

void KMainWindow::bothNoTouch()
{
}

void KMainWindow::onlyLeftTouch()
{
}

void KMainWindow::onlyRightTouch()
{
}

void KMainWindow::leftRightTouch(int)
{
}

void KMainWindow::rightLeftTouch(int)
{
}

void KMainWindow::setSegEndFlag(int)
{
}

void KMainWindow::libPreview()
{
}

void KMainWindow::changePatten()
{
}

void KMainWindow::addPatten()
{
}

void KMainWindow::delPatten()
{
}

void KMainWindow::fileOptim(bool)
{
}

void KMainWindow::newLib()
{
}

void KMainWindow::setLibStep(double)
{
}

void KMainWindow::setLibGrad(double)
{
}

void KMainWindow::libAddX()
{
}

void KMainWindow::libSubX()
{
}

void KMainWindow::libAddY()
{
}

void KMainWindow::libSubY()
{
}

void KMainWindow::libAddAngel()
{
}

void KMainWindow::libSubAngel()
{
}

void KMainWindow::addDefPatten(QString&)
{
}
