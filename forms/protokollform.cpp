#include "forms/protokollform.h"

#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

TProtokollform::TProtokollform(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, 388, 330, QStringLiteral("Protokoll"));
    auto* rahmen = new QGroupBox(this);
    rahmen->setGeometry(8, 4, 281, 318);
    memo1 = new QPlainTextEdit(rahmen);
    memo1->setGeometry(8, 12, 265, 297);
    memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Plenty of lines are appended while the window is hidden; the undo stack
    // would keep every one of them twice.
    memo1->setUndoRedoEnabled(false);

    okBtn = KnopfAnlegen(this, QStringLiteral("OK"), QRect(300, 12, 80, 25));
    okBtn->setDefault(true);
    helpBtn = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(300, 44, 80, 25));
    kopiereButton = KnopfAnlegen(this, QStringLiteral("Kopieren"), QRect(300, 76, 80, 25),
                                 QStringLiteral("Protokoll in die Zwischenablage kopieren"));
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    HilfeSeiteSetzen(this, HilfeSeite::Suche, helpBtn);
    connect(kopiereButton, &QPushButton::clicked, this, &TProtokollform::KopiereButtonClick);
}

void TProtokollform::leeren()
{
    memo1->clear();
}

int TProtokollform::Zeilen() const
{
    const QTextDocument* d = memo1->document();
    return d->isEmpty() ? 0 : d->blockCount();
}

bool TProtokollform::anhaengen(const QString& zeile)
{
    return anhaengen(QStringList{zeile}) == 1;
}

int TProtokollform::anhaengen(const QStringList& zeilen)
{
    const int platz = std::max(0, maxZeilen - Zeilen());
    const int anzahl = std::min<int>(platz, int(zeilen.size()));
    if (anzahl == 0)
        return 0;
    const QString text = zeilen.mid(0, anzahl).join(QLatin1Char('\n'));
    if (memo1->document()->isEmpty())
        memo1->setPlainText(text);
    else
        memo1->appendPlainText(text);
    return anzahl;
}

void TProtokollform::KopiereButtonClick()
{
    memo1->selectAll();
    memo1->copy();
}
