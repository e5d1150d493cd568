#pragma once

#include "app/einrichtung.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

// The set-up dialog "TARVIK - Initialisierung": which programs of the program
// directory join the "Simulation" menu, and whether .FUZ and .EXP files open
// with Tarvik and Tamsor. Created each time it is shown; what OK hands back is
// written by the opener.
class TInitform : public QDialog {
    Q_OBJECT
public:
    static constexpr int Breite = 480;
    static constexpr int Hoehe = 358;

    explicit TInitform(QWidget* parent = nullptr);

    // Fills the file list, the registered programs and the two boxes.
    void oeffnen(const TInitDaten& daten);
    // The registered programs and the boxes as they stand.
    TKonfiguration Ergebnis() const;

    void HinzufuegenClick();
    void EntfernenClick();

    QCheckBox* FuzBox() const { return fuzBox; }
    QCheckBox* ExpBox() const { return expBox; }
    QListWidget* Dateiliste() const { return dateiliste; }
    QListWidget* Programmliste() const { return programmliste; }
    QPushButton* Hinzufuegen() const { return hinzufuegen; }
    QPushButton* Entfernen() const { return entfernen; }
    QPushButton* Ok() const { return ok; }
    QPushButton* Abbrechen() const { return abbrechen; }
    QPushButton* Hilfe() const { return hilfe; }
    QLabel* Hinweis() const { return hinweis; }

private:
    QCheckBox* fuzBox;
    QCheckBox* expBox;
    QListWidget* dateiliste;
    QListWidget* programmliste;
    QPushButton* hinzufuegen;
    QPushButton* entfernen;
    QPushButton* ok;
    QPushButton* abbrechen;
    QPushButton* hilfe;
    QLabel* hinweis;
};
