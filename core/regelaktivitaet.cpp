#include "core/regelaktivitaet.h"

#include "core/fuzzy.h"
#include "core/zahlenformat.h"

#include <algorithm>

namespace {

// Columns of the table that the inference reads.
int Spalten(const TFuzzy& eingangB)
{
    return eingangB.definiert() ? eingangB.gueltigeAnzahl() : 1;
}

} // namespace

TRegelAktivitaet RegelAktivitaet(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegeltab& tabelle,
                                 const TFuzzy& ausgang)
{
    TRegelAktivitaet r;
    r.zeilen = eingangA.gueltigeAnzahl();
    r.spalten = Spalten(eingangB);
    const int nAusgang = ausgang.gueltigeAnzahl();
    std::array<float, TFuzzy::MaxTerme> bester{};
    std::array<TRegelZelle*, TFuzzy::MaxTerme> massgebend{};
    // Same order as the inference: A outer, B inner.
    for (int i = 1; i <= r.zeilen; ++i) {
        const float muA = eingangA.ZugehoerigkeitOhnePruefung(i);
        for (int j = 1; j <= r.spalten; ++j) {
            TRegelZelle& z = r.zellen[i - 1][j - 1];
            z.ausgang = tabelle(j, i);
            z.grad = eingangB.definiert() ? std::min(muA, eingangB.ZugehoerigkeitOhnePruefung(j)) : muA;
            const int k = z.ausgang;
            if (k < 1 || k > nAusgang || !(z.grad > bester[k - 1]))
                continue;
            bester[k - 1] = z.grad;
            massgebend[k - 1] = &z;
        }
    }
    for (TRegelZelle* z : massgebend)
        if (z) {
            z->massgebend = true;
            r.keineAktiv = false;
        }
    return r;
}

TRegelLuecken RegelLuecken(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegeltab& tabelle,
                           const TFuzzy& ausgang)
{
    TRegelLuecken l;
    const int zeilen = eingangA.gueltigeAnzahl();
    const int spalten = Spalten(eingangB);
    l.felder = zeilen * spalten;
    for (int j = 1; j <= spalten; ++j)
        for (int i = 1; i <= zeilen; ++i) {
            const int k = tabelle(j, i);
            if (k == 0)
                ++l.leer;
            else if (k < 0 || k > ausgang.gueltigeAnzahl())
                l.ungueltig[static_cast<std::size_t>(l.ungueltigAnzahl++)] = {j, i};
        }
    return l;
}

QString RegelLueckenText(const TRegelLuecken& luecken, const TFuzzy& eingangA, const TFuzzy& eingangB)
{
    QString text = QStringLiteral("%1 von %2 Feldern ohne Regel").arg(IntEditText(luecken.leer), IntEditText(luecken.felder));
    if (luecken.ungueltigAnzahl == 0)
        return text;
    text += QStringLiteral("; Ausgangsterm fehlt: ");
    for (int n = 0; n < luecken.ungueltigAnzahl; ++n) {
        const auto [j, i] = luecken.ungueltig[static_cast<std::size_t>(n)];
        if (n > 0)
            text += QStringLiteral(", ");
        text += eingangA.AbkTermname(i);
        if (eingangB.definiert())
            text += QLatin1Char('/') + eingangB.AbkTermname(j);
    }
    return text;
}
