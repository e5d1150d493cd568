#include "platform/meldung.h"

#include "platform/fensterplatz.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>

#include <utility>

namespace {

// Refuses Escape and the close box while Yes and No are the only answers.
// Opens inside the screen of its window: the box gets its final size only
// when it is shown, so it is placed then, before it appears.
class TJaNeinBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool nurJaNein = false;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (nurJaNein && e->matches(QKeySequence::Cancel)) {
            e->accept();
            return;
        }
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override
    {
        if (nurJaNein) {
            e->ignore();
            return;
        }
        QMessageBox::closeEvent(e);
    }
    void showEvent(QShowEvent* e) override
    {
        QMessageBox::showEvent(e);
        if (!e->spontaneous())
            DialogPlatzieren(*this);
    }
};

QString titel(MeldungsArt art)
{
    switch (art) {
    case MeldungsArt::Warnung: return QStringLiteral("Warnung");
    case MeldungsArt::Fehler: return QStringLiteral("Fehler");
    case MeldungsArt::Information: return QStringLiteral("Information");
    case MeldungsArt::Bestaetigung: return QStringLiteral("Bestätigen");
    }
    return QString();
}

QMessageBox::Icon symbol(MeldungsArt art)
{
    switch (art) {
    case MeldungsArt::Warnung: return QMessageBox::Warning;
    case MeldungsArt::Fehler: return QMessageBox::Critical;
    case MeldungsArt::Information: return QMessageBox::Information;
    case MeldungsArt::Bestaetigung: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

Antwort standardMeldung(MeldungsArt art, const QString& text, bool jaNein)
{
    auto box = MeldungsBox(art, text, jaNein, QApplication::activeWindow());
    box->exec();
    if (!jaNein)
        return Antwort::Ok;
    return box->clickedButton() == box->button(QMessageBox::Yes) ? Antwort::Ja : Antwort::Nein;
}

MeldungsHandler& handler()
{
    static MeldungsHandler h = standardMeldung;
    return h;
}

} // namespace

std::unique_ptr<QMessageBox> MeldungsBox(MeldungsArt art, const QString& text, bool jaNein, QWidget* parent)
{
    auto box = std::make_unique<TJaNeinBox>(parent);
    box->nurJaNein = jaNein;
    box->setWindowTitle(titel(art));
    box->setIcon(symbol(art));
    QString zeilen = text;
    zeilen.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    zeilen.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // File names and user texts are never markup.
    box->setTextFormat(Qt::PlainText);
    box->setText(zeilen);
    if (jaNein) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
        box->button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
        box->setDefaultButton(QMessageBox::Yes);
        box->setWindowFlag(Qt::WindowCloseButtonHint, false);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    }
    return box;
}

Antwort Meldung(MeldungsArt art, const QString& text, bool jaNein)
{
    return handler()(art, text, jaNein);
}

Antwort Meldung(const TMeldung& meldung)
{
    return Meldung(meldung.art, meldung.text);
}

MeldungsHandler setzeMeldungsHandler(MeldungsHandler neu)
{
    if (!neu)
        neu = standardMeldung;
    return std::exchange(handler(), std::move(neu));
}

ScopedMeldungen::ScopedMeldungen(QList<Antwort> antworten)
    : antworten_(std::move(antworten))
{
    vorher_ = setzeMeldungsHandler([this](MeldungsArt art, const QString& text, bool jaNein) {
        meldungen_.append(TMeldung{art, text});
        if (!jaNein)
            return Antwort::Ok;
        if (antworten_.isEmpty()) {
            ++unbeantwortet_;
            return Antwort::Nein;
        }
        return antworten_.takeFirst();
    });
}

ScopedMeldungen::~ScopedMeldungen()
{
    setzeMeldungsHandler(std::move(vorher_));
}

QStringList ScopedMeldungen::texte() const
{
    QStringList t;
    for (const auto& m : meldungen_)
        t.append(m.text);
    return t;
}
