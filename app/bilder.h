#pragma once

#include <QIcon>
#include <QImage>

// The program's own pictures, drawn by code.

// Pictures of the tool-bar buttons, from left to right.
enum class TKnopfbild {
    Neu,
    Oeffnen,
    Speichern,
    SpeichernUnter,
    Drucken,
    Beenden,
    RegelnEditieren,
    RegelnTesten,
    RegelnSuchen,
    Pendel,
    Laufkatze,
    Experiment,
    Information,
    Internet,
};

// A button picture at `groesse` pixels (drawn for 16 and scaled).
QImage Knopfbild(TKnopfbild bild, int groesse = 16);
QIcon Knopfsymbol(TKnopfbild bild);

// The title window's picture, 443 x 338 logical pixels, at a screen's
// device pixel ratio.
QImage Titelbild(qreal ratio = 1);
// The program symbol: a pendulum on a cart over two fuzzy terms,
// `groesse` logical pixels square at the device pixel ratio.
QImage Programmbild(int groesse, qreal ratio = 1);
QIcon Programmsymbol();
