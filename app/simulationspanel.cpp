#include "app/simulationspanel.h"

#include "app/verlauf.h"
#include "core/projekt.h"
#include "forms/dialoghilfe.h"
#include "plant/pendel.h"
#include "plant/simulation.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "platform/pause.h"
#include "platform/uhr.h"
#include "widgets/koordinatensystem.h"
#include "widgets/lineal1.h"
#include "widgets/pendelzeichnen.h"
#include "widgets/singedit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

const QString HinweisStart = QStringLiteral("Simulation starten");
const QString HinweisStop = QStringLiteral("Simulation beenden");
const QString HinweisAmpel = QStringLiteral(
    "Ampel auf GRÜN, wenn Geschwindigkeit kleiner als 10cm/s und  Abweichung vom Ziel kleiner als 10 cm");
const QColor Rot(255, 0, 0);
const QColor Gruen(0, 255, 0);

constexpr int PlotBreite = 421;
constexpr int PlotHoehe = 133;

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

TKoordinatensystem* Plot(QWidget* parent, const QRect& platz, float y1)
{
    auto* k = new TKoordinatensystem(parent);
    k->setGeometry(platz);
    k->setSkalenart(TSkala::keine);
    k->setXBereich(-6, 6);
    k->setYBereich(y1, 2.5f);
    k->setStiftart(TStiftart::Xor);
    k->setGraphFarbe(Qt::white);
    k->setOnPaint([](TKoordinatensystem& plot) {
        plot.Canvas().StretchDraw(QRect(0, 0, plot.width(), plot.height()), BackGround(plot.Bild().devicePixelRatio()));
    });
    return k;
}

QPushButton* Umschalter(QWidget* parent, const QString& text, const QRect& platz, const QString& hinweis)
{
    QPushButton* k = KnopfAnlegen(parent, text, platz, hinweis);
    k->setCheckable(true);
    return k;
}

} // namespace

TAmpel::TAmpel(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void TAmpel::setFarbe(const QColor& neu)
{
    if (neu == farbe)
        return;
    farbe = neu;
    update();
}

void TAmpel::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(Qt::black, 1));
    maler.setBrush(farbe);
    maler.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

TKraftbalken::TKraftbalken(QWidget* parent)
    : QProgressBar(parent)
{
    setRange(0, 100);
    setTextVisible(false);
    setMouseTracking(true);
}

void TKraftbalken::setPosition(int spalte)
{
    setValue(std::clamp(spalte, minimum(), maximum()));
}

void TKraftbalken::mouseMoveEvent(QMouseEvent* e)
{
    emit mausBewegt(static_cast<int>(e->position().x()));
    QProgressBar::mouseMoveEvent(e);
}

QImage BackGround(qreal ratio)
{
    // Drawn once for each scale it is asked for.
    static std::map<qreal, QImage> bilder;
    QImage& bild = bilder[ratio];
    if (bild.isNull()) {
        QImage b(int(std::ceil(PlotBreite * ratio)), int(std::ceil(PlotHoehe * ratio)), QImage::Format_RGB32);
        b.setDevicePixelRatio(ratio);
        b.fill(QColor(20, 28, 34));
        QPainter m(&b);
        // The floor starts just below the plot's ground line (y = 0).
        constexpr int boden = 102;
        QLinearGradient himmel(0, 0, 0, boden);
        himmel.setColorAt(0, QColor(8, 28, 72));
        himmel.setColorAt(1, QColor(24, 92, 140));
        m.fillRect(0, 0, PlotBreite, boden, himmel);
        // Distant hills, dark so the plant stays the brightest thing.
        m.setRenderHint(QPainter::Antialiasing);
        QPainterPath huegel;
        huegel.moveTo(0, boden);
        huegel.cubicTo(60, 70, 120, 86, 180, 80);
        huegel.cubicTo(250, 72, 300, 92, 350, 78);
        huegel.cubicTo(390, 68, 410, 80, PlotBreite, 76);
        huegel.lineTo(PlotBreite, boden);
        huegel.closeSubpath();
        m.fillPath(huegel, QColor(14, 62, 70));
        m.setRenderHint(QPainter::Antialiasing, false);
        QLinearGradient flur(0, boden, 0, PlotHoehe);
        flur.setColorAt(0, QColor(40, 54, 60));
        flur.setColorAt(1, QColor(20, 28, 34));
        m.fillRect(0, boden, PlotBreite, PlotHoehe - boden, flur);
        // The track the cart runs on.
        m.fillRect(0, boden, PlotBreite, 2, QColor(90, 110, 118));
        for (int x = 4; x < PlotBreite; x += 14)
            m.fillRect(x, boden + 2, 8, 2, QColor(56, 70, 76));
        m.end();
        bild = b;
    }
    return bild;
}

float KraftAusBalken(int spalte, bool pendelTyp)
{
    const double x = spalte - 50;
    return static_cast<float>(pendelTyp ? x / 2 : x / 50);
}

float Schrittweite(std::uint32_t millisekunden, int zeitfaktor)
{
    return GemesseneSchrittweite(std::min(millisekunden, LaengsterDurchlauf), zeitfaktor);
}

TSimulationspanel::TSimulationspanel(TProjekt& p, TPendel& pe, bool& ab, std::int32_t& zf,
                                     const TEinstellungen& e, QWidget* parent)
    : QTabWidget(parent), projekt(p), pendel(pe), abbruch(ab), zeitfaktor(zf), einstellungen(e)
{
    setObjectName(QStringLiteral("TabbedNotebook1"));
    setFixedSize(Breite, Hoehe);
    seitenAnlegen();
    hide();
    if (parent) {
        parent->installEventFilter(this);
        verlauf = new TVerlauf(parent);
        verlauf->hide();
    }
    connect(this, &QTabWidget::currentChanged, this, [this](int seite) {
        if (seite != seiteVorher) {
            seiteVorher = seite;
            TabbedNotebook1Change();
        }
    });
}

void TSimulationspanel::seitenAnlegen()
{
    auto* hand = new QWidget;
    Label10 = Titel(hand, QRect(10, 5, 300, 17));
    Koordinatensystem1 = Plot(hand, QRect(10, 24, PlotBreite, PlotHoehe), -0.1f);
    Start = KnopfAnlegen(hand, QStringLiteral("Start"), QRect(10, 166, 75, 25), HinweisStart);
    Stop = KnopfAnlegen(hand, QStringLiteral("Stop"), QRect(90, 166, 75, 25), HinweisStop);
    Zeitlupe = Umschalter(hand, QStringLiteral("Zeitlupe"), QRect(170, 166, 75, 25),
                          QStringLiteral("fünffache Zeitlupe"));
    Label2 = Beschriftung(hand, QStringLiteral("Zeit in s"), QRect(10, 205, 55, 17));
    SingEdit1 = Zahlfeld(hand, QRect(65, 202, 80, 22));
    Shape2 = new TAmpel(hand);
    Shape2->setGeometry(165, 200, 26, 26);
    HinweisSetzen(Shape2, HinweisAmpel);
    Shape2->hide();
    Label7 = Beschriftung(hand, QStringLiteral("Kraft in N"), QRect(270, 164, 105, 17));
    ProgressBar1 = new TKraftbalken(hand);
    ProgressBar1->setGeometry(270, 183, 105, 18);
    auto* minus = Beschriftung(hand, QStringLiteral("-"), QRect(270, 202, 10, 15));
    auto* null = Beschriftung(hand, QStringLiteral("0"), QRect(270 + 52 - 5, 202, 11, 15));
    null->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* plus = Beschriftung(hand, QStringLiteral("+"), QRect(375 - 10, 202, 10, 15));
    plus->setAlignment(Qt::AlignRight | Qt::AlignTop);
    minus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SingEdit3 = Zahlfeld(hand, QRect(381, 181, 50, 22));
    BitBtn1 = KnopfAnlegen(hand, QStringLiteral("&Schließen"), QRect(270, 236, 78, 25));
    BitBtn4 = KnopfAnlegen(hand, QStringLiteral("Hilfe"), QRect(353, 236, 78, 25));
    addTab(hand, QStringLiteral("Handregelung"));

    auto* fuzzy = new QWidget;
    Label11 = Titel(fuzzy, QRect(10, 5, 300, 17));
    Koordinatensystem2 = Plot(fuzzy, QRect(10, 24, PlotBreite, PlotHoehe), 1e-7f);
    Lineal1 = new TLineal1(fuzzy);
    // Ticks line up with the plot's world x (the plot's area starts 50
    // pixels in, the ruler's ticks 10 pixels in).
    Lineal1->setGeometry(10 + TKoordinatensystem::randx_int + TKoordinatensystem::randx_skala_int - 10, 158,
                         PlotBreite - 2 * TKoordinatensystem::randx_int - TKoordinatensystem::randx_skala_int + 20,
                         29);
    Lineal1->setXlinks(-6);
    Lineal1->setXrechts(6);
    Lineal1->setRastermodul(1);
    Lineal1->setSkalamodul(2);
    Label4 = Beschriftung(fuzzy, QString(), QRect(10, 189, 255, 16));
    Label5 = Beschriftung(fuzzy, QString(), QRect(10, 205, 255, 16));
    Label6 = Beschriftung(fuzzy, QString(), QRect(10, 221, 255, 16));
    Start2 = KnopfAnlegen(fuzzy, QStringLiteral("Start"), QRect(10, 242, 75, 25), HinweisStart);
    Stop2 = KnopfAnlegen(fuzzy, QStringLiteral("Stop"), QRect(90, 242, 75, 25), HinweisStop);
    wind1 = Umschalter(fuzzy, QStringLiteral("Wind"), QRect(170, 242, 75, 25),
                       QStringLiteral("Seitenwind von rechts ein- bzw. ausschalten"));
    Label3 = Beschriftung(fuzzy, QStringLiteral("Zeit in s:"), QRect(270, 192, 55, 17));
    SingEdit2 = Zahlfeld(fuzzy, QRect(325, 189, 75, 22));
    Shape1 = new TAmpel(fuzzy);
    Shape1->setGeometry(407, 187, 26, 26);
    HinweisSetzen(Shape1, HinweisAmpel);
    Shape1->hide();
    BitBtn2 = KnopfAnlegen(fuzzy, QStringLiteral("&Schließen"), QRect(270, 242, 78, 25));
    BitBtn3 = KnopfAnlegen(fuzzy, QStringLiteral("Hilfe"), QRect(353, 242, 78, 25));
    addTab(fuzzy, QStringLiteral("Fuzzy-Regelung"));

    connect(Start, &QPushButton::clicked, this, &TSimulationspanel::StartClick);
    connect(Stop, &QPushButton::clicked, this, &TSimulationspanel::StopClick);
    connect(Start2, &QPushButton::clicked, this, &TSimulationspanel::Start2Click);
    connect(Stop2, &QPushButton::clicked, this, &TSimulationspanel::Stop2Click);
    connect(Zeitlupe, &QPushButton::toggled, this, &TSimulationspanel::ZeitlupeClick);
    connect(wind1, &QPushButton::toggled, this, &TSimulationspanel::wind1Click);
    connect(ProgressBar1, &TKraftbalken::mausBewegt, this, &TSimulationspanel::ProgressBar1MouseMove);
    for (QPushButton* k : {BitBtn1, BitBtn2})
        connect(k, &QPushButton::clicked, this, &TSimulationspanel::BitBtn1Click);
    HilfeSeiteSetzen(this, HilfeSeite::Simulation);
    for (QPushButton* k : {BitBtn4, BitBtn3})
        connect(k, &QPushButton::clicked, this, [] { ZeigeHilfe(HilfeSeite::Simulation); });
}

bool TSimulationspanel::eventFilter(QObject* o, QEvent* e)
{
    if (o == parentWidget() && e->type() == QEvent::Resize)
        Platzieren();
    return QTabWidget::eventFilter(o, e);
}

void TSimulationspanel::Platzieren()
{
    if (QWidget* p = parentWidget())
        move(std::max(0, (p->width() - width()) / 2), std::max(0, (p->height() - height()) / 2 - 15));
    if (verlauf)
        verlauf->move(x() + (width() - verlauf->width()) / 2, y() + height() + 8);
}

void TSimulationspanel::Anhalten()
{
    abbruch = true;
    if (laeuft)
        ++laufNummer;
}

void TSimulationspanel::PendelBildInit()
{
    Koordinatensystem1->Refresh();
    Koordinatensystem2->Refresh();
    Label11->setText(QStringLiteral("invertiertes Pendel"));
    Label10->setText(Label11->text());
    pendel.setPendelTyp(true);
    // The gravity sign follows the plant type only through Init.
    pendel.Init();
    Label4->setText(QStringLiteral("Eingang A: Winkel"));
    Label5->setText(QStringLiteral("Eingang B: Winkelgeschwindigkeit"));
    Label6->setText(QStringLiteral("Ausgang: Kraft auf den Wagen"));
}

void TSimulationspanel::LaufkatzeBildInit()
{
    Koordinatensystem1->Refresh();
    Koordinatensystem2->Refresh();
    Label11->setText(QStringLiteral("Laufkatze"));
    Label10->setText(Label11->text());
    pendel.setPendelTyp(false);
    pendel.Init();
    Label4->setText(QStringLiteral("Eingang A: Position"));
    Label5->setText(QStringLiteral("Eingang B: Winkel"));
    Label6->setText(QStringLiteral("Ausgang: Kraft auf den Wagen"));
}

void TSimulationspanel::hintergrund()
{
    // The stop flag stays as it is: only Start clears it, or a run stopped
    // by this command would go on.
    Koordinatensystem1->Refresh();
}

void TSimulationspanel::seiteWaehlen(int seite)
{
    setCurrentIndex(seite);
}

void TSimulationspanel::zeigen()
{
    if (QWidget* p = parentWidget()) {
        p->show();
        // Whatever shared the central area may have given way: lay it out now,
        // so the panel is centred in the room it really has.
        if (QWidget* g = p->parentWidget(); g && g->layout())
            g->layout()->activate();
    }
    Platzieren();
    show();
    raise();
    if (verlauf)
        verlauf->show();
}

void TSimulationspanel::Handregelung1Click()
{
    Anhalten();
    PendelBildInit();
    seiteWaehlen(0);
    Shape2->hide();
    hintergrund();
    zeigen();
}

void TSimulationspanel::FuzzyRegelung1Click()
{
    Anhalten();
    PendelBildInit();
    seiteWaehlen(1);
    Shape1->hide();
    zeigen();
}

void TSimulationspanel::Handregelung2Click()
{
    Anhalten();
    LaufkatzeBildInit();
    seiteWaehlen(0);
    Shape2->hide();
    hintergrund();
    zeigen();
}

void TSimulationspanel::FuzzyRegelung2Click()
{
    Anhalten();
    LaufkatzeBildInit();
    seiteWaehlen(1);
    zeigen();
}

void TSimulationspanel::TabbedNotebook1Change()
{
    Anhalten();
    pendel.Init();
    SingEdit1->clear();
    SingEdit2->clear();
}

void TSimulationspanel::StopClick()
{
    abbruch = true;
}

void TSimulationspanel::Stop2Click()
{
    abbruch = true;
}

void TSimulationspanel::BitBtn1Click()
{
    abbruch = true;
    hide();
    if (verlauf)
        verlauf->hide();
    if (QWidget* p = parentWidget())
        p->hide();
}

void TSimulationspanel::ZeitlupeClick()
{
    zeitfaktor = Zeitlupe->isChecked() ? 5 : 1;
}

void TSimulationspanel::wind1Click()
{
    pendel.setWind(wind1->isChecked() ? Windkraft : 0.0f);
}

void TSimulationspanel::ProgressBar1MouseMove(int spalte)
{
    ProgressBar1->setPosition(spalte);
    pendel.setKraft(KraftAusBalken(spalte, pendel.PendelTyp()));
    SingEdit3->setNumber(pendel.Kraft());
}

float TSimulationspanel::schrittweite(std::uint32_t t0) const
{
    return festerSchritt ? *festerSchritt : Schrittweite(TickCount() - t0, zeitfaktor);
}

void TSimulationspanel::verlaufBeginnen()
{
    if (verlauf) {
        verlauf->Plot->Beginnen(!pendel.PendelTyp());
        verlauf->Plot->Hinzufuegen(VerlaufPunkt(pendel, AmpelGruen(pendel)));
    }
}

void TSimulationspanel::verlaufHinzufuegen(bool gruen)
{
    if (verlauf)
        verlauf->Plot->Hinzufuegen(VerlaufPunkt(pendel, gruen));
}

void TSimulationspanel::lampeSetzen(TAmpel& lampe, bool gruen)
{
    lampe.setFarbe(gruen ? Gruen : Rot);
}

void TSimulationspanel::MarkenUndSchiene(TKoordinatensystem& k, float ersteMarke)
{
    TCanvas& c = k.Canvas();
    const TStift stift = c.Stift;
    const TPinsel pinsel = c.Pinsel;
    // Only this drawing's pen copies; the plot's own pen mode stays XOR, or
    // the plant could not be erased.
    c.Stift = TStift{Rot, 1, Qt::SolidLine, TStiftart::Kopieren};
    c.Pinsel = TPinsel{Rot, false};
    for (float x : {ersteMarke, 2.0f}) {
        if (const auto p = k.Pixel(x, 0))
            c.Rectangle(p->x() - 5, p->y() + 1, p->x() + 5, p->y() + 10);
    }
    c.Stift = stift;
    c.Pinsel = pinsel;
    k.moveto(-8, einstellungen.Pendellaenge);
    k.lineto(8, einstellungen.Pendellaenge);
}

void TSimulationspanel::StartClick()
{
    if (laeuft)
        return;
    Koordinatensystem1->Refresh();
    abbruch = false;
    TStartwerte start;
    start.laenge = einstellungen.Pendellaenge;
    start.startwinkel = einstellungen.Startwinkel;
    start.katzenstartposition = einstellungen.Katzenstartposition;
    PendelStarten(pendel, start);
    if (!pendel.PendelTyp()) {
        Shape2->show();
        lampeSetzen(*Shape2, false);
        // The first marker shows where a hand run is meant to start from.
        MarkenUndSchiene(*Koordinatensystem1, -3.0f);
    }
    laeuft = true;
    aktuellerLauf = laufNummer;
    Pause(1);
    QCoreApplication::processEvents();
    if (!unterbrochen()) {
        ZeigePendel(pendel, *Koordinatensystem1);
        ProgressBar1MouseMove(50);
        verlaufBeginnen();
        Simulation_Hand();
    }
    laeuft = false;
    emit LaufBeendet();
}

void TSimulationspanel::Simulation_Hand()
{
    durchlaeufe = 0;
    do {
        const std::uint32_t t0 = TickCount();
        ZeigePendel(pendel, *Koordinatensystem1);
        pendel.Schritt();
        SingEdit1->setNumber(pendel.Zeit());
        ZeigePendel(pendel, *Koordinatensystem1);
        Pause(50);
        QCoreApplication::processEvents();
        if (unterbrochen())
            return;
        const bool gruen = AmpelGruen(pendel);
        lampeSetzen(*Shape2, gruen);
        verlaufHinzufuegen(gruen);
        pendel.setDeltaT(schrittweite(t0));
        ++durchlaeufe;
        if (nachDurchlauf)
            nachDurchlauf();
    } while (!abbruch && !unterbrochen());
}

void TSimulationspanel::Start2Click()
{
    if (laeuft)
        return;
    if (!projekt.EingangA.definiert() || !projekt.EingangB.definiert() || !projekt.Ausgang.definiert()) {
        Meldung(MeldungsArt::Warnung, SimulationsTexte::nichtDefiniert);
        return;
    }
    abbruch = false;
    Koordinatensystem2->Refresh();
    TStartwerte start;
    start.laenge = einstellungen.Pendellaenge;
    start.startwinkel = einstellungen.Startwinkel;
    start.katzenstartposition = einstellungen.Katzenstartposition;
    start.wind = wind1->isChecked() ? Windkraft : 0.0f;
    PendelStarten(pendel, start);
    if (!pendel.PendelTyp()) {
        Shape1->show();
        lampeSetzen(*Shape1, false);
        MarkenUndSchiene(*Koordinatensystem2, pendel.x());
    }
    ZeigePendel(pendel, *Koordinatensystem2);
    verlaufBeginnen();
    laeuft = true;
    aktuellerLauf = laufNummer;
    Simulation_Fuzzy();
    laeuft = false;
    emit LaufBeendet();
}

void TSimulationspanel::Simulation_Fuzzy()
{
    abbruch = false;
    durchlaeufe = 0;
    pendel.setDeltaT(0.05f);
    do {
        const std::uint32_t t0 = TickCount();
        ZeigePendel(pendel, *Koordinatensystem2);
        pendel.Schritt();
        ZeigePendel(pendel, *Koordinatensystem2);
        QCoreApplication::processEvents();
        Pause(50);
        if (unterbrochen())
            return;
        const bool gruen =
            FuzzyRegelung(pendel, projekt.EingangA, projekt.EingangB, projekt.Regeltab, projekt.AusgangKopie);
        if (!pendel.PendelTyp())
            lampeSetzen(*Shape1, gruen);
        SingEdit2->setNumber(pendel.Zeit());
        verlaufHinzufuegen(gruen);
        pendel.setDeltaT(schrittweite(t0));
        ++durchlaeufe;
        if (nachDurchlauf)
            nachDurchlauf();
    } while (!abbruch && !unterbrochen());
}
