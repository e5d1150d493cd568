#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// One row of a simulation run: the plant after a pass and the lamp.
struct TVerlaufPunkt {
    float zeit = 0;
    float x = 0;
    float xdot = 0;
    float winkel = 0;
    float winkeldot = 0;
    float kraft = 0;
    bool gruen = false;
};

// A run as CSV, written the same way by the time plot's "Daten speichern..."
// and by the command-line tool's simulate: a head line, then one line per row
// with the numbers in the shortest form of up to 9 significant digits and "."
// as decimal point, the lamp as 1 or 0.
QString LaufCsvKopf();
// One row without its line end.
QString LaufCsvZeile(const TVerlaufPunkt& punkt);
// Head and rows, each line ending in "\n".
QByteArray LaufCsv(const std::vector<TVerlaufPunkt>& punkte);
