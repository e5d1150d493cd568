#include "app/simulationspanel.h"

// The runs of the simulation panel: Start on either page, and the loop of
// passes (erase, step, draw, wait while events are handled, control, lamp,
// next step length) that goes on until the stop flag is set.

#include "app/simulationsbild.h"
#include "app/verlauf.h"
#include "app/verlaufplot.h"
#include "core/projekt.h"
#include "plant/pendel.h"
#include "plant/simulation.h"
#include "platform/meldung.h"
#include "platform/pause.h"
#include "platform/uhr.h"
#include "widgets/aktivitaetsgitter.h"
#include "widgets/farbe.h"
#include "widgets/farbkreis.h"
#include "widgets/koordinatensystem.h"
#include "widgets/pendelzeichnen.h"
#include "widgets/singedit.h"

#include <QCoreApplication>
#include <QPushButton>

#include <utility>

void TSimulationspanel::StartClick()
{
    if (laeuft)
        return;
    // The first marker shows where a hand run is meant to start from,
    // whatever the start position.
    laufen(handseite(), -3.0f, 0.0f);
}

void TSimulationspanel::Start2Click()
{
    if (laeuft)
        return;
    if (!projekt.EingangA.definiert() || !projekt.EingangB.definiert() || !projekt.Ausgang.definiert()) {
        Meldung(MeldungsArt::Warnung, SimulationsTexte::nichtDefiniert);
        return;
    }
    laufen(fuzzyseite(), einstellungen.Katzenstartposition, wind1->isChecked() ? Windkraft : 0.0f);
}

void TSimulationspanel::laufen(const TLaufseite& seite, float ersteMarke, float wind)
{
    seite.plot->Refresh();
    abbruch = false;
    PendelStarten(pendel, einstellungen, wind);
    if (!pendel.PendelTyp()) {
        seite.lampe->show();
        seite.lampe->setFarbe(AmpelFarbe(false));
        MarkenUndSchiene(*seite.plot, ersteMarke, einstellungen.Pendellaenge);
    }
    laeuft = true;
    aktuellerLauf = laufNummer;
    if (!seite.fuzzy) {
        Pause(1);
        QCoreApplication::processEvents();
    }
    if (!unterbrochen()) {
        ZeigePendel(pendel, *seite.plot);
        if (!seite.fuzzy)
            ProgressBar1MouseMove(50);
        verlaufBeginnen();
        gitterBeginnen();
        gitterZeigen(true);
        Simulation(seite);
    }
    laeuft = false;
    emit LaufBeendet();
}

void TSimulationspanel::Simulation(const TLaufseite& seite)
{
    durchlaeufe = 0;
    do {
        if (seite.fuzzy && pauseKnopf->isChecked()) {
            if (!angehaltenWarten())
                return;
            // Held or stepped, the next pass is one of the fixed length: the
            // time spent held never becomes a step.
            pendel.setDeltaT(EinzelschrittDauer);
        }
        const bool einzeln = std::exchange(einzelschrittOffen, false);
        const std::uint32_t t0 = TickCount();
        ZeigePendel(pendel, *seite.plot);
        pendel.Schritt();
        // The hand page shows the time during the wait, the fuzzy page after
        // the rules have run.
        if (!seite.fuzzy)
            seite.zeitfeld->setNumber(pendel.Zeit());
        ZeigePendel(pendel, *seite.plot);
        Pause(50);
        QCoreApplication::processEvents();
        if (unterbrochen())
            return;
        const bool gruen =
            seite.fuzzy
                ? FuzzyRegelung(pendel, projekt.EingangA, projekt.EingangB, projekt.Regeltab, projekt.AusgangKopie)
                : AmpelGruen(pendel);
        // The hand loop sets its lamp for both plants (it is hidden for the
        // inverted pendulum unless a crane run showed it), the fuzzy loop only
        // for the crane.
        if (!seite.fuzzy || !pendel.PendelTyp())
            seite.lampe->setFarbe(AmpelFarbe(gruen));
        if (seite.fuzzy)
            seite.zeitfeld->setNumber(pendel.Zeit());
        verlaufHinzufuegen(gruen);
        gitterZeigen(!seite.fuzzy);
        pendel.setDeltaT(einzeln ? EinzelschrittDauer : schrittweite(t0));
        ++durchlaeufe;
        if (nachDurchlauf)
            nachDurchlauf();
    } while (!abbruch && !unterbrochen());
}

float TSimulationspanel::schrittweite(std::uint32_t t0) const
{
    return festerSchritt ? *festerSchritt : Schrittweite(TickCount() - t0, zeitfaktor);
}

void TSimulationspanel::verlaufBeginnen()
{
    if (verlauf) {
        verlauf->Plot()->Beginnen(!pendel.PendelTyp());
        verlauf->Plot()->Hinzufuegen(VerlaufPunkt(pendel, AmpelGruen(pendel)));
    }
}

void TSimulationspanel::verlaufHinzufuegen(bool gruen)
{
    if (verlauf)
        verlauf->Plot()->Hinzufuegen(VerlaufPunkt(pendel, gruen));
}

bool TSimulationspanel::angehaltenWarten()
{
    while (pauseKnopf->isChecked() && !einzelschrittOffen) {
        Pause(50);
        QCoreApplication::processEvents();
        if (abbruch || unterbrochen())
            return false;
    }
    return true;
}

void TSimulationspanel::gitterBeginnen()
{
    if (!verlauf)
        return;
    QStringList zeilen, spalten, terme;
    QList<QColor> farben;
    for (int i = 1; i <= projekt.EingangA.gueltigeAnzahl(); ++i)
        zeilen << projekt.EingangA.AbkTermname(i);
    for (int j = 1; j <= projekt.EingangB.gueltigeAnzahl(); ++j)
        spalten << projekt.EingangB.AbkTermname(j);
    projekt.Ausgang.FarbeInit();
    for (int k = 1; k <= projekt.Ausgang.gueltigeAnzahl(); ++k) {
        terme << projekt.Ausgang.AbkTermname(k);
        farben << qFarbe(projekt.Ausgang.Farbe(k));
    }
    verlauf->Gitter()->setBeschriftung(zeilen, spalten, terme, farben);
}

void TSimulationspanel::gitterZeigen(bool messwerteSetzen)
{
    if (!verlauf || verlauf->Gitter()->isHidden())
        return;
    if (!projekt.EingangA.definiert() || !projekt.EingangB.definiert() || !projekt.Ausgang.definiert()) {
        verlauf->setAktivitaet({});
        return;
    }
    // A fuzzy pass has just put the measurements into the inputs.
    if (messwerteSetzen)
        MesswerteSetzen(pendel, projekt.EingangA, projekt.EingangB);
    verlauf->setAktivitaet(RegelAktivitaet(projekt.EingangA, projekt.EingangB, projekt.Regeltab, projekt.Ausgang));
}
