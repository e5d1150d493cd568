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

// The largest file that is read as a chromosome list. A search uses 40
// chromosomes of 98 bytes a line, twice that in UTF-16: 8 KB. The loader keeps
// further lines all the same, so the limit leaves room for lists far longer
// than any search needs; anything larger is no list (and may be a device that
// never ends).
inline constexpr qint64 MaxGendateiGroesse = 16 * 1024 * 1024;
// The longest line that is read: a chromosome has 96 characters. The search
// window shows the list, and a line of some 100,000 characters would hold it
// up for many seconds.
inline constexpr qsizetype MaxGenZeilenlaenge = 1000;

namespace GenTexte {
// Follow the file name in the message that the file could not be read.
inline const QString keineDatei =
    QStringLiteral("Das ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe.");
inline const QString zuGross = QStringLiteral("Die Datei ist größer als 16 MB und damit keine Chromosomenliste.");
inline const QString zeileZuLang =
    QStringLiteral("Eine Zeile der Datei ist länger als 1000 Zeichen; die Datei ist keine Chromosomenliste.");
} // namespace GenTexte

// Loads a chromosome list: the list takes every line of the file, and the
// number of chromosomes becomes the number of lines, at most 40 (the further
// lines stay) and 0 when there are fewer than 2. A file that cannot be read
// leaves the list empty and the number and caption unchanged; so does one
// that is no regular file or larger than MaxGendateiGroesse, which is refused
// unread, and one with a line longer than MaxGenZeilenlaenge.
TGenErgebnis GenDateiLaden(const QString& pfad, QStringList& liste, std::int32_t& anzahl, TGenKodierung& kodierung);

// Saves the list unchecked. A failed save leaves an existing file intact.
TGenErgebnis GenDateiSpeichern(const QString& pfad, const QStringList& liste,
                               TGenKodierung kodierung = TGenKodierung::Windows1252);
