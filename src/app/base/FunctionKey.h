#ifndef FUNCTIONKEY_H
#define FUNCTIONKEY_H

#include <QKeySequence>
#include <QRect>
#include <QString>

class KButton;
class QLabel;
class QObject;
class QWidget;

// Keys of a function-key page (1024 x 60 strip): Esc and F1 to F9.
// Key numbers: 0 = Esc, 1..9 = F1..F9.
//
// QAbstractButton::setText replaces the shortcut with the text's mnemonic, so
// the shortcut is always set after the text; relabel() and rerole() set it
// again from the key the button was made for.
class FunctionKey
{
public:
    static QRect geometryFor(int key);
    static QString keyName(int key);
    static QKeySequence defaultShortcut(int key);

    // Builds the key: geometry, key-name label, icon (32 x 32, from a resource
    // or file path; none when empty), text, then the shortcut.
    static KButton *make(QWidget *page, int key, const QString &text, const QString &iconPath = QString(),
                         const QKeySequence &shortcut = QKeySequence());

    // The name of the keyboard key a button answers to, as a label on the
    // button at `at`: in the button's font, smaller when the name would run
    // past the button's right edge.
    static QLabel *addKeyName(KButton *button, const QString &name, const QPoint &at);

    // A caption of two lines reaches up beside the key's name: its font steps
    // down until the caption ends left of the name. One-line captions sit
    // below the name already.
    static void fitCaption(KButton *button);

    // New caption for a key, keeping its shortcut.
    static void relabel(KButton *button, const QString &text);

    // Cuts every connection of the button (its own clicked() to myclick()
    // included), connects signal to receiver's member and sets the shortcut again.
    static void rerole(KButton *button, const QObject *receiver, const char *member, const char *signal = nullptr);

    // Gives a key of a row another shortcut, or none at all (empty keys), and
    // keeps it through later relabel() and rerole() calls. A key that must
    // reach its page's own key handler, or that would share a function key
    // with another button of the row, has none.
    static void bind(KButton *button, const QKeySequence &keys);
    static void unbind(KButton *button) { bind(button, QKeySequence()); }

    // The key a button was made for (its shortcut), empty for other buttons
    // and for keys without one.
    static QKeySequence shortcutOf(const KButton *button);
    static void restoreShortcut(KButton *button);
};

#endif
