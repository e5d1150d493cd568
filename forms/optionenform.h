#pragma once

#include <QDialog>

#include <cstdint>
#include <vector>

class QPushButton;
class TIntEdit;
class TKoordinatensystem;
class TSingEdit;

// The simulation settings the dialog edits, as the main window keeps them.
struct TOptionenWerte {
    float Katzenstartposition = -3.0f; // m
    float Pendellaenge = 2.5f;         // m
    std::int32_t MinDeltaT = 20;       // ms
    float Startwinkel = 10.0f;         // degrees
};

// The options ("Optionen"): pendulum length, minimum time step, start angle of
// the inverted pendulum, start position of the crane and the grid lines of the
// variable editor's and tester's plots. Created once; the grid-lines field
// keeps its value between openings, the other fields are loaded each time.
class TOptionenform : public QDialog {
    Q_OBJECT
public:
    static constexpr int StandardRasterlinien = 5;

    explicit TOptionenform(QWidget* parent = nullptr);

    // Loads the four settings into their fields; call before showing.
    void oeffnen(const TOptionenWerte& werte);
    // The fields' values, after OK corrected to their bounds. A start angle or
    // start position that is not a finite number keeps the value loaded.
    TOptionenWerte Werte() const;
    std::int32_t Rasterlinien() const;

    // The plots whose grid follows the grid-lines field on OK.
    void setRasterPlots(std::vector<TKoordinatensystem*> plots) { rasterPlots = std::move(plots); }
    // Stores the grid lines into the plots (field minus 1 intervals).
    void RasterUebernehmen();

    // Shows the dialog modally; on OK the values are corrected and the plots'
    // grid set. Returns true on OK.
    bool ausfuehren(TOptionenWerte& werte);

    void StandardwerteClick();
    // Corrects the fields to their bounds, with a warning for each, then accepts.
    void OKClick();

    TSingEdit* Pendellaenge;
    TIntEdit* MinDeltaT;
    TSingEdit* Startwinkel;
    TSingEdit* Startposition;
    TIntEdit* Rasterlinien_;
    QPushButton* Standardwerte;
    QPushButton* OK;
    QPushButton* Abbrechen;
    QPushButton* Hilfe;

private:
    TOptionenWerte geladen;
    std::vector<TKoordinatensystem*> rasterPlots;
};

namespace OptionenTexte {
inline const QString raster = QStringLiteral("Die Rasteranzahl muss mindestens 2 sein.");
inline const QString laenge = QStringLiteral("Die Pendellänge muss mindestens 0,1 m betragen.");
inline const QString deltaT = QStringLiteral("DeltaT muss mindestens 10 ms betragen.");
} // namespace OptionenTexte
