#ifndef GB18030TEXT_H
#define GB18030TEXT_H

#include <QByteArray>
#include <QString>

// Texts written on a system whose locale is GBK: program contents and file
// names from an older controller.
class Gb18030Text
{
public:
    // True, with the text, when the bytes read as GB18030 with no invalid
    // character and that text writes back to the very same bytes (the
    // toolkit's decoder counts no invalid character for some bytes it cannot
    // take, a lone 0xB0 among them).
    static bool reads(const QByteArray &bytes, QString *text);
    static QByteArray write(const QString &text);
};

#endif
