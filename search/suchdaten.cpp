#include "search/suchdaten.h"

QStringList RegelsystemZeilen(const TRegelsystem& rs, const TFuzzy& eingangA, const TFuzzy& eingangB,
                              const TFuzzy& ausgang)
{
    QStringList zeilen;
    zeilen.reserve(RegelAnzahl);
    for (const TRegel& r : rs)
        zeilen.append(RegelText(r, eingangA, eingangB, ausgang));
    return zeilen;
}
