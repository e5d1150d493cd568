#pragma once

#include <QString>

// The kinds of message box the program shows. The core only says which box and
// which text; the desktop layer (or the command-line tool) shows it.
enum class MeldungsArt { Warnung, Fehler, Information, Bestaetigung };

struct TMeldung {
    MeldungsArt art = MeldungsArt::Information;
    QString text;

    friend bool operator==(const TMeldung&, const TMeldung&) = default;
};
