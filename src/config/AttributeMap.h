#ifndef ATTRIBUTEMAP_H
#define ATTRIBUTEMAP_H

#include <QMap>
#include <QString>

// Attributes of one element. QMap iterates in QString order (UTF-16 code
// units, capitals first), so the map - not the caller - fixes the attribute
// order of every file written: "LowSpeed" before "cutspeed", "ck" before "ck3".
class AttributeMap : public QMap<QString, QString>
{
public:
    AttributeMap() = default;
    AttributeMap(const QString &name, const QString &value);
};

#endif
