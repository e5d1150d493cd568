#pragma once

#include <QString>

class QDialog;
class QPushButton;
class QRect;
class QWidget;

// Small pieces that every dialog of forms/ shares.

// A control's hint: its tooltip and the status-line text of the main window.
void HinweisSetzen(QWidget* control, const QString& hinweis);

// A push button at a fixed place of a fixed-size dialog.
QPushButton* KnopfAnlegen(QWidget* parent, const QString& text, const QRect& platz, const QString& hinweis = {});

// Puts a picture of the dialog's client area on the clipboard.
void DialogbildKopieren(QWidget& dialog);

// Fixed client size and caption of a dialog; no "?" button in the title bar.
void DialogRahmen(QDialog& dialog, int breite, int hoehe, const QString& titel);
