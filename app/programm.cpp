#include "app/programm.h"

#include "platform/meldung.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

FatalerFehlerHandler ProgrammFehlerHandler(std::function<void(int)> beenden)
{
    if (!beenden) {
        beenden = [](int status) {
            std::fflush(nullptr);
            std::_Exit(status);
        };
    }
    return [beenden = std::move(beenden)](const QString& text) {
        Meldung(MeldungsArt::Fehler, text);
        beenden(1);
    };
}
