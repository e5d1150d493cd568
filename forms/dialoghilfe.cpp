#include "forms/dialoghilfe.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPixmap>
#include <QPushButton>
#include <QRect>

void HinweisSetzen(QWidget* control, const QString& hinweis)
{
    control->setToolTip(hinweis);
    control->setStatusTip(hinweis);
}

QPushButton* KnopfAnlegen(QWidget* parent, const QString& text, const QRect& platz, const QString& hinweis)
{
    auto* knopf = new QPushButton(text, parent);
    knopf->setGeometry(platz);
    knopf->setAutoDefault(false);
    if (!hinweis.isEmpty())
        HinweisSetzen(knopf, hinweis);
    return knopf;
}

void DialogbildKopieren(QWidget& dialog)
{
    QApplication::clipboard()->setPixmap(dialog.grab());
}

void DialogRahmen(QDialog& dialog, int breite, int hoehe, const QString& titel)
{
    dialog.setWindowTitle(titel);
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    dialog.setFixedSize(breite, hoehe);
}
