#ifndef FILENAMECODEC_H
#define FILENAMECODEC_H

#include <QTextCodec>

// How file names are told as text. A name written on a system whose locale
// was not UTF-8 (GBK names from an older controller, an archive unpacked
// from a Chinese Windows system) is no valid UTF-8; the toolkit leaves such
// an entry out of every listing when the locale's codec counts an invalid
// character in it. This codec reads valid UTF-8 as UTF-8 and every other
// byte b as the private-use character U+F700 + b, which it writes back as
// b, so every name reads and is written back to its very bytes. The UTF-8
// form of U+F780..U+F7FF is itself read byte by byte, so no two names read
// alike. Each call decodes its bytes whole: names always come whole, and a
// lead byte at the end is a byte of the name, not half of a character still
// to come.
class FileNameCodec : public QTextCodec
{
public:
    static constexpr ushort kEscapeBase = 0xf700;

    QByteArray name() const override;
    int mibEnum() const override;

    // True for a character that stands for one byte of a name that is not
    // UTF-8.
    static bool isEscape(QChar c) { return c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xff; }

protected:
    QString convertToUnicode(const char *in, int length, ConverterState *state) const override;
    QByteArray convertFromUnicode(const QChar *in, int length, ConverterState *state) const override;
};

#endif
