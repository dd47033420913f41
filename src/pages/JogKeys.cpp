#include "pages/JogKeys.h"

#include "app/base/KButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QKeyEvent>

namespace {

KButton *buttonOf(const QKeyEvent *event, KButton *faster, KButton *slower)
{
    if (event->key() == Qt::Key_F1)
        return faster;
    if (event->key() == Qt::Key_F2)
        return slower;
    return nullptr;
}

} // namespace

JogKeys::Step JogKeys::press(const QKeyEvent *event, KButton *faster, KButton *slower)
{
    KButton *button = buttonOf(event, faster, slower);
    if (!button || !button->isEnabled())
        return NoStep;
    if (!button->isDown())
        button->setDown(true);
    return button == faster ? Faster : Slower;
}

void JogKeys::release(const QKeyEvent *event, KButton *faster, KButton *slower)
{
    KButton *button = buttonOf(event, faster, slower);
    if (button && button->isEnabled() && button->isDown())
        button->setDown(false);
}

QCheckBox *JogKeys::addBox(KButton *button, const QString &text, const QPoint &at, QButtonGroup *group)
{
    auto *box = new QCheckBox(text, button);
    box->move(at);
    box->setFocusPolicy(Qt::NoFocus);
    if (group)
        group->addButton(box);
    return box;
}

int JogKeys::firstChecked(std::initializer_list<std::pair<const QCheckBox *, int>> boxes)
{
    for (const auto &b : boxes) {
        if (b.first->isChecked())
            return b.second;
    }
    return 0;
}

void JogKeys::release(std::initializer_list<KButton *> buttons)
{
    for (KButton *b : buttons)
        b->setDown(false);
}
