#pragma once

#include "app/konfiguration.h"

#include <QString>
#include <QStringList>

// The set-up of "TARVIK - Initialisierung" without its window: what it shows
// when it opens, and what its OK does with the result.

// What the set-up dialog shows: the files of the program directory that may
// be registered, and tarvik.ini as it is.
struct TInitDaten {
    QStringList Programmdateien;
    TKonfiguration Konfiguration;
};

// The files of the program directory that may be registered: executables and
// names ending in ".exe", but not Tarvik's own programs.
QStringList Programmdateien(const QString& programmpfad);
// Tarvik's own programs, which the list does not offer and Add refuses.
QStringList EigeneProgramme();

// The registered programs ("" for a missing key) and the two boxes of the
// file `datei` (see KonfigurationsQuelle), with the files of the directory.
TInitDaten EinrichtungLesen(const QString& programmpfad, const QString& datei);

// Writes the result into tarvik.ini at `datei`, then ties or unties the file
// types .fuz and .exp. When the file cannot be written, the types stay as
// they were and the result is false.
bool EinrichtungSpeichern(const QString& programmpfad, const QString& datei, const TKonfiguration& konfiguration);

// The error of a tarvik.ini that could not be written.
QString KonfigurationNichtGeschrieben(const QString& datei);
