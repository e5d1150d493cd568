#pragma once

// Lets GoogleTest print message boxes readably in failure messages.
#include "core/meldung.h"
#include "tests/qstring_ausgabe.h"

#include <ostream>

inline void PrintTo(const TMeldung& m, std::ostream* os)
{
    static const char* const arten[] = {"Warnung", "Fehler", "Information", "Bestaetigung"};
    *os << arten[int(m.art)] << " \"" << m.text.toStdString() << '"';
}
