#pragma once

#include "forms/verlaufform.h"
#include "plant/pendel.h"
#include "platform/uhr.h"

#include <QImage>
#include <QList>
#include <QStringList>

#include <cstdint>
#include <optional>

class QPlainTextEdit;
class TIntEdit;
class TKoordinatensystem;
class TProtokollform;
class TSingEdit;

// What the search window shows of a running search, and when. A fast search
// asks for far more than the eye can follow: displays, crane pictures, log
// lines, list and curve wait here for the next refresh, which shows only the
// newest state. XOR pairs of the crane cancel, so only the picture that is
// left is drawn.
class TSuchAnzeige {
public:
    // Screen refreshes and event hand-overs during a fast search, in ms: often
    // enough for the eye and for Stop, rare enough to cost next to nothing.
    static constexpr std::uint32_t Bildtakt = 25;
    // The list is rewritten less often: its many digits cost more to lay out
    // than everything else, and nobody reads them at that pace.
    static constexpr std::uint32_t Listentakt = 250;

    // The search window's controls that show the search.
    struct TZiele {
        QPlainTextEdit* liste = nullptr;
        TKoordinatensystem* plot = nullptr;
        TIntEdit* generation = nullptr;
        TIntEdit* chromosomNr = nullptr;
        TIntEdit* testlaufNr = nullptr;
        TSingEdit* zeit = nullptr;
        TSingEdit* einzelnote = nullptr;
        TSingEdit* chrNote = nullptr;
        TSingEdit* genNote = nullptr;
        TProtokollform* protokoll = nullptr;
        TNotenPlot* verlauf = nullptr;
        TSingEdit* besterBisher = nullptr;
    };

    explicit TSuchAnzeige(const TZiele& ziele);

    // Every display is shown at the next refresh: a field's text costs more
    // than a whole test run, and a fast search ends a generation in a few
    // milliseconds.
    void generation(int generation) { offen.generation = generation; }
    void genNote(float note)
    {
        letzteGenNote = note;
        offen.genNote = note;
    }
    void chromosomNr(int i) { offen.chromosomNr = i; }
    void testlaufNr(int k) { offen.testlaufNr = k; }
    void zeit(float wert) { offen.zeit = wert; }
    void einzelnote(float note) { offen.einzelnote = note; }
    void chrNote(float note) { offen.chrNote = note; }
    void besterBisher(float note) { offen.besterBisher = note; }
    // One point of the progress curve: the generation's best ChrNote and the
    // last GenNote.
    void generationBeendet(int generation, float besteChrNote);

    // Writes the list into the text area at once, keeping its scroll position.
    void listeSchreiben(const QStringList& liste);
    // The list written back by a running search: shown at a refresh.
    void listeVormerken(const QStringList& liste) { listeOffen = liste; }

    // A new search: its log, its curve and its best so far start afresh.
    void protokollLeeren();
    // False when the log window cannot take the line.
    bool protokolliere(const QString& zeile);
    // The waiting log lines into the log window. The room left is counted
    // again: every flush lowers it.
    void protokollNachtragen();

    void plotLoeschen();
    void zielmarke() { markeOffen = true; }
    // The engine draws each picture in XOR and erases it with the same call
    // before the next step. The image after every such pair is what the user
    // must see, so the pairs between two refreshes are not drawn at all.
    void zeigePendel(const TPendel& pendel)
    {
        const TKranbild bild = kranbild(pendel);
        if (gewuenscht && *gewuenscht == bild) {
            gewuenscht.reset();
        } else {
            gewuenscht = bild;
            gewuenschtesPendel = &pendel;
        }
    }

    // A search begins: its first hand-over of events comes at once.
    void laufBeginnt() { uebergabeGewesen = false; }
    // Whether events are to be handed over now (every Bildtakt ms; even the
    // clock costs a share of a step, so it is read every few steps).
    bool uebergabeFaellig()
    {
        if (uebergabeGewesen && ++ungezaehlt < 16)
            return false;
        ungezaehlt = 0;
        const std::uint32_t jetzt = TickCount();
        if (uebergabeGewesen && jetzt - letzteUebergabe < Bildtakt)
            return false;
        uebergabeGewesen = true;
        letzteUebergabe = jetzt;
        return true;
    }
    // Events were handed over (in a pause): the next hand-over waits its time.
    void uebergabeGemerkt()
    {
        uebergabeGewesen = true;
        letzteUebergabe = TickCount();
    }

    // Brings the plot, the displays, the log and the curve up to the last
    // step; the list only every Listentakt ms unless `alles`.
    void nachfuehren(bool alles = true);

private:
    // The crane as the image shows it and as the engine last asked for it.
    struct TKranbild {
        float x = 0;
        float phi = 0;
        float laenge = 0;
        bool typ = false;
        friend bool operator==(const TKranbild&, const TKranbild&) = default;
    };
    static TKranbild kranbild(const TPendel& p) { return TKranbild{p.x(), p.zustand()[2], p.laenge(), p.PendelTyp()}; }
    void plotLeeren();
    void zielmarkeZeichnen();

    TZiele ziele;
    std::optional<TPendel> gezeichnet;
    // The engine's plant does not change between its last picture and the
    // next refresh, so only its drawn values are noted at every step.
    std::optional<TKranbild> gewuenscht;
    const TPendel* gewuenschtesPendel = nullptr;
    // Display values waiting for the next refresh.
    struct TOffen {
        std::optional<int> generation, chromosomNr, testlaufNr;
        std::optional<float> zeit, einzelnote, chrNote, genNote, besterBisher;
    } offen;
    // The cleared plot with its grid: every test run starts from it. Runs are
    // often shorter than the grid takes to draw, so clearing and the target
    // mark wait for the next refresh like the crane.
    QImage leeresBild;
    bool loeschenOffen = false;
    bool markeOffen = false;
    std::optional<QStringList> listeOffen;
    QStringList protokollOffen;
    QList<TNotenPunkt> verlaufOffen;
    float letzteGenNote = 0;
    int protokollPlatz = 0;
    int ungezaehlt = 0;
    std::uint32_t letzteUebergabe = 0;
    std::uint32_t letzteListe = 0;
    bool uebergabeGewesen = false;
};
