#include "forms/optionenform.h"

#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "widgets/intedit.h"
#include "widgets/singedit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace {

constexpr float KleinsteLaenge = 0.1f;
constexpr std::int32_t KleinstesDeltaT = 10;
constexpr std::int32_t WenigsteRasterlinien = 2;

QGroupBox* Rahmen(QWidget* parent, const QString& titel, const QRect& platz)
{
    auto* r = new QGroupBox(titel, parent);
    r->setGeometry(platz);
    return r;
}

template <class Feld>
Feld* Zeile(QGroupBox* rahmen, const QString& text, int y)
{
    auto* l = new QLabel(text, rahmen);
    l->setGeometry(10, y + 3, 125, 17);
    auto* f = new Feld(rahmen);
    f->setGeometry(138, y, 62, 22);
    l->setBuddy(f);
    return f;
}

} // namespace

TOptionenform::TOptionenform(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, 332, 266, QStringLiteral("Optionen"));
    QGroupBox* simulation = Rahmen(this, QStringLiteral("Simulation"), QRect(8, 6, 212, 78));
    pendellaenge = Zeile<TSingEdit>(simulation, QStringLiteral("Pendellänge in m"), 20);
    minDeltaT = Zeile<TIntEdit>(simulation, QStringLiteral("Min. DeltaT in ms"), 47);
    QGroupBox* pendel = Rahmen(this, QStringLiteral("invertiertes Pendel"), QRect(8, 90, 212, 52));
    startwinkel = Zeile<TSingEdit>(pendel, QStringLiteral("Startwinkel in Grad"), 20);
    QGroupBox* katze = Rahmen(this, QStringLiteral("Laufkatze"), QRect(8, 148, 212, 52));
    startposition = Zeile<TSingEdit>(katze, QStringLiteral("Startposition in m"), 20);
    QGroupBox* ks = Rahmen(this, QStringLiteral("Koordinatensystem"), QRect(8, 206, 212, 52));
    rasterlinien = Zeile<TIntEdit>(ks, QStringLiteral("Anzahl der Rasterlinien"), 20);
    rasterlinien->setNumber(StandardRasterlinien);

    ok = KnopfAnlegen(this, QStringLiteral("OK"), QRect(232, 12, 92, 25));
    ok->setDefault(true);
    abbrechen = KnopfAnlegen(this, QStringLiteral("Abbrechen"), QRect(232, 43, 92, 25));
    hilfe = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(232, 74, 92, 25));
    standardwerte = KnopfAnlegen(this, QStringLiteral("Standardwerte"), QRect(232, 233, 92, 25));

    connect(ok, &QPushButton::clicked, this, &TOptionenform::OKClick);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    HilfeSeiteSetzen(this, HilfeSeite::Optionen, hilfe);
    connect(standardwerte, &QPushButton::clicked, this, &TOptionenform::StandardwerteClick);
}

void TOptionenform::oeffnen(const TEinstellungen& einstellungen)
{
    geladen = einstellungen;
    startposition->setNumber(einstellungen.Katzenstartposition);
    pendellaenge->setNumber(einstellungen.Pendellaenge);
    minDeltaT->setNumber(einstellungen.MinDeltaT);
    startwinkel->setNumber(einstellungen.Startwinkel);
    pendellaenge->setFocus();
    beimOeffnen = Ergebnis();
}

TOptionenWerte TOptionenform::Ergebnis() const
{
    TOptionenWerte w;
    TEinstellungen& e = w.Einstellungen;
    e.Pendellaenge = pendellaenge->Number();
    e.MinDeltaT = minDeltaT->Number();
    const float winkel = startwinkel->Number();
    e.Startwinkel = std::isfinite(winkel) ? winkel : geladen.Startwinkel;
    const float position = startposition->Number();
    e.Katzenstartposition = std::isfinite(position) ? position : geladen.Katzenstartposition;
    w.Rasterlinien = rasterlinien->Number();
    return w;
}

void TOptionenform::StandardwerteClick()
{
    const TEinstellungen standard;
    startposition->setNumber(standard.Katzenstartposition);
    pendellaenge->setNumber(standard.Pendellaenge);
    minDeltaT->setNumber(standard.MinDeltaT);
    startwinkel->setNumber(standard.Startwinkel);
    rasterlinien->setNumber(StandardRasterlinien);
}

void TOptionenform::OKClick()
{
    if (rasterlinien->Number() < WenigsteRasterlinien) {
        rasterlinien->setNumber(WenigsteRasterlinien);
        Meldung(MeldungsArt::Warnung, OptionenTexte::raster);
    }
    // A length that is not a finite number is no usable length either.
    const float laenge = pendellaenge->Number();
    if (!(laenge >= KleinsteLaenge) || !std::isfinite(laenge)) {
        pendellaenge->setNumber(KleinsteLaenge);
        Meldung(MeldungsArt::Warnung, OptionenTexte::laenge);
    }
    if (minDeltaT->Number() < KleinstesDeltaT) {
        minDeltaT->setNumber(KleinstesDeltaT);
        Meldung(MeldungsArt::Warnung, OptionenTexte::deltaT);
    }
    accept();
}
