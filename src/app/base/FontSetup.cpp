#include "app/base/FontSetup.h"

#include <QFont>
#include <QFontDatabase>

void FontSetup::installSubstitutes()
{
    const QFontDatabase fonts;
    const QStringList families = fonts.families();
    // A Song face with half-width Latin glyphs, like Simsun's.
    if (!families.contains(QStringLiteral("Simsun"), Qt::CaseInsensitive))
        QFont::insertSubstitution(QStringLiteral("Simsun"), QStringLiteral("WenQuanYi Zen Hei Mono"));
    if (!families.contains(QStringLiteral("WenQuanYi Bitmap Song"), Qt::CaseInsensitive))
        QFont::insertSubstitution(QStringLiteral("WenQuanYi Bitmap Song"), QStringLiteral("WenQuanYi Zen Hei"));
    if (!families.contains(QStringLiteral("Arial"), Qt::CaseInsensitive))
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}
