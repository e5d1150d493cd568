#pragma once

#include "app/einstellungen.h"

#include <QImage>
#include <QProgressBar>
#include <QTabWidget>

#include <cstdint>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class TKoordinatensystem;
class TLineal1;
class TPendel;
class TSingEdit;
class TVerlauf;
struct TProjekt;

// The success lamp: a filled circle, hidden until a crane run shows it.
class TAmpel : public QWidget {
    Q_OBJECT
public:
    explicit TAmpel(QWidget* parent = nullptr);
    QColor Farbe() const { return farbe; }
    void setFarbe(const QColor& neu);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor farbe = QColor(255, 0, 0);
};

// The force bar of the hand page: it follows the mouse without a button
// pressed and reports the column under the pointer.
class TKraftbalken : public QProgressBar {
    Q_OBJECT
public:
    explicit TKraftbalken(QWidget* parent = nullptr);
    // The bar shows only 0..100; a value outside is held at the nearer end
    // (a plain progress bar would ignore it and keep its old position).
    void setPosition(int spalte);

signals:
    void mausBewegt(int spalte);

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
};

// The backdrop of both plots, 421 x 133, drawn by code: an evening sky over a
// floor with a track. Dark in the red channel so that the red plant, drawn by
// XOR, stands out in bright red. At a device pixel ratio above 1 it has as
// many more pixels, so that it stays sharp on a scaled screen.
QImage BackGround(qreal ratio = 1);

// Force from the force bar's column: (X - 50) / 2 N for the inverted
// pendulum, (X - 50) / 50 N for the crane.
float KraftAusBalken(int spalte, bool pendelTyp);

// Step length after a pass of `millisekunden` on the clock, divided by the
// slow-motion factor. A pass longer than LaengsterDurchlauf (a menu or a
// message box held open, a suspended machine) counts as that long, so that
// the Euler step stays small enough for the model.
inline constexpr std::uint32_t LaengsterDurchlauf = 200;
float Schrittweite(std::uint32_t millisekunden, int zeitfaktor);

// The two-page simulation panel of the main window: hand control and fuzzy
// control of the inverted pendulum or the crane in real time. The main window
// owns the project, the plant, the stop flag and the slow-motion factor; the
// panel works on them. A run is a loop inside the Start handler that hands
// events to Qt while it waits, so Stop, the toggles and the menus stay live.
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

    void StartClick();
    void StopClick();
    void Start2Click();
    void Stop2Click();
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

    // Puts the panel in the middle of its parent, 15 pixels above centre.
    void Platzieren();

    // The form's controls, named as the form names them.
    TKoordinatensystem* Koordinatensystem1;
    QLabel* Label10;
    QPushButton* Start;
    QPushButton* Stop;
    QPushButton* Zeitlupe;
    QLabel* Label2;
    TSingEdit* SingEdit1;
    TAmpel* Shape2;
    QLabel* Label7;  // "Kraft in N"
    TKraftbalken* ProgressBar1;
    TSingEdit* SingEdit3;
    QPushButton* BitBtn1;
    QPushButton* BitBtn4;

    TKoordinatensystem* Koordinatensystem2;
    TLineal1* Lineal1;
    QLabel* Label11;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QPushButton* Start2;
    QPushButton* Stop2;
    QPushButton* wind1;
    QLabel* Label3;
    TSingEdit* SingEdit2;
    TAmpel* Shape1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

signals:
    // A run's loop has returned.
    void LaufBeendet();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void seitenAnlegen();
    void PendelBildInit();
    void LaufkatzeBildInit();
    void hintergrund();
    void seiteWaehlen(int seite);
    void zeigen();
    void TabbedNotebook1Change();
    void ProgressBar1MouseMove(int spalte);
    void ZeitlupeClick();
    void wind1Click();
    void Simulation_Hand();
    void Simulation_Fuzzy();
    void MarkenUndSchiene(TKoordinatensystem& k, float ersteMarke);
    void lampeSetzen(TAmpel& lampe, bool gruen);
    float schrittweite(std::uint32_t t0) const;
    void verlaufBeginnen();
    void verlaufHinzufuegen(bool gruen);
    // true when the pass under way must stop where it is.
    bool unterbrochen() const { return laufNummer != aktuellerLauf; }

    TProjekt& projekt;
    TPendel& pendel;
    bool& abbruch;
    std::int32_t& zeitfaktor;
    const TEinstellungen& einstellungen;

    bool laeuft = false;
    // Each run gets a number; stopping it from outside moves laufNummer on,
    // and the loop ends as soon as it notices.
    int laufNummer = 0;
    int aktuellerLauf = 0;
    int durchlaeufe = 0;
    int seiteVorher = 0;
    std::function<void()> nachDurchlauf;
    std::optional<float> festerSchritt;
    TVerlauf* verlauf = nullptr;
};
