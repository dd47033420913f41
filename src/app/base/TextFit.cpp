#include "app/base/TextFit.h"

#include <QFontMetrics>
#include <QStringList>
#include <QWidget>

#include <algorithm>

int TextFit::widestLine(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QFont TextFit::fitted(const QFont &font, const QString &text, int width, int minPointSize)
{
    QFont f = font;
    // Fonts given in pixels have no point size to step; they are left alone.
    while (f.pointSize() > minPointSize && widestLine(f, text) > width)
        f.setPointSize(f.pointSize() - 1);
    return f;
}

void TextFit::fitWidget(QWidget *widget, const QString &text, int width, int minPointSize)
{
    const QFont f = fitted(widget->font(), text, width, minPointSize);
    if (f.pointSize() != widget->font().pointSize())
        widget->setFont(f);
}
