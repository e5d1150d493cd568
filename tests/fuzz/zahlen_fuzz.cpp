// The number readers of project files, edit fields and command-line arguments
// on any text, and the formats they read back: no crash, finite values only,
// and every text the program writes reads back to a value it would write the
// same way.
#include "cli/werkzeug.h"
#include "core/zahlenformat.h"
#include "tests/fuzz/fuzz_hilfe.h"

#include <cmath>
#include <cstring>

using fuzzhilfe::pruefe;

namespace {

void realZeile(float wert)
{
    const QString zeile = RealZeile(wert);
    const auto gelesen = LiesReal(zeile);
    pruefe(gelesen.has_value(), "a real line reads back");
    pruefe(RealZeile(*gelesen) == zeile, "a real line is a fixed point of write and read");
}

void singEdit(float wert)
{
    const QString text = SingEditText(wert);
    const float gelesen = SingEditZahl(text);
    pruefe(std::isfinite(gelesen), "an edit field reads a finite value");
    pruefe(SingEditText(gelesen) == text, "an edit field's text reads back to itself");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray roh = fuzzhilfe::bytes(daten, groesse);
    // Latin-1 gives every byte a character, non-ASCII ones included.
    const QString text = QString::fromLatin1(roh);

    if (const auto wert = LiesReal(text)) {
        pruefe(std::isfinite(*wert), "a file real is finite");
        realZeile(*wert);
        singEdit(*wert);
    }
    if (const auto wert = LiesGanzzahl(text))
        pruefe(LiesGanzzahl(IntEditText(*wert)) == wert, "an integer line reads back");
    const float feld = SingEditZahl(text);
    pruefe(std::isfinite(feld), "an edit field is finite");
    singEdit(feld);
    const std::int32_t ganz = IntEditZahl(text);
    pruefe(IntEditZahl(IntEditText(ganz)) == ganz, "an integer field reads back");
    if (const auto wert = ZahlArgument(text)) {
        pruefe(std::isfinite(*wert), "a command-line number is finite");
        pruefe(ZahlArgument(Zahl(*wert)) == wert, "a printed number reads back exactly");
    }

    // The formats on any bit pattern: a double, its float, a precision.
    if (groesse >= sizeof(double) + 2) {
        double d = 0;
        std::memcpy(&d, daten, sizeof d);
        const int stellen = daten[sizeof d] % 12;
        const int breite = daten[sizeof d + 1] % 16;
        const QString fest = FestKomma(d, stellen, breite);
        pruefe(fest.size() >= breite, "fixed point fills its width");
        if (std::isfinite(d)) {
            const auto zurueck = LiesReal(fest.trimmed());
            pruefe(!zurueck || std::isfinite(*zurueck), "fixed point reads as a finite real or none");
            pruefe(!GleitZahl(d, stellen + 1).isEmpty(), "the short form is never empty");
        }
        const float f = static_cast<float>(d);
        if (std::isfinite(f)) {
            realZeile(f);
            singEdit(f);
            (void)ProtokollZahl(f);
        }
    }
    return 0;
}
