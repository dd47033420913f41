#include "FuzzInput.h"
#include "FuzzTargets.h"

#include "config/ConfigDocument.h"
#include "config/ConfigFiles.h"
#include "config/ConfigValue.h"
#include "config/KTHCXmlHandler.h"
#include "config/KXmlHandler.h"
#include "config/KXmlHandlerFile.h"
#include "config/ThcConfig.h"

#include <QFile>

#include <cstdlib>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

namespace {

bool writeInput(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int toInt(const QXmlAttributes &a, const char *name)
{
    return ConfigValue::toInt(a.value(QLatin1String(name)));
}

// A radio group: no attribute means no button on.
int choice(const QXmlAttributes &a, const char *name)
{
    return a.index(QLatin1String(name)) < 0 ? -1 : toInt(a, name);
}

double toDouble(const QXmlAttributes &a, const char *name)
{
    return ConfigValue::toDouble(a.value(QLatin1String(name)));
}

ConfigRecord readConfig(bool *ok)
{
    ConfigRecord r;
    KXmlHandler h(nullptr);
    QObject::connect(&h, &KXmlHandler::readCut, [&r](QXmlAttributes a) {
        r.cut = {toInt(a, "topspeed"), toInt(a, "cutspeed"), toInt(a, "LowSpeed")};
    });
    QObject::connect(&h, &KXmlHandler::readBase, [&r](QXmlAttributes a) {
        r.base = {toInt(a, "sheetx"),  toInt(a, "sheety"), toDouble(a, "angel"), toDouble(a, "rotate"),
                  toDouble(a, "comp"), toInt(a, "preci"),  choice(a, "fx"),      choice(a, "sfx")};
    });
    QObject::connect(&h, &KXmlHandler::readFire, [&r](QXmlAttributes a) {
        r.fire = {toDouble(a, "delay"),  toDouble(a, "df"),      toDouble(a, "ck"),     toDouble(a, "ckUp"),
                  toDouble(a, "ckDown"), toDouble(a, "OxoffUp"), toDouble(a, "dwDown"), choice(a, "ck3")};
    });
    QObject::connect(&h, &KXmlHandler::readPF, [&r](QXmlAttributes a) {
        r.pf = {toDouble(a, "df"), toDouble(a, "OxoffUp"), toDouble(a, "dwDown"), toInt(a, "movex"), toInt(a, "movey")};
    });
    QObject::connect(&h, &KXmlHandler::readDLZ, [&r](QXmlAttributes a) {
        r.dlz = {toDouble(a, "YH"),   toDouble(a, "Delay"),  toDouble(a, "ArcOffUp"),
                 toDouble(a, "DWUp"), toDouble(a, "DWDown"), choice(a, "dwmode")};
    });
    QObject::connect(&h, &KXmlHandler::readLaser, [&r](QXmlAttributes a) {
        r.laserX = toInt(a, "X");
        r.laserY = toInt(a, "Y");
    });
    QObject::connect(&h, &KXmlHandler::readTorch,
                     [&r](QXmlAttributes a) { r.torchSelected = toInt(a, "torchSelected"); });
    QObject::connect(&h, &KXmlHandler::readBeamAngel,
                     [&r](QXmlAttributes a) { r.beamAngel = toDouble(a, "beamAngel"); });
    QObject::connect(&h, &KXmlHandler::readMode, [&r](QXmlAttributes a) { r.mode = toInt(a, "mode"); });
    *ok = h.parseFile(ConfigDocument::configPath());
    return r;
}

ThcConfig readThc(bool *ok)
{
    ThcConfig c;
    KTHCXmlHandler h(nullptr);
    QObject::connect(&h, &KTHCXmlHandler::readTHC1, [&c](QXmlAttributes a) {
        c.distAll = toDouble(a, "distAll");
        c.distDW = toDouble(a, "distDW");
        c.distXH = toDouble(a, "distXH");
        c.distYH = toDouble(a, "distYH");
        c.distCK = toDouble(a, "distCK");
        c.distCut = toDouble(a, "distCut");
        c.HYN = toDouble(a, "HYN");
        c.HYP = toDouble(a, "HYP");
        c.mode = choice(a, "mode");
    });
    QObject::connect(&h, &KTHCXmlHandler::readTHCSpeed, [&c](QXmlAttributes a) {
        c.fast = toInt(a, "fast");
        c.slow = toInt(a, "slow");
        c.jog = toInt(a, "jog");
        c.aut = toInt(a, "aut");
        c.acc = toInt(a, "acc");
    });
    *ok = h.parseFile(ConfigDocument::thcConfigPath());
    return c;
}

// A file the program writes must read back, and writing what it read must
// give the same bytes: numbers settle after one pass through their text.
template <typename Read, typename Write> void checkWrittenBack(const QString &path, Read read, Write write)
{
    const QByteArray first = contents(path);
    bool ok = false;
    const auto again = read(&ok);
    if (!ok || !write(again) || contents(path) != first)
        std::abort();
}

} // namespace

int FuzzTargets::configXml(const std::uint8_t *data, std::size_t size)
{
    const QString path = ConfigDocument::configPath();
    if (!writeInput(path, FuzzInput(data, size).bytes()))
        return 0;
    bool ok = false;
    const ConfigRecord record = readConfig(&ok);
    if (ConfigFiles::writeConfig(record))
        checkWrittenBack(path, readConfig, [](const ConfigRecord &r) { return ConfigFiles::writeConfig(r); });
    return 0;
}

int FuzzTargets::fileXml(const std::uint8_t *data, std::size_t size)
{
    const QString path = ConfigDocument::fileConfigPath();
    if (!writeInput(path, FuzzInput(data, size).bytes()))
        return 0;
    QString name;
    KXmlHandlerFile h(nullptr);
    QObject::connect(&h, &KXmlHandlerFile::readFile, [&name](QXmlAttributes a) { name = a.value("filename"); });
    h.parseFile(path);
    // Control characters pass the writer unescaped, so the name is not
    // required to read back.
    ConfigFiles::writeFileConfig(name);
    return 0;
}

int FuzzTargets::thcXml(const std::uint8_t *data, std::size_t size)
{
    const QString path = ConfigDocument::thcConfigPath();
    if (!writeInput(path, FuzzInput(data, size).bytes()))
        return 0;
    bool ok = false;
    const ThcConfig config = readThc(&ok);
    if (writeThcConfig(config))
        checkWrittenBack(path, readThc, writeThcConfig);
    return 0;
}

QT_WARNING_POP
