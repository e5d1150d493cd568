#pragma once

#include "core/fuzzy.h"
#include "search/evolution.h"
#include "search/kranlauf.h"
#include "search/regelsystem.h"
#include "tests/fuzzy_hilfe.h"

#include <QStringList>

#include <array>
#include <vector>

namespace suchtest {

using Terme = std::array<std::array<float, 4>, 4>;

inline TFuzzy variable(const char* name, float fa, float fb, const std::array<const char*, 4>& namen,
                       const Terme& t)
{
    TFuzzy f = fuzzytest::trapezVariable(fa, fb, {t[0], t[1], t[2], t[3]});
    f.setName(QString::fromUtf8(name));
    for (int i = 1; i <= 4; ++i)
        f.setTermname(i, QString::fromUtf8(namen[i - 1]));
    return f;
}

// The crane project of the examples: trolley position, rope angle, force.
inline TFuzzy position()
{
    return variable("Position", -10, 10, {"weit links", "links", "am Ziel", "rechts"},
                    {{{-10, -10, -1, 1}, {-1, 1, 1.5f, 2}, {1.5f, 2, 2, 2.5f}, {2, 2.5f, 10, 10}}});
}
inline TFuzzy winkel()
{
    return variable("Winkel", -90, 90, {"stark links", "links", "rechts", "stark rechts"},
                    {{{-90, -90, -10, -4}, {-10, -4, -1, 1}, {-1, 1, 4, 10}, {4, 10, 90, 90}}});
}
inline TFuzzy kraft()
{
    return variable("Kraft", -10, 10, {"links", "null", "rechts", "stark rechts"},
                    {{{-10, -10, -5, -1}, {-1.5f, 0, 0, 1.5f}, {1, 5, 5, 9}, {5, 9, 10, 10}}});
}

// Every position term with angle "links" or "rechts" concludes "null": at
// angle 0 the force is 0 wherever the cart stands, so it never moves.
inline QString stillstand(int variante = 0)
{
    TRegelsystem rs{};
    for (int k = 0; k < 16; ++k)
        rs[k] = TRegel{k % 4 + 1, (k / 4 + variante) % 2 + 2, 2};
    return ChromosomText(rs);
}

inline TSuchVariablen kran()
{
    return TSuchVariablen{position(), winkel(), kraft()};
}

inline void kranVariablen(TEvolution& e)
{
    e.VariablenUebernehmen(kran());
}

// Records what the engine shows and asks.
struct TAufzeichnung : TSuchBeobachter {
    QStringList protokoll;
    std::vector<TMeldung> meldungen;
    std::vector<int> chromosomNr, testlaufNr, generation;
    int zielmarken = 0, pendelBilder = 0, pausen = 0, leerungen = 0, plotLeerungen = 0;
    int schritteBisStop = -1;       // stop after this many hand-overs, when >= 0
    int protokollPlatz = 1 << 30;   // lines the log takes
    TEvolution* evolution = nullptr;

    void zeigeGeneration(int g) override { generation.push_back(g); }
    void zeigeChromosomNr(int i) override { chromosomNr.push_back(i); }
    void zeigeTestlaufNr(int k) override { testlaufNr.push_back(k); }
    void protokollLeeren() override
    {
        protokoll.clear();
        ++leerungen;
    }
    bool protokolliere(const QString& zeile) override
    {
        if (protokoll.size() >= protokollPlatz)
            return false;
        protokoll << zeile;
        return true;
    }
    void plotLoeschen() override { ++plotLeerungen; }
    void zielmarke() override { ++zielmarken; }
    void zeigePendel(const TPendel&) override { ++pendelBilder; }
    void pause(int ms) override { pausen += ms == 50 ? 1 : 1000; }
    void ereignisse() override
    {
        if (schritteBisStop >= 0 && evolution && schritteBisStop-- == 0)
            evolution->Anhalten();
    }
    void meldung(const TMeldung& m) override { meldungen.push_back(m); }
};

} // namespace suchtest
