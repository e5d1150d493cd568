#pragma once

#include "cli/werkzeug.h"

// tarvik-cli check PROJEKT.fuz [PROJEKT.fuz ...] [--task ID] [--tasks ORDNER]
// [--csv], and check --list [--tasks ORDNER] [--csv]: checks project files
// against the tasks, one line per file and task. Exit status 0 when every
// check passed, 1 when one failed or a file (project or task) could not be
// read, 2 for a wrong call.
int BefehlCheck(const QStringList& argumente, const TCliKontext& k);

// The folders the command reads tasks from without --tasks: those of the
// program (AufgabenOrdner), seen from the tool's own folder.
QStringList CliAufgabenOrdner();
