#include "forms/optionenform.h"

#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "widgets/intedit.h"
#include "widgets/koordinatensystem.h"
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
    Pendellaenge = Zeile<TSingEdit>(simulation, QStringLiteral("Pendellänge in m"), 20);
    MinDeltaT = Zeile<TIntEdit>(simulation, QStringLiteral("Min. DeltaT in ms"), 47);
    QGroupBox* pendel = Rahmen(this, QStringLiteral("invertiertes Pendel"), QRect(8, 90, 212, 52));
    Startwinkel = Zeile<TSingEdit>(pendel, QStringLiteral("Startwinkel in Grad"), 20);
    QGroupBox* katze = Rahmen(this, QStringLiteral("Laufkatze"), QRect(8, 148, 212, 52));
    Startposition = Zeile<TSingEdit>(katze, QStringLiteral("Startposition in m"), 20);
    QGroupBox* ks = Rahmen(this, QStringLiteral("Koordinatensystem"), QRect(8, 206, 212, 52));
    Rasterlinien_ = Zeile<TIntEdit>(ks, QStringLiteral("Anzahl der Rasterlinien"), 20);
    Rasterlinien_->setNumber(StandardRasterlinien);

    OK = KnopfAnlegen(this, QStringLiteral("OK"), QRect(232, 12, 92, 25));
    OK->setDefault(true);
    Abbrechen = KnopfAnlegen(this, QStringLiteral("Abbrechen"), QRect(232, 43, 92, 25));
    Hilfe = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(232, 74, 92, 25));
    Standardwerte = KnopfAnlegen(this, QStringLiteral("Standardwerte"), QRect(232, 233, 92, 25));

    connect(OK, &QPushButton::clicked, this, &TOptionenform::OKClick);
    connect(Abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    HilfeSeiteSetzen(this, HilfeSeite::Optionen, Hilfe);
    connect(Standardwerte, &QPushButton::clicked, this, &TOptionenform::StandardwerteClick);
}

void TOptionenform::oeffnen(const TOptionenWerte& werte)
{
    geladen = werte;
    Startposition->setNumber(werte.Katzenstartposition);
    Pendellaenge->setNumber(werte.Pendellaenge);
    MinDeltaT->setNumber(werte.MinDeltaT);
    Startwinkel->setNumber(werte.Startwinkel);
    Pendellaenge->setFocus();
}

TOptionenWerte TOptionenform::Werte() const
{
    TOptionenWerte w;
    w.Pendellaenge = Pendellaenge->Number();
    w.MinDeltaT = MinDeltaT->Number();
    const float winkel = Startwinkel->Number();
    w.Startwinkel = std::isfinite(winkel) ? winkel : geladen.Startwinkel;
    const float position = Startposition->Number();
    w.Katzenstartposition = std::isfinite(position) ? position : geladen.Katzenstartposition;
    return w;
}

std::int32_t TOptionenform::Rasterlinien() const
{
    return Rasterlinien_->Number();
}

void TOptionenform::RasterUebernehmen()
{
    for (TKoordinatensystem* k : rasterPlots) {
        if (k)
            k->setRasteranzahl(Rasterlinien() - 1);
    }
}

void TOptionenform::StandardwerteClick()
{
    const TOptionenWerte standard;
    Startposition->setNumber(standard.Katzenstartposition);
    Pendellaenge->setNumber(standard.Pendellaenge);
    MinDeltaT->setNumber(standard.MinDeltaT);
    Startwinkel->setNumber(standard.Startwinkel);
    Rasterlinien_->setNumber(StandardRasterlinien);
}

void TOptionenform::OKClick()
{
    if (Rasterlinien() < WenigsteRasterlinien) {
        Rasterlinien_->setNumber(WenigsteRasterlinien);
        Meldung(MeldungsArt::Warnung, OptionenTexte::raster);
    }
    // A length that is not a finite number is no usable length either.
    const float laenge = Pendellaenge->Number();
    if (!(laenge >= KleinsteLaenge) || !std::isfinite(laenge)) {
        Pendellaenge->setNumber(KleinsteLaenge);
        Meldung(MeldungsArt::Warnung, OptionenTexte::laenge);
    }
    if (MinDeltaT->Number() < KleinstesDeltaT) {
        MinDeltaT->setNumber(KleinstesDeltaT);
        Meldung(MeldungsArt::Warnung, OptionenTexte::deltaT);
    }
    accept();
}

bool TOptionenform::ausfuehren(TOptionenWerte& werte)
{
    oeffnen(werte);
    if (ZeigeModal(*this) != QDialog::Accepted)
        return false;
    werte = Werte();
    RasterUebernehmen();
    return true;
}
