#pragma once

#include "core/fuzzy.h"
#include "core/meldung.h"
#include "plant/pendel.h"
#include "search/arbeiterpool.h"
#include "search/bewertung.h"
#include "search/regelsystem.h"
#include "search/suchbeobachter.h"
#include "search/suchdaten.h"
#include "search/suchparameter.h"
#include "search/zufall.h"

#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

// The genetic rule search: the chromosome list, the parameters, the search's
// own copies of the variables and its plant, and the generation loop.
// Chromosome numbers count from 1.
class TEvolution {
public:
    TEvolution();
    ~TEvolution();
    TEvolution(const TEvolution&) = delete;
    TEvolution& operator=(const TEvolution&) = delete;

    // None: nothing is drawn, logged or waited for.
    void setBeobachter(TSuchBeobachter* beobachter) { beobachter_ = beobachter; }
    // None: the engine's own source, seeded from the clock.
    void setZufall(TZufall* zufall);
    TZufall& zufall() { return *zufall_; }
    // Threads that grade a generation ("möglichst schnell" only; the real-time
    // pace always grades on the calling thread, drawing every step).
    void setThreads(int anzahl) { threads_ = anzahl < 1 ? 1 : anzahl; }
    int threads() const { return threads_; }
    // "in Echtzeit" (true) or "möglichst schnell" (false); read at every step.
    void setEchtzeit(bool echtzeit) { echtzeit_ = echtzeit; }
    bool echtzeit() const { return echtzeit_; }

    // Copies the project's variables into the search (assign: no x, no colours).
    void VariablenUebernehmen(const TSuchVariablen& variablen);
    const TFuzzy& EingangA() const { return kopien_.EingangA; }
    const TFuzzy& EingangB() const { return kopien_.EingangB; }
    const TFuzzy& Ausgang() const { return kopien_.Ausgang; }
    // The search's own plant, as the last test run on this thread left it.
    const TPendel& Pendel() const { return kopien_.Pendel; }

    // The chromosome list: the lines of the search window's text area. While
    // a search runs only the engine changes it; setListe is then ignored.
    const QStringList& Liste() const { return liste_; }
    void setListe(const QStringList& liste);

    const TSuchParameter& Parameter() const { return parameter_; }
    void setParameter(const TSuchParameter& parameter) { parameter_ = parameter; }
    std::int32_t ChromosomenAnzahl() const { return parameter_.ChromosomenAnzahl; }
    // A change during a search takes effect at the next start.
    void setChromosomenAnzahl(std::int32_t anzahl) { parameter_.ChromosomenAnzahl = anzahl; }

    // The number of chromosomes the search works with: while it runs, the
    // ChromosomenAnzahl taken at the start; else ChromosomenAnzahl within the
    // list.
    int Anzahl() const;

    // n random chromosomes (nothing while a search runs).
    void Erzeugen();
    // The start checks, then generation after generation until the stop flag
    // is set; with a limit above 0 also until that many whole generations are
    // done. False when a check refused the start (its message is shown).
    bool Starten(int generationenGrenze = 0);
    // Requests the stop: the search ends after its current step.
    void Anhalten() { simulationbeenden_ = true; }
    // Set while no search runs and when a stop is requested.
    bool simulationbeenden() const { return simulationbeenden_; }
    // Starten and GenerationBewerten clear it; a test of a single step of the
    // generation below may too (log lines are written only while it is clear).
    void setSimulationbeenden(bool wert) { simulationbeenden_ = wert; }
    bool laeuft() const { return laeuft_; }
    int Generation() const { return generation_; }

    // The steps of one generation.
    // List lines 1..n into the rule systems.
    void Dekodieren();
    void GenerationBewerten();
    // GenNote and its log lines, then the new list. False (and a stop) when
    // the grades give no selection.
    bool Selektion();
    void Kreuzung();
    void KreuzePaar(const QString& a, const QString& b, QString& kind1, QString& kind2);
    void Mutation();
    // Appends a log line while the stop flag is not set.
    void Protokolliere(const QString& s);

    float Bewertung(int i) const { return bewertung_[i - 1]; }
    void setBewertung(int i, float note) { bewertung_[i - 1] = note; }
    const TRegelsystem& Regelsystem(int i) const { return regelsystemliste_[i - 1]; }
    const QStringList& NeueChromosomenliste() const { return neueListe_; }
    // The chromosome of the lowest ChrNote of the last graded generation (the
    // first of equal ones): its number (0 before any grading) and its text.
    int BesterChromosom() const;
    QString BesterChromosomText() const;
    // Since the last Start; none before the first complete grading. The
    // search itself keeps no elite: this is only a record.
    const std::optional<TBesterBisher>& BesterBisher() const { return besterBisher_; }

private:
    void melde(MeldungsArt art, const QString& text);
    // A grade's exact digits cost more than a short test run: they are made
    // only when a log line will be written.
    bool protokollOffen() const { return beobachter_ && !simulationbeenden_; }
    bool alleDefiniert() const;
    bool startPruefen();
    // The selection's draws: lines drawn at random, each taken with a chance
    // that falls with its grade, until the new list is full.
    template <class Zufall>
    void ziehen(Zufall& zufall, int n, double schwelle);
    void sequentiellBewerten(const std::vector<int>& quellen);
    void parallelBewerten(const std::vector<int>& quellen);
    // The displays of a chromosome graded elsewhere: those of its last run.
    void laufZeigen(const TChromosomBewertung& b);
    // The grade of line i, its display and its log line; a complete grade
    // may be the best so far.
    void chromosomBewertet(int i, float note, bool vollstaendig);

    TSuchBeobachter* beobachter_ = nullptr;
    std::unique_ptr<TStandardZufall> eigenerZufall_;
    TZufall* zufall_ = nullptr;
    int threads_ = 1;
    // The workers of the parallel grading, kept from one generation to the next.
    TArbeiterPool pool_;
    bool echtzeit_ = false;

    QStringList liste_;
    TSuchParameter parameter_;
    TKranKopien kopien_;
    std::atomic<bool> simulationbeenden_{true};

    std::array<TRegelsystem, MaxChromosomen> regelsystemliste_{};
    std::array<float, MaxChromosomen> bewertung_{};
    std::array<bool, MaxChromosomen> vollstaendig_{};
    std::optional<TBesterBisher> besterBisher_;
    QStringList neueListe_;
    int generation_ = 0;
    int n_ = 0;
    // Lines graded by the last GenerationBewerten.
    int bewertet_ = 0;
    bool laeuft_ = false;
};
