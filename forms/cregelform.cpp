#include "forms/cregelform.h"

#include "core/zahlenformat.h"
#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "search/regeluebernahme.h"
#include "search/suchtexte.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

TCRegelform::TCRegelform(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, 537, 362, QStringLiteral("Chromosomenregelsystem"));
    rahmen = new QGroupBox(this);
    rahmen->setGeometry(8, 4, 521, 280);
    memo1 = new QPlainTextEdit(rahmen);
    // Below the frame's title, which names the chromosome shown.
    memo1->setGeometry(8, 20, 505, 251);
    memo1->setReadOnly(true);
    memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont schrift(QStringLiteral("Times New Roman"));
    schrift.setStyleHint(QFont::Serif);
    schrift.setPixelSize(13);
    memo1->setFont(schrift);
    QPalette farben = memo1->palette();
    farben.setColor(QPalette::Text, Qt::black);
    memo1->setPalette(farben);

    besterBisherBox = new QCheckBox(QStringLiteral("Bestes Chromosom bisher zeigen"), this);
    besterBisherBox->setGeometry(12, 298, 245, 21);
    HinweisSetzen(besterBisherBox, QStringLiteral("Die Regeln des Chromosoms mit der niedrigsten ChrNote dieser Suche zeigen"));
    okBtn = KnopfAnlegen(this, QStringLiteral("OK"), QRect(265, 296, 80, 25));
    okBtn->setDefault(true);
    kopiereButton = KnopfAnlegen(this, QStringLiteral("Kopieren"), QRect(355, 296, 80, 25),
                                 QStringLiteral("Regeln in die Zwischenablage kopieren"));
    helpBtn = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(445, 296, 80, 25));
    testlaeufeButton = KnopfAnlegen(this, QStringLiteral("Testläufe zeigen"), QRect(8, 329, 130, 25),
                                    QStringLiteral("Die zehn Testläufe dieser Regeln im Suchfenster in Echtzeit zeigen"));
    uebernehmenButton = KnopfAnlegen(this, QStringLiteral("In die Regeltabelle übernehmen"), QRect(144, 329, 201, 25),
                                     QStringLiteral("Diese Regeln in die Regeltabelle des Projekts schreiben"));

    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    HilfeSeiteSetzen(this, HilfeSeite::Suche, helpBtn);
    connect(kopiereButton, &QPushButton::clicked, this, &TCRegelform::KopiereButtonClick);
    connect(besterBisherBox, &QCheckBox::toggled, this, &TCRegelform::BesterBisherClick);
    connect(testlaeufeButton, &QPushButton::clicked, this, &TCRegelform::TestlaeufeButtonClick);
    connect(uebernehmenButton, &QPushButton::clicked, this, &TCRegelform::UebernehmenButtonClick);
    uebernehmenButton->setEnabled(false);
}

void TCRegelform::oeffnen(const TRegelsystemDaten& d)
{
    daten = d;
    testlaeufe = false;
    // A best chromosome that is no valid line cannot be shown.
    if (daten.bester && !ChromosomLesen(daten.bester->chromosom))
        daten.bester.reset();
    {
        const QSignalBlocker sperre(besterBisherBox);
        besterBisherBox->setChecked(false);
    }
    besterBisherBox->setEnabled(daten.bester.has_value());
    testlaeufeButton->setEnabled(daten.testlaeufeMoeglich);
    zeigen();
}

void TCRegelform::setUebernahme(TUebernahme u)
{
    uebernahme = std::move(u);
    uebernehmenButton->setEnabled(static_cast<bool>(uebernahme));
}

void TCRegelform::zeigen()
{
    if (besterBisherBox->isChecked() && daten.bester) {
        gezeigt = *ChromosomLesen(daten.bester->chromosom);
        rahmen->setTitle(QStringLiteral("Bestes Chromosom bisher: ChrNote %1 in Generation %2")
                             .arg(ProtokollZahl(daten.bester->ChrNote).trimmed())
                             .arg(daten.bester->generation));
    } else {
        gezeigt = daten.rs;
        rahmen->setTitle(daten.Nummer > 0 ? QStringLiteral("Chromosom Nr. %1").arg(daten.Nummer) : QString());
    }
    memo1->setPlainText(
        RegelsystemZeilen(gezeigt, daten.EingangA, daten.EingangB, daten.Ausgang).join(QLatin1Char('\n')));
}

void TCRegelform::BesterBisherClick(bool)
{
    zeigen();
}

void TCRegelform::KopiereButtonClick()
{
    memo1->selectAll();
    memo1->copy();
}

void TCRegelform::TestlaeufeButtonClick()
{
    if (!daten.testlaeufeMoeglich)
        return;
    testlaeufe = true;
    accept();
}

void TCRegelform::UebernehmenButtonClick()
{
    if (!uebernahme)
        return;
    if (!TermanzahlPruefen(daten.EingangA, daten.EingangB, daten.Ausgang)) {
        Meldung(MeldungsArt::Fehler, SuchTexte::uebernahmeTermanzahl);
        return;
    }
    const TTabellenUebernahme u = RegeltabAusRegelsystem(gezeigt);
    if (!u.konflikte.isEmpty()
        && Meldung(MeldungsArt::Bestaetigung,
                   KonfliktFrage(u, gezeigt, daten.EingangA, daten.EingangB, daten.Ausgang), true)
            != Antwort::Ja)
        return;
    uebernahme(u.Regeltab);
    Meldung(MeldungsArt::Information, SuchTexte::regelnUebernommen);
}
