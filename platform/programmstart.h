#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// The outcome of starting a program. The codes are the program's own error
// numbers for its messages: 0 no resources or a damaged executable, 2 file not
// found, 3 path not found, 8 not enough memory, others as the system gives them.
struct TStartErgebnis {
    bool gestartet = true;
    int code = 0;
};

// Starts a program with an argument list, never through a shell: a file name
// with blanks or ";" stays one argument. The program runs on its own; nothing
// waits for it.
TStartErgebnis StarteProgramm(const QString& programm, const QStringList& argumente = {});

// Opens a web address with the desktop's default handler; false if that failed.
bool OeffneAdresse(const QUrl& adresse);

using ProgrammstartHandler = std::function<TStartErgebnis(const QString& programm, const QStringList& argumente)>;
using AdressHandler = std::function<bool(const QUrl& adresse)>;
ProgrammstartHandler setzeProgrammstartHandler(ProgrammstartHandler handler);
AdressHandler setzeAdressHandler(AdressHandler handler);

// Records program starts and opened addresses for as long as it lives, and
// answers each start with the given result.
class ScopedProgrammstart {
public:
    struct Aufruf {
        QString programm;
        QStringList argumente;
        friend bool operator==(const Aufruf&, const Aufruf&) = default;
    };

    explicit ScopedProgrammstart(TStartErgebnis ergebnis = {});
    ~ScopedProgrammstart();
    ScopedProgrammstart(const ScopedProgrammstart&) = delete;
    ScopedProgrammstart& operator=(const ScopedProgrammstart&) = delete;

    const QList<Aufruf>& aufrufe() const { return aufrufe_; }
    const QList<QUrl>& adressen() const { return adressen_; }

private:
    TStartErgebnis ergebnis_;
    QList<Aufruf> aufrufe_;
    QList<QUrl> adressen_;
    ProgrammstartHandler vorherStart_;
    AdressHandler vorherAdresse_;
};
