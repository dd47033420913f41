// cfgprobe [ACTION]...: drives one hidden configuration page in the current
// folder and prints every signal it (or a configuration reader) emits, one
// line "name(args)" each. See usage() for the actions.
#include "app/base/FileError.h"
#include "app/base/FileSave.h"
#include "config/ConfigDocument.h"
#include "config/KConfigBase.h"
#include "config/KConfigCut.h"
#include "config/KConfigDLZ.h"
#include "config/KConfigFire.h"
#include "config/KConfigLaser.h"
#include "config/KConfigPF.h"
#include "config/KMenuConfig.h"
#include "config/KTHCXmlHandler.h"
#include "config/KXmlHandler.h"
#include "config/KXmlHandlerFile.h"
#include "EmissionPrinter.h"

#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QMetaMethod>
#include <QRadioButton>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <vector>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

namespace {

int usage()
{
    std::fputs("usage: cfgprobe [--set DLG.FIELD=TEXT | --check DLG.RADIO | --show DLG | --accept DLG |"
               " --write-config | --save-mode N | --save-beam A | --save-file NAME | --set-file NAME |"
               " --set-mode N | --set-beam A | --read-config | --read-file | --read-thc | --print DLG.MEMBER]..."
               " (DLG: cut base fire pf dlz laser)\n",
               stderr);
    return 2;
}

// The reader callbacks pass their attributes as name=value pairs; a failed
// save its reason as a box would say it.
QString argumentText(const QByteArray &type, const void *value)
{
    if (type == "FileError")
        return static_cast<const FileError *>(value)->text();
    if (type != "QXmlAttributes")
        return QStringLiteral("?");
    const auto *atts = static_cast<const QXmlAttributes *>(value);
    QStringList pairs;
    for (int i = 0; i < atts->count(); ++i)
        pairs << atts->qName(i) + QLatin1Char('=') + atts->value(i);
    return pairs.join(QLatin1Char(','));
}

} // namespace

int main(int argc, char **argv)
{
    FileSave::ignoreSizeLimit();
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromUtf8(argv[i]);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(icons);

    KMenuConfig page(nullptr);
    EmissionPrinter printer(argumentText);
    printer.watch(&page);

    const QMap<QString, QDialog *> dialogs = {
        {QStringLiteral("cut"), page.cutDialog},   {QStringLiteral("base"), page.baseDialog},
        {QStringLiteral("fire"), page.fireDialog}, {QStringLiteral("pf"), page.pfDialog},
        {QStringLiteral("dlz"), page.dlzDialog},   {QStringLiteral("laser"), page.laserDialog}};
    const QMap<QString, std::pair<void (KMenuConfig::*)(), QDialog *>> showing = {
        {QStringLiteral("cut"), {&KMenuConfig::cutConfig, page.cutDialog}},
        {QStringLiteral("base"), {&KMenuConfig::baseConfig, page.baseDialog}},
        {QStringLiteral("fire"), {&KMenuConfig::fireConfig, page.fireDialog}},
        {QStringLiteral("pf"), {&KMenuConfig::pfConfig, page.pfDialog}},
        {QStringLiteral("dlz"), {&KMenuConfig::dlzConfig, page.dlzDialog}},
        {QStringLiteral("laser"), {&KMenuConfig::laserConfig, page.laserDialog}}};

    // DLG.MEMBER -> the widget of that member name, or null.
    auto member = [&](const QString &spec) -> QWidget * {
        const int dot = spec.indexOf(QLatin1Char('.'));
        QDialog *dialog = dialogs.value(spec.left(dot));
        // An empty name would match any child.
        if (dot <= 0 || !dialog || dot + 1 >= spec.size())
            return nullptr;
        return dialog->findChild<QWidget *>(spec.mid(dot + 1));
    };

    // Everything is checked before anything runs, so a bad command line changes nothing.
    std::vector<std::function<void()>> actions;
    for (int i = 0; i < args.size(); ++i) {
        const QString action = args.at(i);
        const bool hasValue = i + 1 < args.size();
        const QString value = hasValue ? args.at(i + 1) : QString();
        if (action == QLatin1String("--write-config")) {
            actions.push_back([&page] { page.writeConfig(); });
            continue;
        }
        if (action == QLatin1String("--read-config") || action == QLatin1String("--read-file")
            || action == QLatin1String("--read-thc")) {
            actions.push_back([&printer, action] {
                KXmlHandlerBase *handler = nullptr;
                QString path;
                if (action == QLatin1String("--read-config")) {
                    handler = new KXmlHandler(nullptr);
                    path = ConfigDocument::configPath();
                } else if (action == QLatin1String("--read-file")) {
                    handler = new KXmlHandlerFile(nullptr);
                    path = ConfigDocument::fileConfigPath();
                } else {
                    handler = new KTHCXmlHandler(nullptr);
                    path = ConfigDocument::thcConfigPath();
                }
                printer.watch(handler);
                handler->parseFile(path);
                delete handler;
            });
            continue;
        }
        if (!hasValue)
            return usage();
        ++i;
        bool ok = true;
        if (action == QLatin1String("--set")) {
            const int eq = value.indexOf(QLatin1Char('='));
            auto *edit = qobject_cast<QLineEdit *>(member(value.left(eq)));
            if (eq < 0 || !edit)
                return usage();
            const QString text = value.mid(eq + 1);
            actions.push_back([edit, text] { edit->setText(text); });
        } else if (action == QLatin1String("--check")) {
            auto *radio = qobject_cast<QRadioButton *>(member(value));
            if (!radio)
                return usage();
            actions.push_back([radio] { radio->setChecked(true); });
        } else if (action == QLatin1String("--print")) {
            QWidget *w = member(value);
            auto *edit = qobject_cast<QLineEdit *>(w);
            auto *radio = qobject_cast<QRadioButton *>(w);
            if (!edit && !radio)
                return usage();
            actions.push_back([edit, radio, value] {
                EmissionPrinter::out(value + QLatin1Char('=')
                                     + (edit ? edit->text() : QString::number(radio->isChecked() ? 1 : 0)));
            });
        } else if (action == QLatin1String("--show") || action == QLatin1String("--accept")) {
            if (!showing.contains(value))
                return usage();
            const auto show = showing.value(value);
            const bool accept = action == QLatin1String("--accept");
            actions.push_back([&page, show, accept] {
                (page.*show.first)();
                if (accept)
                    show.second->accept();
            });
        } else if (action == QLatin1String("--save-mode") || action == QLatin1String("--set-mode")) {
            const int mode = value.toInt(&ok);
            const bool save = action == QLatin1String("--save-mode");
            actions.push_back([&page, mode, save] { save ? page.saveMode(mode) : page.setMode(mode); });
        } else if (action == QLatin1String("--save-beam") || action == QLatin1String("--set-beam")) {
            const double angle = value.toDouble(&ok);
            const bool save = action == QLatin1String("--save-beam");
            actions.push_back([&page, angle, save] { save ? page.saveBeamAngel(angle) : page.setBeamAngel(angle); });
        } else if (action == QLatin1String("--save-file")) {
            actions.push_back([&page, value] { page.saveFileName(value); });
        } else if (action == QLatin1String("--set-file")) {
            actions.push_back([&page, value] { page.setFileName(value); });
        } else {
            return usage();
        }
        if (!ok)
            return usage();
    }

    for (const auto &run : actions)
        run();
    std::fflush(stdout);
    return 0;
}

QT_WARNING_POP
