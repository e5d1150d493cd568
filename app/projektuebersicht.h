#pragma once

#include "core/fuzzy.h"
#include "core/regeltab.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class TKoordinatensystem;
struct TProjekt;

// What fills the main window while no simulation panel is shown: a start page
// for an empty project (what Tarvik is for and three ways to begin), otherwise
// an overview of the project (the three variables drawn, the rule table, the
// file and whether it has unsaved changes, and the next step). It only shows
// copies; every change goes through the main window's commands, which it asks
// for by its signals.
class TProjektuebersicht : public QWidget {
    Q_OBJECT
public:
    explicit TProjektuebersicht(QWidget* parent = nullptr);

    // Takes copies of the project and shows them.
    void Zeigen(const TProjekt& projekt);

    // Whether the start page shows (the project is empty).
    bool Startseite() const;

    // The example projects of the start page; an empty path disables its
    // button.
    void setBeispiele(const QString& pendel, const QString& kran);
    void setAssistentVerfuegbar(bool verfuegbar);

    // Hides the overview whenever the simulation panel shows, and shows it
    // again when the panel is hidden.
    void setSimulationsbereich(QWidget* bereich);

    // A picture of the overview (file, variables, rules) without the controls
    // around it, and the same put on the clipboard.
    QImage Bild() const;
    void Kopieren();

    // Parts that tests and the pictures look at. welche: 1 = A, 2 = B, 3 = output.
    TKoordinatensystem* Plot(int welche) const { return karten[welche - 1].plot; }
    QWidget* Variablenflaeche(int welche) const { return karten[welche - 1].karte; }
    QLabel* Variablentitel(int welche) const { return karten[welche - 1].titel; }
    QLabel* Variablentext(int welche) const { return karten[welche - 1].text; }
    QWidget* Regelflaeche() const { return regelkarte; }
    QTableWidget* Regelgitter() const { return gitter; }
    QLabel* Regelanzahl() const { return regelanzahl; }
    QLabel* Dateiname() const { return dateiname; }
    QLabel* Zustand() const { return zustand; }
    QLabel* NaechsterSchritt() const { return naechsterSchritt; }
    QPushButton* KopierenKnopf() const { return kopierenKnopf; }
    QPushButton* AssistentKnopf() const { return assistentKnopf; }
    QPushButton* PendelKnopf() const { return pendelKnopf; }
    QPushButton* KranKnopf() const { return kranKnopf; }

    // The rules the inference uses: rows of A's terms, columns of B's terms
    // (one column without input B), entries other than 0.
    static int AnzahlRegeln(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegeltab& tabelle);

signals:
    void VariableEditierenGewuenscht(int welche);
    void RegelnEditierenGewuenscht();
    void AssistentGewuenscht();
    void BeispielGewuenscht(const QString& pfad);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    struct TKarte {
        QWidget* karte = nullptr;
        QLabel* titel = nullptr;
        QLabel* text = nullptr;
        QLabel* leer = nullptr;
        TKoordinatensystem* plot = nullptr;
        QLabel* legende = nullptr;
    };

    QWidget* startseiteAnlegen();
    QWidget* uebersichtAnlegen();
    void karteAnlegen(int welche, QWidget* eltern);
    void variableZeigen(int welche);
    void regelnZeigen();
    void kopfZeigen(const TProjekt& projekt);

    std::array<TFuzzy, 3> variablen;
    TRegeltab regeltab;
    bool zeichnet = false;  // Zeichnen repaints the plot, which would call it again

    QStackedWidget* seiten = nullptr;
    QWidget* startseite = nullptr;
    QWidget* uebersicht = nullptr;
    QWidget* inhalt = nullptr;
    std::array<TKarte, 3> karten;
    QWidget* regelkarte = nullptr;
    QLabel* regeltitel = nullptr;
    QLabel* regelanzahl = nullptr;
    QLabel* regelhinweis = nullptr;
    QLabel* spaltenname = nullptr;
    QLabel* zeilenname = nullptr;
    QTableWidget* gitter = nullptr;
    QLabel* ausgangslegende = nullptr;
    QLabel* dateiname = nullptr;
    QLabel* pfad = nullptr;
    QLabel* zustand = nullptr;
    QLabel* naechsterSchritt = nullptr;
    QPushButton* kopierenKnopf = nullptr;
    QPushButton* assistentKnopf = nullptr;
    QPushButton* pendelKnopf = nullptr;
    QPushButton* kranKnopf = nullptr;
    QWidget* simulationsbereich = nullptr;
    // Left out of the copied picture.
    QList<QWidget*> bedienhinweise;
};

// Where an example project that ships with Tarvik lies: beside the program, in
// the installed data folder, or in the source tree above the build folder.
// Empty when it is nowhere.
QString BeispielDatei(const QString& programmpfad, const QString& name);
