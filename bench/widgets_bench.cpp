// Drawing against the plant step it accompanies: one bare Schritt, one
// animation frame of the crane on the search window's plot (erase in XOR,
// step, draw), and one update of the membership lines of a five-term
// variable. The frame should stay under 20 us, so that drawing never
// dominates the genetic search; the ratios are printed at the end.
#include "core/fuzzy.h"
#include "plant/pendel.h"
#include "plant/simulation.h"
#include "widgets/fuzzyzeichnen.h"
#include "widgets/koordinatensystem.h"
#include "widgets/pendelzeichnen.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// A crane pushed by a constant force: its values stay away from subnormal
// numbers, and it is put back to the start before it leaves the plot.
TPendel kran()
{
    TPendel p;
    p.setPendelTyp(false);
    PendelStarten(p, {});
    p.setKraft(0.5f);
    p.setDeltaT(0.05f);
    return p;
}

void zurueck(TPendel& p, std::size_t i)
{
    if ((i & 255) == 0) {
        p.setX(-3);
        p.setXdot(0);
    }
}

void BM_Schritt(benchmark::State& state)
{
    TPendel p = kran();
    std::size_t i = 0;
    for (auto _ : state) {
        zurueck(p, ++i);
        p.Schritt();
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_Schritt);

void BM_KranBild(benchmark::State& state)
{
    TKoordinatensystem k;
    k.resize(237, 109);
    k.setSkalenart(TSkala::teilweise);
    k.setKSFarbe(QColor(192, 192, 192));
    k.setXBereich(-4, 4);
    k.setYBereich(-0.1f, 2.5f);
    k.setRasteranzahl(8);
    k.setStiftart(TStiftart::Xor);
    TPendel p = kran();
    ZeigePendel(p, k);
    std::size_t i = 0;
    for (auto _ : state) {
        ZeigePendel(p, k);
        zurueck(p, ++i);
        p.Schritt();
        ZeigePendel(p, k);
    }
    benchmark::DoNotOptimize(k.Bild().constBits());
}
BENCHMARK(BM_KranBild);

void BM_Zugehoerigkeitslinien(benchmark::State& state)
{
    TKoordinatensystem k;
    k.resize(373, 221);
    k.setKSFarbe(QColor(128, 128, 128));
    TFuzzy f;
    f.setName(QStringLiteral("Winkel"));
    f.setDefiniert(true);
    f.setA(-30);
    f.setB(30);
    f.setAnzahl(5);
    const float terme[5][4] = {{-30, -30, -20, -8}, {-20, -10, -10, 0}, {-8, -2, 2, 8}, {0, 10, 10, 20}, {8, 20, 30, 30}};
    for (int i = 1; i <= 5; ++i) {
        f.setTermname(i, QStringLiteral("t%1").arg(i));
        for (int j = 1; j <= 4; ++j)
            f.setTerm(i, j, terme[i - 1][j - 1]);
        f.setTerm(i, 5, 1);
    }
    f.FarbeInit();
    Zeichnen(f, k);
    k.setStiftart(TStiftart::Xor);
    f.setX(-30);
    ZugehoerigkeitZeichnen(f, k);
    float x = -30;
    for (auto _ : state) {
        ZugehoerigkeitZeichnen(f, k);
        x = x >= 30 ? -30 : x + 0.25f;
        f.setX(x);
        ZugehoerigkeitZeichnen(f, k);
    }
    benchmark::DoNotOptimize(k.Bild().constBits());
}
BENCHMARK(BM_Zugehoerigkeitslinien);

// Keeps the time of every run so that the ratios can be printed afterwards.
class Verhaeltnisse : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // CPU time: the machine may be shared, and the ratios are what counts.
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration || r.aggregate_name == "median")
                zeiten[r.run_name.function_name] = r.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void ausgeben() const
    {
        const auto schritt = zeiten.find("BM_Schritt");
        if (schritt == zeiten.end() || schritt->second <= 0)
            return;
        std::printf("\nCPU-Zeit im Verhältnis zu einem Schritt (%.1f ns):\n", schritt->second);
        for (const auto& [name, zeit] : zeiten)
            if (name != "BM_Schritt")
                std::printf("  %-28s %8.1f ns = %6.0f Schritte\n", name.c_str(), zeit, zeit / schritt->second);
    }

private:
    std::map<std::string, double> zeiten;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Verhaeltnisse bericht;
    benchmark::RunSpecifiedBenchmarks(&bericht);
    bericht.ausgeben();
    benchmark::Shutdown();
    return 0;
}
