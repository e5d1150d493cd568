#pragma once

#include <QString>

// The genetic search's own message texts ("\r" is a line break).
namespace SuchTexte {
inline const QString listeFalsch = QStringLiteral("Die aktuelle Chromosomenliste ist nicht korrekt.");
inline const QString termanzahlFalsch =
    QStringLiteral("Die Anzahl der Terme bei (mindestens) einer\rFuzzyvariablen ist nicht gleich 4.");
inline const QString maximal40 = QStringLiteral(
    "Die Anzahl der Chromosomen ist maximal 40. Weitere Chromosomen werden nicht berücksichtigt.");
inline const QString minimal2 = QStringLiteral("Die Anzahl der Chromosomen ist minimal 2.");
inline const QString variablenFehlen = QStringLiteral(
    "Sie müssen zuerst die entsprechenden Fuzzyvariablen und zugehörige Regeln definieren!");
inline const QString protokollVoll =
    QStringLiteral("Der Speicher für das Protokoll ist voll.\rDie genetische Regelsuche wird abgebrochen.");
inline const QString suchvariablenFehlen =
    QStringLiteral("Sie müssen zuerst Ein- und Ausgangsvariable\rfür die Laufkatze definieren.");

// The pairing takes the chromosomes two by two; an odd count would lose a line.
inline const QString anzahlUngerade = QStringLiteral(
    "Die Anzahl der Chromosomen ist ungerade.\rDie Suche startet nur mit einer geraden Anzahl von Chromosomen.");
inline const QString zuWenigZeilen = QStringLiteral(
    "Die Chromosomenliste hat weniger Zeilen als die Anzahl der Chromosomen.\r"
    "Erzeugen Sie eine neue Liste oder verringern Sie die Anzahl der Chromosomen.");
// Grades that overflowed give no selection probabilities.
inline const QString noteUnendlich = QStringLiteral(
    "Die Bewertung dieser Generation ist keine endliche Zahl.\rDie genetische Regelsuche wird abgebrochen.");

inline const QString genNichtGelesen = QStringLiteral("Die Gen-Datei konnte nicht gelesen werden:\r");
inline const QString genNichtGespeichert = QStringLiteral(
    "Die Gen-Datei konnte nicht gespeichert werden:\r");

// The search window's questions and its warning after the parameter dialog.
inline const QString frageAbbrechen = QStringLiteral("Wollen Sie die Genetische Regelsuche\rwirklich abbrechen?");
inline const QString frageNeuErzeugen = QStringLiteral(
    "Die Anzahl der bestehenden Chromosomen stimmt nicht mit der gewünschten Anzahl überein. "
    "Soll die bestehende Chromosomenliste neu erzeugt werden?");
inline const QString anzahlGerade = QStringLiteral("Die Anzahl der Chromosomen muß gerade sein!");

// Carrying a rule system into the project's rule table.
inline const QString regelnPassenNicht = QStringLiteral(
    "Eine Zelle der Regeltabelle nimmt nur eine Regel auf. Diese Regeln haben dieselbe Prämisse wie eine "
    "frühere Regel, aber eine andere Schlussfolgerung:");
inline const QString uebrigeUebernehmen =
    QStringLiteral("Sollen die übrigen Regeln in die Regeltabelle übernommen werden?");
inline const QString uebernahmeTermanzahl = QStringLiteral(
    "Die Regeln lassen sich nur übernehmen, wenn Eingang A, Eingang B und der Ausgang\r"
    "des Projekts je 4 Terme haben.");
inline const QString regelnUebernommen =
    QStringLiteral("Die Regeln stehen jetzt in der Regeltabelle des Projekts.");

// The replay of a rule system's ten test runs in the search window.
inline const QString testlaufErgebnis = QStringLiteral("Testlauf %1 (Start bei %2 m): Einzelnote %3, %4");
inline const QString zielErreicht = QStringLiteral("Ziel erreicht");
inline const QString zielNichtErreicht = QStringLiteral("Ziel nicht erreicht");
inline const QString wiedergabeErgebnis = QStringLiteral("Ziel erreicht in %1 von 10 Testläufen; ChrNote %2");
inline const QString wiedergabeAbgebrochen = QStringLiteral("Die Testläufe wurden abgebrochen.");

inline const QString titel = QStringLiteral("Genetische Regelsuche");
inline const QString titelNeu = QStringLiteral("Genetische Regelsuche [Neu]");
} // namespace SuchTexte
