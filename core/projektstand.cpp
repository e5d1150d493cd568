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

int AnzahlRegeln(const TProjekt& p)
{
    const TRegelLuecken luecken = RegelLuecken(p.EingangA, p.EingangB, p.Regeltab, p.Ausgang);
    return luecken.felder - luecken.leer;
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
    if (anzahl == 0)
        return QStringLiteral("noch keine Regeln");
    if (anzahl == 1)
        return QStringLiteral("1 Regel");
    return IntEditText(anzahl) + QStringLiteral(" Regeln");
}

TNaechsterSchritt NaechsterSchritt(const TProjekt& p)
{
    if (!p.EingangA.definiert())
        return TNaechsterSchritt::EingangA;
    if (!p.Ausgang.definiert())
        return TNaechsterSchritt::Ausgang;
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
