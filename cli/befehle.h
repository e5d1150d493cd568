#pragma once

#include <QStringList>

#include <cstdio>

// The command-line tool's commands. Returns the exit status: 0 done, 1 a file
// that cannot be read or is malformed (or a project that cannot do the job),
// 2 a usage error. Output goes to `aus`, messages to `fehler`.
int TarvikCli(const QStringList& argumente, std::FILE* aus, std::FILE* fehler);
