#ifndef JOGKEYS_H
#define JOGKEYS_H

#include <QPoint>
#include <QString>

#include <initializer_list>
#include <utility>

class KButton;
class QButtonGroup;
class QCheckBox;
class QKeyEvent;

// What the jog pages (step, movement, plate alignment) share.
//
// Their F1 and F2 act while held: the keys have no shortcut, and the page's
// own key handler shows the button pressed and asks for one speed step per
// press, auto-repeated presses included, so holding the key keeps stepping.
//
// Their modes are check boxes inside function keys, one of which is checked.
class JogKeys
{
public:
    enum Step { NoStep, Faster, Slower };

    // F1 on an enabled `faster` or F2 on an enabled `slower`: shows it
    // pressed and returns the step to emit; any other key, or a disabled
    // button, returns NoStep.
    static Step press(const QKeyEvent *event, KButton *faster, KButton *slower);
    // F1 or F2 releases its button when it is enabled and shown pressed.
    static void release(const QKeyEvent *event, KButton *faster, KButton *slower);

    // A check box with `text` at `at` inside `button`, never taking the focus
    // (the page keeps it for F1 and F2), in `group` when one is given.
    static QCheckBox *addBox(KButton *button, const QString &text, const QPoint &at, QButtonGroup *group = nullptr);

    // The value paired with the first checked box, 0 when none is checked.
    static int firstChecked(std::initializer_list<std::pair<const QCheckBox *, int>> boxes);

    // Shows each button released.
    static void release(std::initializer_list<KButton *> buttons);
};

#endif
