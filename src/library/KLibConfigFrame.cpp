#include "library/KLibConfigFrame.h"

#include "library/KLibConfig.h"

#include <QGridLayout>

KLibConfigFrame::KLibConfigFrame(QWidget *parent)
    : QGroupBox(parent)
{
    setTitle(QStringLiteral("零件参数:  <Tab> 切换  <Enter> 修改"));
    auto *layout = new QGridLayout(this);
    config = new KLibConfig(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(config, 0, 0, 1, 1);
}
