#include "app/projektuebersicht.h"

#include "app/anordnung.h"
#include "app/seitenschrift.h"
#include "app/startseite.h"
#include "core/projekt.h"
#include "core/projektstand.h"
#include "forms/dialoghilfe.h"
#include "widgets/farbe.h"
#include "widgets/fuzzyzeichnen.h"
#include "widgets/koordinatensystem.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

const QString Variablennamen[3] = {QStringLiteral("Eingang A"), QStringLiteral("Eingang B"),
                                   QStringLiteral("Ausgang")};

constexpr int Dateinamenbreite = 600;
constexpr int Zellenbreite = 66;
constexpr int Zellenhoehe = 34;
constexpr int Zeilenkopfbreite = 60;

// A variable's name as the overview shows it: a long name is cut short, so
// that a card keeps its few lines; the card's hint names it whole.
constexpr int LaengsterName = 40;
QString kurzName(const QString& name)
{
    return name.size() <= LaengsterName ? name : name.left(LaengsterName - 1) + QChar(0x2026);
}

// A term's colour mixed with white, light enough for black text on it.
QColor hell(const QColor& farbe)
{
    return QColor((farbe.red() + 3 * 255) / 4, (farbe.green() + 3 * 255) / 4, (farbe.blue() + 3 * 255) / 4);
}

// "■ NG negativ groß" for every term, the square in the term's colour.
QString legende(const TFuzzy& f)
{
    QStringList teile;
    for (int i = 1; i <= f.gueltigeAnzahl(); ++i) {
        teile.append(QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;<b>%2</b>&nbsp;%3")
                         .arg(qFarbe(f.Farbe(i)).name(), f.AbkTermname(i).toHtmlEscaped(),
                              f.Termname(i).toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;"))));
    }
    return teile.join(QStringLiteral(" &nbsp; "));
}

QFrame* karteRahmen(QWidget* eltern)
{
    auto* k = new QFrame(eltern);
    k->setObjectName(QStringLiteral("Karte"));
    // The frame turns blue under the pointer: the card reacts to a double click.
    k->setStyleSheet(QStringLiteral("QFrame#Karte { background: white; border: 1px solid #a8a8a8; border-radius: 4px; }"
                                    "QFrame#Karte:hover { border: 1px solid #3a6fc0; }"));
    k->setAttribute(Qt::WA_Hover);
    return k;
}

} // namespace

TProjektuebersicht::TProjektuebersicht(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Projektuebersicht"));
    setFont(Schrift(font(), Seitenschrift::Grund));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    seiten = new QStackedWidget(this);
    layout->addWidget(seiten);
    startseite = new TStartseite(this);
    uebersicht = uebersichtAnlegen();
    seiten->addWidget(startseite);
    seiten->addWidget(uebersicht);
    for (TFuzzy& f : variablen)
        f.FarbeInit();
    Zeigen(TProjekt{});
}

void TProjektuebersicht::karteAnlegen(int welche, QWidget* eltern)
{
    TKarte& k = karten[welche - 1];
    k.flaeche = karteRahmen(eltern);
    const QString hinweis = QStringLiteral("Doppelklick: %1 editieren").arg(Variablennamen[welche - 1]);
    k.flaeche->setToolTip(hinweis);
    k.flaeche->setStatusTip(hinweis);
    k.flaeche->installEventFilter(this);
    auto* l = new QVBoxLayout(k.flaeche);
    l->setSpacing(4);

    auto* kopf = new QHBoxLayout;
    k.titel = Beschriftung(k.flaeche, Seitenschrift::Titel, true);
    k.titel->setTextFormat(Qt::PlainText);
    k.titel->setWordWrap(true);
    kopf->addWidget(k.titel, 1);
    QLabel* doppelklick = Beschriftung(k.flaeche, 13, false, QStringLiteral("#707070"));
    doppelklick->setText(QStringLiteral("Doppelklick: editieren"));
    bedienhinweise.append(doppelklick);
    kopf->addWidget(doppelklick, 0, Qt::AlignRight | Qt::AlignTop);
    l->addLayout(kopf);
    k.text = Beschriftung(k.flaeche, Seitenschrift::Grund, false, QStringLiteral("#303030"));
    k.text->setWordWrap(true);
    l->addWidget(k.text);

    k.plot = new TKoordinatensystem(k.flaeche);
    k.plot->setFont(Schrift(font(), Seitenschrift::Plot));
    k.plot->setMinimumSize(260, 150);
    k.plot->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    TFuzzy& variable = variablen[welche - 1];
    k.plot->setOnPaint([this, &variable](TKoordinatensystem& plot) {
        if (zeichnet)
            return;
        zeichnet = true;
        Zeichnen(variable, plot);
        zeichnet = false;
    });
    l->addWidget(k.plot, 1);

    k.leer = Beschriftung(k.flaeche, 24, true, QStringLiteral("#808080"));
    k.leer->setAlignment(Qt::AlignCenter);
    k.leer->setText(QStringLiteral("nicht definiert"));
    k.leer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    l->addWidget(k.leer, 1);

    k.legende = Beschriftung(k.flaeche, Seitenschrift::Grund);
    k.legende->setTextFormat(Qt::RichText);
    k.legende->setWordWrap(true);
    l->addWidget(k.legende);
}

QWidget* TProjektuebersicht::uebersichtAnlegen()
{
    auto* seite = new QWidget(this);
    seite->setObjectName(QStringLiteral("Uebersicht"));
    auto* l = new QVBoxLayout(seite);
    l->setContentsMargins(10, 8, 10, 10);

    // The next step and the copy button stay outside the picture that is copied.
    auto* leiste = new QHBoxLayout;
    auto* schrittRahmen = new QFrame(seite);
    schrittRahmen->setObjectName(QStringLiteral("Schritt"));
    schrittRahmen->setStyleSheet(
        QStringLiteral("QFrame#Schritt { background: #fff6cc; border: 1px solid #d8c26a; border-radius: 4px; }"));
    auto* schrittLayout = new QVBoxLayout(schrittRahmen);
    schrittLayout->setContentsMargins(10, 6, 10, 6);
    naechsterSchritt = Beschriftung(schrittRahmen, 16);
    naechsterSchritt->setWordWrap(true);
    naechsterSchritt->setTextFormat(Qt::PlainText);
    schrittLayout->addWidget(naechsterSchritt);
    leiste->addWidget(schrittRahmen, 1);
    kopierenKnopf = new QPushButton(QStringLiteral("Kopieren"), seite);
    kopierenKnopf->setAutoDefault(false);
    kopierenKnopf->setMinimumHeight(34);
    HinweisSetzen(kopierenKnopf, QStringLiteral("Diese Übersicht in die Zwischenablage kopieren"));
    connect(kopierenKnopf, &QPushButton::clicked, this, &TProjektuebersicht::Kopieren);
    leiste->addWidget(kopierenKnopf, 0, Qt::AlignTop);
    l->addLayout(leiste);

    // On a small screen the file, the variables and the rules scroll instead
    // of making the main window taller than the screen (which would push the
    // status line off it); the next step stays in sight above them.
    rollbereich = new QScrollArea(seite);
    rollbereich->setFrameShape(QFrame::NoFrame);
    rollbereich->setWidgetResizable(true);
    inhalt = new QWidget;
    inhalt->setObjectName(QStringLiteral("Inhalt"));
    inhalt->setAutoFillBackground(true);
    rollbereich->setWidget(inhalt);
    l->addWidget(rollbereich, 1);
    auto* il = new QVBoxLayout(inhalt);
    il->setContentsMargins(0, 4, 0, 0);

    auto* kopf = new QHBoxLayout;
    dateiname = Beschriftung(inhalt, 24, true);
    dateiname->setTextFormat(Qt::PlainText);
    kopf->addWidget(dateiname);
    pfad = Beschriftung(inhalt, Seitenschrift::Grund, false, QStringLiteral("#606060"));
    pfad->setTextFormat(Qt::PlainText);
    // A long folder is cut rather than widening the window.
    pfad->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    kopf->addWidget(pfad, 1, Qt::AlignBottom);
    zustand = Beschriftung(inhalt, 16, true);
    bedienhinweise.append(zustand);
    bedienhinweise.append(pfad);
    zustand->setTextFormat(Qt::PlainText);
    kopf->addWidget(zustand, 0, Qt::AlignBottom);
    il->addLayout(kopf);

    raster = new QGridLayout;
    raster->setSpacing(10);
    for (int i = 1; i <= 3; ++i)
        karteAnlegen(i, inhalt);

    regelflaeche = karteRahmen(inhalt);
    const QString hinweis = QStringLiteral("Doppelklick: Regeln editieren");
    regelflaeche->setToolTip(hinweis);
    regelflaeche->setStatusTip(hinweis);
    regelflaeche->installEventFilter(this);
    auto* rl = new QVBoxLayout(regelflaeche);
    rl->setSpacing(4);
    auto* rkopf = new QHBoxLayout;
    regeltitel = Beschriftung(regelflaeche, Seitenschrift::Titel, true);
    regeltitel->setText(QStringLiteral("Regeln"));
    rkopf->addWidget(regeltitel, 1);
    QLabel* doppelklick = Beschriftung(regelflaeche, 13, false, QStringLiteral("#707070"));
    doppelklick->setText(QStringLiteral("Doppelklick: editieren"));
    bedienhinweise.append(doppelklick);
    rkopf->addWidget(doppelklick, 0, Qt::AlignRight | Qt::AlignTop);
    rl->addLayout(rkopf);
    regelanzahl = Beschriftung(regelflaeche, Seitenschrift::Grund, false, QStringLiteral("#303030"));
    // Rules that name a deleted output term make the line long.
    regelanzahl->setWordWrap(true);
    rl->addWidget(regelanzahl);

    auto* gitterRaster = new QGridLayout;
    gitterRaster->setSpacing(6);
    spaltenname = Beschriftung(regelflaeche, Seitenschrift::Grund, true);
    spaltenname->setTextFormat(Qt::PlainText);
    // One line above the grid: a wrapped head would need a height the row
    // does not give it; a very long name is cut at the grid's right edge.
    spaltenname->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    gitterRaster->addWidget(spaltenname, 0, 1, Qt::AlignLeft | Qt::AlignBottom);
    zeilenname = Beschriftung(regelflaeche, Seitenschrift::Grund, true);
    zeilenname->setTextFormat(Qt::PlainText);
    zeilenname->setWordWrap(true);
    zeilenname->setMaximumWidth(160);
    gitterRaster->addWidget(zeilenname, 1, 0, Qt::AlignRight | Qt::AlignVCenter);
    regelgitter = new QTableWidget(regelflaeche);
    regelgitter->setFont(Schrift(font(), 18, true));
    regelgitter->horizontalHeader()->setFont(Schrift(font(), 17, true));
    regelgitter->verticalHeader()->setFont(Schrift(font(), 17, true));
    regelgitter->setEditTriggers(QAbstractItemView::NoEditTriggers);
    regelgitter->setSelectionMode(QAbstractItemView::NoSelection);
    regelgitter->setFocusPolicy(Qt::NoFocus);
    regelgitter->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    regelgitter->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    regelgitter->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    regelgitter->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    regelgitter->horizontalHeader()->setDefaultSectionSize(Zellenbreite);
    regelgitter->verticalHeader()->setDefaultSectionSize(Zellenhoehe);
    regelgitter->verticalHeader()->setFixedWidth(Zeilenkopfbreite);
    regelgitter->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // Read-only: a double click anywhere on the card opens the rule editor.
    regelgitter->setAttribute(Qt::WA_TransparentForMouseEvents);
    gitterRaster->addWidget(regelgitter, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    gitterRaster->setColumnStretch(2, 1);
    regelhinweis = Beschriftung(regelflaeche, 17, false, QStringLiteral("#808080"));
    regelhinweis->setWordWrap(true);
    regelhinweis->setAlignment(Qt::AlignCenter);
    regelhinweis->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    rl->addLayout(gitterRaster);
    rl->addWidget(regelhinweis, 1);
    rl->addStretch(0);
    ausgangslegende = Beschriftung(regelflaeche, Seitenschrift::Grund);
    ausgangslegende->setTextFormat(Qt::RichText);
    ausgangslegende->setWordWrap(true);
    rl->addWidget(ausgangslegende);
    spaltenSetzen(2);
    il->addLayout(raster, 1);
    return seite;
}

void TProjektuebersicht::spaltenSetzen(int anzahl)
{
    if (anzahl == kartenspalten)
        return;
    kartenspalten = anzahl;
    const std::array<QWidget*, 4> folge{karten[0].flaeche, karten[1].flaeche, karten[2].flaeche, regelflaeche};
    for (QWidget* k : folge)
        raster->removeWidget(k);
    for (int i = 0; i < 4; ++i) {
        raster->setRowStretch(i, 0);
        raster->setColumnStretch(i % 2, 0);
    }
    // Two columns: A and B above, output and rules below; one column: the
    // cards one under the other, in the same order.
    for (int i = 0; i < 4; ++i)
        raster->addWidget(folge[i], i / anzahl, i % anzahl);
    for (int c = 0; c < anzahl; ++c)
        raster->setColumnStretch(c, 1);
    for (int r = 0; r < 4 / anzahl; ++r)
        raster->setRowStretch(r, 1);
}

void TProjektuebersicht::resizeEvent(QResizeEvent* e)
{
    spaltenSetzen(UebersichtSpalten(e->size().width()));
    QWidget::resizeEvent(e);
}

void TProjektuebersicht::Zeigen(const TProjekt& projekt)
{
    variablen[0].assign(projekt.EingangA);
    variablen[1].assign(projekt.EingangB);
    variablen[2].assign(projekt.Ausgang);
    for (TFuzzy& f : variablen)
        f.FarbeInit();
    regeltab = projekt.Regeltab;

    seiten->setCurrentWidget(ProjektLeer(projekt) ? static_cast<QWidget*>(startseite) : uebersicht);
    kopfZeigen(projekt);
    for (int i = 1; i <= 3; ++i)
        variableZeigen(i);
    regelnZeigen(projekt);
    naechsterSchritt->setText(NaechsterSchrittText(::NaechsterSchritt(projekt)));
}

bool TProjektuebersicht::StartseiteSichtbar() const
{
    return seiten->currentWidget() == startseite;
}

void TProjektuebersicht::kopfZeigen(const TProjekt& projekt)
{
    const bool neu = projekt.Dateiname == NeuerProjektname;
    const QFileInfo datei(projekt.Dateiname);
    // A long name is shortened in the middle rather than widening the window.
    dateiname->setText(neu ? QStringLiteral("Neues Projekt")
                           : dateiname->fontMetrics().elidedText(datei.fileName(), Qt::ElideMiddle,
                                                                 Dateinamenbreite));
    pfad->setText(neu ? QString() : QDir::toNativeSeparators(datei.absolutePath()));
    dateiname->setToolTip(neu ? QString() : QDir::toNativeSeparators(projekt.Dateiname));
    zustand->setText(SpeicherstandText(projekt));
    Textfarbe(zustand, projekt.Geaendert ? QColor(0xb0, 0, 0) : QColor(0x30, 0x60, 0x30));
}

void TProjektuebersicht::variableZeigen(int welche)
{
    TKarte& k = karten[welche - 1];
    const TFuzzy& f = variablen[welche - 1];
    const QString art = Variablennamen[welche - 1];
    k.titel->setText(f.definiert() && !f.Name().isEmpty() ? art + QStringLiteral(": ") + kurzName(f.Name()) : art);
    k.titel->setToolTip(f.definiert() && f.Name().size() > LaengsterName ? f.Name() : QString());
    k.plot->setVisible(f.definiert());
    k.leer->setVisible(!f.definiert());
    k.legende->setVisible(f.definiert());
    if (!f.definiert()) {
        k.text->setText(welche == 2 ? QStringLiteral("Eingang B ist freiwillig; ohne ihn hat die Regeltabelle "
                                                     "eine Spalte. Doppelklick, um ihn zu definieren.")
                                    : QStringLiteral("Doppelklick, um diese Variable zu definieren."));
        k.legende->clear();
        return;
    }
    k.text->setText(Grundmengentext(f));
    k.legende->setText(legende(f));
    zeichnet = true;
    Zeichnen(f, *k.plot);
    zeichnet = false;
}

void TProjektuebersicht::regelnZeigen(const TProjekt& projekt)
{
    const TFuzzy& a = variablen[0];
    const TFuzzy& b = variablen[1];
    const TFuzzy& aus = variablen[2];
    const bool moeglich = RegelnMoeglich(projekt);
    regelgitter->setVisible(moeglich);
    spaltenname->setVisible(moeglich);
    zeilenname->setVisible(moeglich);
    regelhinweis->setVisible(!moeglich);
    ausgangslegende->setVisible(moeglich);
    regelanzahl->setText(RegelanzahlText(projekt));
    if (!moeglich) {
        regelhinweis->setText(QStringLiteral("Für Regeln müssen Eingang A und Ausgang definiert sein."));
        regelgitter->clear();
        regelgitter->setRowCount(0);
        regelgitter->setColumnCount(0);
        return;
    }
    const int zeilen = a.gueltigeAnzahl();
    const int spalten = b.definiert() ? b.gueltigeAnzahl() : 1;
    regelgitter->clear();
    regelgitter->setRowCount(zeilen);
    regelgitter->setColumnCount(spalten);
    QStringList zeilenkoepfe;
    for (int r = 1; r <= zeilen; ++r)
        zeilenkoepfe.append(a.AbkTermname(r));
    QStringList spaltenkoepfe;
    for (int c = 1; c <= spalten; ++c)
        spaltenkoepfe.append(b.definiert() ? b.AbkTermname(c) : QString());
    // Without input B the one column has no head, as in the rule editor.
    regelgitter->horizontalHeader()->setVisible(b.definiert());
    regelgitter->setVerticalHeaderLabels(zeilenkoepfe);
    regelgitter->setHorizontalHeaderLabels(spaltenkoepfe);
    for (int c = 1; c <= spalten; ++c) {
        for (int r = 1; r <= zeilen; ++r) {
            auto* zelle = new QTableWidgetItem;
            zelle->setTextAlignment(Qt::AlignCenter);
            const int k = regeltab(c, r);
            if (k >= 1 && k <= TFuzzy::MaxTerme) {
                // A rule may name a term the output no longer has: it shows, but as unknown.
                const bool bekannt = k <= aus.gueltigeAnzahl();
                zelle->setText(bekannt ? aus.AbkTermname(k) : QStringLiteral("?"));
                zelle->setBackground(bekannt ? hell(qFarbe(aus.Farbe(k))) : QColor(255, 220, 220));
            }
            regelgitter->setItem(r - 1, c - 1, zelle);
        }
    }
    const int breite = Zeilenkopfbreite + spalten * Zellenbreite + 2 * regelgitter->frameWidth();
    const int kopf = b.definiert() ? regelgitter->horizontalHeader()->sizeHint().height() : 0;
    const int hoehe = kopf + zeilen * Zellenhoehe + 2 * regelgitter->frameWidth();
    regelgitter->setFixedSize(breite, hoehe);

    spaltenname->setText(b.definiert() ? QStringLiteral("Eingang B: ") + kurzName(b.Name()) + QStringLiteral(" →")
                                       : QStringLiteral("ohne Eingang B"));
    zeilenname->setText(QStringLiteral("Eingang A: ") + kurzName(a.Name()) + QStringLiteral(" ↓"));
    ausgangslegende->setText(QStringLiteral("<b>Ausgang %1:</b> ").arg(kurzName(aus.Name()).toHtmlEscaped()) +
                             legende(aus));
}

void TProjektuebersicht::setSimulationsbereich(QWidget* bereich)
{
    if (simulationsbereich)
        simulationsbereich->removeEventFilter(this);
    simulationsbereich = bereich;
    if (bereich) {
        bereich->installEventFilter(this);
        setVisible(bereich->isHidden());
    }
}

bool TProjektuebersicht::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == simulationsbereich) {
        // Only an explicit hide of the panel counts; hiding the whole window
        // sends hide events to the panel too.
        if (ereignis->type() == QEvent::Show || ereignis->type() == QEvent::Hide)
            setVisible(simulationsbereich->isHidden());
        return false;
    }
    if (ereignis->type() == QEvent::MouseButtonDblClick) {
        if (objekt == regelflaeche) {
            emit RegelnEditierenGewuenscht();
            return true;
        }
        for (int i = 1; i <= 3; ++i) {
            if (objekt == karten[i - 1].flaeche) {
                emit VariableEditierenGewuenscht(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}

QImage TProjektuebersicht::Bild() const
{
    // The picture is for a worksheet: without the hints on how to use the window.
    QList<QWidget*> ausgeblendet;
    for (QWidget* w : bedienhinweise) {
        if (!w->isHidden()) {
            w->hide();
            ausgeblendet.append(w);
        }
    }
    const QImage bild = inhalt->grab().toImage();
    for (QWidget* w : ausgeblendet)
        w->show();
    return bild;
}

void TProjektuebersicht::Kopieren()
{
    QApplication::clipboard()->setImage(Bild());
}
