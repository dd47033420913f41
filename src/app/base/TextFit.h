#ifndef TEXTFIT_H
#define TEXTFIT_H

#include <QFont>
#include <QString>

class QWidget;

// Texts that must stay whole where the layout gives them a fixed width: the
// font steps down a point at a time, never below minPointSize, until every
// line of the text fits. Nothing is elided; at the smallest size a text may
// still be wider, and its owner decides whether it may overflow.
class TextFit
{
public:
    static constexpr int kMinPointSize = 7;

    static int widestLine(const QFont &font, const QString &text);
    static QFont fitted(const QFont &font, const QString &text, int width, int minPointSize = kMinPointSize);
    // Sets the fitted font on the widget when its own font is too wide: at
    // once when it is shown, else when it is first shown.
    static void fitWidget(QWidget *widget, const QString &text, int width, int minPointSize = kMinPointSize);
};

#endif
