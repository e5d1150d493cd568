#pragma once

#include "cli/werkzeug.h"

// tarvik-cli rules PROJEKT.fuz CHROMOSOM: the 16 rule lines of a chromosome.
int BefehlRules(const QStringList& argumente, const TCliKontext& k);
// tarvik-cli grade PROJEKT.fuz CHROMOSOM: the ten test runs and the ChrNote.
int BefehlGrade(const QStringList& argumente, const TCliKontext& k);
// tarvik-cli search PROJEKT.fuz --generations G --out AUS.gen [...]: a search
// without a window.
int BefehlSearch(const QStringList& argumente, const TCliKontext& k);
