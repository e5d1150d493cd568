#pragma once

#include "core/meldung.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The encoding a list is written back in: the code page, unless it was loaded
// from a file that began with a byte-order mark.
enum class TGenKodierung { Windows1252, Utf8, Utf16LE, Utf16BE };

// What a load or save asks the search window to do: show message boxes (in
// this order) and set its caption.
struct TGenErgebnis {
    QList<TMeldung> meldungen;
    std::optional<QString> titel;
    bool dateifehler = false;
};

// "Genetische Regelsuche [" + full file name + "]"
QString GenTitel(const QString& pfad);

// The lines of a file's bytes: a byte-order mark selects UTF-8 or UTF-16,
// otherwise Windows-1252; CR LF, CR and LF each end a line, and a line end
// after the last line adds no empty line.
QStringList GenZeilen(const QByteArray& bytes, TGenKodierung* kodierung = nullptr);
// The bytes of a list: every line as it stands, CR LF after each.
QByteArray GenBytes(const QStringList& zeilen, TGenKodierung kodierung = TGenKodierung::Windows1252);

// Loads a chromosome list: the list takes every line of the file, and the
// number of chromosomes becomes the number of lines, at most 40 (the further
// lines stay) and 0 when there are fewer than 2. A file that cannot be read
// leaves the list empty and the number and caption unchanged.
TGenErgebnis GenDateiLaden(const QString& pfad, QStringList& liste, std::int32_t& anzahl, TGenKodierung& kodierung);

// Saves the list unchecked. A failed save leaves an existing file intact.
TGenErgebnis GenDateiSpeichern(const QString& pfad, const QStringList& liste,
                               TGenKodierung kodierung = TGenKodierung::Windows1252);
