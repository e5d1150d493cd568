// The simulation panel: commands, hand and fuzzy runs through the fake clock,
// the lamps, the force bar and the faults a loop on the GUI thread invites.
#include "app/mainform.h"
#include "app/kraftbalken.h"
#include "app/simulationsbild.h"
#include "app/simulationspanel.h"
#include "app/verlauf.h"
#include "app/verlaufplot.h"
#include "core/projekt.h"
#include "forms/optionenform.h"
#include "platform/modal.h"
#include "plant/simulation.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "platform/uhr.h"
#include "widgets/aktivitaetsgitter.h"
#include "widgets/farbkreis.h"
#include "widgets/intedit.h"
#include "widgets/koordinatensystem.h"
#include "widgets/lineal1.h"
#include "widgets/pendelzeichnen.h"
#include "widgets/singedit.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "tests/platform/meldung_ausgabe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

const QString Beispiele = QStringLiteral(TARVIK_TESTDATA "/../../examples/");

// Runs `f` from inside the next Pause of a run, as a click would.
template <class F>
void waehrendDerPause(QObject* ziel, F f)
{
    QMetaObject::invokeMethod(ziel, f, Qt::QueuedConnection);
}

struct Panel : testing::Test {
    TProjekt projekt;
    TPendel pendel;
    bool abbruch = false;
    std::int32_t zeitfaktor = 1;
    TEinstellungen einstellungen;
    QWidget fenster;
    TSimulationspanel panel{projekt, pendel, abbruch, zeitfaktor, einstellungen, &fenster};
    // Each reading moves the clock 25 ms on: a pass then measures 100 ms.
    ScopedUhr uhr{1000, 25};

    Panel() { fenster.resize(900, 700); }

    // Stops the run after `n` passes.
    void nachDurchlaeufen(int n)
    {
        panel.setNachDurchlauf([this, n] {
            if (panel.Durchlaeufe() >= n)
                abbruch = true;
        });
    }

    void projektLaden(const QString& name)
    {
        projekt.Dateiname = Beispiele + name;
        ASSERT_FALSE(LoadFile(projekt).meldung);
    }

};

// A plot set up like the panel's, with the background and what `zeichnen` adds.
QImage erwartetesBild(const std::function<void(TKoordinatensystem&)>& zeichnen, float y1 = -0.1f)
{
    TKoordinatensystem k;
    k.resize(421, 133);
    k.setSkalenart(TSkala::keine);
    k.setXBereich(-6, 6);
    k.setYBereich(y1, 2.5f);
    k.setStiftart(TStiftart::Xor);
    k.setGraphFarbe(Qt::white);
    k.setOnPaint([](TKoordinatensystem& p) { p.Canvas().StretchDraw(QRect(0, 0, 421, 133), BackGround()); });
    k.Refresh();
    zeichnen(k);
    return k.Bild().copy();
}

void erwarteZustand(const TPendel& ist, const TPendel& soll)
{
    EXPECT_FLOAT_EQ(ist.x(), soll.x());
    EXPECT_FLOAT_EQ(ist.xdot(), soll.xdot());
    EXPECT_FLOAT_EQ(ist.winkel(), soll.winkel());
    EXPECT_FLOAT_EQ(ist.winkeldot(), soll.winkeldot());
    EXPECT_FLOAT_EQ(ist.Zeit(), soll.Zeit());
    EXPECT_FLOAT_EQ(ist.DeltaT(), soll.DeltaT());
}

TEST_F(Panel, CommandsChoosePlantAndPageAndCentreThePanel)
{
    struct Fall {
        void (TSimulationspanel::*befehl)();
        bool pendelTyp;
        int seite;
        QString titel, eingangA, eingangB;
    };
    const Fall faelle[] = {
        {&TSimulationspanel::Handregelung1Click, true, 0, QStringLiteral("invertiertes Pendel"),
         QStringLiteral("Eingang A: Winkel"), QStringLiteral("Eingang B: Winkelgeschwindigkeit")},
        {&TSimulationspanel::FuzzyRegelung1Click, true, 1, QStringLiteral("invertiertes Pendel"),
         QStringLiteral("Eingang A: Winkel"), QStringLiteral("Eingang B: Winkelgeschwindigkeit")},
        {&TSimulationspanel::Handregelung2Click, false, 0, QStringLiteral("Laufkatze"),
         QStringLiteral("Eingang A: Position"), QStringLiteral("Eingang B: Winkel")},
        {&TSimulationspanel::FuzzyRegelung2Click, false, 1, QStringLiteral("Laufkatze"),
         QStringLiteral("Eingang A: Position"), QStringLiteral("Eingang B: Winkel")},
    };
    EXPECT_TRUE(panel.isHidden());
    EXPECT_EQ(panel.tabText(0), QStringLiteral("Handregelung"));
    EXPECT_EQ(panel.tabText(1), QStringLiteral("Fuzzy-Regelung"));
    for (const Fall& f : faelle) {
        (panel.*f.befehl)();
        EXPECT_FALSE(panel.isHidden());
        EXPECT_EQ(pendel.PendelTyp(), f.pendelTyp);
        EXPECT_EQ(pendel.g_() > 0, f.pendelTyp);
        EXPECT_EQ(panel.currentIndex(), f.seite);
        EXPECT_EQ(panel.Label10()->text(), f.titel);
        EXPECT_EQ(panel.Label11()->text(), f.titel);
        EXPECT_EQ(panel.Label4()->text(), f.eingangA);
        EXPECT_EQ(panel.Label5()->text(), f.eingangB);
        EXPECT_EQ(panel.Label6()->text(), QStringLiteral("Ausgang: Kraft auf den Wagen"));
        // 700 pixels leave no room for the time plot under the centred
        // panel: the pair moves up as one.
        const int paar = TSimulationspanel::Hoehe + 8 + panel.Verlauf()->height();
        EXPECT_EQ(panel.pos(), QPoint((900 - TSimulationspanel::Breite) / 2, (700 - paar) / 2));
    }
    fenster.resize(1200, 1000);
    EXPECT_EQ(panel.pos(), QPoint((1200 - TSimulationspanel::Breite) / 2, (1000 - TSimulationspanel::Hoehe) / 2 - 15));
    panel.BitBtn2()->click();
    EXPECT_TRUE(panel.isHidden());
    EXPECT_TRUE(abbruch);
}

TEST_F(Panel, ControlsCarryTheirTextsAndHints)
{
    EXPECT_EQ(panel.Start()->toolTip(), QStringLiteral("Simulation starten"));
    EXPECT_EQ(panel.Stop2()->statusTip(), QStringLiteral("Simulation beenden"));
    EXPECT_EQ(panel.Zeitlupe()->toolTip(), QStringLiteral("fünffache Zeitlupe"));
    EXPECT_EQ(panel.Wind1()->toolTip(), QStringLiteral("Seitenwind von rechts ein- bzw. ausschalten"));
    EXPECT_EQ(panel.Shape1()->toolTip(), QStringLiteral("Ampel auf GRÜN, wenn Geschwindigkeit kleiner als 10cm/s und  "
                                                      "Abweichung vom Ziel kleiner als 10 cm"));
    EXPECT_EQ(panel.Shape2()->toolTip(), panel.Shape1()->toolTip());
    EXPECT_EQ(panel.BitBtn1()->text(), QStringLiteral("&Schließen"));
    EXPECT_EQ(panel.Label2()->text(), QStringLiteral("Zeit in s"));
    EXPECT_EQ(panel.Label3()->text(), QStringLiteral("Zeit in s:"));
    EXPECT_EQ(panel.Label7()->text(), QStringLiteral("Kraft in N"));
    EXPECT_EQ(panel.ProgressBar1()->width(), 105);
    EXPECT_EQ(panel.Koordinatensystem1()->size(), QSize(421, 133));
    EXPECT_EQ(panel.Koordinatensystem2()->size(), QSize(421, 133));
    EXPECT_EQ(panel.Lineal1()->xlinks(), -6);
    EXPECT_EQ(panel.Lineal1()->xrechts(), 6);
    EXPECT_TRUE(panel.Shape1()->isHidden());
    EXPECT_TRUE(panel.Shape2()->isHidden());
    ScopedHilfe hilfe;
    panel.BitBtn4()->click();
    panel.BitBtn3()->click();
    EXPECT_EQ(hilfe.seiten(), (QList<HilfeSeite>{HilfeSeite::Simulation, HilfeSeite::Simulation}));
}

TEST_F(Panel, OneHandPassOfThePendulumStepsThePlantAndLeavesOnlyItsNewPicture)
{
    panel.Handregelung1Click();
    nachDurchlaeufen(1);
    panel.StartClick();
    EXPECT_EQ(panel.Durchlaeufe(), 1);
    EXPECT_FALSE(panel.Laeuft());

    TPendel soll;
    soll.setPendelTyp(true);
    PendelStarten(soll, einstellungen);
    soll.Schritt();
    soll.setDeltaT(0.1f); // the pass took 100 ms on the fake clock
    erwarteZustand(pendel, soll);
    EXPECT_EQ(pendel.x(), 1.5f);
    EXPECT_GT(pendel.winkeldot(), 0); // it starts to fall to the right
    EXPECT_EQ(panel.SingEdit1()->text(), SingEditText(0.05f));
    EXPECT_EQ(panel.SingEdit3()->text(), SingEditText(0));
    EXPECT_EQ(panel.ProgressBar1()->value(), 50);
    EXPECT_TRUE(panel.Shape2()->isHidden());
    EXPECT_EQ(panel.Koordinatensystem1()->Bild(), erwartetesBild([&](TKoordinatensystem& k) { ZeigePendel(soll, k); }));
}

TEST_F(Panel, TheMeasuredPassBecomesTheStepSlowedByZeitlupeAndCapped)
{
    panel.Handregelung1Click();
    panel.Zeitlupe()->click();
    EXPECT_EQ(zeitfaktor, 5);
    nachDurchlaeufen(1);
    panel.StartClick();
    EXPECT_FLOAT_EQ(pendel.DeltaT(), 0.02f);
    panel.Zeitlupe()->click();
    EXPECT_EQ(zeitfaktor, 1);

    // A message box held open for five seconds during a pass.
    panel.setNachDurchlauf([this] {
        if (panel.Durchlaeufe() == 1)
            waehrendDerPause(&panel, [this] { uhr.weiter(5000); });
        else
            abbruch = true;
    });
    panel.StartClick();
    EXPECT_FLOAT_EQ(pendel.DeltaT(), 0.2f);
    EXPECT_TRUE(std::isfinite(pendel.winkel()));
}

TEST_F(Panel, HandRunOfTheCraneDrawsMarkersRailAndTheLamp)
{
    einstellungen.Katzenstartposition = -5;
    panel.Handregelung2Click();
    nachDurchlaeufen(1);
    panel.StartClick();
    EXPECT_FALSE(panel.Shape2()->isHidden());
    EXPECT_EQ(panel.Shape2()->Farbe(), QColor(255, 0, 0));
    EXPECT_FLOAT_EQ(pendel.x(), -5);

    const TKoordinatensystem& k = *panel.Koordinatensystem1();
    const QImage& bild = k.Bild();
    const QImage leer = erwartetesBild([](TKoordinatensystem&) {});
    auto pixel = [&](float x, float y, int dy) {
        const QPoint p = *k.Pixel(x, y);
        return bild.pixelColor(p.x(), p.y() + dy);
    };
    // Markers at -3 (whatever the start position) and at the target, 2 m.
    EXPECT_EQ(pixel(-3, 0, 5), QColor(255, 0, 0));
    EXPECT_EQ(pixel(2, 0, 5), QColor(255, 0, 0));
    EXPECT_NE(pixel(-5, 0, 5), QColor(255, 0, 0));
    // The rail at the rope's height, XORed in white over the background.
    const QPoint schiene = *k.Pixel(4, 2.5f);
    EXPECT_EQ(bild.pixel(schiene), leer.pixel(schiene) ^ 0x00FFFFFFu);
    EXPECT_EQ(k.Stiftart(), TStiftart::Xor);
}

TEST_F(Panel, LampTurnsGreenOnlyWithTheLoadAtRestWithinTenCentimetresOfTheTarget)
{
    struct Fall {
        float start;
        bool gruen;
    };
    for (const Fall f : {Fall{2.0f, true}, Fall{2.09f, true}, Fall{2.1f, false}, Fall{1.9f, false}, Fall{-3, false}}) {
        einstellungen.Katzenstartposition = f.start;
        panel.Handregelung2Click();
        EXPECT_TRUE(panel.Shape2()->isHidden());
        nachDurchlaeufen(1);
        panel.StartClick();
        EXPECT_EQ(panel.Shape2()->Farbe(), f.gruen ? QColor(0, 255, 0) : QColor(255, 0, 0)) << f.start;
    }
}

TEST_F(Panel, ForceBarMapsTheMouseColumnToTheForceOfEachPlant)
{
    struct Fall {
        bool pendelTyp;
        int spalte;
        int position;
        float kraft;
    };
    const Fall faelle[] = {
        {true, 0, 0, -25}, {true, 50, 50, 0}, {true, 100, 100, 25}, {true, 104, 100, 27},
        {false, 0, 0, -1}, {false, 50, 50, 0}, {false, 100, 100, 1}, {false, 104, 100, 1.08f},
    };
    panel.Handregelung1Click();
    panel.ProgressBar1()->setPosition(30);
    for (const Fall& f : faelle) {
        pendel.setPendelTyp(f.pendelTyp);
        QMouseEvent bewegung(QEvent::MouseMove, QPointF(f.spalte, 5), panel.ProgressBar1()->mapToGlobal(QPointF(f.spalte, 5)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(panel.ProgressBar1(), &bewegung);
        EXPECT_EQ(panel.ProgressBar1()->value(), f.position) << f.spalte;
        EXPECT_FLOAT_EQ(pendel.Kraft(), f.kraft) << f.spalte;
        EXPECT_EQ(panel.SingEdit3()->text(), SingEditText(f.kraft));
    }
    panel.ProgressBar1()->setPosition(-10);
    EXPECT_EQ(panel.ProgressBar1()->value(), 0);
}

TEST_F(Panel, OneFuzzyPassOfThePendulumRunsTheRulesOnTheProjectsVariables)
{
    projektLaden(QStringLiteral("pendel.fuz"));
    TProjekt kopie = projekt;
    panel.FuzzyRegelung1Click();
    nachDurchlaeufen(1);
    panel.Start2Click();
    ASSERT_EQ(panel.Durchlaeufe(), 1);

    TPendel soll;
    soll.setPendelTyp(true);
    PendelStarten(soll, einstellungen);
    FuzzyDurchlauf(soll, kopie.EingangA, kopie.EingangB, kopie.Regeltab, kopie.AusgangKopie, 0.1f);
    erwarteZustand(pendel, soll);
    EXPECT_FLOAT_EQ(pendel.Kraft(), soll.Kraft());
    EXPECT_NE(pendel.Kraft(), 0);
    EXPECT_FLOAT_EQ(projekt.EingangA.x(), pendel.winkel());
    EXPECT_EQ(panel.SingEdit2()->text(), SingEditText(0.05f));
    EXPECT_TRUE(panel.Shape1()->isHidden());
    EXPECT_EQ(panel.Koordinatensystem2()->Bild(),
              erwartetesBild([&](TKoordinatensystem& k) { ZeigePendel(soll, k); }, 1e-7f));
}

TEST_F(Panel, FuzzyRunHoldsThePendulumAndWindActsAtOnce)
{
    projektLaden(QStringLiteral("pendel.fuz"));
    panel.FuzzyRegelung1Click();
    panel.setNachDurchlauf([this] {
        if (panel.Durchlaeufe() == 10) {
            panel.Wind1()->click();
            EXPECT_FLOAT_EQ(pendel.Wind(), 3.0f);
        }
        if (panel.Durchlaeufe() >= 200)
            panel.Stop2()->click();
    });
    panel.Start2Click();
    EXPECT_EQ(panel.Durchlaeufe(), 200);
    EXPECT_LT(std::fabs(pendel.winkel()), 10.0f);
    EXPECT_TRUE(panel.Wind1()->isChecked());
    // A new start takes the wind from the button.
    nachDurchlaeufen(1);
    panel.Start2Click();
    EXPECT_FLOAT_EQ(pendel.Wind(), 3.0f);
}

TEST_F(Panel, FuzzyCraneRunStartsAtItsPositionAndDrawsTheFirstMarkerThere)
{
    projektLaden(QStringLiteral("kran.fuz"));
    einstellungen.Katzenstartposition = -5;
    panel.FuzzyRegelung2Click();
    nachDurchlaeufen(1);
    panel.Start2Click();
    EXPECT_FALSE(panel.Shape1()->isHidden());
    const TKoordinatensystem& k = *panel.Koordinatensystem2();
    const QPoint marke = *k.Pixel(-5, 0);
    EXPECT_EQ(k.Bild().pixelColor(marke.x(), marke.y() + 5), QColor(255, 0, 0));
    EXPECT_FLOAT_EQ(projekt.EingangA.x(), pendel.x());
    EXPECT_FLOAT_EQ(projekt.EingangB.x(), pendel.winkel());
}

TEST_F(Panel, FuzzyStartWithAnUndefinedVariableIsRefusedWithTheWarning)
{
    projektLaden(QStringLiteral("kran.fuz"));
    projekt.EingangB.setDefiniert(false);
    panel.FuzzyRegelung2Click();
    const QImage vorher = panel.Koordinatensystem2()->Bild().copy();
    ScopedMeldungen meldungen;
    panel.Start2Click();
    ASSERT_EQ(meldungen.meldungen().size(), 1);
    EXPECT_EQ(meldungen.meldungen()[0].art, MeldungsArt::Warnung);
    EXPECT_EQ(meldungen.texte(), QStringList{SimulationsTexte::nichtDefiniert});
    EXPECT_EQ(panel.Durchlaeufe(), 0);
    EXPECT_TRUE(panel.Shape1()->isHidden());
    EXPECT_EQ(panel.Koordinatensystem2()->Bild(), vorher);
}

TEST_F(Panel, ALampLeftShownByACraneRunIsSetByTheHandLoopOnlyForThePendulum)
{
    // The lamps stay visible when the user reaches the pendulum through the
    // tabs; the hand loop still sets its lamp, the fuzzy loop leaves its own.
    projektLaden(QStringLiteral("pendel.fuz"));
    struct Fall {
        void (TSimulationspanel::*kranBefehl)();
        void (TSimulationspanel::*start)();
        void (TSimulationspanel::*pendelBefehl)();
        int andereSeite;
        TFarbkreis* (TSimulationspanel::*lampe)() const;
        bool gesetzt;
    };
    const Fall faelle[] = {
        {&TSimulationspanel::Handregelung2Click, &TSimulationspanel::StartClick, &TSimulationspanel::FuzzyRegelung1Click,
         0, &TSimulationspanel::Shape2, true},
        {&TSimulationspanel::FuzzyRegelung2Click, &TSimulationspanel::Start2Click,
         &TSimulationspanel::Handregelung1Click, 1, &TSimulationspanel::Shape1, false},
    };
    for (const Fall& f : faelle) {
        (panel.*f.kranBefehl)();
        nachDurchlaeufen(1);
        (panel.*f.start)();
        TFarbkreis& lampe = *(panel.*f.lampe)();
        ASSERT_FALSE(lampe.isHidden());
        (panel.*f.pendelBefehl)();
        panel.setCurrentIndex(f.andereSeite);
        EXPECT_FALSE(lampe.isHidden());
        lampe.setFarbe(QColor(0, 0, 255));
        (panel.*f.start)();
        EXPECT_TRUE(pendel.PendelTyp());
        EXPECT_EQ(lampe.Farbe(), f.gesetzt ? QColor(255, 0, 0) : QColor(0, 0, 255)) << f.andereSeite;
    }
}

TEST_F(Panel, DuringTheWaitTheHandPageShowsTheNewTimeTheFuzzyPageThePreviousOne)
{
    projektLaden(QStringLiteral("pendel.fuz"));
    struct Fall {
        void (TSimulationspanel::*befehl)();
        void (TSimulationspanel::*start)();
        TSingEdit* (TSimulationspanel::*zeitfeld)() const;
        float gezeigt; // during the second pass's wait
    };
    // The first step is 0.05 s, the second 0.1 s (a pass on the fake clock).
    for (const Fall& f : {Fall{&TSimulationspanel::Handregelung1Click, &TSimulationspanel::StartClick,
                               &TSimulationspanel::SingEdit1, 0.15f},
                          Fall{&TSimulationspanel::FuzzyRegelung1Click, &TSimulationspanel::Start2Click,
                               &TSimulationspanel::SingEdit2, 0.05f}}) {
        (panel.*f.befehl)();
        QString waehrendDesWartens;
        panel.setNachDurchlauf([&] {
            if (panel.Durchlaeufe() == 1)
                waehrendDerPause(&panel, [&] { waehrendDesWartens = (panel.*f.zeitfeld)()->text(); });
            else
                abbruch = true;
        });
        (panel.*f.start)();
        EXPECT_EQ(waehrendDesWartens, SingEditText(f.gezeigt));
        EXPECT_EQ((panel.*f.zeitfeld)()->text(), SingEditText(0.15f));
    }
}

TEST_F(Panel, StartDuringARunDoesNotStartASecondRun)
{
    int beendet = 0;
    QObject::connect(&panel, &TSimulationspanel::LaufBeendet, [&] { ++beendet; });
    panel.Handregelung1Click();
    panel.setNachDurchlauf([this] {
        if (panel.Durchlaeufe() == 1) {
            panel.Start()->click();
            EXPECT_EQ(panel.Durchlaeufe(), 1);
        }
        if (panel.Durchlaeufe() >= 3)
            abbruch = true;
    });
    panel.StartClick();
    EXPECT_EQ(panel.Durchlaeufe(), 3);
    EXPECT_EQ(beendet, 1);
}

TEST_F(Panel, ACommandDuringARunStopsItAndLeavesNoGhosts)
{
    projektLaden(QStringLiteral("kran.fuz"));
    panel.FuzzyRegelung2Click();
    panel.setNachDurchlauf([this] {
        if (panel.Durchlaeufe() == 2)
            waehrendDerPause(&panel, [this] { panel.Handregelung1Click(); });
        EXPECT_LE(panel.Durchlaeufe(), 2);
    });
    panel.Start2Click();
    EXPECT_EQ(panel.Durchlaeufe(), 2);
    EXPECT_TRUE(abbruch);
    EXPECT_FALSE(panel.Laeuft());
    // The new plant is an inverted pendulum through and through.
    EXPECT_TRUE(pendel.PendelTyp());
    EXPECT_GT(pendel.g_(), 0);
    EXPECT_EQ(pendel.Zeit(), 0);
    const QImage leer = erwartetesBild([](TKoordinatensystem&) {});
    EXPECT_EQ(panel.Koordinatensystem1()->Bild(), leer);
    EXPECT_EQ(panel.Koordinatensystem2()->Bild(), erwartetesBild([](TKoordinatensystem&) {}, 1e-7f));

    // The same for a hand command on the hand page that is already shown.
    panel.setNachDurchlauf([this] {
        if (panel.Durchlaeufe() == 1)
            waehrendDerPause(&panel, [this] { panel.Handregelung2Click(); });
    });
    panel.StartClick();
    EXPECT_EQ(panel.Durchlaeufe(), 1);
    EXPECT_FALSE(pendel.PendelTyp());
    EXPECT_LT(pendel.g_(), 0);
    EXPECT_EQ(panel.Koordinatensystem1()->Bild(), leer);
}

TEST_F(Panel, APageChangeStopsTheRunAndSkipsTheRestOfItsPass)
{
    projektLaden(QStringLiteral("pendel.fuz"));
    panel.FuzzyRegelung1Click();
    panel.setNachDurchlauf([this] {
        if (panel.Durchlaeufe() == 1)
            waehrendDerPause(&panel, [this] { panel.setCurrentIndex(0); });
    });
    panel.Start2Click();
    EXPECT_EQ(panel.Durchlaeufe(), 1);
    EXPECT_TRUE(abbruch);
    EXPECT_EQ(panel.SingEdit1()->text(), QString());
    EXPECT_EQ(panel.SingEdit2()->text(), QString());
    EXPECT_EQ(pendel.Zeit(), 0);
    EXPECT_EQ(pendel.Kraft(), 0);
    // A command for the page already shown changes nothing of the page.
    panel.SingEdit1()->setText(QStringLiteral("x"));
    panel.Handregelung1Click();
    EXPECT_EQ(panel.SingEdit1()->text(), QStringLiteral("x"));
}

TEST_F(Panel, StartReadsTheSettingsAnew)
{
    panel.Handregelung1Click();
    einstellungen.Pendellaenge = 1.5f;
    einstellungen.Startwinkel = -4;
    nachDurchlaeufen(1);
    panel.StartClick();
    EXPECT_FLOAT_EQ(pendel.laenge(), 1.5f);
    EXPECT_LT(pendel.winkeldot(), 0);
    EXPECT_NEAR(pendel.winkel(), -4, 1e-4);
}

TEST(Hauptfenster, SimulationCommandsOpenThePanelInTheCentralArea)
{
    TMainForm f;
    f.resize(1000, 1000);
    f.show();
    TSimulationspanel* p = f.Simulationspanel();
    ASSERT_EQ(p->parentWidget(), f.Simulationsbereich());
    struct Fall {
        QAction* a;
        bool pendelTyp;
        int seite;
    };
    for (const Fall& fall : {Fall{f.Menue().PendelHand, true, 0}, Fall{f.Menue().KatzeFuzzy, false, 1},
                             Fall{f.Knoepfe().Pendel, true, 0}, Fall{f.Menue().PendelFuzzy, true, 1},
                             Fall{f.Knoepfe().Laufkatze, false, 0}, Fall{f.Menue().KatzeHand, false, 0}}) {
        fall.a->trigger();
        EXPECT_TRUE(p->isVisible());
        EXPECT_EQ(f.Pendel().PendelTyp(), fall.pendelTyp);
        EXPECT_EQ(p->currentIndex(), fall.seite);
    }
    const QWidget* b = f.Simulationsbereich();
    EXPECT_EQ(p->pos(), QPoint((b->width() - p->width()) / 2, (b->height() - p->height()) / 2 - 15));
}

TEST(Hauptfenster, ClosingDuringARunStopsTheRunAndClosesAfterItsLoop)
{
    ScopedUhr uhr(0, 25);
    TMainForm f;
    f.show();
    TSimulationspanel* p = f.Simulationspanel();
    f.Menue().PendelHand->trigger();
    bool nachDemSchliessen = false;
    p->setNachDurchlauf([&] {
        if (p->Durchlaeufe() == 2) {
            EXPECT_FALSE(f.close());
            // The window waits for the loop.
            EXPECT_TRUE(f.isVisible());
            nachDemSchliessen = true;
        }
        EXPECT_LE(p->Durchlaeufe(), 2);
    });
    p->StartClick();
    EXPECT_TRUE(nachDemSchliessen);
    EXPECT_FALSE(p->Laeuft());
    QCoreApplication::processEvents();
    EXPECT_FALSE(f.isVisible());
}

} // namespace

namespace {

TEST(Hauptfenster, OptionsTakenWithOkAreReadAtTheNextStart)
{
    ScopedUhr uhr(0, 25);
    TMainForm f;
    {
        ScopedModal modal([](QDialog& d) {
            auto& o = static_cast<TOptionenform&>(d);
            o.Pendellaenge()->setText(QStringLiteral("1,5"));
            o.Startposition()->setText(QStringLiteral("-4"));
            o.OK()->click();
            return d.result();
        });
        f.Menue().Parameter->trigger();
        EXPECT_EQ(modal.dialoge(), QStringList{QStringLiteral("TOptionenform")});
    }
    EXPECT_FLOAT_EQ(f.Einstellungen().Pendellaenge, 1.5f);
    EXPECT_FLOAT_EQ(f.Einstellungen().Katzenstartposition, -4.0f);
    {
        ScopedModal abbrechen;
        f.Menue().Parameter->trigger();
    }
    EXPECT_FLOAT_EQ(f.Einstellungen().Pendellaenge, 1.5f);
    TSimulationspanel* p = f.Simulationspanel();
    f.Menue().KatzeHand->trigger();
    p->setNachDurchlauf([&] { f.setAbbruch(true); });
    p->StartClick();
    EXPECT_FLOAT_EQ(f.Pendel().laenge(), 1.5f);
    EXPECT_FLOAT_EQ(f.Pendel().x(), -4.0f);
}

TEST(Hauptfenster, OptionsCorrectedOnOkReachTheVariablePlotsAndCancelStoresNothing)
{
    TMainForm f;
    const auto optionen = [&](const std::function<void(TOptionenform&)>& eingeben, bool ok) {
        ScopedModal modal([&](QDialog& d) {
            auto& o = static_cast<TOptionenform&>(d);
            eingeben(o);
            (ok ? o.OK() : o.Abbrechen())->click();
            return d.result();
        });
        f.Menue().Parameter->trigger();
    };
    {
        ScopedMeldungen meldungen;
        optionen(
            [](TOptionenform& o) {
                o.Rasterlinien()->setText(QStringLiteral("1"));
                o.Pendellaenge()->setText(QStringLiteral("0,05"));
                o.MinDeltaT()->setText(QStringLiteral("5"));
                o.Startposition()->setText(QStringLiteral("-5"));
            },
            true);
        EXPECT_EQ(meldungen.texte().size(), 3);
    }
    EXPECT_FLOAT_EQ(f.Einstellungen().Pendellaenge, 0.1f);
    EXPECT_EQ(f.Einstellungen().MinDeltaT, 10);
    EXPECT_FLOAT_EQ(f.Einstellungen().Katzenstartposition, -5.0f);
    EXPECT_EQ(f.VarEditPlot().Rasteranzahl(), 1);
    EXPECT_EQ(f.VarTestPlot().Rasteranzahl(), 1);

    // Defaults, 30 degrees and 8 grid lines, then Cancel: nothing changes.
    optionen(
        [](TOptionenform& o) {
            o.Standardwerte()->click();
            o.Startwinkel()->setText(QStringLiteral("30"));
            o.Rasterlinien()->setNumber(8);
        },
        false);
    EXPECT_FLOAT_EQ(f.Einstellungen().Pendellaenge, 0.1f);
    EXPECT_FLOAT_EQ(f.Einstellungen().Startwinkel, 10.0f);
    EXPECT_EQ(f.VarEditPlot().Rasteranzahl(), 1);

    // The next OK stores the 8 still in the grid field.
    optionen([](TOptionenform&) {}, true);
    EXPECT_FLOAT_EQ(f.Einstellungen().Startwinkel, 10.0f);
    EXPECT_EQ(f.VarEditPlot().Rasteranzahl(), 7);
    EXPECT_EQ(f.VarTestPlot().Rasteranzahl(), 7);
}

} // namespace

namespace {

// The examples as a student finds them: Start on the fuzzy page works.
TEST(Beispiele, CraneReachesTheGreenLampWithin15SecondsAndPendulumStaysUp)
{
    struct Fall {
        const char* datei;
        bool pendelTyp;
    };
    for (const Fall f : {Fall{"kran.fuz", false}, Fall{"pendel.fuz", true}}) {
        TProjekt p;
        p.Dateiname = Beispiele + QString::fromUtf8(f.datei);
        ASSERT_FALSE(LoadFile(p).meldung);
        TPendel pendel;
        pendel.setPendelTyp(f.pendelTyp);
        PendelStarten(pendel, {});
        float erstesGruen = -1;
        float groessterWinkel = 0;
        bool gruen = false;
        // 30 s at the pace of a run, 55 ms a pass.
        for (int i = 0; i < 546; ++i) {
            gruen = FuzzyDurchlauf(pendel, p.EingangA, p.EingangB, p.Regeltab, p.AusgangKopie, 0.055f);
            if (gruen && erstesGruen < 0)
                erstesGruen = pendel.Zeit();
            groessterWinkel = std::max(groessterWinkel, std::fabs(pendel.winkel()));
        }
        if (f.pendelTyp) {
            EXPECT_LT(groessterWinkel, 10.5f);
            EXPECT_LT(std::fabs(pendel.winkel()), 1.0f);
        } else {
            EXPECT_GT(erstesGruen, 0);
            EXPECT_LT(erstesGruen, 15);
            EXPECT_TRUE(gruen);
            EXPECT_LT(groessterWinkel, 30);
        }
    }
}

} // namespace

namespace {

TEST_F(Panel, APendulumLeftAloneRunsAwayWithoutHarmToThePanelOrThePlot)
{
    panel.Handregelung1Click();
    nachDurchlaeufen(2000); // 200 s at 100 ms a pass: the linear model overflows
    panel.StartClick();
    EXPECT_EQ(panel.Durchlaeufe(), 2000);
    EXPECT_FALSE(std::isfinite(pendel.winkel()));
    EXPECT_TRUE(std::isfinite(pendel.Zeit()));
    EXPECT_EQ(panel.Verlauf()->Plot()->Punkte().size(), 2001u);
    // Parts that are no numbers are left out when drawn and when erased: the
    // picture is the background with the plant's last state, the cart alone.
    EXPECT_EQ(panel.Koordinatensystem1()->Bild(), erwartetesBild([&](TKoordinatensystem& k) { ZeigePendel(pendel, k); }));
    EXPECT_NE(panel.Koordinatensystem1()->Bild(), erwartetesBild([](TKoordinatensystem&) {}));
}

} // namespace

// The grid beside the time plot shows, after every pass, what eval --rules
// gives at the plant's measurements of that pass: for a fuzzy run of each
// plant, and for a hand run what the rules would have done.
TEST_F(Panel, ActivityGridFollowsEveryPassOfEachRun)
{
    struct Fall {
        const char* datei;
        void (TSimulationspanel::*befehl)();
        void (TSimulationspanel::*start)();
    };
    for (const Fall& f : {Fall{"pendel.fuz", &TSimulationspanel::FuzzyRegelung1Click, &TSimulationspanel::Start2Click},
                          Fall{"kran.fuz", &TSimulationspanel::FuzzyRegelung2Click, &TSimulationspanel::Start2Click},
                          Fall{"kran.fuz", &TSimulationspanel::Handregelung2Click, &TSimulationspanel::StartClick}}) {
        SCOPED_TRACE(f.datei);
        projektLaden(QString::fromLatin1(f.datei));
        const TProjekt kopie = projekt;
        (panel.*f.befehl)();
        bool zwischenwert = false;
        panel.setNachDurchlauf([&] {
            TProjekt soll = kopie;
            MesswerteSetzen(pendel, soll.EingangA, soll.EingangB);
            const TRegelAktivitaet erwartet = RegelAktivitaet(soll.EingangA, soll.EingangB, soll.Regeltab, soll.Ausgang);
            const TRegelAktivitaet& gezeigt = panel.Verlauf()->Aktivitaet();
            ASSERT_EQ(gezeigt.zeilen, erwartet.zeilen);
            ASSERT_EQ(gezeigt.spalten, erwartet.spalten);
            for (int i = 1; i <= erwartet.zeilen; ++i)
                for (int j = 1; j <= erwartet.spalten; ++j) {
                    EXPECT_EQ(gezeigt.zelle(i, j).grad, erwartet.zelle(i, j).grad) << i << j;
                    EXPECT_EQ(gezeigt.zelle(i, j).massgebend, erwartet.zelle(i, j).massgebend) << i << j;
                    const float g = gezeigt.zelle(i, j).grad;
                    zwischenwert = zwischenwert || (g > 0 && g < 1);
                }
            // The hand run pushes the crane to the right.
            if (panel.Durchlaeufe() == 1 && f.start == &TSimulationspanel::StartClick)
                for (int k = 0; k < 6; ++k)
                    panel.KraftTaste(1);
            if (panel.Durchlaeufe() >= 40)
                abbruch = true;
        });
        (panel.*f.start)();
        EXPECT_EQ(panel.Durchlaeufe(), 40);
        EXPECT_TRUE(zwischenwert);
        // The grid shows the last pass at its next refresh.
        QTest::qWait(2 * TVerlauf::Auffrischung);
        for (int i = 0; i < 5; ++i)
            for (int j = 0; j < 5; ++j)
                EXPECT_EQ(panel.Verlauf()->Gitter()->Aktivitaet().zellen[i][j].grad,
                          panel.Verlauf()->Aktivitaet().zellen[i][j].grad);
    }

    // Hidden, the grid is left as it was.
    panel.Verlauf()->RegelnAnzeigen()->click();
    EXPECT_TRUE(panel.Verlauf()->Gitter()->isHidden());
    const TRegelAktivitaet vorher = panel.Verlauf()->Aktivitaet();
    nachDurchlaeufen(5);
    panel.StartClick();
    EXPECT_EQ(panel.Verlauf()->Aktivitaet().zellen[0][0].grad, vorher.zellen[0][0].grad);
    EXPECT_EQ(panel.Verlauf()->Aktivitaet().zellen[1][1].grad, vorher.zellen[1][1].grad);
}

// Pause holds the plant and its clock however long it lasts; Einzelschritt
// then makes one pass of 0.05 s; the first pass after the pause is 0.05 s,
// the next ones the clock's again.
TEST_F(Panel, PauseHoldsTheRunAndEinzelschrittAdvancesOnePass)
{
    projektLaden(QStringLiteral("kran.fuz"));
    panel.FuzzyRegelung2Click();
    std::vector<float> zeiten;
    float zeitBeiPause = 0, xBeiPause = 0;
    panel.setNachDurchlauf([&] {
        zeiten.push_back(pendel.Zeit());
        const int n = panel.Durchlaeufe();
        if (n == 3) {
            panel.PauseKnopf()->click();
            zeitBeiPause = pendel.Zeit();
            xBeiPause = pendel.x();
            waehrendDerPause(&panel, [&] {
                uhr.weiter(10000);
                waehrendDerPause(&panel, [&] {
                    EXPECT_EQ(panel.Durchlaeufe(), 3);
                    EXPECT_EQ(pendel.Zeit(), zeitBeiPause);
                    EXPECT_EQ(pendel.x(), xBeiPause);
                    panel.Einzelschritt()->click();
                });
            });
        } else if (n == 4) {
            waehrendDerPause(&panel, [&] {
                waehrendDerPause(&panel, [&] {
                    // Still held after the single pass.
                    EXPECT_EQ(panel.Durchlaeufe(), 4);
                    uhr.weiter(3000);
                    panel.PauseKnopf()->click();
                });
            });
        } else if (n >= 6) {
            abbruch = true;
        }
    });
    panel.Start2Click();
    ASSERT_EQ(zeiten.size(), 6u);
    EXPECT_NEAR(zeiten[2] - zeiten[1], 0.1f, 1e-5);
    EXPECT_NEAR(zeiten[3] - zeiten[2], 0.05f, 1e-5); // Einzelschritt
    EXPECT_NEAR(zeiten[4] - zeiten[3], 0.05f, 1e-5); // the first pass after the pause
    EXPECT_NEAR(zeiten[5] - zeiten[4], 0.1f, 1e-5);

    // Einzelschritt without a pause does nothing; Stop ends a held run.
    panel.setNachDurchlauf([&] {
        panel.Einzelschritt()->click();
        if (panel.Durchlaeufe() == 2) {
            panel.PauseKnopf()->click();
            waehrendDerPause(&panel, [&] { panel.Stop2()->click(); });
        }
    });
    panel.Start2Click();
    EXPECT_FALSE(panel.Laeuft());
    EXPECT_EQ(panel.Durchlaeufe(), 2);
    panel.PauseKnopf()->click();
}

TEST_F(Panel, ZeitlupeOnTheFuzzyPageIsTheHandPagesSetting)
{
    projektLaden(QStringLiteral("pendel.fuz"));
    panel.FuzzyRegelung1Click();
    panel.Zeitlupe2()->click();
    EXPECT_EQ(zeitfaktor, 5);
    EXPECT_TRUE(panel.Zeitlupe()->isChecked());
    nachDurchlaeufen(1);
    panel.Start2Click();
    EXPECT_FLOAT_EQ(pendel.DeltaT(), 0.02f);
    panel.Zeitlupe()->click();
    EXPECT_EQ(zeitfaktor, 1);
    EXPECT_FALSE(panel.Zeitlupe2()->isChecked());
}

// The arrows move the force bar by five columns from whichever control of
// the hand page has the focus; Space and Home put it back to 0 N.
TEST_F(Panel, KeysOfTheHandPageSetTheForce)
{
    panel.Handregelung1Click();
    struct Taste {
        Qt::Key taste;
        int spalte;
        float kraft;
    };
    QWidget* ziel = panel.Start();
    for (const Taste& t : {Taste{Qt::Key_Right, 55, 2.5f}, Taste{Qt::Key_Right, 60, 5.0f}, Taste{Qt::Key_Space, 50, 0},
                           Taste{Qt::Key_Left, 45, -2.5f}, Taste{Qt::Key_Home, 50, 0}}) {
        QTest::keyClick(ziel, t.taste);
        EXPECT_EQ(panel.ProgressBar1()->value(), t.spalte);
        EXPECT_FLOAT_EQ(pendel.Kraft(), t.kraft);
        ziel = panel.Zeitlupe();
    }
    // Space did not press the focused button, and the bar stops at its end.
    EXPECT_FALSE(panel.Zeitlupe()->isChecked());
    for (int k = 0; k < 30; ++k)
        QTest::keyClick(panel.ProgressBar1(), Qt::Key_Left);
    EXPECT_EQ(panel.ProgressBar1()->value(), 0);
    EXPECT_FLOAT_EQ(pendel.Kraft(), -25.0f);
    EXPECT_EQ(panel.Durchlaeufe(), 0);

    // The crane's force from the same steps.
    panel.Handregelung2Click();
    QTest::keyClick(panel.Stop(), Qt::Key_Home);
    QTest::keyClick(panel.Stop(), Qt::Key_Right);
    EXPECT_FLOAT_EQ(pendel.Kraft(), 0.1f);
}
