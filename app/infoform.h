#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// What the about box shows beside its fixed lines: the number of programs
// tarvik.ini registers, read anew before every showing.
struct TInfoDaten {
    int Programmanzahl = 0;
};

// The about box "Infos": name, version, authors, rights, pictures, and how
// many programs are registered.
class TInfoForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int Breite = 360;
    static constexpr int Hoehe = 268;
    static inline const QString AnzahlText = QStringLiteral("Anzahl der eingebundenen Programme: ");

    explicit TInfoForm(QWidget* parent = nullptr);

    void oeffnen(const TInfoDaten& daten);

    QLabel* Anzahl() const { return anzahl; }
    QPushButton* Ok() const { return ok; }
    QList<QLabel*> Zeilen() const { return zeilen; }

private:
    QLabel* anzahl;
    QPushButton* ok;
    QList<QLabel*> zeilen;
};
