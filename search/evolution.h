#pragma once

#include "core/fuzzy.h"
#include "core/meldung.h"
#include "plant/pendel.h"
#include "search/regelsystem.h"
#include "search/zufall.h"

#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

// What the evolution shows and asks of its surroundings: the search window's
// displays, the log, the plot, the pause and the hand-over of pending events,
// and the message boxes. Every call comes from the thread that runs the search.
class TSuchBeobachter {
public:
    virtual ~TSuchBeobachter() = default;

    virtual void zeigeGeneration(int /*generation*/) {}
    virtual void zeigeChromosomNr(int /*i*/) {}
    virtual void zeigeTestlaufNr(int /*k*/) {}
    virtual void zeigeZeit(float /*zeit*/) {}
    virtual void zeigeEinzelnote(float /*note*/) {}
    virtual void zeigeChrNote(float /*note*/) {}
    virtual void zeigeGenNote(float /*note*/) {}

    virtual void protokollLeeren() {}
    // Appends one line; false when the log cannot take it.
    virtual bool protokolliere(const QString& /*zeile*/) { return true; }

    // Copy pen, dotted, 1 pixel; repaint with the grid; reset the scaling.
    virtual void plotLoeschen() {}
    // The red triangle under the target, then XOR pen for the crane.
    virtual void zielmarke() {}
    // Draws the crane in XOR: a second call with the same state erases it.
    virtual void zeigePendel(const TPendel& /*pendel*/) {}

    // Waits while handling events ("in Echtzeit").
    virtual void pause(int /*millisekunden*/) {}
    // Hands pending events to the toolkit; may be throttled by the caller.
    virtual void ereignisse() {}

    virtual void meldung(const TMeldung& /*m*/) {}

    // The list was written back (after creation and after every generation).
    virtual void listeGeaendert(const QStringList& /*liste*/) {}
    // A whole generation (grading, selection, crossover, mutation) is done.
    virtual void generationBeendet(int /*generation*/) {}
};

// LastPosition and LastGeschwindigkeit of the crane's load: plant/pendel.h.
// The load rests at the target 2 after the first second: load velocity below
// 0.1, load within 0.1 and cart within 0.2 of the target.
bool ZielErreicht(const TPendel& pendel);
// The rope swings beyond 90 degrees, the cart leaves -10..10, or 30 s are over.
bool TestlaufEnde(const TPendel& pendel);

struct TTestlaufErgebnis {
    float Bewertungszahl = 0; // the Einzelnote
    int Schritte = 0;         // calls of Schritt
    bool GutGenug = false;
    float Zeit = 0;
};

// One test run of the crane under the rule system rs from cart position start:
// set-up, steps with the rule-list inference until an end test holds or the
// stop flag is set, and the grade. Without an observer nothing is drawn and
// nothing waits. The pace ("in Echtzeit" when *echtzeit is true) is read at
// every step, as the user may switch it during a run.
TTestlaufErgebnis Kranlauf(const TRegelsystem& rs, float start, TFuzzy& eingangA, TFuzzy& eingangB,
                           TFuzzy& ausgang, TPendel& pendel, const std::atomic<bool>& stop,
                           TSuchBeobachter* beobachter = nullptr, const bool* echtzeit = nullptr);

// The genetic rule search with the search window's state. Chromosome numbers
// count from 1.
class TEvolution {
public:
    static constexpr int MaxChromosomen = 40;
    static constexpr int Testlaeufe = 10;
    static constexpr std::array<float, Testlaeufe> StartPosVektor = {-3, -2, -1, 0, 1, 1.5f, 2, 2.5f, 3, 4};

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
    // "in Echtzeit" (true) or "möglichst schnell" (false).
    void setEchtzeit(bool echtzeit) { echtzeit_ = echtzeit; }
    bool echtzeit() const { return echtzeit_; }

    // Copies the project's variables into the search (assign: no x, no colours).
    void VariablenUebernehmen(const TFuzzy& eingangA, const TFuzzy& eingangB, const TFuzzy& ausgang);

    // The chromosome list: the lines of the search window's text area. While
    // a search runs (laeuft()) only the engine changes it.
    QStringList Liste;
    std::int32_t ChromosomenAnzahl = 20;
    float Kreuzungsrate = 0.2f;
    float mutationsrate = 0.01f;
    TFuzzy FEingangA;
    TFuzzy FEingangB;
    TFuzzy FAusgang;
    TPendel Pendel;
    float StartPosition = 0;
    float Bewertungszahl = 0;
    bool GutGenug = false;
    // Set while no search runs and when a stop is requested.
    std::atomic<bool> simulationbeenden{true};

    // The number of chromosomes the search works with: while it runs, the
    // ChromosomenAnzahl taken at Start; else ChromosomenAnzahl within the list.
    int Anzahl() const;

    float Bewertung(int i) const { return bewertung_[i - 1]; }
    void setBewertung(int i, float note) { bewertung_[i - 1] = note; }
    const TRegelsystem& Regelsystem(int i) const { return regelsystemliste_[i - 1]; }
    const QStringList& NeueChromosomenliste() const { return neueListe_; }
    int Generation() const { return generation_; }
    bool laeuft() const { return laeuft_; }
    // Steps of the last test run.
    int Schritte() const { return schritte_; }

    // n random chromosomes (nothing while a search runs); the window's caption
    // becomes SuchTexte::titelNeu.
    void ErzeugenButtonClick();
    // The start checks, then generation after generation until the stop flag
    // is set; with a limit above 0 also until that many whole generations are
    // done. False when a check refused the start (its message is shown).
    bool StartButtonClick(int generationenGrenze = 0);
    void StopButtonClick() { simulationbeenden = true; }

    // List lines 1..n into the rule systems.
    void Dekodieren();
    void GenerationBewerten();
    // One crane run of rule system i from StartPosition; the grade goes to
    // Bewertungszahl.
    void Testlauf(int i);
    // GenNote and its log lines, then the new list. False (and a stop) when
    // the grades give no selection.
    bool Selektion();
    void Kreuzung();
    void KreuzePaar(const QString& a, const QString& b, QString& kind1, QString& kind2);
    void Mutation();
    // Appends a log line while the stop flag is not set.
    void Protokolliere(const QString& s);

private:
    void melde(MeldungsArt art, const QString& text);
    // A grade's exact digits cost more than a short test run: they are made
    // only when a log line will be written.
    bool protokollOffen() const { return beobachter_ && !simulationbeenden; }
    bool alleDefiniert() const;
    void sequentiellBewerten();
    void parallelBewerten();
    void chromosomBewertet(int i, const std::array<float, Testlaeufe>& noten, const std::array<float, Testlaeufe>& zeiten,
                           const std::array<bool, Testlaeufe>& gelaufen, bool selbstGelaufen);

    TSuchBeobachter* beobachter_ = nullptr;
    std::unique_ptr<TStandardZufall> eigenerZufall_;
    TZufall* zufall_ = nullptr;
    int threads_ = 1;
    bool echtzeit_ = false;

    std::array<TRegelsystem, MaxChromosomen> regelsystemliste_{};
    std::array<float, MaxChromosomen> bewertung_{};
    QStringList neueListe_;
    int generation_ = 0;
    int n_ = 0;
    bool laeuft_ = false;
    int schritte_ = 0;
};
