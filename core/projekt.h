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

// The longest name of a variable or a term that a project file may hold.
inline constexpr int MaxNamenlaenge = 255;

// The largest file that is read as a project. A project file holds 127 lines
// at most, 18 of them names: some 9 KB with the longest names and the widest
// numbers. A larger file is no project (and may be a device that never ends).
inline constexpr qint64 MaxProjektdateiGroesse = 4 * 1024 * 1024;

// Reads a project file's bytes into the three variables and the rule table;
// false, with them emptied, when the bytes are no project file (an empty file
// is no project file) or hold a name longer than MaxNamenlaenge; nameZuLang
// then tells which.
bool ProjektLesen(const QByteArray& inhalt, TProjekt& projekt, bool* nameZuLang = nullptr);

// Reads the project file named by projekt.Dateiname into the project. What is
// no regular file, or larger than MaxProjektdateiGroesse, is refused unread,
// as a file that cannot be opened: the project stays as it was.
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
// The same for a file that did not exist before.
inline const QString schreibFehlerNeu =
    QStringLiteral("Beim Schreiben der Datei ist ein Fehler aufgetreten.\rDie Datei wurde nicht gespeichert.");
// %1: the file.
inline const QString keineDatei = QStringLiteral(
    "Daten konnten nicht gelesen werden!\r„%1“ ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder "
    "eine Pipe.");
inline const QString zuGross =
    QStringLiteral("Daten konnten nicht gelesen werden!\r„%1“ ist größer als 4 MB und damit keine Fuzzy-Datei.");
inline const QString nameZuLang = QStringLiteral(
    "Beim Öffnen der Datei ist ein Fehler aufgetreten: Ein Name einer Fuzzyvariablen oder eines Terms ist länger "
    "als 255 Zeichen.");
inline const QString nameZuLangSpeichern = QStringLiteral(
    "Ein Name einer Fuzzyvariablen oder eines Terms ist länger als 255 Zeichen und kann so nicht gespeichert "
    "werden.\rKürzen Sie ihn im Variableneditor. Die Datei wurde nicht gespeichert.");
inline const QString variableOhneName = QStringLiteral(
    "Eine definierte Fuzzyvariable hat keinen Namen und kann so nicht gespeichert werden.\r"
    "Geben Sie der Variablen im Variableneditor einen Namen. Die Datei wurde nicht gespeichert.");
} // namespace ProjektTexte
