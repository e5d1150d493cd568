// The time plot under the simulation panel: the rows it records, the 30 s
// window, its pixels, the CSV against the command-line tool, and its buttons.
#include "app/simulationspanel.h"
#include "app/verlauf.h"
#include "app/verlaufplot.h"
#include "core/projekt.h"
#include "plant/simulation.h"
#include "platform/dateidialog.h"
#include "platform/meldung.h"
#include "platform/uhr.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include "tests/cli/cli_lauf.h"
#include "tests/platform/meldung_ausgabe.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString Beispiele = QStringLiteral(TARVIK_TESTDATA "/../../examples/");

struct Verlauf : testing::Test {
    TProjekt projekt;
    TPendel pendel;
    bool abbruch = false;
    std::int32_t zeitfaktor = 1;
    TEinstellungen einstellungen;
    QWidget fenster;
    TSimulationspanel panel{projekt, pendel, abbruch, zeitfaktor, einstellungen, &fenster};
    ScopedUhr uhr{1000, 25};
    TVerlaufPlot& plot = *panel.Verlauf()->Plot();

    Verlauf() { fenster.resize(1000, 900); }

    void laden(const char* name)
    {
        projekt.Dateiname = Beispiele + QString::fromUtf8(name);
        ASSERT_FALSE(LoadFile(projekt).meldung);
    }
    void nachDurchlaeufen(int n)
    {
        panel.setNachDurchlauf([this, n] {
            if (panel.Durchlaeufe() >= n)
                abbruch = true;
        });
    }
    // n passes of a fuzzy crane run with a fixed step.
    void kranLauf(int n, float schritt = 0.05f)
    {
        laden("kran.fuz");
        panel.FuzzyRegelung2Click();
        panel.setFesterSchritt(schritt);
        nachDurchlaeufen(n);
        panel.Start2Click();
    }
};

TEST_F(Verlauf, RecordsThePlantOfEveryPassAndStartsAfreshAtStart)
{
    kranLauf(40);
    TProjekt kopie;
    kopie.Dateiname = Beispiele + QStringLiteral("kran.fuz");
    LoadFile(kopie);
    TPendel soll;
    soll.setPendelTyp(false);
    PendelStarten(soll, {});
    const auto& punkte = plot.Punkte();
    ASSERT_EQ(punkte.size(), 41u);
    EXPECT_EQ(punkte[0].zeit, 0);
    EXPECT_EQ(punkte[0].x, -3);
    for (std::size_t i = 1; i < punkte.size(); ++i) {
        const bool gruen = FuzzyDurchlauf(soll, kopie.EingangA, kopie.EingangB, kopie.Regeltab, kopie.AusgangKopie, 0.05f);
        EXPECT_FLOAT_EQ(punkte[i].zeit, soll.Zeit());
        EXPECT_FLOAT_EQ(punkte[i].x, soll.x());
        EXPECT_FLOAT_EQ(punkte[i].winkel, soll.winkel());
        EXPECT_FLOAT_EQ(punkte[i].kraft, soll.Kraft());
        EXPECT_EQ(punkte[i].gruen, gruen);
    }
    // The curve of each strip passes through its last row.
    const TVerlaufPunkt& letzter = punkte.back();
    const int spalte = static_cast<int>(std::lround(plot.Spalte(letzter.zeit))) - 1;
    for (int streifen = 0; streifen < 3; ++streifen) {
        const float wert = streifen == 0 ? letzter.x : streifen == 1 ? letzter.winkel : letzter.kraft;
        const int zeile = static_cast<int>(std::lround(plot.Zeile(streifen, wert)));
        bool gefunden = false;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -2; dy <= 2; ++dy)
                gefunden |= plot.Bild().pixelColor(spalte + dx, zeile + dy) == TVerlaufPlot::Farben()[std::size_t(streifen)];
        }
        EXPECT_TRUE(gefunden) << streifen;
    }
    // The plot stays after Stop and starts afresh with the next run.
    panel.Handregelung1Click();
    EXPECT_EQ(plot.Punkte().size(), 41u);
    nachDurchlaeufen(3);
    panel.StartClick();
    EXPECT_EQ(plot.Punkte().size(), 4u);
    EXPECT_FLOAT_EQ(plot.Punkte()[0].x, 1.5f);
    EXPECT_FLOAT_EQ(plot.Punkte()[0].winkel, 10.0f);
}

TEST_F(Verlauf, ShowsTheLast30SecondsAndRedrawsOnlyWhenTheWindowMoves)
{
    kranLauf(300);
    EXPECT_EQ(plot.Fensteranfang(), 0);
    const int vorher = plot.Neuzeichnungen();
    nachDurchlaeufen(800); // 40 s
    panel.Start2Click();
    EXPECT_EQ(plot.Punkte().size(), 801u);
    EXPECT_FLOAT_EQ(plot.Fensteranfang(), std::ceil(plot.Punkte().back().zeit - 30));
    EXPECT_GE(plot.Fensteranfang(), 10);
    // A full picture once per second of scrolling and per range change, not per pass.
    EXPECT_LT(plot.Neuzeichnungen() - vorher, 20);
    EXPECT_NEAR(plot.Spalte(plot.Fensteranfang()), 64, 0.5);

    // The picture built by shifting is the picture drawn from the rows, up
    // to the blending of a few antialiased pixels where segments meet.
    const QImage geschoben = plot.Bild().copy();
    plot.Neuzeichnen();
    int abweichend = 0;
    for (int y = 0; y < geschoben.height(); ++y) {
        for (int x = 0; x < geschoben.width(); ++x) {
            const QColor a = geschoben.pixelColor(x, y);
            const QColor b = plot.Bild().pixelColor(x, y);
            abweichend += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 60;
        }
    }
    EXPECT_LT(abweichend, 40);
}

TEST_F(Verlauf, GreenPhasesOfTheCraneAreShaded)
{
    kranLauf(300);
    const auto& punkte = plot.Punkte();
    // The middle of the first green phase of ten rows or more.
    auto gruen = punkte.begin() + 1;
    while (gruen + 10 < punkte.end() && !std::all_of(gruen, gruen + 10, [](const auto& p) { return p.gruen; }))
        ++gruen;
    ASSERT_LT(gruen + 10, punkte.end());
    gruen += 5;
    const QRgb schattiert = plot.Bild().pixel(static_cast<int>(plot.Spalte(gruen->zeit)),
                                              static_cast<int>(plot.Zeile(0, 4.5f)));
    EXPECT_EQ(QColor(schattiert), QColor(196, 240, 196));
    const QRgb frei = plot.Bild().pixel(static_cast<int>(plot.Spalte(1.0f)), static_cast<int>(plot.Zeile(0, 4.5f)));
    EXPECT_EQ(QColor(frei), QColor(Qt::white));
}

TEST_F(Verlauf, CsvOfTheRunEqualsTheCommandLineToolsSimulate)
{
    kranLauf(600);
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("lauf.csv"));
    ScopedDateiDialoge dialoge({datei});
    panel.Verlauf()->DatenSpeichern()->click();
    ASSERT_EQ(dialoge.dialoge().size(), 1);
    EXPECT_EQ(dialoge.dialoge()[0].standardEndung, QStringLiteral("csv"));
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const clitest::Lauf cli = clitest::cli(
        {QStringLiteral("simulate"), Beispiele + QStringLiteral("kran.fuz"), QStringLiteral("--plant"),
         QStringLiteral("crane"), QStringLiteral("--steps"), QStringLiteral("600")});
    ASSERT_EQ(cli.status, 0);
    EXPECT_EQ(QString::fromLatin1(f.readAll()), cli.aus);
}

TEST_F(Verlauf, CopiesSavesAPngAndHides)
{
    kranLauf(20);
    panel.Verlauf()->Kopieren()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->image(), plot.Bild());

    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("verlauf.png"));
    {
        ScopedDateiDialoge dialoge({datei, std::nullopt});
        panel.Verlauf()->BildSpeichern()->click();
        panel.Verlauf()->BildSpeichern()->click(); // cancelled: nothing happens
    }
    EXPECT_EQ(QImage(datei).convertToFormat(QImage::Format_RGB32), plot.Bild());

    // A name that cannot be written gets a message and leaves nothing behind.
    {
        const QString falsch = ordner.filePath(QStringLiteral("fehlt/verlauf.csv"));
        ScopedDateiDialoge dialoge({falsch, ordner.filePath(QStringLiteral("fehlt/verlauf.png"))});
        ScopedMeldungen meldungen;
        panel.Verlauf()->DatenSpeichern()->click();
        panel.Verlauf()->BildSpeichern()->click();
        EXPECT_EQ(meldungen.texte(), (QStringList{VerlaufTexte::nichtGespeichert(falsch),
                                                  VerlaufTexte::nichtGespeichert(ordner.filePath(QStringLiteral("fehlt/verlauf.png")))}));
    }

    panel.FuzzyRegelung2Click();
    EXPECT_TRUE(panel.Verlauf()->isVisible() || !fenster.isVisible());
    panel.Verlauf()->Anzeigen()->click();
    EXPECT_TRUE(plot.isHidden());
    EXPECT_TRUE(panel.Verlauf()->Kopieren()->isHidden());
    EXPECT_FALSE(panel.Verlauf()->Anzeigen()->isHidden());
    panel.BitBtn2()->click();
    EXPECT_TRUE(panel.Verlauf()->isHidden());
}

TEST_F(Verlauf, SitsCentredUnderThePanel)
{
    panel.Handregelung1Click();
    const TVerlauf* v = panel.Verlauf();
    EXPECT_EQ(v->parentWidget(), &fenster);
    EXPECT_EQ(v->y(), panel.y() + panel.height() + 8);
    EXPECT_NEAR(v->x() + v->width() / 2, panel.x() + panel.width() / 2, 1);
}

} // namespace

#include "app/hilfeform.h"

#include <QTextBrowser>

namespace {

TEST(VerlaufHilfe, TheSimulationPageShowsThePictureOfARun)
{
    THilfeForm h;
    h.oeffnen(HilfeSeite::Simulation);
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("Einschwingzeit")));
    const QVariant bild = h.Browser()->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("verlauf.png")));
    EXPECT_FALSE(qvariant_cast<QImage>(bild).isNull() && qvariant_cast<QPixmap>(bild).isNull() &&
                 bild.toByteArray().isEmpty());
    h.close();
}

} // namespace

// After a second Start the first run lies in grey under the new one; the
// check box hides it, and the data hold both runs, each row named.
TEST_F(Verlauf, ThePreviousRunStaysInGreyUnderTheNewOne)
{
    kranLauf(80);
    const std::vector<TVerlaufPunkt> erster = plot.Punkte();
    EXPECT_TRUE(plot.VorigePunkte().empty());
    const auto grauePixel = [this] {
        int n = 0;
        const QImage& b = plot.Bild();
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                n += QColor(b.pixel(x, y)) == TVerlaufPlot::VorigFarbe();
        return n;
    };
    EXPECT_EQ(grauePixel(), 0);

    // The second run starts 2 m further right: its curve and the grey one part.
    einstellungen.Katzenstartposition = -1;
    nachDurchlaeufen(60);
    panel.Start2Click();
    ASSERT_EQ(plot.VorigePunkte().size(), erster.size());
    EXPECT_EQ(plot.VorigePunkte().back().x, erster.back().x);
    // A grey pixel on the previous run's position curve, where the new one is not.
    const TVerlaufPunkt& p = erster[40];
    const QPoint punkt(int(std::lround(plot.Spalte(p.zeit))), int(std::lround(plot.Zeile(0, p.x))));
    EXPECT_GT(grauePixel(), 100);
    EXPECT_LT(std::abs(QColor(plot.Bild().pixel(punkt)).red() - TVerlaufPlot::VorigFarbe().red()), 40);

    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("beide.csv"));
    {
        ScopedDateiDialoge dialoge({datei});
        panel.Verlauf()->DatenSpeichern()->click();
    }
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList zeilen = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 1 + 81 + 61);
    EXPECT_EQ(zeilen[0], QStringLiteral("lauf,") + LaufCsvKopf());
    EXPECT_EQ(zeilen[1], QStringLiteral("vorig,") + LaufCsvZeile(erster[0]));
    EXPECT_EQ(zeilen[81], QStringLiteral("vorig,") + LaufCsvZeile(erster.back()));
    EXPECT_EQ(zeilen[82], QStringLiteral("aktuell,") + LaufCsvZeile(plot.Punkte()[0]));

    panel.Verlauf()->VorigenZeigen()->click();
    EXPECT_EQ(grauePixel(), 0);
    EXPECT_EQ(panel.Verlauf()->Daten(), LaufCsv(plot.Punkte()));

    // A third run forgets the first.
    panel.Verlauf()->VorigenZeigen()->click();
    nachDurchlaeufen(10);
    panel.Start2Click();
    EXPECT_EQ(plot.VorigePunkte().size(), 61u);
}
