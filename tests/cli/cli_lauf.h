#pragma once

#include "cli/befehle.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>

// Runs the command-line tool with temporary files as stdout and stderr.
namespace clitest {

struct Lauf {
    int status;
    QString aus;
    QString fehler;
};

// Reads the stream from its start and closes it.
inline QString inhalt(std::FILE* f)
{
    std::rewind(f);
    QByteArray b;
    char puffer[4096];
    std::size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0)
        b.append(puffer, static_cast<qsizetype>(n));
    std::fclose(f);
    return QString::fromLocal8Bit(b);
}

inline Lauf cli(const QStringList& argumente)
{
    std::FILE* aus = std::tmpfile();
    std::FILE* fehler = std::tmpfile();
    const int status = TarvikCli(argumente, aus, fehler);
    return {status, inhalt(aus), inhalt(fehler)};
}

} // namespace clitest
