#include "forms/cregelform.h"

#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {


} // namespace

TCRegelform::TCRegelform(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, 537, 332, QStringLiteral("Chromosomenregelsystem"));
    auto* rahmen = new QGroupBox(this);
    rahmen->setGeometry(8, 4, 521, 280);
    memo = new QPlainTextEdit(rahmen);
    memo->setGeometry(8, 14, 505, 257);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont schrift(QStringLiteral("Times New Roman"));
    schrift.setStyleHint(QFont::Serif);
    schrift.setPixelSize(13);
    memo->setFont(schrift);
    QPalette farben = memo->palette();
    farben.setColor(QPalette::Text, Qt::black);
    memo->setPalette(farben);

    okKnopf = KnopfAnlegen(this, QStringLiteral("OK"), QRect(265, 296, 80, 25));
    okKnopf->setDefault(true);
    kopiereKnopf = KnopfAnlegen(this, QStringLiteral("Kopieren"), QRect(355, 296, 80, 25),
                                QStringLiteral("Regeln in die Zwischenablage kopieren"));
    hilfeKnopf = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(445, 296, 80, 25));
    connect(okKnopf, &QPushButton::clicked, this, &QDialog::accept);
    HilfeSeiteSetzen(this, HilfeSeite::Suche, hilfeKnopf);
    connect(kopiereKnopf, &QPushButton::clicked, this, &TCRegelform::KopiereButtonClick);
}

void TCRegelform::aktivieren()
{
    QStringList zeilen;
    for (const TRegel& r : rs)
        zeilen.append(RegelText(r, EingangA, EingangB, Ausgang));
    memo->setPlainText(zeilen.join(QLatin1Char('\n')));
}


void TCRegelform::KopiereButtonClick()
{
    memo->selectAll();
    memo->copy();
}
