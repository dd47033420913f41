#include "ThcFixture.h"

#include "status/KZU.h"
#include "status/KZUFrame.h"
#include "thc/KTHCFrame.h"

#include <QLineEdit>
#include <QTest>

const QByteArray ThcFixture::kConfig =
    "<?xml version='1.0'?><!DOCTYPE RAVOK>\n"
    "<THCConfig>\n"
    "    <THC1 HYN=\"3\" HYP=\"5\" distAll=\"80\" distCK=\"3\" distCut=\"2\" "
    "distDW=\"20\" distXH=\"10\" distYH=\"6\" mode=\"1\"/>\n"
    "    <THC2/>\n"
    "    <THCSpeed acc=\"1\" aut=\"1000\" fast=\"3000\" jog=\"2000\" slow=\"600\"/>\n"
    "</THCConfig>\n";

ThcFixture::ThcFixture(const QByteArray &thcConfig)
    : channel(std::make_shared<RecordingHeightChannel>())
{
    if (!thcConfig.isNull())
        dir.writeFile(QStringLiteral("ravok/.tovrelcnc/thcconfig.xml"), thcConfig);
    window.resize(1024, 748);
    thc = new KTHC(&window);
    thc->setHeightChannel(channel);
    channel->clearLog();
}

ThcFixture::~ThcFixture()
{
    delete thc;
}

void ThcFixture::setZ1(int hundredths)
{
    thc->thcFrame->zuFrame->zu->setZ1(hundredths);
}

void ThcFixture::type(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}
