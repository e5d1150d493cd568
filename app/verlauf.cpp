#include "app/verlauf.h"

#include "app/verlaufplot.h"
#include "core/laufcsv.h"
#include "core/textdatei.h"
#include "forms/dialoghilfe.h"
#include "platform/dateidialog.h"
#include "platform/meldung.h"
#include "widgets/aktivitaetsgitter.h"

#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include <utility>

TVerlauf::TVerlauf(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Verlauf"));
    setFixedSize(TVerlaufPlot::Breite + 10 + GitterBreite, TVerlaufPlot::Hoehe + Kopfhoehe);
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
    plot->move(0, Kopfhoehe);
    vorigenZeigen = new QCheckBox(QStringLiteral("V&origen Lauf zeigen"), this);
    vorigenZeigen->setGeometry(165, 2, 190, 22);
    vorigenZeigen->setChecked(true);
    HinweisSetzen(vorigenZeigen, QStringLiteral("Den Verlauf des vorigen Laufs grau unter dem jetzigen zeigen"));
    connect(vorigenZeigen, &QCheckBox::toggled, plot, &TVerlaufPlot::setVorigenZeigen);
    regelnAnzeigen = new QCheckBox(QStringLiteral("&Regelaktivität anzeigen"), this);
    regelnAnzeigen->setGeometry(TVerlaufPlot::Breite + 10, 2, GitterBreite, 22);
    regelnAnzeigen->setChecked(true);
    HinweisSetzen(regelnAnzeigen, QStringLiteral("Erfüllungsgrad jeder Regel während des Laufs ein- oder ausblenden"));
    gitter = new TAktivitaetsgitter(this);
    gitter->setGeometry(TVerlaufPlot::Breite + 10, Kopfhoehe, GitterBreite, GitterHoehe);
    connect(regelnAnzeigen, &QCheckBox::toggled, gitter, &QWidget::setVisible);
    auffrischen.setSingleShot(true);
    auffrischen.setInterval(Auffrischung);
    connect(&auffrischen, &QTimer::timeout, this, [this] { gitter->setAktivitaet(aktivitaet); });
    connect(anzeigen, &QCheckBox::toggled, this, [this](bool an) {
        for (QWidget* w : std::initializer_list<QWidget*>{plot, kopieren, bildSpeichern, datenSpeichern, vorigenZeigen})
            w->setVisible(an);
    });
    connect(kopieren, &QPushButton::clicked, this, &TVerlauf::KopierenClick);
    connect(bildSpeichern, &QPushButton::clicked, this, &TVerlauf::BildSpeichernClick);
    connect(datenSpeichern, &QPushButton::clicked, this, &TVerlauf::DatenSpeichernClick);
}

void TVerlauf::setPlothoehe(int h)
{
    plot->setHoehe(h);
    setFixedSize(width(), plot->height() + Kopfhoehe);
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
        Meldung(MeldungsArt::Fehler, VerlaufTexte::nichtGespeichert(*name));
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
              Daten());
}

QByteArray TVerlauf::Daten() const
{
    if (!plot->VorigenZeigen() || plot->VorigePunkte().empty())
        return LaufCsv(plot->Punkte());
    QString csv = VerlaufTexte::laufSpalte + QLatin1Char(',') + LaufCsvKopf() + QLatin1Char('\n');
    for (const auto& [name, punkte] : {std::pair{VerlaufTexte::voriger, &plot->VorigePunkte()},
                                       std::pair{VerlaufTexte::aktueller, &plot->Punkte()}})
        for (const TVerlaufPunkt& p : *punkte)
            csv += name + QLatin1Char(',') + LaufCsvZeile(p) + QLatin1Char('\n');
    return csv.toLatin1();
}

void TVerlauf::setAktivitaet(const TRegelAktivitaet& a)
{
    aktivitaet = a;
    if (!auffrischen.isActive())
        auffrischen.start();
}
