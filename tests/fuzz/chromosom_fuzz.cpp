// Chromosome decoding on any text and the rule-list inference on what it
// decodes, with the crane's variables: no crash, no fatal term-index error, an
// output within the output's universe.
#include "core/regeltab.h"
#include "search/regelsystem.h"
#include "tests/fuzz/fuzz_hilfe.h"
#include "tests/search/suchhilfe.h"

#include <cmath>
#include <cstring>

using fuzzhilfe::pruefe;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    fuzzhilfe::fatalAlsAbsturz();
    static TFuzzy a = suchtest::position();
    static TFuzzy b = suchtest::winkel();
    static const TFuzzy ausgang = suchtest::kraft();

    // The chromosome first, then two floats for the inputs.
    const std::size_t laenge = std::min<std::size_t>(groesse, ChromosomLaenge);
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(laenge));
    TRegelsystem tolerant{};
    StringToRegelsystem(text, tolerant);
    const auto rs = ChromosomLesen(text);
    pruefe(rs.has_value() == ChromosomGueltig(text), "a chromosome decodes exactly when it is valid");
    if (!rs)
        return 0;
    pruefe(*rs == tolerant, "both decoders agree on a valid chromosome");
    pruefe(ChromosomText(*rs) == text, "a decoded chromosome codes back to itself");
    for (const TRegel& r : *rs)
        pruefe(r.EingangA >= 1 && r.EingangA <= 4 && r.EingangB >= 1 && r.EingangB <= 4 && r.Ausgang >= 1
                   && r.Ausgang <= 4,
               "every gene names one of four terms");

    float x[2] = {0, 0};
    const std::size_t rest = groesse - laenge;
    std::memcpy(x, daten + laenge, std::min(rest, sizeof x));
    for (float& w : x) {
        if (!std::isfinite(w))
            w = 0;
    }
    a.setX(x[0]);
    b.setX(x[1]);
    TFuzzy kopie;
    kopie.assign(ausgang);
    RegleAusgang(a, b, *rs, kopie);
    const float y = kopie.Schwerpunktkoordinate();
    pruefe(y >= ausgang.a() && y <= ausgang.b(), "the output lies in its universe");
    return 0;
}
