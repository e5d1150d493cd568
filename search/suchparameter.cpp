#include "search/suchparameter.h"

#include "core/zahlenformat.h"
#include "search/suchtexte.h"

bool AnzahlImBereich(std::int32_t anzahl)
{
    return anzahl >= 1 && anzahl <= MaxChromosomen;
}

bool RateImBereich(float rate)
{
    return rate > 0 && rate <= 1;
}

TSuchParameter ParameterImBereich(const TSuchParameter& p)
{
    const TSuchParameter standard;
    return TSuchParameter{
        AnzahlImBereich(p.ChromosomenAnzahl) ? p.ChromosomenAnzahl : standard.ChromosomenAnzahl,
        RateImBereich(p.Kreuzungsrate) ? p.Kreuzungsrate : standard.Kreuzungsrate,
        RateImBereich(p.mutationsrate) ? p.mutationsrate : standard.mutationsrate,
    };
}

QString RateText(float rate)
{
    QString text = SingEditText(rate);
    if (SingEditZahl(text) == rate)
        return text;
    // A real field holds 8 characters at its usual width; longer texts scroll.
    for (int stellen = 5; stellen <= 12; ++stellen) {
        text = FestKomma(rate, stellen, 8);
        if (SingEditZahl(text) == rate)
            return text;
    }
    return GleitZahl(rate, 9);
}

TAnzahlAbgleich AnzahlAbgleichen(std::int32_t anzahl, qsizetype zeilen)
{
    return TAnzahlAbgleich{anzahl % 2 != 0, zeilen != anzahl};
}

TAnzahlAusZeilen AnzahlAusZeilen(qsizetype zeilen)
{
    if (zeilen > MaxChromosomen)
        return TAnzahlAusZeilen{MaxChromosomen, TMeldung{MeldungsArt::Warnung, SuchTexte::maximal40}};
    return TAnzahlAusZeilen{static_cast<std::int32_t>(zeilen < 0 ? 0 : zeilen), std::nullopt};
}
