#pragma once

#include <QString>

class QFontMetrics;
class QLabel;

// Names of variables and terms are the user's text: shown as they are, never
// as markup, and cut to the room they have, so that a long name neither
// grows a window nor hides the controls beside it.

// At most this many characters of a text go into a tooltip: a tooltip of a
// longer one would be taller than any screen.
inline constexpr int HinweisZeichen = 1000;

// The text cut with "…" to `breite` pixels in the font of `fm`; the text
// itself when it fits.
QString Gekuerzt(const QFontMetrics& fm, const QString& text, int breite);

// A tooltip that shows the text literally, also where it looks like markup,
// in lines of moderate width. A text beyond HinweisZeichen characters is cut
// there, followed by "…" and its length. Empty for an empty text.
QString KlartextHinweis(const QString& text);

// The label shows the text as plain text, cut to `breite` pixels (the label's
// own width when `breite` < 0); the tooltip holds the whole text when it was
// cut and is empty otherwise.
void KlartextSetzen(QLabel& label, const QString& text, int breite = -1);
