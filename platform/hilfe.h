#pragma once

#include <QList>

#include <functional>

// Help pages by context number: 1 variables, 2 rules, 3 simulation, 4 file and
// print dialogs, 5 options, 7 genetic search.
void ZeigeHilfe(int kontext);
// The help page of the file and print dialogs.
inline constexpr int DateiDialogHilfe = 4;
// Closes the help viewer (when the program ends).
void SchliesseHilfe();

// The viewer the program installs at start-up. Until one is installed help
// requests are ignored.
struct THilfeAnzeige {
    std::function<void(int kontext)> zeigen;
    std::function<void()> schliessen;
};
THilfeAnzeige setzeHilfeAnzeige(THilfeAnzeige anzeige);

// Records help requests for as long as it lives.
class ScopedHilfe {
public:
    ScopedHilfe();
    ~ScopedHilfe();
    ScopedHilfe(const ScopedHilfe&) = delete;
    ScopedHilfe& operator=(const ScopedHilfe&) = delete;

    const QList<int>& kontexte() const { return kontexte_; }
    int geschlossen() const { return geschlossen_; }

private:
    QList<int> kontexte_;
    int geschlossen_ = 0;
    THilfeAnzeige vorher_;
};
