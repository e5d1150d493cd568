// The genetic search on the crane example: one test run; one generation of 20
// chromosomes (a fixed first generation) on one and on two threads; and, as the
// baseline, a bare loop of only the Schritt and rule-list inference steps of
// that generation's runs.
#include "core/projekt.h"
#include "core/regeltab.h"
#include "search/evolution.h"
#include "search/kranlauf.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

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
        // A first generation: 20 distinct chromosomes, the same in every run.
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

void BM_Testlauf(benchmark::State& state)
{
    const Beispiel& b = beispiel();
    const TRegelsystem rs = *ChromosomLesen(b.liste.first());
    TFuzzy a = b.projekt.EingangA;
    TFuzzy w = b.projekt.EingangB;
    TFuzzy y = b.projekt.Ausgang;
    TPendel pendel;
    const std::atomic<bool> stop{false};
    int schritte = 0;
    for (auto _ : state) {
        const TTestlaufErgebnis e = Kranlauf(rs, -3, a, w, y, pendel, stop);
        schritte = e.Schritte;
        benchmark::DoNotOptimize(e.Bewertungszahl);
    }
    state.counters["Schritte"] = schritte;
}
BENCHMARK(BM_Testlauf);

void BM_Generation(benchmark::State& state)
{
    const Beispiel& b = beispiel();
    TEvolution e;
    TStandardZufall zufall(1);
    e.setZufall(&zufall);
    e.setThreads(static_cast<int>(state.range(0)));
    e.VariablenUebernehmen({b.projekt.EingangA, b.projekt.EingangB, b.projekt.Ausgang});
    for (auto _ : state) {
        e.setListe(b.liste);
        zufall.Saeen(1);
        e.Starten(1);
        benchmark::DoNotOptimize(e.Liste());
    }
}
BENCHMARK(BM_Generation)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

// The runs the generation makes (each distinct chromosome from each start
// position) with their step counts, replayed without end tests, grading,
// displays or random draws.
void BM_BlankeSchleife(benchmark::State& state)
{
    const Beispiel& b = beispiel();
    struct Lauf {
        TRegelsystem rs;
        float start;
        int schritte;
    };
    std::vector<Lauf> laeufe;
    {
        TFuzzy a = b.projekt.EingangA;
        TFuzzy w = b.projekt.EingangB;
        TFuzzy y = b.projekt.Ausgang;
        TPendel pendel;
        const std::atomic<bool> stop{false};
        for (qsizetype i = 0; i < b.liste.size(); ++i) {
            if (b.liste.indexOf(b.liste[i]) != i)
                continue;
            const TRegelsystem rs = *ChromosomLesen(b.liste[i]);
            for (const float start : StartPosVektor)
                laeufe.push_back({rs, start, Kranlauf(rs, start, a, w, y, pendel, stop).Schritte});
        }
    }
    TFuzzy a = b.projekt.EingangA;
    TFuzzy w = b.projekt.EingangB;
    TFuzzy y = b.projekt.Ausgang;
    long long schritte = 0;
    for (auto _ : state) {
        for (const Lauf& l : laeufe) {
            TPendel pendel;
            pendel.Init();
            pendel.setLaenge(2);
            pendel.setX(l.start);
            for (int s = 0; s < l.schritte; ++s) {
                pendel.Schritt();
                a.setX(pendel.x());
                w.setX(pendel.winkel());
                RegleAusgang(a, w, l.rs, y);
                pendel.setKraft(y.Schwerpunktkoordinate());
            }
            benchmark::DoNotOptimize(pendel);
            schritte += l.schritte;
        }
    }
    state.counters["Schritte"] = static_cast<double>(schritte) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_BlankeSchleife)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
