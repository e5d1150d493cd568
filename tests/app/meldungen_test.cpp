// The German wording of every message and fixed text that the program keeps
// in a named constant, spelt out letter by letter: the other tests compare
// with the constants themselves, so a slip in a constant shows only here.
// "\r" is the line break of a message box.
#include "app/assistent.h"
#include "app/einrichtung.h"
#include "app/hilfeform.h"
#include "app/infoform.h"
#include "app/mainform.h"
#include "app/verlauf.h"
#include "core/projekt.h"
#include "core/regeltab.h"
#include "forms/optionenform.h"
#include "forms/regeditform.h"
#include "forms/regtestform.h"
#include "forms/suchenform.h"
#include "plant/simulation.h"
#include "search/suchtexte.h"

#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

namespace {

struct TWortlaut {
    const char* name;
    const QString& text;
    const char* wortlaut;
};

void pruefen(std::initializer_list<TWortlaut> faelle)
{
    for (const TWortlaut& f : faelle)
        EXPECT_EQ(f.text, QString::fromUtf8(f.wortlaut)) << f.name;
}

TEST(Wortlaut, MessagesOfTheProjectFileAndTheMainWindowsCommands)
{
    pruefen({
        {"ProjektTexte::nichtGelesen", ProjektTexte::nichtGelesen, "Daten konnten nicht gelesen werden!"},
        {"ProjektTexte::formatFehler", ProjektTexte::formatFehler,
         "Beim Öffnen der Datei ist ein Fehler aufgetreten. Prüfen Sie nach, ob es sich um eine Fuzzy-Datei handelt!"},
        {"ProjektTexte::keinName", ProjektTexte::keinName, "Die Datei hat noch keinen Namen."},
        {"ProjektTexte::nichtGespeichert", ProjektTexte::nichtGespeichert, "Daten konnten nicht gespeichert werden!"},
        {"ProjektTexte::schreibFehler", ProjektTexte::schreibFehler,
         "Beim Schreiben der Datei ist ein Fehler aufgetreten.\rDie Datei wurde nicht gespeichert; "
         "eine frühere Fassung der Datei ist erhalten geblieben."},
        {"ProjektTexte::variableOhneName", ProjektTexte::variableOhneName,
         "Eine definierte Fuzzyvariable hat keinen Namen und kann so nicht gespeichert werden.\r"
         "Geben Sie der Variablen im Variableneditor einen Namen. Die Datei wurde nicht gespeichert."},
        {"RegelTexte::variablenFehlen", RegelTexte::variablenFehlen,
         "Eingang A und/oder Ausgang (noch) nicht definiert!"},
        {"AssistentTexte::eingangA", AssistentTexte::eingangA, "Definieren Sie die Fuzzyvariable für den Eingang A!"},
        {"AssistentTexte::weitererEingang", AssistentTexte::weitererEingang,
         "Wollen Sie auch noch eine weitere Eingangsvariable definieren?"},
        {"AssistentTexte::ausgang", AssistentTexte::ausgang, "Definieren Sie die Fuzzyvariable für den Ausgang!"},
        {"AssistentTexte::regeln", AssistentTexte::regeln, "Geben Sie nun die Regeln ein!"},
    });
}

TEST(Wortlaut, MessagesOfTheEditorsTheOptionsAndTheSimulation)
{
    pruefen({
        {"TRegEditForm::KeinAusgangsterm", TRegEditForm::KeinAusgangsterm, "Wählen Sie zunächst einen Ausgangsterm!"},
        {"TRegEditForm::FrageLoeschen", TRegEditForm::FrageLoeschen, "Sollen die Regeln wirklich gelöscht werden?"},
        {"OptionenTexte::raster", OptionenTexte::raster, "Die Rasteranzahl muss mindestens 2 sein."},
        {"OptionenTexte::laenge", OptionenTexte::laenge, "Die Pendellänge muss mindestens 0,1 m betragen."},
        {"OptionenTexte::deltaT", OptionenTexte::deltaT, "DeltaT muss mindestens 10 ms betragen."},
        // "Fuzzyvarariablen" is how the program has always spelt it.
        {"SimulationsTexte::nichtDefiniert", SimulationsTexte::nichtDefiniert,
         "Sie müssen zuerst die entsprechenden Fuzzyvarariablen\rund zugehörige Regeln definieren!"},
        {"VerlaufTexte::nichtGespeichert", VerlaufTexte::nichtGespeichert(QStringLiteral("a.csv")),
         "Die Datei \"a.csv\" konnte nicht gespeichert werden."},
    });
}

TEST(Wortlaut, MessagesOfTheGeneticSearch)
{
    pruefen({
        {"SuchTexte::listeFalsch", SuchTexte::listeFalsch, "Die aktuelle Chromosomenliste ist nicht korrekt."},
        {"SuchTexte::termanzahlFalsch", SuchTexte::termanzahlFalsch,
         "Die Anzahl der Terme bei (mindestens) einer\rFuzzyvariablen ist nicht gleich 4."},
        {"SuchTexte::maximal40", SuchTexte::maximal40,
         "Die Anzahl der Chromosomen ist maximal 40. Weitere Chromosomen werden nicht berücksichtigt."},
        {"SuchTexte::minimal2", SuchTexte::minimal2, "Die Anzahl der Chromosomen ist minimal 2."},
        // Unlike the simulation's message, spelt right.
        {"SuchTexte::variablenFehlen", SuchTexte::variablenFehlen,
         "Sie müssen zuerst die entsprechenden Fuzzyvariablen und zugehörige Regeln definieren!"},
        {"SuchTexte::protokollVoll", SuchTexte::protokollVoll,
         "Der Speicher für das Protokoll ist voll.\rDie genetische Regelsuche wird abgebrochen."},
        {"SuchTexte::suchvariablenFehlen", SuchTexte::suchvariablenFehlen,
         "Sie müssen zuerst Ein- und Ausgangsvariable\rfür die Laufkatze definieren."},
        {"SuchTexte::anzahlUngerade", SuchTexte::anzahlUngerade,
         "Die Anzahl der Chromosomen ist ungerade.\rDie Suche startet nur mit einer geraden Anzahl von Chromosomen."},
        {"SuchTexte::zuWenigZeilen", SuchTexte::zuWenigZeilen,
         "Die Chromosomenliste hat weniger Zeilen als die Anzahl der Chromosomen.\r"
         "Erzeugen Sie eine neue Liste oder verringern Sie die Anzahl der Chromosomen."},
        {"SuchTexte::noteUnendlich", SuchTexte::noteUnendlich,
         "Die Bewertung dieser Generation ist keine endliche Zahl.\rDie genetische Regelsuche wird abgebrochen."},
        {"SuchTexte::genNichtGelesen", SuchTexte::genNichtGelesen, "Die Gen-Datei konnte nicht gelesen werden:\r"},
        {"SuchTexte::genNichtGespeichert", SuchTexte::genNichtGespeichert,
         "Die Gen-Datei konnte nicht gespeichert werden:\r"},
        {"SuchTexte::frageAbbrechen", SuchTexte::frageAbbrechen,
         "Wollen Sie die Genetische Regelsuche\rwirklich abbrechen?"},
        {"SuchTexte::frageNeuErzeugen", SuchTexte::frageNeuErzeugen,
         "Die Anzahl der bestehenden Chromosomen stimmt nicht mit der gewünschten Anzahl überein. "
         "Soll die bestehende Chromosomenliste neu erzeugt werden?"},
        // "muß" as the program has always written it.
        {"SuchTexte::anzahlGerade", SuchTexte::anzahlGerade, "Die Anzahl der Chromosomen muß gerade sein!"},
        {"SuchTexte::regelnPassenNicht", SuchTexte::regelnPassenNicht,
         "Eine Zelle der Regeltabelle nimmt nur eine Regel auf. Diese Regeln haben dieselbe Prämisse wie eine "
         "frühere Regel, aber eine andere Schlussfolgerung:"},
        {"SuchTexte::uebrigeUebernehmen", SuchTexte::uebrigeUebernehmen,
         "Sollen die übrigen Regeln in die Regeltabelle übernommen werden?"},
        {"SuchTexte::uebernahmeTermanzahl", SuchTexte::uebernahmeTermanzahl,
         "Die Regeln lassen sich nur übernehmen, wenn Eingang A, Eingang B und der Ausgang\r"
         "des Projekts je 4 Terme haben."},
        {"SuchTexte::regelnUebernommen", SuchTexte::regelnUebernommen,
         "Die Regeln stehen jetzt in der Regeltabelle des Projekts."},
    });
}

TEST(Wortlaut, CaptionsAndFixedTextsOfTheWindows)
{
    const QString nichtGeschrieben = KonfigurationNichtGeschrieben(QStringLiteral("/opt/tarvik/tarvik.ini"));
    pruefen({
        {"TMainForm::Starttitel", TMainForm::Starttitel, "Tarvik 3.0"},
        {"NeuerProjektname", NeuerProjektname, "Neu"},
        {"SuchTexte::titel", SuchTexte::titel, "Genetische Regelsuche"},
        {"SuchTexte::titelNeu", SuchTexte::titelNeu, "Genetische Regelsuche [Neu]"},
        {"SuchTexte::testlaufErgebnis", SuchTexte::testlaufErgebnis, "Testlauf %1 (Start bei %2 m): Einzelnote %3, %4"},
        {"SuchTexte::zielErreicht", SuchTexte::zielErreicht, "Ziel erreicht"},
        {"SuchTexte::zielNichtErreicht", SuchTexte::zielNichtErreicht, "Ziel nicht erreicht"},
        {"SuchTexte::wiedergabeErgebnis", SuchTexte::wiedergabeErgebnis,
         "Ziel erreicht in %1 von 10 Testläufen; ChrNote %2"},
        {"SuchTexte::wiedergabeAbgebrochen", SuchTexte::wiedergabeAbgebrochen, "Die Testläufe wurden abgebrochen."},
        {"TInfoForm::AnzahlText", TInfoForm::AnzahlText, "Anzahl der eingebundenen Programme: "},
        {"TRegEditForm::OhneWirkung", TRegEditForm::OhneWirkung, "?"},
        {"TRegTestForm::KeineRegelText", TRegTestForm::KeineRegelText,
         "Keine Regel ist aktiv – der Ausgang steht am linken Rand seiner Grundmenge."},
        {"THilfeForm::KeineHilfe", THilfeForm::KeineHilfe, "Zu diesem Thema gibt es noch keine Hilfe."},
        {"KonfigurationNichtGeschrieben", nichtGeschrieben,
         "Die Datei /opt/tarvik/tarvik.ini konnte nicht geschrieben werden.\rDie Einstellungen wurden nicht gespeichert."},
    });
}

} // namespace
