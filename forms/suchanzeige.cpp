#include "forms/suchanzeige.h"

#include "forms/protokollform.h"
#include "widgets/intedit.h"
#include "widgets/koordinatensystem.h"
#include "widgets/pendelzeichnen.h"
#include "widgets/singedit.h"

#include <QPlainTextEdit>
#include <QScrollBar>

TSuchAnzeige::TSuchAnzeige(const TZiele& z)
    : ziele(z)
{
}

void TSuchAnzeige::generationBeendet(int generation, float besteChrNote)
{
    verlaufOffen.append(TNotenPunkt{generation, besteChrNote, letzteGenNote});
}

void TSuchAnzeige::listeSchreiben(const QStringList& liste)
{
    QScrollBar* leiste = ziele.liste->verticalScrollBar();
    const int stand = leiste->value();
    ziele.liste->setPlainText(liste.join(QLatin1Char('\n')));
    leiste->setValue(stand);
}

void TSuchAnzeige::protokollLeeren()
{
    ziele.protokoll->leeren();
    ziele.verlauf->leeren();
    verlaufOffen.clear();
    protokollOffen.clear();
    protokollPlatz = ziele.protokoll->Platz();
    offen.besterBisher = 0.0f;
}

bool TSuchAnzeige::protokolliere(const QString& zeile)
{
    if (protokollOffen.size() >= protokollPlatz) {
        protokollNachtragen();
        if (protokollPlatz == 0)
            return false;
    }
    protokollOffen.append(zeile);
    return true;
}

void TSuchAnzeige::protokollNachtragen()
{
    if (!protokollOffen.isEmpty()) {
        ziele.protokoll->anhaengen(protokollOffen);
        protokollOffen.clear();
    }
    // Also lines the user typed into the log take room.
    protokollPlatz = ziele.protokoll->Platz();
}

void TSuchAnzeige::plotLoeschen()
{
    loeschenOffen = true;
    markeOffen = false;
    gezeichnet.reset();
    gewuenscht.reset();
}

void TSuchAnzeige::nachfuehren(bool alles)
{
    if (listeOffen && (alles || TickCount() - letzteListe >= Listentakt)) {
        listeSchreiben(*listeOffen);
        listeOffen.reset();
        letzteListe = TickCount();
    }
    protokollNachtragen();
    ziele.verlauf->anhaengen(verlaufOffen);
    verlaufOffen.clear();
    auto zeigen = [](auto& wert, auto* feld) {
        if (wert) {
            feld->setNumber(*wert);
            wert.reset();
        }
    };
    zeigen(offen.generation, ziele.generation);
    zeigen(offen.chromosomNr, ziele.chromosomNr);
    zeigen(offen.testlaufNr, ziele.testlaufNr);
    zeigen(offen.zeit, ziele.zeit);
    zeigen(offen.einzelnote, ziele.einzelnote);
    zeigen(offen.chrNote, ziele.chrNote);
    zeigen(offen.genNote, ziele.genNote);
    if (ziele.besterBisher)
        zeigen(offen.besterBisher, ziele.besterBisher);
    if (loeschenOffen) {
        plotLeeren();
        loeschenOffen = false;
    }
    if (markeOffen) {
        zielmarkeZeichnen();
        markeOffen = false;
    }
    const std::optional<TKranbild> vorhanden =
        gezeichnet ? std::optional<TKranbild>(kranbild(*gezeichnet)) : std::nullopt;
    if (vorhanden == gewuenscht)
        return;
    TKoordinatensystem& plot = *ziele.plot;
    plot.setStiftart(TStiftart::Xor);
    if (gezeichnet)
        ZeigePendel(*gezeichnet, plot);
    gezeichnet.reset();
    if (gewuenscht && gewuenschtesPendel) {
        gezeichnet = *gewuenschtesPendel;
        ZeigePendel(*gezeichnet, plot);
    }
}

void TSuchAnzeige::plotLeeren()
{
    TKoordinatensystem& plot = *ziele.plot;
    plot.setStiftart(TStiftart::Kopieren);
    TCanvas& canvas = plot.Canvas();
    canvas.Stift.Stil = Qt::DotLine;
    canvas.Stift.Breite = 1;
    if (leeresBild.size() != plot.Bild().size()) {
        plot.Refresh();
        leeresBild = plot.Bild().copy();
    } else {
        canvas.StretchDraw(plot.rect(), leeresBild);
    }
    plot.Neu();
}

void TSuchAnzeige::zielmarkeZeichnen()
{
    TKoordinatensystem& plot = *ziele.plot;
    plot.setStiftart(TStiftart::Kopieren);
    plot.setGraphFarbe(QColor(255, 0, 0));
    plot.Canvas().Stift.Breite = 2;
    plot.moveto(2, -0.1f);
    plot.lineto(2.1f, -0.2f);
    plot.lineto(1.9f, -0.2f);
    plot.lineto(2, -0.1f);
    plot.setStiftart(TStiftart::Xor);
}
