#include "cli/projektbefehle.h"

#include <array>

namespace {

void variableZeigen(const QString& rolle, const TFuzzy& f, const TCliKontext& k)
{
    if (!f.definiert()) {
        k.zeile(rolle + QStringLiteral(": nicht definiert"));
        return;
    }
    k.zeile(QStringLiteral("%1: %2  Grundmenge %3 .. %4  Terme: %5")
                .arg(rolle, f.Name(), Zahl(f.a()), Zahl(f.b()))
                .arg(f.Anzahl()));
    for (int i = 1; i <= f.gueltigeAnzahl(); ++i) {
        std::array<float, 5> werte{};
        for (int j = 1; j <= 5; ++j)
            werte[j - 1] = f.Term(i, j);
        k.zeile(QStringLiteral("  %1 %2 (%3): %4")
                    .arg(i)
                    .arg(f.Termname(i), f.AbkTermname(i), Zahlen(werte.data(), 5)));
    }
}

// Loads the project named by the first argument; exit status, or -1 when loaded.
int laden(const QStringList& argumente, TProjekt& p, const TCliKontext& k)
{
    if (argumente.isEmpty())
        return k.aufruf(QStringLiteral("Es fehlt die Projektdatei."));
    return ProjektLaden(argumente.first(), p, k) ? -1 : 1;
}

// Loads the project and checks that its rules can be evaluated; exit status,
// or -1 when all is well.
int auswertbarLaden(const QStringList& argumente, TProjekt& p, const TCliKontext& k)
{
    if (const int status = laden(argumente, p, k); status >= 0)
        return status;
    if (!p.EingangA.definiert() || !p.Ausgang.definiert()) {
        k.meldung(RegelTexte::variablenFehlen);
        return 1;
    }
    return -1;
}

} // namespace

int BefehlShow(const QStringList& argumente, const TCliKontext& k)
{
    if (argumente.size() > 1)
        return k.aufruf(QStringLiteral("Zu viele Argumente."));
    TProjekt p;
    if (const int status = laden(argumente, p, k); status >= 0)
        return status;
    variableZeigen(QStringLiteral("Eingang A"), p.EingangA, k);
    variableZeigen(QStringLiteral("Eingang B"), p.EingangB, k);
    variableZeigen(QStringLiteral("Ausgang"), p.Ausgang, k);
    k.zeile(QStringLiteral("Regeln:"));
    // A rule counts when the inference can read it and it names an output term.
    const bool mitB = p.EingangB.definiert();
    const int nB = mitB ? p.EingangB.gueltigeAnzahl() : 1;
    int anzahl = 0;
    for (int i = 1; i <= p.EingangA.gueltigeAnzahl(); ++i) {
        for (int j = 1; j <= nB; ++j) {
            const int ausgang = p.Regeltab(j, i);
            if (ausgang < 1 || ausgang > p.Ausgang.gueltigeAnzahl())
                continue;
            QString wenn = QStringLiteral("WENN %1=%2").arg(p.EingangA.Name(), p.EingangA.Termname(i));
            if (mitB)
                wenn += QStringLiteral(" UND %1=%2").arg(p.EingangB.Name(), p.EingangB.Termname(j));
            k.zeile(wenn + QStringLiteral(", DANN %1=%2").arg(p.Ausgang.Name(), p.Ausgang.Termname(ausgang)));
            ++anzahl;
        }
    }
    if (anzahl == 0)
        k.zeile(QStringLiteral("(keine)"));
    return 0;
}

int BefehlEval(const QStringList& argumente, const TCliKontext& k)
{
    if (argumente.size() < 2)
        return k.aufruf(QStringLiteral("Es fehlen die Projektdatei oder der Wert XA."));
    if (argumente.size() > 3)
        return k.aufruf(QStringLiteral("Zu viele Argumente."));
    TProjekt p;
    if (const int status = auswertbarLaden(argumente, p, k); status >= 0)
        return status;
    const bool mitB = p.EingangB.definiert();
    if (mitB && argumente.size() != 3)
        return k.aufruf(QStringLiteral("Eingang B ist definiert: der Wert XB fehlt."));
    if (!mitB && argumente.size() == 3)
        return k.aufruf(QStringLiteral("Eingang B ist nicht definiert: XB wird nicht gebraucht."));
    const auto xa = ZahlArgument(argumente[1]);
    if (!xa)
        return k.aufruf(QStringLiteral("Keine gültige Zahl: ") + argumente[1]);
    p.EingangA.setX(*xa);
    if (mitB) {
        const auto xb = ZahlArgument(argumente[2]);
        if (!xb)
            return k.aufruf(QStringLiteral("Keine gültige Zahl: ") + argumente[2]);
        p.EingangB.setX(*xb);
    }
    TFuzzy kopie;
    kopie.assign(p.Ausgang);
    RegleAusgang(p.EingangA, p.EingangB, p.Regeltab, kopie);

    auto zugehoerigkeiten = [](const TFuzzy& f) {
        std::array<float, TFuzzy::MaxTerme> mu{};
        for (int i = 1; i <= f.gueltigeAnzahl(); ++i)
            mu[i - 1] = f.Zugehoerigkeit(i);
        return Zahlen(mu.data(), f.gueltigeAnzahl());
    };
    k.zeile(QStringLiteral("a: ") + zugehoerigkeiten(p.EingangA));
    if (mitB)
        k.zeile(QStringLiteral("b: ") + zugehoerigkeiten(p.EingangB));
    std::array<float, TFuzzy::MaxTerme> h{};
    for (int i = 1; i <= kopie.gueltigeAnzahl(); ++i)
        h[i - 1] = kopie.Term(i, 5);
    k.zeile(QStringLiteral("h: ") + Zahlen(h.data(), kopie.gueltigeAnzahl()));
    k.zeile(QStringLiteral("y: ") + Zahl(kopie.Schwerpunktkoordinate()));
    return 0;
}

int BefehlSurface(const QStringList& argumente, const TCliKontext& k)
{
    if (argumente.size() > 1)
        return k.aufruf(QStringLiteral("Zu viele Argumente."));
    TProjekt p;
    if (const int status = auswertbarLaden(argumente, p, k); status >= 0)
        return status;
    TFuzzy kopie;
    kopie.assign(p.Ausgang);
    const TKennfeld feld = Kennfeld(p.EingangA, p.EingangB, p.Regeltab, kopie);
    for (const auto& zeile : feld)
        k.zeile(Zahlen(zeile.data(), static_cast<int>(zeile.size())));
    return 0;
}
