#include "thc/KTHCSpeedConfig.h"

#include <QLineEdit>

KTHCSpeedConfig::KTHCSpeedConfig(QWidget *parent)
    : KTHCPage(420, 550, parent)
{
    const QString speedUnit = QStringLiteral("mm/min");
    auto row = [&](const QString &label, int labelX, int y, const QString &start, const QString &unit) {
        addLabel(label, labelX, y + 5);
        QLineEdit *edit = addEdit(start, 200, y, 100);
        addLabel(unit, 310, y + 5);
        return edit;
    };
    fastEdit = row(tr("THC快走速度:"), 80, 80, QStringLiteral("1000"), speedUnit);
    slowEdit = row(tr("THC慢走速度:"), 80, 140, QStringLiteral("1000"), speedUnit);
    jogEdit = row(tr("THC点动速度:"), 80, 200, QStringLiteral("1000"), speedUnit);
    autEdit = row(tr("THC自动调高速度:"), 50, 260, QStringLiteral("1000"), speedUnit);
    accEdit = row(tr("加速度:"), 120, 380, QStringLiteral("1"), QStringLiteral("(1,2,3,4,5)"));

    clearText();
    resetValues();
}

void KTHCSpeedConfig::resetValues()
{
    fast = slow = jog = aut = 0;
    acc = 1;
}
