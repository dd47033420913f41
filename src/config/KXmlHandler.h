#ifndef KXMLHANDLER_H
#define KXMLHANDLER_H

#include "config/KXmlHandlerBase.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

// Reader of config.xml (root "RavokConfig"): one signal per element.
class KXmlHandler : public KXmlHandlerBase
{
    Q_OBJECT
public:
    explicit KXmlHandler(QXmlSimpleReader *reader);

signals:
    void readCut(QXmlAttributes attribs);
    void readBase(QXmlAttributes attribs);
    void readFire(QXmlAttributes attribs);
    void readPF(QXmlAttributes attribs);
    void readDLZ(QXmlAttributes attribs);
    void readLaser(QXmlAttributes attribs);
    void readTorch(QXmlAttributes attribs);
    void readBeamAngel(QXmlAttributes attribs);
    void readMode(QXmlAttributes attribs);
};

QT_WARNING_POP

#endif
