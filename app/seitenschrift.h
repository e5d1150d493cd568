#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

// Letters for the pages that fill the main window (the start page and the
// project overview): sizes for a class that reads the screen from the back of
// the room, unlike the small fixed font of the dialogs.
namespace Seitenschrift {
constexpr int Grund = 15;
constexpr int Titel = 20;
constexpr int Plot = 13;
} // namespace Seitenschrift

// `basis` at `pixel` pixels.
QFont Schrift(const QFont& basis, int pixel, bool fett = false);

// Sets the text colour through the palette: a style sheet on a label would
// also replace its font.
void Textfarbe(QWidget* w, const QColor& farbe);

// A label in the parent's font at `pixel` pixels, in `farbe` (a colour name)
// unless that is empty.
QLabel* Beschriftung(QWidget* eltern, int pixel, bool fett = false, const QString& farbe = QString());
