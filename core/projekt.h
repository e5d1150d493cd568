#pragma once

#include "core/fuzzy.h"
#include "core/meldung.h"
#include "core/regeltab.h"

#include <QString>

#include <optional>

// The project the main window works on: three variables, the working copy of
// the output for the simulation's inference, the rule table, the file name and
// the changed flag.
// The file name of a project that has not been saved yet.
inline const QString NeuerProjektname = QStringLiteral("Neu");

struct TProjekt {
    TFuzzy EingangA;
    TFuzzy EingangB;
    TFuzzy Ausgang;
    TFuzzy AusgangKopie;
    TRegeltab Regeltab;
    QString Dateiname = NeuerProjektname;
    bool Geaendert = false;
};

// What a load or save asks its caller to do: show a message box, set the
// window caption; and whether a save failed with a file error (a pending close
// of the program must not go ahead then).
struct TDateiErgebnis {
    std::optional<TMeldung> meldung;
    std::optional<QString> titel;
    bool dateifehler = false;
};

// "Tarvik [" + Dateiname + "]"
QString ProjektTitel(const QString& dateiname);

// Reads a project file's bytes into the three variables and the rule table;
// false, with them emptied, when the bytes are no project file. An empty
// file is no project file.
bool ProjektLesen(const QByteArray& inhalt, TProjekt& projekt);

// Reads the project file named by projekt.Dateiname into the project.
TDateiErgebnis LoadFile(TProjekt& projekt);

// Writes the project to the file named by projekt.Dateiname. The old file is
// replaced only once the new one is complete.
TDateiErgebnis FileSave(TProjekt& projekt);

// The file's bytes for a project (Windows-1252, CR LF).
QByteArray ProjektBytes(const TProjekt& projekt);

namespace ProjektTexte {
inline const QString nichtGelesen = QStringLiteral("Daten konnten nicht gelesen werden!");
inline const QString formatFehler = QStringLiteral(
    "Beim Öffnen der Datei ist ein Fehler aufgetreten. Prüfen Sie nach, ob es sich um eine Fuzzy-Datei handelt!");
inline const QString keinName = QStringLiteral("Die Datei hat noch keinen Namen.");
inline const QString nichtGespeichert = QStringLiteral("Daten konnten nicht gespeichert werden!");
inline const QString schreibFehler = QStringLiteral(
    "Beim Schreiben der Datei ist ein Fehler aufgetreten.\rDie Datei wurde nicht gespeichert; "
    "eine frühere Fassung der Datei ist erhalten geblieben.");
inline const QString variableOhneName = QStringLiteral(
    "Eine definierte Fuzzyvariable hat keinen Namen und kann so nicht gespeichert werden.\r"
    "Geben Sie der Variablen im Variableneditor einen Namen. Die Datei wurde nicht gespeichert.");
} // namespace ProjektTexte
