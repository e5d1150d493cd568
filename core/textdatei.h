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

enum class SchreibErgebnis { Ok, NichtAngelegt, Abgebrochen };

// Replaces the file at pfad with bytes through a temporary file: unless the
// result is Ok, the old file stays as it was. NichtAngelegt: the file could
// not be opened for writing; Abgebrochen: writing or replacing failed.
SchreibErgebnis DateiErsetzen(const QString& pfad, const QByteArray& bytes);
