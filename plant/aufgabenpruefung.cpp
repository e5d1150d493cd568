#include "plant/aufgabenpruefung.h"

#include "core/projekt.h"
#include "core/regelaktivitaet.h"
#include "core/zahlenformat.h"
#include "plant/simulation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

float wert(const TPruefzeile& z, TMessgroesse g)
{
    switch (g) {
    case TMessgroesse::Position:
        return z.x;
    case TMessgroesse::Geschwindigkeit:
        return z.xdot;
    case TMessgroesse::Winkel:
        return z.winkel;
    case TMessgroesse::Winkelgeschwindigkeit:
        return z.winkeldot;
    case TMessgroesse::Kraft:
        return z.kraft;
    }
    return 0;
}

QString zeit(float t)
{
    return FestKomma(t, 2, 0) + QStringLiteral(" s");
}

QString messzahl(double w)
{
    if (std::fabs(w) >= 1e5)
        return GleitZahl(w, 3);
    return FestKomma(w, 2, 0);
}

// A value outside its bounds, rounded away from them, so that the figure
// never looks as if it were inside.
QString ausserhalb(float v, const TBereich& b)
{
    if (!std::isfinite(v))
        return QStringLiteral(" ohne endlichen Wert");
    const double d = v;
    const double gerundet = std::fabs(d) >= 1e5 ? d : (d > b.maximum ? std::ceil(d * 100) : std::floor(d * 100)) / 100;
    return QLatin1Char(' ') + messzahl(gerundet) + Einheit(b.groesse);
}

TPrueflauf lauf(const TAufgabe& aufgabe, const TProjekt& projekt, float start)
{
    TFuzzy eingangA, eingangB, ausgangKopie;
    eingangA.assign(projekt.EingangA);
    eingangB.assign(projekt.EingangB);
    ausgangKopie.assign(projekt.Ausgang);
    TEinstellungen werte;
    werte.Pendellaenge = aufgabe.laenge;
    if (aufgabe.pendel)
        werte.Startwinkel = start;
    else
        werte.Katzenstartposition = start;
    TPendel pendel;
    pendel.setPendelTyp(aufgabe.pendel);
    PendelStarten(pendel, werte, aufgabe.wind ? Windkraft : 0.0f);
    pendel.setDeltaT(AufgabenSchritt);

    TPrueflauf l;
    l.start = start;
    const int n = Schrittzahl(aufgabe.dauer);
    l.zeilen.reserve(static_cast<std::size_t>(n) + 1);
    l.zeilen.push_back(Pruefzeile(pendel, AmpelGruen(pendel)));
    for (int k = 0; k < n; ++k) {
        const bool gruen = FuzzyDurchlauf(pendel, eingangA, eingangB, projekt.Regeltab, ausgangKopie, AufgabenSchritt);
        l.zeilen.push_back(Pruefzeile(pendel, gruen));
    }
    return l;
}

// What one condition found in all runs.
struct Befund {
    bool erfuellt = true;
    QString messwert;
    int lauf = 0;
    std::optional<float> stelle;
};

Befund bereichPruefen(const TBereich& b, const std::vector<TPrueflauf>& laeufe)
{
    Befund befund;
    float kleinster = std::numeric_limits<float>::infinity();
    float groesster = -kleinster;
    for (std::size_t r = 0; r < laeufe.size(); ++r) {
        const auto& zeilen = laeufe[r].zeilen;
        const int bis = std::min(LetzteZeile(b.bis), static_cast<int>(zeilen.size()) - 1);
        for (int k = std::max(ErsteZeile(b.ab), 0); k <= bis; ++k) {
            const TPruefzeile& z = zeilen[static_cast<std::size_t>(k)];
            const float v = wert(z, b.groesse);
            if (!(b.minimum <= v && v <= b.maximum)) {
                befund.erfuellt = false;
                befund.messwert = Groessenname(b.groesse) + ausserhalb(v, b) + QStringLiteral(" bei ") + zeit(z.zeit);
                befund.lauf = static_cast<int>(r);
                befund.stelle = z.zeit;
                return befund;
            }
            kleinster = std::min(kleinster, v);
            groesster = std::max(groesster, v);
        }
    }
    if (kleinster > groesster) {
        befund.messwert = Groessenname(b.groesse) + QStringLiteral(": keine Zeile im Zeitraum");
        return befund;
    }
    const QString einheit = Einheit(b.groesse);
    befund.messwert = QStringLiteral("%1 zwischen %2 und %3")
                          .arg(Groessenname(b.groesse), messzahl(kleinster) + einheit, messzahl(groesster) + einheit);
    return befund;
}

Befund lampePruefen(float spaetestens, const std::vector<TPrueflauf>& laeufe)
{
    Befund befund;
    std::optional<float> spaetestesGruen;
    for (std::size_t r = 0; r < laeufe.size(); ++r) {
        const auto& zeilen = laeufe[r].zeilen;
        const int bis = std::min(LetzteZeile(spaetestens), static_cast<int>(zeilen.size()) - 1);
        std::optional<float> gruen;
        for (int k = 0; k <= bis && !gruen; ++k) {
            if (zeilen[static_cast<std::size_t>(k)].gruen)
                gruen = zeilen[static_cast<std::size_t>(k)].zeit;
        }
        if (!gruen) {
            befund.erfuellt = false;
            befund.messwert = QStringLiteral("nicht grün bis ") + AufgabenZahl(spaetestens) + QStringLiteral(" s");
            befund.lauf = static_cast<int>(r);
            befund.stelle = spaetestens;
            return befund;
        }
        if (!spaetestesGruen || *gruen > *spaetestesGruen) {
            spaetestesGruen = gruen;
            befund.lauf = static_cast<int>(r);
        }
    }
    befund.messwert = QStringLiteral("grün nach ") + zeit(*spaetestesGruen);
    befund.stelle = spaetestesGruen;
    return befund;
}

QString startText(const TAufgabe& a, float start)
{
    return a.pendel ? QStringLiteral(", Startwinkel ") + AufgabenZahl(start) + QStringLiteral("°")
                    : QStringLiteral(", Start bei ") + AufgabenZahl(start) + QStringLiteral(" m");
}

} // namespace

TPruefzeile Pruefzeile(const TPendel& pendel, bool gruen)
{
    return {pendel.Zeit(), pendel.x(), pendel.xdot(), pendel.winkel(), pendel.winkeldot(), pendel.Kraft(), gruen};
}

QString TPruefergebnis::Urteil() const
{
    return bestanden ? PruefTexte::bestanden : PruefTexte::nichtBestanden;
}

QString TPruefergebnis::Text() const
{
    return Urteil() + QStringLiteral(": ") + messwert;
}

int Regelanzahl(const TProjekt& p)
{
    const TRegelLuecken l = RegelLuecken(p.EingangA, p.EingangB, p.Regeltab, p.Ausgang);
    return l.felder - l.leer - l.ungueltigAnzahl;
}

TPruefergebnis AufgabePruefen(const TAufgabe& aufgabe, const TProjekt& projekt)
{
    TPruefergebnis e;
    if (!projekt.EingangA.definiert() || !projekt.EingangB.definiert() || !projekt.Ausgang.definiert()) {
        e.messwert = PruefTexte::nichtDefiniert;
        return e;
    }
    for (float start : aufgabe.starts)
        e.laeufe.push_back(lauf(aufgabe, projekt, start));

    std::vector<Befund> befunde;
    for (const TBereich& b : aufgabe.bereiche)
        befunde.push_back(bereichPruefen(b, e.laeufe));
    if (aufgabe.gruenSpaetestens)
        befunde.push_back(lampePruefen(*aufgabe.gruenSpaetestens, e.laeufe));
    const bool mehrereLaeufe = e.laeufe.size() > 1;
    auto uebernehmen = [&](const Befund& b) {
        e.messwert = b.messwert;
        if (mehrereLaeufe && b.stelle)
            e.messwert += startText(aufgabe, e.laeufe[static_cast<std::size_t>(b.lauf)].start);
        e.lauf = b.lauf;
        e.stelle = b.stelle;
    };

    // The means come first: a controller with too many rules fails whatever
    // its runs do.
    const int regeln = Regelanzahl(projekt);
    if (aufgabe.maxRegeln && regeln > *aufgabe.maxRegeln) {
        e.messwert = QStringLiteral("%1 Regeln, erlaubt sind höchstens %2")
                         .arg(IntEditText(regeln), IntEditText(*aufgabe.maxRegeln));
        return e;
    }
    for (const Befund& b : befunde) {
        if (!b.erfuellt) {
            uebernehmen(b);
            return e;
        }
    }
    e.bestanden = true;
    if (!befunde.empty())
        uebernehmen(befunde.front());
    if (aufgabe.maxRegeln)
        e.messwert += (e.messwert.isEmpty() ? QString() : QStringLiteral(", ")) + IntEditText(regeln) +
                      QStringLiteral(" Regeln");
    return e;
}
