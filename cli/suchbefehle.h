#pragma once

#include "cli/werkzeug.h"

// tarvik-cli rules PROJEKT.fuz CHROMOSOM [--out NEU.fuz]: the 16 rule lines of
// a chromosome; with --out also the project with those rules in its table
// (the rules that do not fit a cell are reported on stderr).
int BefehlRules(const QStringList& argumente, const TCliKontext& k);
// tarvik-cli grade PROJEKT.fuz CHROMOSOM: the ten test runs (whether each
// reached the target) and the ChrNote.
int BefehlGrade(const QStringList& argumente, const TCliKontext& k);
// tarvik-cli search PROJEKT.fuz --generations G --out AUS.gen [...]: a search
// without a window.
int BefehlSearch(const QStringList& argumente, const TCliKontext& k);
