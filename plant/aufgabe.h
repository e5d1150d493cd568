#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <limits>
#include <optional>
#include <vector>

// An exercise ("Aufgabe"): a plant with its start set-up, a run of fixed
// length and the conditions a controller must meet. Tasks are small ini files
// of their own ("*.aufgabe"); the task's id is the file name without the
// extension. The format is described in the help page on tasks and in the
// shipped files (examples/aufgaben/).

// The plant quantities a condition can bound, with the unit shown after them.
enum class TMessgroesse { Position, Geschwindigkeit, Winkel, Winkelgeschwindigkeit, Kraft };

QString Groessenname(TMessgroesse g);
// "°", " m", ...: what follows a number of the quantity.
QString Einheit(TMessgroesse g);

// A quantity stays within minimum..maximum (bounds included) at every row of
// the run from `ab` to `bis` seconds.
struct TBereich {
    QString abschnitt; // the section's name, for messages
    TMessgroesse groesse = TMessgroesse::Winkel;
    float minimum = -std::numeric_limits<float>::infinity();
    float maximum = std::numeric_limits<float>::infinity();
    float ab = 0;
    float bis = 0;
};

struct TAufgabe {
    QString id;
    QString titel;
    QStringList text;          // the task's German text, one paragraph a line
    bool pendel = true;        // PendelTyp: inverted pendulum, else crane
    float dauer = 0;           // s, length of each run
    float laenge = 2.5f;       // m
    // One run per start value: crane start positions (m) or pendulum start
    // angles (degrees).
    std::vector<float> starts;
    bool wind = false;
    std::vector<TBereich> bereiche;
    // The crane's lamp is green at some row up to this time.
    std::optional<float> gruenSpaetestens;
    // The project may use at most this many rules.
    std::optional<int> maxRegeln;
};

// Every run of a task advances the plant by this fixed step: a result never
// depends on the machine it was checked on.
inline constexpr float AufgabenSchritt = 0.05f;
inline constexpr int SchritteProSekunde = 20;
inline constexpr float LaengsteDauer = 600; // s
inline constexpr int MeisteStarts = 10;

// Number of passes of a run of `sekunden` and the first and last row inside a
// time window, counted in steps (row 0 is the start).
int Schrittzahl(float sekunden);
int ErsteZeile(float ab);
int LetzteZeile(float bis);

// A task file as found in a folder: its id, path, and either the task or the
// German message on what is wrong with it (naming the line).
struct TAufgabenDatei {
    QString id;
    QString pfad;
    std::optional<TAufgabe> aufgabe;
    QString fehler;
};

// Reads a task from the bytes of its file; on a mistake `fehler` says where.
std::optional<TAufgabe> AufgabeLesen(const QByteArray& inhalt, const QString& id, QString& fehler);

// Reads one task file.
TAufgabenDatei AufgabeLaden(const QString& pfad);

// The "*.aufgabe" files of the folders, sorted by id. A task of a later
// folder replaces one of the same id from an earlier folder, so a teacher can
// adapt a built-in task. Missing folders are skipped.
std::vector<TAufgabenDatei> AufgabenLaden(const QStringList& ordner);

// Where tasks are looked for, in this order: the built-in tasks that ship
// with the examples (the first of: `programmordner`/examples/aufgaben, the
// installed share/tarvik/examples/aufgaben, the source tree's
// examples/aufgaben seen from a build folder, the data folders'
// tarvik/examples/aufgaben), then `programmordner`/aufgaben, then the user's
// data folder's tarvik/aufgaben.
QStringList AufgabenOrdner(const QString& programmordner);

// What the check of a task asks for, in words, for the task window.
QStringList Bedingungstexte(const TAufgabe& aufgabe);

// A number of a task's texts: the shortest form with up to 6 digits ("2.5",
// "-3", "15").
QString AufgabenZahl(float wert);
