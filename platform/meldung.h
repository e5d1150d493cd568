#pragma once

#include "core/meldung.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

enum class Antwort { Ok, Ja, Nein };

// A modal message box of the given kind with OK, or with Yes and No. "\r" in the
// text is a line break. A Yes/No box can only be answered by its two buttons:
// Escape or the close box must not quietly count as No.
Antwort Meldung(MeldungsArt art, const QString& text, bool jaNein = false);
Antwort Meldung(const TMeldung& meldung);

using MeldungsHandler = std::function<Antwort(MeldungsArt art, const QString& text, bool jaNein)>;

// Installs a handler and returns the previous one; an empty handler restores
// the message box.
MeldungsHandler setzeMeldungsHandler(MeldungsHandler handler);

// The box the default handler shows, built but not shown.
std::unique_ptr<QMessageBox> MeldungsBox(MeldungsArt art, const QString& text, bool jaNein,
                                         QWidget* parent = nullptr);

// Answers message boxes for as long as it lives: OK boxes need no answer, each
// Yes/No box takes the next scripted answer. A Yes/No box without a scripted
// answer gets No and is counted in unbeantwortet().
class ScopedMeldungen {
public:
    explicit ScopedMeldungen(QList<Antwort> antworten = {});
    ~ScopedMeldungen();
    ScopedMeldungen(const ScopedMeldungen&) = delete;
    ScopedMeldungen& operator=(const ScopedMeldungen&) = delete;

    const QList<TMeldung>& meldungen() const { return meldungen_; }
    QStringList texte() const;
    int unbeantwortet() const { return unbeantwortet_; }
    int offeneAntworten() const { return int(antworten_.size()); }

private:
    QList<Antwort> antworten_;
    QList<TMeldung> meldungen_;
    int unbeantwortet_ = 0;
    MeldungsHandler vorher_;
};
