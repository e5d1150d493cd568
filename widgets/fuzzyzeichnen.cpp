#include "widgets/fuzzyzeichnen.h"

#include "core/fuzzy.h"
#include "widgets/farbe.h"
#include "widgets/koordinatensystem.h"

void Zeichnen(const TFuzzy& fuzzy, TKoordinatensystem& k)
{
    k.setXBereich(fuzzy.a(), fuzzy.b());
    k.setYBereich(0, 1);
    k.setStiftart(TStiftart::Kopieren);
    k.Refresh();
    k.Neu();
    k.Ks();
    TCanvas& canvas = k.Canvas();
    for (int i = 1; i <= fuzzy.gueltigeAnzahl(); ++i) {
        const QColor farbe = qFarbe(fuzzy.Farbe(i));
        k.setGraphFarbe(farbe);
        canvas.Schriftfarbe = farbe;
        k.moveto(fuzzy.a(), 0);
        k.lineto(fuzzy.Term(i, 1), 0);
        k.lineto(fuzzy.Term(i, 2), fuzzy.Term(i, 5));
        k.lineto(fuzzy.Term(i, 3), fuzzy.Term(i, 5));
        k.lineto(fuzzy.Term(i, 4), 0);
        k.lineto(fuzzy.b(), 0);
        k.setX(fuzzy.Term(i, 2));
        if (!k.BereichLeer())
            canvas.TextOut(k.xint(), 10, fuzzy.AbkTermname(i));
    }
    canvas.Schriftfarbe = k.KSFarbe();
}

void ZugehoerigkeitZeichnen(const TFuzzy& fuzzy, TKoordinatensystem& k)
{
    TCanvas& canvas = k.Canvas();
    for (int i = 1; i <= fuzzy.gueltigeAnzahl(); ++i) {
        const float mu = fuzzy.Zugehoerigkeit(i);
        canvas.Stift.Breite = 2;
        k.setGraphFarbe(qFarbe(fuzzy.XORFarbe(i)));
        k.moveto(fuzzy.x(), 0);
        k.lineto(fuzzy.x(), mu);
        k.lineto(fuzzy.a(), mu);
        canvas.Stift.Breite = 1;
    }
}
