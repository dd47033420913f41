// A key's effect: F1 to F6 on the configuration page, from the key press to
// its parameter dialog shown.
// The tests only wait for these; the figures tell how soon they come.

#include "app/base/KButton.h"
#include "app/base/KeyOrder.h"
#include "config/KConfigBase.h"
#include "config/KConfigCut.h"
#include "config/KConfigDLZ.h"
#include "config/KConfigFire.h"
#include "config/KConfigLaser.h"
#include "config/KConfigPF.h"
#include "config/KMenuConfig.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// Runs the event loop until `done` holds; false after 10 s.
template <class Done> bool turnUntil(Done done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 10000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

void BM_KeyOpensConfigDialog(benchmark::State &state)
{
    const int k = int(state.range(0));
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QWidget window;
    window.resize(1024, 748);
    auto *page = new KMenuConfig(&window);
    page->setGeometry(0, 686, 1024, 60);
    // Keys reach the page as they do in the program.
    KeyOrder::install();
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("the page did not become active");
        return;
    }
    const QList<QDialog *> dialogs = {page->baseDialog, page->cutDialog, page->fireDialog,
                                      page->pfDialog,   page->dlzDialog, page->laserDialog};
    QDialog *dialog = dialogs.at(k - 1);
    const char *const names[] = {"F1 基本参数", "F2 速度参数",   "F3 火焰参数",
                                 "F4 喷粉参数", "F5 等离子参数", "F6 激光位置"};
    state.SetLabel(names[k - 1]);
    for (auto _ : state) {
        QTest::keyClick(&window, Qt::Key(Qt::Key_F1 + k - 1));
        if (!turnUntil([&] { return dialog->isVisible(); })) {
            state.SkipWithError("the dialog did not show");
            break;
        }
        state.PauseTiming();
        dialog->hide();
        QApplication::setActiveWindow(&window);
        // The page's key is up and the click lock free again.
        (void)turnUntil([&] { return window.isActiveWindow() && !clickLock; });
        state.ResumeTiming();
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_KeyOpensConfigDialog)
    ->DenseRange(1, 6)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
