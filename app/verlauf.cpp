#include "app/verlauf.h"

#include "app/verlaufplot.h"
#include "core/laufcsv.h"
#include "core/textdatei.h"
#include "forms/dialoghilfe.h"
#include "platform/dateidialog.h"
#include "platform/meldung.h"

#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

TVerlauf::TVerlauf(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Verlauf"));
    setFixedSize(TVerlaufPlot::Breite, TVerlaufPlot::Hoehe + 30);
    anzeigen = new QCheckBox(QStringLiteral("&Verlauf anzeigen"), this);
    anzeigen->setGeometry(0, 2, 160, 22);
    anzeigen->setChecked(true);
    HinweisSetzen(anzeigen, QStringLiteral("Zeitverlauf von Position, Winkel und Kraft ein- oder ausblenden"));
    const int rechts = TVerlaufPlot::Breite;
    kopieren = KnopfAnlegen(this, QStringLiteral("&Kopieren"), QRect(rechts - 330, 0, 100, 25),
                            QStringLiteral("Zeitverlauf in die Zwischenablage kopieren"));
    bildSpeichern = KnopfAnlegen(this, QStringLiteral("&Bild speichern..."), QRect(rechts - 225, 0, 110, 25),
                                 QStringLiteral("Zeitverlauf als PNG-Bild speichern"));
    datenSpeichern = KnopfAnlegen(this, QStringLiteral("&Daten speichern..."), QRect(rechts - 110, 0, 110, 25),
                                  QStringLiteral("Messwerte des Versuchs als CSV-Datei speichern"));
    plot = new TVerlaufPlot(this);
    plot->move(0, 30);
    connect(anzeigen, &QCheckBox::toggled, this, [this](bool an) {
        for (QWidget* w : std::initializer_list<QWidget*>{plot, kopieren, bildSpeichern, datenSpeichern})
            w->setVisible(an);
    });
    connect(kopieren, &QPushButton::clicked, this, &TVerlauf::KopierenClick);
    connect(bildSpeichern, &QPushButton::clicked, this, &TVerlauf::BildSpeichernClick);
    connect(datenSpeichern, &QPushButton::clicked, this, &TVerlauf::DatenSpeichernClick);
}

void TVerlauf::KopierenClick()
{
    if (QClipboard* ablage = QGuiApplication::clipboard())
        ablage->setImage(plot->Bild().copy());
}

void TVerlauf::speichern(const QString& titel, const QString& filter, const QString& endung, const QByteArray& bytes)
{
    TDateiDialog dialog;
    dialog.art = TDateiDialog::Art::Speichern;
    dialog.titel = titel;
    dialog.filter = filter;
    dialog.standardEndung = endung;
    dialog.hilfeSeite = HilfeSeite::Simulation;
    const auto name = DateiDialog(dialog);
    if (!name)
        return;
    if (DateiErsetzen(*name, bytes) != SchreibErgebnis::Ok)
        Meldung(MeldungsArt::Fehler, VerlaufTexte::nichtGespeichert);
}

void TVerlauf::BildSpeichernClick()
{
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    plot->Bild().save(&puffer, "PNG");
    speichern(QStringLiteral("Zeitverlauf als Bild speichern"), QStringLiteral("PNG-Bild (*.png)"),
              QStringLiteral("png"), bytes);
}

void TVerlauf::DatenSpeichernClick()
{
    speichern(QStringLiteral("Messwerte speichern"), QStringLiteral("CSV-Datei (*.csv)"), QStringLiteral("csv"),
              LaufCsv(plot->Punkte()));
}
