#include "forms/suchenform.h"

// The search window's runs: the search itself, the replay of one rule
// system's test runs, closing while one of them goes, and what the engine
// shows.

#include "core/zahlenformat.h"
#include "forms/verlaufform.h"
#include "platform/meldung.h"
#include "platform/pause.h"
#include "search/suchtexte.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

void TSuchenForm::StartButtonClick()
{
    if (evolution.laeuft() || wiedergabe)
        return;
    listeAusMemo();
    evolution.setEchtzeit(echtzeit->isChecked());
    wiedergabeText->clear();
    abbruchVerlangt = false;
    anzeige->laufBeginnt();
    laufSperren(true);
    evolution.Starten();
    anzeige->nachfuehren();
    laufSperren(false);
    setAnzahlGrenze(evolution.ChromosomenAnzahl());
    schliessenNachLauf();
}

void TSuchenForm::StopButtonClick()
{
    if (wiedergabe)
        wiedergabeStop = true;
    else
        evolution.Anhalten();
}

void TSuchenForm::TestlaeufeZeigen(const TRegelsystem& rs)
{
    if (evolution.laeuft() || wiedergabe)
        return;
    // A rule naming a term the variable lacks must never reach the inference.
    if (!TermanzahlPruefen(evolution.EingangA(), evolution.EingangB(), evolution.Ausgang())) {
        Meldung(MeldungsArt::Fehler, SuchTexte::termanzahlFalsch);
        return;
    }
    wiedergabe = true;
    wiedergabeErreicht = 0;
    laufSperren(true);
    regeltabelle->setEnabled(false);
    VariablenUebernehmen(wiedergabeKopien, TSuchVariablen{evolution.EingangA(), evolution.EingangB(), evolution.Ausgang()});
    wiedergabeStop = false;
    wiedergabeText->clear();
    anzeige->laufBeginnt();
    // The replay always goes at the real-time pace.
    const bool echtzeitWiedergabe = true;
    const TChromosomBewertung b = ChromosomBewerten(rs, wiedergabeKopien, wiedergabeStop, this, &echtzeitWiedergabe);
    anzeige->nachfuehren();
    if (b.vollstaendig) {
        wiedergabeText->setText(SuchTexte::wiedergabeErgebnis.arg(wiedergabeErreicht)
                                    .arg(ProtokollZahl(b.ChrNote).trimmed()));
    } else {
        wiedergabeText->setText(SuchTexte::wiedergabeAbgebrochen);
    }
    wiedergabeStop = true;
    wiedergabe = false;
    regeltabelle->setEnabled(true);
    laufSperren(false);
    schliessenNachLauf();
}

void TSuchenForm::schliessenNachLauf()
{
    if (!schliessen)
        return;
    const int ergebnis = *schliessen;
    schliessen.reset();
    done(ergebnis);
}

void TSuchenForm::done(int ergebnis)
{
    if (wiedergabe) {
        schliessen = ergebnis;
        wiedergabeStop = true;
        return;
    }
    if (evolution.laeuft()) {
        // Whatever the answer, the close waits for the loop to return; once a
        // stop is asked for, a further close just waits.
        schliessen = ergebnis;
        if (abbruchVerlangt)
            return;
        if (Meldung(MeldungsArt::Bestaetigung, SuchTexte::frageAbbrechen, true) == Antwort::Ja) {
            abbruchVerlangt = true;
            evolution.Anhalten();
        }
        return;
    }
    verlaufform->hide();
    QDialog::done(ergebnis);
}

// The engine's observer: what it shows goes to the deferred display.

void TSuchenForm::zeigeGeneration(int generation)
{
    anzeige->generation(generation);
}

void TSuchenForm::zeigeChromosomNr(int i)
{
    anzeige->chromosomNr(i);
}

void TSuchenForm::zeigeTestlaufNr(int k)
{
    anzeige->testlaufNr(k);
}

void TSuchenForm::zeigeZeit(float zeit)
{
    anzeige->zeit(zeit);
}

void TSuchenForm::zeigeEinzelnote(float note)
{
    anzeige->einzelnote(note);
}

void TSuchenForm::zeigeChrNote(float note)
{
    anzeige->chrNote(note);
}

void TSuchenForm::zeigeGenNote(float note)
{
    anzeige->genNote(note);
}

void TSuchenForm::zeigeBesterBisher(float note)
{
    anzeige->besterBisher(note);
}

void TSuchenForm::testlaufBeendet(int k, const TTestlaufErgebnis& ergebnis)
{
    // During a search nothing waits for the end of a run.
    if (!wiedergabe)
        return;
    if (ergebnis.GutGenug)
        ++wiedergabeErreicht;
    wiedergabeText->setText(SuchTexte::testlaufErgebnis.arg(k)
                                .arg(GleitZahl(StartPosVektor[k - 1], 3), ProtokollZahl(ergebnis.Bewertungszahl).trimmed(),
                                     ergebnis.GutGenug ? SuchTexte::zielErreicht : SuchTexte::zielNichtErreicht));
    // The last picture of a run stays a moment before the next run clears it.
    anzeige->nachfuehren();
    Pause(WiedergabePause);
    anzeige->uebergabeGemerkt();
}

void TSuchenForm::protokollLeeren()
{
    anzeige->protokollLeeren();
}

bool TSuchenForm::protokolliere(const QString& zeile)
{
    return anzeige->protokolliere(zeile);
}

void TSuchenForm::plotLoeschen()
{
    anzeige->plotLoeschen();
}

void TSuchenForm::zielmarke()
{
    anzeige->zielmarke();
}

void TSuchenForm::zeigePendel(const TPendel& pendel)
{
    anzeige->zeigePendel(pendel);
}

void TSuchenForm::listeGeaendert(const QStringList& liste)
{
    if (evolution.laeuft())
        anzeige->listeVormerken(liste);
    else
        anzeige->listeSchreiben(liste);
}

void TSuchenForm::generationBeendet(int generation)
{
    anzeige->generationBeendet(generation, evolution.Bewertung(evolution.BesterChromosom()));
}

void TSuchenForm::pause(int millisekunden)
{
    // In real time every step is shown.
    anzeige->nachfuehren();
    Pause(static_cast<std::uint32_t>(std::max(0, millisekunden)));
    anzeige->uebergabeGemerkt();
}

void TSuchenForm::ereignisse()
{
    if (!anzeige->uebergabeFaellig())
        return;
    anzeige->nachfuehren(false);
    QCoreApplication::processEvents();
}

void TSuchenForm::meldung(const TMeldung& m)
{
    anzeige->nachfuehren();
    Meldung(m);
}
