#ifndef KXMLHANDLERFILE_H
#define KXMLHANDLERFILE_H

#include "config/KXmlHandlerBase.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

// Reader of fileconfig.xml (root "FileConfig"): one signal per element.
class KXmlHandlerFile : public KXmlHandlerBase
{
    Q_OBJECT
public:
    explicit KXmlHandlerFile(QXmlSimpleReader *reader);

signals:
    void readFile(QXmlAttributes attribs);
};

QT_WARNING_POP

#endif
