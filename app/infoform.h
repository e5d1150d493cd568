#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box "Infos": name, version, authors, rights, pictures, and how
// many programs tarvik.ini registers (read anew at every showing).
class TInfoForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int Breite = 360;
    static constexpr int Hoehe = 268;
    static inline const QString AnzahlText = QStringLiteral("Anzahl der eingebundenen Programme: ");

    explicit TInfoForm(QWidget* parent = nullptr);

    // The program directory; the main window sets it before showing the box.
    QString pfad;

    // Reads the count from tarvik.ini; called before every showing.
    void oeffnen();

    QLabel* Anzahl() const { return anzahl; }
    QPushButton* Ok() const { return ok; }
    QList<QLabel*> Zeilen() const { return zeilen; }

private:
    QLabel* anzahl;
    QPushButton* ok;
    QList<QLabel*> zeilen;
};

// Shows the about box for the program directory, modally.
void InfoZeigen(const QString& programmpfad, QWidget* parent = nullptr);
