#include "forms/regtestform.h"

#include "core/regelaktivitaet.h"
#include "forms/ddgraphform.h"
#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"
#include "platform/modal.h"
#include "widgets/aktivitaetsgitter.h"
#include "widgets/farbe.h"
#include "widgets/fuzzyzeichnen.h"
#include "widgets/koordinatensystem.h"
#include "widgets/singedit.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace {

constexpr int Skalenende = 200;

QLabel* Namenslabel(QWidget* parent, const QRect& platz)
{
    auto* l = new QLabel(parent);
    l->setGeometry(platz);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(128, 0, 0));
    l->setPalette(p);
    return l;
}

TKoordinatensystem* Plot(QWidget* parent, const QRect& platz, TSkala skala)
{
    auto* k = new TKoordinatensystem(parent);
    k->setGeometry(platz);
    k->setSkalenart(skala);
    k->setKSFarbe(QColor(128, 128, 128));
    k->setGraphFarbe(Qt::black);
    k->setStiftart(TStiftart::Kopieren);
    k->Neu();
    k->Refresh();
    return k;
}

TSingEdit* Wertfeld(QWidget* parent, const QRect& platz, const QString& hinweis)
{
    auto* e = new TSingEdit(parent);
    e->setGeometry(platz);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    HinweisSetzen(e, hinweis);
    return e;
}

QScrollBar* Schieber(QWidget* parent, const QRect& platz, const QString& hinweis)
{
    auto* s = new QScrollBar(Qt::Horizontal, parent);
    s->setGeometry(platz);
    s->setRange(0, Skalenende);
    s->setSingleStep(1);
    s->setPageStep(10);
    // The keys move an input, like the mouse.
    s->setFocusPolicy(Qt::StrongFocus);
    HinweisSetzen(s, hinweis);
    return s;
}

QLabel* ZLabel(QWidget* parent, const QRect& platz)
{
    auto* l = new QLabel(QStringLiteral("Z ="), parent);
    l->setGeometry(platz);
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(12);
    l->setFont(f);
    return l;
}

} // namespace

TRegTestForm::TRegTestForm(TDDGraphForm* graph, QWidget* parent)
    : QDialog(parent)
    , ddGraph(graph)
{
    DialogRahmen(*this, 720, 430, QStringLiteral("Regeln testen"));

    labelAusgang = Namenslabel(this, QRect(8, 6, 381, 16));
    plotAusgang = Plot(this, QRect(8, 22, 381, 156), TSkala::ganz);
    auto* wertText = new QLabel(QStringLiteral("Ausgangswert:"), this);
    wertText->setGeometry(400, 80, 92, 16);
    wertAusgang = Wertfeld(this, QRect(400, 97, 84, 21), QStringLiteral("Ausgangswert nach der Defuzzifizierung"));

    labelA = Namenslabel(this, QRect(8, 186, 186, 16));
    labelB = Namenslabel(this, QRect(203, 186, 186, 16));
    plotA = Plot(this, QRect(8, 202, 186, 133), TSkala::teilweise);
    plotB = Plot(this, QRect(203, 202, 186, 133), TSkala::teilweise);
    scrollA = Schieber(this, QRect(8, 339, 186, 17), QStringLiteral("Wert von Eingang A einstellen"));
    scrollB = Schieber(this, QRect(203, 339, 186, 17), QStringLiteral("Wert von Eingang B einstellen"));
    wertA = Wertfeld(this, QRect(8, 360, 84, 21), QStringLiteral("Wert von Eingang A"));
    wertB = Wertfeld(this, QRect(203, 360, 84, 21), QStringLiteral("Wert von Eingang B"));
    zA = ZLabel(this, QRect(8, 386, 192, 18));
    zB = ZLabel(this, QRect(203, 386, 192, 18));

    auto* gitterTitel = Namenslabel(this, QRect(398, 186, 219, 16));
    gitterTitel->setText(QStringLiteral("Regelaktivität"));
    gitter = new TAktivitaetsgitter(this);
    gitter->setGeometry(398, 202, TAktivitaetsgitter::Kopfbreite + 5 * 37, TAktivitaetsgitter::Kopfhoehe + 5 * 28);
    HinweisSetzen(gitter, QStringLiteral("Erfüllungsgrad jeder Regel: min(Zugehörigkeit A, Zugehörigkeit B); "
                                         "eingerahmt die Regel, die die Höhe ihres Ausgangsterms bestimmt"));
    auto* legende = new QLabel(QStringLiteral("Zahl: Erfüllungsgrad der Regel\n"
                                              "eingerahmt: bestimmt die Termhöhe"),
                               this);
    legende->setGeometry(398, 362, 222, 30);
    keineRegel = new QLabel(this);
    keineRegel->setGeometry(8, 408, 610, 16);
    QPalette rot = keineRegel->palette();
    rot.setColor(QPalette::WindowText, QColor(192, 0, 0));
    keineRegel->setPalette(rot);

    knopf3d = KnopfAnlegen(this, QStringLiteral("3D"), QRect(628, 22, 84, 27),
                           QStringLiteral("Das Kennfeld dreidimensional anzeigen"));
    knopfOK = KnopfAnlegen(this, QStringLiteral("OK"), QRect(628, 338, 84, 27));
    knopfOK->setDefault(true);
    knopfHilfe = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(628, 372, 84, 27));

    connect(scrollA, &QScrollBar::valueChanged, this, [this] { ScrollBar1Change(); });
    connect(scrollB, &QScrollBar::valueChanged, this, [this] { ScrollBar2Change(); });
    connect(knopf3d, &QPushButton::clicked, this, [this] { b3dClick(); });
    connect(knopfOK, &QPushButton::clicked, this, &QDialog::accept);
    HilfeSeiteSetzen(this, HilfeSeite::Regeln, knopfHilfe);
}

double TRegTestForm::Gitterposition(const TFuzzy& eingang)
{
    const double spanne = double(eingang.b()) - eingang.a();
    const double t = (double(eingang.x()) - eingang.a()) / spanne * 20;
    return spanne > 0 && std::isfinite(t) ? std::clamp(t, 0.0, 20.0) : 0;
}

float TRegTestForm::Eingangswert(float fa, float fb, int position)
{
    return static_cast<float>(double(fa) + position * (double(fb) - fa) / Skalenende);
}

void TRegTestForm::oeffnen()
{
    // Reset without running the handlers: everything is set from the copies below.
    {
        const QSignalBlocker a(scrollA);
        const QSignalBlocker b(scrollB);
        scrollA->setValue(0);
        scrollB->setValue(0);
    }
    labelA->setText(EingangA.Name());
    EingangA.FarbeInit();
    EingangA.setX(EingangA.a());
    wertA->setNumber(EingangA.x());
    EingangB.setX(EingangB.a());
    if (EingangB.definiert()) {
        labelB->setText(EingangB.Name());
        EingangB.FarbeInit();
        wertB->setNumber(EingangB.x());
    } else {
        labelB->clear();
        wertB->clear();
    }
    labelAusgang->setText(Ausgang.Name());
    Ausgang.FarbeInit();
    plotAusgang->setStiftart(TStiftart::Kopieren);
    zB->setText(EingangB.definiert() ? QStringLiteral("Z =") : QString());
    QStringList zeilen, spalten, terme;
    QList<QColor> farben;
    for (int i = 1; i <= EingangA.gueltigeAnzahl(); ++i)
        zeilen << EingangA.AbkTermname(i);
    if (EingangB.definiert())
        for (int j = 1; j <= EingangB.gueltigeAnzahl(); ++j)
            spalten << EingangB.AbkTermname(j);
    else
        spalten << QString();
    for (int k = 1; k <= Ausgang.gueltigeAnzahl(); ++k) {
        terme << Ausgang.AbkTermname(k);
        farben << qFarbe(Ausgang.Farbe(k));
    }
    gitter->setBeschriftung(zeilen, spalten, terme, farben);
    FormPaint();
    RegleAusgang();
    ZeichneAusgang();
    scrollA->setFocus();
}

void TRegTestForm::FormPaint()
{
    Zeichnen(EingangA, *plotA);
    plotA->setStiftart(TStiftart::Xor);
    ZugehoerigkeitZeichnen(EingangA, *plotA);
    if (EingangB.definiert()) {
        Zeichnen(EingangB, *plotB);
        plotB->setStiftart(TStiftart::Xor);
        ZugehoerigkeitZeichnen(EingangB, *plotB);
    } else {
        plotB->setStiftart(TStiftart::Kopieren);
        plotB->Refresh();
    }
}

void TRegTestForm::eingangBewegen(TFuzzy& eingang, TKoordinatensystem& plot, int position, TSingEdit& feld,
                                  bool zeichnen)
{
    if (zeichnen) {
        plot.setStiftart(TStiftart::Xor);
        ZugehoerigkeitZeichnen(eingang, plot);
    }
    eingang.setX(Eingangswert(eingang.a(), eingang.b(), position));
    if (zeichnen)
        ZugehoerigkeitZeichnen(eingang, plot);
    feld.setNumber(eingang.x());
    RegleAusgang();
    ZeichneAusgang();
}

void TRegTestForm::ScrollBar1Change()
{
    eingangBewegen(EingangA, *plotA, scrollA->value(), *wertA, true);
}

void TRegTestForm::ScrollBar2Change()
{
    // Input B moves also when it is not defined, without effect on the output;
    // its plot stays empty then.
    eingangBewegen(EingangB, *plotB, scrollB->value(), *wertB, EingangB.definiert());
}

void TRegTestForm::RegleAusgang()
{
    ::RegleAusgang(EingangA, EingangB, regel, Ausgang);
    zA->setText(EingangA.ZListeString());
    if (EingangB.definiert())
        zB->setText(EingangB.ZListeString());
    const TRegelAktivitaet aktivitaet = RegelAktivitaet(EingangA, EingangB, regel, Ausgang);
    if (!gitter->isHidden())
        gitter->setAktivitaet(aktivitaet);
    keineRegel->setText(aktivitaet.keineAktiv ? KeineRegelText : QString());
}

void TRegTestForm::ZeichneAusgang()
{
    Zeichnen(Ausgang, *plotAusgang);
    const float v = Ausgang.Schwerpunktkoordinate();
    wertAusgang->setNumber(v);
    TCanvas& canvas = plotAusgang->Canvas();
    canvas.Stift.Breite = 3;
    plotAusgang->setStiftart(TStiftart::Kopieren);
    plotAusgang->setGraphFarbe(Qt::black);
    plotAusgang->moveto(v, -0.05f);
    plotAusgang->lineto(v, 0.05f);
    canvas.Stift.Breite = 1;
}

void TRegTestForm::b3dClick()
{
    if (!ddGraph)
        return;
    // Sampling runs on copies: the inputs, their lines and the "Z =" lines
    // stay where the scroll bars put them.
    TFuzzy a = EingangA;
    TFuzzy b = EingangB;
    TFuzzy aus = Ausgang;
    ddGraph->FuzzyDaten = Kennfeld(a, b, regel, aus);
    ddGraph->setNamen(EingangA.Name(), EingangB.definiert() ? EingangB.Name() : QString(), Ausgang.Name());
    // The operating point sits on the middle of the box it falls on.
    const int i = std::min(19, int(Gitterposition(EingangA)));
    const int j = std::min(19, int(Gitterposition(EingangB)));
    ddGraph->setArbeitspunkt(QPointF(i + 0.5, j + 0.5), ddGraph->FuzzyDaten[i][j]);
    ddGraph->oeffnen();
    ZeigeModal(*ddGraph);
}
