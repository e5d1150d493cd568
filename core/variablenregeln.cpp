#include "core/variablenregeln.h"

#include <algorithm>

namespace {

const QString FehlerGrundmenge =
    QStringLiteral("Fehler bei Angaben zur Grundmenge!\rZweite Zahl muss größer als die erste sein.");

QString ZeilenFehler(int i)
{
    return QStringLiteral("In Zeile ") + QString::number(i)
           + QStringLiteral(" der Tabelle ist eine Zahl zu groß oder zu klein!");
}

} // namespace

void NeueVariableSetzen(TFuzzy& fuzzy)
{
    fuzzy.loeschen();
    fuzzy.setName(NeuerVariablenname);
    fuzzy.setA(NeueGrundmengeVon);
    fuzzy.setB(NeueGrundmengeBis);
}

void FreieZeilenZuruecksetzen(TFuzzy& fuzzy)
{
    for (int r = fuzzy.gueltigeAnzahl() + 1; r <= TFuzzy::MaxTerme; ++r)
        for (int j = 1; j <= 5; ++j)
            fuzzy.setTerm(r, j, j == 5 ? 1.0f : 0.0f);
}

void TermEntfernen(TFuzzy& fuzzy, int i)
{
    const int anzahl = fuzzy.gueltigeAnzahl();
    if (i < 1 || i > anzahl)
        return;
    for (int r = i; r < TFuzzy::MaxTerme; ++r)
        for (int j = 1; j <= 5; ++j)
            fuzzy.setTerm(r, j, fuzzy.Term(r + 1, j));
    // Only the terms' names move; a name behind the last term belongs to no
    // term and is left as it was.
    for (int r = i; r < anzahl; ++r)
        fuzzy.setTermname(r, fuzzy.Termname(r + 1));
    fuzzy.setAnzahl(anzahl - 1);
    FreieZeilenZuruecksetzen(fuzzy);
}

QStringList VariablenFehler(const TFuzzy& fuzzy)
{
    if (!(fuzzy.b() > fuzzy.a()))
        return {FehlerGrundmenge};
    QStringList fehler;
    for (int i = 1; i <= fuzzy.gueltigeAnzahl(); ++i) {
        // Written so that a value that is no number counts as faulty.
        const bool geordnet = fuzzy.a() <= fuzzy.Term(i, 1) && fuzzy.Term(i, 1) <= fuzzy.Term(i, 2)
                              && fuzzy.Term(i, 2) <= fuzzy.Term(i, 3) && fuzzy.Term(i, 3) <= fuzzy.Term(i, 4)
                              && fuzzy.Term(i, 4) <= fuzzy.b();
        if (!geordnet)
            fehler.append(ZeilenFehler(i));
    }
    return fehler;
}

bool OKBeendetEditor(const TFuzzy& fuzzy, bool warDefiniert)
{
    if (fuzzy.definiert())
        return true;
    return fuzzy.gueltigeAnzahl() == 0 && warDefiniert;
}

QString GleicheAbkuerzung(const TFuzzy& fuzzy, int i)
{
    const int anzahl = fuzzy.gueltigeAnzahl();
    if (i < 1 || i > anzahl)
        return {};
    for (int k = 1; k <= anzahl; ++k) {
        if (k == i || fuzzy.AbkTermname(k) != fuzzy.AbkTermname(i))
            continue;
        const int erster = std::min(i, k);
        const int zweiter = std::max(i, k);
        return QStringLiteral("Die Terme „") + fuzzy.Termname(erster) + QStringLiteral("“ und „")
               + fuzzy.Termname(zweiter) + QStringLiteral("“ haben dieselbe Abkürzung „")
               + fuzzy.AbkTermname(i) + QStringLiteral("“.");
    }
    return {};
}

QString NameOhneSteuerzeichen(const QString& name)
{
    QString ergebnis;
    ergebnis.reserve(name.size());
    for (const QChar c : name)
        if (c.category() != QChar::Other_Control)
            ergebnis += c;
    return ergebnis;
}

float Eingangswert(const TFuzzy& fuzzy, int position, int schritte)
{
    return static_cast<float>(double(position) * (double(fuzzy.b()) - fuzzy.a()) / schritte + fuzzy.a());
}
