#include "app/base/FileNames.h"

#include "app/base/FileNameCodec.h"
#include "app/base/Gb18030Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextCodec>

namespace {

bool hasEscape(const QString &text)
{
    for (const QChar c : text) {
        if (FileNameCodec::isEscape(c))
            return true;
    }
    return false;
}

QString shownPart(const QString &part)
{
    if (!hasEscape(part))
        return part;
    const QByteArray bytes = QFile::encodeName(part);
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    QString text = QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
    // A UTF-8 name that holds such a character itself shows as it is.
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return text;
    if (Gb18030Text::reads(bytes, &text))
        return text;
    text.clear();
    for (const QChar c : part) {
        if (FileNameCodec::isEscape(c))
            text += QLatin1String("\\x") + QString::number(c.unicode() - FileNameCodec::kEscapeBase, 16).toUpper();
        else
            text += c;
    }
    return text;
}

} // namespace

void FileNames::install()
{
    // Codecs are registered when made and live until the process ends.
    static FileNameCodec *const codec = new FileNameCodec;
    QTextCodec::setCodecForLocale(codec);
}

QString FileNames::shown(const QString &path)
{
    if (!hasEscape(path))
        return path;
    QStringList parts = path.split(QLatin1Char('/'));
    for (QString &part : parts)
        part = shownPart(part);
    return parts.join(QLatin1Char('/'));
}

QString FileNames::entryShownAs(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        return path;
    const QString name = info.fileName();
    const QDir folder = info.dir();
    for (const QString &entry : folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (hasEscape(entry) && shownPart(entry) == name)
            return folder.filePath(entry);
    }
    return path;
}
