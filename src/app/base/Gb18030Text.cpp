#include "app/base/Gb18030Text.h"

#include <QTextCodec>

namespace {

QTextCodec *gb18030()
{
    static QTextCodec *const codec = QTextCodec::codecForName("GB18030");
    return codec;
}

} // namespace

bool Gb18030Text::reads(const QByteArray &bytes, QString *text)
{
    QTextCodec *codec = gb18030();
    if (!codec)
        return false;
    QTextCodec::ConverterState in(QTextCodec::IgnoreHeader);
    *text = codec->toUnicode(bytes.constData(), bytes.size(), &in);
    if (in.invalidChars != 0 || in.remainingChars != 0)
        return false;
    return write(*text) == bytes;
}

QByteArray Gb18030Text::write(const QString &text)
{
    QTextCodec::ConverterState out(QTextCodec::IgnoreHeader);
    return gb18030()->fromUnicode(text.constData(), text.size(), &out);
}
