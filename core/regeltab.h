#pragma once

#include "core/regel.h"
#include "core/termform.h"

#include <QString>

#include <array>
#include <cstdint>

class TFuzzy;

// The 5 x 5 rule table. Entry (j, i) belongs to term j of input B and term i of
// input A; its value is the output term 1..5, or 0 for no rule. The entries are
// kept, copied and stored with the first index outer: (1,1), (1,2), ..., (5,5).
struct TRegeltab {
    std::array<std::int32_t, 25> werte{};

    std::int32_t operator()(int j, int i) const { return werte[(j - 1) * 5 + (i - 1)]; }
    std::int32_t& operator()(int j, int i) { return werte[(j - 1) * 5 + (i - 1)]; }

    friend bool operator==(const TRegeltab&, const TRegeltab&) = default;
};

// Max-min inference on the rule table: sets the heights of the output copy's
// terms 1..Anzahl (and raises those the table names beyond it). With input B
// undefined only the entries (1, 1..5) count. The output value is read
// afterwards as ausgang.Schwerpunktkoordinate().
void RegleAusgang(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegeltab& tabelle, TFuzzy& ausgang);

// The same on a rule list; input B is always used. A rule naming an input term
// the variable does not have is the fatal term-index error.
void RegleAusgang(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegelliste& regeln, TFuzzy& ausgang);

// Both forms compiled for instruction set b (which must be available), for
// tests; the two above take the best one. With AVX2 they take inputs of up to
// four terms; other variables go the plain way.
void RegleAusgang(termform::Befehlssatz b, const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegeltab& tabelle,
                  TFuzzy& ausgang);
void RegleAusgang(termform::Befehlssatz b, const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegelliste& regeln,
                  TFuzzy& ausgang);

// The memberships of terms 1..4 (0 beyond the variable's terms) as the
// inference with instruction set b reads them, for tests.
std::array<float, 4> InferenzZugehoerigkeiten(termform::Befehlssatz b, const TFuzzy& f);

// The control surface: value [i][j] is the output for A at a() + i/20 of its
// universe and B at a() + j/20 of its universe. A and B keep the last sample.
using TKennfeld = std::array<std::array<float, 20>, 20>;
TKennfeld Kennfeld(TFuzzy& eingangA, TFuzzy& eingangB, const TRegeltab& tabelle, TFuzzy& ausgang);

namespace RegelTexte {
// Rules need input A and the output.
inline const QString variablenFehlen = QStringLiteral("Eingang A und/oder Ausgang (noch) nicht definiert!");
} // namespace RegelTexte
