#include "config/KXmlHandlerBase.h"

#include "app/base/ProgramFile.h"

#include <QByteArray>
#include <QMetaMethod>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

KXmlHandlerBase::KXmlHandlerBase(QXmlSimpleReader *reader, const QStringList &elementNames)
    : QObject(nullptr)
    , reader(reader)
    , names(elementNames)
{
}

bool KXmlHandlerBase::startDocument()
{
    depth = 0;
    return true;
}

bool KXmlHandlerBase::startElement(const QString &, const QString &, const QString &qName, const QXmlAttributes &atts)
{
    // The reader goes one level deeper into the stack per element: a file
    // nested tens of thousands deep would end the program. No configuration
    // file comes near the limit, so such a file is refused like any
    // damaged one.
    if (++depth > kMaxDepth)
        return false;
    const int at = names.indexOf(qName);
    if (at <= 0)
        return true;
    // The signal indexes are looked up once, on the derived class's meta-object.
    if (signalIndexes.isEmpty()) {
        for (const QString &name : names) {
            const QByteArray signature = "read" + name.toLatin1() + "(QXmlAttributes)";
            signalIndexes << metaObject()->indexOfSignal(signature.constData());
        }
    }
    const int index = signalIndexes.value(at, -1);
    if (index >= 0) {
        QXmlAttributes copy = atts;
        metaObject()->method(index).invoke(this, Qt::DirectConnection, Q_ARG(QXmlAttributes, copy));
    }
    return true;
}

bool KXmlHandlerBase::endElement(const QString &, const QString &, const QString &)
{
    --depth;
    return true;
}

bool KXmlHandlerBase::parseFile(const QString &path, FileError *unreadable)
{
    // A configuration file is no program: its reasons say what stands at
    // its name instead.
    FileError why;
    QByteArray bytes;
    const bool read = ProgramFile::read(path, &bytes, &why, ProgramFile::kMaxBytes, ProgramFile::AsConfiguration);
    if (unreadable)
        *unreadable = read ? FileError() : why;
    if (!read)
        return false;
    QXmlSimpleReader own;
    QXmlSimpleReader *r = reader ? reader : &own;
    QXmlInputSource source;
    source.setData(bytes);
    r->setContentHandler(this);
    const bool ok = r->parse(&source);
    r->setContentHandler(nullptr);
    return ok;
}

#include "moc_KXmlHandlerBase.cpp"

QT_WARNING_POP
