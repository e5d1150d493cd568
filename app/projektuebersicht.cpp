#include "app/projektuebersicht.h"

#include "core/projekt.h"
#include "core/zahlenformat.h"
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
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

const QString Variablennamen[3] = {QStringLiteral("Eingang A"), QStringLiteral("Eingang B"),
                                   QStringLiteral("Ausgang")};

// Sizes for a class that reads the screen from the back of the room.
constexpr int Grundschrift = 15;
constexpr int Titelschrift = 20;
constexpr int Plotschrift = 13;
constexpr int Startseitenbreite = 720;
constexpr int Dateinamenbreite = 600;
constexpr int Zellenbreite = 66;
constexpr int Zellenhoehe = 40;
constexpr int Zeilenkopfbreite = 60;

QFont schrift(const QFont& basis, int pixel, bool fett = false)
{
    QFont f = basis;
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

// Through the palette: a style sheet on a label would also replace its font.
void textfarbe(QWidget* w, const QColor& farbe)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, farbe);
    w->setPalette(p);
}

QLabel* beschriftung(QWidget* eltern, int pixel, bool fett = false, const QString& farbe = QString())
{
    auto* l = new QLabel(eltern);
    l->setFont(schrift(eltern->font(), pixel, fett));
    if (!farbe.isEmpty())
        textfarbe(l, QColor(farbe));
    return l;
}

QString zahl(float wert)
{
    return FestKomma(wert, 2, 0).trimmed();
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

bool projektLeer(const std::array<TFuzzy, 3>& variablen, const TRegeltab& tabelle)
{
    for (const TFuzzy& f : variablen) {
        if (f.definiert())
            return false;
    }
    return tabelle == TRegeltab{};
}

} // namespace

TProjektuebersicht::TProjektuebersicht(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Projektuebersicht"));
    setFont(schrift(font(), Grundschrift));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    seiten = new QStackedWidget(this);
    layout->addWidget(seiten);
    startseite = startseiteAnlegen();
    uebersicht = uebersichtAnlegen();
    seiten->addWidget(startseite);
    seiten->addWidget(uebersicht);
    for (TFuzzy& f : variablen)
        f.FarbeInit();
    Zeigen(TProjekt{});
}

QWidget* TProjektuebersicht::startseiteAnlegen()
{
    auto* seite = new QWidget(this);
    seite->setObjectName(QStringLiteral("Startseite"));
    auto* aussen = new QVBoxLayout(seite);
    auto* spalte = new QWidget(seite);
    spalte->setFixedWidth(Startseitenbreite);
    aussen->addStretch(1);
    aussen->addWidget(spalte, 0, Qt::AlignHCenter);
    aussen->addStretch(2);

    auto* l = new QVBoxLayout(spalte);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(14);
    // Wrapped texts get the height they need at the column's fixed width; a
    // centred column would otherwise cut them.
    auto absatz = [&](int pixel, bool fett, const QString& text, const QString& farbe = QString()) {
        QLabel* label = beschriftung(spalte, pixel, fett, farbe);
        label->setWordWrap(true);
        label->setText(text);
        label->setMinimumHeight(label->heightForWidth(Startseitenbreite));
        l->addWidget(label);
        return label;
    };
    absatz(32, true, QStringLiteral("Willkommen bei Tarvik"));
    absatz(17, false,
           QStringLiteral("Mit Tarvik lernen Sie Fuzzy-Regelung, indem Sie selbst einen Fuzzy-Regler bauen: "
                          "zwei Eingänge und einen Ausgang mit ihren Termen und die Regeln dazwischen. "
                          "Dann sehen Sie ihn arbeiten – im Regeltester, in der 3D-Kennfläche und als Regler "
                          "eines invertierten Pendels oder einer Laufkatze."));
    l->addSpacing(8);
    absatz(17, true, QStringLiteral("Womit möchten Sie beginnen?"));

    // A large button with a bold first line and a plain second line.
    auto knopf = [&](const QString& titelzeile, const QString& erklaerung) {
        auto* k = new QPushButton(spalte);
        k->setAutoDefault(false);
        k->setMinimumHeight(76);
        auto* kl = new QVBoxLayout(k);
        kl->setContentsMargins(18, 8, 18, 8);
        kl->setSpacing(2);
        for (const auto& [text, fett] : {std::pair{titelzeile, true}, std::pair{erklaerung, false}}) {
            QLabel* zeile = beschriftung(k, fett ? 18 : 16, fett);
            zeile->setText(text);
            zeile->setAttribute(Qt::WA_TransparentForMouseEvents);
            kl->addWidget(zeile);
        }
        l->addWidget(k);
        return k;
    };
    assistentKnopf = knopf(QStringLiteral("Neues Projekt mit dem Assistenten"),
                           QStringLiteral("Schritt für Schritt: Eingang A, Eingang B, Ausgang und Regeln"));
    HinweisSetzen(assistentKnopf, QStringLiteral("Assistent für das Erstellen eines Fuzzyprojekts"));
    pendelKnopf = knopf(QStringLiteral("Beispiel öffnen: invertiertes Pendel"),
                        QStringLiteral("Ein fertiger Regler, der einen Stab auf dem Wagen balanciert"));
    kranKnopf = knopf(QStringLiteral("Beispiel öffnen: Laufkatze"),
                      QStringLiteral("Ein fertiger Regler, der die Last ohne Pendeln ans Ziel bringt"));
    absatz(15, false, QStringLiteral("Ein eigenes Projekt öffnen Sie mit „Datei → Öffnen...“."),
           QStringLiteral("#404040"));

    connect(assistentKnopf, &QPushButton::clicked, this, &TProjektuebersicht::AssistentGewuenscht);
    connect(pendelKnopf, &QPushButton::clicked, this,
            [this] { emit BeispielGewuenscht(pendelKnopf->property("pfad").toString()); });
    connect(kranKnopf, &QPushButton::clicked, this,
            [this] { emit BeispielGewuenscht(kranKnopf->property("pfad").toString()); });
    setBeispiele(QString(), QString());
    return seite;
}

void TProjektuebersicht::karteAnlegen(int welche, QWidget* eltern)
{
    TKarte& k = karten[welche - 1];
    k.karte = karteRahmen(eltern);
    const QString hinweis = QStringLiteral("Doppelklick: %1 editieren").arg(Variablennamen[welche - 1]);
    k.karte->setToolTip(hinweis);
    k.karte->setStatusTip(hinweis);
    k.karte->installEventFilter(this);
    auto* l = new QVBoxLayout(k.karte);
    l->setSpacing(4);

    auto* kopf = new QHBoxLayout;
    k.titel = beschriftung(k.karte, Titelschrift, true);
    k.titel->setTextFormat(Qt::PlainText);
    k.titel->setWordWrap(true);
    kopf->addWidget(k.titel, 1);
    QLabel* doppelklick = beschriftung(k.karte, 13, false, QStringLiteral("#707070"));
    doppelklick->setText(QStringLiteral("Doppelklick: editieren"));
    bedienhinweise.append(doppelklick);
    kopf->addWidget(doppelklick, 0, Qt::AlignRight | Qt::AlignTop);
    l->addLayout(kopf);
    k.text = beschriftung(k.karte, Grundschrift, false, QStringLiteral("#303030"));
    k.text->setWordWrap(true);
    l->addWidget(k.text);

    k.plot = new TKoordinatensystem(k.karte);
    k.plot->setFont(schrift(font(), Plotschrift));
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

    k.leer = beschriftung(k.karte, 24, true, QStringLiteral("#808080"));
    k.leer->setAlignment(Qt::AlignCenter);
    k.leer->setText(QStringLiteral("nicht definiert"));
    k.leer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    l->addWidget(k.leer, 1);

    k.legende = beschriftung(k.karte, Grundschrift);
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
    naechsterSchritt = beschriftung(schrittRahmen, 16);
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

    inhalt = new QWidget(seite);
    inhalt->setObjectName(QStringLiteral("Inhalt"));
    inhalt->setAutoFillBackground(true);
    l->addWidget(inhalt, 1);
    auto* il = new QVBoxLayout(inhalt);
    il->setContentsMargins(0, 4, 0, 0);

    auto* kopf = new QHBoxLayout;
    dateiname = beschriftung(inhalt, 24, true);
    dateiname->setTextFormat(Qt::PlainText);
    kopf->addWidget(dateiname);
    pfad = beschriftung(inhalt, Grundschrift, false, QStringLiteral("#606060"));
    pfad->setTextFormat(Qt::PlainText);
    // A long folder is cut rather than widening the window.
    pfad->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    kopf->addWidget(pfad, 1, Qt::AlignBottom);
    zustand = beschriftung(inhalt, 16, true);
    bedienhinweise.append(zustand);
    bedienhinweise.append(pfad);
    zustand->setTextFormat(Qt::PlainText);
    kopf->addWidget(zustand, 0, Qt::AlignBottom);
    il->addLayout(kopf);

    auto* raster = new QGridLayout;
    raster->setSpacing(10);
    for (int i = 1; i <= 3; ++i)
        karteAnlegen(i, inhalt);
    raster->addWidget(karten[0].karte, 0, 0);
    raster->addWidget(karten[1].karte, 0, 1);
    raster->addWidget(karten[2].karte, 1, 0);

    regelkarte = karteRahmen(inhalt);
    const QString hinweis = QStringLiteral("Doppelklick: Regeln editieren");
    regelkarte->setToolTip(hinweis);
    regelkarte->setStatusTip(hinweis);
    regelkarte->installEventFilter(this);
    auto* rl = new QVBoxLayout(regelkarte);
    rl->setSpacing(4);
    auto* rkopf = new QHBoxLayout;
    regeltitel = beschriftung(regelkarte, Titelschrift, true);
    regeltitel->setText(QStringLiteral("Regeln"));
    rkopf->addWidget(regeltitel, 1);
    QLabel* doppelklick = beschriftung(regelkarte, 13, false, QStringLiteral("#707070"));
    doppelklick->setText(QStringLiteral("Doppelklick: editieren"));
    bedienhinweise.append(doppelklick);
    rkopf->addWidget(doppelklick, 0, Qt::AlignRight | Qt::AlignTop);
    rl->addLayout(rkopf);
    regelanzahl = beschriftung(regelkarte, Grundschrift, false, QStringLiteral("#303030"));
    rl->addWidget(regelanzahl);

    auto* gitterRaster = new QGridLayout;
    gitterRaster->setSpacing(6);
    spaltenname = beschriftung(regelkarte, Grundschrift, true);
    spaltenname->setTextFormat(Qt::PlainText);
    // One line above the grid: a wrapped head would need a height the row
    // does not give it; a very long name is cut at the grid's right edge.
    spaltenname->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    gitterRaster->addWidget(spaltenname, 0, 1, Qt::AlignLeft | Qt::AlignBottom);
    zeilenname = beschriftung(regelkarte, Grundschrift, true);
    zeilenname->setTextFormat(Qt::PlainText);
    zeilenname->setWordWrap(true);
    zeilenname->setMaximumWidth(160);
    gitterRaster->addWidget(zeilenname, 1, 0, Qt::AlignRight | Qt::AlignVCenter);
    gitter = new QTableWidget(regelkarte);
    gitter->setFont(schrift(font(), 18, true));
    gitter->horizontalHeader()->setFont(schrift(font(), 17, true));
    gitter->verticalHeader()->setFont(schrift(font(), 17, true));
    gitter->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gitter->setSelectionMode(QAbstractItemView::NoSelection);
    gitter->setFocusPolicy(Qt::NoFocus);
    gitter->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gitter->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gitter->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gitter->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gitter->horizontalHeader()->setDefaultSectionSize(Zellenbreite);
    gitter->verticalHeader()->setDefaultSectionSize(Zellenhoehe);
    gitter->verticalHeader()->setFixedWidth(Zeilenkopfbreite);
    gitter->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // Read-only: a double click anywhere on the card opens the rule editor.
    gitter->setAttribute(Qt::WA_TransparentForMouseEvents);
    gitterRaster->addWidget(gitter, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    gitterRaster->setColumnStretch(2, 1);
    regelhinweis = beschriftung(regelkarte, 17, false, QStringLiteral("#808080"));
    regelhinweis->setWordWrap(true);
    regelhinweis->setAlignment(Qt::AlignCenter);
    regelhinweis->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    rl->addLayout(gitterRaster);
    rl->addWidget(regelhinweis, 1);
    rl->addStretch(0);
    ausgangslegende = beschriftung(regelkarte, Grundschrift);
    ausgangslegende->setTextFormat(Qt::RichText);
    ausgangslegende->setWordWrap(true);
    rl->addWidget(ausgangslegende);
    raster->addWidget(regelkarte, 1, 1);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(0, 1);
    raster->setRowStretch(1, 1);
    il->addLayout(raster, 1);
    return seite;
}

void TProjektuebersicht::Zeigen(const TProjekt& projekt)
{
    variablen[0].assign(projekt.EingangA);
    variablen[1].assign(projekt.EingangB);
    variablen[2].assign(projekt.Ausgang);
    for (TFuzzy& f : variablen)
        f.FarbeInit();
    regeltab = projekt.Regeltab;

    const bool leer = projektLeer(variablen, regeltab);
    seiten->setCurrentWidget(leer ? startseite : uebersicht);
    kopfZeigen(projekt);
    for (int i = 1; i <= 3; ++i)
        variableZeigen(i);
    regelnZeigen();

    const TFuzzy& a = variablen[0];
    const TFuzzy& aus = variablen[2];
    QString schritt;
    if (!a.definiert())
        schritt = QStringLiteral("Definieren Sie den Eingang A: Doppelklick auf „Eingang A“ "
                                 "oder „Fuzzyvariable → Editieren → Eingang A“.");
    else if (!aus.definiert())
        schritt = QStringLiteral("Definieren Sie den Ausgang: Doppelklick auf „Ausgang“ "
                                 "oder „Fuzzyvariable → Editieren → Ausgang“.");
    else if (AnzahlRegeln(a, variablen[1], regeltab) == 0)
        schritt = QStringLiteral("Geben Sie die Regeln ein: Doppelklick auf „Regeln“ oder „Regeln → Editieren“.");
    else if (!variablen[1].definiert())
        // A simulation under fuzzy control needs both inputs.
        schritt = QStringLiteral("Testen Sie den Regler mit „Regeln → Testen“. Um mit ihm das Pendel oder "
                                 "die Laufkatze zu regeln, definieren Sie auch Eingang B.");
    else
        schritt = QStringLiteral("Der Regler ist bereit: Testen Sie ihn mit „Regeln → Testen“ oder lassen Sie "
                                 "ihn unter „Simulation“ das Pendel oder die Laufkatze regeln (Fuzzy-Regelung).");
    naechsterSchritt->setText(QStringLiteral("Nächster Schritt: ") + schritt);
}

bool TProjektuebersicht::Startseite() const
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
    if (projekt.Geaendert) {
        zustand->setText(QStringLiteral("Ungespeicherte Änderungen"));
        textfarbe(zustand, QColor(0xb0, 0, 0));
    } else {
        zustand->setText(neu ? QStringLiteral("Noch nicht gespeichert") : QStringLiteral("Gespeichert"));
        textfarbe(zustand, QColor(0x30, 0x60, 0x30));
    }
}

void TProjektuebersicht::variableZeigen(int welche)
{
    TKarte& k = karten[welche - 1];
    const TFuzzy& f = variablen[welche - 1];
    const QString art = Variablennamen[welche - 1];
    k.titel->setText(f.definiert() && !f.Name().isEmpty() ? art + QStringLiteral(": ") + f.Name() : art);
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
    const int n = f.gueltigeAnzahl();
    k.text->setText(QStringLiteral("Grundmenge %1 bis %2 · %3")
                        .arg(zahl(f.a()), zahl(f.b()),
                             n == 1 ? QStringLiteral("1 Term") : QStringLiteral("%1 Terme").arg(n)));
    k.legende->setText(legende(f));
    zeichnet = true;
    Zeichnen(f, *k.plot);
    zeichnet = false;
}

int TProjektuebersicht::AnzahlRegeln(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegeltab& tabelle)
{
    const int spalten = eingangB.definiert() ? eingangB.gueltigeAnzahl() : 1;
    int anzahl = 0;
    for (int c = 1; c <= spalten; ++c) {
        for (int r = 1; r <= eingangA.gueltigeAnzahl(); ++r) {
            if (tabelle(c, r) != 0)
                ++anzahl;
        }
    }
    return anzahl;
}

void TProjektuebersicht::regelnZeigen()
{
    const TFuzzy& a = variablen[0];
    const TFuzzy& b = variablen[1];
    const TFuzzy& aus = variablen[2];
    const bool moeglich = a.definiert() && aus.definiert();
    gitter->setVisible(moeglich);
    spaltenname->setVisible(moeglich);
    zeilenname->setVisible(moeglich);
    regelhinweis->setVisible(!moeglich);
    ausgangslegende->setVisible(moeglich);
    if (!moeglich) {
        regelanzahl->setText(QStringLiteral("keine Regeln"));
        regelhinweis->setText(QStringLiteral("Für Regeln müssen Eingang A und Ausgang definiert sein."));
        gitter->clear();
        gitter->setRowCount(0);
        gitter->setColumnCount(0);
        return;
    }
    const int anzahl = AnzahlRegeln(a, b, regeltab);
    regelanzahl->setText(anzahl == 0   ? QStringLiteral("noch keine Regeln")
                         : anzahl == 1 ? QStringLiteral("1 Regel")
                                       : QStringLiteral("%1 Regeln").arg(anzahl));

    const int zeilen = a.gueltigeAnzahl();
    const int spalten = b.definiert() ? b.gueltigeAnzahl() : 1;
    gitter->clear();
    gitter->setRowCount(zeilen);
    gitter->setColumnCount(spalten);
    QStringList zeilenkoepfe;
    for (int r = 1; r <= zeilen; ++r)
        zeilenkoepfe.append(a.AbkTermname(r));
    QStringList spaltenkoepfe;
    for (int c = 1; c <= spalten; ++c)
        spaltenkoepfe.append(b.definiert() ? b.AbkTermname(c) : QString());
    // Without input B the one column has no head, as in the rule editor.
    gitter->horizontalHeader()->setVisible(b.definiert());
    gitter->setVerticalHeaderLabels(zeilenkoepfe);
    gitter->setHorizontalHeaderLabels(spaltenkoepfe);
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
            gitter->setItem(r - 1, c - 1, zelle);
        }
    }
    const int breite = Zeilenkopfbreite + spalten * Zellenbreite + 2 * gitter->frameWidth();
    const int kopf = b.definiert() ? gitter->horizontalHeader()->sizeHint().height() : 0;
    const int hoehe = kopf + zeilen * Zellenhoehe + 2 * gitter->frameWidth();
    gitter->setFixedSize(breite, hoehe);

    spaltenname->setText(b.definiert() ? QStringLiteral("Eingang B: ") + b.Name() + QStringLiteral(" →")
                                       : QStringLiteral("ohne Eingang B"));
    zeilenname->setText(QStringLiteral("Eingang A: ") + a.Name() + QStringLiteral(" ↓"));
    ausgangslegende->setText(QStringLiteral("<b>Ausgang %1:</b> ").arg(aus.Name().toHtmlEscaped()) + legende(aus));
}

void TProjektuebersicht::setBeispiele(const QString& pendel, const QString& kran)
{
    const QString fehlt = QStringLiteral("Die Beispieldatei %1 wurde bei Tarvik nicht gefunden.");
    pendelKnopf->setProperty("pfad", pendel);
    pendelKnopf->setEnabled(!pendel.isEmpty());
    const QString oeffnen = QStringLiteral("Das Beispielprojekt %1 öffnen");
    HinweisSetzen(pendelKnopf, pendel.isEmpty() ? fehlt.arg(QStringLiteral("pendel.fuz"))
                                                : oeffnen.arg(QDir::toNativeSeparators(pendel)));
    kranKnopf->setProperty("pfad", kran);
    kranKnopf->setEnabled(!kran.isEmpty());
    HinweisSetzen(kranKnopf, kran.isEmpty() ? fehlt.arg(QStringLiteral("kran.fuz"))
                                            : oeffnen.arg(QDir::toNativeSeparators(kran)));
}

void TProjektuebersicht::setAssistentVerfuegbar(bool verfuegbar)
{
    assistentKnopf->setEnabled(verfuegbar);
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
        if (objekt == regelkarte) {
            emit RegelnEditierenGewuenscht();
            return true;
        }
        for (int i = 1; i <= 3; ++i) {
            if (objekt == karten[i - 1].karte) {
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

QString BeispielDatei(const QString& programmpfad, const QString& name)
{
    const QDir programm(programmpfad);
    QStringList orte = {programm.filePath(QStringLiteral("examples")),
                        programm.filePath(QStringLiteral("../share/tarvik/examples")),
                        programm.filePath(QStringLiteral("../examples")),
                        programm.filePath(QStringLiteral("../../examples"))};
    for (const QString& daten : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        orte.append(QDir(daten).filePath(QStringLiteral("tarvik/examples")));
    for (const QString& ort : orte) {
        const QFileInfo datei(QDir(ort).filePath(name));
        if (datei.isFile())
            return QDir::cleanPath(datei.absoluteFilePath());
    }
    return QString();
}
