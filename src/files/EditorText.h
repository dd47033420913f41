#ifndef EDITORTEXT_H
#define EDITORTEXT_H

#include <QByteArray>
#include <QString>

class QTextDocument;

// How the editor turns a program file into the text it shows and back, so
// that saving changes no byte the operator left alone except line ends:
// CR LF reads as LF; bytes that are valid UTF-8 read as UTF-8 (a byte-order
// mark kept as a character), any other bytes (GBK comments, say) as
// Latin-1, one character per byte, and are written back the same way.
class EditorText
{
public:
    enum Codec { Utf8, Latin1 };

    static QString decode(QByteArray bytes, Codec *codec);
    static QByteArray encode(const QString &text, Codec codec);

    // The document's text with its block separators as "\n". Unlike
    // toPlainText() it keeps a no-break space (a Latin-1 byte 0xA0) as it is.
    static QString plainText(const QTextDocument *document);
};

#endif
