#pragma once

#include "core/projekt.h"

#include <cstddef>
#include <vector>

// The undo history of the project: a list of whole snapshots, the current one
// included. A step is a change of what the file holds (the variables and the
// rule table); a changed file name, changed flag or working copy of the output
// goes with the current snapshot instead. Every snapshot keeps its own
// Geaendert, so going back to the saved state gives an unchanged project.
class TProjektverlauf {
public:
    // Older steps than this are forgotten.
    static constexpr std::size_t MaxSchritte = 100;

    explicit TProjektverlauf(const TProjekt& anfang = TProjekt{});

    // After a command: a project that holds other variables or rules than the
    // current snapshot becomes a new step (and what was undone is gone);
    // otherwise it replaces the current snapshot.
    void Merken(const TProjekt& projekt);

    // After the project was written to projekt.Dateiname: it replaces the
    // current snapshot, and every other snapshot of that file is changed
    // exactly when it holds something else than the file now does.
    void Gespeichert(const TProjekt& projekt);

    bool RueckgaengigMoeglich() const { return aktuell > 0; }
    bool WiederherstellenMoeglich() const { return aktuell + 1 < staende.size(); }

    // One step back or forward; `projekt` becomes the snapshot it goes to.
    // A change of `projekt` since the last Merken is merged first, as its own
    // step (so it can be undone, and nothing is left to redo). false, with
    // `projekt` untouched, when there is no such step.
    bool Rueckgaengig(TProjekt& projekt);
    bool Wiederherstellen(TProjekt& projekt);

private:
    std::vector<TProjekt> staende;
    std::size_t aktuell = 0;
};

// Whether two projects hold the same variables and rules: what a project file
// of them would hold (names, universes, terms, the rule table). The current
// values x, the colours, the working copy of the output, the file name and
// the changed flag do not count.
bool GleicherInhalt(const TProjekt& a, const TProjekt& b);
