#include "app/simulationspanel.h"

#include "app/anordnung.h"
#include "app/kraftbalken.h"
#include "app/verlauf.h"
#include "app/verlaufplot.h"
#include "plant/pendel.h"
#include "plant/simulation.h"
#include "widgets/farbkreis.h"
#include "widgets/koordinatensystem.h"
#include "widgets/singedit.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>

#include <algorithm>

TSimulationspanel::TSimulationspanel(TProjekt& p, TPendel& pe, bool& ab, std::int32_t& zf,
                                     const TEinstellungen& e, QWidget* parent)
    : QTabWidget(parent), projekt(p), pendel(pe), abbruch(ab), zeitfaktor(zf), einstellungen(e)
{
    setObjectName(QStringLiteral("TabbedNotebook1"));
    setFixedSize(Breite, Hoehe);
    seitenAnlegen();
    verbinden();
    hide();
    if (parent) {
        parent->installEventFilter(this);
        verlauf = new TVerlauf(parent);
        verlauf->hide();
    }
    connect(this, &QTabWidget::currentChanged, this, [this](int seite) {
        if (seite != seiteVorher) {
            seiteVorher = seite;
            TabbedNotebook1Change();
        }
    });
}

bool TSimulationspanel::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::KeyPress && o != parentWidget() && !(rollbereich && o == rollbereich->viewport())) {
        switch (static_cast<QKeyEvent*>(e)->key()) {
        case Qt::Key_Left:
            KraftTaste(-1);
            return true;
        case Qt::Key_Right:
            KraftTaste(1);
            return true;
        case Qt::Key_Space:
        case Qt::Key_Home:
            KraftTaste(0);
            return true;
        default:
            break;
        }
    }
    if (e->type() == QEvent::Resize && (o == parentWidget() || (rollbereich && o == rollbereich->viewport())))
        Platzieren();
    return QTabWidget::eventFilter(o, e);
}

QScrollArea* TSimulationspanel::umgebenderRollbereich() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* s = qobject_cast<QScrollArea*>(w))
            return s;
    }
    return nullptr;
}

void TSimulationspanel::Platzieren()
{
    QWidget* p = parentWidget();
    if (!p)
        return;
    // The plot's box at its full height: it may shrink to fit and grow back.
    const QSize verlaufGroesse = verlauf ? QSize(verlauf->width(), TVerlaufPlot::Hoehe + TVerlauf::Kopfhoehe)
                                         : QSize(0, 0);
    const int verlaufMin = TVerlaufPlot::MinHoehe + TVerlauf::Kopfhoehe;
    if (!rollbereich) {
        rollbereich = umgebenderRollbereich();
        if (rollbereich)
            rollbereich->viewport()->installEventFilter(this);
    }
    if (rollbereich) {
        // The arrangement follows the room that shows, not the area's own
        // size: that only grows to what the arrangement needs, and the rest
        // scrolls.
        const QSize noetig = SimulationAnordnen(rollbereich->viewport()->size(), size(), verlaufGroesse, verlaufMin).benoetigt;
        if (p->minimumSize() != noetig)
            p->setMinimumSize(noetig);
    }
    const TSimulationsanordnung a = SimulationAnordnen(p->size(), size(), verlaufGroesse, verlaufMin);
    move(a.panel);
    if (verlauf) {
        verlauf->setPlothoehe(a.verlaufHoehe - TVerlauf::Kopfhoehe);
        verlauf->move(a.verlauf);
    }
}

void TSimulationspanel::Anhalten()
{
    abbruch = true;
    if (laeuft)
        ++laufNummer;
}

void TSimulationspanel::BildInit(bool pendelTyp)
{
    koordinatensystem1->Refresh();
    koordinatensystem2->Refresh();
    const QString titel = pendelTyp ? QStringLiteral("invertiertes Pendel") : QStringLiteral("Laufkatze");
    label11->setText(titel);
    label10->setText(titel);
    pendel.setPendelTyp(pendelTyp);
    // The gravity sign follows the plant type only through Init.
    pendel.Init();
    label4->setText(pendelTyp ? QStringLiteral("Eingang A: Winkel") : QStringLiteral("Eingang A: Position"));
    label5->setText(pendelTyp ? QStringLiteral("Eingang B: Winkelgeschwindigkeit") : QStringLiteral("Eingang B: Winkel"));
    label6->setText(QStringLiteral("Ausgang: Kraft auf den Wagen"));
}

void TSimulationspanel::hintergrund()
{
    // The stop flag stays as it is: only Start clears it, or a run stopped
    // by this command would go on.
    koordinatensystem1->Refresh();
}

void TSimulationspanel::zeigen()
{
    if (QWidget* p = parentWidget()) {
        p->show();
        // Whatever shared the central area may have given way: lay it out now,
        // so the panel is centred in the room it really has.
        if (QWidget* g = p->parentWidget(); g && g->layout())
            g->layout()->activate();
    }
    Platzieren();
    show();
    raise();
    if (verlauf)
        verlauf->show();
}

void TSimulationspanel::befehl(bool pendelTyp, int seite)
{
    Anhalten();
    BildInit(pendelTyp);
    // Selecting the other page runs TabbedNotebook1Change.
    setCurrentIndex(seite);
    if (seite == 0) {
        shape2->hide();
        hintergrund();
    } else if (pendelTyp) {
        // The crane's fuzzy command leaves its lamp as it is.
        shape1->hide();
    }
    zeigen();
}

void TSimulationspanel::Handregelung1Click()
{
    befehl(true, 0);
}

void TSimulationspanel::FuzzyRegelung1Click()
{
    befehl(true, 1);
}

void TSimulationspanel::Handregelung2Click()
{
    befehl(false, 0);
}

void TSimulationspanel::FuzzyRegelung2Click()
{
    befehl(false, 1);
}

void TSimulationspanel::TabbedNotebook1Change()
{
    Anhalten();
    pendel.Init();
    singEdit1->clear();
    singEdit2->clear();
}

void TSimulationspanel::StopClick()
{
    abbruch = true;
}

void TSimulationspanel::BitBtn1Click()
{
    abbruch = true;
    hide();
    if (verlauf)
        verlauf->hide();
    if (QWidget* p = parentWidget())
        p->hide();
}

void TSimulationspanel::ZeitlupeClick(bool an)
{
    // The two pages' buttons are one setting.
    for (QPushButton* k : {zeitlupe, zeitlupe2}) {
        const QSignalBlocker still(k);
        k->setChecked(an);
    }
    zeitfaktor = an ? 5 : 1;
}

void TSimulationspanel::PauseClick()
{
    einzelschrittOffen = false;
}

void TSimulationspanel::EinzelschrittClick()
{
    if (laeuft && pauseKnopf->isChecked())
        einzelschrittOffen = true;
}

void TSimulationspanel::KraftTaste(int richtung)
{
    // Before the first run the bar shows nothing: the keys start from 0 N.
    const int spalte = progressBar1->value() < progressBar1->minimum() ? 50 : progressBar1->value();
    ProgressBar1MouseMove(KraftbalkenTaste(spalte, richtung));
}

void TSimulationspanel::wind1Click()
{
    pendel.setWind(wind1->isChecked() ? Windkraft : 0.0f);
}

void TSimulationspanel::ProgressBar1MouseMove(int spalte)
{
    progressBar1->setPosition(spalte);
    pendel.setKraft(KraftAusBalken(spalte, pendel.PendelTyp()));
    singEdit3->setNumber(pendel.Kraft());
}
