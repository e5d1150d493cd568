#include "cli/simulationsbefehl.h"

#include "core/laufcsv.h"
#include "core/regelaktivitaet.h"
#include "core/zahlenformat.h"
#include "plant/simulation.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct TSimulationsOptionen {
    QString projekt;
    bool pendel = false;
    std::int32_t schritte = 600;
    float dt = 0.05f;
    TEinstellungen einstellungen;
    float wind = 0.0f;
    bool regeln = false;
};

// More steps than this are refused: a mistyped count would otherwise write
// gigabytes.
constexpr std::int32_t MeisteSchritte = 1000000;

// The rules of the table in the order of their columns: A's term i, then B's
// term j, each cell that names an output term.
std::vector<std::array<int, 2>> Regelspalten(const TProjekt& p)
{
    const TRegelAktivitaet r = RegelAktivitaet(p.EingangA, p.EingangB, p.Regeltab, p.Ausgang);
    std::vector<std::array<int, 2>> spalten;
    for (int i = 1; i <= r.zeilen; ++i)
        for (int j = 1; j <= r.spalten; ++j) {
            const int ausgang = r.zelle(i, j).ausgang;
            if (ausgang >= 1 && ausgang <= p.Ausgang.gueltigeAnzahl())
                spalten.push_back({i, j});
        }
    return spalten;
}

std::optional<float> endlicheZahl(const QString& text)
{
    const auto z = ZahlArgument(text);
    if (!z || !std::isfinite(*z))
        return std::nullopt;
    return z;
}

// Reads the arguments; the usage exit status on a wrong call, else nothing.
std::optional<int> optionenLesen(const QStringList& argumente, TSimulationsOptionen& o, const TCliKontext& k)
{
    static const QStringList mitWert = {
        QStringLiteral("--plant"),  QStringLiteral("--steps"), QStringLiteral("--dt"),
        QStringLiteral("--length"), QStringLiteral("--start"), QStringLiteral("--angle"),
    };
    static const QStringList schalter = {QStringLiteral("--wind"), QStringLiteral("--rules")};
    TCliArgumente gelesen;
    if (const auto status = ArgumenteLesen(argumente, mitWert, schalter, gelesen, k))
        return status;
    o.projekt = gelesen.projekt;
    if (gelesen.gesetzt("--wind"))
        o.wind = Windkraft;
    o.regeln = gelesen.gesetzt("--rules");
    const auto anlage = gelesen.wert("--plant");
    if (!anlage)
        return k.aufruf(QStringLiteral("Es fehlt die Option --plant (crane oder pendulum)."));
    if (*anlage == QLatin1String("pendulum"))
        o.pendel = true;
    else if (*anlage != QLatin1String("crane"))
        return k.aufruf(QStringLiteral("Die Anlage muss crane oder pendulum sein: ") + *anlage);
    if (const auto n = gelesen.wert("--steps")) {
        const auto schritte = LiesGanzzahl(*n);
        if (!schritte || *schritte < 0)
            return k.aufruf(QStringLiteral("Die Anzahl der Schritte muss eine ganze Zahl ab 0 sein: ") + *n);
        if (*schritte > MeisteSchritte)
            return k.aufruf(QStringLiteral("Höchstens ") + IntEditText(MeisteSchritte) +
                            QStringLiteral(" Schritte sind möglich: ") + *n);
        o.schritte = *schritte;
    }
    if (const auto s = gelesen.wert("--dt")) {
        const auto dt = endlicheZahl(*s);
        if (!dt || !(*dt > 0))
            return k.aufruf(QStringLiteral("Die Schrittweite muss eine Zahl größer als 0 sein: ") + *s);
        o.dt = *dt;
    }
    if (const auto l = gelesen.wert("--length")) {
        const auto laenge = endlicheZahl(*l);
        if (!laenge || !(*laenge > 0))
            return k.aufruf(QStringLiteral("Die Länge muss eine Zahl größer als 0 sein: ") + *l);
        o.einstellungen.Pendellaenge = *laenge;
    }
    if (const auto x = gelesen.wert("--start")) {
        if (o.pendel)
            return k.aufruf(QStringLiteral("Die Startposition (--start) gilt nur für die Laufkatze."));
        const auto position = endlicheZahl(*x);
        if (!position)
            return k.aufruf(QStringLiteral("Keine gültige Zahl: ") + *x);
        o.einstellungen.Katzenstartposition = *position;
    }
    if (const auto w = gelesen.wert("--angle")) {
        if (!o.pendel)
            return k.aufruf(QStringLiteral("Der Startwinkel (--angle) gilt nur für das invertierte Pendel."));
        const auto winkel = endlicheZahl(*w);
        if (!winkel)
            return k.aufruf(QStringLiteral("Keine gültige Zahl: ") + *w);
        o.einstellungen.Startwinkel = *winkel;
    }
    return std::nullopt;
}

} // namespace

int BefehlSimulate(const QStringList& argumente, const TCliKontext& k)
{
    TSimulationsOptionen o;
    if (const auto status = optionenLesen(argumente, o, k))
        return *status;
    TProjekt p;
    if (!ProjektLaden(o.projekt, p, k))
        return 1;
    if (!p.EingangA.definiert() || !p.EingangB.definiert() || !p.Ausgang.definiert()) {
        k.meldung(SimulationsTexte::nichtDefiniert);
        return 1;
    }
    TFuzzy ausgangKopie;
    ausgangKopie.assign(p.Ausgang);

    TPendel pendel;
    pendel.setPendelTyp(o.pendel);
    PendelStarten(pendel, o.einstellungen, o.wind);
    pendel.setDeltaT(o.dt);
    const auto spalten = o.regeln ? Regelspalten(p) : std::vector<std::array<int, 2>>{};
    QString kopf = LaufCsvKopf();
    for (const auto& s : spalten)
        kopf += QStringLiteral(",R") + IntEditText(s[0]) + IntEditText(s[1]);
    // The degrees at the inputs the row's force came from; for the first row
    // the measurements of the start.
    const auto zeile = [&](bool gruen) {
        QString z = LaufCsvZeile(VerlaufPunkt(pendel, gruen));
        if (!spalten.empty()) {
            const TRegelAktivitaet r = RegelAktivitaet(p.EingangA, p.EingangB, p.Regeltab, p.Ausgang);
            for (const auto& s : spalten)
                z += QLatin1Char(',') + GleitZahl(r.zelle(s[0], s[1]).grad, 9);
        }
        k.zeile(z);
    };
    k.zeile(kopf);
    MesswerteSetzen(pendel, p.EingangA, p.EingangB);
    zeile(AmpelGruen(pendel));
    for (std::int32_t i = 0; i < o.schritte; ++i)
        zeile(FuzzyDurchlauf(pendel, p.EingangA, p.EingangB, p.Regeltab, ausgangKopie, o.dt));
    if (std::fflush(k.aus) != 0 || std::ferror(k.aus)) {
        k.meldung(QStringLiteral("Die Ausgabe konnte nicht vollständig geschrieben werden."));
        return 1;
    }
    return 0;
}
