#pragma once

#include "core/fehler.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What the fuzz targets share: the input as bytes, and a failed check or a
// fatal error of the core as a crash libFuzzer reports.
namespace fuzzhilfe {

inline QByteArray bytes(const std::uint8_t* daten, std::size_t groesse)
{
    return QByteArray(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
}

[[noreturn]] inline void fehlschlag(const char* was)
{
    std::fprintf(stderr, "Prüfung verletzt: %s\n", was);
    std::abort();
}

inline void pruefe(bool bedingung, const char* was)
{
    if (!bedingung)
        fehlschlag(was);
}

// A fatal error of the core is a finding too.
inline void fatalAlsAbsturz()
{
    static const bool gesetzt = [] {
        setzeFatalerFehlerHandler([](const QString& text) {
            std::fprintf(stderr, "Fataler Fehler: %s\n", text.toLocal8Bit().constData());
            std::abort();
        });
        return true;
    }();
    (void)gesetzt;
}

} // namespace fuzzhilfe
