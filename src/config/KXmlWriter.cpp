#include "config/KXmlWriter.h"

#include <QTextCodec>

KXmlWriter::KXmlWriter(QIODevice *device, QTextCodec *codec)
    : stream(device)
{
    if (codec)
        stream.setCodec(codec);
    else
        stream.setCodec("UTF-8");
}

KXmlWriter::~KXmlWriter()
{
    if (lineAfterTag && !atLineStart)
        endLine();
    stream.flush();
}

void KXmlWriter::setLineAfterTag(bool on)
{
    lineAfterTag = on;
}

void KXmlWriter::writeUnescaped(const QString &text)
{
    stream << text;
    atLineStart = false;
}

void KXmlWriter::writeEscaped(const QString &text)
{
    stream << escapeText(text);
    atLineStart = false;
}

void KXmlWriter::endLine()
{
    stream << QLatin1Char('\n');
    stream.flush();
    atLineStart = true;
}

void KXmlWriter::writeStartTag(const QString &name, const AttributeMap &attributes)
{
    writeIndent();
    stream << startTagText(name, attributes);
    indentText += QString(indentStep, QLatin1Char(' '));
    if (lineAfterTag)
        endLine();
}

void KXmlWriter::writeEndTag(const QString &name)
{
    indentText = indentText.mid(indentStep);
    writeIndent();
    stream << startTagText(QLatin1Char('/') + name, AttributeMap());
    if (lineAfterTag)
        endLine();
}

void KXmlWriter::writeEmptyTag(const QString &name, const AttributeMap &attributes)
{
    writeIndent();
    QString tag = startTagText(name, attributes);
    tag.insert(tag.size() - 1, QLatin1Char('/'));
    stream << tag;
    if (lineAfterTag)
        endLine();
}

void KXmlWriter::writeTextTag(const QString &name, const QString &text, const AttributeMap &attributes)
{
    writeIndent();
    stream << startTagText(name, attributes) << escapeText(text)
           << startTagText(QLatin1Char('/') + name, AttributeMap());
    if (lineAfterTag)
        endLine();
}

QString KXmlWriter::escapeText(const QString &text)
{
    // The ampersand goes first so the entities added afterwards stay single.
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    out.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    out.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    out.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    out.replace(QLatin1Char('\''), QLatin1String("&apos;"));
    return out;
}

QString KXmlWriter::startTagText(const QString &name, const AttributeMap &attributes)
{
    QString tag = QLatin1Char('<') + name;
    for (auto it = attributes.constBegin(); it != attributes.constEnd(); ++it)
        tag += QLatin1Char(' ') + it.key() + QLatin1String("=\"") + escapeText(it.value()) + QLatin1Char('"');
    tag += QLatin1Char('>');
    return tag;
}

void KXmlWriter::writeIndent()
{
    if (atLineStart) {
        stream << indentText;
        atLineStart = false;
    }
}
