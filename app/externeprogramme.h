#pragma once

#include "core/ini.h"
#include "platform/programmstart.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>

class QAction;
class QMenu;

// The programs registered in tarvik.ini, the real-experiment program Tamsor
// and the web page about fuzzy control.

// A page in German about fuzzy control.
inline const QUrl FuzzyAdresse{QStringLiteral("https://de.wikipedia.org/wiki/Fuzzy-Regler")};

// A registered name names a file in the program directory: no directory
// parts, no "..", nothing absolute, no line breaks.
bool ProgrammnameZulaessig(const QString& name);

// The file an entry starts: name + ".exe" where that exists, else the file
// `name` itself; empty when the name is not allowed or neither exists.
QString ProgrammDatei(const QString& programmpfad, const QString& name);

// The stored name of a file of the program directory: without a trailing ".exe".
QString Programmname(const QString& dateiname);

// The German message of a failed start; `kommandozeile` is named for "file
// not found" only when `mitDatei` is set.
QString StartFehlertext(int code, const QString& kommandozeile, bool mitDatei);

// Starts a registered program with the project file as its one argument
// (none while the project is "Neu"); a failed start gets its error box.
void ExternClick(const QString& programmpfad, const QString& name, const QString& dateiname);

// Starts Tamsor from the program directory, never with an argument.
void RealExperimentStarten(const QString& programmpfad);

// Opens FuzzyAdresse in the browser; a failure is not reported.
void FuzzyImInternet();

// Appends one entry per registered program to the menu: "Nix" for a missing
// key, enabled exactly when its program exists. A click starts the stored
// name with the file name that `dateiname` gives at that moment.
QList<QAction*> ProgrammeintraegeAnhaengen(QMenu* menue, const QString& programmpfad, const TIniDatei& ini,
                                           std::function<QString()> dateiname);
