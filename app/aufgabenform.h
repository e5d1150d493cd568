#pragma once

#include "core/projekt.h"
#include "plant/aufgabe.h"
#include "plant/aufgabenpruefung.h"

#include <QDialog>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class QTextBrowser;
class TVerlaufPlot;

// What the task window shows: the tasks found (with the faulty files and
// their messages), where they were looked for, and a copy of the project.
struct TAufgabenDaten {
    std::vector<TAufgabenDatei> aufgaben;
    QStringList ordner;
    TProjekt projekt;
};

// The window "Aufgaben": the tasks with their texts; "Prüfen" checks the
// project against the chosen task, shows the verdict with its figure and the
// check's run in a time plot, with the task's bounds and the point where the
// run failed marked over it.
class TAufgabenForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int Breite = 724;
    static constexpr int Hoehe = 604;

    explicit TAufgabenForm(QWidget* parent = nullptr);

    // Fills the list and the texts; the task chosen last stays chosen when it
    // is still there. Clears the verdict and the plot.
    void oeffnen(const TAufgabenDaten& daten);
    void PruefenClick();

    // The verdict of the last check since the window was opened, if any.
    const std::optional<TPruefergebnis>& Ergebnis() const { return ergebnis; }
    // The chosen task, if it could be read.
    const TAufgabe* GewaehlteAufgabe() const;
    // Where the plot's marker stands (the point the figure refers to), if any.
    std::optional<float> Markierung() const;

    QListWidget* Liste() const { return liste; }
    QLabel* Titel() const { return titel; }
    QTextBrowser* Beschreibung() const { return beschreibung; }
    QPushButton* Pruefen() const { return pruefen; }
    QLabel* Urteil() const { return urteil; }
    QComboBox* Laeufe() const { return laeufe; }
    TVerlaufPlot* Plot() const { return plot; }
    QScrollBar* Zeitleiste() const { return zeitleiste; }
    QPushButton* Schliessen() const { return schliessen; }
    QPushButton* Hilfe() const { return hilfe; }

private:
    void aufgabeGewaehlt();
    void laufZeigen(int nummer);
    void urteilLeeren();

    TAufgabenDaten daten;
    std::optional<TPruefergebnis> ergebnis;
    QString gewaehlteId;

    QListWidget* liste;
    QLabel* titel;
    QTextBrowser* beschreibung;
    QPushButton* pruefen;
    QLabel* urteil;
    QComboBox* laeufe;
    TVerlaufPlot* plot;
    QWidget* marken;
    QScrollBar* zeitleiste;
    QPushButton* schliessen;
    QPushButton* hilfe;
};

// "Hilfe -> Aufgaben...": the tasks of the program's folders (AufgabenOrdner)
// against a copy of the project.
void AufgabenZeigen(const TProjekt& projekt, const QString& programmpfad, QWidget* parent);
