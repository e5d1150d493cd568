#pragma once

#include "plant/einstellungen.h"

#include <QDialog>

#include <cstdint>

class QPushButton;
class TIntEdit;
class TSingEdit;

// The grid lines at the first opening and after "Standardwerte".
inline constexpr std::int32_t StandardRasterlinien = 5;

// What the options dialog hands back on OK: the simulation settings and the
// grid lines of the variable editor's and tester's plots.
struct TOptionenWerte {
    TEinstellungen Einstellungen;
    std::int32_t Rasterlinien = StandardRasterlinien;

    bool operator==(const TOptionenWerte&) const = default;
};

// The options ("Optionen"): pendulum length, minimum time step, start angle of
// the inverted pendulum, start position of the crane and the grid lines of the
// variable editor's and tester's plots. Created once; the grid-lines field is
// the dialog's own and keeps its value between openings (also after Cancel),
// the settings are loaded at each opening.
class TOptionenform : public QDialog {
    Q_OBJECT
public:
    explicit TOptionenform(QWidget* parent = nullptr);

    // Loads the four settings into their fields; the grid-lines field keeps
    // what it holds.
    void oeffnen(const TEinstellungen& einstellungen);
    // The fields' values, after OK corrected to their bounds. A start angle or
    // start position that is not a finite number keeps the value loaded.
    TOptionenWerte Ergebnis() const;
    // Whether the values differ from those at the opening.
    bool Geaendert() const { return Ergebnis() != beimOeffnen; }

    TSingEdit* Pendellaenge() const { return pendellaenge; }
    TIntEdit* MinDeltaT() const { return minDeltaT; }
    TSingEdit* Startwinkel() const { return startwinkel; }
    TSingEdit* Startposition() const { return startposition; }
    TIntEdit* Rasterlinien() const { return rasterlinien; }
    QPushButton* Standardwerte() const { return standardwerte; }
    QPushButton* OK() const { return ok; }
    QPushButton* Abbrechen() const { return abbrechen; }
    QPushButton* Hilfe() const { return hilfe; }

private:
    void StandardwerteClick();
    // Corrects the fields to their bounds, with a warning for each, then accepts.
    void OKClick();

    TEinstellungen geladen;
    TOptionenWerte beimOeffnen;

    TSingEdit* pendellaenge = nullptr;
    TIntEdit* minDeltaT = nullptr;
    TSingEdit* startwinkel = nullptr;
    TSingEdit* startposition = nullptr;
    TIntEdit* rasterlinien = nullptr;
    QPushButton* standardwerte = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* abbrechen = nullptr;
    QPushButton* hilfe = nullptr;
};

namespace OptionenTexte {
inline const QString raster = QStringLiteral("Die Rasteranzahl muss mindestens 2 sein.");
inline const QString laenge = QStringLiteral("Die Pendellänge muss mindestens 0,1 m betragen.");
inline const QString deltaT = QStringLiteral("DeltaT muss mindestens 10 ms betragen.");
} // namespace OptionenTexte
