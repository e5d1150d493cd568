#include "app/aufgabenform.h"

#include "app/verlaufplot.h"
#include "core/laufcsv.h"
#include "core/zahlenformat.h"
#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"
#include "platform/modal.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>

#include <algorithm>
#include <cmath>

namespace {

const QColor Bestanden(0, 128, 0);
const QColor NichtBestanden(192, 0, 0);

// The strip of the time plot that shows a quantity, -1 for none.
int Streifen(TMessgroesse g)
{
    switch (g) {
    case TMessgroesse::Position:
        return 0;
    case TMessgroesse::Winkel:
        return 1;
    case TMessgroesse::Kraft:
        return 2;
    default:
        return -1;
    }
}

TVerlaufPunkt Punkt(const TPruefzeile& z)
{
    return {z.zeit, z.x, z.xdot, z.winkel, z.winkeldot, z.kraft, z.gruen};
}

QString html(const QString& text)
{
    return text.toHtmlEscaped();
}

// Drawn over the time plot: the task's bounds in their strips, the lamp's
// time limit, and the point the verdict refers to. It keeps no picture of its
// own, so the plot's image stays the run alone.
class TMarken : public QWidget {
public:
    TMarken(TVerlaufPlot* plot, QWidget* parent)
        : QWidget(parent), plot(plot)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(plot->geometry());
    }

    const TAufgabe* aufgabe = nullptr;
    std::optional<float> stelle;
    bool bestanden = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!aufgabe)
            return;
        QPainter m(this);
        const float anfang = plot->Fensteranfang();
        const float ende = anfang + TVerlaufPlot::Fensterlaenge;
        const auto& bereiche = plot->Bereiche();
        const double oben = plot->Zeile(0, bereiche[0]) - 2;
        const double unten = plot->Zeile(2, -bereiche[2]) + 2;
        const double links = plot->Spalte(anfang);
        const double rechts = plot->Spalte(ende);
        m.setClipRect(QRectF(QPointF(links, oben), QPointF(rechts, unten)));
        for (const TBereich& b : aufgabe->bereiche) {
            const int i = Streifen(b.groesse);
            if (i < 0 || b.bis < anfang || b.ab > ende)
                continue;
            const float grenze = bereiche[static_cast<std::size_t>(i)];
            QColor farbe = TVerlaufPlot::Farben()[static_cast<std::size_t>(i)];
            m.setPen(QPen(farbe, 1, Qt::DashLine, Qt::FlatCap));
            const double x0 = plot->Spalte(std::max(b.ab, anfang));
            const double x1 = plot->Spalte(std::min(b.bis, ende));
            for (float w : {b.minimum, b.maximum}) {
                if (std::isfinite(w) && std::fabs(w) <= grenze) {
                    const double y = std::round(plot->Zeile(i, w)) + 0.5;
                    m.drawLine(QPointF(x0, y), QPointF(x1, y));
                }
            }
        }
        auto senkrecht = [&](float t, const QPen& stift) {
            if (t < anfang || t > ende)
                return;
            const double x = std::round(plot->Spalte(t)) + 0.5;
            m.setPen(stift);
            m.drawLine(QPointF(x, oben), QPointF(x, unten));
        };
        if (aufgabe->gruenSpaetestens)
            senkrecht(*aufgabe->gruenSpaetestens, QPen(QColor(0, 110, 0), 1, Qt::DashLine, Qt::FlatCap));
        if (stelle)
            senkrecht(*stelle, QPen(bestanden ? QColor(0, 110, 0) : QColor(220, 0, 0), 2, Qt::SolidLine, Qt::FlatCap));
    }

private:
    TVerlaufPlot* plot;
};

} // namespace

TAufgabenForm::TAufgabenForm(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, Breite, Hoehe, QStringLiteral("Aufgaben"));

    auto* listenTitel = new QLabel(QStringLiteral("&Aufgaben:"), this);
    listenTitel->setGeometry(12, 8, 260, 18);
    liste = new QListWidget(this);
    liste->setGeometry(12, 28, 260, 190);
    listenTitel->setBuddy(liste);
    HinweisSetzen(liste, QStringLiteral("Wähle die Aufgabe, gegen die dein Projekt geprüft wird"));

    titel = new QLabel(this);
    titel->setGeometry(284, 8, Breite - 284 - 12, 18);
    QFont fett = titel->font();
    fett.setBold(true);
    titel->setFont(fett);
    titel->setTextFormat(Qt::PlainText);
    beschreibung = new QTextBrowser(this);
    beschreibung->setGeometry(284, 28, Breite - 284 - 12, 190);
    beschreibung->setOpenLinks(false);

    pruefen = KnopfAnlegen(this, QStringLiteral("&Prüfen"), QRect(12, 228, 100, 25),
                           QStringLiteral("Das Projekt mit der gewählten Aufgabe prüfen"));
    pruefen->setDefault(true);
    urteil = new QLabel(this);
    urteil->setGeometry(122, 224, 416, 34);
    urteil->setFont(fett);
    urteil->setTextFormat(Qt::PlainText);
    urteil->setWordWrap(true);
    laeufe = new QComboBox(this);
    laeufe->setGeometry(Breite - 12 - 170, 228, 170, 25);
    HinweisSetzen(laeufe, QStringLiteral("Welcher Lauf der Prüfung im Zeitverlauf gezeigt wird"));

    plot = new TVerlaufPlot(this);
    plot->move(12, 262);
    marken = new TMarken(plot, this);
    zeitleiste = new QScrollBar(Qt::Horizontal, this);
    zeitleiste->setGeometry(12, 262 + TVerlaufPlot::Hoehe + 2, TVerlaufPlot::Breite, 16);
    HinweisSetzen(zeitleiste, QStringLiteral("Den gezeigten Ausschnitt von 30 s im Lauf verschieben"));

    schliessen = KnopfAnlegen(this, QStringLiteral("&Schließen"), QRect(Breite - 2 * 83 - 4, Hoehe - 37, 75, 25));
    hilfe = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(Breite - 83 - 4, Hoehe - 37, 75, 25));
    HilfeSeiteSetzen(this, HilfeSeite::Aufgaben, hilfe);

    connect(liste, &QListWidget::currentRowChanged, this, &TAufgabenForm::aufgabeGewaehlt);
    connect(pruefen, &QPushButton::clicked, this, &TAufgabenForm::PruefenClick);
    connect(laeufe, &QComboBox::currentIndexChanged, this, &TAufgabenForm::laufZeigen);
    connect(zeitleiste, &QScrollBar::valueChanged, this, [this](int sekunde) {
        plot->setFensteranfang(static_cast<float>(sekunde));
        marken->update();
    });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
    urteilLeeren();
}

void TAufgabenForm::oeffnen(const TAufgabenDaten& neu)
{
    daten = neu;
    setWindowTitle(QStringLiteral("Aufgaben [") + daten.projekt.Dateiname + QLatin1Char(']'));
    const QSignalBlocker sperre(liste);
    liste->clear();
    int wahl = -1;
    int ersteLesbare = -1;
    for (std::size_t i = 0; i < daten.aufgaben.size(); ++i) {
        const TAufgabenDatei& d = daten.aufgaben[i];
        auto* eintrag = new QListWidgetItem(d.aufgabe ? d.aufgabe->titel : d.id + QStringLiteral(": fehlerhaft"), liste);
        eintrag->setToolTip(d.aufgabe ? d.aufgabe->titel + QStringLiteral(" (") + d.id + QLatin1Char(')') : d.fehler);
        if (!d.aufgabe)
            eintrag->setForeground(NichtBestanden);
        else if (ersteLesbare < 0)
            ersteLesbare = static_cast<int>(i);
        if (d.id == gewaehlteId)
            wahl = static_cast<int>(i);
    }
    if (wahl < 0)
        wahl = ersteLesbare >= 0 ? ersteLesbare : (daten.aufgaben.empty() ? -1 : 0);
    liste->setCurrentRow(wahl);
    aufgabeGewaehlt();
}

const TAufgabe* TAufgabenForm::GewaehlteAufgabe() const
{
    const int zeile = liste->currentRow();
    if (zeile < 0 || zeile >= static_cast<int>(daten.aufgaben.size()))
        return nullptr;
    const auto& a = daten.aufgaben[static_cast<std::size_t>(zeile)].aufgabe;
    return a ? &*a : nullptr;
}

std::optional<float> TAufgabenForm::Markierung() const
{
    return static_cast<const TMarken*>(marken)->stelle;
}

void TAufgabenForm::urteilLeeren()
{
    ergebnis.reset();
    urteil->clear();
    {
        const QSignalBlocker sperre(laeufe);
        laeufe->clear();
    }
    laeufe->hide();
    auto* m = static_cast<TMarken*>(marken);
    m->aufgabe = GewaehlteAufgabe();
    m->stelle.reset();
    plot->Beginnen(m->aufgabe && !m->aufgabe->pendel);
    {
        const QSignalBlocker sperre(zeitleiste);
        zeitleiste->setRange(0, 0);
        zeitleiste->setValue(0);
    }
    zeitleiste->setEnabled(false);
    marken->update();
}

void TAufgabenForm::aufgabeGewaehlt()
{
    const int zeile = liste->currentRow();
    const TAufgabenDatei* d =
        zeile >= 0 && zeile < static_cast<int>(daten.aufgaben.size()) ? &daten.aufgaben[static_cast<std::size_t>(zeile)]
                                                                      : nullptr;
    gewaehlteId = d ? d->id : QString();
    urteilLeeren();
    pruefen->setEnabled(d && d->aufgabe);
    if (!d) {
        titel->setText(QStringLiteral("Keine Aufgaben gefunden"));
        QString text = QStringLiteral("<p>Aufgaben sind Dateien mit der Endung .aufgabe. Tarvik sucht sie in:</p><ul>");
        for (const QString& o : daten.ordner)
            text += QStringLiteral("<li>") + html(QDir::toNativeSeparators(o)) + QStringLiteral("</li>");
        beschreibung->setHtml(text + QStringLiteral("</ul>"));
        return;
    }
    if (!d->aufgabe) {
        titel->setText(QStringLiteral("Fehlerhafte Aufgabendatei (") + d->id + QLatin1Char(')'));
        beschreibung->setHtml(QStringLiteral("<p>") + html(QDir::toNativeSeparators(d->pfad)) + QStringLiteral("</p><p><b>") +
                              html(d->fehler) + QStringLiteral("</b></p>"));
        return;
    }
    const TAufgabe& a = *d->aufgabe;
    titel->setText(a.titel + QStringLiteral(" (") + a.id + QLatin1Char(')'));
    QString text;
    for (const QString& absatz : a.text)
        text += QStringLiteral("<p>") + html(absatz) + QStringLiteral("</p>");
    text += QStringLiteral("<p><b>So wird geprüft:</b></p><ul>");
    for (const QString& b : Bedingungstexte(a))
        text += QStringLiteral("<li>") + html(b) + QStringLiteral("</li>");
    beschreibung->setHtml(text + QStringLiteral("</ul>"));
}

void TAufgabenForm::PruefenClick()
{
    const TAufgabe* a = GewaehlteAufgabe();
    if (!a)
        return;
    urteilLeeren();
    ergebnis = AufgabePruefen(*a, daten.projekt);
    urteil->setText(ergebnis->Text());
    QPalette farben = urteil->palette();
    farben.setColor(QPalette::WindowText, ergebnis->bestanden ? Bestanden : NichtBestanden);
    urteil->setPalette(farben);
    urteil->setToolTip(ergebnis->Text());
    {
        const QSignalBlocker sperre(laeufe);
        for (const TPrueflauf& l : ergebnis->laeufe)
            laeufe->addItem(a->pendel ? QStringLiteral("Lauf mit Startwinkel ") + AufgabenZahl(l.start) + QStringLiteral("°")
                                      : QStringLiteral("Lauf mit Start bei ") + AufgabenZahl(l.start) + QStringLiteral(" m"));
        laeufe->setCurrentIndex(ergebnis->lauf);
    }
    laeufe->setVisible(ergebnis->laeufe.size() > 1);
    laufZeigen(ergebnis->lauf);
}

void TAufgabenForm::laufZeigen(int nummer)
{
    auto* m = static_cast<TMarken*>(marken);
    if (!ergebnis || nummer < 0 || nummer >= static_cast<int>(ergebnis->laeufe.size()))
        return;
    const TAufgabe* a = GewaehlteAufgabe();
    const TPrueflauf& lauf = ergebnis->laeufe[static_cast<std::size_t>(nummer)];
    plot->Beginnen(a && !a->pendel);
    for (const TPruefzeile& z : lauf.zeilen)
        plot->Hinzufuegen(Punkt(z));
    m->stelle = nummer == ergebnis->lauf ? ergebnis->stelle : std::nullopt;
    m->bestanden = ergebnis->bestanden;
    // The window shows the marked point; a run without one from its start.
    // The plant's clock is a sum of float steps, a little beyond the nominal end.
    const int letzte =
        std::max(0, static_cast<int>(std::ceil(lauf.zeilen.back().zeit - TVerlaufPlot::Fensterlaenge - 0.01f)));
    const int anfang = m->stelle ? std::clamp(static_cast<int>(std::floor(*m->stelle)) - 15, 0, letzte) : 0;
    {
        const QSignalBlocker sperre(zeitleiste);
        zeitleiste->setRange(0, letzte);
        zeitleiste->setPageStep(10);
        zeitleiste->setValue(anfang);
    }
    zeitleiste->setEnabled(letzte > 0);
    plot->setFensteranfang(static_cast<float>(anfang));
    marken->update();
}

void AufgabenZeigen(const TProjekt& projekt, const QString& programmpfad, QWidget* parent)
{
    TAufgabenDaten daten;
    daten.ordner = AufgabenOrdner(programmpfad);
    daten.aufgaben = AufgabenLaden(daten.ordner);
    daten.projekt = projekt;
    TAufgabenForm form(parent);
    form.oeffnen(daten);
    ZeigeModal(form);
}
