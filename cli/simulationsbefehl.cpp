#include "cli/simulationsbefehl.h"

#include "core/laufcsv.h"
#include "core/zahlenformat.h"
#include "plant/simulation.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace {

struct TSimulationsOptionen {
    QString projekt;
    bool pendel = false;
    std::int32_t schritte = 600;
    float dt = 0.05f;
    TEinstellungen einstellungen;
    float wind = 0.0f;
};

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
    static const QStringList schalter = {QStringLiteral("--wind")};
    TCliArgumente gelesen;
    if (const auto status = ArgumenteLesen(argumente, mitWert, schalter, gelesen, k))
        return status;
    o.projekt = gelesen.projekt;
    if (gelesen.gesetzt("--wind"))
        o.wind = Windkraft;
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
    k.zeile(LaufCsvKopf());
    k.zeile(LaufCsvZeile(VerlaufPunkt(pendel, AmpelGruen(pendel))));
    for (std::int32_t i = 0; i < o.schritte; ++i) {
        const bool gruen = FuzzyDurchlauf(pendel, p.EingangA, p.EingangB, p.Regeltab, ausgangKopie, o.dt);
        k.zeile(LaufCsvZeile(VerlaufPunkt(pendel, gruen)));
    }
    if (std::fflush(k.aus) != 0 || std::ferror(k.aus)) {
        k.meldung(QStringLiteral("Die Ausgabe konnte nicht vollständig geschrieben werden."));
        return 1;
    }
    return 0;
}
