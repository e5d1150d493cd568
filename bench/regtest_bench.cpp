// The rule tester's pictures: one frame of the 3-D chart (400 boxes, 627 x 539,
// view angle 50) against a plain fill of the same image, and one scroll step
// of the tester (erase the lines, inference, output plot, labels) without and
// with the rule activity grid. A frame should stay under 8 ms, so that turning
// the chart by mouse keeps up with the screen; the grid should cost a step at
// most a fifth more. The ratios are printed at the end.
#include "core/kennfeldfarben.h"
#include "core/projekt.h"
#include "forms/ddgraphform.h"
#include "forms/regtestform.h"
#include "widgets/aktivitaetsgitter.h"
#include "widgets/farbe.h"
#include "widgets/flaechendiagramm3d.h"
#include "widgets/koordinatensystem.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

TProjekt pendel()
{
    TProjekt p;
    p.Dateiname = QStringLiteral(TARVIK_BEISPIELE "/pendel.fuz");
    LoadFile(p);
    return p;
}

void BM_BildFuellen(benchmark::State& state)
{
    QImage bild(627, 539, QImage::Format_RGB32);
    for (auto _ : state) {
        bild.fill(Qt::white);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_BildFuellen);

void BM_Diagramm3D(benchmark::State& state)
{
    TProjekt p = pendel();
    TFuzzy aus = p.Ausgang;
    const TKennfeld werte = Kennfeld(p.EingangA, p.EingangB, p.Regeltab, aus);
    const TKennfeldFarben farben = KennfeldFarben(werte);
    TFlaechendiagramm3D c;
    c.resize(627, 539);
    c.setBlickwinkel(50);
    c.setAchsentitel(QStringLiteral("Winkelgeschwindigkeit"), QStringLiteral("Winkel"), QStringLiteral("Kraft"));
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 20; ++j)
            c.PunktAnfuegen(i, werte[i][j], qFarbe(farben[i][j]));
    for (auto _ : state) {
        c.Zeichnen();
        benchmark::DoNotOptimize(c.Bild().constBits());
    }
}
BENCHMARK(BM_Diagramm3D)->Unit(benchmark::kMicrosecond);

// One scroll step of input A. Gitter: 0 = the rule activity grid hidden,
// 1 = shown (drawn at the next screen refresh, as Qt does), 2 = shown and
// drawn at every step.
void Testerschritt(benchmark::State& state, int gitter)
{
    const TProjekt p = pendel();
    TDDGraphForm graph;
    TRegTestForm f(&graph);
    f.Regelaktivitaet()->setVisible(gitter > 0);
    f.oeffnen({p.EingangA, p.EingangB, p.Ausgang, p.Regeltab});
    f.ScrollBar2()->setValue(77);
    int pos = 0;
    for (auto _ : state) {
        pos = pos >= 200 ? 1 : pos + 1;
        f.ScrollBar1()->setValue(pos);
        if (gitter == 2)
            benchmark::DoNotOptimize(f.Regelaktivitaet()->Bild().constBits());
    }
    benchmark::DoNotOptimize(f.Koordinatensystem3()->Bild().constBits());
}

void BM_Testerschritt(benchmark::State& state)
{
    Testerschritt(state, 0);
}
BENCHMARK(BM_Testerschritt)->Unit(benchmark::kMicrosecond);

void BM_TesterschrittMitGitter(benchmark::State& state)
{
    Testerschritt(state, 1);
}
BENCHMARK(BM_TesterschrittMitGitter)->Unit(benchmark::kMicrosecond);

void BM_TesterschrittGitterGemalt(benchmark::State& state)
{
    Testerschritt(state, 2);
}
BENCHMARK(BM_TesterschrittGitterGemalt)->Unit(benchmark::kMicrosecond);

class Verhaeltnisse : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration || r.aggregate_name == "median")
                zeiten[r.run_name.function_name] = r.GetAdjustedCPUTime() * faktor(r.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }

    void ausgeben() const
    {
        const auto basis = zeiten.find("BM_BildFuellen");
        if (basis == zeiten.end() || basis->second <= 0)
            return;
        std::printf("\nCPU-Zeit im Verhältnis zum Füllen des Bildes (%.1f us):\n", basis->second);
        for (const auto& [name, zeit] : zeiten)
            if (name != "BM_BildFuellen")
                std::printf("  %-30s %10.1f us = %7.1f x\n", name.c_str(), zeit, zeit / basis->second);
        const auto ohne = zeiten.find("BM_Testerschritt");
        if (ohne == zeiten.end() || ohne->second <= 0)
            return;
        std::printf("\nIm Verhältnis zum Schritt ohne Regelaktivität (%.1f us):\n", ohne->second);
        for (const char* name : {"BM_TesterschrittMitGitter", "BM_TesterschrittGitterGemalt"})
            if (const auto z = zeiten.find(name); z != zeiten.end())
                std::printf("  %-30s %6.2f x\n", name, z->second / ohne->second);
    }

private:
    static double faktor(benchmark::TimeUnit einheit)
    {
        switch (einheit) {
        case benchmark::kNanosecond: return 1e-3;
        case benchmark::kMicrosecond: return 1;
        case benchmark::kMillisecond: return 1e3;
        default: return 1e6;
        }
    }
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
