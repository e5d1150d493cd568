#pragma once

#include "core/projekt.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <map>
#include <optional>

// What every command of the command-line tool shares.
struct TCliKontext {
    std::FILE* aus;
    std::FILE* fehler;

    void zeile(const QString& text) const;
    void meldung(const QString& text) const;
    // The usage text on stderr; returns the usage exit status 2.
    int aufruf(const QString& grund) const;
};

// The float value with 9 significant digits (shortest form, "." as decimal point).
QString Zahl(float wert);
// Numbers separated by single blanks.
QString Zahlen(const float* werte, int anzahl);

// Reads a number argument; "," is taken as decimal point.
std::optional<float> ZahlArgument(const QString& text);

// Loads a project; on failure prints the system's message and returns false.
bool ProjektLaden(const QString& pfad, TProjekt& projekt, const TCliKontext& k);

// The arguments of a command that takes one project file, options
// "--name value" and switches "--name".
struct TCliArgumente {
    QString projekt;
    std::map<QString, QString> werte;
    QStringList schalter;

    std::optional<QString> wert(const char* name) const;
    bool gesetzt(const char* name) const;
};

// Reads the arguments, knowing the options in mitWert and the switches; on a
// wrong call it prints the reason and the usage text and returns the usage
// exit status.
std::optional<int> ArgumenteLesen(const QStringList& argumente, const QStringList& mitWert,
                                  const QStringList& schalter, TCliArgumente& ergebnis, const TCliKontext& k);

// The usage text of all commands.
QString CliAufruf();
