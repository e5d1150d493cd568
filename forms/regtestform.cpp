#include "forms/regtestform.h"

#include "forms/ddgraphform.h"
#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"
#include "platform/modal.h"
#include "widgets/fuzzyzeichnen.h"
#include "widgets/koordinatensystem.h"
#include "widgets/singedit.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

constexpr int Hilfekontext = 2;
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
    DialogRahmen(*this, 500, 424, QStringLiteral("Regeln testen"));

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

    knopf3d = KnopfAnlegen(this, QStringLiteral("3D"), QRect(400, 22, 84, 27),
                           QStringLiteral("Das Kennfeld dreidimensional anzeigen"));
    knopfOK = KnopfAnlegen(this, QStringLiteral("OK"), QRect(400, 338, 84, 27));
    knopfOK->setDefault(true);
    knopfHilfe = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(400, 372, 84, 27));

    connect(scrollA, &QScrollBar::valueChanged, this, [this] { ScrollBar1Change(); });
    connect(scrollB, &QScrollBar::valueChanged, this, [this] { ScrollBar2Change(); });
    connect(knopf3d, &QPushButton::clicked, this, [this] { b3dClick(); });
    connect(knopfOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(knopfHilfe, &QPushButton::clicked, this, [] { ZeigeHilfe(Hilfekontext); });
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
    FormPaint();
    RegleAusgang();
    ZeichneAusgang();
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
    ddGraph->oeffnen();
    ZeigeModal(*ddGraph);
}
