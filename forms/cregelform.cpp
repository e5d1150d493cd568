#include "forms/cregelform.h"

#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

TCRegelform::TCRegelform(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, 537, 332, QStringLiteral("Chromosomenregelsystem"));
    auto* rahmen = new QGroupBox(this);
    rahmen->setGeometry(8, 4, 521, 280);
    memo1 = new QPlainTextEdit(rahmen);
    memo1->setGeometry(8, 14, 505, 257);
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

    okBtn = KnopfAnlegen(this, QStringLiteral("OK"), QRect(265, 296, 80, 25));
    okBtn->setDefault(true);
    kopiereButton = KnopfAnlegen(this, QStringLiteral("Kopieren"), QRect(355, 296, 80, 25),
                                 QStringLiteral("Regeln in die Zwischenablage kopieren"));
    helpBtn = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(445, 296, 80, 25));
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    HilfeSeiteSetzen(this, HilfeSeite::Suche, helpBtn);
    connect(kopiereButton, &QPushButton::clicked, this, &TCRegelform::KopiereButtonClick);
}

void TCRegelform::oeffnen(const TRegelsystemDaten& daten)
{
    memo1->setPlainText(RegelsystemZeilen(daten.rs, daten.EingangA, daten.EingangB, daten.Ausgang)
                            .join(QLatin1Char('\n')));
}

void TCRegelform::KopiereButtonClick()
{
    memo1->selectAll();
    memo1->copy();
}
