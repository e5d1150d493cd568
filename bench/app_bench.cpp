// Creating and showing the main window offscreen, against a plain main window
// with a menu bar of the same menus built in the same run.
#include "app/mainform.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <benchmark/benchmark.h>

namespace {

void BM_Hauptfenster(benchmark::State& state)
{
    for (auto _ : state) {
        TMainForm f;
        f.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(f.isVisible());
    }
}
// The first window of a run also pays for loading fonts and the style.
BENCHMARK(BM_Hauptfenster)->Name("BM_Hauptfenster_Erstes")->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Grundlinie_LeeresHauptfenster(benchmark::State& state)
{
    for (auto _ : state) {
        QMainWindow w;
        for (const char* titel : {"&Datei", "&Bearbeiten", "&Fuzzyvariable", "&Regeln", "&Simulation", "&Experiment",
                                  "&Optionen", "&Hilfe"})
            w.menuBar()->addMenu(QString::fromUtf8(titel))->addAction(QStringLiteral("&Eintrag"));
        w.statusBar();
        w.resize(800, 600);
        w.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w.isVisible());
    }
}
BENCHMARK(BM_Grundlinie_LeeresHauptfenster)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_Hauptfenster)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
