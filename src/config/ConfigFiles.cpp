#include "config/ConfigFiles.h"

#include "config/ConfigDocument.h"
#include "config/ConfigValue.h"

#include <QDebug>

namespace {

void putChoice(AttributeMap &map, const QString &name, int code)
{
    if (code >= 0)
        map.insert(name, ConfigValue::number(code));
}

} // namespace

bool ConfigFiles::writeConfig(const ConfigRecord &r, FileError *error)
{
    qDebug("save......");
    using V = ConfigValue;

    AttributeMap cut;
    cut.insert(QStringLiteral("topspeed"), V::number(r.cut.topspeed));
    cut.insert(QStringLiteral("cutspeed"), V::number(r.cut.cutspeed));
    cut.insert(QStringLiteral("LowSpeed"), V::number(r.cut.lowSpeed));

    AttributeMap base;
    base.insert(QStringLiteral("sheetx"), V::number(r.base.sheetX));
    base.insert(QStringLiteral("sheety"), V::number(r.base.sheetY));
    base.insert(QStringLiteral("angel"), V::number(r.base.angel));
    base.insert(QStringLiteral("rotate"), V::number(r.base.rotate));
    base.insert(QStringLiteral("comp"), V::number(r.base.comp));
    base.insert(QStringLiteral("preci"), V::number(r.base.preci));
    putChoice(base, QStringLiteral("fx"), r.base.fx);
    putChoice(base, QStringLiteral("sfx"), r.base.sfx);

    AttributeMap fire;
    fire.insert(QStringLiteral("delay"), V::number(r.fire.delay));
    fire.insert(QStringLiteral("df"), V::number(r.fire.df));
    fire.insert(QStringLiteral("dwDown"), V::number(r.fire.dwDown));
    fire.insert(QStringLiteral("ck"), V::number(r.fire.ck));
    fire.insert(QStringLiteral("ckUp"), V::number(r.fire.ckUp));
    fire.insert(QStringLiteral("ckDown"), V::number(r.fire.ckDown));
    fire.insert(QStringLiteral("OxoffUp"), V::number(r.fire.oxoffUp));
    putChoice(fire, QStringLiteral("ck3"), r.fire.ck3);

    AttributeMap pf;
    pf.insert(QStringLiteral("df"), V::number(r.pf.df));
    pf.insert(QStringLiteral("dwDown"), V::number(r.pf.dwDown));
    pf.insert(QStringLiteral("OxoffUp"), V::number(r.pf.oxoffUp));
    pf.insert(QStringLiteral("movex"), V::number(r.pf.moveX));
    pf.insert(QStringLiteral("movey"), V::number(r.pf.moveY));

    AttributeMap dlz;
    dlz.insert(QStringLiteral("YH"), V::number(r.dlz.yh));
    dlz.insert(QStringLiteral("Delay"), V::number(r.dlz.delay));
    dlz.insert(QStringLiteral("ArcOffUp"), V::number(r.dlz.arcOffUp));
    dlz.insert(QStringLiteral("DWUp"), V::number(r.dlz.dwUp));
    dlz.insert(QStringLiteral("DWDown"), V::number(r.dlz.dwDown));
    putChoice(dlz, QStringLiteral("dwmode"), r.dlz.dwmode);

    AttributeMap laser;
    laser.insert(QStringLiteral("X"), V::number(r.laserX));
    laser.insert(QStringLiteral("Y"), V::number(r.laserY));

    return ConfigDocument::write(
        ConfigDocument::configPath(), QStringLiteral("RavokConfig"),
        {{QStringLiteral("PF"), pf},
         {QStringLiteral("Cut"), cut},
         {QStringLiteral("Base"), base},
         {QStringLiteral("Fire"), fire},
         {QStringLiteral("DLZ"), dlz},
         {QStringLiteral("Laser"), laser},
         {QStringLiteral("Torch"), AttributeMap(QStringLiteral("torchSelected"), V::number(r.torchSelected))},
         {QStringLiteral("BeamAngel"), AttributeMap(QStringLiteral("beamAngel"), V::number(r.beamAngel))},
         {QStringLiteral("Mode"), AttributeMap(QStringLiteral("mode"), V::number(r.mode))}},
        error);
}

bool ConfigFiles::writeFileConfig(const QString &fileName, FileError *error)
{
    qDebug("save file......");
    return ConfigDocument::write(ConfigDocument::fileConfigPath(), QStringLiteral("FileConfig"),
                                 {{QStringLiteral("File"), AttributeMap(QStringLiteral("filename"), fileName)}}, error);
}
