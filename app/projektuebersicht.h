#pragma once

#include "core/fuzzy.h"
#include "core/regeltab.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

#include <array>

class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QTableWidget;
class TKoordinatensystem;
class TStartseite;
struct TProjekt;

// What fills the main window while no simulation panel is shown: the start
// page for an empty project, otherwise an overview of the project (the three
// variables drawn, the rule table, the file and whether it has unsaved
// changes, and the next step). It only shows copies; every change goes
// through the main window's commands, which it asks for by its signals.
class TProjektuebersicht : public QWidget {
    Q_OBJECT
public:
    explicit TProjektuebersicht(QWidget* parent = nullptr);

    // Takes copies of the project and shows them.
    void Zeigen(const TProjekt& projekt);

    // Whether the start page shows (the project is empty).
    bool StartseiteSichtbar() const;

    // Hides the overview whenever the simulation panel shows, and shows it
    // again when the panel is hidden.
    void setSimulationsbereich(QWidget* bereich);

    // A picture of the overview (file, variables, rules) without the controls
    // around it, and the same put on the clipboard.
    QImage Bild() const;
    void Kopieren();

    TStartseite* Startseite() const { return startseite; }
    // welche: 1 = A, 2 = B, 3 = output.
    QWidget* Variablenflaeche(int welche) const { return karten[welche - 1].flaeche; }
    QLabel* Variablentitel(int welche) const { return karten[welche - 1].titel; }
    QLabel* Variablentext(int welche) const { return karten[welche - 1].text; }
    TKoordinatensystem* Variablenplot(int welche) const { return karten[welche - 1].plot; }
    QWidget* Regelflaeche() const { return regelflaeche; }
    QTableWidget* Regelgitter() const { return regelgitter; }
    QLabel* Regelanzahl() const { return regelanzahl; }
    QLabel* Dateiname() const { return dateiname; }
    QLabel* Zustand() const { return zustand; }
    QLabel* NaechsterSchritt() const { return naechsterSchritt; }
    QPushButton* KopierenKnopf() const { return kopierenKnopf; }

signals:
    void VariableEditierenGewuenscht(int welche);
    void RegelnEditierenGewuenscht();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    // Two columns of cards from UebersichtZweispaltigAb pixels on, one below.
    void resizeEvent(QResizeEvent* e) override;

private:
    // The card of one variable.
    struct TKarte {
        QWidget* flaeche = nullptr;
        QLabel* titel = nullptr;
        QLabel* text = nullptr;
        QLabel* leer = nullptr;
        TKoordinatensystem* plot = nullptr;
        QLabel* legende = nullptr;
    };

    QWidget* uebersichtAnlegen();
    void spaltenSetzen(int anzahl);
    void karteAnlegen(int welche, QWidget* eltern);
    void variableZeigen(int welche);
    void regelnZeigen(const TProjekt& projekt);
    void kopfZeigen(const TProjekt& projekt);

    std::array<TFuzzy, 3> variablen;
    TRegeltab regeltab;
    bool zeichnet = false;  // Zeichnen repaints the plot, which would call it again

    QStackedWidget* seiten = nullptr;
    TStartseite* startseite = nullptr;
    QWidget* uebersicht = nullptr;
    QScrollArea* rollbereich = nullptr;
    QWidget* inhalt = nullptr;
    std::array<TKarte, 3> karten;
    QGridLayout* raster = nullptr;
    int kartenspalten = 0;
    QWidget* regelflaeche = nullptr;
    QLabel* regeltitel = nullptr;
    QLabel* regelanzahl = nullptr;
    QLabel* regelhinweis = nullptr;
    QLabel* spaltenname = nullptr;
    QLabel* zeilenname = nullptr;
    QTableWidget* regelgitter = nullptr;
    QLabel* ausgangslegende = nullptr;
    QLabel* dateiname = nullptr;
    QLabel* pfad = nullptr;
    QLabel* zustand = nullptr;
    QLabel* naechsterSchritt = nullptr;
    QPushButton* kopierenKnopf = nullptr;
    QWidget* simulationsbereich = nullptr;
    // Left out of the copied picture.
    QList<QWidget*> bedienhinweise;
};
