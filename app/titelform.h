#pragma once

#include <QDialog>

class QLabel;
class QTimer;

// The title window of start-up: a borderless picture with the program's lines,
// shown modally; it closes itself Anzeigedauer ms after it opens.
class TTitelform : public QDialog {
    Q_OBJECT
public:
    static constexpr int Breite = 443;
    static constexpr int Hoehe = 338;
    static constexpr int Anzeigedauer = 2000;

    explicit TTitelform(QWidget* parent = nullptr);

    // Starts the time the window stays; the opener shows it right after.
    void oeffnen();

    QTimer* Zeitgeber() const { return zeitgeber; }
    // The lines over the picture: tagline, author, rights, picture credits.
    QList<QLabel*> Zeilen() const { return zeilen; }

private:
    QTimer* zeitgeber;
    QList<QLabel*> zeilen;
};
