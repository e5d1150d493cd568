#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// 8-bit text files in the Windows-1252 code page, as the program's project
// files have always been written.

QString Cp1252Dekodieren(const QByteArray& bytes);
// Characters the code page cannot hold become "?".
QByteArray Cp1252Kodieren(const QString& text);

// Reads lines one by one: a line ends at LF, a CR before the LF is not part of
// it, and every line past the end of the text reads as empty.
class TZeilenleser {
public:
    explicit TZeilenleser(const QByteArray& bytes);
    QString naechste();

private:
    QByteArray bytes_;
    qsizetype pos_ = 0;
};

// Collects lines, each ending in CR LF.
class TZeilenschreiber {
public:
    void zeile(const QString& text);
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

enum class LeseErgebnis { Ok, NichtGeoeffnet, KeineDatei, ZuGross, Lesefehler };

struct TDateiInhalt {
    LeseErgebnis ergebnis = LeseErgebnis::Ok;
    QByteArray bytes;
};

// Reads a whole file of at most hoechstens bytes. What is no regular file (a
// folder, a device, a pipe) is refused as KeineDatei, a larger file as
// ZuGross, both before a byte is read, so that neither an endless device nor
// a pipe without a writer can hold the program up. NichtGeoeffnet: the file
// is missing or may not be read.
TDateiInhalt DateiLesen(const QString& pfad, qint64 hoechstens);

enum class SchreibErgebnis { Ok, NichtAngelegt, Abgebrochen, AbgebrochenNeu };

// Replaces the file at pfad (the file a symbolic link points to) with bytes
// through a temporary file beside it, which takes the old file's place only
// once it is complete: unless the result is Ok, the old file stays as it was.
// NichtAngelegt: the file could not be opened for writing (also when it is no
// regular file or may not be written); Abgebrochen: writing or replacing
// failed; AbgebrochenNeu: the same, where there was no file before.
// Temporary files that an earlier save of the same file left behind (a save
// killed in the middle) are removed; they are named after the file with
// TemporaerKennung and six letters or digits appended.
SchreibErgebnis DateiErsetzen(const QString& pfad, const QByteArray& bytes);

inline constexpr char TemporaerKennung[] = ".tarvik-";
