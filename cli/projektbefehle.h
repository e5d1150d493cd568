#pragma once

#include "cli/werkzeug.h"

int BefehlShow(const QStringList& argumente, const TCliKontext& k);
int BefehlEval(const QStringList& argumente, const TCliKontext& k);
int BefehlSurface(const QStringList& argumente, const TCliKontext& k);
