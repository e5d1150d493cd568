#include "forms/protokollform.h"

#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr int Hilfekontext = 7;

} // namespace

TProtokollform::TProtokollform(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, 388, 330, QStringLiteral("Protokoll"));
    auto* rahmen = new QGroupBox(this);
    rahmen->setGeometry(8, 4, 281, 318);
    memo = new QPlainTextEdit(rahmen);
    memo->setGeometry(8, 12, 265, 297);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Plenty of lines are appended while the window is hidden; the undo stack
    // would keep every one of them twice.
    memo->setUndoRedoEnabled(false);

    okKnopf = KnopfAnlegen(this, QStringLiteral("OK"), QRect(300, 12, 80, 25));
    okKnopf->setDefault(true);
    hilfeKnopf = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(300, 44, 80, 25));
    kopiereKnopf = KnopfAnlegen(this, QStringLiteral("Kopieren"), QRect(300, 76, 80, 25),
                                QStringLiteral("Protokoll in die Zwischenablage kopieren"));
    connect(okKnopf, &QPushButton::clicked, this, &QDialog::accept);
    connect(hilfeKnopf, &QPushButton::clicked, this, [] { ZeigeHilfe(Hilfekontext); });
    connect(kopiereKnopf, &QPushButton::clicked, this, &TProtokollform::KopiereButtonClick);
}

void TProtokollform::leeren()
{
    memo->clear();
}

int TProtokollform::Zeilen() const
{
    const QTextDocument* d = memo->document();
    return d->isEmpty() ? 0 : d->blockCount();
}

bool TProtokollform::anhaengen(const QString& zeile)
{
    if (Zeilen() >= maxZeilen)
        return false;
    if (memo->document()->isEmpty())
        memo->setPlainText(zeile);
    else
        memo->appendPlainText(zeile);
    return true;
}

void TProtokollform::KopiereButtonClick()
{
    memo->selectAll();
    memo->copy();
}
