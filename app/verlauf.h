#pragma once

#include <QString>
#include <QWidget>

class QCheckBox;
class QPushButton;
class TVerlaufPlot;

// The box under the simulation panel: a check box that shows or hides the
// time plot, and the plot's buttons "Kopieren", "Bild speichern..." and
// "Daten speichern...".
class TVerlauf : public QWidget {
    Q_OBJECT
public:
    explicit TVerlauf(QWidget* parent = nullptr);

    void KopierenClick();
    void BildSpeichernClick();
    void DatenSpeichernClick();

    QCheckBox* Anzeigen() const { return anzeigen; }
    QPushButton* Kopieren() const { return kopieren; }
    QPushButton* BildSpeichern() const { return bildSpeichern; }
    QPushButton* DatenSpeichern() const { return datenSpeichern; }
    TVerlaufPlot* Plot() const { return plot; }

private:
    void speichern(const QString& titel, const QString& filter, const QString& endung, const QByteArray& bytes);

    QCheckBox* anzeigen = nullptr;
    QPushButton* kopieren = nullptr;
    QPushButton* bildSpeichern = nullptr;
    QPushButton* datenSpeichern = nullptr;
    TVerlaufPlot* plot = nullptr;
};

namespace VerlaufTexte {
inline const QString nichtGespeichert = QStringLiteral("Die Datei konnte nicht gespeichert werden.");
} // namespace VerlaufTexte
