#include "app/startseite.h"

#include "app/seitenschrift.h"
#include "forms/dialoghilfe.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int Spaltenbreite = 720;

} // namespace

TStartseite::TStartseite(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Startseite"));
    auto* aussen = new QVBoxLayout(this);
    auto* spalte = new QWidget(this);
    spalte->setFixedWidth(Spaltenbreite);
    aussen->addStretch(1);
    aussen->addWidget(spalte, 0, Qt::AlignHCenter);
    aussen->addStretch(2);

    auto* l = new QVBoxLayout(spalte);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(14);
    // Wrapped texts get the height they need at the column's fixed width; a
    // centred column would otherwise cut them.
    auto absatz = [&](int pixel, bool fett, const QString& text, const QString& farbe = QString()) {
        QLabel* label = Beschriftung(spalte, pixel, fett, farbe);
        label->setWordWrap(true);
        label->setText(text);
        label->setMinimumHeight(label->heightForWidth(Spaltenbreite));
        l->addWidget(label);
        return label;
    };
    absatz(32, true, QStringLiteral("Willkommen bei Tarvik"));
    absatz(17, false,
           QStringLiteral("Mit Tarvik lernen Sie Fuzzy-Regelung, indem Sie selbst einen Fuzzy-Regler bauen: "
                          "zwei Eingänge und einen Ausgang mit ihren Termen und die Regeln dazwischen. "
                          "Dann sehen Sie ihn arbeiten – im Regeltester, in der 3D-Kennfläche und als Regler "
                          "eines invertierten Pendels oder einer Laufkatze."));
    l->addSpacing(8);
    absatz(17, true, QStringLiteral("Womit möchten Sie beginnen?"));

    // A large button with a bold first line and a plain second line.
    auto knopf = [&](const QString& titelzeile, const QString& erklaerung) {
        auto* k = new QPushButton(spalte);
        k->setAutoDefault(false);
        k->setMinimumHeight(76);
        auto* kl = new QVBoxLayout(k);
        kl->setContentsMargins(18, 8, 18, 8);
        kl->setSpacing(2);
        for (const auto& [text, fett] : {std::pair{titelzeile, true}, std::pair{erklaerung, false}}) {
            QLabel* zeile = Beschriftung(k, fett ? 18 : 16, fett);
            zeile->setText(text);
            zeile->setAttribute(Qt::WA_TransparentForMouseEvents);
            kl->addWidget(zeile);
        }
        l->addWidget(k);
        return k;
    };
    assistentKnopf = knopf(QStringLiteral("Neues Projekt mit dem Assistenten"),
                           QStringLiteral("Schritt für Schritt: Eingang A, Eingang B, Ausgang und Regeln"));
    HinweisSetzen(assistentKnopf, QStringLiteral("Assistent für das Erstellen eines Fuzzyprojekts"));
    pendelKnopf = knopf(QStringLiteral("Beispiel öffnen: invertiertes Pendel"),
                        QStringLiteral("Ein fertiger Regler, der einen Stab auf dem Wagen balanciert"));
    kranKnopf = knopf(QStringLiteral("Beispiel öffnen: Laufkatze"),
                      QStringLiteral("Ein fertiger Regler, der die Last ohne Pendeln ans Ziel bringt"));
    absatz(15, false, QStringLiteral("Ein eigenes Projekt öffnen Sie mit „Datei → Öffnen...“."),
           QStringLiteral("#404040"));

    connect(assistentKnopf, &QPushButton::clicked, this, &TStartseite::AssistentGewuenscht);
    connect(pendelKnopf, &QPushButton::clicked, this, [this] { emit BeispielGewuenscht(pendel); });
    connect(kranKnopf, &QPushButton::clicked, this, [this] { emit BeispielGewuenscht(kran); });
    setBeispiele(QString(), QString());
}

void TStartseite::setBeispiele(const QString& pendelPfad, const QString& kranPfad)
{
    pendel = pendelPfad;
    kran = kranPfad;
    const QString fehlt = QStringLiteral("Die Beispieldatei %1 wurde bei Tarvik nicht gefunden.");
    const QString oeffnen = QStringLiteral("Das Beispielprojekt %1 öffnen");
    pendelKnopf->setEnabled(!pendel.isEmpty());
    HinweisSetzen(pendelKnopf, pendel.isEmpty() ? fehlt.arg(QStringLiteral("pendel.fuz"))
                                                : oeffnen.arg(QDir::toNativeSeparators(pendel)));
    kranKnopf->setEnabled(!kran.isEmpty());
    HinweisSetzen(kranKnopf, kran.isEmpty() ? fehlt.arg(QStringLiteral("kran.fuz"))
                                            : oeffnen.arg(QDir::toNativeSeparators(kran)));
}

void TStartseite::setAssistentVerfuegbar(bool verfuegbar)
{
    assistentKnopf->setEnabled(verfuegbar);
}

QStringList Datenordner()
{
    return QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
}

QString BeispielDatei(const QString& programmpfad, const QString& name, const QStringList& datenordner)
{
    const QDir programm(programmpfad);
    QStringList orte = {programm.filePath(QStringLiteral("examples")),
                        programm.filePath(QStringLiteral("../share/tarvik/examples")),
                        programm.filePath(QStringLiteral("../examples")),
                        programm.filePath(QStringLiteral("../../examples"))};
    for (const QString& daten : datenordner)
        orte.append(QDir(daten).filePath(QStringLiteral("tarvik/examples")));
    for (const QString& ort : orte) {
        const QFileInfo datei(QDir(ort).filePath(name));
        if (datei.isFile())
            return QDir::cleanPath(datei.absoluteFilePath());
    }
    return QString();
}
