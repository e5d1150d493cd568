#include "core/regeltab.h"

#include "core/fuzzy.h"

#include <algorithm>

#ifdef TERMFORM_AVX2
#include <immintrin.h>
#endif

namespace {

using termform::Befehlssatz;

// The plain inference, rule by rule: the path of processors without AVX2, of
// variables the vector kernels do not take, and the reference they match.

// The memberships of all terms, read once instead of once per rule.
struct Zugehoerigkeiten {
    std::array<float, TFuzzy::MaxTerme> mu{};
    int n = 0;

    explicit Zugehoerigkeiten(const TFuzzy& f)
        : n(f.gueltigeAnzahl())
    {
        for (int i = 1; i <= n; ++i)
            mu[i - 1] = f.ZugehoerigkeitOhnePruefung(i);
    }

    // Reads a term through the variable when it lies outside the terms, so that
    // the term-index check still reports it.
    float operator()(const TFuzzy& f, int i) const
    {
        return (i >= 1 && i <= n) ? mu[i - 1] : f.Zugehoerigkeit(i);
    }
};

// Heights by output term; slot 0 takes the rules that name no valid term, so
// that raising needs no branch.
struct Hoehen {
    float h[TFuzzy::MaxTerme + 1] = {};

    // No slot below 0: then a rule whose activation is 0 or less changes nothing.
    bool keinSlotNegativ = true;

    explicit Hoehen(const TFuzzy& ausgang)
    {
        // Terms above Anzahl keep their stored height until a rule raises it.
        for (int k = ausgang.gueltigeAnzahl() + 1; k <= TFuzzy::MaxTerme; ++k) {
            h[k] = ausgang.Term(k, 5);
            keinSlotNegativ = keinSlotNegativ && !(h[k] < 0);
        }
    }

    void heben(std::int32_t k, float w)
    {
        const std::uint32_t slot = static_cast<std::uint32_t>(k) <= TFuzzy::MaxTerme ? static_cast<std::uint32_t>(k) : 0;
        h[slot] = std::max(h[slot], w);
    }

    void schreiben(TFuzzy& ausgang) const { ausgang.setHoehen(h + 1); }
};

void TabelleStandard(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegeltab& tabelle, TFuzzy& ausgang)
{
    Hoehen hoehen(ausgang);
    const Zugehoerigkeiten muA(eingangA);
    if (eingangB.definiert()) {
        const Zugehoerigkeiten muB(eingangB);
        for (int i = 0; i < muA.n; ++i) {
            const float a = muA.mu[i];
            // Most terms of A do not hold x at all; their rules cannot fire.
            if (a <= 0 && hoehen.keinSlotNegativ)
                continue;
            for (int j = 0; j < muB.n; ++j)
                hoehen.heben(tabelle.werte[j * 5 + i], std::min(a, muB.mu[j]));
        }
    } else {
        for (int i = 0; i < muA.n; ++i)
            hoehen.heben(tabelle.werte[i], muA.mu[i]);
    }
    hoehen.schreiben(ausgang);
}

void ListeStandard(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegelliste& regeln, TFuzzy& ausgang)
{
    Hoehen hoehen(ausgang);
    const Zugehoerigkeiten muA(eingangA);
    const Zugehoerigkeiten muB(eingangB);
    for (const TRegel& r : regeln) {
        const float w = std::min(muA(eingangA, r.EingangA), muB(eingangB, r.EingangB));
        hoehen.heben(r.Ausgang, w);
    }
    hoehen.schreiben(ausgang);
}

#ifdef TERMFORM_AVX2
// The same inference with AVX2, for inputs of up to four terms and outputs of
// up to five: the memberships of a variable's terms at once, the rules in
// vectors of eight, the centroid straight from the new heights. Raising a
// height by the larger activation, (h < w) ? w : h rule by rule, ends in the
// same value whatever the order of the rules as long as no height starts below
// 0: it is then the largest activation if that exceeds the starting height (and
// then it is above 0, so its sign is plain), and the starting height otherwise;
// an activation of 0 or less, or a NaN, never raises anything. So activations
// are clamped to 0 and above, which also keeps NaN out, and gathered in any
// order. A start below 0 (only a term above the output's Anzahl can hold one),
// an input with five terms or, in a rule list, a term outside the input's terms
// leave the work to the plain inference.

#define AVX2_FUNKTION __attribute__((target("avx2")))
#define AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

AVX2_INLINE __m256d Laden(const termform::V4d& v)
{
    return _mm256_loadu_pd(reinterpret_cast<const double*>(&v));
}

AVX2_INLINE __m256d Laden(const termform::V4l& v)
{
    return _mm256_loadu_pd(reinterpret_cast<const double*>(&v));
}

// Lanes 0..n-1 as a mask.
AVX2_INLINE __m128 ErsteLanes(int n)
{
    return _mm_castsi128_ps(_mm_cmpgt_epi32(_mm_set1_epi32(n), _mm_setr_epi32(0, 1, 2, 3)));
}

// Memberships at x of terms 1..4 in lanes 0..3, 0 in the lanes after the
// variable's terms. The cases of the plain reading, in its order: left of a,
// rising edge, top, right of d, falling edge. A vertical rising edge is never
// reached (x < b = a means x < a), a vertical falling edge gives h; the
// quotient of the edge not taken is discarded.
AVX2_INLINE __m128 Zugehoerigkeiten4(const TFuzzy& f)
{
    const termform::TTermform& t = f.Termform();
    const __m256d x = _mm256_set1_pd(f.x());
    const __m256d h = Laden(t.h[0]);
    const __m256d steigend = _mm256_cmp_pd(x, Laden(t.b[0]), _CMP_LT_OQ);
    const __m256d oben = _mm256_cmp_pd(x, Laden(t.c[0]), _CMP_LT_OQ);
    // Both edges' quotients, so that the division need not wait for the
    // comparison; 1 * (x - a) is x - a.
    __m256d zs = _mm256_sub_pd(x, Laden(t.a[0]));
    __m256d zf = _mm256_sub_pd(x, Laden(t.c[0]));
    if (!t.hoehenEins) {
        zs = _mm256_mul_pd(h, zs);
        zf = _mm256_mul_pd(h, zf);
    }
    const __m256d qSteigend = _mm256_div_pd(zs, Laden(t.links[0]));
    const __m256d qFallend = _mm256_div_pd(zf, Laden(t.rechts[0]));
    const __m256d kante = _mm256_blendv_pd(_mm256_sub_pd(h, qFallend), qSteigend, steigend);
    const __m256d top = _mm256_andnot_pd(steigend, _mm256_or_pd(oben, Laden(t.dGleichC[0])));
    const __m256d wert = _mm256_blendv_pd(kante, h, top);
    const __m256d aussen = _mm256_or_pd(_mm256_cmp_pd(x, Laden(t.a[0]), _CMP_LT_OQ),
                                        _mm256_andnot_pd(_mm256_or_pd(steigend, oben),
                                                         _mm256_cmp_pd(x, Laden(t.d[0]), _CMP_GT_OQ)));
    const __m128 mu = _mm256_cvtpd_ps(_mm256_andnot_pd(aussen, wert));
    const int n = f.gueltigeAnzahl();
    return n >= 4 ? mu : _mm_and_ps(mu, ErsteLanes(n));
}

// The heights before the first rule: 0 for the output's terms, the stored
// height above them. Only the heights above Anzahl are read, so that one
// inference need not wait for the last one's result.
struct Anfang {
    __m128 h14; // terms 1..4
    float h5;
    int n;

    AVX2_INLINE explicit Anfang(const TFuzzy& ausgang)
        : n(ausgang.gueltigeAnzahl())
    {
        h14 = n >= 4 ? _mm_setzero_ps()
                     : _mm_andnot_ps(ErsteLanes(n), _mm_setr_ps(ausgang.Term(1, 5), ausgang.Term(2, 5),
                                                                ausgang.Term(3, 5), ausgang.Term(4, 5)));
        h5 = n >= 5 ? 0.0f : ausgang.Term(5, 5);
    }

    AVX2_INLINE bool negativ() const
    {
        return (n < 4 && _mm_movemask_ps(_mm_cmplt_ps(h14, _mm_setzero_ps())) != 0) || (n < 5 && h5 < 0);
    }
};

// The term numbers 1..5 in all lanes, read from memory by the comparisons
// (spelt out in registers, each would cost three instructions).
alignas(32) constexpr std::int32_t termnummern[TFuzzy::MaxTerme][8] = {
    {1, 1, 1, 1, 1, 1, 1, 1}, {2, 2, 2, 2, 2, 2, 2, 2}, {3, 3, 3, 3, 3, 3, 3, 3},
    {4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}};

// Largest activation per output term 1..5 of sixteen rules, eight to a vector:
// activations w0, w1 (0 or above) of rules concluding terms k0, k1.
struct Aktivierungen {
    __m256 akku[4]; // terms 1..4
    __m256 w0, w1;
    __m256i k0, k1;
    const std::int32_t* nummern;

    AVX2_INLINE Aktivierungen(__m256 w0_, __m256i k0_, __m256 w1_, __m256i k1_)
        : w0(w0_)
        , w1(w1_)
        , k0(k0_)
        , k1(k1_)
        , nummern(&termnummern[0][0])
    {
        asm("" : "+r"(nummern)); // keeps the numbers in memory
        for (int t = 0; t < 4; ++t)
            akku[t] = waehle(t + 1);
    }

    AVX2_INLINE __m256 waehle(int k) const
    {
        const __m256i nummer = _mm256_load_si256(reinterpret_cast<const __m256i*>(nummern + 8 * (k - 1)));
        const __m256 t0 = _mm256_castsi256_ps(_mm256_cmpeq_epi32(k0, nummer));
        const __m256 t1 = _mm256_castsi256_ps(_mm256_cmpeq_epi32(k1, nummer));
        return _mm256_max_ps(_mm256_and_ps(w0, t0), _mm256_and_ps(w1, t1));
    }

    // A rule concludes term 5.
    AVX2_INLINE bool fuenf() const
    {
        const __m256i nummer = _mm256_load_si256(reinterpret_cast<const __m256i*>(nummern + 8 * 4));
        const __m256i t = _mm256_or_si256(_mm256_cmpeq_epi32(k0, nummer), _mm256_cmpeq_epi32(k1, nummer));
        return !_mm256_testz_si256(t, t);
    }
};

AVX2_INLINE float Summe4(__m128 v)
{
    const __m128 s = _mm_max_ps(v, _mm_movehl_ps(v, v));
    return _mm_cvtss_f32(_mm_max_ss(s, _mm_movehdup_ps(s)));
}

// Area-weighted mean of the centroids of terms 1..n with heights h14 and h5,
// term by term in float as always; fa when the areas sum to 0.
AVX2_INLINE float Schwerpunkt(const termform::TTermform& t, int n, float fa, __m128 h14, __m256d h14d, float h5)
{
    const __m128 f = _mm256_cvtpd_ps(_mm256_mul_pd(Laden(t.halbeBreite[0]), h14d));
    const __m256d m = _mm256_mul_pd(Laden(t.schwerpunkt[0]), _mm256_cvtps_pd(f)); // exact: two floats
    const __m128d m01 = _mm256_castpd256_pd128(m);
    const __m128d m23 = _mm256_extractf128_pd(m, 1);
    const float fl[4] = {_mm_cvtss_f32(f), _mm_cvtss_f32(_mm_movehdup_ps(f)), _mm_cvtss_f32(_mm_movehl_ps(f, f)),
                         _mm_cvtss_f32(_mm_shuffle_ps(f, f, 3))};
    const double mo[4] = {_mm_cvtsd_f64(m01), _mm_cvtsd_f64(_mm_unpackhi_pd(m01, m01)), _mm_cvtsd_f64(m23),
                          _mm_cvtsd_f64(_mm_unpackhi_pd(m23, m23))};
    float flaeche = 0;
    float moment = 0;
    // A term of height 0 adds 0 to both sums unless its width or centroid is
    // not finite; the others are taken in order.
    const int mitwirkend = _mm_movemask_ps(_mm_cmpgt_ps(h14, _mm_setzero_ps())) | t.unendlich;
    for (int i = 0; i < 4 && i < n; ++i) {
        if (mitwirkend & (1 << i)) {
            flaeche += fl[i];
            moment = static_cast<float>(double(moment) + mo[i]);
        }
    }
    if (n >= 5) {
        const float f5 = static_cast<float>(t.halbeBreite[1][0] * h5);
        flaeche += f5;
        moment = static_cast<float>(double(moment) + t.schwerpunkt[1][0] * f5);
    }
    if (flaeche == 0)
        return fa;
    return static_cast<float>(double(moment) / flaeche);
}

// Folds the lanes, raises the starting heights and stores heights and centroid.
AVX2_INLINE void Schreiben(const Aktivierungen& akt, const Anfang& anfang, TFuzzy& ausgang)
{
    // Halves of terms 1 and 2, 3 and 4 side by side, then within the halves.
    const __m256 e = _mm256_max_ps(_mm256_permute2f128_ps(akt.akku[0], akt.akku[1], 0x20),
                                   _mm256_permute2f128_ps(akt.akku[0], akt.akku[1], 0x31));
    const __m256 f = _mm256_max_ps(_mm256_permute2f128_ps(akt.akku[2], akt.akku[3], 0x20),
                                   _mm256_permute2f128_ps(akt.akku[2], akt.akku[3], 0x31));
    __m256 g = _mm256_max_ps(_mm256_unpacklo_ps(e, f), _mm256_unpackhi_ps(e, f)); // 1 3 1 3 | 2 4 2 4
    g = _mm256_max_ps(g, _mm256_permute_ps(g, _MM_SHUFFLE(1, 0, 3, 2)));
    __m128 h14 = _mm_unpacklo_ps(_mm256_castps256_ps128(g), _mm256_extractf128_ps(g, 1));
    if (anfang.n < 4)
        h14 = _mm_max_ps(h14, anfang.h14); // (start < w) ? w : start
    float h5 = anfang.h5;
    if (anfang.n >= 5 || akt.fuenf()) {
        const __m256 a = akt.waehle(5);
        const float w = Summe4(_mm_max_ps(_mm256_castps256_ps128(a), _mm256_extractf128_ps(a, 1)));
        h5 = anfang.n >= 5 ? w : (h5 < w ? w : h5);
    }
    const __m256d h14d = _mm256_cvtps_pd(h14);
    ausgang.setHoehen(reinterpret_cast<termform::V4f>(h14), reinterpret_cast<const termform::V4d&>(h14d), h5,
                      Schwerpunkt(ausgang.Termform(), anfang.n, ausgang.a(), h14, h14d, h5));
}

// Rows j and j + 1 of the table for A's terms 1..4: cell (j, i) in lane i,
// cell (j + 1, i) in lane 4 + i.
AVX2_INLINE __m256i Zeilen(const TRegeltab& tabelle, int j)
{
    const auto* w = reinterpret_cast<const __m128i*>(tabelle.werte.data() + 5 * j);
    const auto* v = reinterpret_cast<const __m128i*>(tabelle.werte.data() + 5 * j + 5);
    return _mm256_inserti128_si256(_mm256_castsi128_si256(_mm_loadu_si128(w)), _mm_loadu_si128(v), 1);
}

AVX2_FUNKTION void ZugehoerigkeitenAvx2(const TFuzzy& f, float* mu)
{
    _mm_storeu_ps(mu, Zugehoerigkeiten4(f));
}

AVX2_FUNKTION void TabelleAvx2(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegeltab& tabelle,
                               TFuzzy& ausgang)
{
    const bool mitB = eingangB.definiert();
    const Anfang anfang(ausgang);
    if (eingangA.gueltigeAnzahl() > 4 || (mitB && eingangB.gueltigeAnzahl() > 4) || anfang.negativ()) {
        TabelleStandard(eingangA, eingangB, tabelle, ausgang);
        return;
    }
    const __m128 a = Zugehoerigkeiten4(eingangA);
    const __m256 null = _mm256_setzero_ps();
    if (!mitB) {
        const __m256 nurA = _mm256_castps128_ps256(_mm_max_ps(a, _mm_setzero_ps()));
        // Row 1 of the table only, for A's terms.
        Schreiben(Aktivierungen(_mm256_insertf128_ps(nurA, _mm_setzero_ps(), 1), Zeilen(tabelle, 0), null,
                                Zeilen(tabelle, 0)),
                  anfang, ausgang);
        return;
    }
    // Rows j (terms of B) two to a vector: cell (j, i) in lane 4 (j % 2) + i.
    const __m256 b = _mm256_castps128_ps256(Zugehoerigkeiten4(eingangB));
    const __m256 aa = _mm256_set_m128(a, a);
    const __m256 b01 = _mm256_permutevar8x32_ps(b, _mm256_setr_epi32(0, 0, 0, 0, 1, 1, 1, 1));
    const __m256 b23 = _mm256_permutevar8x32_ps(b, _mm256_setr_epi32(2, 2, 2, 2, 3, 3, 3, 3));
    // min(A, B) = (B < A) ? B : A, and no activation below 0
    Schreiben(Aktivierungen(_mm256_max_ps(_mm256_min_ps(b01, aa), null), Zeilen(tabelle, 0),
                            _mm256_max_ps(_mm256_min_ps(b23, aa), null), Zeilen(tabelle, 2)),
              anfang, ausgang);
}

static_assert(sizeof(TRegel) == 3 * sizeof(std::int32_t) && sizeof(TRegelliste) == 16 * sizeof(TRegel));

// The three fields of eight rules, from the three vectors v that hold them
// (field f of rule r is number 3r + f). Each field lies in lanes of the three
// vectors that do not overlap, so two blends gather it; the rules then lie in
// the lanes in the order 0 3 6 1 4 7 2 5 for EingangA, turned by one lane for
// EingangB and by two for Ausgang, which one permutation each straightens to
// the order of EingangA. The order of the rules does not matter here.
AVX2_INLINE __m256i TermA(const __m256i* v)
{
    return _mm256_blend_epi32(_mm256_blend_epi32(_mm256_loadu_si256(v), _mm256_loadu_si256(v + 1), 0x92),
                              _mm256_loadu_si256(v + 2), 0x24);
}

AVX2_INLINE __m256i TermB(const __m256i* v)
{
    return _mm256_permutevar8x32_epi32(
        _mm256_blend_epi32(_mm256_blend_epi32(_mm256_loadu_si256(v), _mm256_loadu_si256(v + 1), 0x24),
                           _mm256_loadu_si256(v + 2), 0x49),
        _mm256_setr_epi32(1, 2, 3, 4, 5, 6, 7, 0));
}

AVX2_INLINE __m256i Ausgangsterm(const __m256i* v)
{
    return _mm256_permutevar8x32_epi32(
        _mm256_blend_epi32(_mm256_blend_epi32(_mm256_loadu_si256(v), _mm256_loadu_si256(v + 1), 0x49),
                           _mm256_loadu_si256(v + 2), 0x92),
        _mm256_setr_epi32(2, 3, 4, 5, 6, 7, 0, 1));
}

AVX2_FUNKTION void ListeAvx2(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegelliste& regeln,
                             TFuzzy& ausgang)
{
    const int nA = eingangA.gueltigeAnzahl();
    const int nB = eingangB.gueltigeAnzahl();
    const Anfang anfang(ausgang);
    if (nA == 0 || nB == 0 || nA > 4 || nB > 4 || anfang.negativ()) {
        ListeStandard(eingangA, eingangB, regeln, ausgang);
        return;
    }
    // Term numbers 1..n as lane numbers 0..n-1; anything else lies above n - 1.
    const __m256i eins = _mm256_set1_epi32(1);
    const auto* felder = reinterpret_cast<const __m256i*>(&regeln[0].EingangA);
    const __m256i termA0 = _mm256_sub_epi32(TermA(felder), eins);
    const __m256i termB0 = _mm256_sub_epi32(TermB(felder), eins);
    const __m256i termA1 = _mm256_sub_epi32(TermA(felder + 3), eins);
    const __m256i termB1 = _mm256_sub_epi32(TermB(felder + 3), eins);
    // The largest lane number (as an unsigned number) must lie within the terms.
    const __m256i spitzeA = _mm256_max_epu32(termA0, termA1);
    const __m256i spitzeB = _mm256_max_epu32(termB0, termB1);
    __m256i gut;
    if (nA == nB) {
        const __m256i grenze = _mm256_set1_epi32(nA - 1);
        gut = _mm256_cmpeq_epi32(_mm256_max_epu32(_mm256_max_epu32(spitzeA, spitzeB), grenze), grenze);
    } else {
        const __m256i grenzeA = _mm256_set1_epi32(nA - 1);
        const __m256i grenzeB = _mm256_set1_epi32(nB - 1);
        gut = _mm256_and_si256(_mm256_cmpeq_epi32(_mm256_max_epu32(spitzeA, grenzeA), grenzeA),
                               _mm256_cmpeq_epi32(_mm256_max_epu32(spitzeB, grenzeB), grenzeB));
    }
    if (_mm256_movemask_epi8(gut) != -1) {
        ListeStandard(eingangA, eingangB, regeln, ausgang);
        return;
    }
    const __m256 a = _mm256_castps128_ps256(Zugehoerigkeiten4(eingangA));
    const __m256 b = _mm256_castps128_ps256(Zugehoerigkeiten4(eingangB));
    // min(A, B) = (B < A) ? B : A, and no activation below 0
    const __m256 null = _mm256_setzero_ps();
    const __m256 w0 = _mm256_min_ps(_mm256_permutevar8x32_ps(b, termB0), _mm256_permutevar8x32_ps(a, termA0));
    const __m256 w1 = _mm256_min_ps(_mm256_permutevar8x32_ps(b, termB1), _mm256_permutevar8x32_ps(a, termA1));
    Schreiben(Aktivierungen(_mm256_max_ps(w0, null), Ausgangsterm(felder), _mm256_max_ps(w1, null), Ausgangsterm(felder + 3)),
              anfang, ausgang);
}
#endif

} // namespace

std::array<float, 4> InferenzZugehoerigkeiten(Befehlssatz b, const TFuzzy& f)
{
    std::array<float, 4> mu{};
#ifdef TERMFORM_AVX2
    if (b == Befehlssatz::Avx2) {
        ZugehoerigkeitenAvx2(f, mu.data());
        return mu;
    }
#endif
    (void)b;
    for (int i = 1; i <= std::min(f.gueltigeAnzahl(), 4); ++i)
        mu[i - 1] = f.ZugehoerigkeitOhnePruefung(i);
    return mu;
}

void RegleAusgang(Befehlssatz b, const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegeltab& tabelle,
                  TFuzzy& ausgang)
{
#ifdef TERMFORM_AVX2
    if (b == Befehlssatz::Avx2)
        return TabelleAvx2(eingangA, eingangB, tabelle, ausgang);
#endif
    (void)b;
    TabelleStandard(eingangA, eingangB, tabelle, ausgang);
}

void RegleAusgang(Befehlssatz b, const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegelliste& regeln,
                  TFuzzy& ausgang)
{
#ifdef TERMFORM_AVX2
    if (b == Befehlssatz::Avx2)
        return ListeAvx2(eingangA, eingangB, regeln, ausgang);
#endif
    (void)b;
    ListeStandard(eingangA, eingangB, regeln, ausgang);
}

void RegleAusgang(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegeltab& tabelle, TFuzzy& ausgang)
{
    RegleAusgang(termform::Bester(), eingangA, eingangB, tabelle, ausgang);
}

void RegleAusgang(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegelliste& regeln, TFuzzy& ausgang)
{
    RegleAusgang(termform::Bester(), eingangA, eingangB, regeln, ausgang);
}

TKennfeld Kennfeld(TFuzzy& eingangA, TFuzzy& eingangB, const TRegeltab& tabelle, TFuzzy& ausgang)
{
    TKennfeld werte{};
    for (int i = 0; i < 20; ++i) {
        eingangA.setX(static_cast<float>(double(eingangA.a()) + i * (double(eingangA.b()) - eingangA.a()) / 20));
        for (int j = 0; j < 20; ++j) {
            eingangB.setX(static_cast<float>(double(eingangB.a()) + j * (double(eingangB.b()) - eingangB.a()) / 20));
            RegleAusgang(eingangA, eingangB, tabelle, ausgang);
            werte[i][j] = ausgang.Schwerpunktkoordinate();
        }
    }
    return werte;
}
