// The chromosome-list reader on any bytes: no crash; the list it reads saves
// in the same encoding to bytes that read back to the same lines, and the
// list check accepts exactly lists of valid chromosomes.
#include "search/gendatei.h"
#include "search/regelsystem.h"
#include "tests/fuzz/fuzz_hilfe.h"

using fuzzhilfe::pruefe;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    TGenKodierung kodierung = TGenKodierung::Windows1252;
    const QStringList zeilen = GenZeilen(fuzzhilfe::bytes(daten, groesse), &kodierung);
    for (const QString& z : zeilen)
        pruefe(!z.contains(QLatin1Char('\r')) && !z.contains(QLatin1Char('\n')), "a line holds no line end");

    TGenKodierung wieder = TGenKodierung::Windows1252;
    const QStringList zurueck = GenZeilen(GenBytes(zeilen, kodierung), &wieder);
    pruefe(wieder == kodierung, "the encoding survives a save");
    pruefe(zurueck == zeilen, "save and reload give the same lines");

    bool alleGueltig = zeilen.size() >= 2;
    for (const QString& z : zeilen) {
        const auto rs = ChromosomLesen(z);
        pruefe(rs.has_value() == ChromosomGueltig(z), "a chromosome decodes exactly when it is valid");
        if (rs)
            pruefe(ChromosomText(*rs) == z, "a decoded chromosome codes back to itself");
        alleGueltig = alleGueltig && rs.has_value();
    }
    pruefe(ChromosomenlistePruefen(zeilen) == alleGueltig, "the list check");
    return 0;
}
