#include "app/FunctionKey.h"

#include "app/KButton.h"

#include <QIcon>
#include <QLabel>
#include <QVariant>

namespace {
const char kShortcutProperty[] = "tovrelFunctionKey";
}

QRect FunctionKey::geometryFor(int key)
{
    if (key <= 0)
        return QRect(5, 2, 45, 56);
    if (key >= 9)
        return QRect(922, 2, 100, 56);
    return QRect(65 + 105 * (key - 1), 2, 100, 56);
}

QString FunctionKey::keyName(int key)
{
    return key <= 0 ? QStringLiteral("Esc") : QStringLiteral("F%1").arg(key);
}

QKeySequence FunctionKey::defaultShortcut(int key)
{
    if (key <= 0)
        return QKeySequence(Qt::Key_Escape);
    return QKeySequence(Qt::Key_F1 + (key - 1));
}

KButton *FunctionKey::make(QWidget *page, int key, const QString &text, const QString &iconPath,
                           const QKeySequence &shortcut)
{
    auto *button = new KButton(page);
    button->setGeometry(geometryFor(key));
    auto *label = new QLabel(keyName(key), button);
    // A child of a button with a style sheet does not inherit its font: it
    // would get the application's, whose glyphs overflow the key's corner.
    label->setFont(button->font());
    label->move(key <= 0 ? QPoint(22, 2) : QPoint(82, 2));
    if (!iconPath.isEmpty()) {
        button->setIcon(QIcon(iconPath));
        button->setIconSize(QSize(32, 32));
    }
    button->setText(text);
    const QKeySequence keys = shortcut.isEmpty() ? defaultShortcut(key) : shortcut;
    button->setProperty(kShortcutProperty, QVariant::fromValue(keys));
    button->setShortcut(keys);
    return button;
}

QKeySequence FunctionKey::shortcutOf(const KButton *button)
{
    return button->property(kShortcutProperty).value<QKeySequence>();
}

void FunctionKey::bind(KButton *button, const QKeySequence &keys)
{
    button->setProperty(kShortcutProperty, QVariant::fromValue(keys));
    button->setShortcut(keys);
}

void FunctionKey::restoreShortcut(KButton *button)
{
    // Buttons not made here keep whatever shortcut they have; a key made here
    // gets its own back, or none when it was unbound (setText may have given
    // it a mnemonic).
    const QVariant stored = button->property(kShortcutProperty);
    if (stored.isValid())
        button->setShortcut(stored.value<QKeySequence>());
}

void FunctionKey::relabel(KButton *button, const QString &text)
{
    button->setText(text);
    restoreShortcut(button);
}

void FunctionKey::rerole(KButton *button, const QObject *receiver, const char *member, const char *signal)
{
    QObject::disconnect(button, nullptr, nullptr, nullptr);
    if (receiver && member)
        QObject::connect(button, signal ? signal : SIGNAL(clicked()), receiver, member);
    restoreShortcut(button);
}
