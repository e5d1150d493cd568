#include "app/assistent.h"

#include "platform/meldung.h"

void Assistent(const TAssistentBefehle& befehle)
{
    befehle.neu();
    Meldung(MeldungsArt::Information, AssistentTexte::eingangA);
    befehle.variableEditieren(1);
    if (Meldung(MeldungsArt::Bestaetigung, AssistentTexte::weitererEingang, true) == Antwort::Ja)
        befehle.variableEditieren(2);
    Meldung(MeldungsArt::Information, AssistentTexte::ausgang);
    befehle.variableEditieren(3);
    Meldung(MeldungsArt::Information, AssistentTexte::regeln);
    befehle.regelnEditieren();
}
