#include "config/ThcConfig.h"

#include "config/ConfigDocument.h"
#include "config/ConfigValue.h"

bool writeThcConfig(const ThcConfig &c)
{
    using V = ConfigValue;
    AttributeMap thc1;
    thc1.insert(QStringLiteral("distAll"), V::number(c.distAll));
    thc1.insert(QStringLiteral("distDW"), V::number(c.distDW));
    thc1.insert(QStringLiteral("distXH"), V::number(c.distXH));
    thc1.insert(QStringLiteral("distYH"), V::number(c.distYH));
    thc1.insert(QStringLiteral("distCK"), V::number(c.distCK));
    thc1.insert(QStringLiteral("distCut"), V::number(c.distCut));
    thc1.insert(QStringLiteral("HYN"), V::number(c.HYN));
    thc1.insert(QStringLiteral("HYP"), V::number(c.HYP));
    if (c.mode >= 0)
        thc1.insert(QStringLiteral("mode"), V::number(c.mode));

    AttributeMap speed;
    speed.insert(QStringLiteral("fast"), V::number(c.fast));
    speed.insert(QStringLiteral("slow"), V::number(c.slow));
    speed.insert(QStringLiteral("jog"), V::number(c.jog));
    speed.insert(QStringLiteral("aut"), V::number(c.aut));
    speed.insert(QStringLiteral("acc"), V::number(c.acc));

    return ConfigDocument::write(ConfigDocument::thcConfigPath(), QStringLiteral("THCConfig"),
                                 {{QStringLiteral("THC1"), thc1},
                                  {QStringLiteral("THC2"), AttributeMap()},
                                  {QStringLiteral("THCSpeed"), speed}});
}
