#include "search/evolution.h"

#include "core/regeltab.h"
#include "core/zahlenformat.h"
#include "search/suchtexte.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr float ziel = 2;

} // namespace

bool ZielErreicht(const TPendel& p)
{
    // The cheap parts first: the load is looked at only where they hold.
    return p.Zeit() > 1 && std::fabs(double(p.x()) - ziel) < 0.2 && std::fabs(LastGeschwindigkeit(p)) < 0.1
        && std::fabs(double(LastPosition(p)) - ziel) < 0.1;
}

namespace {

bool ende(float x, float winkel, float zeit)
{
    return std::fabs(winkel) > 90 || x < -10 || x > 10 || zeit > 30;
}

} // namespace

bool TestlaufEnde(const TPendel& p)
{
    return ende(p.x(), p.winkel(), p.Zeit());
}

TTestlaufErgebnis Kranlauf(const TRegelsystem& rs, float start, TFuzzy& eingangA, TFuzzy& eingangB,
                           TFuzzy& ausgang, TPendel& pendel, const std::atomic<bool>& stop,
                           TSuchBeobachter* beobachter, const bool* echtzeit)
{
    // The crane type first, so that Init takes the crane's sign of gravity.
    pendel.setPendelTyp(false);
    pendel.Init();
    pendel.setLaenge(2);
    pendel.setWind(0);
    pendel.setX(start);
    pendel.setWinkel(0);
    pendel.setCr(0.8f);
    pendel.setDeltaT(0.05f);
    if (beobachter) {
        beobachter->zielmarke();
        beobachter->zeigePendel(pendel);
    }

    TTestlaufErgebnis ergebnis;
    for (;;) {
        if (beobachter)
            beobachter->zeigePendel(pendel);
        pendel.Schritt();
        ++ergebnis.Schritte;
        if (beobachter) {
            beobachter->zeigePendel(pendel);
            if (echtzeit && *echtzeit)
                beobachter->pause(50);
            beobachter->ereignisse();
        }
        const float winkel = pendel.winkel();
        eingangA.setX(pendel.x());
        eingangB.setX(winkel);
        if (ZielErreicht(pendel))
            ergebnis.GutGenug = true;
        RegleAusgang(eingangA, eingangB, rs, ausgang);
        pendel.setKraft(ausgang.Schwerpunktkoordinate());
        if (beobachter)
            beobachter->zeigeZeit(pendel.Zeit());
        if (stop.load(std::memory_order_relaxed) || ende(pendel.x(), winkel, pendel.Zeit()) || ergebnis.GutGenug)
            break;
    }
    // Nothing but the force has changed since the last pass's state.
    const float xL = LastPosition(pendel);

    // Summed in extended precision, stored as a 32-bit float.
    long double note = 10.0L * std::fabs(static_cast<long double>(pendel.xdot()));
    note += 30.0L * std::fabs(static_cast<long double>(xL) - ziel);
    note += pendel.Zeit();
    note += std::fabs(static_cast<long double>(pendel.winkeldot()));
    note += std::fabs(static_cast<long double>(pendel.winkel()));
    ergebnis.Bewertungszahl = static_cast<float>(note);
    ergebnis.Zeit = pendel.Zeit();
    return ergebnis;
}

TEvolution::TEvolution()
    : eigenerZufall_(std::make_unique<TStandardZufall>())
    , zufall_(eigenerZufall_.get())
{
    Pendel.setPendelTyp(false);
}

TEvolution::~TEvolution() = default;

void TEvolution::setZufall(TZufall* zufall)
{
    zufall_ = zufall ? zufall : eigenerZufall_.get();
}

void TEvolution::VariablenUebernehmen(const TFuzzy& eingangA, const TFuzzy& eingangB, const TFuzzy& ausgang)
{
    FEingangA.assign(eingangA);
    FEingangB.assign(eingangB);
    FAusgang.assign(ausgang);
}

void TEvolution::melde(MeldungsArt art, const QString& text)
{
    if (beobachter_)
        beobachter_->meldung(TMeldung{art, text});
}

bool TEvolution::alleDefiniert() const
{
    return FEingangA.definiert() && FEingangB.definiert() && FAusgang.definiert();
}

void TEvolution::Protokolliere(const QString& s)
{
    if (simulationbeenden)
        return;
    if (beobachter_ && !beobachter_->protokolliere(s)) {
        melde(MeldungsArt::Warnung, SuchTexte::protokollVoll);
        simulationbeenden = true;
    }
}

void TEvolution::ErzeugenButtonClick()
{
    // The running loop reads the list; a new one must wait for its end.
    if (laeuft_)
        return;
    Liste.clear();
    for (int i = 0; i < ChromosomenAnzahl; ++i) {
        QString chromosom(ChromosomLaenge, QLatin1Char('0'));
        for (int k = 0; k < ChromosomLaenge; ++k) {
            if (!(static_cast<float>(zufall_->Real()) < 0.5f))
                chromosom[k] = QLatin1Char('1');
        }
        Liste.append(chromosom);
    }
    if (beobachter_)
        beobachter_->listeGeaendert(Liste);
}

bool TEvolution::StartButtonClick(int generationenGrenze)
{
    if (laeuft_)
        return false;
    if (!ChromosomenlistePruefen(Liste)) {
        melde(MeldungsArt::Fehler, SuchTexte::listeFalsch);
        return false;
    }
    if (!TermanzahlPruefen(FEingangA, FEingangB, FAusgang)) {
        melde(MeldungsArt::Fehler, SuchTexte::termanzahlFalsch);
        return false;
    }
    if (ChromosomenAnzahl < 2) {
        melde(MeldungsArt::Warnung, SuchTexte::minimal2);
        return false;
    }
    if (ChromosomenAnzahl > MaxChromosomen) {
        melde(MeldungsArt::Warnung, SuchTexte::maximal40);
        ChromosomenAnzahl = MaxChromosomen;
    }
    if (ChromosomenAnzahl % 2 != 0) {
        melde(MeldungsArt::Warnung, SuchTexte::anzahlUngerade);
        return false;
    }
    if (Liste.size() < ChromosomenAnzahl) {
        melde(MeldungsArt::Warnung, SuchTexte::zuWenigZeilen);
        return false;
    }

    // Handlers may change the public count during the search (the parameter
    // dialog does); the search keeps the count it started with.
    n_ = ChromosomenAnzahl;
    laeuft_ = true;
    generation_ = 0;
    if (beobachter_)
        beobachter_->protokollLeeren();
    simulationbeenden = false;
    for (;;) {
        ++generation_;
        Protokolliere(QStringLiteral("Generation: ") + QString::number(generation_));
        Protokolliere(QString(37, QLatin1Char('-')));
        Protokolliere(QStringLiteral(" "));
        if (beobachter_)
            beobachter_->zeigeGeneration(generation_);
        // A log that could not take the header has stopped the search; the
        // grading would clear that stop and warn a second time.
        if (simulationbeenden)
            break;
        Dekodieren();
        GenerationBewerten();
        if (!simulationbeenden && Selektion()) {
            Kreuzung();
            Mutation();
            if (beobachter_) {
                beobachter_->listeGeaendert(Liste);
                beobachter_->generationBeendet(generation_);
            }
        }
        if (beobachter_)
            beobachter_->ereignisse();
        if (generationenGrenze > 0 && generation_ >= generationenGrenze)
            simulationbeenden = true;
        if (simulationbeenden)
            break;
    }
    laeuft_ = false;
    return true;
}

int TEvolution::Anzahl() const
{
    if (laeuft_)
        return n_;
    // Outside a search the list may be shorter than the count: no line beyond
    // it is read.
    return static_cast<int>(std::clamp<qsizetype>(std::min<qsizetype>(ChromosomenAnzahl, Liste.size()), 0, MaxChromosomen));
}

void TEvolution::Dekodieren()
{
    const int n = Anzahl();
    for (int i = 0; i < n; ++i)
        StringToRegelsystem(Liste[i], regelsystemliste_[i]);
}

void TEvolution::Testlauf(int i)
{
    if (!alleDefiniert()) {
        melde(MeldungsArt::Warnung, SuchTexte::variablenFehlen);
        simulationbeenden = true;
        return;
    }
    GutGenug = false;
    const TTestlaufErgebnis ergebnis = Kranlauf(regelsystemliste_[i - 1], StartPosition, FEingangA, FEingangB,
                                                FAusgang, Pendel, simulationbeenden, beobachter_, &echtzeit_);
    GutGenug = ergebnis.GutGenug;
    Bewertungszahl = ergebnis.Bewertungszahl;
    schritte_ = ergebnis.Schritte;
}

void TEvolution::GenerationBewerten()
{
    simulationbeenden = false;
    if (threads_ > 1 && !echtzeit_ && alleDefiniert())
        parallelBewerten();
    else
        sequentiellBewerten();
    Protokolliere(QString(40, QLatin1Char('-')));
}

namespace {

QString chromosomZeile(int i, float note)
{
    return QString::number(i) + QStringLiteral(". Chromosom: ") + ProtokollZahl(note);
}

} // namespace

void TEvolution::sequentiellBewerten()
{
    const int n = Anzahl();
    for (int i = 1; i <= n; ++i) {
        if (beobachter_)
            beobachter_->zeigeChromosomNr(i);
        float& note = bewertung_[i - 1];
        note = 0;
        for (int j = 1; j < i; ++j) {
            if (Liste[j - 1] == Liste[i - 1])
                note = bewertung_[j - 1];
        }
        if (note == 0) {
            for (int k = 1; k <= Testlaeufe; ++k) {
                StartPosition = StartPosVektor[k - 1];
                if (beobachter_)
                    beobachter_->zeigeTestlaufNr(k);
                if (simulationbeenden)
                    continue;
                if (beobachter_)
                    beobachter_->plotLoeschen();
                Testlauf(i);
                if (beobachter_)
                    beobachter_->zeigeEinzelnote(Bewertungszahl);
                note = note + Bewertungszahl;
            }
        }
        if (beobachter_)
            beobachter_->zeigeChrNote(note);
        if (protokollOffen())
            Protokolliere(chromosomZeile(i, note));
    }
}

namespace {

// The runs of one chromosome as the workers found them.
struct TChromosomLaeufe {
    std::array<float, TEvolution::Testlaeufe> note{};
    std::array<float, TEvolution::Testlaeufe> zeit{};
    std::array<bool, TEvolution::Testlaeufe> gelaufen{};
    int offen = TEvolution::Testlaeufe;
};

// Every worker sets the inputs' values and the output's heights of its own
// copies; each set lies on cache lines of its own.
struct alignas(128) TArbeiterKopien {
    TFuzzy a;
    TFuzzy b;
    TFuzzy aus;
    TPendel pendel;
};

// The test runs of one generation: which chromosome each list line takes its
// grade from (a line equal to an earlier one is not run again), the jobs
// (chromosome, start position) and the results, shared by the workers.
class TBewertungsauftraege {
public:
    TBewertungsauftraege(const QStringList& liste, int n)
        : quelle_(n)
        , laeufe_(n)
    {
        for (int i = 0; i < n; ++i) {
            quelle_[i] = i;
            for (int j = 0; j < i; ++j) {
                if (liste[j] == liste[i]) {
                    quelle_[i] = j;
                    break;
                }
            }
            if (quelle_[i] == i) {
                for (int k = 0; k < TEvolution::Testlaeufe; ++k)
                    auftraege_.emplace_back(i, k);
            }
        }
    }

    int anzahl() const { return static_cast<int>(auftraege_.size()); }
    int quelle(int i) const { return quelle_[i]; }

    // Takes jobs until none is left; a set stop flag turns the rest into runs
    // that did not happen.
    void arbeiten(const std::array<TRegelsystem, TEvolution::MaxChromosomen>& regelsysteme,
                  TArbeiterKopien& eigene, const std::atomic<bool>& stop)
    {
        for (;;) {
            const std::size_t nr = naechster_.fetch_add(1);
            if (nr >= auftraege_.size())
                return;
            const auto [i, k] = auftraege_[nr];
            TTestlaufErgebnis lauf;
            const bool laufen = !stop.load(std::memory_order_relaxed);
            if (laufen)
                lauf = Kranlauf(regelsysteme[i], TEvolution::StartPosVektor[k], eigene.a, eigene.b, eigene.aus,
                                eigene.pendel, stop);
            bool fertig = false;
            {
                const std::lock_guard<std::mutex> sperre(m_);
                TChromosomLaeufe& l = laeufe_[i];
                l.gelaufen[k] = laufen;
                l.note[k] = lauf.Bewertungszahl;
                l.zeit[k] = lauf.Zeit;
                fertig = --l.offen == 0;
            }
            if (fertig)
                fertigMeldung_.notify_all();
        }
    }

    // The runs of line i once all are done. With an observer, events are
    // handed to it every few milliseconds meanwhile, so the window stays alive.
    TChromosomLaeufe abwarten(int i, TSuchBeobachter* beobachter)
    {
        std::unique_lock<std::mutex> sperre(m_);
        const int q = quelle_[i];
        while (laeufe_[q].offen > 0) {
            if (!beobachter) {
                fertigMeldung_.wait(sperre);
                continue;
            }
            fertigMeldung_.wait_for(sperre, std::chrono::milliseconds(5));
            sperre.unlock();
            beobachter->ereignisse();
            sperre.lock();
        }
        return laeufe_[q];
    }

private:
    std::vector<int> quelle_;
    std::vector<std::pair<int, int>> auftraege_;
    std::vector<TChromosomLaeufe> laeufe_;
    std::mutex m_;
    std::condition_variable fertigMeldung_;
    std::atomic<std::size_t> naechster_{0};
};

} // namespace

// The test runs of the distinct chromosomes are shared out among the workers,
// run by run, each worker with its own copies of the variables and its own
// plant. This thread hands the grades out in chromosome order, adding each
// chromosome's runs in start-position order, so that grades, displays and log
// read as if graded one by one. No random number is drawn here, so the thread
// count cannot change a result.
void TEvolution::parallelBewerten()
{
    const int n = Anzahl();
    TBewertungsauftraege auftraege(Liste, n);
    // The copies are made here, before any worker runs.
    const int anzahlArbeiter = std::min(threads_, auftraege.anzahl());
    std::vector<TArbeiterKopien> kopien(anzahlArbeiter, TArbeiterKopien{FEingangA, FEingangB, FAusgang, TPendel{}});

    // Without a window to keep alive this thread is one of the workers and
    // collects the grades once all runs are done.
    const int eigeneArbeit = beobachter_ || anzahlArbeiter == 0 ? 0 : 1;
    std::vector<std::thread> arbeiterThreads;
    arbeiterThreads.reserve(anzahlArbeiter);
    for (int t = eigeneArbeit; t < anzahlArbeiter; ++t) {
        arbeiterThreads.emplace_back([&, t] { auftraege.arbeiten(regelsystemliste_, kopien[t], simulationbeenden); });
    }
    if (eigeneArbeit)
        auftraege.arbeiten(regelsystemliste_, kopien[0], simulationbeenden);

    for (int i = 0; i < n; ++i) {
        if (beobachter_) {
            beobachter_->zeigeChromosomNr(i + 1);
            beobachter_->ereignisse();
        }
        const TChromosomLaeufe l = auftraege.abwarten(i, beobachter_);
        chromosomBewertet(i + 1, l.note, l.zeit, l.gelaufen, auftraege.quelle(i) == i);
    }
    for (std::thread& t : arbeiterThreads)
        t.join();
}

// The grade of line i from its runs, in start-position order, with the
// displays of its last run (only for a line that was run, not copied) and
// its log line.
void TEvolution::chromosomBewertet(int i, const std::array<float, Testlaeufe>& noten,
                                   const std::array<float, Testlaeufe>& zeiten,
                                   const std::array<bool, Testlaeufe>& gelaufen, bool selbstGelaufen)
{
    float note = 0;
    int letzter = -1;
    for (int k = 0; k < Testlaeufe; ++k) {
        if (!gelaufen[k])
            continue;
        note = note + noten[k];
        letzter = k;
    }
    if (beobachter_ && selbstGelaufen && letzter >= 0) {
        beobachter_->zeigeTestlaufNr(letzter + 1);
        beobachter_->zeigeZeit(zeiten[letzter]);
        beobachter_->zeigeEinzelnote(noten[letzter]);
    }
    bewertung_[i - 1] = note;
    if (beobachter_)
        beobachter_->zeigeChrNote(note);
    if (protokollOffen())
        Protokolliere(chromosomZeile(i, note));
}

bool TEvolution::Selektion()
{
    const int n = Anzahl();
    float summe = 0;
    for (int i = 0; i < n; ++i)
        summe = summe + bewertung_[i];
    const float genNote = static_cast<float>(double(summe) / n);
    if (beobachter_)
        beobachter_->zeigeGenNote(genNote);
    if (protokollOffen())
        Protokolliere(QStringLiteral("Durchschnittsnote: ") + ProtokollZahl(genNote));
    Protokolliere(QStringLiteral(" "));
    Protokolliere(QStringLiteral(" "));

    // Grades that overflowed (or none at all) would make the draws below go on
    // for ever.
    if (!(std::isfinite(genNote) && genNote > 0)) {
        melde(MeldungsArt::Warnung, SuchTexte::noteUnendlich);
        simulationbeenden = true;
        return false;
    }

    const double schwelle = double(genNote) / 1000;
    neueListe_.clear();
    while (neueListe_.size() < n) {
        const int k = zufall_->Ganzzahl(n);
        const double u = zufall_->Real();
        if (static_cast<float>(u * bewertung_[k]) < schwelle)
            neueListe_.append(Liste[k]);
    }
    Liste = neueListe_;
    return true;
}

void TEvolution::Kreuzung()
{
    // Taken before the list is emptied below.
    const int n = Anzahl();
    neueListe_.clear();
    while (!Liste.isEmpty()) {
        const int k = zufall_->Ganzzahl(static_cast<int>(Liste.size()));
        neueListe_.append(Liste.takeAt(k));
    }
    const int paare = std::min<qsizetype>(n, neueListe_.size()) / 2;
    for (int p = 1; p <= paare; ++p) {
        QString kind1;
        QString kind2;
        KreuzePaar(neueListe_[2 * p - 2], neueListe_[2 * p - 1], kind1, kind2);
        Liste.append(kind1);
        Liste.append(kind2);
    }
}

void TEvolution::KreuzePaar(const QString& a, const QString& b, QString& kind1, QString& kind2)
{
    const double u = zufall_->Real();
    if (static_cast<float>(u) < Kreuzungsrate) {
        const int k = zufall_->Ganzzahl(static_cast<int>(a.size())) + 1;
        kind1 = a.left(k) + b.mid(k);
        kind2 = b.left(k) + a.mid(k);
    } else {
        kind1 = a;
        kind2 = b;
    }
}

void TEvolution::Mutation()
{
    const int n = std::min<qsizetype>(Anzahl(), Liste.size());
    for (int i = 0; i < n; ++i) {
        const double u = zufall_->Real();
        if (!(static_cast<float>(u) < mutationsrate))
            continue;
        QString& zeile = Liste[i];
        const int k = zufall_->Ganzzahl(static_cast<int>(zeile.size()));
        if (k < zeile.size())
            zeile[k] = zeile[k] == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
    }
}
