#ifndef EDITORTEXT_H
#define EDITORTEXT_H

#include <QByteArray>
#include <QString>
#include <QVector>

class QTextDocument;

// How the editor turns a program file into the text it shows and back, so
// that a file the operator leaves alone saves byte for byte as it came.
// Bytes that are valid UTF-8 read as UTF-8 (a byte-order mark kept as a
// character); other bytes that GB18030 reads and writes back unchanged (GBK
// comments from CAM software on a Chinese system) as GB18030; any others (a
// lone 0xFF or 0xB0) as Latin-1, one character per byte. Each file is
// written back in the form it was read. The text shown has one line per
// block; each line's own end (LF, CR LF, CR, CR CR LF, U+2028, U+2029
// ...) is kept aside and written back after that line as long as the text is
// the one loaded. Once it is edited every line gets one end, the file's first
// when that is LF or CR LF, else LF: the program reader starts a line only at
// a line feed and counts every other character of an end as text, so only
// these two read back as the lines shown.
class EditorText
{
public:
    enum Codec { Utf8, Gb18030, Latin1 };

    // A character the codec of the file cannot hold, and its line (from 1).
    struct Unwritable {
        int line = 0;
        QString character;
    };

    // The text to show for a file's bytes; remembers its codec and line ends.
    QString load(const QByteArray &bytes);
    // The bytes of a text shown (lines separated by "\n", as plainText()
    // gives them) in the form of the file last loaded. False, with the first
    // character that form cannot hold in *unwritable, when there is one: a
    // character typed into a Latin-1 file beyond that codec. UTF-8 and
    // GB18030 hold every character.
    bool save(const QString &text, QByteArray *bytes, Unwritable *unwritable = nullptr) const;
    // A new program: UTF-8, LF.
    void reset();
    // The text shown is no longer the one loaded, even where it reads the
    // same (an apply).
    void markEdited() { edited_ = true; }

    Codec codec() const { return codec_; }

    // The document's text with its block separators as "\n". Unlike
    // toPlainText() it keeps a no-break space (a Latin-1 byte 0xA0) as it is.
    static QString plainText(const QTextDocument *document);
    // Nothing but white space (blanks, tabs, line ends, the ideographic and
    // no-break spaces), control characters (a NUL) and format characters (a
    // byte-order mark, a zero-width space): a text that looks empty in every
    // view and holds no program line.
    static bool isBlank(const QString &text);

private:
    Codec codec_ = Utf8;
    QVector<QString> ends_;
    QString usualEnd_ = QStringLiteral("\n");
    QString loaded_;
    bool edited_ = false;
};

#endif
