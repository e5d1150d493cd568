// The options dialog: defaults, bounds and their warnings in order, Cancel.
#include "forms/optionenform.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "widgets/intedit.h"
#include "widgets/koordinatensystem.h"
#include "widgets/singedit.h"

#include <QPushButton>

#include "tests/platform/meldung_ausgabe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

struct Optionen : testing::Test {
    TOptionenform form;
    TKoordinatensystem editorPlot;
    TKoordinatensystem testerPlot;
    Optionen() { form.setRasterPlots({&editorPlot, &testerPlot}); }

    // Shows the dialog with `werte`; `eingeben` fills the fields, then the
    // button `knopf` is pressed.
    bool ausfuehren(TOptionenWerte& werte, const std::function<void()>& eingeben, QPushButton* knopf)
    {
        ScopedModal modal([&](QDialog& d) {
            eingeben();
            knopf->click();
            return d.result();
        });
        return form.ausfuehren(werte);
    }
};

TEST_F(Optionen, FieldsFramesAndDefaults)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Optionen"));
    form.oeffnen({1.0f, 3.0f, 15, -7.0f});
    EXPECT_FLOAT_EQ(form.Startposition->Number(), 1.0f);
    EXPECT_FLOAT_EQ(form.Pendellaenge->Number(), 3.0f);
    EXPECT_EQ(form.MinDeltaT->Number(), 15);
    EXPECT_FLOAT_EQ(form.Startwinkel->Number(), -7.0f);
    EXPECT_EQ(form.Rasterlinien(), 5);
    form.Rasterlinien_->setNumber(9);
    form.Standardwerte->click();
    const TOptionenWerte w = form.Werte();
    EXPECT_FLOAT_EQ(w.Katzenstartposition, -3.0f);
    EXPECT_FLOAT_EQ(w.Pendellaenge, 2.5f);
    EXPECT_EQ(w.MinDeltaT, 20);
    EXPECT_FLOAT_EQ(w.Startwinkel, 10.0f);
    EXPECT_EQ(form.Rasterlinien(), 5);
    ScopedHilfe hilfe;
    form.Hilfe->click();
    EXPECT_EQ(hilfe.seiten(), QList<HilfeSeite>{HilfeSeite::Optionen});
}

TEST_F(Optionen, OkRaisesValuesToTheirBoundsWithThreeWarningsInOrder)
{
    TOptionenWerte werte;
    ScopedMeldungen meldungen;
    const bool ok = ausfuehren(
        werte,
        [&] {
            form.Rasterlinien_->setText(QStringLiteral("1"));
            form.Pendellaenge->setText(QStringLiteral("0,05"));
            form.MinDeltaT->setText(QStringLiteral("5"));
            form.Startposition->setText(QStringLiteral("-5"));
        },
        form.OK);
    EXPECT_TRUE(ok);
    EXPECT_EQ(meldungen.texte(), (QStringList{OptionenTexte::raster, OptionenTexte::laenge, OptionenTexte::deltaT}));
    for (const TMeldung& m : meldungen.meldungen())
        EXPECT_EQ(m.art, MeldungsArt::Warnung);
    EXPECT_FLOAT_EQ(werte.Pendellaenge, 0.1f);
    EXPECT_EQ(werte.MinDeltaT, 10);
    EXPECT_FLOAT_EQ(werte.Katzenstartposition, -5.0f);
    EXPECT_EQ(editorPlot.Rasteranzahl(), 1);
    EXPECT_EQ(testerPlot.Rasteranzahl(), 1);
}

TEST_F(Optionen, ValuesAtTheBoundsPassWithoutWarning)
{
    TOptionenWerte werte;
    ScopedMeldungen meldungen;
    ausfuehren(
        werte,
        [&] {
            form.Rasterlinien_->setNumber(2);
            form.Pendellaenge->setText(QStringLiteral("0.1"));
            form.MinDeltaT->setNumber(10);
        },
        form.OK);
    EXPECT_TRUE(meldungen.texte().isEmpty());
    EXPECT_FLOAT_EQ(werte.Pendellaenge, 0.1f);
}

TEST_F(Optionen, ALengthBeyondTheFloatRangeGetsTheLengthRule)
{
    TOptionenWerte werte;
    ScopedMeldungen meldungen;
    ausfuehren(
        werte,
        [&] {
            form.Pendellaenge->setText(QStringLiteral("1e39"));
            form.Startwinkel->setText(QStringLiteral("1e39"));
        },
        form.OK);
    EXPECT_EQ(meldungen.texte(), QStringList{OptionenTexte::laenge});
    EXPECT_FLOAT_EQ(werte.Pendellaenge, 0.1f);
    EXPECT_TRUE(std::isfinite(werte.Startwinkel));
}

TEST_F(Optionen, CancelStoresNothingButTheGridFieldKeepsItsText)
{
    TOptionenWerte werte;
    ScopedMeldungen meldungen;
    const bool ok = ausfuehren(
        werte,
        [&] {
            form.Standardwerte->click();
            form.Pendellaenge->setText(QStringLiteral("0"));
            form.Startwinkel->setText(QStringLiteral("30"));
            form.Rasterlinien_->setNumber(8);
        },
        form.Abbrechen);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(meldungen.texte().isEmpty());
    EXPECT_FLOAT_EQ(werte.Pendellaenge, 2.5f);
    EXPECT_FLOAT_EQ(werte.Startwinkel, 10.0f);
    EXPECT_EQ(editorPlot.Rasteranzahl(), 4);

    // The next opening reloads the settings, not the grid lines; OK stores 8.
    ausfuehren(werte, [] {}, form.OK);
    EXPECT_FLOAT_EQ(werte.Startwinkel, 10.0f);
    EXPECT_EQ(form.Rasterlinien(), 8);
    EXPECT_EQ(editorPlot.Rasteranzahl(), 7);
    EXPECT_EQ(testerPlot.Rasteranzahl(), 7);
}

} // namespace
