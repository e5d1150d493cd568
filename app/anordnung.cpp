#include "app/anordnung.h"

#include <algorithm>

TSimulationsanordnung SimulationAnordnen(QSize raum, QSize panel, QSize verlauf, int verlaufMin)
{
    const int w = raum.width();
    const int h = raum.height();
    TSimulationsanordnung a;
    a.verlaufHoehe = verlauf.height();
    const int stapelHoehe = panel.height() + VerlaufAbstand + verlauf.height();
    const int nebenBreite = panel.width() + VerlaufAbstand + verlauf.width();

    const int mitteX = std::max(0, (w - panel.width()) / 2);
    const int mitteY = std::max(0, (h - panel.height()) / 2 - 15);
    if (mitteY + stapelHoehe <= h) {
        // One above the other, the panel where it always stood.
        a.panel = QPoint(mitteX, mitteY);
    } else if (stapelHoehe <= h) {
        // The pair moves up as one.
        a.panel = QPoint(mitteX, (h - stapelHoehe) / 2);
    } else if (nebenBreite <= w) {
        // Beside: panel left, plot right, the pair in the middle.
        const int hoehe = std::max(panel.height(), verlauf.height());
        const int x = (w - nebenBreite) / 2;
        const int y = std::max(0, (h - hoehe) / 2);
        a.panel = QPoint(x, y + (hoehe - panel.height()) / 2);
        a.verlauf = QPoint(x + panel.width() + VerlaufAbstand, y + (hoehe - verlauf.height()) / 2);
        a.benoetigt = QSize(nebenBreite, hoehe);
        a.nebeneinander = true;
        return a;
    } else {
        // The plot gives up height down to its smallest; what still does not
        // fit starts at the top, and the area scrolls.
        a.verlaufHoehe = std::clamp(h - panel.height() - VerlaufAbstand, std::min(verlaufMin, verlauf.height()),
                                    verlauf.height());
        a.panel = QPoint(mitteX, std::max(0, (h - panel.height() - VerlaufAbstand - a.verlaufHoehe) / 2));
    }
    // The plot is centred under the panel but never leaves the room on the left.
    const int links = std::max(0, std::min(a.panel.x() + (panel.width() - verlauf.width()) / 2,
                                           w - verlauf.width()));
    a.verlauf = QPoint(links, a.panel.y() + panel.height() + VerlaufAbstand);
    a.benoetigt = QSize(std::max(panel.width(), verlauf.width()), panel.height() + VerlaufAbstand + a.verlaufHoehe);
    return a;
}

int UebersichtSpalten(int breite)
{
    return breite >= UebersichtZweispaltigAb ? 2 : 1;
}
