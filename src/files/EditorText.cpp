#include "files/EditorText.h"

#include "app/base/Gb18030Text.h"

#include <QStringList>
#include <QTextCodec>
#include <QTextDocument>

namespace {

// Every character the text view shows as a line break ends a line (a line
// separator only wraps inside a block there, but shows as a break all the
// same), and so do the pairs that stand for one line end in files written on
// other systems. Longest first.
int endLength(const QString &text, int at)
{
    const auto is = [&](int k, QChar c) { return at + k < text.size() && text.at(at + k) == c; };
    const QChar cr = QLatin1Char('\r');
    const QChar lf = QLatin1Char('\n');
    if (is(0, cr))
        return is(1, cr) && is(2, lf) ? 3 : is(1, lf) ? 2 : 1;
    if (is(0, QChar::ParagraphSeparator) || is(0, QChar::LineSeparator))
        return is(1, lf) ? 2 : 1;
    const ushort c = text.at(at).unicode();
    return c == '\n' || c == 0xfdd0 || c == 0xfdd1 ? 1 : 0; // the last two: frame marks
}

// The first character beyond Latin-1, taken by code point so that a
// character beyond the first plane is named whole.
bool firstBeyondLatin1(const QString &text, EditorText::Unwritable *unwritable)
{
    const int size = text.size();
    int line = 1;
    for (int at = 0; at < size; ++at) {
        const ushort c = text.at(at).unicode();
        if (c == '\n') {
            ++line;
        } else if (c > 0xff) {
            if (unwritable) {
                const bool pair = QChar::isHighSurrogate(c) && at + 1 < size && text.at(at + 1).isLowSurrogate();
                unwritable->line = line;
                unwritable->character = text.mid(at, pair ? 2 : 1);
            }
            return true;
        }
    }
    return false;
}

} // namespace

QString EditorText::load(const QByteArray &bytes)
{
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    QString raw = QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0) {
        codec_ = Utf8;
    } else if (Gb18030Text::reads(bytes, &raw)) {
        codec_ = Gb18030;
    } else {
        codec_ = Latin1;
        // By length: a NUL is a character like any other.
        raw = QString::fromLatin1(bytes.constData(), bytes.size());
    }
    ends_.clear();
    usualEnd_ = QStringLiteral("\n");
    QString text;
    text.reserve(raw.size());
    int start = 0;
    for (int at = 0; at < raw.size();) {
        const int n = endLength(raw, at);
        if (n == 0) {
            ++at;
            continue;
        }
        text += raw.midRef(start, at - start);
        text += QLatin1Char('\n');
        ends_ << raw.mid(at, n);
        at += n;
        start = at;
    }
    text += raw.midRef(start);
    // Only these two read as one character each. A longer end after every
    // line (CR CR LF, U+2029 LF, a U+2028 of three bytes) can push the
    // decimal point past the hundred characters the program reader looks
    // at, and the program is then cut at 1/100 of its size.
    if (!ends_.isEmpty() && (ends_.first() == QLatin1String("\n") || ends_.first() == QLatin1String("\r\n")))
        usualEnd_ = ends_.first();
    loaded_ = text;
    edited_ = false;
    return text;
}

bool EditorText::save(const QString &text, QByteArray *bytes, Unwritable *unwritable) const
{
    // Never a "?" for a character typed: the file stays as it is instead.
    if (codec_ == Latin1 && firstBeyondLatin1(text, unwritable))
        return false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    const bool asLoaded = !edited_ && text == loaded_;
    QString out;
    out.reserve(text.size() + lines.size());
    for (int k = 0; k < lines.size(); ++k) {
        out += lines.at(k);
        if (k + 1 < lines.size())
            out += asLoaded ? ends_.at(k) : usualEnd_;
    }
    switch (codec_) {
    case Utf8:
        *bytes = out.toUtf8();
        break;
    case Gb18030:
        *bytes = Gb18030Text::write(out);
        break;
    case Latin1:
        *bytes = out.toLatin1();
        break;
    }
    return true;
}

void EditorText::reset()
{
    codec_ = Utf8;
    ends_.clear();
    usualEnd_ = QStringLiteral("\n");
    loaded_.clear();
    edited_ = false;
}

QString EditorText::plainText(const QTextDocument *document)
{
    QString text = document->toRawText();
    // A line separator typed or pasted into the view (Shift+Return) shows as
    // a new line: it is saved as one, which the program reader reads as one.
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

bool EditorText::isBlank(const QString &text)
{
    // Taken by code point, so a format character beyond the first plane (a
    // language tag) counts as one; a program's first character ends it.
    const int size = text.size();
    for (int at = 0; at < size; ++at) {
        uint c = text.at(at).unicode();
        if (QChar::isHighSurrogate(c) && at + 1 < size && text.at(at + 1).isLowSurrogate())
            c = QChar::surrogateToUcs4(ushort(c), text.at(++at).unicode());
        const QChar::Category kind = QChar::category(c);
        if (!QChar::isSpace(c) && kind != QChar::Other_Control && kind != QChar::Other_Format)
            return false;
    }
    return true;
}
