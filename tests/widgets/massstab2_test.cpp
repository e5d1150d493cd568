// The drawing widgets on a screen scaled to 200 %: pictures at device
// resolution, lines one logical pixel wide, XOR erasing exact.
#include "hilfen.h"

#include "core/fuzzy.h"
#include "forms/vareditbilder.h"
#include "forms/verlaufform.h"
#include "plant/pendel.h"
#include "plant/simulation.h"
#include "widgets/aktivitaetsgitter.h"
#include "widgets/flaechendiagramm3d.h"
#include "widgets/fuzzyzeichnen.h"
#include "widgets/lineal1.h"
#include "widgets/pendelzeichnen.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

namespace {

// Set before main() creates the application, so that this program runs at
// 200 % wherever it is started.
const bool doppelt = qputenv("QT_SCALE_FACTOR", "2");

constexpr QRgb weiss = 0xffffff;

std::unique_ptr<TKoordinatensystem> editorPlot()
{
    auto k = plot(309, 197);
    k->setXBereich(0, 100);
    k->setYBereich(0, 1);
    return k;
}

// Set device pixels in one device column, top to bottom.
QList<int> zeilenIn(const QImage& b, int spalte, QRgb hintergrund = weiss)
{
    QList<int> zeilen;
    for (int y = 0; y < b.height(); ++y)
        if (rgb(b, spalte, y) != hintergrund)
            zeilen << y;
    return zeilen;
}

TEST(Massstab2, PlotPictureHasTwiceThePixelsAndTheSameLogicalGeometry)
{
    ASSERT_TRUE(doppelt);
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2);
    auto k = editorPlot();
    EXPECT_EQ(k->Bild().size(), QSize(618, 394));
    EXPECT_EQ(k->Bild().devicePixelRatio(), 2);
    k->setX(50);
    k->setY(0.5f);
    EXPECT_EQ(k->xint(), 164);
    EXPECT_EQ(k->yint(), 99);

    // On the screen the plot shows its picture pixel for pixel.
    k->setKSFarbe(QColor(128, 128, 128));
    k->Ks();
    k->moveto(0, 0);
    k->lineto(100, 1);
    const QImage schirm = k->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(schirm.size(), k->Bild().size());
    EXPECT_EQ(unterschiede(schirm, k->Bild()), 0);
}

TEST(Massstab2, LinesAreOneLogicalPixelWideAndStepByDevicePixels)
{
    auto k = plot(200, 120);
    TCanvas& c = k->Canvas();
    c.Stift.Farbe = Qt::black;
    const QImage& b = k->Bild();

    // Along an axis: the device pixels of the logical pixels, end left out.
    c.MoveTo(60, 20);
    c.LineTo(100, 20);
    for (const int x : {120, 151, 199})
        EXPECT_EQ(zeilenIn(b, x), (QList<int>{40, 41})) << x;
    EXPECT_TRUE(zeilenIn(b, 200).isEmpty());
    c.Stift.Breite = 2;
    c.MoveTo(30, 80);
    c.LineTo(30, 40); // upwards: rows 80 down to 41, columns 29 and 30
    EXPECT_EQ(zeilenIn(b, 60).size(), 80);
    EXPECT_EQ(zeilenIn(b, 58), zeilenIn(b, 61));
    EXPECT_EQ(zeilenIn(b, 60).front(), 82);
    EXPECT_EQ(zeilenIn(b, 60).back(), 161);
    EXPECT_TRUE(zeilenIn(b, 62).isEmpty());
    EXPECT_TRUE(zeilenIn(b, 57).isEmpty());

    // Slanted: two device pixels in every column, one above the other, and
    // steps of one device pixel where an enlarged picture would step by two.
    auto s = plot(200, 120);
    TCanvas& cs = s->Canvas();
    cs.Stift.Farbe = Qt::black;
    cs.MoveTo(20, 10);
    cs.LineTo(80, 40);
    std::set<int> oben;
    int vorher = -1;
    for (int x = 40; x < 160; ++x) {
        const QList<int> z = zeilenIn(s->Bild(), x);
        ASSERT_EQ(z.size(), 2) << x;
        EXPECT_EQ(z[1], z[0] + 1) << x;
        if (vorher >= 0) {
            EXPECT_LE(z[0] - vorher, 1) << x;
        }
        vorher = z[0];
        oben.insert(z[0]);
    }
    EXPECT_EQ(*oben.begin(), 20);
    EXPECT_GT(oben.size(), 50u); // 60 rows in all; 30 steps only when enlarged
}

TEST(Massstab2, PointsRectanglesAndDotsCoverTheDevicePixelsOfTheirLogicalPixels)
{
    // What does not slant is the picture at ratio 1, each pixel doubled.
    QImage einfach(120, 80, QImage::Format_RGB32);
    QImage doppelt2(240, 160, QImage::Format_RGB32);
    doppelt2.setDevicePixelRatio(2);
    for (QImage* bild : {&einfach, &doppelt2}) {
        bild->fill(Qt::white);
        TCanvas c(*bild, [](const QRect&) {});
        c.Stift.Farbe = QColor(0, 0, 160);
        c.Pinsel.Farbe = QColor(200, 0, 0);
        for (const int breite : {1, 2, 3}) {
            c.Stift.Breite = breite;
            c.Rectangle(5 + 30 * breite, 5, 20 + 30 * breite, 15);
            c.MoveTo(5, 20 + 10 * breite);
            c.LineTo(110, 20 + 10 * breite);
            c.MoveTo(100 + 5 * breite, 75);
            c.LineTo(100 + 5 * breite, 40);
        }
        c.Stift.Breite = 1;
        c.Stift.Stil = Qt::DotLine;
        c.MoveTo(2, 70);
        c.LineTo(90, 70);
        c.MoveTo(2, 5);
        c.LineTo(2, 60);
        c.Stift.Stil = Qt::SolidLine;
        c.Punkt(50, 60);
        c.Stift.Modus = TStiftart::Xor;
        c.Pinsel.hohl = true;
        c.Rectangle(30, 50, 40, 57);
        c.Pinsel.Farbe = Qt::green;
        c.FillRect(QRect(70, 50, 6, 4));
    }
    const QImage vergroessert = einfach.scaled(240, 160, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_EQ(unterschiede(vergroessert, doppelt2), 0);
}

// At 125 to 175 % a line of width w covers round(w x ratio) device pixels
// across, and XOR still erases exactly.
TEST(Massstab2, FractionalRatiosKeepLinesWholeAndXorExact)
{
    for (const qreal ratio : {1.25, 1.5, 1.75}) {
        QImage bild(int(std::ceil(200 * ratio)), int(std::ceil(120 * ratio)), QImage::Format_RGB32);
        bild.setDevicePixelRatio(ratio);
        bild.fill(Qt::white);
        const QImage leer = bild.copy();
        TCanvas c(bild, [](const QRect&) {});
        c.Stift.Farbe = QColor(0, 90, 200);
        c.Stift.Modus = TStiftart::Xor;
        const auto zeichnen = [&] {
            for (const int breite : {1, 2}) {
                c.Stift.Breite = breite;
                c.MoveTo(10, 10 + 40 * breite);
                c.LineTo(150, 10 + 40 * breite);
                c.LineTo(170, 5);
                c.LineTo(30, 115);
                c.Punkt(100, 100);
            }
        };
        zeichnen();
        const QList<int> zeilen = zeilenIn(bild, int(100 * ratio));
        for (const int breite : {1, 2}) {
            const double mitte = (10 + 40 * breite) * ratio;
            const auto n = std::count_if(zeilen.begin(), zeilen.end(), [&](int z) { return std::abs(z - mitte) < 3 * ratio; });
            EXPECT_EQ(n, std::lround(breite * ratio)) << ratio << " " << breite;
        }
        zeichnen();
        EXPECT_EQ(unterschiede(leer, bild), 0) << ratio;
    }
}

TEST(Massstab2, TextIsDrawnAtDeviceResolution)
{
    auto k = plot(200, 80);
    k->Canvas().Schriftfarbe = Qt::black;
    k->Canvas().TextOut(20, 10, QStringLiteral("Winkel -10.00"));
    const QImage& b = k->Bild();
    const QImage ink = tinte(b, b.rect(), weiss);
    ASSERT_FALSE(ink.isNull());
    const int breite = k->Canvas().TextWidth(QStringLiteral("Winkel -10.00"));
    EXPECT_NEAR(ink.width(), 2 * breite, 6);
    // An enlarged picture consists of 2 x 2 blocks of one colour; this one
    // has finer detail.
    int fein = 0;
    for (int y = 0; y + 1 < b.height(); y += 2)
        for (int x = 0; x + 1 < b.width(); x += 2)
            fein += b.pixel(x, y) != b.pixel(x + 1, y) || b.pixel(x, y) != b.pixel(x, y + 1);
    EXPECT_GT(fein, 20);
}

TPendel anlage(bool pendelTyp, float x, float winkel)
{
    TPendel p;
    p.setPendelTyp(pendelTyp);
    PendelStarten(p, {});
    p.setX(x);
    p.setWinkel(winkel);
    return p;
}

TFuzzy winkelVariable(float x)
{
    TFuzzy f;
    f.setDefiniert(true);
    f.setA(-30);
    f.setB(30);
    f.setAnzahl(3);
    const float terme[3][4] = {{-30, -30, -17, -3}, {-12, -1, 2, 13}, {4, 19, 30, 30}};
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 4; ++j)
            f.setTerm(i, j, terme[i - 1][j - 1]);
        f.setTerm(i, 5, 0.3f * i);
    }
    f.FarbeInit();
    f.setX(x);
    return f;
}

// Every moving figure of the program, drawn twice in XOR mode, leaves the
// plot exactly as it was.
TEST(Massstab2, XorDrawingTwiceLeavesNoTrace)
{
    struct Fall {
        const char* was;
        std::function<void(TKoordinatensystem&)> zeichnen;
    };
    const Fall faelle[] = {
        {"Linienzug in drei Breiten",
         [](TKoordinatensystem& k) {
             for (const int breite : {1, 2, 3}) {
                 k.Canvas().Stift.Breite = breite;
                 k.moveto(0, 0);
                 k.lineto(30, 0.9f);
                 k.lineto(60, 0.1f);
                 k.lineto(60, 5); // leaves the control at the top
                 k.lineto(-20, -3);
                 k.point(70, 0.5f);
                 k.spot(80, 0.5f);
             }
         }},
        {"Pendel",
         [](TKoordinatensystem& k) {
             k.setXBereich(-4, 4);
             k.setYBereich(-0.1f, 2.5f);
             ZeigePendel(anlage(true, 1, 17), k);
         }},
        {"Laufkatze",
         [](TKoordinatensystem& k) {
             k.setXBereich(-4, 4);
             k.setYBereich(-0.1f, 2.5f);
             ZeigePendel(anlage(false, -1.5f, -23), k);
         }},
        {"Zugehörigkeitslinien",
         [](TKoordinatensystem& k) {
             k.setXBereich(-30, 30);
             ZugehoerigkeitZeichnen(winkelVariable(3.3f), k);
         }},
        {"Rechteck mit Pinsel",
         [](TKoordinatensystem& k) {
             k.Canvas().Stift.Breite = 2;
             k.Canvas().Rectangle(100, 60, 141, 93);
         }},
    };
    for (const Fall& f : faelle) {
        auto k = editorPlot();
        k->setKSFarbe(QColor(128, 128, 128));
        k->Ks();
        k->setStiftart(TStiftart::Xor);
        k->setGraphFarbe(QColor(0, 128, 128));
        k->Canvas().Stift.Modus = TStiftart::Xor;
        k->Canvas().Stift.Farbe = QColor(0, 128, 128);
        k->Canvas().Pinsel.Farbe = QColor(40, 80, 0);
        const QImage vorher = k->Bild();
        f.zeichnen(*k);
        EXPECT_GT(unterschiede(vorher, k->Bild()), 40) << f.was;
        f.zeichnen(*k);
        EXPECT_EQ(unterschiede(vorher, k->Bild()), 0) << f.was;
    }
}

// A term's outline and a pair of membership lines touch no pixel twice, so
// that in XOR mode their corners have no holes: drawn in XOR with white on
// white each gives the same picture as drawn in black.
TEST(Massstab2, XorOutlinesHaveNoHolesAtTheirCorners)
{
    const TFuzzy f = winkelVariable(-5.5f);
    const auto bild = [&](int figur, TStiftart art) {
        auto k = plot(373, 221);
        k->setXBereich(-30, 30);
        k->setYBereich(0, 1);
        k->setStiftart(art);
        k->setGraphFarbe(art == TStiftart::Xor ? Qt::white : Qt::black);
        if (figur <= f.Anzahl()) {
            k->moveto(f.a(), 0);
            for (const auto& [x, y] : {std::pair{f.Term(figur, 1), 0.0f}, {f.Term(figur, 2), f.Term(figur, 5)},
                                       {f.Term(figur, 3), f.Term(figur, 5)}, {f.Term(figur, 4), 0.0f}, {f.b(), 0.0f}})
                k->lineto(x, y);
        } else {
            k->Canvas().Stift.Breite = 2;
            k->moveto(f.x(), 0);
            k->lineto(f.x(), 0.7f);
            k->lineto(f.a(), 0.7f);
        }
        return k->Bild().copy();
    };
    for (int figur = 1; figur <= f.Anzahl() + 1; ++figur)
        EXPECT_EQ(unterschiede(bild(figur, TStiftart::Kopieren), bild(figur, TStiftart::Xor)), 0) << figur;
}

// The search window puts back its empty picture by stretching a copy of it
// over the plot.
TEST(Massstab2, ACopyOfThePictureStretchedOverThePlotPutsItBack)
{
    auto k = editorPlot();
    k->setKSFarbe(QColor(128, 128, 128));
    k->setSkalenart(TSkala::ganz);
    k->Ks();
    const QImage leer = k->Bild().copy();
    k->moveto(0, 0);
    k->lineto(100, 1);
    k->Canvas().StretchDraw(k->rect(), leer);
    EXPECT_EQ(unterschiede(leer, k->Bild()), 0);
}

TEST(Massstab2, RulerTicksAreOneLogicalPixelAtTheirDeviceColumns)
{
    TLineal1 l;
    l.resize(365, 30);
    l.setXlinks(-6);
    l.setXrechts(6);
    l.setRastermodul(1);
    l.setSkalamodul(1);
    l.setLinealfarbe(Qt::white);
    const QImage b = l.Bild();
    EXPECT_EQ(b.size(), QSize(730, 60));
    EXPECT_EQ(b.devicePixelRatio(), 2);
    QList<int> spalten;
    for (int x = 0; x < b.width(); ++x)
        if (rgb(b, x, 24) == 0) // row 12 of the long ticks
            spalten << x;
    QList<int> erwartet;
    for (const int px : {10, 39, 68, 96, 125, 154, 182, 211, 240, 269, 298, 326, 355})
        erwartet << 2 * px << 2 * px + 1;
    EXPECT_EQ(spalten, erwartet);
    EXPECT_EQ(zeilenIn(b, 100), (QList<int>{10, 11})); // the base line, row 5
}

TEST(Massstab2, ChartIsDrawnAtDeviceResolution)
{
    TFlaechendiagramm3D c;
    c.resize(400, 300);
    c.setSerienanzahl(2);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            c.PunktAnfuegen(i, float(i + j), QColor(255, 0, 0));
    const QImage& b = c.Bild();
    EXPECT_EQ(b.size(), QSize(800, 600));
    EXPECT_EQ(b.devicePixelRatio(), 2);
    const QPointF p = c.Projektion(2.5, 1.5, 3);
    EXPECT_EQ(rgb(b, qRound(2 * p.x()), qRound(2 * p.y())), 0xff0000u);
}

TEST(Massstab2, ProgressCurveIsDrawnAtDeviceResolution)
{
    TVerlaufform f;
    TNotenPlot& p = *f.Plot();
    p.leeren();
    p.anhaengen(QList<TNotenPunkt>{{1, 40, 60}, {2, 30, 50}, {3, 20, 45}});
    const QImage& b = p.Bild();
    EXPECT_EQ(b.size(), 2 * p.size());
    EXPECT_EQ(b.devicePixelRatio(), 2);
    const QPointF mitte = (p.Pixel(2, 30) + p.Pixel(3, 20)) / 2;
    EXPECT_EQ(rgb(b, qRound(2 * mitte.x()), qRound(2 * mitte.y())), TNotenPlot::BesteFarbe.rgb() & 0xffffff);
    const QImage schirm = p.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(unterschiede(schirm, b), 0);
}

// Whether a device picture is more than its logical picture enlarged: some
// block of 2 x 2 device pixels inside the rectangle is not of one colour.
bool feinerAlsVergroessert(const QImage& b, const QRect& geraet)
{
    for (int y = geraet.top() & ~1; y + 1 <= geraet.bottom(); y += 2)
        for (int x = geraet.left() & ~1; x + 1 <= geraet.right(); x += 2) {
            const QRgb p = b.pixel(x, y);
            if (b.pixel(x + 1, y) != p || b.pixel(x, y + 1) != p || b.pixel(x + 1, y + 1) != p)
                return true;
        }
    return false;
}

TEST(Massstab2, ActivityGridHasFramesOfOneLogicalPixelAndSharpTexts)
{
    TAktivitaetsgitter g;
    g.resize(TAktivitaetsgitter::Kopfbreite + 5 * 37, TAktivitaetsgitter::Kopfhoehe + 5 * 28);
    g.setBeschriftung({QStringLiteral("NG"), QStringLiteral("NK")}, {QStringLiteral("PG"), QStringLiteral("PK")},
                      {QStringLiteral("NU")}, {QColor(0, 120, 0)});
    TRegelAktivitaet a;
    a.zeilen = 2;
    a.spalten = 2;
    a.zellen[0][0] = {1, 0.75f, true};
    a.zellen[0][1] = {1, 0.25f, false};
    a.zellen[1][0] = {0, 0.5f, false};
    g.setAktivitaet(a);
    const QImage& b = g.Bild();
    ASSERT_EQ(b.size(), 2 * g.size());
    EXPECT_EQ(b.devicePixelRatio(), 2);

    // The frame of a cell without the black one: the two device columns of
    // its left logical column, then the shading.
    const QRect z = g.Zelle(1, 2);
    const int y = 2 * z.center().y();
    EXPECT_EQ(rgb(b, 2 * z.left(), y), 0xa0a0a0u);
    EXPECT_EQ(rgb(b, 2 * z.left() + 1, y), 0xa0a0a0u);
    EXPECT_EQ(rgb(b, 2 * z.left() + 2, y), TAktivitaetsgitter::Schattierung(0.25f).rgb() & 0xffffff);
    EXPECT_EQ(rgb(b, 2 * z.right() + 1, y), 0xa0a0a0u);
    EXPECT_EQ(rgb(b, 2 * z.right() - 1, y), TAktivitaetsgitter::Schattierung(0.25f).rgb() & 0xffffff);
    // The black frame of the deciding rule: over the cell's own frame, two
    // logical pixels, four device pixels.
    const QRect m = g.Zelle(1, 1);
    for (int x = 2 * m.left(); x < 2 * m.left() + 4; ++x)
        EXPECT_EQ(rgb(b, x, 2 * m.center().y()), 0u) << x;
    EXPECT_EQ(rgb(b, 2 * m.left() + 4, 2 * m.center().y()), TAktivitaetsgitter::Schattierung(0.75f).rgb() & 0xffffff);

    // The texts are rendered at the device resolution, where they are.
    const QRect oben(2 * z.left() + 4, 2 * z.top() + 2, 2 * z.width() - 8, z.height());
    EXPECT_TRUE(etwasAnders(b, oben, TAktivitaetsgitter::Schattierung(0.25f).rgb()));
    EXPECT_TRUE(feinerAlsVergroessert(b, oben));
    const QRect kopf(0, 2 * z.top(), 2 * TAktivitaetsgitter::Kopfbreite, 2 * z.height());
    EXPECT_TRUE(feinerAlsVergroessert(b, kopf));

    // On the screen the grid shows its picture pixel for pixel.
    const QImage schirm = g.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(unterschiede(schirm, b), 0);
}

TEST(Massstab2, VariableEditorPicturesAtDeviceResolution)
{
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPixelSize(11);
    const QImage einfach = Trapezskizze(QSize(255, 144), schrift);
    const QImage skizze = Trapezskizze(QSize(255, 144), schrift, 2);
    ASSERT_EQ(skizze.size(), QSize(510, 288));
    EXPECT_EQ(skizze.devicePixelRatio(), 2);
    EXPECT_EQ(einfach.size(), QSize(255, 144));
    // The lowered frame: dark at the top, light at the bottom, each two
    // device rows, then white.
    EXPECT_EQ(rgb(skizze, 100, 0), 0x808080u);
    EXPECT_EQ(rgb(skizze, 100, 1), 0x808080u);
    EXPECT_EQ(rgb(skizze, 100, 2), weiss);
    EXPECT_EQ(rgb(skizze, 100, 287), 0xe6e6e6u);
    EXPECT_EQ(rgb(skizze, 100, 286), 0xe6e6e6u);
    EXPECT_EQ(rgb(skizze, 100, 285), weiss);
    EXPECT_TRUE(feinerAlsVergroessert(skizze, QRect(0, 0, 510, 288).adjusted(4, 4, -4, -4)));

    // The button glyphs have a picture of their own at ratio 2.
    for (const TGlyphe art : {TGlyphe::Editieren, TGlyphe::Anfuegen, TGlyphe::Ersetzen}) {
        const QPixmap p = Glyphe(art).pixmap(QSize(16, 16), 2);
        EXPECT_EQ(p.size(), QSize(32, 32));
        EXPECT_EQ(p.devicePixelRatio(), 2);
        const QImage bild = p.toImage();
        EXPECT_TRUE(feinerAlsVergroessert(bild, bild.rect())) << int(art);
    }
}

} // namespace
