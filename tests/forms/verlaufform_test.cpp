#include "forms/verlaufform.h"

#include "core/zahlenformat.h"
#include "platform/fensterplatz.h"
#include "suchfenster.h"
#include "tests/qstring_ausgabe.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace suchfenster;

QRgb farbeBei(const TNotenPlot& p, double generation, double note)
{
    const QPoint punkt = p.Pixel(generation, note).toPoint();
    return p.Bild().pixel(punkt) & 0xFFFFFF;
}

TEST(Verlauf, ScalesLinearOrLogarithmicAndDrawsOnlyTheNewPart)
{
    TVerlaufform f;
    TNotenPlot& p = *f.Plot();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Verlauf der Suche"));
    p.leeren();
    p.anhaengen({1, 300, 900});
    p.anhaengen({2, 250, 800});
    EXPECT_FALSE(p.Logarithmisch());
    EXPECT_EQ(p.Unten(), 0.0);
    EXPECT_EQ(p.Oben(), 1000.0);
    EXPECT_EQ(p.XMax(), 10);
    const int vorher = p.Neuzeichnungen();
    p.anhaengen({3, 240, 700});
    EXPECT_EQ(p.Neuzeichnungen(), vorher); // same scales: only the new segments
    EXPECT_EQ(farbeBei(p, 3, 240), TNotenPlot::BesteFarbe.rgb() & 0xFFFFFF);
    EXPECT_EQ(farbeBei(p, 3, 700), TNotenPlot::GenFarbe.rgb() & 0xFFFFFF);

    // Grades spanning more than a factor of 10: a logarithmic axis by decades.
    p.anhaengen({4, 20, 600});
    EXPECT_TRUE(p.Logarithmisch());
    EXPECT_EQ(p.Unten(), 10.0);
    EXPECT_EQ(p.Oben(), 1000.0);
    EXPECT_GT(p.Neuzeichnungen(), vorher);
    EXPECT_EQ(farbeBei(p, 4, 20), TNotenPlot::BesteFarbe.rgb() & 0xFFFFFF);
    EXPECT_EQ(farbeBei(p, 2, 800), TNotenPlot::GenFarbe.rgb() & 0xFFFFFF);

    // The generation axis grows in steps of 1, 2, 5 times ten.
    p.anhaengen({11, 20, 600});
    EXPECT_EQ(p.XMax(), 20);
    p.anhaengen({230, 20, 600});
    EXPECT_EQ(p.XMax(), 500);

    QTest::mouseClick(f.KopiereButton(), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), p.Bild());

    p.leeren();
    EXPECT_TRUE(p.Punkte().isEmpty());
}

// The curve window opens on the screen and covers none of the search
// window's fields and buttons (the test screen has no room beside it).
TEST(Verlauf, OpensOnTheScreenOffTheFieldsAndButtonsOfTheSearchWindow)
{
    TFenster w;
    const QRect schirm = Schirmflaeche(&w.form);
    ASSERT_LT(schirm.width(), w.form.width() + w.form.Verlaufform().width() + 8);
    w.form.move(schirm.topLeft() + QPoint(40, 30));
    w.form.show();
    QTest::mouseClick(w.form.VerlaufButton(), Qt::LeftButton);
    const QRect platz = w.form.Verlaufform().frameGeometry();
    EXPECT_TRUE(schirm.contains(platz)) << platz.x() << "," << platz.y();
    for (const QRect& feld : Bedienelemente(w.form))
        EXPECT_FALSE(platz.intersects(feld)) << feld.x() << "," << feld.y();
    w.form.done(QDialog::Rejected);
}

// The curve of a search in the window: one point per generation with the
// numbers of the log, kept after Stop and started afresh by the next Start.
TEST(Verlauf, FollowsTheSearchWithTheNumbersOfTheLog)
{
    TFenster w;
    w.form.Evolution().setChromosomenAnzahl(6);
    w.form.ErzeugenButtonClick();
    w.form.nachGeneration = [&](int g) {
        if (g == 3)
            w.form.StopButtonClick();
    };
    QTest::mouseClick(w.form.VerlaufButton(), Qt::LeftButton);
    EXPECT_TRUE(w.form.Verlaufform().isVisible());
    w.form.StartButtonClick();

    const QList<TNotenPunkt>& punkte = w.form.Verlaufform().Plot()->Punkte();
    ASSERT_EQ(punkte.size(), 3);
    const QStringList log = w.protokoll.Memo1()->toPlainText().split(QLatin1Char('\n'));
    const QRegularExpression chromosom(QStringLiteral("^\\d+\\. Chromosom: (.*)$"));
    int generation = 0;
    QList<double> noten;
    for (const QString& zeile : log) {
        if (zeile.startsWith(QStringLiteral("Generation: "))) {
            ++generation;
            noten.clear();
        } else if (const auto m = chromosom.match(zeile); m.hasMatch()) {
            noten.append(m.captured(1).trimmed().toDouble());
        } else if (zeile.startsWith(QStringLiteral("Durchschnittsnote: "))) {
            const TNotenPunkt& p = punkte[generation - 1];
            EXPECT_EQ(p.Generation, generation);
            EXPECT_EQ(QStringLiteral("Durchschnittsnote: ") + ProtokollZahl(p.GenNote), zeile);
            EXPECT_EQ(ProtokollZahl(p.BesteChrNote).trimmed().toDouble(), *std::min_element(noten.begin(), noten.end()));
        }
    }
    EXPECT_EQ(generation, 3);

    w.form.nachGeneration = [&](int) { w.form.StopButtonClick(); };
    w.form.StartButtonClick();
    ASSERT_EQ(punkte.size(), 1);
    EXPECT_EQ(punkte[0].Generation, 1);

    // Closing the search window takes its curve window along.
    w.form.done(QDialog::Accepted);
    EXPECT_FALSE(w.form.Verlaufform().isVisible());
}

} // namespace
