#include "app/simulationspanel.h"

// The two pages of the simulation panel: their controls at the form's places,
// their texts and hints, and what each control starts.

#include "app/kraftbalken.h"
#include "app/simulationsbild.h"
#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"
#include "widgets/farbkreis.h"
#include "widgets/koordinatensystem.h"
#include "widgets/lineal1.h"
#include "widgets/singedit.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QString HinweisStart = QStringLiteral("Simulation starten");
const QString HinweisStop = QStringLiteral("Simulation beenden");
const QString HinweisAmpel = QStringLiteral(
    "Ampel auf GRÜN, wenn Geschwindigkeit kleiner als 10cm/s und  Abweichung vom Ziel kleiner als 10 cm");

QLabel* Beschriftung(QWidget* parent, const QString& text, const QRect& platz)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(platz);
    return l;
}

QLabel* Titel(QWidget* parent, const QRect& platz)
{
    auto* l = Beschriftung(parent, QString(), platz);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(128, 0, 0));
    l->setPalette(p);
    return l;
}

TSingEdit* Zahlfeld(QWidget* parent, const QRect& platz)
{
    auto* e = new TSingEdit(parent);
    e->setGeometry(platz);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QPushButton* Umschalter(QWidget* parent, const QString& text, const QRect& platz, const QString& hinweis)
{
    QPushButton* k = KnopfAnlegen(parent, text, platz, hinweis);
    k->setCheckable(true);
    return k;
}

// The success lamp: hidden until a crane run shows it.
TFarbkreis* Lampe(QWidget* parent, const QRect& platz)
{
    auto* l = new TFarbkreis(AmpelFarbe(false), parent);
    l->setGeometry(platz);
    HinweisSetzen(l, HinweisAmpel);
    l->hide();
    return l;
}

} // namespace

void TSimulationspanel::seitenAnlegen()
{
    constexpr int b = SimulationsplotBreite;
    auto* hand = new QWidget;
    handSeite = hand;
    hand->setFocusPolicy(Qt::StrongFocus);
    label10 = Titel(hand, QRect(10, 5, 300, 17));
    koordinatensystem1 = SimulationsplotAnlegen(hand, QRect(10, 24, b, SimulationsplotHoehe), -0.1f);
    start = KnopfAnlegen(hand, QStringLiteral("Start"), QRect(10, 166, 75, 25), HinweisStart);
    stop = KnopfAnlegen(hand, QStringLiteral("Stop"), QRect(90, 166, 75, 25), HinweisStop);
    zeitlupe = Umschalter(hand, QStringLiteral("Zeitlupe"), QRect(170, 166, 75, 25),
                          QStringLiteral("fünffache Zeitlupe"));
    label2 = Beschriftung(hand, QStringLiteral("Zeit in s"), QRect(10, 205, 55, 17));
    singEdit1 = Zahlfeld(hand, QRect(65, 202, 80, 22));
    shape2 = Lampe(hand, QRect(165, 200, 26, 26));
    label7 = Beschriftung(hand, QStringLiteral("Kraft in N"), QRect(270, 164, 105, 17));
    progressBar1 = new TKraftbalken(hand);
    progressBar1->setGeometry(270, 183, 105, 18);
    auto* minus = Beschriftung(hand, QStringLiteral("-"), QRect(270, 202, 10, 15));
    auto* null = Beschriftung(hand, QStringLiteral("0"), QRect(270 + 52 - 5, 202, 11, 15));
    null->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* plus = Beschriftung(hand, QStringLiteral("+"), QRect(375 - 10, 202, 10, 15));
    plus->setAlignment(Qt::AlignRight | Qt::AlignTop);
    minus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    singEdit3 = Zahlfeld(hand, QRect(381, 181, 50, 22));
    bitBtn1 = KnopfAnlegen(hand, QStringLiteral("&Schließen"), QRect(270, 236, 78, 25));
    bitBtn4 = KnopfAnlegen(hand, QStringLiteral("Hilfe"), QRect(353, 236, 78, 25));
    addTab(hand, QStringLiteral("Handregelung"));

    auto* fuzzy = new QWidget;
    label11 = Titel(fuzzy, QRect(10, 5, 300, 17));
    koordinatensystem2 = SimulationsplotAnlegen(fuzzy, QRect(10, 24, b, SimulationsplotHoehe), 1e-7f);
    lineal1 = new TLineal1(fuzzy);
    // Ticks line up with the plot's world x (the plot's area starts 50
    // pixels in, the ruler's ticks 10 pixels in).
    lineal1->setGeometry(10 + TKoordinatensystem::randx_int + TKoordinatensystem::randx_skala_int - 10, 158,
                         b - 2 * TKoordinatensystem::randx_int - TKoordinatensystem::randx_skala_int + 20, 29);
    lineal1->setXlinks(-6);
    lineal1->setXrechts(6);
    lineal1->setRastermodul(1);
    lineal1->setSkalamodul(1);
    label4 = Beschriftung(fuzzy, QString(), QRect(10, 189, 255, 16));
    label5 = Beschriftung(fuzzy, QString(), QRect(10, 205, 255, 16));
    label6 = Beschriftung(fuzzy, QString(), QRect(10, 221, 255, 16));
    start2 = KnopfAnlegen(fuzzy, QStringLiteral("Start"), QRect(10, 242, 62, 25), HinweisStart);
    stop2 = KnopfAnlegen(fuzzy, QStringLiteral("Stop"), QRect(75, 242, 62, 25), HinweisStop);
    wind1 = Umschalter(fuzzy, QStringLiteral("Wind"), QRect(140, 242, 62, 25),
                       QStringLiteral("Seitenwind von rechts ein- bzw. ausschalten"));
    zeitlupe2 = Umschalter(fuzzy, QStringLiteral("Zeitlupe"), QRect(205, 242, 62, 25),
                           QStringLiteral("fünffache Zeitlupe"));
    pauseKnopf = Umschalter(fuzzy, QStringLiteral("Pause"), QRect(270, 214, 78, 25),
                            QStringLiteral("Lauf anhalten bzw. fortsetzen"));
    einzelschritt = KnopfAnlegen(fuzzy, QStringLiteral("Einzelschritt"), QRect(353, 214, 78, 25),
                                 QStringLiteral("angehaltenen Lauf um einen Schritt von 0,05 s weiterführen"));
    label3 = Beschriftung(fuzzy, QStringLiteral("Zeit in s:"), QRect(270, 192, 55, 17));
    singEdit2 = Zahlfeld(fuzzy, QRect(325, 189, 75, 22));
    shape1 = Lampe(fuzzy, QRect(407, 187, 26, 26));
    bitBtn2 = KnopfAnlegen(fuzzy, QStringLiteral("&Schließen"), QRect(270, 242, 78, 25));
    bitBtn3 = KnopfAnlegen(fuzzy, QStringLiteral("Hilfe"), QRect(353, 242, 78, 25));
    addTab(fuzzy, QStringLiteral("Fuzzy-Regelung"));
}

void TSimulationspanel::verbinden()
{
    connect(start, &QPushButton::clicked, this, &TSimulationspanel::StartClick);
    connect(start2, &QPushButton::clicked, this, &TSimulationspanel::Start2Click);
    for (QPushButton* k : {stop, stop2})
        connect(k, &QPushButton::clicked, this, &TSimulationspanel::StopClick);
    for (QPushButton* k : {zeitlupe, zeitlupe2})
        connect(k, &QPushButton::toggled, this, &TSimulationspanel::ZeitlupeClick);
    connect(pauseKnopf, &QPushButton::toggled, this, &TSimulationspanel::PauseClick);
    connect(einzelschritt, &QPushButton::clicked, this, &TSimulationspanel::EinzelschrittClick);
    // The hand page's keys reach the panel from whichever of its controls has
    // the focus.
    handSeite->installEventFilter(this);
    for (QWidget* w : handSeite->findChildren<QWidget*>())
        w->installEventFilter(this);
    connect(wind1, &QPushButton::toggled, this, &TSimulationspanel::wind1Click);
    connect(progressBar1, &TKraftbalken::mausBewegt, this, &TSimulationspanel::ProgressBar1MouseMove);
    for (QPushButton* k : {bitBtn1, bitBtn2})
        connect(k, &QPushButton::clicked, this, &TSimulationspanel::BitBtn1Click);
    // F1 anywhere in the panel and both help buttons.
    for (QPushButton* k : {bitBtn4, bitBtn3})
        HilfeSeiteSetzen(this, HilfeSeite::Simulation, k);
}
