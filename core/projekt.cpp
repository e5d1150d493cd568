#include "core/projekt.h"

#include "core/textdatei.h"
#include "core/zahlenformat.h"

#include <QDir>

QString ProjektTitel(const QString& dateiname)
{
    return QStringLiteral("Tarvik [") + dateiname + QStringLiteral("]");
}

namespace {

struct Formatfehler {};
struct NameZuLang {};

QString name(TZeilenleser& leser)
{
    QString text = leser.naechste();
    if (text.size() > MaxNamenlaenge)
        throw NameZuLang{};
    return text;
}

bool nameZuLang(const TFuzzy& f)
{
    if (!f.definiert())
        return false;
    if (f.Name().size() > MaxNamenlaenge)
        return true;
    for (int i = 1; i <= f.gueltigeAnzahl(); ++i) {
        if (f.Termname(i).size() > MaxNamenlaenge)
            return true;
    }
    return false;
}

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
    const QString variablenname = name(leser);
    if (variablenname.isEmpty())
        return;
    f.setDefiniert(true);
    f.setName(variablenname);
    const int n = nullBisFuenf(leser);
    f.setAnzahl(n);
    f.setA(real(leser));
    f.setB(real(leser));
    for (int i = 1; i <= n; ++i)
        f.setTermname(i, name(leser));
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

bool ProjektLesen(const QByteArray& inhalt, TProjekt& p, bool* zuLang)
{
    p.EingangA.loeschen();
    p.EingangB.loeschen();
    p.Ausgang.loeschen();
    if (zuLang)
        *zuLang = false;
    const auto verwerfen = [&p] {
        for (TFuzzy* f : {&p.EingangA, &p.EingangB, &p.Ausgang}) {
            f->loeschen();
            f->setName(QString());
        }
        p.Regeltab = TRegeltab{};
        return false;
    };
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
        return verwerfen();
    } catch (const NameZuLang&) {
        if (zuLang)
            *zuLang = true;
        return verwerfen();
    }
}

TDateiErgebnis LoadFile(TProjekt& p)
{
    TDateiErgebnis ergebnis;
    const TDateiInhalt datei = DateiLesen(p.Dateiname, MaxProjektdateiGroesse);
    const QString pfad = QDir::toNativeSeparators(p.Dateiname);
    switch (datei.ergebnis) {
    case LeseErgebnis::NichtGeoeffnet:
        ergebnis.meldung = TMeldung{MeldungsArt::Warnung, ProjektTexte::nichtGelesen};
        return ergebnis;
    case LeseErgebnis::KeineDatei:
        ergebnis.meldung = TMeldung{MeldungsArt::Warnung, ProjektTexte::keineDatei.arg(pfad)};
        return ergebnis;
    case LeseErgebnis::ZuGross:
        ergebnis.meldung = TMeldung{MeldungsArt::Warnung, ProjektTexte::zuGross.arg(pfad)};
        return ergebnis;
    case LeseErgebnis::Ok:
    case LeseErgebnis::Lesefehler:
        break;
    }
    ergebnis.titel = ProjektTitel(p.Dateiname);
    // A file that could not be read whole is read as no project at all.
    bool zuLang = false;
    const QByteArray leer;
    if (!ProjektLesen(datei.ergebnis == LeseErgebnis::Ok ? datei.bytes : leer, p, &zuLang)) {
        ergebnis.meldung =
            TMeldung{MeldungsArt::Fehler, zuLang ? ProjektTexte::nameZuLang : ProjektTexte::formatFehler};
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
    // What is written must read back.
    for (const TFuzzy* f : {&p.EingangA, &p.EingangB, &p.Ausgang}) {
        if (nameZuLang(*f)) {
            ergebnis.meldung = TMeldung{MeldungsArt::Fehler, ProjektTexte::nameZuLangSpeichern};
            ergebnis.dateifehler = true;
            return ergebnis;
        }
    }
    switch (DateiErsetzen(p.Dateiname, ProjektBytes(p))) {
    case SchreibErgebnis::Ok:
        break;
    case SchreibErgebnis::NichtAngelegt:
        ergebnis.meldung = TMeldung{MeldungsArt::Warnung, ProjektTexte::nichtGespeichert};
        ergebnis.dateifehler = true;
        return ergebnis;
    case SchreibErgebnis::Abgebrochen:
        ergebnis.meldung = TMeldung{MeldungsArt::Fehler, ProjektTexte::schreibFehler};
        ergebnis.dateifehler = true;
        return ergebnis;
    case SchreibErgebnis::AbgebrochenNeu:
        ergebnis.meldung = TMeldung{MeldungsArt::Fehler, ProjektTexte::schreibFehlerNeu};
        ergebnis.dateifehler = true;
        return ergebnis;
    }
    p.Geaendert = false;
    return ergebnis;
}
