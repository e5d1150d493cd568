#pragma once

#include <QPoint>
#include <QSize>

// Where the simulation panel and the time plot go in the room the main
// window's central area has. Where the room is enough for the panel and the
// plot one above the other, the panel sits in the middle, 15 pixels above
// centre, with the plot 8 pixels under it; a shorter room first moves the pair
// up as one, then puts the plot beside the panel where the width allows, and
// else shortens the plot down to its smallest height, and last stacks them
// from the top and lets the area scroll.
struct TSimulationsanordnung {
    QPoint panel;
    QPoint verlauf;
    // The room the arrangement needs: more than the room given means scrolling.
    QSize benoetigt;
    // The plot's box's height: its full height but where it is shortened.
    int verlaufHoehe = 0;
    bool nebeneinander = false;
};

inline constexpr int VerlaufAbstand = 8;

// verlauf is the plot's box at its full height, verlaufMin its smallest height.
TSimulationsanordnung SimulationAnordnen(QSize raum, QSize panel, QSize verlauf, int verlaufMin);

// How many columns the overview's four cards take at a given width.
inline constexpr int UebersichtZweispaltigAb = 1100;
int UebersichtSpalten(int breite);
