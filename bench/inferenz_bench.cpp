// Inference of a 4 x 4 controller: table form and rule-list form against
// fuzzylite's Mamdani engine (trapezoids, min conjunction and implication, max
// aggregation, centroid), on the same inputs in the same run. The two forms run
// with the best instruction set of the processor (printed first); the table
// form once more on the plain path, which processors without AVX2 take.
#include "core/fuzzy.h"
#include "core/regeltab.h"

#include <benchmark/benchmark.h>
#include <fl/Headers.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

namespace {

using Terme = std::array<std::array<float, 4>, 4>;

const Terme termeA = {{{-5, -5, -3, -1}, {-3, -1, -1, 1}, {-1, 1, 1, 3}, {1, 3, 5, 5}}};
const Terme termeB = {{{-20, -20, -12, -4}, {-12, -4, -4, 4}, {-4, 4, 4, 12}, {4, 12, 20, 20}}};
const Terme termeY = {{{-10, -10, -7, -3}, {-7, -3, -3, 1}, {-1, 3, 3, 7}, {3, 7, 10, 10}}};
// Output term for (B term j, A term i), j outer.
const int tabelle[4][4] = {{1, 1, 2, 3}, {1, 2, 3, 3}, {2, 2, 3, 4}, {2, 3, 4, 4}};

TFuzzy variable(const char* name, float fa, float fb, const Terme& t)
{
    TFuzzy f;
    f.setName(QString::fromLatin1(name));
    f.setDefiniert(true);
    f.setA(fa);
    f.setB(fb);
    f.setAnzahl(4);
    for (int i = 1; i <= 4; ++i) {
        f.setTermname(i, QStringLiteral("t%1").arg(i));
        for (int j = 1; j <= 4; ++j)
            f.setTerm(i, j, t[i - 1][j - 1]);
        f.setTerm(i, 5, 1);
    }
    return f;
}

struct Regler {
    TFuzzy a = variable("A", -5, 5, termeA);
    TFuzzy b = variable("B", -20, 20, termeB);
    TFuzzy y = variable("Y", -10, 10, termeY);
    TRegeltab tab;
    TRegelliste liste{};

    Regler()
    {
        int r = 0;
        for (int j = 1; j <= 4; ++j) {
            for (int i = 1; i <= 4; ++i) {
                tab(j, i) = tabelle[j - 1][i - 1];
                liste[r++] = TRegel{i, j, tabelle[j - 1][i - 1]};
            }
        }
    }
};

std::string termname(int i)
{
    std::string name(1, 't');
    name += std::to_string(i);
    return name;
}

struct FlRegler {
    std::unique_ptr<fl::Engine> engine = std::make_unique<fl::Engine>();
    fl::InputVariable* a = nullptr;
    fl::InputVariable* b = nullptr;
    fl::OutputVariable* y = nullptr;

    static void terme(fl::Variable* v, const Terme& t)
    {
        for (int i = 0; i < 4; ++i)
            v->addTerm(new fl::Trapezoid(termname(i + 1), t[i][0], t[i][1], t[i][2], t[i][3]));
    }

    FlRegler()
    {
        a = new fl::InputVariable("A", -5, 5);
        terme(a, termeA);
        b = new fl::InputVariable("B", -20, 20);
        terme(b, termeB);
        y = new fl::OutputVariable("Y", -10, 10);
        terme(y, termeY);
        y->setDefaultValue(-10);
        engine->addInputVariable(a);
        engine->addInputVariable(b);
        engine->addOutputVariable(y);
        auto* block = new fl::RuleBlock;
        engine->addRuleBlock(block);
        for (int j = 1; j <= 4; ++j) {
            for (int i = 1; i <= 4; ++i) {
                block->addRule(fl::Rule::parse("if A is " + termname(i) + " and B is " + termname(j) +
                                                   " then Y is " + termname(tabelle[j - 1][i - 1]),
                                               engine.get()));
            }
        }
        engine->configure("Minimum", "Maximum", "Minimum", "Maximum", "Centroid", "General");
    }
};

// Inputs inside the universes, away from the shoulders' end points.
std::vector<std::pair<float, float>> eingaben()
{
    std::mt19937 zufall(7);
    std::uniform_real_distribution<float> da(-4.99f, 4.99f), db(-19.9f, 19.9f);
    std::vector<std::pair<float, float>> e(1024);
    for (auto& p : e)
        p = {da(zufall), db(zufall)};
    return e;
}

const std::vector<std::pair<float, float>> proben = eingaben();

// One inference a turn over the sample inputs. Each form gets its own loop:
// sharing one through a member pointer cost the table form a fifth of its speed.
void BM_Tabellenform(benchmark::State& state)
{
    Regler r;
    std::size_t k = 0;
    for (auto _ : state) {
        const auto& [xa, xb] = proben[k++ & 1023];
        r.a.setX(xa);
        r.b.setX(xb);
        RegleAusgang(r.a, r.b, r.tab, r.y);
        benchmark::DoNotOptimize(r.y.Schwerpunktkoordinate());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Tabellenform);

void BM_TabellenformStandard(benchmark::State& state)
{
    Regler r;
    std::size_t k = 0;
    for (auto _ : state) {
        const auto& [xa, xb] = proben[k++ & 1023];
        r.a.setX(xa);
        r.b.setX(xb);
        RegleAusgang(termform::Befehlssatz::Standard, r.a, r.b, r.tab, r.y);
        benchmark::DoNotOptimize(r.y.Schwerpunktkoordinate());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TabellenformStandard);

void BM_Regellistenform(benchmark::State& state)
{
    Regler r;
    std::size_t k = 0;
    for (auto _ : state) {
        const auto& [xa, xb] = proben[k++ & 1023];
        r.a.setX(xa);
        r.b.setX(xb);
        RegleAusgang(r.a, r.b, r.liste, r.y);
        benchmark::DoNotOptimize(r.y.Schwerpunktkoordinate());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Regellistenform);

void BM_Fuzzylite(benchmark::State& state)
{
    FlRegler r;
    std::size_t k = 0;
    for (auto _ : state) {
        const auto& [xa, xb] = proben[k++ & 1023];
        r.a->setValue(xa);
        r.b->setValue(xb);
        r.engine->process();
        benchmark::DoNotOptimize(r.y->getValue());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Fuzzylite);

// Both must agree on every output term's activation before a figure counts.
bool gleicheAktivierung()
{
    Regler r;
    FlRegler f;
    int abweichungen = 0;
    for (const auto& [xa, xb] : proben) {
        r.a.setX(xa);
        r.b.setX(xb);
        RegleAusgang(r.a, r.b, r.tab, r.y);
        f.a->setValue(xa);
        f.b->setValue(xb);
        f.engine->process();
        for (int k = 1; k <= 4; ++k) {
            const double fl = f.y->fuzzyOutput()->activationDegree(f.y->getTerm(k - 1));
            if (std::fabs(fl - r.y.Term(k, 5)) > 1e-6) {
                if (++abweichungen <= 5)
                    std::fprintf(stderr, "A=%g B=%g term %d: %g against fuzzylite %g\n", xa, xb, k,
                                 double(r.y.Term(k, 5)), fl);
            }
        }
    }
    std::printf("activation check: %zu inputs, %d deviations\n", proben.size(), abweichungen);
    return abweichungen == 0;
}

// The rule list and the plain path give the table form's heights and output,
// bit for bit.
bool gleicheErgebnisse()
{
    Regler r;
    Regler liste;
    Regler standard;
    int abweichungen = 0;
    for (const auto& [xa, xb] : proben) {
        for (Regler* q : {&r, &liste, &standard}) {
            q->a.setX(xa);
            q->b.setX(xb);
        }
        RegleAusgang(r.a, r.b, r.tab, r.y);
        RegleAusgang(liste.a, liste.b, liste.liste, liste.y);
        RegleAusgang(termform::Befehlssatz::Standard, standard.a, standard.b, standard.tab, standard.y);
        bool gleich = true;
        for (int k = 1; k <= 5; ++k) {
            gleich = gleich && std::bit_cast<std::uint32_t>(r.y.Term(k, 5)) == std::bit_cast<std::uint32_t>(liste.y.Term(k, 5))
                && std::bit_cast<std::uint32_t>(r.y.Term(k, 5)) == std::bit_cast<std::uint32_t>(standard.y.Term(k, 5));
        }
        const float y = r.y.Schwerpunktkoordinate();
        gleich = gleich && std::bit_cast<std::uint32_t>(y) == std::bit_cast<std::uint32_t>(liste.y.Schwerpunktkoordinate())
            && std::bit_cast<std::uint32_t>(y) == std::bit_cast<std::uint32_t>(standard.y.Schwerpunktkoordinate());
        abweichungen += gleich ? 0 : 1;
    }
    std::printf("instruction set: %s; rule list and plain path against the table form: %d deviations\n",
                termform::Bester() == termform::Befehlssatz::Avx2 ? "AVX2" : "plain", abweichungen);
    return abweichungen == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (!gleicheAktivierung() || !gleicheErgebnisse())
        return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
