#include "forms/regtestform.h"

#include "core/projekt.h"
#include "core/zahlenformat.h"
#include "forms/ddgraphform.h"
#include "forms/klartext.h"
#include "forms/vartestform.h"
#include "platform/hilfe.h"
#include "platform/modal.h"
#include "tests/forms/klartext_hilfe.h"
#include "tests/fuzzy_hilfe.h"
#include "tests/qstring_ausgabe.h"
#include "widgets/aktivitaetsgitter.h"
#include "widgets/flaechendiagramm3d.h"
#include "widgets/fuzzyzeichnen.h"
#include "widgets/koordinatensystem.h"
#include "widgets/singedit.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The value of a scroll bar position of the rule tester on the base set fa..fb.
float schieberwert(float fa, float fb, int position)
{
    TFuzzy f;
    f.setA(fa);
    f.setB(fb);
    return Eingangswert(f, position, Schieberende);
}

const QString pendelDatei = QStringLiteral(TARVIK_TESTDATA "/../../examples/pendel.fuz");

TProjekt laden(const QString& datei)
{
    TProjekt p;
    p.Dateiname = datei;
    const TDateiErgebnis e = LoadFile(p);
    EXPECT_FALSE(e.meldung.has_value()) << datei.toStdString();
    return p;
}

// What the main window does before it shows the tester.
void uebergeben(TRegTestForm& f, const TProjekt& p)
{
    f.oeffnen({p.EingangA, p.EingangB, p.Ausgang, p.Regeltab});
}

// The worked example of the inference: two terms per input on 0..4, two
// output terms on -1..1.
TProjekt kleinesProjekt()
{
    TProjekt p;
    p.EingangA = fuzzytest::trapezVariable(0, 4, {{0, 0, 1, 2}, {1, 2, 3, 3}});
    p.EingangA.setName(QStringLiteral("Lage"));
    p.EingangB = fuzzytest::trapezVariable(0, 4, {{0, 0, 1, 2}, {1, 2, 3, 3}});
    p.EingangB.setName(QStringLiteral("Tempo"));
    p.Ausgang = fuzzytest::trapezVariable(-1, 1, {{-1, -1, -1, 0}, {0, 1, 1, 1}});
    p.Ausgang.setName(QStringLiteral("Stellwert"));
    for (TFuzzy* f : {&p.EingangA, &p.EingangB, &p.Ausgang})
        for (int i = 1; i <= f->Anzahl(); ++i)
            f->setTermname(i, QStringLiteral("T%1").arg(i));
    return p;
}

// A plot of the tester's size with the variable and its lines drawn directly.
QImage Referenzbild(const TKoordinatensystem& vorbild, TFuzzy f, float x)
{
    TKoordinatensystem k;
    k.resize(vorbild.size());
    k.setSkalenart(vorbild.Skalenart());
    k.setKSFarbe(vorbild.KSFarbe());
    f.FarbeInit();
    f.setX(x);
    Zeichnen(f, k);
    k.setStiftart(TStiftart::Xor);
    ZugehoerigkeitZeichnen(f, k);
    return k.Bild();
}

bool nurWeiss(const QImage& bild)
{
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if ((bild.pixel(x, y) & 0xffffff) != 0xffffff)
                return false;
    return true;
}

// Everything the tester shows, for comparing two openings.
struct Anzeige {
    QImage a, b, aus;
    QStringList texte;

    explicit Anzeige(const TRegTestForm& f)
        : a(f.Koordinatensystem1()->Bild())
        , b(f.Koordinatensystem2()->Bild())
        , aus(f.Koordinatensystem3()->Bild())
        , texte{f.SingEdit1()->text(), f.SingEdit2()->text(), f.SingEdit3()->text(), f.Label1()->text(),
                f.Label2()->text(), f.Ausganglabel()->text(), f.EingangALabel()->text(), f.EingangBLabel()->text(),
                QString::number(f.ScrollBar1()->value()), QString::number(f.ScrollBar2()->value())}
    {
    }
};

void vergleichen(const Anzeige& ist, const Anzeige& soll)
{
    EXPECT_EQ(ist.texte, soll.texte);
    EXPECT_TRUE(ist.a == soll.a) << "plot A";
    EXPECT_TRUE(ist.b == soll.b) << "plot B";
    EXPECT_TRUE(ist.aus == soll.aus) << "output plot";
}

// Saves a picture for looking at when TARVIK_BILDER names a folder.
void bildAblegen(QWidget& w, const QString& name)
{
    const QString ordner = qEnvironmentVariable("TARVIK_BILDER");
    if (!ordner.isEmpty())
        w.grab().save(QDir(ordner).filePath(name + QStringLiteral(".png")));
}

class RegTest : public testing::Test {
protected:
    TDDGraphForm graph;
    TRegTestForm form{&graph};
};

} // namespace

TEST_F(RegTest, InferenceFollowsTheScrollBarsLikeTheCommandLineTool)
{
    uebergeben(form, laden(pendelDatei));
    // Positions on -30..30 and -60..60, and the outputs "tarvik-cli eval" gives there.
    struct Fall {
        int a, b;
        float y;
    };
    for (const Fall& fall : {Fall{0, 0, -16.5f}, Fall{100, 100, 0}, Fall{125, 125, 7.73809528f},
                             Fall{60, 155, 3.11538482f}, Fall{140, 70, 1.66666663f}, Fall{200, 200, 16.5f},
                             Fall{90, 110, 0}}) {
        form.ScrollBar1()->setValue(fall.a);
        form.ScrollBar2()->setValue(fall.b);
        const float y = form.Daten().Ausgang.Schwerpunktkoordinate();
        EXPECT_NEAR(y, fall.y, 1e-5f) << fall.a << ", " << fall.b;
        EXPECT_EQ(form.SingEdit1()->text(), SingEditText(y));
        EXPECT_NEAR(form.Daten().EingangA.x(), -30 + 0.3f * fall.a, 1e-5f);
        EXPECT_EQ(form.SingEdit2()->text(), SingEditText(form.Daten().EingangA.x()));
        EXPECT_EQ(form.Label1()->text(), form.Daten().EingangA.ZListeString());
        EXPECT_EQ(form.Label2()->text(), form.Daten().EingangB.ZListeString());
    }
}

TEST(RegTestEingang, ScrollPositionMapsOntoTheUniverse)
{
    struct Fall {
        float fa, fb;
        int pos;
        float x;
    };
    for (const Fall& f : {Fall{-30, 30, 100, 0}, Fall{2, 7, 100, 4.5f}, Fall{2, 7, 0, 2}, Fall{2, 7, 200, 7},
                          Fall{-1, 1, 50, -0.5f}, Fall{5, 5, 120, 5}, Fall{3, 1, 100, 2}})
        EXPECT_FLOAT_EQ(schieberwert(f.fa, f.fb, f.pos), f.x) << f.fa << ".." << f.fb << " @" << f.pos;
}

// What "3D" hands the 3-D window: the surface of the rules, the names, and the
// operating point on the box the inputs' values fall on (the upper end of a
// universe and values beyond it on the last box).
TEST(RegTestKennfeld, TheOperatingPointSitsOnTheBoxOfTheInputsValues)
{
    TProjekt p = kleinesProjekt(); // A and B on 0..4
    p.Regeltab(1, 1) = 1;
    p.Regeltab(2, 2) = 2;
    struct Fall {
        float xa, xb;
        int i, j;
    };
    for (const Fall& f : {Fall{0, 0, 0, 0}, Fall{2.1f, 0.3f, 10, 1}, Fall{4, 4, 19, 19}, Fall{-1, 9, 0, 19}}) {
        SCOPED_TRACE(testing::Message() << f.xa << ", " << f.xb);
        TRegelDaten d{p.EingangA, p.EingangB, p.Ausgang, p.Regeltab};
        d.EingangA.setX(f.xa);
        d.EingangB.setX(f.xb);
        const TKennfeldDaten k = KennfeldDaten(d);
        ASSERT_TRUE(k.Arbeitspunkt.has_value());
        EXPECT_EQ(*k.Arbeitspunkt, QPointF(f.i + 0.5, f.j + 0.5));
        EXPECT_EQ(k.Arbeitswert, k.FuzzyDaten[f.i][f.j]);
    }
    TRegelDaten d{p.EingangA, p.EingangB, p.Ausgang, p.Regeltab};
    TFuzzy a = p.EingangA, b = p.EingangB, aus = p.Ausgang;
    const TKennfeldDaten k = KennfeldDaten(d);
    EXPECT_EQ(k.FuzzyDaten, Kennfeld(a, b, p.Regeltab, aus));
    EXPECT_EQ(k.NameA, QStringLiteral("Lage"));
    EXPECT_EQ(k.NameB, QStringLiteral("Tempo"));
    EXPECT_EQ(k.NameAusgang, QStringLiteral("Stellwert"));
    d.EingangB.setDefiniert(false);
    EXPECT_EQ(KennfeldDaten(d).NameB, QString());
}

TEST_F(RegTest, TheIndexOrderOfTheTableDecidesAndNoRuleGivesTheLeftEnd)
{
    TProjekt p = kleinesProjekt();
    p.Regeltab(2, 1) = 2; // B term 2 with A term 1
    uebergeben(form, p);
    form.ScrollBar1()->setValue(25);  // A = 0.5: (1, 0)
    form.ScrollBar2()->setValue(125); // B = 2.5: (0, 1)
    EXPECT_NEAR(form.Daten().Ausgang.Schwerpunktkoordinate(), 2.0f / 3, 1e-6f);

    p.Regeltab = {};
    p.Regeltab(1, 2) = 2;
    uebergeben(form, p);
    form.ScrollBar1()->setValue(25);
    form.ScrollBar2()->setValue(125);
    EXPECT_EQ(form.Daten().Ausgang.Schwerpunktkoordinate(), -1.0f);
    EXPECT_EQ(form.SingEdit1()->text(), SingEditText(-1));
    // The black line stands at the left end of the output plot: column 50.
    const QImage& bild = form.Koordinatensystem3()->Bild();
    const int unten = form.Koordinatensystem3()->height() - TKoordinatensystem::randy_int;
    EXPECT_EQ(bild.pixel(50, unten) & 0xffffff, 0u);
    EXPECT_EQ(bild.pixel(51, unten + 2) & 0xffffff, 0u);
}

TEST_F(RegTest, InputBUndefinedUsesTheFirstColumnAndShowsNothingOfB)
{
    TProjekt p = kleinesProjekt();
    p.EingangB.setDefiniert(false);
    p.Regeltab(1, 1) = 1;
    p.Regeltab(1, 2) = 2;
    p.Regeltab(2, 1) = 2; // not used without B
    p.Regeltab(2, 2) = 1;
    uebergeben(form, p);
    EXPECT_EQ(form.EingangBLabel()->text(), QString());
    EXPECT_EQ(form.Label2()->text(), QStringLiteral("Z ="));
    EXPECT_TRUE(nurWeiss(form.Koordinatensystem2()->Bild()));
    form.ScrollBar1()->setValue(150); // A = 3: term 2 only
    const float y = form.Daten().Ausgang.Schwerpunktkoordinate();
    EXPECT_NEAR(y, 2.0f / 3, 1e-6f);
    for (int pos : {70, 0, 200}) {
        form.ScrollBar2()->setValue(pos);
        EXPECT_EQ(form.Daten().Ausgang.Schwerpunktkoordinate(), y);
        EXPECT_EQ(form.SingEdit3()->text(), SingEditText(0.02f * pos));
    }
    EXPECT_TRUE(nurWeiss(form.Koordinatensystem2()->Bild()));
    EXPECT_EQ(form.Label2()->text(), QStringLiteral("Z ="));
}

TEST_F(RegTest, MembershipLinesAreErasedExactly)
{
    const TProjekt p = laden(pendelDatei);
    uebergeben(form, p);
    const QImage anfang = form.Koordinatensystem1()->Bild();
    EXPECT_TRUE(anfang == Referenzbild(*form.Koordinatensystem1(), p.EingangA, -30));
    for (int pos : {37, 100, 163, 200}) {
        form.ScrollBar1()->setValue(pos);
        form.ScrollBar2()->setValue(pos);
        EXPECT_TRUE(form.Koordinatensystem1()->Bild()
                    == Referenzbild(*form.Koordinatensystem1(), p.EingangA, schieberwert(-30, 30, pos)))
            << pos;
        EXPECT_TRUE(form.Koordinatensystem2()->Bild()
                    == Referenzbild(*form.Koordinatensystem2(), p.EingangB, schieberwert(-60, 60, pos)))
            << pos;
    }
    form.ScrollBar1()->setValue(0);
    EXPECT_TRUE(form.Koordinatensystem1()->Bild() == anfang);
}

TEST_F(RegTest, ThreeDSamplesOnCopiesAndLeavesTheTesterAsItWas)
{
    const TProjekt p = laden(pendelDatei);
    uebergeben(form, p);
    form.ScrollBar1()->setValue(125);
    form.ScrollBar2()->setValue(60);
    const Anzeige vorher(form);
    const float xa = form.Daten().EingangA.x();
    const float xb = form.Daten().EingangB.x();

    ScopedModal modal;
    QTest::mouseClick(form.B3d(), Qt::LeftButton);
    EXPECT_EQ(modal.dialoge(), QStringList{QStringLiteral("TDDGraphForm")});

    vergleichen(Anzeige(form), vorher);
    EXPECT_EQ(form.Daten().EingangA.x(), xa);
    EXPECT_EQ(form.Daten().EingangB.x(), xb);
    // The next step erases the right lines.
    form.ScrollBar1()->setValue(130);
    EXPECT_TRUE(form.Koordinatensystem1()->Bild()
                == Referenzbild(*form.Koordinatensystem1(), p.EingangA, schieberwert(-30, 30, 130)));

    // The 3-D window shows the surface of the project's rules.
    TFuzzy a = p.EingangA, b = p.EingangB, aus = p.Ausgang;
    const TKennfeld erwartet = Kennfeld(a, b, p.Regeltab, aus);
    for (int i = 0; i < 20; ++i) {
        const auto& serie = graph.Chart1()->Serie(i);
        ASSERT_EQ(serie.size(), 20u);
        for (int j = 0; j < 20; ++j)
            EXPECT_EQ(serie[j].wert, erwartet[i][j]) << i << ", " << j;
    }
}

TEST_F(RegTest, AReopeningWithAnotherProjectShowsNothingOfTheFirst)
{
    uebergeben(form, laden(pendelDatei));
    form.ScrollBar1()->setValue(150);
    form.ScrollBar2()->setValue(170);

    TProjekt zweites = kleinesProjekt();
    zweites.EingangB.setDefiniert(false);
    zweites.Regeltab(1, 2) = 1;
    uebergeben(form, zweites);

    TDDGraphForm graph2;
    TRegTestForm frisch(&graph2);
    uebergeben(frisch, zweites);
    vergleichen(Anzeige(form), Anzeige(frisch));
    EXPECT_EQ(form.ScrollBar1()->value(), 0);
    EXPECT_EQ(form.SingEdit2()->text(), SingEditText(0));

    // And back to a project with both inputs, also when the bars stand at 0.
    const TProjekt pendel = laden(pendelDatei);
    uebergeben(form, pendel);
    uebergeben(frisch, pendel);
    vergleichen(Anzeige(form), Anzeige(frisch));
    EXPECT_EQ(form.Label2()->text(), form.Daten().EingangB.ZListeString());
    EXPECT_EQ(form.SingEdit1()->text(), SingEditText(-16.5f));
}

TEST_F(RegTest, BrokenUniversesAndTermsNeitherCrashNorDraw)
{
    TProjekt p = kleinesProjekt();
    p.EingangA.setB(0); // a = b
    p.EingangB.setA(4); // b < a
    p.EingangB.setB(0);
    // Unordered corners and a term of width 0.
    fuzzytest::setzeTerm(p.Ausgang, 1, {1, 0, -1, -1, 1});
    fuzzytest::setzeTerm(p.Ausgang, 2, {0.5f, 0.5f, 0.5f, 0.5f, 1});
    p.Regeltab.werte.fill(1);
    p.Regeltab(2, 2) = 2;
    uebergeben(form, p);
    for (int pos : {0, 1, 100, 199, 200}) {
        form.ScrollBar1()->setValue(pos);
        form.ScrollBar2()->setValue(pos);
        EXPECT_EQ(form.Daten().EingangA.x(), 0.0f);
        EXPECT_FALSE(std::isnan(form.Daten().EingangB.x()));
    }
    const QImage& a = form.Koordinatensystem1()->Bild();
    // An empty range: no term, no line in the plot area.
    for (int y = 31; y < a.height() - 31; ++y)
        for (int x = 51; x < a.width() - 31; ++x)
            ASSERT_EQ(a.pixel(x, y) & 0xffffff, 0xffffffu) << x << ", " << y;
    ScopedModal modal;
    form.b3dClick();
    for (int i = 0; i < 20; ++i)
        for (const TFlaechendiagramm3D::TPunkt& punkt : graph.Chart1()->Serie(i))
            EXPECT_FALSE(std::isnan(punkt.wert));

    // Not even values beyond the float range break the tester.
    p.Ausgang.setA(-std::numeric_limits<float>::max());
    p.Ausgang.setB(std::numeric_limits<float>::max());
    uebergeben(form, p);
    form.ScrollBar1()->setValue(77);
    form.b3dClick();
}

TEST_F(RegTest, KeysMoveInputAHelpShowsTheRulesPageAndOkCloses)
{
    uebergeben(form, laden(pendelDatei));
    form.show();
    // The first input takes the keys at once.
    ASSERT_EQ(form.focusWidget(), form.ScrollBar1());
    QTest::keyClick(form.focusWidget(), Qt::Key_PageUp);
    EXPECT_EQ(form.ScrollBar1()->value(), 10);
    EXPECT_EQ(form.SingEdit2()->text(), SingEditText(form.Daten().EingangA.x()));
    ScopedHilfe hilfe;
    QTest::mouseClick(form.HelpBtn(), Qt::LeftButton);
    EXPECT_EQ(hilfe.seiten(), QList<HilfeSeite>{HilfeSeite::Regeln});
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Regeln testen"));
    EXPECT_EQ(form.Ausganglabel()->text(), QStringLiteral("Kraft"));
    QTest::mouseClick(form.OKBtn(), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
}

// Every key moves both inputs the way it moves the variable tester's value.
TEST_F(RegTest, KeysMoveTheInputsInTheDirectionOfTheVariableTester)
{
    const TProjekt p = laden(pendelDatei);
    uebergeben(form, p);
    TVarTestForm vergleich;
    vergleich.oeffnen(p.EingangA);
    const auto richtung = [](QScrollBar* s, Qt::Key taste) {
        s->setValue(s->maximum() / 2);
        QTest::keyClick(s, taste);
        return (s->value() > s->maximum() / 2) - (s->value() < s->maximum() / 2);
    };
    const Qt::Key tasten[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down,
                              Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    for (const Qt::Key taste : tasten) {
        const int soll = richtung(vergleich.ScrollBar1(), taste);
        ASSERT_NE(soll, 0) << taste;
        EXPECT_EQ(richtung(form.ScrollBar1(), taste), soll) << taste;
        EXPECT_EQ(richtung(form.ScrollBar2(), taste), soll) << taste;
    }
    // The right arrow: one step up, and the input's value follows.
    form.ScrollBar1()->setValue(100);
    QTest::keyClick(form.ScrollBar1(), Qt::Key_Right);
    EXPECT_EQ(form.ScrollBar1()->value(), 101);
    EXPECT_EQ(form.Daten().EingangA.x(), schieberwert(-30, 30, 101));
}

TEST_F(RegTest, TheReadOnlyValueFieldsHaveTheColourOfAButtonFace)
{
    uebergeben(form, laden(pendelDatei));
    form.ScrollBar1()->setValue(100);
    const QImage bild = form.grab().toImage();
    for (TSingEdit* e : {form.SingEdit1(), form.SingEdit2(), form.SingEdit3()}) {
        const QColor knopf = form.palette().color(QPalette::Button);
        EXPECT_EQ(e->palette().color(QPalette::Base), knopf);
        // Inside the frame, right of the text.
        const QPoint innen = e->geometry().bottomRight() - QPoint(4, 4);
        EXPECT_EQ(bild.pixelColor(innen), knopf) << e->text().toStdString();
    }
}

// Names come from the user: shown literally, never as markup, and a huge one
// is cut to the room of its label, whole in the tooltip.
TEST_F(RegTest, NamesAreShownLiterallyAndAHugeOneKeepsToItsPlace)
{
    const QString riesig(100000, QLatin1Char('W'));
    for (const QString& name : {MarkupName, riesig}) {
        SCOPED_TRACE(name.left(20).toStdString());
        TProjekt p = kleinesProjekt();
        p.EingangA.setName(name);
        p.EingangB.setName(name);
        p.Ausgang.setName(name);
        uebergeben(form, p);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        EXPECT_EQ(form.size(), QSize(720, 430));
        for (QLabel* l : {form.Ausganglabel(), form.EingangALabel(), form.EingangBLabel()}) {
            EXPECT_EQ(l->textFormat(), Qt::PlainText);
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width());
            if (l->text() == name) {
                EXPECT_TRUE(l->toolTip().isEmpty());
            } else {
                EXPECT_TRUE(l->text().endsWith(QChar(0x2026)));
                EXPECT_TRUE(name.startsWith(l->text().chopped(1)));
                EXPECT_TRUE(HinweisAlsText(l->toolTip()).startsWith(name.left(HinweisZeichen)));
            }
        }
        bildAblegen(form, QStringLiteral("regtest_name_%1").arg(name.size()));
        form.hide();
    }
}

TEST_F(RegTest, ActivityGridShowsEachRulesDegreeAndFramesTheDecidingOne)
{
    TProjekt p = laden(pendelDatei);
    p.Regeltab(2, 3) = 0; // A "null" with B "negativ klein": a hole
    uebergeben(form, p);
    TAktivitaetsgitter* g = form.Regelaktivitaet();
    ASSERT_FALSE(g->isHidden());
    for (const auto& [pa, pb] : {std::pair{125, 60}, std::pair{0, 0}, std::pair{100, 100}, std::pair{93, 37}}) {
        form.ScrollBar1()->setValue(pa);
        form.ScrollBar2()->setValue(pb);
        SCOPED_TRACE(testing::Message() << pa << ", " << pb);
        const TRegelAktivitaet& r = g->Aktivitaet();
        ASSERT_EQ(r.zeilen, 5);
        ASSERT_EQ(r.spalten, 5);
        const QImage& bild = g->Bild();
        for (int k = 1; k <= 5; ++k) {
            float groesster = 0;
            int gerahmt = 0;
            for (int i = 1; i <= 5; ++i)
                for (int j = 1; j <= 5; ++j) {
                    const TRegelZelle& z = r.zelle(i, j);
                    EXPECT_EQ(z.grad, std::min(form.Daten().EingangA.Zugehoerigkeit(i),
                                               form.Daten().EingangB.Zugehoerigkeit(j)));
                    const QRect c = g->Zelle(i, j);
                    const QRgb rand = bild.pixel(c.left() + 1, c.center().y()) & 0xffffff;
                    const QRgb grund = bild.pixel(c.left() + 2, c.center().y()) & 0xffffff;
                    if (z.ausgang == 0) {
                        EXPECT_EQ(grund, 0xe8e8e8u) << i << "/" << j;
                        continue;
                    }
                    EXPECT_EQ(grund, TAktivitaetsgitter::Schattierung(z.grad).rgb() & 0xffffff) << i << "/" << j;
                    if (z.ausgang != k)
                        continue;
                    groesster = std::max(groesster, z.grad);
                    if (rand == 0) {
                        ++gerahmt;
                        EXPECT_EQ(z.grad, form.Daten().Ausgang.Term(k, 5));
                    }
                }
            // The core's inference gave each term the largest degree of its rules.
            EXPECT_EQ(groesster, form.Daten().Ausgang.Term(k, 5)) << "term " << k;
            EXPECT_EQ(gerahmt, form.Daten().Ausgang.Term(k, 5) > 0 ? 1 : 0) << "term " << k;
        }
    }
}

TEST_F(RegTest, TheNoRuleLineAppearsExactlyWhenNoRuleActs)
{
    TProjekt p = kleinesProjekt();
    p.Regeltab(1, 1) = 1;
    p.Regeltab(2, 2) = 2;
    p.Regeltab(1, 2) = 3; // the output has two terms: no effect
    uebergeben(form, p);
    // A and B on 0..4 with terms (0, 0, 1, 2) and (1, 2, 3, 3).
    const struct {
        int a, b;
        bool keine;
    } faelle[] = {{0, 0, false}, {100, 0, true}, {25, 125, true}, {75, 75, false},
                  {50, 50, false}, {150, 150, false}, {200, 200, true}, {60, 40, false}};
    for (const auto& f : faelle) {
        form.ScrollBar1()->setValue(f.a);
        form.ScrollBar2()->setValue(f.b);
        bool alleNull = true;
        for (int k = 1; k <= form.Daten().Ausgang.Anzahl(); ++k)
            alleNull = alleNull && form.Daten().Ausgang.Term(k, 5) == 0;
        EXPECT_EQ(alleNull, f.keine) << f.a << ", " << f.b;
        EXPECT_EQ(form.KeineRegelLabel()->text(), f.keine ? TRegTestForm::KeineRegelText : QString())
            << f.a << ", " << f.b;
        if (f.keine) {
            EXPECT_EQ(form.Daten().Ausgang.Schwerpunktkoordinate(), form.Daten().Ausgang.a());
        }
    }
}

TEST_F(RegTest, WithoutInputBTheGridHasOneColumnAndATermBeyondTheOutputShowsAQuestionMark)
{
    TProjekt p = kleinesProjekt();
    p.EingangB.setDefiniert(false);
    p.Regeltab(1, 1) = 3; // the output has two terms
    p.Regeltab(1, 2) = 2;
    uebergeben(form, p);
    form.ScrollBar1()->setValue(10);
    const TRegelAktivitaet& r = form.Regelaktivitaet()->Aktivitaet();
    EXPECT_EQ(r.spalten, 1);
    EXPECT_EQ(r.zelle(1, 1).grad, 1.0f);
    EXPECT_FALSE(r.zelle(1, 1).massgebend);
    EXPECT_EQ(form.KeineRegelLabel()->text(), TRegTestForm::KeineRegelText);
    const QImage& bild = form.Regelaktivitaet()->Bild();
    const QRect zweite = form.Regelaktivitaet()->Zelle(1, 2);
    const QRgb hintergrund = bild.pixel(bild.width() - 1, bild.height() - 1);
    for (int y = zweite.top(); y <= zweite.bottom(); ++y)
        for (int x = zweite.left(); x <= zweite.right(); ++x)
            ASSERT_EQ(bild.pixel(x, y), hintergrund) << x << ", " << y;
}

// What the user sees of the tester: a picture of the window's fixed size in
// which every plot and the activity grid show their own pictures, the plots
// carry their terms' colours (input B's stays empty without input B), and the
// red line appears exactly when no rule acts.
TEST_F(RegTest, TheWindowShowsThePlotsAndTheNoRuleLineOnlyWhenNoRuleActs)
{
    // Pixels in a colour of their own: not white, grey or black.
    const auto farbig = [](const QImage& bild) {
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                n += std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 100;
            }
        return n;
    };
    const auto pruefen = [&](const QString& name, bool mitB, bool keineRegel) {
        SCOPED_TRACE(name.toStdString());
        const QImage bild = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(bild.size(), QSize(720, 430));
        const auto teil = [&](const QWidget* w) { return bild.copy(w->geometry()); };
        EXPECT_TRUE(teil(form.Koordinatensystem1()) == form.Koordinatensystem1()->Bild());
        EXPECT_TRUE(teil(form.Koordinatensystem2()) == form.Koordinatensystem2()->Bild());
        EXPECT_TRUE(teil(form.Koordinatensystem3()) == form.Koordinatensystem3()->Bild());
        EXPECT_TRUE(teil(form.Regelaktivitaet()) == form.Regelaktivitaet()->Bild());
        EXPECT_GT(farbig(teil(form.Koordinatensystem1())), 100);
        EXPECT_GT(farbig(teil(form.Koordinatensystem3())), 100);
        if (mitB) {
            EXPECT_GT(farbig(teil(form.Koordinatensystem2())), 100);
        } else {
            EXPECT_TRUE(nurWeiss(teil(form.Koordinatensystem2())));
        }
        EXPECT_EQ(farbig(teil(form.KeineRegelLabel())) > 0, keineRegel);
        bildAblegen(form, name);
    };
    const TProjekt p = laden(pendelDatei);
    uebergeben(form, p);
    pruefen(QStringLiteral("regtest_anfang"), true, false);
    form.ScrollBar1()->setValue(125);
    form.ScrollBar2()->setValue(60);
    pruefen(QStringLiteral("regtest_125_60"), true, false);
    form.ScrollBar1()->setValue(100);
    form.ScrollBar2()->setValue(100);
    pruefen(QStringLiteral("regtest_mitte"), true, false);
    TProjekt luecken = p;
    luecken.Regeltab(1, 1) = 0;
    uebergeben(form, luecken);
    pruefen(QStringLiteral("regtest_keine_regel"), true, true);
    TProjekt ohneB = kleinesProjekt();
    ohneB.EingangB.setDefiniert(false);
    ohneB.Regeltab(1, 2) = 2;
    uebergeben(form, ohneB);
    form.ScrollBar1()->setValue(140);
    pruefen(QStringLiteral("regtest_ohne_b"), false, false);
}
