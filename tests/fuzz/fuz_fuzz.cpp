// The project reader on any bytes: no crash, no endless loop; whatever it
// reads saves to bytes that read back to the same project, and nothing saved
// is a real no reader takes.
#include "core/projekt.h"
#include "core/regeltab.h"
#include "tests/fuzz/fuzz_hilfe.h"

#include <cmath>

using fuzzhilfe::pruefe;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    fuzzhilfe::fatalAlsAbsturz();
    TProjekt p;
    if (!ProjektLesen(fuzzhilfe::bytes(daten, groesse), p)) {
        pruefe(!p.EingangA.definiert() && !p.EingangB.definiert() && !p.Ausgang.definiert(),
               "a refused file leaves an empty project");
        pruefe(p.Regeltab == TRegeltab{}, "a refused file leaves an empty rule table");
        return 0;
    }
    for (const TFuzzy* f : {&p.EingangA, &p.EingangB, &p.Ausgang}) {
        pruefe(f->Anzahl() >= 0 && f->Anzahl() <= TFuzzy::MaxTerme, "term count within 0..5");
        pruefe(std::isfinite(f->a()) && std::isfinite(f->b()), "finite universe");
        for (int i = 1; i <= f->gueltigeAnzahl(); ++i)
            for (int j = 1; j <= 5; ++j)
                pruefe(std::isfinite(f->Term(i, j)), "finite term values");
    }

    const QByteArray gespeichert = ProjektBytes(p);
    pruefe(!gespeichert.contains("INF") && !gespeichert.contains("NAN"), "no INF or NAN written");
    TProjekt zurueck;
    pruefe(ProjektLesen(gespeichert, zurueck), "a saved project reads back");
    pruefe(ProjektBytes(zurueck) == gespeichert, "save and reload give the same bytes");
    pruefe(zurueck.Regeltab == p.Regeltab, "the rule table survives the round trip");

    // The inference on what was read, with the inputs at the universes' middles.
    if (p.EingangA.definiert() && p.Ausgang.definiert()) {
        p.EingangA.setX(static_cast<float>((double(p.EingangA.a()) + p.EingangA.b()) / 2));
        p.EingangB.setX(static_cast<float>((double(p.EingangB.a()) + p.EingangB.b()) / 2));
        TFuzzy kopie;
        kopie.assign(p.Ausgang);
        RegleAusgang(p.EingangA, p.EingangB, p.Regeltab, kopie);
        (void)kopie.Schwerpunktkoordinate();
    }
    return 0;
}
