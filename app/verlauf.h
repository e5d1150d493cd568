#pragma once

#include "core/regelaktivitaet.h"

#include <QString>
#include <QTimer>
#include <QWidget>

class QCheckBox;
class QPushButton;
class TAktivitaetsgitter;
class TVerlaufPlot;

// The box under the simulation panel: a check box that shows or hides the
// time plot, and the plot's buttons "Kopieren", "Bild speichern..." and
// "Daten speichern..."; beside the plot the rule activity of the pass shown,
// with a check box of its own.
class TVerlauf : public QWidget {
    Q_OBJECT
public:
    explicit TVerlauf(QWidget* parent = nullptr);

    // The buttons' row above the plot.
    static constexpr int Kopfhoehe = 30;
    // The plot's height (TVerlaufPlot::setHoehe); the box follows it.
    void setPlothoehe(int h);

    void KopierenClick();
    void BildSpeichernClick();
    void DatenSpeichernClick();
    // What "Daten speichern..." writes: the run alone, or with the previous
    // run shown, both runs, each row led by the run's name.
    QByteArray Daten() const;

    // The rule activity of the pass just made. The grid shows it at its next
    // refresh (at most every Auffrischung ms), not at every pass, so that a
    // pass costs no more for it.
    void setAktivitaet(const TRegelAktivitaet& aktivitaet);
    const TRegelAktivitaet& Aktivitaet() const { return aktivitaet; }
    static constexpr int Auffrischung = 40;

    QCheckBox* Anzeigen() const { return anzeigen; }
    QPushButton* Kopieren() const { return kopieren; }
    QPushButton* BildSpeichern() const { return bildSpeichern; }
    QPushButton* DatenSpeichern() const { return datenSpeichern; }
    TVerlaufPlot* Plot() const { return plot; }
    QCheckBox* VorigenZeigen() const { return vorigenZeigen; }
    QCheckBox* RegelnAnzeigen() const { return regelnAnzeigen; }
    TAktivitaetsgitter* Gitter() const { return gitter; }

    static constexpr int GitterBreite = 219;
    static constexpr int GitterHoehe = 158;

private:
    void speichern(const QString& titel, const QString& filter, const QString& endung, const QByteArray& bytes);

    QCheckBox* anzeigen = nullptr;
    QPushButton* kopieren = nullptr;
    QPushButton* bildSpeichern = nullptr;
    QPushButton* datenSpeichern = nullptr;
    TVerlaufPlot* plot = nullptr;
    QCheckBox* regelnAnzeigen = nullptr;
    QCheckBox* vorigenZeigen = nullptr;
    TAktivitaetsgitter* gitter = nullptr;
    TRegelAktivitaet aktivitaet;
    QTimer auffrischen;
};

namespace VerlaufTexte {
inline QString nichtGespeichert(const QString& datei)
{
    return QStringLiteral("Die Datei \"") + datei + QStringLiteral("\" konnte nicht gespeichert werden.");
}
// The first column of the data of two runs.
inline const QString laufSpalte = QStringLiteral("lauf");
inline const QString voriger = QStringLiteral("vorig");
inline const QString aktueller = QStringLiteral("aktuell");
} // namespace VerlaufTexte
