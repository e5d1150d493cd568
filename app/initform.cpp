#include "app/initform.h"

#include "app/externeprogramme.h"
#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

TInitform::TInitform(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, Breite, Hoehe, QStringLiteral("TARVIK - Initialisierung"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    auto* rahmen = new QFrame(this);
    rahmen->setFrameStyle(QFrame::Box | QFrame::Sunken);
    rahmen->setGeometry(8, 8, Breite - 16, 302);

    fuzBox = new QCheckBox(QStringLiteral(" Die Extension .FUZ wird mit dem Programm Tarvik verknüpft. "), rahmen);
    fuzBox->setGeometry(14, 12, 430, 20);
    HinweisSetzen(fuzBox, QStringLiteral("Ein Doppelklick auf eine .FUZ-Datei öffnet sie mit Tarvik"));
    expBox = new QCheckBox(QStringLiteral(" Die Extension .EXP wird mit dem Programm Tamsor verknüpft. "), rahmen);
    expBox->setGeometry(14, 36, 430, 20);
    HinweisSetzen(expBox, QStringLiteral("Ein Doppelklick auf eine .EXP-Datei öffnet sie mit Tamsor"));

    auto* text = new QLabel(QStringLiteral("Folgende externe Programme im Tarvik- Verzeichnis sollen eingebunden werden:"),
                            rahmen);
    text->setGeometry(14, 66, 436, 18);

    dateiliste = new QListWidget(rahmen);
    dateiliste->setGeometry(14, 88, 180, 172);
    HinweisSetzen(dateiliste, QStringLiteral("Programme im Tarvik-Verzeichnis"));
    hinzufuegen = KnopfAnlegen(rahmen, QStringLiteral("->"), QRect(207, 136, 50, 25),
                               QStringLiteral("Markiertes Programm einbinden"));
    entfernen = KnopfAnlegen(rahmen, QStringLiteral("<-"), QRect(207, 172, 50, 25),
                             QStringLiteral("Markiertes Programm nicht mehr einbinden"));
    programmliste = new QListWidget(rahmen);
    programmliste->setGeometry(270, 88, 180, 172);
    HinweisSetzen(programmliste, QStringLiteral("Eingebundene Programme (Menü Simulation)"));

    hinweis = new QLabel(QStringLiteral("Änderungen werden erst bei Neustart gültig!"), rahmen);
    QFont fett = hinweis->font();
    fett.setBold(true);
    hinweis->setFont(fett);
    QPalette lila = hinweis->palette();
    lila.setColor(QPalette::WindowText, QColor(128, 0, 128));
    hinweis->setPalette(lila);
    hinweis->setGeometry(14, 272, 436, 18);

    ok = KnopfAnlegen(this, QStringLiteral("OK"), QRect(Breite - 3 * 83 - 8, Hoehe - 37, 75, 25));
    ok->setDefault(true);
    abbrechen = KnopfAnlegen(this, QStringLiteral("Abbrechen"), QRect(Breite - 2 * 83 - 8, Hoehe - 37, 75, 25));
    hilfe = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(Breite - 83 - 8, Hoehe - 37, 75, 25));

    connect(hinzufuegen, &QPushButton::clicked, this, &TInitform::HinzufuegenClick);
    connect(entfernen, &QPushButton::clicked, this, &TInitform::EntfernenClick);
    connect(dateiliste, &QListWidget::itemDoubleClicked, this, &TInitform::HinzufuegenClick);
    connect(programmliste, &QListWidget::itemDoubleClicked, this, &TInitform::EntfernenClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    HilfeSeiteSetzen(this, HilfeSeite::Einrichtung, hilfe);

    if (const QScreen* schirm = QGuiApplication::primaryScreen())
        move(schirm->availableGeometry().center() - rect().center());
}

void TInitform::oeffnen(const TInitDaten& daten)
{
    dateiliste->clear();
    dateiliste->addItems(daten.Programmdateien);
    fuzBox->setChecked(daten.Konfiguration.Eintrag);
    expBox->setChecked(daten.Konfiguration.Tamsor);
    programmliste->clear();
    programmliste->addItems(daten.Konfiguration.Programme);
}

TKonfiguration TInitform::Ergebnis() const
{
    TKonfiguration k;
    for (int i = 0; i < programmliste->count(); ++i)
        k.Programme.append(programmliste->item(i)->text());
    k.Eintrag = fuzBox->isChecked();
    k.Tamsor = expBox->isChecked();
    return k;
}

void TInitform::HinzufuegenClick()
{
    const QListWidgetItem* gewaehlt = dateiliste->currentItem();
    if (!gewaehlt || !gewaehlt->isSelected())
        return;
    const QString name = Programmname(gewaehlt->text());
    if (EigeneProgramme().contains(name))
        return;
    programmliste->addItem(name);
}

void TInitform::EntfernenClick()
{
    QListWidgetItem* gewaehlt = programmliste->currentItem();
    if (!gewaehlt || !gewaehlt->isSelected())
        return;
    delete gewaehlt;
}
