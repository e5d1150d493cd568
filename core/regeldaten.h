#pragma once

#include "core/fuzzy.h"
#include "core/regeltab.h"
#include "core/variablenregeln.h"

#include <QPointF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <optional>

// What the rule editor and the rule tester work on: copies of the project's
// three variables and of its rule table.
struct TRegelDaten {
    TFuzzy EingangA;
    TFuzzy EingangB;
    TFuzzy Ausgang;
    TRegeltab Regeltab;
};

// What the 3-D window shows: the control surface, the names for its axes and
// the point the tester stands on.
struct TKennfeldDaten {
    // [i][j]: i = grid index of input A, j = grid index of input B.
    TKennfeld FuzzyDaten{};
    // Input B's name is empty when input B is not defined.
    QString NameA, NameB, NameAusgang;
    // Grid positions of A and B (sample i spans i .. i + 1) and the height of
    // the operating point; nothing: no marker.
    std::optional<QPointF> Arbeitspunkt;
    float Arbeitswert = 0;
};

// The tester's scroll bars run from 0 to this.
inline constexpr int Schieberende = 200;


// Where the input's value lies on the 3-D grid: 0 at a(), 20 at b(); sample
// i spans i .. i + 1. 0 for an empty universe.
inline double Gitterposition(const TFuzzy& eingang)
{
    const double spanne = double(eingang.b()) - eingang.a();
    const double t = (double(eingang.x()) - eingang.a()) / spanne * 20;
    return spanne > 0 && std::isfinite(t) ? std::clamp(t, 0.0, 20.0) : 0;
}

// The surface of the rules, sampled on copies, so that the inputs keep their
// values; the operating point sits on the middle of the box the inputs' values
// fall on.
inline TKennfeldDaten KennfeldDaten(const TRegelDaten& daten)
{
    TFuzzy a = daten.EingangA;
    TFuzzy b = daten.EingangB;
    TFuzzy aus = daten.Ausgang;
    TKennfeldDaten k;
    k.FuzzyDaten = Kennfeld(a, b, daten.Regeltab, aus);
    k.NameA = daten.EingangA.Name();
    k.NameB = daten.EingangB.definiert() ? daten.EingangB.Name() : QString();
    k.NameAusgang = daten.Ausgang.Name();
    const int i = std::min(19, int(Gitterposition(daten.EingangA)));
    const int j = std::min(19, int(Gitterposition(daten.EingangB)));
    k.Arbeitspunkt = QPointF(i + 0.5, j + 0.5);
    k.Arbeitswert = k.FuzzyDaten[i][j];
    return k;
}
