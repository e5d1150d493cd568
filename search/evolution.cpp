#include "search/evolution.h"

#include "core/regeltab.h"
#include "core/zahlenformat.h"
#include "search/suchtexte.h"

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <numbers>
#include <thread>
#include <vector>

namespace {

constexpr double pi = std::numbers::pi;
constexpr float ziel = 2;

} // namespace

float LastPosition(const TPendel& p)
{
    return static_cast<float>(double(p.x()) + double(p.laenge()) * std::sin(double(p.winkel()) * pi / 180));
}

float LastGeschwindigkeit(const TPendel& p)
{
    return static_cast<float>(double(p.xdot()) + double(p.winkeldot()) * pi * double(p.laenge()) / 180);
}

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

void TEvolution::Dekodieren()
{
    const int n = std::min<qsizetype>(ChromosomenAnzahl, std::min<qsizetype>(Liste.size(), MaxChromosomen));
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
    const int n = ChromosomenAnzahl;
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

} // namespace

// The test runs of the distinct chromosomes are shared out among the workers,
// run by run, each worker with its own copies of the variables and its own
// plant. This thread hands the grades out in chromosome order, adding each
// chromosome's runs in start-position order, so that grades, displays and log
// read as if graded one by one. No random number is drawn here, so the thread
// count cannot change a result.
void TEvolution::parallelBewerten()
{
    const int n = ChromosomenAnzahl;
    std::vector<int> quelle(n);
    std::vector<std::pair<int, int>> auftraege;
    for (int i = 0; i < n; ++i) {
        quelle[i] = i;
        for (int j = 0; j < i; ++j) {
            if (Liste[j] == Liste[i]) {
                quelle[i] = j;
                break;
            }
        }
        if (quelle[i] == i) {
            for (int k = 0; k < Testlaeufe; ++k)
                auftraege.emplace_back(i, k);
        }
    }

    std::vector<TChromosomLaeufe> laeufe(n);
    std::mutex m;
    std::condition_variable fertigMeldung;
    std::atomic<std::size_t> naechster{0};

    // Every worker sets the inputs' values and the output's heights of its own
    // copies; they are made here, before any worker runs, each on cache lines
    // of its own.
    struct alignas(128) TKopien {
        TFuzzy a;
        TFuzzy b;
        TFuzzy aus;
        TPendel pendel;
    };
    const int anzahlArbeiter = std::min<int>(threads_, static_cast<int>(auftraege.size()));
    std::vector<TKopien> kopien(anzahlArbeiter, TKopien{FEingangA, FEingangB, FAusgang, TPendel{}});

    auto arbeiter = [&](TKopien& eigene) {
        for (;;) {
            const std::size_t nr = naechster.fetch_add(1);
            if (nr >= auftraege.size())
                return;
            const auto [i, k] = auftraege[nr];
            TTestlaufErgebnis lauf;
            const bool laufen = !simulationbeenden.load(std::memory_order_relaxed);
            if (laufen)
                lauf = Kranlauf(regelsystemliste_[i], StartPosVektor[k], eigene.a, eigene.b, eigene.aus,
                                eigene.pendel, simulationbeenden);
            bool fertig = false;
            {
                const std::lock_guard<std::mutex> sperre(m);
                TChromosomLaeufe& l = laeufe[i];
                l.gelaufen[k] = laufen;
                l.note[k] = lauf.Bewertungszahl;
                l.zeit[k] = lauf.Zeit;
                fertig = --l.offen == 0;
            }
            if (fertig)
                fertigMeldung.notify_all();
        }
    };

    // Without a window to keep alive this thread is one of the workers and
    // collects the grades once all runs are done.
    const int eigeneArbeit = beobachter_ || anzahlArbeiter == 0 ? 0 : 1;
    std::vector<std::thread> arbeiterThreads;
    arbeiterThreads.reserve(anzahlArbeiter);
    for (int t = eigeneArbeit; t < anzahlArbeiter; ++t)
        arbeiterThreads.emplace_back(arbeiter, std::ref(kopien[t]));
    if (eigeneArbeit) {
        arbeiter(kopien[0]);
        for (std::thread& t : arbeiterThreads)
            t.join();
        arbeiterThreads.clear();
    }

    for (int i = 0; i < n; ++i) {
        if (beobachter_) {
            beobachter_->zeigeChromosomNr(i + 1);
            beobachter_->ereignisse();
        }
        TChromosomLaeufe l;
        {
            std::unique_lock<std::mutex> sperre(m);
            while (laeufe[quelle[i]].offen > 0) {
                if (!beobachter_) {
                    fertigMeldung.wait(sperre);
                    continue;
                }
                // The window stays alive while the workers run.
                fertigMeldung.wait_for(sperre, std::chrono::milliseconds(5));
                sperre.unlock();
                beobachter_->ereignisse();
                sperre.lock();
            }
            l = laeufe[quelle[i]];
        }
        float note = 0;
        int letzter = -1;
        for (int k = 0; k < Testlaeufe; ++k) {
            if (!l.gelaufen[k])
                continue;
            note = note + l.note[k];
            letzter = k;
        }
        if (beobachter_ && quelle[i] == i && letzter >= 0) {
            beobachter_->zeigeTestlaufNr(letzter + 1);
            beobachter_->zeigeZeit(l.zeit[letzter]);
            beobachter_->zeigeEinzelnote(l.note[letzter]);
        }
        bewertung_[i] = note;
        if (beobachter_)
            beobachter_->zeigeChrNote(note);
        if (protokollOffen())
            Protokolliere(chromosomZeile(i + 1, note));
    }
    for (std::thread& t : arbeiterThreads)
        t.join();
}

bool TEvolution::Selektion()
{
    const int n = ChromosomenAnzahl;
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
    neueListe_.clear();
    while (!Liste.isEmpty()) {
        const int k = zufall_->Ganzzahl(static_cast<int>(Liste.size()));
        neueListe_.append(Liste.takeAt(k));
    }
    const int paare = std::min<qsizetype>(ChromosomenAnzahl, neueListe_.size()) / 2;
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
    const int n = std::min<qsizetype>(ChromosomenAnzahl, Liste.size());
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
