// One pass of a hand and of a fuzzy run on the shown panel with its time plot
// (erase, step, draw, inference, time field, lamp, plot, events handed to Qt)
// without its 50 ms wait,
// against the bare model pass of the same run. The panel's fake clock moves
// 50 ms at each reading, so Pause hands events over once and returns.
#include "app/simulationspanel.h"
#include "app/verlauf.h"
#include "core/projekt.h"
#include "plant/simulation.h"
#include "platform/uhr.h"

#include <QApplication>
#include <QCheckBox>

#include <benchmark/benchmark.h>

namespace {

struct Aufbau {
    TProjekt projekt;
    TPendel pendel;
    bool abbruch = false;
    std::int32_t zeitfaktor = 1;
    TEinstellungen einstellungen;
    QWidget fenster;
    TSimulationspanel panel{projekt, pendel, abbruch, zeitfaktor, einstellungen, &fenster};

    explicit Aufbau(const char* beispiel)
    {
        projekt.Dateiname = QStringLiteral(TARVIK_BEISPIELE "/") + QString::fromUtf8(beispiel);
        LoadFile(projekt);
        fenster.resize(800, 600);
        fenster.show();
    }

    // Passes until the benchmark has enough.
    void laufen(benchmark::State& state, void (TSimulationspanel::*start)())
    {
        ScopedUhr uhr(0, 50);
        // Simulated time goes on as in a real run, so the time plot scrolls
        // once a second.
        panel.setFesterSchritt(0.05f);
        panel.setNachDurchlauf([&] {
            if (!state.KeepRunning())
                abbruch = true;
        });
        (panel.*start)();
    }
};

void BM_Grundlinie_ModellDurchlauf(benchmark::State& state)
{
    TProjekt p;
    p.Dateiname = QStringLiteral(TARVIK_BEISPIELE "/kran.fuz");
    LoadFile(p);
    TPendel pendel;
    pendel.setPendelTyp(false);
    PendelStarten(pendel, {});
    for (auto _ : state)
        benchmark::DoNotOptimize(FuzzyDurchlauf(pendel, p.EingangA, p.EingangB, p.Regeltab, p.AusgangKopie, 0.05f));
}
BENCHMARK(BM_Grundlinie_ModellDurchlauf)->Unit(benchmark::kMicrosecond);

void BM_HandDurchlauf_Laufkatze(benchmark::State& state)
{
    Aufbau a("kran.fuz");
    a.panel.Handregelung2Click();
    a.laufen(state, &TSimulationspanel::StartClick);
}
BENCHMARK(BM_HandDurchlauf_Laufkatze)->Unit(benchmark::kMicrosecond);

void BM_FuzzyDurchlauf_Laufkatze(benchmark::State& state)
{
    Aufbau a("kran.fuz");
    a.panel.FuzzyRegelung2Click();
    a.laufen(state, &TSimulationspanel::Start2Click);
}
BENCHMARK(BM_FuzzyDurchlauf_Laufkatze)->Unit(benchmark::kMicrosecond);

// The same fuzzy pass of the crane with the rule activity grid shown (1) and
// hidden (0): what the live grid costs a pass.
void BM_FuzzyDurchlauf_Laufkatze_Regelgitter(benchmark::State& state)
{
    Aufbau a("kran.fuz");
    a.panel.FuzzyRegelung2Click();
    a.panel.Verlauf()->RegelnAnzeigen()->setChecked(state.range(0) != 0);
    a.laufen(state, &TSimulationspanel::Start2Click);
}
BENCHMARK(BM_FuzzyDurchlauf_Laufkatze_Regelgitter)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_FuzzyDurchlauf_Pendel(benchmark::State& state)
{
    Aufbau a("pendel.fuz");
    a.panel.FuzzyRegelung1Click();
    a.laufen(state, &TSimulationspanel::Start2Click);
}
BENCHMARK(BM_FuzzyDurchlauf_Pendel)->Unit(benchmark::kMicrosecond);

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
