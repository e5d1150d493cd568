#include "forms/regtestform.h"

#include "core/regelaktivitaet.h"
#include "forms/ddgraphform.h"
#include "forms/dialoghilfe.h"
#include "forms/klartext.h"
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

namespace {

QLabel* Namenslabel(QWidget* parent, const QRect& platz)
{
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
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
    // Read-only fields have the colour of a button's face.
    QPalette knopfflaeche = e->palette();
    knopfflaeche.setColor(QPalette::Base, knopfflaeche.color(QPalette::Button));
    e->setPalette(knopfflaeche);
    HinweisSetzen(e, hinweis);
    return e;
}

QScrollBar* Schieber(QWidget* parent, const QRect& platz, const QString& hinweis)
{
    auto* s = new QScrollBar(Qt::Horizontal, parent);
    s->setGeometry(platz);
    s->setRange(0, Schieberende);
    s->setSingleStep(1);
    s->setPageStep(10);
    // The right and up arrows move to higher values, as in the variable tester.
    s->setInvertedControls(false);
    // The keys move an input, like the mouse.
    s->setFocusPolicy(Qt::StrongFocus);
    HinweisSetzen(s, hinweis);
    return s;
}

QLabel* ZLabel(QWidget* parent, const QRect& platz)
{
    auto* l = new QLabel(QStringLiteral("Z ="), parent);
    l->setTextFormat(Qt::PlainText);
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
    , ddGraphForm(graph)
{
    DialogRahmen(*this, 720, 430, QStringLiteral("Regeln testen"));

    ausganglabel = Namenslabel(this, QRect(8, 6, 381, 16));
    koordinatensystem3 = Plot(this, QRect(8, 22, 381, 156), TSkala::ganz);
    auto* wertText = new QLabel(QStringLiteral("Ausgangswert:"), this);
    wertText->setGeometry(400, 80, 92, 16);
    singEdit1 = Wertfeld(this, QRect(400, 97, 84, 21), QStringLiteral("Ausgangswert nach der Defuzzifizierung"));

    eingangALabel = Namenslabel(this, QRect(8, 186, 186, 16));
    eingangBLabel = Namenslabel(this, QRect(203, 186, 186, 16));
    koordinatensystem1 = Plot(this, QRect(8, 202, 186, 133), TSkala::teilweise);
    koordinatensystem2 = Plot(this, QRect(203, 202, 186, 133), TSkala::teilweise);
    scrollBar1 = Schieber(this, QRect(8, 339, 186, 17), QStringLiteral("Wert von Eingang A einstellen"));
    scrollBar2 = Schieber(this, QRect(203, 339, 186, 17), QStringLiteral("Wert von Eingang B einstellen"));
    singEdit2 = Wertfeld(this, QRect(8, 360, 84, 21), QStringLiteral("Wert von Eingang A"));
    singEdit3 = Wertfeld(this, QRect(203, 360, 84, 21), QStringLiteral("Wert von Eingang B"));
    label1 = ZLabel(this, QRect(8, 386, 192, 18));
    label2 = ZLabel(this, QRect(203, 386, 192, 18));

    auto* gitterTitel = Namenslabel(this, QRect(398, 186, 219, 16));
    gitterTitel->setText(QStringLiteral("Regelaktivität"));
    regelaktivitaet = new TAktivitaetsgitter(this);
    regelaktivitaet->setGeometry(398, 202, TAktivitaetsgitter::Kopfbreite + 5 * 37,
                                 TAktivitaetsgitter::Kopfhoehe + 5 * 28);
    HinweisSetzen(regelaktivitaet,
                  QStringLiteral("Erfüllungsgrad jeder Regel: min(Zugehörigkeit A, Zugehörigkeit B); "
                                 "eingerahmt die Regel, die die Höhe ihres Ausgangsterms bestimmt"));
    auto* legende = new QLabel(QStringLiteral("Zahl: Erfüllungsgrad der Regel\n"
                                              "eingerahmt: bestimmt die Termhöhe"),
                               this);
    legende->setGeometry(398, 362, 222, 30);
    keineRegelLabel = new QLabel(this);
    keineRegelLabel->setGeometry(8, 408, 610, 16);
    QPalette rot = keineRegelLabel->palette();
    rot.setColor(QPalette::WindowText, QColor(192, 0, 0));
    keineRegelLabel->setPalette(rot);

    b3d = KnopfAnlegen(this, QStringLiteral("3D"), QRect(628, 22, 84, 27),
                       QStringLiteral("Das Kennfeld dreidimensional anzeigen"));
    okBtn = KnopfAnlegen(this, QStringLiteral("OK"), QRect(628, 338, 84, 27));
    okBtn->setDefault(true);
    helpBtn = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(628, 372, 84, 27));

    connect(scrollBar1, &QScrollBar::valueChanged, this, [this] { ScrollBar1Change(); });
    connect(scrollBar2, &QScrollBar::valueChanged, this, [this] { ScrollBar2Change(); });
    connect(b3d, &QPushButton::clicked, this, [this] { b3dClick(); });
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    HilfeSeiteSetzen(this, HilfeSeite::Regeln, helpBtn);
}

void TRegTestForm::oeffnen(const TRegelDaten& neu)
{
    // Copies of the definitions, as the variables are handed to every dialog.
    daten.EingangA.assign(neu.EingangA);
    daten.EingangB.assign(neu.EingangB);
    daten.Ausgang.assign(neu.Ausgang);
    daten.Regeltab = neu.Regeltab;
    // Reset without running the handlers: everything is set from the copies below.
    {
        const QSignalBlocker a(scrollBar1);
        const QSignalBlocker b(scrollBar2);
        scrollBar1->setValue(0);
        scrollBar2->setValue(0);
    }
    KlartextSetzen(*eingangALabel, daten.EingangA.Name());
    daten.EingangA.FarbeInit();
    daten.EingangA.setX(daten.EingangA.a());
    singEdit2->setNumber(daten.EingangA.x());
    daten.EingangB.setX(daten.EingangB.a());
    if (daten.EingangB.definiert()) {
        KlartextSetzen(*eingangBLabel, daten.EingangB.Name());
        daten.EingangB.FarbeInit();
        singEdit3->setNumber(daten.EingangB.x());
    } else {
        KlartextSetzen(*eingangBLabel, QString());
        singEdit3->clear();
    }
    KlartextSetzen(*ausganglabel, daten.Ausgang.Name());
    daten.Ausgang.FarbeInit();
    koordinatensystem3->setStiftart(TStiftart::Kopieren);
    // Without input B its line keeps "Z =": nothing sets it then.
    label2->setText(QStringLiteral("Z ="));
    QStringList zeilen, spalten, terme;
    QList<QColor> farben;
    for (int i = 1; i <= daten.EingangA.gueltigeAnzahl(); ++i)
        zeilen << daten.EingangA.AbkTermname(i);
    if (daten.EingangB.definiert())
        for (int j = 1; j <= daten.EingangB.gueltigeAnzahl(); ++j)
            spalten << daten.EingangB.AbkTermname(j);
    else
        spalten << QString();
    for (int k = 1; k <= daten.Ausgang.gueltigeAnzahl(); ++k) {
        terme << daten.Ausgang.AbkTermname(k);
        farben << qFarbe(daten.Ausgang.Farbe(k));
    }
    regelaktivitaet->setBeschriftung(zeilen, spalten, terme, farben);
    FormPaint();
    RegleAusgang();
    ZeichneAusgang();
    scrollBar1->setFocus();
}

void TRegTestForm::FormPaint()
{
    Zeichnen(daten.EingangA, *koordinatensystem1);
    koordinatensystem1->setStiftart(TStiftart::Xor);
    ZugehoerigkeitZeichnen(daten.EingangA, *koordinatensystem1);
    if (daten.EingangB.definiert()) {
        Zeichnen(daten.EingangB, *koordinatensystem2);
        koordinatensystem2->setStiftart(TStiftart::Xor);
        ZugehoerigkeitZeichnen(daten.EingangB, *koordinatensystem2);
    } else {
        koordinatensystem2->setStiftart(TStiftart::Kopieren);
        koordinatensystem2->Refresh();
    }
}

void TRegTestForm::eingangBewegen(TFuzzy& eingang, TKoordinatensystem& plot, int position, TSingEdit& feld,
                                  bool zeichnen)
{
    if (zeichnen) {
        plot.setStiftart(TStiftart::Xor);
        ZugehoerigkeitZeichnen(eingang, plot);
    }
    eingang.setX(Eingangswert(eingang, position, Schieberende));
    if (zeichnen)
        ZugehoerigkeitZeichnen(eingang, plot);
    feld.setNumber(eingang.x());
    RegleAusgang();
    ZeichneAusgang();
}

void TRegTestForm::ScrollBar1Change()
{
    eingangBewegen(daten.EingangA, *koordinatensystem1, scrollBar1->value(), *singEdit2, true);
}

void TRegTestForm::ScrollBar2Change()
{
    // Input B moves also when it is not defined, without effect on the output;
    // its plot stays empty then.
    eingangBewegen(daten.EingangB, *koordinatensystem2, scrollBar2->value(), *singEdit3,
                   daten.EingangB.definiert());
}

void TRegTestForm::RegleAusgang()
{
    ::RegleAusgang(daten.EingangA, daten.EingangB, daten.Regeltab, daten.Ausgang);
    label1->setText(daten.EingangA.ZListeString());
    if (daten.EingangB.definiert())
        label2->setText(daten.EingangB.ZListeString());
    const TRegelAktivitaet aktivitaet =
        RegelAktivitaet(daten.EingangA, daten.EingangB, daten.Regeltab, daten.Ausgang);
    if (!regelaktivitaet->isHidden())
        regelaktivitaet->setAktivitaet(aktivitaet);
    keineRegelLabel->setText(aktivitaet.keineAktiv ? KeineRegelText : QString());
}

void TRegTestForm::ZeichneAusgang()
{
    Zeichnen(daten.Ausgang, *koordinatensystem3);
    const float v = daten.Ausgang.Schwerpunktkoordinate();
    singEdit1->setNumber(v);
    TCanvas& canvas = koordinatensystem3->Canvas();
    canvas.Stift.Breite = 3;
    koordinatensystem3->setStiftart(TStiftart::Kopieren);
    koordinatensystem3->setGraphFarbe(Qt::black);
    koordinatensystem3->moveto(v, -0.05f);
    koordinatensystem3->lineto(v, 0.05f);
    canvas.Stift.Breite = 1;
}

void TRegTestForm::b3dClick()
{
    if (!ddGraphForm)
        return;
    // Sampling runs on copies: the inputs, their lines and the "Z =" lines
    // stay where the scroll bars put them.
    ddGraphForm->oeffnen(KennfeldDaten(daten));
    ZeigeModal(*ddGraphForm);
}
