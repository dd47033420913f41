#ifndef KXMLHANDLERBASE_H
#define KXMLHANDLERBASE_H

#include "app/base/FileError.h"

#include <QObject>
#include <QStringList>
#include <QtGlobal>

// The SAX classes are deprecated in Qt 5.15 but are what the configuration
// readers are built on; the warning is silenced here only.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
#include <QXmlDefaultHandler>

// Shared ground of the three configuration readers: each start tag whose
// qualified name (exact, case-sensitive, at any depth) is one of the
// handler's element names becomes the signal "read" + name, carrying a copy
// of the attributes. The root name matches but emits nothing. No parse state
// is kept beyond the depth: an element that comes twice is delivered twice,
// and a document nested deeper than kMaxDepth elements fails to read.
class KXmlHandlerBase : public QObject, public QXmlDefaultHandler
{
    Q_OBJECT
public:
    static constexpr int kMaxDepth = 64;

    bool startDocument() override;
    bool startElement(const QString &namespaceURI, const QString &localName, const QString &qName,
                      const QXmlAttributes &atts) override;
    bool endElement(const QString &namespaceURI, const QString &localName, const QString &qName) override;

    // Installs this handler on its reader (a private one when none was
    // given) and parses the file once. A missing or damaged file emits what
    // stands before the damage and returns false. The file is read whole
    // first, as ProgramFile reads: a pipe, a device, a folder or a link loop
    // in its place is never waited on and reads as a file that cannot be
    // opened. `unreadable`, when given, receives why the file could not be
    // read (ProgramFile's reasons; for what is no plain file EISDIR,
    // NotPlain or LinkLoop), and stays none for a file that was read, whole
    // or damaged.
    bool parseFile(const QString &path, FileError *unreadable = nullptr);

protected:
    // elementNames: the root first, then the elements that have a signal.
    KXmlHandlerBase(QXmlSimpleReader *reader, const QStringList &elementNames);

private:
    QXmlSimpleReader *reader;
    QStringList names;
    QList<int> signalIndexes;
    int depth = 0;
};
QT_WARNING_POP

#endif
