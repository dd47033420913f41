// The main window as the program builds it, with one process chain driven
// through its slots and held at a named step:
//   processdemo flame-pierce | plasma-arc | powder-ignition | limit-alarm [--shot FILE]
// It runs in a scratch folder of its own (the current folder's ravok/ is
// linked in), so the configuration and program it seeds touch nothing else.
// Boxes are answered at once and printed on stderr instead of shown.
#include "DemoApp.h"
#include "DemoWindow.h"
#include "app/base/FileSave.h"
#include "app/KMainWindow.h"
#include "app/base/Notice.h"
#include "device/KWriteDevice.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

struct Scene {
    const char *name;
    int mode;
    const char *elements;
    const char *program;
    // Held once the card was last sent this image.
    const char *heldImage;
};

const Scene kScenes[] = {
    {"flame-pierce", 1,
     "    <Fire OxoffUp=\"1\" ck=\"6\" ck3=\"1\" ckDown=\"0.5\" ckUp=\"0.3\" delay=\"0.5\" df=\"0.3\" dwDown=\"1\"/>\n",
     "G00 X20000 Y10000\nG01 X80000 Y10000\nG02 X80000 Y50000 I0 J20000\nG01 X20000 Y50000\nG01 X20000 Y10000\n",
     "19 00 00"},
    {"plasma-arc", 2, "    <DLZ ArcOffUp=\"0.5\" DWDown=\"0.4\" DWUp=\"0.3\" Delay=\"0.5\" YH=\"30\" dwmode=\"1\"/>\n",
     "G01 X60000 Y0\nG01 X60000 Y40000\nG01 X0 Y40000\nG01 X0 Y0\n", "00 20 00"},
    {"powder-ignition", 3, "    <PF OxoffUp=\"1\" df=\"30\" dwDown=\"1\" movex=\"12\" movey=\"-4\"/>\n",
     "G01 X50000 Y0\nG01 X50000 Y30000\n", "44 00 00"},
    {"limit-alarm", 1, "", "G00 X20000 Y10000\nG01 X80000 Y10000\n", nullptr},
};

QByteArray configXml(const Scene &s)
{
    return QByteArray("<?xml version='1.0'?><!DOCTYPE RAVOK>\n<RavokConfig>\n"
                      "    <Cut LowSpeed=\"300\" cutspeed=\"1800\" topspeed=\"9000\"/>\n"
                      "    <Base angel=\"0\" comp=\"0\" fx=\"0\" preci=\"10\" rotate=\"0\" sfx=\"0\" "
                      "sheetx=\"3000\" sheety=\"1500\"/>\n")
           + s.elements + "    <Mode mode=\"" + QByteArray::number(s.mode) + "\"/>\n</RavokConfig>\n";
}

bool seed(const QString &path, const QByteArray &bytes)
{
    return FileSave::write(path, bytes);
}

QString imageText(const sys_t &s)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(s.byte), 3).toHex(' ').toUpper());
}

int fail(const char *message)
{
    std::fprintf(stderr, "processdemo: %s\n", message);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    DemoApp app(argc, argv);

    const QStringList args = app.arguments().mid(1);
    const Scene *scene = nullptr;
    for (const Scene &s : kScenes) {
        if (!args.isEmpty() && args.first() == QLatin1String(s.name))
            scene = &s;
    }
    if (!scene)
        return fail("usage: processdemo flame-pierce|plasma-arc|powder-ignition|limit-alarm [--shot FILE]");
    const int shotAt = args.indexOf(QStringLiteral("--shot"));
    const QString shot = shotAt > 0 ? args.value(shotAt + 1) : QString();
    if (shotAt > 0 && shot.isEmpty())
        return fail("--shot needs a file name");

    const QString origin = QDir::currentPath();
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return fail("no scratch folder");
    QDir dir(scratch.path());
    dir.mkpath(QStringLiteral(".tovrelcnc"));
    dir.mkpath(QStringLiteral("ncfile"));
    if (QDir(origin + "/ravok").exists())
        QFile::link(origin + "/ravok", dir.filePath(QStringLiteral("ravok")));
    if (!seed(dir.filePath(".tovrelcnc/config.xml"), configXml(*scene))
        || !seed(dir.filePath(".tovrelcnc/fileconfig.xml"),
                 "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<FileConfig>\n"
                 "    <File filename=\"./ncfile/demo.nc\"/>\n</FileConfig>\n")
        || !seed(dir.filePath("ncfile/demo.nc"), scene->program))
        return fail("cannot seed the scratch folder");
    QDir::setCurrent(scratch.path());

    Notice::setHandler([](const Notice::Request &r) {
        std::fprintf(stderr, "processdemo: box \"%s\": %s\n", qPrintable(r.title), qPrintable(r.text));
        return QMessageBox::Ok;
    });

    KMainWindow w;
    w.setModalRunner([](QDialog *) { return 0; });
    w.show();

    QTimer *const timers[] = {w.delayTimer,    w.realDelayTimer, w.dfTimer,       w.dwDownTimer, w.ckTimer,
                              w.ckUpTimer,     w.ckDownTimer,    w.oxoffUpTimer,  w.yhTimer,     w.dlzDelayTimer,
                              w.arcOffUpTimer, w.dwUpTimer,      w.dlzDwDownTimer};
    auto finish = [&]() {
        for (QTimer *t : timers)
            t->stop();
        std::fprintf(stderr, "processdemo: held at %s\n", qPrintable(imageText(w.writeDevice->lastSys())));
        if (!shot.isEmpty()) {
            QTimer::singleShot(300, [&]() {
                DemoWindow::savePicture(w.grab().toImage(), shot);
                app.quit();
            });
        }
    };

    QTimer::singleShot(300, [&]() {
        const QString name = QLatin1String(scene->name);
        if (name == QLatin1String("limit-alarm")) {
            // The alarm comes first; the step page then offers only the jog
            // key away from the limit.
            w.xw_XPOS();
            w.top2step();
            finish();
            return;
        }
        // The chain runs with the cutting page shown, as a Start would run it.
        w.top2cutting();
        if (scene->mode == 2)
            w.DLZDWStart();
        else
            w.dwDownEnd();
        auto *watch = new QTimer(&w);
        QObject::connect(watch, &QTimer::timeout, [&, watch]() {
            if (imageText(w.writeDevice->lastSys()) != QLatin1String(scene->heldImage))
                return;
            watch->stop();
            // A second more, so the phase's countdown shows running.
            QTimer::singleShot(1000, finish);
        });
        watch->start(20);
    });
    return app.exec();
}
