#include "app/base/FunctionKey.h"

#include "app/base/KButton.h"
#include "app/base/TextFit.h"
#include "app/base/FileIcon.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QVariant>

namespace {
const char kShortcutProperty[] = "tovrelFunctionKey";
const char kKeyNameObject[] = "keyName";
const char kCaptionSizeProperty[] = "tovrelCaptionPointSize";
} // namespace

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
    addKeyName(button, keyName(key), key <= 0 ? QPoint(22, 2) : QPoint(82, 2));
    if (!iconPath.isEmpty()) {
        button->setIcon(FileIcon::make(iconPath));
        button->setIconSize(QSize(32, 32));
    }
    button->setText(text);
    fitCaption(button);
    const QKeySequence keys = shortcut.isEmpty() ? defaultShortcut(key) : shortcut;
    button->setProperty(kShortcutProperty, QVariant::fromValue(keys));
    button->setShortcut(keys);
    return button;
}

QLabel *FunctionKey::addKeyName(KButton *button, const QString &name, const QPoint &at)
{
    auto *label = new QLabel(name, button);
    label->setObjectName(QLatin1String(kKeyNameObject));
    // A child of a button with a style sheet does not inherit its font: it
    // would get the application's, whose glyphs overflow the key's corner.
    label->setFont(button->font());
    TextFit::fitWidget(label, name, button->width() - at.x());
    label->move(at);
    return label;
}

void FunctionKey::fitCaption(KButton *button)
{
    const QString caption = button->text();
    const auto *label = button->findChild<QLabel *>(QLatin1String(kKeyNameObject), Qt::FindDirectChildrenOnly);
    if (!label || button->font().pointSize() <= 0)
        return;
    // Each caption is fitted from the size the key was made with, so a long
    // caption does not leave a short one that follows it small.
    QFont font = button->font();
    const QVariant designSize = button->property(kCaptionSizeProperty);
    if (designSize.isValid())
        font.setPointSize(designSize.toInt());
    else
        button->setProperty(kCaptionSizeProperty, font.pointSize());
    const QFontMetrics nameMetrics(label->font());
    // The name is drawn centred in the height of its label.
    const int nameBottom = label->y() + (label->height() + nameMetrics.height()) / 2;
    const int iconWidth = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    const int lines = caption.count(QLatin1Char('\n')) + 1;
    while (lines > 1) {
        const QFontMetrics metrics(font);
        const int top = (button->height() - lines * metrics.height()) / 2;
        const int right = (button->width() + iconWidth + TextFit::widestLine(font, caption)) / 2;
        if (top >= nameBottom || right <= label->x() || font.pointSize() <= TextFit::kMinPointSize)
            break;
        font.setPointSize(font.pointSize() - 1);
    }
    if (font != button->font())
        button->setFont(font);
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
    fitCaption(button);
    restoreShortcut(button);
}

void FunctionKey::rerole(KButton *button, const QObject *receiver, const char *member, const char *signal)
{
    QObject::disconnect(button, nullptr, nullptr, nullptr);
    if (receiver && member)
        QObject::connect(button, signal ? signal : SIGNAL(clicked()), receiver, member);
    restoreShortcut(button);
}
