#pragma once

#include "core/ini.h"

#include <QString>
#include <QStringList>

// tarvik.ini: the registered external programs and the two file-type boxes.
namespace Konfiguration {

inline const QString Dateiname = QStringLiteral("tarvik.ini");
inline const QString Extern = QStringLiteral("Extern");
inline const QString Anzahl = QStringLiteral("Anzahl");
inline const QString Programm = QStringLiteral("Programm");
inline const QString Extension = QStringLiteral("Extension");
inline const QString Eintrag = QStringLiteral("Eintrag");
inline const QString Tamsor = QStringLiteral("Tamsor");

// A count from a hand-edited file must not build millions of menu entries.
constexpr int MaxProgramme = 100;

} // namespace Konfiguration

// Where tarvik.ini lives: in the program directory when that directory can be
// written (a copy of Tarvik in a folder of its own), otherwise in the user's
// configuration directory (an installed Tarvik).
QString KonfigurationsDatei(const QString& programmpfad);
QString KonfigurationsDatei(const QString& programmpfad, bool programmpfadBeschreibbar);

// "Anzahl" of "Extern", at least 0 and at most MaxProgramme.
int ProgrammAnzahl(const TIniDatei& ini);
// "Programm1" to "Programm" + N; a missing key reads as `fehlt`.
QStringList Programmnamen(const TIniDatei& ini, const QString& fehlt);

// What the set-up dialog's OK writes.
struct TKonfiguration {
    QStringList Programme;
    bool Eintrag = false;
    bool Tamsor = false;
};

// Writes the entries into the file at pfad (keeping its other lines, and
// "Programm" keys beyond the new count) in one safe write: on failure the old
// file stays as it was and the result is false.
bool KonfigurationSchreiben(const QString& pfad, const TKonfiguration& konfiguration);
