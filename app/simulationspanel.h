#pragma once

#include "plant/einstellungen.h"

#include <QTabWidget>

#include <cstdint>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QScrollArea;
class TFarbkreis;
class TKoordinatensystem;
class TKraftbalken;
class TLineal1;
class TPendel;
class TSingEdit;
class TVerlauf;
struct TProjekt;

// The two-page simulation panel of the main window: hand control and fuzzy
// control of the inverted pendulum or the crane in real time. The main window
// owns the project, the plant, the stop flag and the slow-motion factor; the
// panel works on them. A run is a loop inside the Start handler that hands
// events to Qt while it waits, so Stop, the toggles and the menus stay live.
// The pages are laid out in simulationsseiten.cpp, the runs live in
// simulationslauf.cpp.
class TSimulationspanel : public QTabWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 445;
    static constexpr int Hoehe = 300;

    TSimulationspanel(TProjekt& projekt, TPendel& pendel, bool& abbruch, std::int32_t& zeitfaktor,
                      const TEinstellungen& einstellungen, QWidget* parent);

    // The four commands of the "Simulation" menu: plant and page.
    void Handregelung1Click();
    void FuzzyRegelung1Click();
    void Handregelung2Click();
    void FuzzyRegelung2Click();

    // Start on the hand page and on the fuzzy page.
    void StartClick();
    void Start2Click();
    // Both Stop buttons: the running loop ends after its current pass.
    void StopClick();
    // "Pause" holds a run where it is; "Einzelschritt" then advances it by one
    // pass of EinzelschrittDauer.
    void PauseClick();
    void EinzelschrittClick();
    // The keys of the hand page: the force bar KraftbalkenSchritt columns to
    // the left (-1) or right (+1), or back to 0 N (richtung 0).
    void KraftTaste(int richtung);
    // Both "Schließen" buttons: stop and hide.
    void BitBtn1Click();

    // Whether a run's loop is going.
    bool Laeuft() const { return laeuft; }
    // Stops a running run at once: the pass under way does nothing more.
    void Anhalten();

    // Called after every pass of a run (tests stop a run after some passes).
    void setNachDurchlauf(std::function<void()> f) { nachDurchlauf = std::move(f); }
    // Number of passes of the current or last run.
    int Durchlaeufe() const { return durchlaeufe; }
    // A fixed step length in place of the measured one (tests and the
    // comparison with the command-line tool); nothing = the clock's.
    void setFesterSchritt(std::optional<float> schritt) { festerSchritt = schritt; }

    // The time plot under the panel; it follows the panel's place and
    // visibility and records every run.
    TVerlauf* Verlauf() const { return verlauf; }

    // Puts the panel and the time plot into the room their parent has: the
    // panel in the middle, 15 pixels above centre, the plot under it where
    // the height allows, else beside it (SimulationAnordnen). Inside a scroll
    // area the parent asks for the room the arrangement needs.
    void Platzieren();

    // The controls of the hand page, named as the form names them.
    TKoordinatensystem* Koordinatensystem1() const { return koordinatensystem1; }
    QLabel* Label10() const { return label10; }
    QPushButton* Start() const { return start; }
    QPushButton* Stop() const { return stop; }
    QPushButton* Zeitlupe() const { return zeitlupe; }
    QLabel* Label2() const { return label2; }
    TSingEdit* SingEdit1() const { return singEdit1; }
    TFarbkreis* Shape2() const { return shape2; }
    QLabel* Label7() const { return label7; } // "Kraft in N"
    TKraftbalken* ProgressBar1() const { return progressBar1; }
    TSingEdit* SingEdit3() const { return singEdit3; }
    QPushButton* BitBtn1() const { return bitBtn1; }
    QPushButton* BitBtn4() const { return bitBtn4; }

    // The controls of the fuzzy page.
    TKoordinatensystem* Koordinatensystem2() const { return koordinatensystem2; }
    TLineal1* Lineal1() const { return lineal1; }
    QLabel* Label11() const { return label11; }
    QLabel* Label4() const { return label4; }
    QLabel* Label5() const { return label5; }
    QLabel* Label6() const { return label6; }
    QPushButton* Start2() const { return start2; }
    QPushButton* Stop2() const { return stop2; }
    QPushButton* Wind1() const { return wind1; }
    QLabel* Label3() const { return label3; }
    TSingEdit* SingEdit2() const { return singEdit2; }
    TFarbkreis* Shape1() const { return shape1; }
    QPushButton* Zeitlupe2() const { return zeitlupe2; }
    QPushButton* PauseKnopf() const { return pauseKnopf; }
    QPushButton* Einzelschritt() const { return einzelschritt; }
    QPushButton* BitBtn2() const { return bitBtn2; }
    QPushButton* BitBtn3() const { return bitBtn3; }

signals:
    // A run's loop has returned.
    void LaufBeendet();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // What a run works on: the page's plot, time field and lamp. On the fuzzy
    // page the rules compute the force, on the hand page the force bar.
    struct TLaufseite {
        TKoordinatensystem* plot;
        TSingEdit* zeitfeld;
        TFarbkreis* lampe;
        bool fuzzy;
    };

    void seitenAnlegen();
    void verbinden();
    // A menu command: plant and page, then the panel is shown.
    void befehl(bool pendelTyp, int seite);
    // PendelBildInit (true) and LaufkatzeBildInit (false).
    void BildInit(bool pendelTyp);
    void hintergrund();
    void zeigen();
    void TabbedNotebook1Change();
    void ProgressBar1MouseMove(int spalte);
    void ZeitlupeClick(bool an);
    void wind1Click();

    TLaufseite handseite() const { return {koordinatensystem1, singEdit1, shape2, false}; }
    TLaufseite fuzzyseite() const { return {koordinatensystem2, singEdit2, shape1, true}; }
    // Start of a run: plant, crane markers, first picture, then the loop.
    void laufen(const TLaufseite& seite, float ersteMarke, float wind);
    // Simulation_Hand and Simulation_Fuzzy: the passes until the stop flag.
    void Simulation(const TLaufseite& seite);
    float schrittweite(std::uint32_t t0) const;
    void verlaufBeginnen();
    void verlaufHinzufuegen(bool gruen);
    // Labels of the activity grid from the project, and the degrees at the
    // plant's present measurements (a hand run shows what the rules would do).
    void gitterBeginnen();
    void gitterZeigen(bool messwerteSetzen);
    // While the run is held: waits and hands events on until Pause is
    // released, a single step is asked for, or the run ends. false when the
    // run must end.
    bool angehaltenWarten();
    // true when the pass under way must stop where it is.
    bool unterbrochen() const { return laufNummer != aktuellerLauf; }

    TProjekt& projekt;
    TPendel& pendel;
    bool& abbruch;
    std::int32_t& zeitfaktor;
    const TEinstellungen& einstellungen;

    TKoordinatensystem* koordinatensystem1 = nullptr;
    QLabel* label10 = nullptr;
    QPushButton* start = nullptr;
    QPushButton* stop = nullptr;
    QPushButton* zeitlupe = nullptr;
    QLabel* label2 = nullptr;
    TSingEdit* singEdit1 = nullptr;
    TFarbkreis* shape2 = nullptr;
    QLabel* label7 = nullptr;
    TKraftbalken* progressBar1 = nullptr;
    TSingEdit* singEdit3 = nullptr;
    QPushButton* bitBtn1 = nullptr;
    QPushButton* bitBtn4 = nullptr;

    TKoordinatensystem* koordinatensystem2 = nullptr;
    TLineal1* lineal1 = nullptr;
    QLabel* label11 = nullptr;
    QLabel* label4 = nullptr;
    QLabel* label5 = nullptr;
    QLabel* label6 = nullptr;
    QPushButton* start2 = nullptr;
    QPushButton* stop2 = nullptr;
    QPushButton* wind1 = nullptr;
    QLabel* label3 = nullptr;
    TSingEdit* singEdit2 = nullptr;
    TFarbkreis* shape1 = nullptr;
    QPushButton* zeitlupe2 = nullptr;
    QPushButton* pauseKnopf = nullptr;
    QPushButton* einzelschritt = nullptr;
    QPushButton* bitBtn2 = nullptr;
    QPushButton* bitBtn3 = nullptr;

    bool laeuft = false;
    // Each run gets a number; stopping it from outside moves laufNummer on,
    // and the loop ends as soon as it notices.
    int laufNummer = 0;
    int aktuellerLauf = 0;
    int durchlaeufe = 0;
    bool einzelschrittOffen = false;
    QWidget* handSeite = nullptr;
    int seiteVorher = 0;
    std::function<void()> nachDurchlauf;
    std::optional<float> festerSchritt;
    TVerlauf* verlauf = nullptr;
    QScrollArea* umgebenderRollbereich() const;
    QScrollArea* rollbereich = nullptr;
};
