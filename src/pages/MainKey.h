#ifndef MAINKEY_H
#define MAINKEY_H

#include <QString>

class KButton;
class QWidget;

// The F9 key that is its page's main action: forest green, white text and
// key label, its own Arial face.
class MainKey
{
public:
    // The KButton sheet with forest green in place of pale goldenrod.
    static QString styleSheetText();
    // Builds F9 of `page` (shortcut F9, icon size 32 x 32, no icon) in
    // "Arial" `pointSize` bold.
    static KButton *make(QWidget *page, const QString &text, int pointSize);
};

#endif
