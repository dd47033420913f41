// What the program does in place of waiting on a file it cannot read or
// write, and on a loop it stops: the start beside a configuration file that
// is a pipe, a folder, a link loop or a device, or beside a damaged one; the
// start with a last program named by 60,000 characters; a height and a speed
// saved through a pipe; the editor refusing a pipe; the two reader loops
// told to stop. The tests check only that each of these ends; these figures
// tell how soon.

#include "app/base/FileSave.h"
#include "app/base/KButton.h"
#include "app/base/Notice.h"
#include "app/KMainWindow.h"
#include "config/KConfigCut.h"
#include "config/KMenuConfig.h"
#include "device/AxisStatusSource.h"
#include "device/DeviceIo.h"
#include "device/InputSource.h"
#include "device/KReadIOThread.h"
#include "device/KReadIntThread.h"
#include "files/KEditor.h"
#include "thc/KTHC.h"
#include "thc/KTHCConfig.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const kFiles[] = {".tovrelcnc/config.xml", ".tovrelcnc/fileconfig.xml", "ravok/.tovrelcnc/thcconfig.xml"};
const char *const kKinds[] = {"pipe", "folder", "link loop", "link to /dev/zero", "damaged"};

// A working folder with a small last program, made current while it lives.
class Workspace
{
public:
    Workspace()
        : previous(QDir::currentPath())
    {
        QDir::setCurrent(dir.path());
        QDir().mkpath(".tovrelcnc");
        QDir().mkpath("ncfile");
        QDir().mkpath("ravok/.tovrelcnc");
        FileSave::write("ncfile/a.nc", "G00 X1000 Y0\nG01 X5000 Y0\nG01 X0 Y3000\n");
        setLastProgram("./ncfile/a.nc");
        FileSave::write(".tovrelcnc/config.xml",
                        "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<RavokConfig>\n    <Base angel=\"0\" comp=\"0\" "
                        "fx=\"0\" preci=\"10\" rotate=\"0\" sfx=\"0\" sheetx=\"3000\" sheety=\"1500\"/>\n    <Mode "
                        "mode=\"1\"/>\n</RavokConfig>\n");
        // Every box is answered at once: a bench has no operator.
        previousHandler = Notice::setHandler([](const Notice::Request &) { return QMessageBox::Ok; });
    }
    ~Workspace()
    {
        Notice::setHandler(previousHandler);
        QDir::setCurrent(previous);
    }

    static void setLastProgram(const QByteArray &name)
    {
        FileSave::write(".tovrelcnc/fileconfig.xml",
                        "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<FileConfig>\n    <File filename=\"" + name
                            + "\"/>\n</FileConfig>\n");
    }

    // Puts what the kind names in place of the file.
    static bool replace(const char *file, int kind)
    {
        QFile::remove(file);
        switch (kind) {
        case 0:
            return mkfifo(file, 0644) == 0;
        case 1:
            return QDir().mkdir(file);
        case 2:
            return symlink(file, file) == 0;
        case 3:
            return symlink("/dev/zero", file) == 0;
        default:
            return FileSave::write(file, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18));
        }
    }

private:
    QTemporaryDir dir;
    QString previous;
    Notice::Handler previousHandler;
};

void startWindow(benchmark::State &state)
{
    for (auto _ : state) {
        auto *window = new KMainWindow;
        // Construction only, as in the start-up figures.
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}

// The window built with one configuration file of one kind in place.
void BM_StartBeside(benchmark::State &state)
{
    const char *file = kFiles[state.range(0)];
    const int kind = int(state.range(1));
    state.SetLabel(QString("%1 %2").arg(QFileInfo(file).fileName(), kKinds[kind]).toStdString());
    Workspace workspace;
    if (!Workspace::replace(file, kind)) {
        state.SkipWithError("cannot put the file in place");
        return;
    }
    startWindow(state);
}
BENCHMARK(BM_StartBeside)
    ->ArgsProduct({{0, 1, 2}, {0, 1, 2, 3, 4}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_StartWithLongName(benchmark::State &state)
{
    Workspace workspace;
    Workspace::setLastProgram("./ncfile/AB" + QByteArray(60000, 'x') + "YZ.nc");
    startWindow(state);
}
BENCHMARK(BM_StartWithLongName)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// A height saved on the torch-height page while thcconfig.xml is a pipe.
void BM_HeightSavedThroughAPipe(benchmark::State &state)
{
    Workspace workspace;
    KMainWindow window;
    Workspace::replace(kFiles[2], 0);
    KTHCConfig *heights = window.thc->thc1Config;
    for (auto _ : state) {
        heights->distCKEdit->setText("4.5");
        heights->statusText.clear();
        heights->okButton->click();
        state.PauseTiming();
        if (heights->statusText != QStringLiteral("数据保存失败!"))
            state.SkipWithError("the save was not refused");
        // Each save a click of its own.
        while (clickLock)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HeightSavedThroughAPipe)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(10)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// A speed accepted in its dialog while config.xml is a pipe: the save is
// refused and told in a box.
void BM_SpeedSavedThroughAPipe(benchmark::State &state)
{
    Workspace workspace;
    KMainWindow window;
    Workspace::replace(kFiles[0], 0);
    KConfigCut *speeds = window.menuConfig->cutDialog;
    int told = 0;
    Notice::setHandler([&](const Notice::Request &) {
        ++told;
        return QMessageBox::Ok;
    });
    for (auto _ : state) {
        speeds->cutspeedEdit->setText("2500");
        speeds->accept();
    }
    if (told != int(state.iterations()))
        state.SkipWithError("a save was not refused in a box");
}
BENCHMARK(BM_SpeedSavedThroughAPipe)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_EditorRefusesAPipe(benchmark::State &state)
{
    Workspace workspace;
    mkfifo("ncfile/pipe.nc", 0644);
    QWidget page;
    auto *editor = new KEditor(&page);
    const QString pipe = QDir::currentPath() + "/ncfile/pipe.nc";
    for (auto _ : state) {
        if (editor->loadFile(pipe))
            state.SkipWithError("the pipe was loaded");
    }
}
BENCHMARK(BM_EditorRefusesAPipe)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);

class CountingStatus : public AxisStatusSource
{
public:
    bool read(AxisStatus &status) override
    {
        status.record = ++passes;
        return true;
    }
    std::atomic<int> passes{0};
};

class FixedInputs : public InputSource
{
public:
    quint8 readByte() override
    {
        ++reads;
        return 0xBF;
    }
    std::atomic<int> reads{0};
};

// The axis-status loop and the I/O page's poll, each told to stop once it
// has made a pass: how long the stop waits for the loop to end. `give`
// hands the loop a fresh source and returns its count of passes.
template <class Loop, class Give> void stopAfterAPass(benchmark::State &state, Loop &loop, Give give)
{
    for (auto _ : state) {
        state.PauseTiming();
        const std::atomic<int> &passes = give();
        loop.start();
        while (passes < 1)
            QThread::yieldCurrentThread();
        state.ResumeTiming();
        loop.stopLoop();
    }
}

void BM_StatusLoopStops(benchmark::State &state)
{
    std::array<int, KReadIntThread::kDescriptorCount> fds;
    fds.fill(DeviceIo::kNotOpen);
    KReadIntThread reader(fds, nullptr);
    std::shared_ptr<CountingStatus> source;
    stopAfterAPass(state, reader, [&]() -> const std::atomic<int> & {
        source = std::make_shared<CountingStatus>();
        reader.setStatusSource(source);
        return source->passes;
    });
}
BENCHMARK(BM_StatusLoopStops)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_InputPollStops(benchmark::State &state)
{
    KReadIOThread poll(DeviceIo::kNotOpen, DeviceIo::kNotOpen, nullptr);
    std::shared_ptr<FixedInputs> inputs;
    stopAfterAPass(state, poll, [&]() -> const std::atomic<int> & {
        inputs = std::make_shared<FixedInputs>();
        poll.setInputSource(inputs);
        return inputs->reads;
    });
}
BENCHMARK(BM_InputPollStops)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(icons);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
