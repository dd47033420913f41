#include "files/SwitchKey.h"

#include "app/base/KButton.h"

#include <QCheckBox>

QCheckBox *SwitchKey::addBox(KButton *key, const QString &text, const QPoint &at)
{
    auto *box = new QCheckBox(key);
    box->move(at);
    box->setText(text);
    box->setChecked(false);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

void SwitchKey::flip(QCheckBox *box)
{
    // Check states are 0 (clear) and 2 (ticked); a partial state never occurs.
    box->setCheckState(Qt::CheckState(box->checkState() ^ Qt::Checked));
}
