// The options dialog: defaults, bounds and their warnings in order, Cancel.
#include "forms/optionenform.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "widgets/intedit.h"
#include "widgets/singedit.h"

#include <QPushButton>

#include "tests/platform/meldung_ausgabe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>

namespace {

struct Optionen : testing::Test {
    TOptionenform form;

    // Opens the dialog with `einstellungen` as the main window does; `eingeben`
    // fills the fields, then the button `knopf` is pressed. What OK hands
    // back, or nothing after Cancel.
    std::optional<TOptionenWerte> bedienen(const TEinstellungen& einstellungen, const std::function<void()>& eingeben,
                                           QPushButton* (TOptionenform::*knopf)() const)
    {
        form.oeffnen(einstellungen);
        ScopedModal modal([&](QDialog& d) {
            eingeben();
            (form.*knopf)()->click();
            return d.result();
        });
        if (ZeigeModal(form) != QDialog::Accepted)
            return std::nullopt;
        return form.Ergebnis();
    }
};

TEST_F(Optionen, FieldsFramesAndDefaults)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Optionen"));
    form.oeffnen({1.0f, 3.0f, 15, -7.0f});
    EXPECT_FLOAT_EQ(form.Startposition()->Number(), 1.0f);
    EXPECT_FLOAT_EQ(form.Pendellaenge()->Number(), 3.0f);
    EXPECT_EQ(form.MinDeltaT()->Number(), 15);
    EXPECT_FLOAT_EQ(form.Startwinkel()->Number(), -7.0f);
    EXPECT_EQ(form.Rasterlinien()->Number(), 5);
    EXPECT_FALSE(form.Geaendert());
    form.Rasterlinien()->setNumber(9);
    EXPECT_TRUE(form.Geaendert());
    form.Standardwerte()->click();
    const TOptionenWerte w = form.Ergebnis();
    EXPECT_FLOAT_EQ(w.Einstellungen.Katzenstartposition, -3.0f);
    EXPECT_FLOAT_EQ(w.Einstellungen.Pendellaenge, 2.5f);
    EXPECT_EQ(w.Einstellungen.MinDeltaT, 20);
    EXPECT_FLOAT_EQ(w.Einstellungen.Startwinkel, 10.0f);
    EXPECT_EQ(w.Rasterlinien, 5);
    ScopedHilfe hilfe;
    form.Hilfe()->click();
    EXPECT_EQ(hilfe.seiten(), QList<HilfeSeite>{HilfeSeite::Optionen});
}

TEST_F(Optionen, OkRaisesValuesToTheirBoundsWithThreeWarningsInOrder)
{
    ScopedMeldungen meldungen;
    const auto werte = bedienen(
        {},
        [&] {
            form.Rasterlinien()->setText(QStringLiteral("1"));
            form.Pendellaenge()->setText(QStringLiteral("0,05"));
            form.MinDeltaT()->setText(QStringLiteral("5"));
            form.Startposition()->setText(QStringLiteral("-5"));
        },
        &TOptionenform::OK);
    ASSERT_TRUE(werte);
    EXPECT_EQ(meldungen.texte(), (QStringList{OptionenTexte::raster, OptionenTexte::laenge, OptionenTexte::deltaT}));
    for (const TMeldung& m : meldungen.meldungen())
        EXPECT_EQ(m.art, MeldungsArt::Warnung);
    EXPECT_FLOAT_EQ(werte->Einstellungen.Pendellaenge, 0.1f);
    EXPECT_EQ(werte->Einstellungen.MinDeltaT, 10);
    EXPECT_FLOAT_EQ(werte->Einstellungen.Katzenstartposition, -5.0f);
    EXPECT_EQ(werte->Rasterlinien, 2);
}

TEST_F(Optionen, ValuesAtTheBoundsPassWithoutWarning)
{
    ScopedMeldungen meldungen;
    const auto werte = bedienen(
        {},
        [&] {
            form.Rasterlinien()->setNumber(2);
            form.Pendellaenge()->setText(QStringLiteral("0.1"));
            form.MinDeltaT()->setNumber(10);
        },
        &TOptionenform::OK);
    ASSERT_TRUE(werte);
    EXPECT_TRUE(meldungen.texte().isEmpty());
    EXPECT_FLOAT_EQ(werte->Einstellungen.Pendellaenge, 0.1f);
}

TEST_F(Optionen, ALengthBeyondTheFloatRangeGetsTheLengthRule)
{
    ScopedMeldungen meldungen;
    const auto werte = bedienen(
        {},
        [&] {
            form.Pendellaenge()->setText(QStringLiteral("1e39"));
            form.Startwinkel()->setText(QStringLiteral("1e39"));
        },
        &TOptionenform::OK);
    ASSERT_TRUE(werte);
    EXPECT_EQ(meldungen.texte(), QStringList{OptionenTexte::laenge});
    EXPECT_FLOAT_EQ(werte->Einstellungen.Pendellaenge, 0.1f);
    EXPECT_TRUE(std::isfinite(werte->Einstellungen.Startwinkel));
}

TEST_F(Optionen, CancelHandsNothingBackButTheGridFieldKeepsItsText)
{
    ScopedMeldungen meldungen;
    const auto abgebrochen = bedienen(
        {},
        [&] {
            form.Standardwerte()->click();
            form.Pendellaenge()->setText(QStringLiteral("0"));
            form.Startwinkel()->setText(QStringLiteral("30"));
            form.Rasterlinien()->setNumber(8);
        },
        &TOptionenform::Abbrechen);
    EXPECT_FALSE(abgebrochen);
    EXPECT_TRUE(meldungen.texte().isEmpty());

    // The next opening reloads the settings, not the grid lines; OK hands back 8.
    const auto werte = bedienen({}, [] {}, &TOptionenform::OK);
    ASSERT_TRUE(werte);
    EXPECT_FLOAT_EQ(werte->Einstellungen.Pendellaenge, 2.5f);
    EXPECT_FLOAT_EQ(werte->Einstellungen.Startwinkel, 10.0f);
    EXPECT_EQ(werte->Rasterlinien, 8);
}

} // namespace
