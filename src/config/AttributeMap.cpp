#include "config/AttributeMap.h"

AttributeMap::AttributeMap(const QString &name, const QString &value)
{
    insert(name, value);
}
