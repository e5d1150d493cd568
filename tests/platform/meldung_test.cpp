#include "platform/meldung.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "tests/platform/meldung_ausgabe.h"

#include <gtest/gtest.h>

namespace {

TEST(Meldung, YesNoBoxesTakeTheScriptedAnswersInOrderOkBoxesTakeNone)
{
    ScopedMeldungen m({Antwort::Ja, Antwort::Nein});
    EXPECT_EQ(Meldung(MeldungsArt::Warnung, QStringLiteral("w")), Antwort::Ok);
    EXPECT_EQ(Meldung(MeldungsArt::Bestaetigung, QStringLiteral("f1"), true), Antwort::Ja);
    EXPECT_EQ(Meldung(TMeldung{MeldungsArt::Fehler, QStringLiteral("e")}), Antwort::Ok);
    EXPECT_EQ(Meldung(MeldungsArt::Bestaetigung, QStringLiteral("f2"), true), Antwort::Nein);
    EXPECT_EQ(m.unbeantwortet(), 0);
    // A question nobody scripted gets the harmless No and is counted.
    EXPECT_EQ(Meldung(MeldungsArt::Bestaetigung, QStringLiteral("f3"), true), Antwort::Nein);
    EXPECT_EQ(m.unbeantwortet(), 1);

    const QList<TMeldung> erwartet{{MeldungsArt::Warnung, QStringLiteral("w")},
                                   {MeldungsArt::Bestaetigung, QStringLiteral("f1")},
                                   {MeldungsArt::Fehler, QStringLiteral("e")},
                                   {MeldungsArt::Bestaetigung, QStringLiteral("f2")},
                                   {MeldungsArt::Bestaetigung, QStringLiteral("f3")}};
    EXPECT_EQ(m.meldungen(), erwartet);
}

TEST(Meldung, ScopedHandlersNestAndRestoreTheOuterOne)
{
    ScopedMeldungen aussen({Antwort::Ja});
    {
        ScopedMeldungen innen({Antwort::Nein});
        EXPECT_EQ(Meldung(MeldungsArt::Bestaetigung, QStringLiteral("innen"), true), Antwort::Nein);
        EXPECT_EQ(innen.texte(), QStringList{QStringLiteral("innen")});
    }
    EXPECT_EQ(Meldung(MeldungsArt::Bestaetigung, QStringLiteral("aussen"), true), Antwort::Ja);
    EXPECT_EQ(aussen.texte(), QStringList{QStringLiteral("aussen")});
}

struct BoxFall {
    MeldungsArt art;
    QMessageBox::Icon symbol;
    const char* titel;
};

class MeldungsBoxArt : public testing::TestWithParam<BoxFall> {};

TEST_P(MeldungsBoxArt, ShowsItsKindAndTurnsCrIntoLineBreaks)
{
    const BoxFall f = GetParam();
    auto box = MeldungsBox(f.art, QStringLiteral("Sollen die <b>Daten</b>\rgelöscht werden?"), false);
    EXPECT_EQ(box->icon(), f.symbol);
    EXPECT_EQ(box->windowTitle(), QString::fromUtf8(f.titel));
    EXPECT_EQ(box->text(), QStringLiteral("Sollen die <b>Daten</b>\ngelöscht werden?"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->buttons().constFirst()->text(), QStringLiteral("OK"));
}

INSTANTIATE_TEST_SUITE_P(Arten, MeldungsBoxArt,
                         testing::Values(BoxFall{MeldungsArt::Warnung, QMessageBox::Warning, "Warnung"},
                                         BoxFall{MeldungsArt::Fehler, QMessageBox::Critical, "Fehler"},
                                         BoxFall{MeldungsArt::Information, QMessageBox::Information, "Information"},
                                         BoxFall{MeldungsArt::Bestaetigung, QMessageBox::Question, "Bestätigen"}));

TEST(MeldungsBox, YesNoBoxIgnoresEscapeAndTheCloseBox)
{
    auto box = MeldungsBox(MeldungsArt::Bestaetigung, QStringLiteral("Frage"), true);
    QAbstractButton* ja = box->button(QMessageBox::Yes);
    QAbstractButton* nein = box->button(QMessageBox::No);
    ASSERT_TRUE(ja && nein);
    EXPECT_EQ(ja->text(), QStringLiteral("&Ja"));
    EXPECT_EQ(nein->text(), QStringLiteral("&Nein"));

    box->show();
    QTest::keyClick(box.get(), Qt::Key_Escape);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->close());
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->clickedButton(), nullptr);

    nein->click();
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->clickedButton(), nein);
}

TEST(MeldungsBox, OkBoxClosesWithEscape)
{
    auto box = MeldungsBox(MeldungsArt::Information, QStringLiteral("Hinweis"), false);
    box->show();
    QTest::keyClick(box.get(), Qt::Key_Escape);
    EXPECT_FALSE(box->isVisible());
}

} // namespace
