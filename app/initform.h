#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

// The set-up dialog "TARVIK - Initialisierung": which programs of the program
// directory join the "Simulation" menu, and whether .FUZ and .EXP files open
// with Tarvik and Tamsor. Created each time it is shown; only OK writes.
class TInitform : public QDialog {
    Q_OBJECT
public:
    static constexpr int Breite = 480;
    static constexpr int Hoehe = 358;
    // Help page of the set-up.

    // `konfiguration` is the path of tarvik.ini.
    TInitform(const QString& programmpfad, const QString& konfiguration, QWidget* parent = nullptr);

    // Fills the file list from the program directory and the rest from tarvik.ini.
    void oeffnen();
    void HinzufuegenClick();
    void EntfernenClick();
    // Writes tarvik.ini and the file types, then closes the dialog.
    void OkClick();

    // The files of the program directory that may be registered: executables
    // and names ending in ".exe", but not Tarvik's own programs.
    static QStringList Programmdateien(const QString& programmpfad);
    // Tarvik's own programs, which the list does not offer and Add refuses.
    static QStringList EigeneProgramme();

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
    QString programmpfad;
    QString konfiguration;
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
