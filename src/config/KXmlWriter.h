#ifndef KXMLWRITER_H
#define KXMLWRITER_H

#include "config/AttributeMap.h"

#include <QString>
#include <QTextStream>

class QIODevice;
class QTextCodec;

// Indenting, escaping XML text writer over an already opened device. It only
// formats: the caller decides the order of tags and owns (opens, closes) the
// device. Indentation is written lazily by the first tag on a line.
class KXmlWriter
{
public:
    // A null codec writes UTF-8 (no byte-order mark, no declaration).
    KXmlWriter(QIODevice *device, QTextCodec *codec = nullptr);
    virtual ~KXmlWriter();
    KXmlWriter(const KXmlWriter &) = delete;
    KXmlWriter &operator=(const KXmlWriter &) = delete;

    void setLineAfterTag(bool on);

    void writeUnescaped(const QString &text);
    void writeEscaped(const QString &text);
    // One LF, then a flush: a completed line is on the device at once.
    void endLine();

    void writeStartTag(const QString &name, const AttributeMap &attributes);
    void writeEndTag(const QString &name);
    void writeEmptyTag(const QString &name, const AttributeMap &attributes);
    void writeTextTag(const QString &name, const QString &text, const AttributeMap &attributes);

private:
    static QString escapeText(const QString &text);
    static QString startTagText(const QString &name, const AttributeMap &attributes);
    void writeIndent();

    QTextStream stream;
    QString indentText;
    int indentStep = 4;
    bool lineAfterTag = false;
    bool atLineStart = true;
};

#endif
