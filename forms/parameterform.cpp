#include "forms/parameterform.h"

#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"
#include "widgets/intedit.h"
#include "widgets/singedit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

TParameterForm::TParameterForm(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, 377, 154, QStringLiteral("Suchen - Parameter"));
    auto* gruppe = new QGroupBox(this);
    gruppe->setGeometry(6, 4, 270, 141);
    auto zeile = [gruppe](int y, const QString& text, QLineEdit* feld) {
        auto* beschriftung = new QLabel(text, gruppe);
        beschriftung->setGeometry(8, y, 204, 21);
        beschriftung->setBuddy(feld);
        feld->setParent(gruppe);
        feld->setGeometry(212, y, 52, 21);
    };
    intEdit1 = new TIntEdit;
    singEdit1 = new TSingEdit;
    singEdit2 = new TSingEdit;
    zeile(18, QStringLiteral("Anzahl der Chromosomen (maximal 40)"), intEdit1);
    zeile(60, QStringLiteral("Kreuzungsrate (maximal 1)"), singEdit1);
    zeile(102, QStringLiteral("Mutationsrate (maximal 1)"), singEdit2);

    standardButton = KnopfAnlegen(this, QStringLiteral("Standardwerte"), QRect(284, 10, 85, 25),
                                  QStringLiteral("Standardwerte einsetzen"));
    okBtn = KnopfAnlegen(this, QStringLiteral("OK"), QRect(284, 56, 85, 25));
    okBtn->setDefault(true);
    cancelBtn = KnopfAnlegen(this, QStringLiteral("Abbrechen"), QRect(284, 88, 85, 25));
    helpBtn = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(284, 120, 85, 25));
    connect(standardButton, &QPushButton::clicked, this, &TParameterForm::StandardwerteClick);
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    HilfeSeiteSetzen(this, HilfeSeite::Suche, helpBtn);
}

void TParameterForm::oeffnen(const TSuchParameter& daten)
{
    gegeben = daten;
    zeigen(daten);
}

void TParameterForm::zeigen(const TSuchParameter& p)
{
    intEdit1->setNumber(p.ChromosomenAnzahl);
    // A small rate keeps its digits, so that OK leaves it as it is.
    singEdit1->setText(RateText(p.Kreuzungsrate));
    singEdit2->setText(RateText(p.mutationsrate));
}

void TParameterForm::StandardwerteClick()
{
    zeigen(TSuchParameter{});
}

TSuchParameter TParameterForm::Ergebnis() const
{
    return ParameterImBereich(TSuchParameter{intEdit1->Number(), singEdit1->Number(), singEdit2->Number()});
}
