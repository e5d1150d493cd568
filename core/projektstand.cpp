#include "core/projektstand.h"

#include "core/projekt.h"
#include "core/regelaktivitaet.h"
#include "core/zahlenformat.h"

bool ProjektLeer(const TProjekt& p)
{
    for (const TFuzzy* f : {&p.EingangA, &p.EingangB, &p.Ausgang}) {
        if (f->definiert())
            return false;
    }
    return p.Regeltab == TRegeltab{};
}

namespace {

TRegelLuecken luecken(const TProjekt& p)
{
    return RegelLuecken(p.EingangA, p.EingangB, p.Regeltab, p.Ausgang);
}

QString anzahlRegeln(int anzahl)
{
    return anzahl == 1 ? QStringLiteral("1 Regel") : IntEditText(anzahl) + QStringLiteral(" Regeln");
}

} // namespace

int AnzahlRegeln(const TProjekt& p)
{
    const TRegelLuecken l = luecken(p);
    return l.felder - l.leer - l.ungueltigAnzahl;
}

int AnzahlRegelnOhneAusgangsterm(const TProjekt& p)
{
    return luecken(p).ungueltigAnzahl;
}

bool RegelnMoeglich(const TProjekt& p)
{
    return p.EingangA.definiert() && p.Ausgang.definiert();
}

QString RegelanzahlText(const TProjekt& p)
{
    if (!RegelnMoeglich(p))
        return QStringLiteral("keine Regeln");
    const int anzahl = AnzahlRegeln(p);
    const int ohne = AnzahlRegelnOhneAusgangsterm(p);
    if (ohne == 0)
        return anzahl == 0 ? QStringLiteral("noch keine Regeln") : anzahlRegeln(anzahl);
    return (anzahl == 0 ? QStringLiteral("keine wirksame Regel") : anzahlRegeln(anzahl)) + QStringLiteral(" · ")
        + (ohne == 1 ? QStringLiteral("1 nennt einen gelöschten Ausgangsterm („?“) und wirkt nicht")
                     : IntEditText(ohne)
                           + QStringLiteral(" nennen einen gelöschten Ausgangsterm („?“) und wirken nicht"));
}

TNaechsterSchritt NaechsterSchritt(const TProjekt& p)
{
    if (!p.EingangA.definiert())
        return TNaechsterSchritt::EingangA;
    if (!p.Ausgang.definiert())
        return TNaechsterSchritt::Ausgang;
    if (AnzahlRegelnOhneAusgangsterm(p) > 0)
        return TNaechsterSchritt::RegelnOhneAusgangsterm;
    if (AnzahlRegeln(p) == 0)
        return TNaechsterSchritt::Regeln;
    // A simulation under fuzzy control needs both inputs.
    if (!p.EingangB.definiert())
        return TNaechsterSchritt::EingangB;
    return TNaechsterSchritt::Bereit;
}

QString NaechsterSchrittText(TNaechsterSchritt schritt)
{
    QString text;
    switch (schritt) {
    case TNaechsterSchritt::EingangA:
        text = QStringLiteral("Definieren Sie den Eingang A: Doppelklick auf „Eingang A“ "
                              "oder „Fuzzyvariable → Editieren → Eingang A“.");
        break;
    case TNaechsterSchritt::Ausgang:
        text = QStringLiteral("Definieren Sie den Ausgang: Doppelklick auf „Ausgang“ "
                              "oder „Fuzzyvariable → Editieren → Ausgang“.");
        break;
    case TNaechsterSchritt::RegelnOhneAusgangsterm:
        text = QStringLiteral("Ändern oder löschen Sie die Regeln mit „?“: Sie nennen einen Ausgangsterm, den es "
                              "nicht mehr gibt, und wirken nicht. Doppelklick auf „Regeln“ oder „Regeln → Editieren“.");
        break;
    case TNaechsterSchritt::Regeln:
        text = QStringLiteral("Geben Sie die Regeln ein: Doppelklick auf „Regeln“ oder „Regeln → Editieren“.");
        break;
    case TNaechsterSchritt::EingangB:
        text = QStringLiteral("Testen Sie den Regler mit „Regeln → Testen“. Um mit ihm das Pendel oder "
                              "die Laufkatze zu regeln, definieren Sie auch Eingang B.");
        break;
    case TNaechsterSchritt::Bereit:
        text = QStringLiteral("Der Regler ist bereit: Testen Sie ihn mit „Regeln → Testen“ oder lassen Sie "
                              "ihn unter „Simulation“ das Pendel oder die Laufkatze regeln (Fuzzy-Regelung).");
        break;
    }
    return QStringLiteral("Nächster Schritt: ") + text;
}

QString SpeicherstandText(const TProjekt& p)
{
    if (p.Geaendert)
        return QStringLiteral("Ungespeicherte Änderungen");
    return p.Dateiname == NeuerProjektname ? QStringLiteral("Noch nicht gespeichert") : QStringLiteral("Gespeichert");
}

QString Grundmengentext(const TFuzzy& f)
{
    const auto zahl = [](float wert) { return FestKomma(wert, 2, 0).trimmed(); };
    const int n = f.gueltigeAnzahl();
    return QStringLiteral("Grundmenge %1 bis %2 · %3")
        .arg(zahl(f.a()), zahl(f.b()), n == 1 ? QStringLiteral("1 Term") : IntEditText(n) + QStringLiteral(" Terme"));
}
