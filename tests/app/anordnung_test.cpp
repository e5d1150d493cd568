// The main window on small screens: the overview's cards reflow, the
// simulation panel and its time plot use the room there is, and what does
// not fit scrolls.
#include "app/anordnung.h"
#include "app/mainform.h"
#include "app/projektuebersicht.h"
#include "app/simulationspanel.h"
#include "app/verlauf.h"
#include "app/verlaufplot.h"
#include "core/projekt.h"
#include "widgets/koordinatensystem.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString beispiel = QStringLiteral(TARVIK_TESTDATA "/../../examples/pendel.fuz");

// Work areas of school screens: the screen minus a task bar and a title bar.
struct TArbeitsflaeche {
    int breite, hoehe;
};
constexpr TArbeitsflaeche Flaechen[] = {{1366, 768 - 48 - 30}, {1280, 720 - 40 - 30}, {1024, 700 - 30}};

QRect imFenster(const QWidget* w, const QWidget* fenster)
{
    return QRect(w->mapTo(fenster, QPoint(0, 0)), w->size());
}

TEST(SimulationAnordnen, KeepsTheCentredPanelWhereThereIsRoomElseMovesUpGoesBesideOrScrolls)
{
    const QSize panel(445, 300), verlauf(700, 302);
    const int kurz = 226;
    // Room enough: the panel where it always stood, the plot 8 pixels under it.
    TSimulationsanordnung a = SimulationAnordnen(QSize(1200, 900), panel, verlauf, kurz);
    EXPECT_EQ(a.panel, QPoint((1200 - 445) / 2, (900 - 300) / 2 - 15));
    EXPECT_EQ(a.verlauf, QPoint(a.panel.x() + (445 - 700) / 2, a.panel.y() + 308));
    EXPECT_FALSE(a.nebeneinander);

    // Short but tall enough for the pair: it moves up as one, nothing is cut.
    a = SimulationAnordnen(QSize(800, 640), panel, verlauf, kurz);
    EXPECT_FALSE(a.nebeneinander);
    EXPECT_EQ(a.panel.y(), (640 - 610) / 2);
    EXPECT_LE(a.verlauf.y() + 302, 640);
    EXPECT_GE(a.verlauf.x(), 0);

    // Too short, wide enough: beside, both inside.
    a = SimulationAnordnen(QSize(1300, 500), panel, verlauf, kurz);
    EXPECT_TRUE(a.nebeneinander);
    EXPECT_TRUE(QRect(QPoint(0, 0), QSize(1300, 500)).contains(QRect(a.verlauf, verlauf)));
    EXPECT_TRUE(QRect(QPoint(0, 0), QSize(1300, 500)).contains(QRect(a.panel, panel)));
    EXPECT_FALSE(QRect(a.panel, panel).intersects(QRect(a.verlauf, verlauf)));

    // Too short and too narrow: the plot shortens, down to its smallest
    // height; below that the pair starts at the top and the area scrolls.
    a = SimulationAnordnen(QSize(1000, 560), panel, verlauf, kurz);
    EXPECT_FALSE(a.nebeneinander);
    EXPECT_EQ(a.verlaufHoehe, 560 - 308);
    EXPECT_EQ(a.verlauf.y() + a.verlaufHoehe, 560);
    EXPECT_EQ(a.benoetigt, QSize(700, 560));
    a = SimulationAnordnen(QSize(600, 400), panel, verlauf, kurz);
    EXPECT_EQ(a.verlaufHoehe, kurz);
    EXPECT_EQ(a.verlauf, QPoint(0, 308));
    EXPECT_EQ(a.benoetigt, QSize(700, 308 + kurz));
}

class KleinerBildschirm : public testing::Test {
protected:
    void SetUp() override
    {
        f.Projekt().Dateiname = QFileInfo(beispiel).absoluteFilePath();
        ASSERT_FALSE(LoadFile(f.Projekt()).dateifehler);
        f.Uebersicht()->Zeigen(f.Projekt());
        rollbereich = f.findChild<QScrollArea*>(QStringLiteral("Rollbereich"));
        ASSERT_NE(rollbereich, nullptr);
    }
    void zeigen(const TArbeitsflaeche& a)
    {
        f.resize(a.breite, a.hoehe);
        f.show();
        // Reflowing the cards asks the scroll area for new room: a few rounds.
        for (int i = 0; i < 5; ++i)
            QTest::qWait(10);
    }
    // What of w shows in the window, without scrolling.
    bool sichtbar(const QWidget* w) const
    {
        return imFenster(rollbereich->viewport(), &f).contains(imFenster(w, &f));
    }

    TMainForm f;
    QScrollArea* rollbereich = nullptr;
};

TEST_F(KleinerBildschirm, MinimumSizeFitsTheSmallestWorkArea)
{
    EXPECT_LE(f.minimumSizeHint().width(), 1280);
    EXPECT_LE(f.minimumSizeHint().height(), 680 - 30);
    f.Menue().PendelFuzzy->trigger();
    EXPECT_LE(f.minimumSizeHint().height(), 680 - 30);
}

TEST_F(KleinerBildschirm, OverviewCardsNeverOverlapAndReflowToOneColumn)
{
    TProjektuebersicht& u = *f.Uebersicht();
    for (int breite : {1366, 1024, 800}) {
        SCOPED_TRACE(breite);
        zeigen({breite, 650});
        const std::array<QWidget*, 4> karten{u.Variablenflaeche(1), u.Variablenflaeche(2), u.Variablenflaeche(3),
                                             u.Regelflaeche()};
        for (int i = 0; i < 4; ++i) {
            // A card squeezed below its need draws its parts over each other
            // (the rule grid into the output legend, labels onto legends).
            QWidget* k = karten[i];
            const int noetig = k->hasHeightForWidth() ? k->heightForWidth(k->width()) : k->minimumSizeHint().height();
            EXPECT_GE(k->height(), noetig) << i;
            EXPECT_GE(k->width(), k->minimumSizeHint().width()) << i;
            for (int j = i + 1; j < 4; ++j)
                EXPECT_FALSE(karten[i]->geometry().intersects(karten[j]->geometry())) << i << ' ' << j;
        }
        const bool zweispaltig = karten[0]->y() == karten[1]->y();
        EXPECT_EQ(zweispaltig, breite >= UebersichtZweispaltigAb);
        // Nothing is cut at the side: the cards scroll up and down only.
        EXPECT_FALSE(rollbereich->horizontalScrollBar()->isVisible());
    }
}

TEST_F(KleinerBildschirm, EveryStripAndTheTimeAxisShowWithoutScrolling)
{
    for (const TArbeitsflaeche& a : Flaechen) {
        for (QAction* befehl : {f.Menue().PendelFuzzy, f.Menue().KatzeHand}) {
            SCOPED_TRACE(testing::Message() << a.breite << 'x' << a.hoehe << ' ' << befehl->text().toStdString());
            zeigen(a);
            befehl->trigger();
            QApplication::processEvents();
            TSimulationspanel& panel = *f.Simulationspanel();
            // The plot's picture holds the three strips and the time axis under them.
            EXPECT_TRUE(sichtbar(panel.Verlauf()->Plot()));
            EXPECT_TRUE(sichtbar(&panel));
            EXPECT_FALSE(imFenster(&panel, &f).intersects(imFenster(panel.Verlauf(), &f)));
            panel.BitBtn1Click();
        }
    }
}

TEST_F(KleinerBildschirm, WithRoomThePanelStaysCentredWithThePlotUnderIt)
{
    zeigen({1280, 1000});
    f.Menue().PendelHand->trigger();
    QApplication::processEvents();
    const TSimulationspanel& panel = *f.Simulationspanel();
    const QWidget* bereich = f.Simulationsbereich();
    EXPECT_EQ(panel.pos(), QPoint((bereich->width() - panel.width()) / 2, (bereich->height() - panel.height()) / 2 - 15));
    EXPECT_EQ(panel.Verlauf()->y(), panel.y() + panel.height() + VerlaufAbstand);
}

} // namespace
