#pragma once

#include "core/projekt.h"
#include "core/projektverlauf.h"
#include "plant/einstellungen.h"
#include "plant/pendel.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>

class QLabel;
class QMenu;
class QToolBar;
class TOptionenform;
class TSimulationspanel;
class TCRegelform;
class TParameterForm;
class TProtokollform;
class TSuchenForm;
class TProjektuebersicht;
class TRegEditForm;
class TKoordinatensystem;
class TVarEditform;
class TVarTestForm;
class TDDGraphForm;
class TRegTestForm;

// The main window: it owns the project for the whole run, starts the program
// and turns the menu and tool-bar commands into calls of the parts that do the
// work. Every window it opens is modal and gets copies of the data.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // The menu entries that commands, tests and later windows refer to.
    struct TMenue {
        QAction* Neu;
        QAction* Oeffnen;
        QAction* Speichern;
        QAction* SpeichernUnter;
        QAction* Beenden;
        QAction* Rueckgaengig;
        QAction* Wiederherstellen;
        QAction* ZwischenablageDrucken;
        QAction* EditierenA;
        QAction* EditierenB;
        QAction* EditierenAusgang;
        QAction* TestenA;
        QAction* TestenB;
        QAction* TestenAusgang;
        QAction* RegelnEditieren;
        QAction* RegelnTesten;
        QAction* RegelnSuchen;
        QAction* PendelHand;
        QAction* PendelFuzzy;
        QAction* KatzeHand;
        QAction* KatzeFuzzy;
        QAction* RealExperiment;
        QAction* Parameter;
        QAction* Knopfleiste;
        QAction* Initialisierung;
        QAction* FuzzyImInternet;
        QAction* Info;
        QAction* Assistent;
    };
    // The tool-bar buttons, left to right.
    struct TKnoepfe {
        QAction* Neu;
        QAction* Oeffnen;
        QAction* Speichern;
        QAction* SpeichernUnter;
        QAction* Drucken;
        QAction* Beenden;
        QAction* RegelnEditieren;
        QAction* RegelnTesten;
        QAction* RegelnSuchen;
        QAction* Pendel;
        QAction* Laufkatze;
        QAction* Experiment;
        QAction* Info;
        QAction* Internet;
    };

    static inline const QString Starttitel = QStringLiteral("Tarvik 3.0");

    // Creates the project state, the settings and the window. An empty
    // programmpfad means the directory of the executable.
    explicit TMainForm(const QString& programmpfad = QString(), QWidget* parent = nullptr);
    ~TMainForm() override;

    // The rest of start-up: the set-up dialog when tarvik.ini is missing, the
    // title window, and the project named by exactly one argument.
    void Programmstart(const QStringList& argumente);

    TProjekt& Projekt() { return projekt; }
    TPendel& Pendel() { return pendel; }
    bool Abbruch() const { return abbruch; }
    void setAbbruch(bool wert) { abbruch = wert; }
    std::int32_t Zeitfaktor() const { return zeitfaktor; }
    void setZeitfaktor(std::int32_t wert) { zeitfaktor = wert; }
    TEinstellungen& Einstellungen() { return einstellungen; }
    // Directory of the executable, ending in "/".
    const QString& Programmpfad() const { return programmpfad; }

    // Commands.
    void FileNew();
    void FileOpen();
    void FileSave();
    // true when the project was written.
    bool FileSaveAs();
    void FileExit();
    // "Bearbeiten -> Rückgängig" and "Wiederherstellen": one change of the
    // project back or forward (an editor's OK, New, Open, an assistant's step),
    // with the changed flag it had then.
    void Rueckgaengig();
    void Wiederherstellen();
    // For commands that change the project outside the openers here: the
    // project becomes `neu` as one step that Rückgängig takes back.
    void ProjektAendern(const TProjekt& neu);
    void ZwischenablageDrucken();
    void VariableTesten(const TFuzzy& variable);
    // Opens the variable editor on variable 1 = Eingang A, 2 = Eingang B, 3 = Ausgang, with the
    // menu's caption; copies back on OK (the output also into AusgangKopie), sets Geaendert when the
    // user changed the variable in the dialog; true when the dialog closed with OK.
    bool VariableEditieren(int welche);
    void RegelnEditieren();
    void RegelnTesten();
    void OptionenZeigen();
    // "Regeln -> Suchen (Laufkatze)": the search window with copies of the variables.
    void SuchenLaufkatze1Click();
    TSuchenForm& Suchenform() { return *suchenform; }

    // The variable dialogs, created once; their plots are Koordinatensystem1().
    TVarEditform& VarEditform() { return *varEditform; }
    TVarTestForm& VarTestForm() { return *varTestForm; }
    TKoordinatensystem& VarEditPlot();
    TKoordinatensystem& VarTestPlot();

    const TMenue& Menue() const { return menue; }
    const TKnoepfe& Knoepfe() const { return knoepfe; }
    QMenu* Simulationsmenue() const { return simulationsmenue; }
    QToolBar* Knopfleiste() const { return knopfleiste; }
    QLabel* Statuszeile() const { return statuszeile; }
    // Where the simulation panel goes; hidden until a simulation opens it.
    QWidget* Simulationsbereich() const { return simulationsbereich; }
    TSimulationspanel* Simulationspanel() const { return simulationspanel; }
    TOptionenform* Optionenform() const { return optionenform; }
    // The project overview beside it, shown while the simulation area is hidden.
    TProjektuebersicht* Uebersicht() const { return uebersicht; }
    TRegEditForm& RegEditForm() const { return *regEditForm; }
    // The rule tester and its 3-D window, created once and kept.
    TRegTestForm* RegTestForm() const { return regTestForm; }
    TDDGraphForm* DDGraphForm() const { return ddGraphForm; }

protected:
    bool event(QEvent* e) override;
    // Hints of controls in the other windows, for the status line.
    bool eventFilter(QObject* objekt, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void menueAnlegen();
    void knopfleisteAnlegen();
    void statuszeileAnlegen();
    bool FormCloseQuery();
    bool datenLoeschenErlaubt();
    // Shows a load's or save's message and caption; false on a file error.
    bool dateiErgebnis(const TDateiErgebnis& ergebnis);
    bool eingaengeFuerRegeln();
    // The set-up dialog; on OK its result is written to tarvik.ini and the file types.
    void InitformZeigen();
    void InfoZeigen();
    void ersteAktivierung();
    void uebersichtAnlegen();
    void hilfeAbschnitteSetzen();
    // After every command: the overview shows the project as it is now, and a
    // change of the project becomes a step of the undo history.
    void uebersichtAktualisieren();
    // The project is `stand` (undo, redo, ProjektAendern); the caption follows its file.
    void projektSetzen(const TProjekt& stand);
    // Save and Save As: a written file also goes into the undo history.
    bool speicherErgebnis(const TDateiErgebnis& ergebnis);

    TProjekt projekt;
    TProjektverlauf projektverlauf;
    TPendel pendel;
    bool abbruch = false;
    std::int32_t zeitfaktor = 1;
    TEinstellungen einstellungen;
    QString programmpfad;
    QString bestaetigterName;  // the file of the last successful open or save
    bool aktiviert = false;

    TMenue menue{};
    TKnoepfe knoepfe{};
    QMenu* simulationsmenue = nullptr;
    QToolBar* knopfleiste = nullptr;
    QLabel* statuszeile = nullptr;
    QWidget* simulationsbereich = nullptr;
    TSimulationspanel* simulationspanel = nullptr;
    TOptionenform* optionenform = nullptr;
    // A close accepted during a run waits for the run's loop to return.
    bool schliessenNachLauf = false;

    // The search's windows live as long as the program, so the list, the
    // parameters, the log and the displays survive closing the search.
    std::unique_ptr<TParameterForm> parameterform;
    std::unique_ptr<TProtokollform> protokollform;
    std::unique_ptr<TCRegelform> cregelform;
    std::unique_ptr<TSuchenForm> suchenform;
    TProjektuebersicht* uebersicht = nullptr;
    TRegEditForm* regEditForm = nullptr;
    TVarTestForm* varTestForm = nullptr;
    TVarEditform* varEditform = nullptr;
    TDDGraphForm* ddGraphForm = nullptr;
    TRegTestForm* regTestForm = nullptr;
};
