#include "app/mainform.h"

// The commands that open the project's windows: the variable editor and
// tester, the rule editor and tester, the options and the search.

#include "forms/optionenform.h"
#include "forms/regeditform.h"
#include "forms/regtestform.h"
#include "forms/suchenform.h"
#include "forms/vareditform.h"
#include "forms/vartestform.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "search/suchtexte.h"
#include "widgets/koordinatensystem.h"

namespace {

const QString NichtDefiniert = QStringLiteral("Diese Fuzzyvariable ist (noch) nicht definiert!");

} // namespace

void TMainForm::VariableTesten(const TFuzzy& variable)
{
    if (!variable.definiert()) {
        Meldung(MeldungsArt::Warnung, NichtDefiniert);
        return;
    }
    varTestForm->fuzzyvar().assign(variable);
    varTestForm->oeffnen();
    ZeigeModal(*varTestForm);
}

bool TMainForm::VariableEditieren(int welche)
{
    TFuzzy* const variablen[] = {&projekt.EingangA, &projekt.EingangB, &projekt.Ausgang};
    if (welche < 1 || welche > 3)
        return false;
    TFuzzy& variable = *variablen[welche - 1];
    varEditform->FuzzyVar().assign(variable);
    varEditform->setWindowTitle(QStringLiteral("Variable editieren [") + projekt.Dateiname + QLatin1Char(']'));
    varEditform->oeffnen();
    if (ZeigeModal(*varEditform) != QDialog::Accepted)
        return false;
    variable.assign(varEditform->FuzzyVar());
    if (welche == 3)
        projekt.AusgangKopie.assign(varEditform->FuzzyVar());
    if (varEditform->FuzzyVarChanged())
        projekt.Geaendert = true;
    // At once, also between the assistant's steps.
    uebersichtAktualisieren();
    return true;
}

TKoordinatensystem& TMainForm::VarEditPlot()
{
    return varEditform->Koordinatensystem1();
}

TKoordinatensystem& TMainForm::VarTestPlot()
{
    return varTestForm->Koordinatensystem1();
}

bool TMainForm::eingaengeFuerRegeln()
{
    if (projekt.EingangA.definiert() && projekt.Ausgang.definiert())
        return true;
    Meldung(MeldungsArt::Warnung, RegelTexte::variablenFehlen);
    return false;
}

void TMainForm::RegelnEditieren()
{
    if (!eingaengeFuerRegeln())
        return;
    TRegEditForm& d = *regEditForm;
    d.EingangA.assign(projekt.EingangA);
    d.EingangB.assign(projekt.EingangB);
    d.Ausgang.assign(projekt.Ausgang);
    d.regeltab = projekt.Regeltab;
    d.oeffnen();
    if (ZeigeModal(d) != QDialog::Accepted)
        return;
    projekt.Regeltab = d.regeltab;
    if (d.RegelChanged)
        projekt.Geaendert = true;
}

void TMainForm::RegelnTesten()
{
    if (!eingaengeFuerRegeln())
        return;
    // The tester works on copies; nothing comes back.
    regTestForm->EingangA.assign(projekt.EingangA);
    regTestForm->EingangB.assign(projekt.EingangB);
    regTestForm->Ausgang.assign(projekt.Ausgang);
    regTestForm->regel = projekt.Regeltab;
    regTestForm->oeffnen();
    ZeigeModal(*regTestForm);
}

void TMainForm::OptionenZeigen()
{
    optionenform->oeffnen(einstellungen);
    if (ZeigeModal(*optionenform) != QDialog::Accepted)
        return;
    const TOptionenWerte werte = optionenform->Ergebnis();
    einstellungen = werte.Einstellungen;
    // The grid of the variable editor's and tester's plots: the lines minus 1.
    VarEditPlot().setRasteranzahl(werte.Rasterlinien - 1);
    VarTestPlot().setRasteranzahl(werte.Rasterlinien - 1);
}

void TMainForm::SuchenLaufkatze1Click()
{
    if (!projekt.EingangA.definiert() || !projekt.EingangB.definiert() || !projekt.Ausgang.definiert()) {
        Meldung(MeldungsArt::Fehler, SuchTexte::suchvariablenFehlen);
        return;
    }
    suchenform->VariablenUebernehmen(projekt.EingangA, projekt.EingangB, projekt.Ausgang);
    suchenform->oeffnen();
    ZeigeModal(*suchenform);
}
