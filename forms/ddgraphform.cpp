#include "forms/ddgraphform.h"

#include "core/kennfeldfarben.h"
#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"
#include "widgets/farbe.h"
#include "widgets/flaechendiagramm3d.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

TDDGraphForm::TDDGraphForm(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Fuzzy-3-D-Graph"));
    HilfeSeiteSetzen(this, HilfeSeite::Regeln);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);

    chart = new TFlaechendiagramm3D(this);
    chart->setObjectName(QStringLiteral("Chart1"));
    HinweisSetzen(chart, QStringLiteral("Mit der Maus ziehen, um das Kennfeld zu drehen; Mausrad: vergrößern"));
    scrollBar = new QScrollBar(Qt::Horizontal, this);
    scrollBar->setObjectName(QStringLiteral("ScrollBar1"));
    scrollBar->setRange(0, 180);
    scrollBar->setPageStep(10);
    HinweisSetzen(scrollBar, QStringLiteral("Blickwinkel des Kennfelds"));
    checkX = new QCheckBox(QStringLiteral("Inverted X"), this);
    checkX->setObjectName(QStringLiteral("CheckInvertX"));
    HinweisSetzen(checkX, QStringLiteral("Achse von Eingang B umkehren"));
    checkY = new QCheckBox(QStringLiteral("Inverted Y"), this);
    checkY->setObjectName(QStringLiteral("CheckInvertY"));
    HinweisSetzen(checkY, QStringLiteral("Achse von Eingang A umkehren"));

    auto* unten = new QHBoxLayout;
    unten->addWidget(scrollBar, 1);
    unten->addSpacing(12);
    unten->addWidget(checkX);
    unten->addWidget(checkY);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(chart, 1);
    layout->addLayout(unten);
    resize(627, 539);

    connect(scrollBar, &QScrollBar::valueChanged, this, [this] { ScrollBar1Change(); });
    connect(checkX, &QCheckBox::clicked, this, [this] { CheckInvertXClick(); });
    connect(checkY, &QCheckBox::clicked, this, [this] { CheckInvertYClick(); });
    // The mouse and the scroll bar turn the chart together.
    connect(chart, &TFlaechendiagramm3D::BlickwinkelGezogen, scrollBar, &QScrollBar::setValue);
}

void TDDGraphForm::oeffnen()
{
    {
        const QSignalBlocker b1(scrollBar);
        const QSignalBlocker b2(checkX);
        const QSignalBlocker b3(checkY);
        scrollBar->setValue(chart->Blickwinkel());
        checkX->setChecked(chart->XInvertiert());
        checkY->setChecked(chart->YInvertiert());
    }
    const TKennfeldFarben farben = KennfeldFarben(FuzzyDaten);
    chart->AllesLeeren();
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 20; ++j)
            chart->PunktAnfuegen(i, FuzzyDaten[i][j], qFarbe(farben[i][j]));
}

void TDDGraphForm::setNamen(const QString& eingangA, const QString& eingangB, const QString& ausgang)
{
    chart->setAchsentitel(eingangB, eingangA, ausgang);
}

void TDDGraphForm::setArbeitspunkt(std::optional<QPointF> positionAB, float wert)
{
    if (positionAB)
        chart->setMarke(QPointF(positionAB->y(), positionAB->x()), wert,
                        QStringLiteral("Arbeitspunkt des Regeltesters"));
    else
        chart->setMarke(std::nullopt);
}

void TDDGraphForm::ScrollBar1Change()
{
    chart->setBlickwinkel(scrollBar->value());
}

void TDDGraphForm::CheckInvertXClick()
{
    chart->setXInvertiert(checkX->isChecked());
}

void TDDGraphForm::CheckInvertYClick()
{
    chart->setYInvertiert(checkY->isChecked());
}

void TDDGraphForm::FormClose()
{
    chart->AllesLeeren();
}

void TDDGraphForm::done(int ergebnis)
{
    FormClose();
    QDialog::done(ergebnis);
}
