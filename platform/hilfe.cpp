#include "platform/hilfe.h"

#include <utility>

namespace {

THilfeAnzeige& anzeige()
{
    static THilfeAnzeige a;
    return a;
}

} // namespace

void ZeigeHilfe(int kontext)
{
    if (anzeige().zeigen)
        anzeige().zeigen(kontext);
}

void SchliesseHilfe()
{
    if (anzeige().schliessen)
        anzeige().schliessen();
}

THilfeAnzeige setzeHilfeAnzeige(THilfeAnzeige neu)
{
    return std::exchange(anzeige(), std::move(neu));
}

ScopedHilfe::ScopedHilfe()
{
    vorher_ = setzeHilfeAnzeige({[this](int kontext) { kontexte_.append(kontext); }, [this] { ++geschlossen_; }});
}

ScopedHilfe::~ScopedHilfe()
{
    setzeHilfeAnzeige(std::move(vorher_));
}
