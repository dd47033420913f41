#ifndef SWITCHKEY_H
#define SWITCHKEY_H

#include <QPoint>
#include <QString>

class KButton;
class QCheckBox;

// A key of a row that carries a check box: pressing the key flips the box,
// and the box's own state change is what the row reports, so a click on the
// box itself and a press of the key end in the same signal.
class SwitchKey
{
public:
    // The box, cleared and without focus, inside the key at `at`.
    static QCheckBox *addBox(KButton *key, const QString &text, const QPoint &at);

    // Ticked becomes clear and clear becomes ticked.
    static void flip(QCheckBox *box);
};

#endif
