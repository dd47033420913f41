#ifndef KTHCXMLHANDLER_H
#define KTHCXMLHANDLER_H

#include "config/KXmlHandlerBase.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

// Reader of thcconfig.xml (root "THCConfig"): one signal per element.
class KTHCXmlHandler : public KXmlHandlerBase
{
    Q_OBJECT
public:
    explicit KTHCXmlHandler(QXmlSimpleReader *reader);

signals:
    void readTHC1(QXmlAttributes attribs);
    void readTHC2(QXmlAttributes attribs);
    void readTHCSpeed(QXmlAttributes attribs);
};

QT_WARNING_POP

#endif
