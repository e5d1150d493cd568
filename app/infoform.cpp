#include "app/infoform.h"

#include "app/bilder.h"
#include "core/zahlenformat.h"
#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

QLabel* zeile(QWidget* eltern, const QString& text, const QRect& platz, int pixel = 0, bool fett = false)
{
    auto* label = new QLabel(text, eltern);
    QFont schrift = label->font();
    if (pixel > 0)
        schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    label->setFont(schrift);
    label->setGeometry(platz);
    return label;
}

} // namespace

TInfoForm::TInfoForm(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, Breite, Hoehe, QStringLiteral("Infos"));
    HilfeSeiteSetzen(this, HilfeSeite::Einrichtung);

    auto* rahmen = new QFrame(this);
    rahmen->setFrameStyle(QFrame::Box | QFrame::Sunken);
    rahmen->setGeometry(8, 8, Breite - 16, Hoehe - 56);

    auto* symbol = new QLabel(rahmen);
    symbol->setPixmap(QPixmap::fromImage(Programmbild(32, devicePixelRatioF())));
    symbol->setGeometry(12, 12, 32, 32);
    zeilen.append(zeile(rahmen, QStringLiteral("Tarvik"), QRect(56, 10, 140, 24), 20, true));
    zeilen.append(zeile(rahmen, QStringLiteral("Version 3.1"), QRect(56, 36, 140, 16)));

    auto* bild = new QLabel(rahmen);
    const qreal ratio = devicePixelRatioF();
    QImage klein = Titelbild(ratio).scaled((QSizeF(128, 98) * ratio).toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    klein.setDevicePixelRatio(ratio);
    bild->setPixmap(QPixmap::fromImage(klein));
    bild->setGeometry(Breite - 16 - 128 - 12, 12, 128, 98);
    bild->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    const int breite = Breite - 16 - 24;
    zeilen.append(zeile(rahmen, QStringLiteral("von den Autorinnen und Autoren von Tarvik"), QRect(12, 122, breite, 16)));
    zeilen.append(zeile(rahmen, QStringLiteral("Alle Rechte: die Autorinnen und Autoren von Tarvik"),
                        QRect(12, 140, breite, 16)));
    zeilen.append(zeile(rahmen, QStringLiteral("Bilder: vom Programm selbst gezeichnet (Tarvik-Autoren)"),
                        QRect(12, 158, breite, 16)));
    anzahl = zeile(rahmen, AnzahlText + QStringLiteral("0"), QRect(12, 186, breite, 16));

    ok = KnopfAnlegen(this, QStringLiteral("OK"), QRect((Breite - 75) / 2, Hoehe - 37, 75, 25));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* schirm = QGuiApplication::primaryScreen())
        move(schirm->availableGeometry().center() - rect().center());
}

void TInfoForm::oeffnen(const TInfoDaten& daten)
{
    anzahl->setText(AnzahlText + IntEditText(daten.Programmanzahl));
}
