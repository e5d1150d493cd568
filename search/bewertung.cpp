#include "search/bewertung.h"

#include "search/suchtexte.h"

void VariablenUebernehmen(TKranKopien& kopien, const TSuchVariablen& variablen)
{
    kopien.EingangA.assign(variablen.EingangA);
    kopien.EingangB.assign(variablen.EingangB);
    kopien.Ausgang.assign(variablen.Ausgang);
}

TChromosomBewertung ChromosomBewerten(const TRegelsystem& rs, TKranKopien& kopien, std::atomic<bool>& stop,
                                      TSuchBeobachter* beobachter, const bool* echtzeit)
{
    TChromosomBewertung b;
    for (int k = 0; k < Testlaeufe; ++k) {
        if (beobachter)
            beobachter->zeigeTestlaufNr(k + 1);
        if (stop.load(std::memory_order_relaxed))
            continue;
        if (beobachter)
            beobachter->plotLoeschen();
        if (!kopien.EingangA.definiert() || !kopien.EingangB.definiert() || !kopien.Ausgang.definiert()) {
            if (beobachter)
                beobachter->meldung(TMeldung{MeldungsArt::Warnung, SuchTexte::variablenFehlen});
            stop = true;
            continue;
        }
        b.lauf[k] = Kranlauf(rs, StartPosVektor[k], kopien.EingangA, kopien.EingangB, kopien.Ausgang, kopien.Pendel,
                             stop, beobachter, echtzeit);
        b.gelaufen[k] = true;
        b.letzter = k;
        if (beobachter) {
            beobachter->zeigeEinzelnote(b.lauf[k].Bewertungszahl);
            beobachter->testlaufBeendet(k + 1, b.lauf[k]);
        }
        b.ChrNote = b.ChrNote + b.lauf[k].Bewertungszahl;
    }
    if (b.letzter >= 0)
        b.endzustand = kopien.Pendel;
    // A stop during the last run leaves it unfinished.
    b.vollstaendig = b.letzter == Testlaeufe - 1 && !stop.load(std::memory_order_relaxed);
    for (const bool gelaufen : b.gelaufen)
        b.vollstaendig = b.vollstaendig && gelaufen;
    return b;
}

std::vector<int> NotenQuellen(const QStringList& liste, int n)
{
    std::vector<int> quelle(n);
    for (int i = 0; i < n; ++i) {
        quelle[i] = i;
        for (int j = 0; j < i; ++j) {
            if (liste[j] == liste[i]) {
                quelle[i] = j;
                break;
            }
        }
    }
    return quelle;
}
