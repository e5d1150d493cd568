// The search window: a generation of 20 chromosomes "möglichst schnell" in
// the shown window (its progress curve open), on one thread (the plot drawing
// every step) and on two (the window's thread grades beside a worker, the
// window shows the last graded chromosome's last picture), against the same generation without a window on
// one and two threads; and the processor time the window takes while it waits "in
// Echtzeit". The figure to watch: BM_GenerationImFenster/2 against
// BM_GenerationOhneFenster/1; BM_GenerationOhneFenster/2 is what the engine
// alone makes of two threads at the same moment.
#include "core/projekt.h"
#include "forms/cregelform.h"
#include "forms/parameterform.h"
#include "forms/protokollform.h"
#include "forms/suchenform.h"

#include <QApplication>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

struct Beispiel {
    TProjekt projekt;
    QStringList liste;

    Beispiel()
    {
        projekt.Dateiname = QStringLiteral(TARVIK_BEISPIELE "/kran.fuz");
        if (LoadFile(projekt).meldung) {
            std::fprintf(stderr, "Beispiel nicht lesbar\n");
            std::exit(1);
        }
        TEvolution e;
        TStandardZufall zufall(1);
        e.setZufall(&zufall);
        e.Erzeugen();
        liste = e.Liste();
    }
};

const Beispiel& beispiel()
{
    static const Beispiel b;
    return b;
}

// Stops the real-time search after a number of its waits.
class TEchtzeitForm : public TSuchenForm {
public:
    using TSuchenForm::TSuchenForm;
    int pausen = 0;
    int grenze = 0;
    void pause(int ms) override
    {
        TSuchenForm::pause(ms);
        if (++pausen >= grenze)
            StopButtonClick();
    }
};

struct Fenster {
    TParameterForm parameter;
    TProtokollform protokoll;
    TCRegelform cregel;
    TEchtzeitForm form{parameter, protokoll, cregel};
    TStandardZufall zufall{1};

    Fenster()
    {
        const Beispiel& b = beispiel();
        form.setZufall(&zufall);
        form.oeffnen({b.projekt.EingangA, b.projekt.EingangB, b.projekt.Ausgang});
        form.show();
        // The progress curve beside it, as a class would watch it.
        form.VerlaufButtonClick();
        QApplication::processEvents();
    }
};

// Each measurement is a search of this many generations from the same first
// list and seed, so that the window and the engine alone grade the very same
// chromosomes; what a Start costs once (emptying the log and the curve) is
// spread over them as in a real search.
constexpr int Generationen = 10;

// Processor time of the whole process (every thread), in ms.
double ProzessMs()
{
    std::timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return 1e3 * double(t.tv_sec) + 1e-6 * double(t.tv_nsec);
}

// The time of one generation; the counter "Prozess_ms" is the processor time
// of all threads per generation. On a busy machine the real time says little
// about two threads; the counter says how much work they add.
void Suche(benchmark::State& state, TEvolution& e, TStandardZufall& zufall)
{
    double prozess = 0;
    for (auto _ : state) {
        e.setListe(beispiel().liste);
        zufall.Saeen(1);
        const double p0 = ProzessMs();
        const auto start = std::chrono::steady_clock::now();
        e.Starten(Generationen);
        const double wand = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        prozess += ProzessMs() - p0;
        state.SetIterationTime(wand / Generationen);
        benchmark::DoNotOptimize(e.Liste());
    }
    state.counters["Prozess_ms"] = prozess / Generationen / double(state.iterations());
}

void BM_GenerationOhneFenster(benchmark::State& state)
{
    const Beispiel& b = beispiel();
    TEvolution e;
    TStandardZufall zufall(1);
    e.setZufall(&zufall);
    e.setThreads(static_cast<int>(state.range(0)));
    e.VariablenUebernehmen({b.projekt.EingangA, b.projekt.EingangB, b.projekt.Ausgang});
    Suche(state, e, zufall);
}
// The reported time is per generation, a tenth of a measured search: a short
// minimum keeps the real time of a run within seconds.
BENCHMARK(BM_GenerationOhneFenster)->Arg(1)->Arg(2)->UseManualTime()->MinTime(0.05)->Unit(benchmark::kMillisecond);

void BM_GenerationImFenster(benchmark::State& state)
{
    Fenster f;
    TEvolution& e = f.form.Evolution();
    e.setThreads(static_cast<int>(state.range(0)));
    Suche(state, e, f.zufall);
}
BENCHMARK(BM_GenerationImFenster)->Arg(1)->Arg(2)->UseManualTime()->MinTime(0.05)->Unit(benchmark::kMillisecond);

// "in Echtzeit": 40 steps of 50 ms; the counter is the share of one core.
void BM_EchtzeitProzessorlast(benchmark::State& state)
{
    Fenster f;
    f.form.Echtzeit()->setChecked(true);
    double anteil = 0;
    for (auto _ : state) {
        f.form.listeGeaendert(beispiel().liste);
        f.form.pausen = 0;
        f.form.grenze = 40;
        std::timespec cpu0{};
        std::timespec cpu1{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu0);
        const auto start = std::chrono::steady_clock::now();
        f.form.StartButtonClick();
        const double wand = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu1);
        const double cpu = double(cpu1.tv_sec - cpu0.tv_sec) + 1e-9 * double(cpu1.tv_nsec - cpu0.tv_nsec);
        anteil = cpu / wand;
    }
    state.counters["Prozessorlast_%"] = 100 * anteil;
}
BENCHMARK(BM_EchtzeitProzessorlast)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
