#pragma once

#include "core/textdatei.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

// One line of an ini file as the reader sees it, for readers that report the
// line of a mistake. Blank lines and comments are not listed.
struct TIniZeile {
    enum class Art { Abschnitt, Eintrag, Unverstanden };
    qsizetype nummer = 0; // from 1
    Art art = Art::Unverstanden;
    QString abschnitt;    // the section the line opens or lies in; null before the first
    QString schluessel;   // Eintrag only
    QString wert;         // Eintrag: the value; Unverstanden: the line itself
};

// A small ini file: "[Section]" lines and "key=value" lines below them.
// Section and key names are compared without regard to letter case, blanks
// around names and values are not part of them, and the first of two equal
// keys counts. Every line the reader does not need (comments, unknown
// sections and keys, blank lines) is kept when the file is written again.
class TIniDatei {
public:
    TIniDatei() = default;
    explicit TIniDatei(const QByteArray& bytes);

    // Reads the file; a missing or unreadable file reads as empty.
    static TIniDatei Laden(const QString& pfad);

    bool Vorhanden(const QString& abschnitt, const QString& schluessel) const;
    QString ReadString(const QString& abschnitt, const QString& schluessel, const QString& vorgabe) const;
    // A value that is not a decimal integer of 32 bits reads as the default.
    std::int32_t ReadInteger(const QString& abschnitt, const QString& schluessel, std::int32_t vorgabe) const;
    // Any integer but 0 is true; a value that is not an integer is the default.
    bool ReadBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const;

    // Replaces the value of the key's first line, or adds the key at the end
    // of its section (and the section at the end of the file).
    void WriteString(const QString& abschnitt, const QString& schluessel, const QString& wert);
    void WriteInteger(const QString& abschnitt, const QString& schluessel, std::int32_t wert);
    // Written as 1 or 0.
    void WriteBool(const QString& abschnitt, const QString& schluessel, bool wert);
    // Removes every line of the key in the section.
    void DeleteKey(const QString& abschnitt, const QString& schluessel);

    // Every section, entry and line not understood, in the file's order.
    QList<TIniZeile> Eintraege() const;

    // The text as UTF-8, one line ending in LF each.
    QByteArray Bytes() const;
    // Writes through the safe writer: unless the result is Ok, the old file
    // stays as it was.
    SchreibErgebnis Speichern(const QString& pfad) const;

private:
    // Index of the line that opens the section, -1 when there is none.
    qsizetype abschnittsZeile(const QString& abschnitt) const;
    // Index of the key's first line in the section, -1 when there is none.
    qsizetype schluesselZeile(const QString& abschnitt, const QString& schluessel) const;

    QStringList zeilen;
};
