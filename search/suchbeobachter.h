#pragma once

#include "core/meldung.h"
#include "plant/pendel.h"

#include <QString>
#include <QStringList>

struct TTestlaufErgebnis;

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
    // A chromosome graded completely has the lowest ChrNote of the search so
    // far.
    virtual void zeigeBesterBisher(float /*note*/) {}
    // Test run k (1..10) of a chromosome graded on this thread has ended.
    virtual void testlaufBeendet(int /*k*/, const TTestlaufErgebnis& /*ergebnis*/) {}

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
