#include "forms/parameterform.h"

#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"
#include "widgets/intedit.h"
#include "widgets/singedit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {


} // namespace

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
    anzahlFeld = new TIntEdit;
    kreuzungsFeld = new TSingEdit;
    mutationsFeld = new TSingEdit;
    zeile(18, QStringLiteral("Anzahl der Chromosomen (maximal 40)"), anzahlFeld);
    zeile(60, QStringLiteral("Kreuzungsrate (maximal 1)"), kreuzungsFeld);
    zeile(102, QStringLiteral("Mutationsrate (maximal 1)"), mutationsFeld);

    standardKnopf = KnopfAnlegen(this, QStringLiteral("Standardwerte"), QRect(284, 10, 85, 25),
                                 QStringLiteral("Standardwerte einsetzen"));
    okKnopf = KnopfAnlegen(this, QStringLiteral("OK"), QRect(284, 56, 85, 25));
    okKnopf->setDefault(true);
    abbrechenKnopf = KnopfAnlegen(this, QStringLiteral("Abbrechen"), QRect(284, 88, 85, 25));
    hilfeKnopf = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(284, 120, 85, 25));
    connect(standardKnopf, &QPushButton::clicked, this, &TParameterForm::StandardwerteClick);
    connect(okKnopf, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);
    HilfeSeiteSetzen(this, HilfeSeite::Suche, hilfeKnopf);
}

void TParameterForm::aktivieren()
{
    anzahlFeld->setNumber(ca);
    kreuzungsFeld->setNumber(kr);
    mutationsFeld->setNumber(mr);
}

void TParameterForm::StandardwerteClick()
{
    anzahlFeld->setNumber(StandardAnzahl);
    kreuzungsFeld->setNumber(StandardKreuzungsrate);
    mutationsFeld->setNumber(StandardMutationsrate);
}

void TParameterForm::FelderUebernehmen()
{
    const std::int32_t anzahl = anzahlFeld->Number();
    ca = anzahl >= 1 && anzahl <= 40 ? anzahl : StandardAnzahl;
    const float kreuzung = kreuzungsFeld->Number();
    kr = kreuzung > 0 && kreuzung <= 1 ? kreuzung : StandardKreuzungsrate;
    const float mutation = mutationsFeld->Number();
    mr = mutation > 0 && mutation <= 1 ? mutation : StandardMutationsrate;
}

void TParameterForm::done(int ergebnis)
{
    FelderUebernehmen();
    QDialog::done(ergebnis);
}

