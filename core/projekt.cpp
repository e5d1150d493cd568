#include "core/projekt.h"

#include "core/textdatei.h"
#include "core/zahlenformat.h"

#include <QFile>

QString ProjektTitel(const QString& dateiname)
{
    return QStringLiteral("Tarvik [") + dateiname + QStringLiteral("]");
}

namespace {

struct Formatfehler {};

std::int32_t ganzzahl(TZeilenleser& leser)
{
    const auto wert = LiesGanzzahl(leser.naechste());
    if (!wert)
        throw Formatfehler{};
    return *wert;
}

// Term counts and rule entries name one of at most five terms.
std::int32_t nullBisFuenf(TZeilenleser& leser)
{
    const std::int32_t wert = ganzzahl(leser);
    if (wert < 0 || wert > TFuzzy::MaxTerme)
        throw Formatfehler{};
    return wert;
}

float real(TZeilenleser& leser)
{
    return LiesReal(leser.naechste()).value_or(0.0f);
}

void variableLesen(TZeilenleser& leser, TFuzzy& f)
{
    const QString name = leser.naechste();
    if (name.isEmpty())
        return;
    f.setDefiniert(true);
    f.setName(name);
    const int n = nullBisFuenf(leser);
    f.setAnzahl(n);
    f.setA(real(leser));
    f.setB(real(leser));
    for (int i = 1; i <= n; ++i)
        f.setTermname(i, leser.naechste());
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= 5; ++j)
            f.setTerm(i, j, real(leser));
    }
}

void variableSchreiben(TZeilenschreiber& s, const TFuzzy& f)
{
    if (!f.definiert()) {
        s.zeile(QString());
        return;
    }
    const int n = f.gueltigeAnzahl();
    s.zeile(f.Name());
    s.zeile(QString::number(n));
    s.zeile(RealZeile(f.a()));
    s.zeile(RealZeile(f.b()));
    for (int i = 1; i <= n; ++i)
        s.zeile(f.Termname(i));
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= 5; ++j)
            s.zeile(RealZeile(f.Term(i, j)));
    }
}

} // namespace

bool ProjektLesen(const QByteArray& inhalt, TProjekt& p)
{
    p.EingangA.loeschen();
    p.EingangB.loeschen();
    p.Ausgang.loeschen();
    try {
        TZeilenleser leser(inhalt);
        variableLesen(leser, p.EingangA);
        variableLesen(leser, p.EingangB);
        variableLesen(leser, p.Ausgang);
        TRegeltab tabelle;
        for (auto& eintrag : tabelle.werte)
            eintrag = nullBisFuenf(leser);
        p.Regeltab = tabelle;
        return true;
    } catch (const Formatfehler&) {
        for (TFuzzy* f : {&p.EingangA, &p.EingangB, &p.Ausgang}) {
            f->loeschen();
            f->setName(QString());
        }
        p.Regeltab = TRegeltab{};
        return false;
    }
}

TDateiErgebnis LoadFile(TProjekt& p)
{
    TDateiErgebnis ergebnis;
    QFile datei(p.Dateiname);
    if (!datei.open(QIODevice::ReadOnly)) {
        ergebnis.meldung = TMeldung{MeldungsArt::Warnung, ProjektTexte::nichtGelesen};
        return ergebnis;
    }
    ergebnis.titel = ProjektTitel(p.Dateiname);
    const QByteArray inhalt = datei.readAll();
    const bool lesefehler = datei.error() != QFileDevice::NoError;
    datei.close();

    // A file that could not be read whole is read as no project at all.
    if (!ProjektLesen(lesefehler ? QByteArray() : inhalt, p)) {
        ergebnis.meldung = TMeldung{MeldungsArt::Fehler, ProjektTexte::formatFehler};
        p.Dateiname = NeuerProjektname;
        ergebnis.titel = ProjektTitel(p.Dateiname);
    }
    p.AusgangKopie.assign(p.Ausgang);
    p.Geaendert = false;
    return ergebnis;
}

QByteArray ProjektBytes(const TProjekt& p)
{
    TZeilenschreiber s;
    variableSchreiben(s, p.EingangA);
    variableSchreiben(s, p.EingangB);
    variableSchreiben(s, p.Ausgang);
    for (const auto eintrag : p.Regeltab.werte)
        s.zeile(QString::number(eintrag));
    return s.bytes();
}

TDateiErgebnis FileSave(TProjekt& p)
{
    TDateiErgebnis ergebnis;
    if (p.Dateiname.isEmpty() || p.Dateiname == NeuerProjektname) {
        // The changes are still unsaved: a later close must still offer to save them.
        ergebnis.meldung = TMeldung{MeldungsArt::Fehler, ProjektTexte::keinName};
        return ergebnis;
    }
    // An empty name would read back as an undefined variable and shift the rest.
    for (const TFuzzy* f : {&p.EingangA, &p.EingangB, &p.Ausgang}) {
        if (f->definiert() && f->Name().isEmpty()) {
            ergebnis.meldung = TMeldung{MeldungsArt::Fehler, ProjektTexte::variableOhneName};
            ergebnis.dateifehler = true;
            return ergebnis;
        }
    }
    const SchreibErgebnis geschrieben = DateiErsetzen(p.Dateiname, ProjektBytes(p));
    if (geschrieben != SchreibErgebnis::Ok) {
        ergebnis.meldung = geschrieben == SchreibErgebnis::NichtAngelegt
                               ? TMeldung{MeldungsArt::Warnung, ProjektTexte::nichtGespeichert}
                               : TMeldung{MeldungsArt::Fehler, ProjektTexte::schreibFehler};
        ergebnis.dateifehler = true;
        return ergebnis;
    }
    p.Geaendert = false;
    return ergebnis;
}
