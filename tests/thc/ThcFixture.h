#ifndef THCFIXTURE_H
#define THCFIXTURE_H

#include "device/RecordingHeightChannel.h"
#include "thc/KTHC.h"

#include "TempWorkDir.h"

#include <QWidget>

class QLineEdit;

#include <memory>

// A fresh working folder, a main-window stand-in and a KTHC on a recording
// channel whose log is empty after construction.
class ThcFixture
{
public:
    static const QByteArray kConfig;

    // thcConfig: the bytes of ravok/.tovrelcnc/thcconfig.xml, none when null.
    explicit ThcFixture(const QByteArray &thcConfig = kConfig);
    ~ThcFixture();

    // Replaces an edit's text by typing.
    static void type(QLineEdit *edit, const QString &text);

    // The height display's Z1, in 0.01 mm.
    void setZ1(int hundredths);
    QStringList log() const { return channel->log(); }
    void clearLog() { channel->clearLog(); }

    TempWorkDir dir;
    QWidget window;
    std::shared_ptr<RecordingHeightChannel> channel;
    KTHC *thc = nullptr;
};

#endif
