#include "core/projektverlauf.h"

#include <bit>
#include <cstdint>
#include <utility>

namespace {

// Bit for bit, so that a NaN read from a file equals itself.
bool gleich(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

bool gleicheVariable(const TFuzzy& a, const TFuzzy& b)
{
    if (a.definiert() != b.definiert() || a.Anzahl() != b.Anzahl() || a.Name() != b.Name() || !gleich(a.a(), b.a())
        || !gleich(a.b(), b.b()))
        return false;
    for (int i = 1; i <= a.gueltigeAnzahl(); ++i) {
        if (a.Termname(i) != b.Termname(i))
            return false;
        for (int j = 1; j <= 5; ++j)
            if (!gleich(a.Term(i, j), b.Term(i, j)))
                return false;
    }
    return true;
}

} // namespace

bool GleicherInhalt(const TProjekt& a, const TProjekt& b)
{
    return a.Regeltab == b.Regeltab && gleicheVariable(a.EingangA, b.EingangA)
        && gleicheVariable(a.EingangB, b.EingangB) && gleicheVariable(a.Ausgang, b.Ausgang);
}

TProjektverlauf::TProjektverlauf(const TProjekt& anfang)
    : staende{anfang}
{
}

void TProjektverlauf::Merken(const TProjekt& projekt)
{
    if (GleicherInhalt(projekt, staende[aktuell])) {
        staende[aktuell] = projekt;
        return;
    }
    staende.resize(aktuell + 1);
    staende.push_back(projekt);
    if (staende.size() > MaxSchritte + 1)
        staende.erase(staende.begin());
    aktuell = staende.size() - 1;
}

void TProjektverlauf::Gespeichert(const TProjekt& projekt)
{
    staende[aktuell] = projekt;
    for (std::size_t n = 0; n < staende.size(); ++n) {
        TProjekt& stand = staende[n];
        if (n != aktuell && stand.Dateiname == projekt.Dateiname)
            stand.Geaendert = !GleicherInhalt(stand, projekt);
    }
}

bool TProjektverlauf::Rueckgaengig(TProjekt& projekt)
{
    Merken(projekt);
    if (!RueckgaengigMoeglich())
        return false;
    projekt = staende[--aktuell];
    return true;
}

bool TProjektverlauf::Wiederherstellen(TProjekt& projekt)
{
    Merken(projekt);
    if (!WiederherstellenMoeglich())
        return false;
    projekt = staende[++aktuell];
    return true;
}
