#include "cli/suchbefehle.h"

#include "core/textdatei.h"
#include "core/zahlenformat.h"
#include "search/bewertung.h"
#include "search/evolution.h"
#include "search/gendatei.h"
#include "search/regelsystem.h"
#include "search/regeluebernahme.h"
#include "search/suchtexte.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>
#include <thread>

namespace {

constexpr int maxThreads = 256;
// About 70000 generations of 20 chromosomes; a longer log stops the search as
// a full log window would.
constexpr qsizetype maxProtokollZeilen = 2'000'000;

// Loads the project and checks that it has the three variables the search
// needs, as the search window's opening does. Exit status, or -1 when all is
// well.
int suchprojektLaden(const QString& pfad, TProjekt& p, const TCliKontext& k)
{
    if (!ProjektLaden(pfad, p, k))
        return 1;
    if (!p.EingangA.definiert() || !p.EingangB.definiert() || !p.Ausgang.definiert()) {
        k.meldung(SuchTexte::suchvariablenFehlen);
        return 1;
    }
    return -1;
}

// Shows at most the start of a long argument.
QString gekuerzt(const QString& text)
{
    constexpr qsizetype hoechstens = 120;
    return text.size() <= hoechstens ? text : text.left(hoechstens) + QStringLiteral("…");
}

// A wrong chromosome argument: what it is and what a chromosome is.
QString KeinChromosom(const QString& text)
{
    return QStringLiteral("Kein gültiges Chromosom: \"%1\" (%2 Zeichen).\r"
                          "Ein Chromosom besteht aus genau 96 Ziffern 0 und 1.")
        .arg(gekuerzt(text))
        .arg(text.size());
}

// The project and the chromosome that rules and grade take: the chromosome
// argument first, then, in the order of Start, the variables and the terms (a term beyond a variable's terms
// would have no name to show). Exit status, or -1 when all is well.
int chromosomLaden(const QStringList& argumente, TProjekt& p, TRegelsystem& rs, const TCliKontext& k)
{
    if (argumente.size() < 2)
        return k.aufruf(QStringLiteral("Es fehlen die Projektdatei oder das Chromosom."));
    if (argumente.size() > 2)
        return k.aufruf(QStringLiteral("Zu viele Argumente."));
    // A wrong chromosome is a wrong argument, found before any file is read.
    const auto gelesen = ChromosomLesen(argumente[1]);
    if (!gelesen)
        return k.aufruf(KeinChromosom(argumente[1]));
    if (const int status = suchprojektLaden(argumente[0], p, k); status >= 0)
        return status;
    if (!TermanzahlPruefen(p.EingangA, p.EingangB, p.Ausgang)) {
        k.meldung(SuchTexte::termanzahlFalsch);
        return 1;
    }
    rs = *gelesen;
    return -1;
}

QString gleitZahl(float wert)
{
    return GleitZahl(wert, 6);
}

} // namespace

int BefehlRules(const QStringList& argumente, const TCliKontext& k)
{
    QStringList positionen;
    std::optional<QString> aus;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QLatin1String("--out")) {
            if (aus)
                return k.aufruf(QStringLiteral("Die Option --out ist doppelt angegeben."));
            if (i + 1 >= argumente.size() || argumente[i + 1].isEmpty())
                return k.aufruf(QStringLiteral("Der Option --out fehlt ihr Wert."));
            aus = argumente[++i];
        } else if (a.startsWith(QLatin1String("--"))) {
            return k.aufruf(QStringLiteral("Unbekannte Option: ") + a);
        } else {
            positionen << a;
        }
    }
    TProjekt p;
    TRegelsystem rs;
    if (const int status = chromosomLaden(positionen, p, rs, k); status >= 0)
        return status;
    for (const QString& zeile : RegelsystemZeilen(rs, p.EingangA, p.EingangB, p.Ausgang))
        k.zeile(zeile);
    if (!aus)
        return 0;
    // The project with the rules in its table, one rule per premise.
    const TTabellenUebernahme u = RegeltabAusRegelsystem(rs);
    for (const TRegelKonflikt& konflikt : u.konflikte)
        k.meldung(KonfliktText(konflikt, rs, p.EingangA, p.EingangB, p.Ausgang));
    p.Regeltab = u.Regeltab;
    p.Dateiname = *aus;
    if (const TDateiErgebnis gespeichert = FileSave(p); gespeichert.meldung) {
        k.meldung(gespeichert.meldung->text + QLatin1Char('\r') + QDir::toNativeSeparators(*aus));
        return 1;
    }
    return 0;
}

int BefehlGrade(const QStringList& argumente, const TCliKontext& k)
{
    TProjekt p;
    TRegelsystem rs;
    if (const int status = chromosomLaden(argumente, p, rs, k); status >= 0)
        return status;
    TKranKopien kopien;
    VariablenUebernehmen(kopien, TSuchVariablen{p.EingangA, p.EingangB, p.Ausgang});
    std::atomic<bool> stop{false};
    const TChromosomBewertung bewertung = ChromosomBewerten(rs, kopien, stop);
    for (int lauf = 0; lauf < Testlaeufe; ++lauf) {
        k.zeile(QStringLiteral("run %1 start %2 steps %3 note %4 reached %5")
                    .arg(lauf + 1)
                    .arg(gleitZahl(StartPosVektor[lauf]))
                    .arg(bewertung.lauf[lauf].Schritte)
                    .arg(Zahl(bewertung.lauf[lauf].Bewertungszahl))
                    .arg(bewertung.lauf[lauf].GutGenug ? QStringLiteral("yes") : QStringLiteral("no")));
    }
    k.zeile(QStringLiteral("ChrNote: ") + Zahl(bewertung.ChrNote));
    return 0;
}

namespace {

// Messages and the log of a search without a window; one progress line per
// generation on stderr.
class TCliBeobachter : public TSuchBeobachter {
public:
    TCliBeobachter(const TCliKontext& k, const TEvolution& evolution, bool mitProtokoll)
        : k_(k), evolution_(evolution), mitProtokoll_(mitProtokoll)
    {
    }

    void meldung(const TMeldung& m) override
    {
        k_.meldung(m.text);
        gemeldet_ = true;
    }
    void protokollLeeren() override { protokoll_.clear(); }
    bool protokolliere(const QString& zeile) override
    {
        if (!mitProtokoll_)
            return true;
        if (protokoll_.size() >= maxProtokollZeilen)
            return false;
        protokoll_.append(zeile);
        return true;
    }
    void zeigeGenNote(float note) override { genNote_ = note; }
    void generationBeendet(int generation) override
    {
        bester_ = {evolution_.BesterChromosomText(), evolution_.Bewertung(evolution_.BesterChromosom())};
        k_.meldung(QStringLiteral("Generation: %1  GenNote: %2  beste ChrNote: %3")
                       .arg(generation)
                       .arg(Zahl(genNote_), Zahl(bester_.note)));
        verlauf_.append(QStringLiteral("%1,%2,%3").arg(generation).arg(Zahl(bester_.note), Zahl(genNote_)));
        std::fflush(k_.fehler);
    }

    struct TBester {
        QString chromosom;
        float note = 0;
    };
    // The best chromosome of the last whole generation; empty when none was
    // completed.
    const TBester& bester() const { return bester_; }

    bool gemeldet() const { return gemeldet_; }
    const QStringList& protokoll() const { return protokoll_; }
    // The progress curve: generation, best ChrNote, GenNote.
    const QStringList& verlauf() const { return verlauf_; }

private:
    const TCliKontext& k_;
    const TEvolution& evolution_;
    bool mitProtokoll_;
    bool gemeldet_ = false;
    float genNote_ = 0;
    TBester bester_;
    QStringList protokoll_;
    QStringList verlauf_;
};

struct TSuchOptionen {
    QString projekt;
    int generationen = 0;
    QString aus;
    std::optional<QString> liste;
    std::optional<std::uint64_t> startwert;
    // Given with --count; else the list's or the default count.
    std::optional<int> anzahl;
    TSuchParameter parameter;
    int threads = 1;
    std::optional<QString> protokoll;
    std::optional<QString> verlauf;
};

std::optional<int> ganzzahlIn(const QString& text, int von, int bis)
{
    const auto wert = LiesGanzzahl(text);
    if (!wert || *wert < von || *wert > bis)
        return std::nullopt;
    return *wert;
}

// A rate as the parameter dialog takes it: above 0 and at most 1.
std::optional<float> rate(const QString& text)
{
    const auto wert = ZahlArgument(text);
    if (!wert || !RateImBereich(*wert))
        return std::nullopt;
    return wert;
}

// Reads the arguments; an exit status when they are wrong.
std::optional<int> optionenLesen(const QStringList& argumente, TSuchOptionen& o, const TCliKontext& k)
{
    const unsigned kerne = std::thread::hardware_concurrency();
    o.threads = kerne == 0 ? 1 : static_cast<int>(std::min<unsigned>(kerne, maxThreads));
    static const QStringList mitWert = {
        QStringLiteral("--generations"), QStringLiteral("--out"),     QStringLiteral("--list"),
        QStringLiteral("--seed"),        QStringLiteral("--count"),   QStringLiteral("--crossover"),
        QStringLiteral("--mutation"),    QStringLiteral("--threads"), QStringLiteral("--log"),
        QStringLiteral("--progress"),
    };
    TCliArgumente gelesen;
    if (const auto status = ArgumenteLesen(argumente, mitWert, {}, gelesen, k))
        return status;
    o.projekt = gelesen.projekt;
    const auto generationen = gelesen.wert("--generations");
    if (!generationen)
        return k.aufruf(QStringLiteral("Es fehlt die Option --generations."));
    const auto g = ganzzahlIn(*generationen, 1, std::numeric_limits<std::int32_t>::max());
    if (!g)
        return k.aufruf(QStringLiteral("Die Anzahl der Generationen muss eine ganze Zahl ab 1 sein: ") + *generationen);
    o.generationen = *g;
    const auto aus = gelesen.wert("--out");
    if (!aus || aus->isEmpty())
        return k.aufruf(QStringLiteral("Es fehlt die Option --out."));
    o.aus = *aus;
    o.liste = gelesen.wert("--list");
    o.protokoll = gelesen.wert("--log");
    o.verlauf = gelesen.wert("--progress");
    if (const auto s = gelesen.wert("--seed")) {
        bool ok = false;
        const qulonglong startwert = s->toULongLong(&ok, 10);
        if (!ok)
            return k.aufruf(QStringLiteral("Der Startwert muss eine ganze Zahl ab 0 sein: ") + *s);
        o.startwert = startwert;
    }
    if (const auto n = gelesen.wert("--count")) {
        // The pairing takes the chromosomes two by two.
        o.anzahl = ganzzahlIn(*n, MinChromosomen, MaxChromosomen);
        if (!o.anzahl || *o.anzahl % 2 != 0)
            return k.aufruf(QStringLiteral("Die Anzahl der Chromosomen muss eine gerade Zahl zwischen 2 und 40 sein: ") + *n);
    }
    if (const auto r = gelesen.wert("--crossover")) {
        const auto kr = rate(*r);
        if (!kr)
            return k.aufruf(QStringLiteral("Die Kreuzungsrate muss größer als 0 und höchstens 1 sein: ") + *r);
        o.parameter.Kreuzungsrate = *kr;
    }
    if (const auto r = gelesen.wert("--mutation")) {
        const auto mr = rate(*r);
        if (!mr)
            return k.aufruf(QStringLiteral("Die Mutationsrate muss größer als 0 und höchstens 1 sein: ") + *r);
        o.parameter.mutationsrate = *mr;
    }
    if (const auto t = gelesen.wert("--threads")) {
        const auto threads = ganzzahlIn(*t, 1, maxThreads);
        if (!threads)
            return k.aufruf(QStringLiteral("Die Anzahl der Threads muss zwischen 1 und %1 liegen: ").arg(maxThreads) + *t);
        o.threads = *threads;
    }
    return std::nullopt;
}

// A long search must not end in a file it cannot write: the files are tried
// before the search begins, and nothing is left behind.
bool beschreibbar(const QString& pfad)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    datei.cancelWriting();
    return true;
}

QString protokollNichtGespeichert(const QString& pfad)
{
    return QStringLiteral("Das Protokoll konnte nicht gespeichert werden:\r") + QDir::toNativeSeparators(pfad);
}

QString verlaufNichtGespeichert(const QString& pfad)
{
    return QStringLiteral("Der Verlauf konnte nicht gespeichert werden:\r") + QDir::toNativeSeparators(pfad);
}

} // namespace

int BefehlSearch(const QStringList& argumente, const TCliKontext& k)
{
    TSuchOptionen o;
    if (const auto status = optionenLesen(argumente, o, k))
        return *status;
    TProjekt p;
    if (const int status = suchprojektLaden(o.projekt, p, k); status >= 0)
        return status;
    if (!beschreibbar(o.aus)) {
        k.meldung(SuchTexte::genNichtGespeichert + QDir::toNativeSeparators(o.aus));
        return 1;
    }
    if (o.protokoll && !beschreibbar(*o.protokoll)) {
        k.meldung(protokollNichtGespeichert(*o.protokoll));
        return 1;
    }
    if (o.verlauf && !beschreibbar(*o.verlauf)) {
        k.meldung(verlaufNichtGespeichert(*o.verlauf));
        return 1;
    }

    TEvolution evolution;
    TStandardZufall zufall(o.startwert.value_or(0));
    if (!o.startwert) {
        zufall.SaeenAusUhr();
        k.meldung(QStringLiteral("Startwert: %1").arg(zufall.Startwert()));
    }
    evolution.setZufall(&zufall);
    evolution.VariablenUebernehmen(TSuchVariablen{p.EingangA, p.EingangB, p.Ausgang});
    evolution.setParameter(o.parameter);
    evolution.setThreads(o.threads);
    TCliBeobachter beobachter(k, evolution, o.protokoll.has_value());
    evolution.setBeobachter(&beobachter);

    TGenKodierung kodierung = TGenKodierung::Windows1252;
    if (o.liste) {
        QStringList liste;
        std::int32_t anzahl = evolution.ChromosomenAnzahl();
        const TGenErgebnis geladen = GenDateiLaden(*o.liste, liste, anzahl, kodierung);
        for (const TMeldung& m : geladen.meldungen)
            k.meldung(m.text);
        if (geladen.dateifehler)
            return 1;
        evolution.setListe(liste);
        evolution.setChromosomenAnzahl(o.anzahl.value_or(anzahl));
    } else {
        if (o.anzahl)
            evolution.setChromosomenAnzahl(*o.anzahl);
        evolution.Erzeugen();
    }

    if (!evolution.Starten(o.generationen))
        return 1;

    // The result a user hands on to rules and grade.
    if (!beobachter.bester().chromosom.isEmpty()) {
        k.zeile(beobachter.bester().chromosom);
        k.zeile(QStringLiteral("ChrNote: ") + Zahl(beobachter.bester().note));
    }

    int status = beobachter.gemeldet() ? 1 : 0;
    const TGenErgebnis gespeichert = GenDateiSpeichern(o.aus, evolution.Liste(), kodierung);
    for (const TMeldung& m : gespeichert.meldungen)
        k.meldung(m.text);
    if (gespeichert.dateifehler)
        status = 1;
    if (o.protokoll) {
        TZeilenschreiber s;
        for (const QString& zeile : beobachter.protokoll())
            s.zeile(zeile);
        if (DateiErsetzen(*o.protokoll, s.bytes()) != SchreibErgebnis::Ok) {
            k.meldung(protokollNichtGespeichert(*o.protokoll));
            status = 1;
        }
    }
    if (o.verlauf) {
        TZeilenschreiber s;
        s.zeile(QStringLiteral("generation,beste_chrnote,gennote"));
        for (const QString& zeile : beobachter.verlauf())
            s.zeile(zeile);
        if (DateiErsetzen(*o.verlauf, s.bytes()) != SchreibErgebnis::Ok) {
            k.meldung(verlaufNichtGespeichert(*o.verlauf));
            status = 1;
        }
    }
    return status;
}
