#include "app/mainform.h"

// The commands that open the project's windows: the variable editor and
// tester, the rule editor and tester, the options and the search.

#include "app/startseite.h"
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

#include <QFileInfo>

namespace {

const QString NichtDefiniert = QStringLiteral("Diese Fuzzyvariable ist (noch) nicht definiert!");

} // namespace

void TMainForm::VariableTesten(const TFuzzy& variable)
{
    if (!variable.definiert()) {
        Meldung(MeldungsArt::Warnung, NichtDefiniert);
        return;
    }
    // The tester works on a copy; nothing comes back.
    varTestForm->oeffnen(variable);
    ZeigeModal(*varTestForm);
}

bool TMainForm::VariableEditieren(int welche)
{
    TFuzzy* const variablen[] = {&projekt.EingangA, &projekt.EingangB, &projekt.Ausgang};
    if (welche < 1 || welche > 3)
        return false;
    TFuzzy& variable = *variablen[welche - 1];
    varEditform->oeffnen({variable, projekt.Dateiname});
    if (ZeigeModal(*varEditform) != QDialog::Accepted)
        return false;
    const TFuzzy ergebnis = varEditform->Ergebnis();
    variable.assign(ergebnis);
    if (welche == 3)
        projekt.AusgangKopie.assign(ergebnis);
    if (varEditform->Geaendert())
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
    regEditForm->oeffnen({projekt.EingangA, projekt.EingangB, projekt.Ausgang, projekt.Regeltab});
    if (ZeigeModal(*regEditForm) != QDialog::Accepted)
        return;
    projekt.Regeltab = regEditForm->Ergebnis().Regeltab;
    if (regEditForm->Geaendert())
        projekt.Geaendert = true;
}

void TMainForm::RegelnTesten()
{
    if (!eingaengeFuerRegeln())
        return;
    // The tester works on copies; nothing comes back.
    regTestForm->oeffnen({projekt.EingangA, projekt.EingangB, projekt.Ausgang, projekt.Regeltab});
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
    // The list dialogs start in the examples' folder until a list was loaded
    // or saved; "In die Regeltabelle übernehmen" writes the project's table
    // as one step that Rückgängig takes back.
    const QString beispiel = BeispielDatei(programmpfad, QStringLiteral("kran.gen"));
    suchenform->setAnbindung({beispiel.isEmpty() ? QString() : QFileInfo(beispiel).absolutePath(),
                              [this](const TRegeltab& tabelle) {
                                  TProjekt neu = projekt;
                                  neu.Regeltab = tabelle;
                                  neu.Geaendert = true;
                                  ProjektAendern(neu);
                              }});
    suchenform->oeffnen({projekt.EingangA, projekt.EingangB, projekt.Ausgang});
    ZeigeModal(*suchenform);
}
