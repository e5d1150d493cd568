#include "app/titelform.h"

#include "app/bilder.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {

QLabel* zeile(QWidget* eltern, const QString& text, int y, int pixel, int breite, bool fett = false)
{
    auto* label = new QLabel(text, eltern);
    QFont schrift = label->font();
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    label->setFont(schrift);
    QPalette farben = label->palette();
    farben.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(farben);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setGeometry(22, y, breite, pixel + 8);
    return label;
}

} // namespace

TTitelform::TTitelform(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , zeitgeber(new QTimer(this))
{
    setFixedSize(Breite, Hoehe);
    setModal(true);

    auto* bild = new QLabel(this);
    bild->setPixmap(QPixmap::fromImage(Titelbild(devicePixelRatioF())));
    bild->setGeometry(0, 0, Breite, Hoehe);

    // The tagline stands under the name in the picture, the rest at the foot.
    zeilen.append(zeile(this, QStringLiteral("Fuzzy-Regelung lernen durch Ausprobieren"), 84, 16, Breite - 30, true));
    zeilen.append(zeile(this, QStringLiteral("von den Autorinnen und Autoren von Tarvik"), 268, 13, Breite - 22 - 90));
    zeilen.append(zeile(this, QStringLiteral("Alle Rechte: die Autorinnen und Autoren von Tarvik"), 290, 11, Breite - 22 - 90));
    zeilen.append(zeile(this, QStringLiteral("Bilder: vom Programm selbst gezeichnet (Tarvik-Autoren)"), 309, 11, Breite - 22 - 90));

    auto* symbol = new QLabel(this);
    symbol->setPixmap(QPixmap::fromImage(Programmbild(48, devicePixelRatioF())));
    symbol->setGeometry(Breite - 48 - 18, Hoehe - 48 - 16, 48, 48);

    zeitgeber->setSingleShot(true);
    zeitgeber->setInterval(Anzeigedauer);
    connect(zeitgeber, &QTimer::timeout, this, &QDialog::accept);

    if (const QScreen* schirm = QGuiApplication::primaryScreen())
        move(schirm->availableGeometry().center() - rect().center());
}

void TTitelform::oeffnen()
{
    zeitgeber->start();
}
