#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A fatal error ends the program. The core cannot show a message box, so it
// calls a handler: the program's handler shows the error box and exits, the
// command-line tool prints the text and exits with status 1, tests record it.
// When a handler returns, the caller goes on with a harmless value.
using FatalerFehlerHandler = std::function<void(const QString& text)>;

// Installs a handler and returns the previous one. An empty handler restores
// the default (text on stderr, exit status 1).
FatalerFehlerHandler setzeFatalerFehlerHandler(FatalerFehlerHandler handler);

void FatalerFehler(const QString& text);

// Records fatal errors instead of ending the program, for as long as it lives.
class ScopedFatalerFehler {
public:
    ScopedFatalerFehler();
    ~ScopedFatalerFehler();
    ScopedFatalerFehler(const ScopedFatalerFehler&) = delete;
    ScopedFatalerFehler& operator=(const ScopedFatalerFehler&) = delete;

    const QStringList& texte() const { return texte_; }

private:
    QStringList texte_;
    FatalerFehlerHandler vorher_;
};
