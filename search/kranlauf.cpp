#include "search/kranlauf.h"

#include "plant/simulation.h"

#include <cmath>

namespace {

constexpr float ziel = 2;

// The test run's fixed set-up: no setting of the options or the main window
// counts.
constexpr float seillaenge = 2;
constexpr float schrittweite = 0.05f;

} // namespace

bool ZielErreicht(const TPendel& p)
{
    // The cheap parts first: the load is looked at only where they hold.
    return p.Zeit() > 1 && std::fabs(double(p.x()) - ziel) < 0.2 && std::fabs(LastGeschwindigkeit(p)) < 0.1
        && std::fabs(double(LastPosition(p)) - ziel) < 0.1;
}

bool TestlaufEnde(const TPendel& p)
{
    return std::fabs(p.winkel()) > 90 || p.x() < -10 || p.x() > 10 || p.Zeit() > 30;
}

TTestlaufErgebnis Kranlauf(const TRegelsystem& rs, float start, TFuzzy& eingangA, TFuzzy& eingangB,
                           TFuzzy& ausgang, TPendel& pendel, const std::atomic<bool>& stop,
                           TSuchBeobachter* beobachter, const bool* echtzeit)
{
    // The crane type first, so that Init takes the crane's sign of gravity.
    pendel.setPendelTyp(false);
    TEinstellungen werte;
    werte.Pendellaenge = seillaenge;
    werte.Katzenstartposition = start;
    PendelStarten(pendel, werte);
    pendel.setDeltaT(schrittweite);
    if (beobachter) {
        beobachter->zielmarke();
        beobachter->zeigePendel(pendel);
    }

    TTestlaufErgebnis ergebnis;
    for (;;) {
        if (beobachter)
            beobachter->zeigePendel(pendel);
        pendel.Schritt();
        ++ergebnis.Schritte;
        if (beobachter) {
            beobachter->zeigePendel(pendel);
            if (echtzeit && *echtzeit)
                beobachter->pause(50);
            beobachter->ereignisse();
        }
        // The success test reads only the plant: before or after the force is
        // set makes no difference.
        RegellistenRegelung(pendel, eingangA, eingangB, rs, ausgang);
        if (ZielErreicht(pendel))
            ergebnis.GutGenug = true;
        if (beobachter)
            beobachter->zeigeZeit(pendel.Zeit());
        if (stop.load(std::memory_order_relaxed) || TestlaufEnde(pendel) || ergebnis.GutGenug)
            break;
    }
    // Nothing but the force has changed since the last pass's state.
    const float xL = LastPosition(pendel);

    // Summed in extended precision, stored as a 32-bit float.
    long double note = 10.0L * std::fabs(static_cast<long double>(pendel.xdot()));
    note += 30.0L * std::fabs(static_cast<long double>(xL) - ziel);
    note += pendel.Zeit();
    note += std::fabs(static_cast<long double>(pendel.winkeldot()));
    note += std::fabs(static_cast<long double>(pendel.winkel()));
    ergebnis.Bewertungszahl = static_cast<float>(note);
    ergebnis.Zeit = pendel.Zeit();
    return ergebnis;
}
