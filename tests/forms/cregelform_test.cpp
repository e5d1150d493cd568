#include "forms/cregelform.h"

#include "platform/meldung.h"
#include "search/regeluebernahme.h"
#include "search/suchtexte.h"
#include "suchfenster.h"
#include "tests/qstring_ausgabe.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace suchfenster;

TRegelsystem gelesen(const QString& chromosom)
{
    TRegelsystem rs{};
    StringToRegelsystem(chromosom, rs);
    return rs;
}

TRegelsystemDaten daten(const TRegelsystem& rs, std::optional<TBesterBisher> bester = std::nullopt)
{
    return TRegelsystemDaten{position(), winkel(), kraft(), rs, 3, std::move(bester), true};
}

TEST(Chromosomenregelsystem, ShowsTheSixteenRulesInOrderAndCopiesThem)
{
    TCRegelform r;
    EXPECT_EQ(r.windowTitle(), QStringLiteral("Chromosomenregelsystem"));
    EXPECT_EQ(r.size(), QSize(537, 362));
    EXPECT_EQ(r.Memo1()->size(), QSize(505, 251));
    EXPECT_TRUE(r.Memo1()->isReadOnly());
    // "01 10 11" then "00 00 00" for every further rule.
    r.oeffnen(daten(gelesen(QStringLiteral("011011") + QString(90, QLatin1Char('0')))));
    const QStringList zeilen = r.Memo1()->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 16);
    EXPECT_EQ(zeilen[0], QStringLiteral("WENN Position=links UND Winkel=rechts, DANN Kraft=stark rechts"));
    EXPECT_EQ(zeilen[15], QStringLiteral("WENN Position=weit links UND Winkel=stark links, DANN Kraft=links"));
    EXPECT_EQ(r.Rahmen()->title(), QStringLiteral("Chromosom Nr. 3"));

    QTest::mouseClick(r.KopiereButton(), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), zeilen.join(QLatin1Char('\n')));
}

// The view shows the best chromosome of the search instead when asked; every
// opening starts with the chosen one.
TEST(Chromosomenregelsystem, ShowsTheBestSoFarOnRequest)
{
    TCRegelform r;
    const QString nullen(96, QLatin1Char('0'));
    const QString einsen(96, QLatin1Char('1'));
    r.oeffnen(daten(gelesen(nullen)));
    EXPECT_FALSE(r.BesterBisherBox()->isEnabled());

    r.oeffnen(daten(gelesen(nullen), TBesterBisher{87.0289f, einsen, 12}));
    ASSERT_TRUE(r.BesterBisherBox()->isEnabled());
    r.BesterBisherBox()->click();
    EXPECT_EQ(r.Gezeigt(), gelesen(einsen));
    EXPECT_EQ(r.Memo1()->toPlainText().split(QLatin1Char('\n'))[0],
              QStringLiteral("WENN Position=rechts UND Winkel=stark rechts, DANN Kraft=stark rechts"));
    EXPECT_EQ(r.Rahmen()->title(), QStringLiteral("Bestes Chromosom bisher: ChrNote 87.03 in Generation 12"));
    r.BesterBisherBox()->click();
    EXPECT_EQ(r.Gezeigt(), gelesen(nullen));

    r.BesterBisherBox()->click();
    r.oeffnen(daten(gelesen(nullen), TBesterBisher{87.0289f, einsen, 12}));
    EXPECT_FALSE(r.BesterBisherBox()->isChecked());
    EXPECT_EQ(r.Gezeigt(), gelesen(nullen));
}

// "In die Regeltabelle übernehmen": rules that share a premise with another
// conclusion are named with the rule kept; No leaves the project as it was,
// Yes hands the table over once.
TEST(Chromosomenregelsystem, CarryingOverReportsTheRulesThatDoNotFit)
{
    TRegelsystem rs{};
    for (int k = 0; k < 16; ++k)
        rs[k] = TRegel{k % 4 + 1, k / 4 + 1, 2};
    rs[5] = TRegel{1, 1, 3}; // premise of rule 1, another conclusion
    rs[9] = TRegel{1, 1, 2}; // premise of rule 1, the same conclusion
    TCRegelform r;
    EXPECT_FALSE(r.UebernehmenButton()->isEnabled());
    std::vector<TRegeltab> uebernommen;
    r.setUebernahme([&](const TRegeltab& t) { uebernommen.push_back(t); });
    r.oeffnen(daten(rs));
    ASSERT_TRUE(r.UebernehmenButton()->isEnabled());

    const TTabellenUebernahme u = RegeltabAusRegelsystem(rs);
    const QString frage = KonfliktFrage(u, rs, position(), winkel(), kraft());
    EXPECT_TRUE(frage.contains(QStringLiteral("Regel 6 (WENN Position=weit links UND Winkel=stark links, DANN "
                                              "Kraft=rechts) passt nicht; übernommen ist Regel 1 (WENN "
                                              "Position=weit links UND Winkel=stark links, DANN Kraft=null).")));
    EXPECT_FALSE(frage.contains(QStringLiteral("Regel 10 ")));
    {
        ScopedMeldungen m({Antwort::Nein});
        QTest::mouseClick(r.UebernehmenButton(), Qt::LeftButton);
        EXPECT_EQ(m.texte(), QStringList{frage});
        EXPECT_EQ(m.meldungen()[0].art, MeldungsArt::Bestaetigung);
        EXPECT_TRUE(uebernommen.empty());
    }
    {
        ScopedMeldungen m({Antwort::Ja, Antwort::Ok});
        QTest::mouseClick(r.UebernehmenButton(), Qt::LeftButton);
        EXPECT_EQ(m.texte(), (QStringList{frage, SuchTexte::regelnUebernommen}));
        ASSERT_EQ(uebernommen.size(), 1u);
        EXPECT_EQ(uebernommen[0], u.Regeltab);
        EXPECT_EQ(uebernommen[0](1, 1), 2);
        EXPECT_EQ(uebernommen[0](2, 2), 0); // rule 6's own premise has no rule
    }

    // Without a conflict there is nothing to ask; a variable without four terms
    // takes no rules at all.
    rs[5] = TRegel{2, 2, 1};
    r.oeffnen(daten(rs));
    {
        ScopedMeldungen m({Antwort::Ok});
        QTest::mouseClick(r.UebernehmenButton(), Qt::LeftButton);
        EXPECT_EQ(m.texte(), QStringList{SuchTexte::regelnUebernommen});
        ASSERT_EQ(uebernommen.size(), 2u);
        EXPECT_EQ(uebernommen[1](2, 2), 1);
    }
    TFuzzy drei = kraft();
    drei.setAnzahl(3);
    r.oeffnen(TRegelsystemDaten{position(), winkel(), drei, rs, 1, std::nullopt, true});
    ScopedMeldungen m;
    QTest::mouseClick(r.UebernehmenButton(), Qt::LeftButton);
    EXPECT_EQ(m.texte(), QStringList{SuchTexte::uebernahmeTermanzahl});
    EXPECT_EQ(uebernommen.size(), 2u);
}

TEST(Chromosomenregelsystem, TestlaeufeClosesTheViewWithTheWishUnlessASearchRuns)
{
    TCRegelform r;
    r.oeffnen(daten(TRegelsystem{}));
    EXPECT_FALSE(r.TestlaeufeGewuenscht());
    QTest::mouseClick(r.TestlaeufeButton(), Qt::LeftButton);
    EXPECT_EQ(r.result(), int(QDialog::Accepted));
    EXPECT_TRUE(r.TestlaeufeGewuenscht());

    TRegelsystemDaten d = daten(TRegelsystem{});
    d.testlaeufeMoeglich = false;
    r.oeffnen(d);
    EXPECT_FALSE(r.TestlaeufeGewuenscht());
    EXPECT_FALSE(r.TestlaeufeButton()->isEnabled());
}

} // namespace
