#include "forms/ddgraphform.h"

#include "core/kennfeldfarben.h"
#include "forms/dialoghilfe.h"
#include "forms/klartext.h"
#include "platform/hilfe.h"
#include "widgets/farbe.h"
#include "widgets/flaechendiagramm3d.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

TDDGraphForm::TDDGraphForm(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Fuzzy-3-D-Graph"));
    HilfeSeiteSetzen(this, HilfeSeite::Regeln);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);

    chart1 = new TFlaechendiagramm3D(this);
    chart1->setObjectName(QStringLiteral("Chart1"));
    HinweisSetzen(chart1, Diagrammhinweis);
    scrollBar1 = new QScrollBar(Qt::Horizontal, this);
    scrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    scrollBar1->setRange(0, 180);
    scrollBar1->setPageStep(10);
    HinweisSetzen(scrollBar1, QStringLiteral("Blickwinkel des Kennfelds"));
    checkInvertX = new QCheckBox(QStringLiteral("Inverted X"), this);
    checkInvertX->setObjectName(QStringLiteral("CheckInvertX"));
    HinweisSetzen(checkInvertX, QStringLiteral("Achse von Eingang B umkehren"));
    checkInvertY = new QCheckBox(QStringLiteral("Inverted Y"), this);
    checkInvertY->setObjectName(QStringLiteral("CheckInvertY"));
    HinweisSetzen(checkInvertY, QStringLiteral("Achse von Eingang A umkehren"));

    auto* unten = new QHBoxLayout;
    unten->addWidget(scrollBar1, 1);
    unten->addSpacing(12);
    unten->addWidget(checkInvertX);
    unten->addWidget(checkInvertY);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(chart1, 1);
    layout->addLayout(unten);
    resize(627, 539);

    connect(scrollBar1, &QScrollBar::valueChanged, this, [this] { ScrollBar1Change(); });
    connect(checkInvertX, &QCheckBox::clicked, this, [this] { CheckInvertXClick(); });
    connect(checkInvertY, &QCheckBox::clicked, this, [this] { CheckInvertYClick(); });
}

void TDDGraphForm::oeffnen(const TKennfeldDaten& daten)
{
    {
        const QSignalBlocker b1(scrollBar1);
        const QSignalBlocker b2(checkInvertX);
        const QSignalBlocker b3(checkInvertY);
        scrollBar1->setValue(chart1->Blickwinkel());
        checkInvertX->setChecked(chart1->XInvertiert());
        checkInvertY->setChecked(chart1->YInvertiert());
    }
    chart1->setAchsentitel(daten.NameB, daten.NameA, daten.NameAusgang);
    // The chart cuts long names to its room; the tooltip names the axes in full.
    QString hinweis = KlartextHinweis(Diagrammhinweis);
    const std::pair<QString, QString> achsen[] = {{QStringLiteral("Eingang B (nach rechts): "), daten.NameB},
                                                  {QStringLiteral("Eingang A (in die Tiefe): "), daten.NameA},
                                                  {QStringLiteral("Ausgang (nach oben): "), daten.NameAusgang}};
    for (const auto& [achse, name] : achsen)
        if (!name.isEmpty())
            hinweis += KlartextHinweis(achse + name);
    chart1->setToolTip(hinweis);
    // The chart's x runs along input B, its depth along input A.
    if (daten.Arbeitspunkt)
        chart1->setMarke(QPointF(daten.Arbeitspunkt->y(), daten.Arbeitspunkt->x()), daten.Arbeitswert,
                         QStringLiteral("Arbeitspunkt des Regeltesters"));
    else
        chart1->setMarke(std::nullopt);
    const TKennfeldFarben farben = KennfeldFarben(daten.FuzzyDaten);
    chart1->AllesLeeren();
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 20; ++j)
            chart1->PunktAnfuegen(i, daten.FuzzyDaten[i][j], qFarbe(farben[i][j]));
}

void TDDGraphForm::ScrollBar1Change()
{
    chart1->setBlickwinkel(scrollBar1->value());
}

void TDDGraphForm::CheckInvertXClick()
{
    chart1->setXInvertiert(checkInvertX->isChecked());
}

void TDDGraphForm::CheckInvertYClick()
{
    chart1->setYInvertiert(checkInvertY->isChecked());
}

void TDDGraphForm::FormClose()
{
    chart1->AllesLeeren();
}

void TDDGraphForm::done(int ergebnis)
{
    FormClose();
    QDialog::done(ergebnis);
}
