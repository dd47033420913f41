#include "files/EditorText.h"

#include <QTextCodec>
#include <QTextDocument>

QString EditorText::decode(QByteArray bytes, Codec *codec)
{
    bytes.replace("\r\n", "\n");
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString text = QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0) {
        *codec = Utf8;
        return text;
    }
    *codec = Latin1;
    return QString::fromLatin1(bytes);
}

QByteArray EditorText::encode(const QString &text, Codec codec)
{
    return codec == Latin1 ? text.toLatin1() : text.toUtf8();
}

QString EditorText::plainText(const QTextDocument *document)
{
    QString text = document->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}
