#pragma once

#include "core/fuzzy.h"
#include "core/regeltab.h"

#include <QDialog>
#include <QTableWidget>

class QLabel;
class QListWidget;
class QPushButton;

// The rule grid: a table that tells key moves of the current cell apart from
// the moves Qt makes on its own (a current cell given with the focus), and
// lets Tab leave the grid at its first and last cell.
class TRegelGitter : public QTableWidget {
    Q_OBJECT
public:
    using QTableWidget::QTableWidget;

    // True while a key of the user moves the current cell.
    bool TasteAktiv() const { return tasteAktiv; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    // Dragging with the button down does not move the current cell: a rule is
    // set where a click lands, nowhere in between.
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    bool tasteAktiv = false;
};

// The rule editor: a grid with the terms of input A down the side and those of
// input B along the top, in which the user sets the output term of each rule
// with a click and removes it with a double click. The caller fills the three
// variables and regeltab, calls oeffnen() and shows the dialog; after OK it
// takes regeltab back and looks at RegelChanged.
class TRegEditForm : public QDialog {
    Q_OBJECT
public:
    static inline const QString KeinAusgangsterm = QStringLiteral("Wählen Sie zunächst einen Ausgangsterm!");
    static inline const QString FrageLoeschen = QStringLiteral("Sollen die Regeln wirklich gelöscht werden?");
    // Text of a cell whose output term the output no longer has.
    static inline const QString OhneWirkung = QStringLiteral("?");

    explicit TRegEditForm(QWidget* parent = nullptr);

    TFuzzy EingangA;
    TFuzzy EingangB;
    TFuzzy Ausgang;
    // (c, r): c the term of input B (grid column), r the term of input A (grid row).
    TRegeltab regeltab;
    bool RegelChanged = false;

    // Fills labels, list and grid from the variables and regeltab; no output
    // term chosen, no current cell, OK has the focus.
    void oeffnen();

    // The chosen output term: the selected list entry + 1, 0 without one.
    int GewaehlterTerm() const;

    // Text of body cell (c, r) or of a head cell (c or r = 0).
    QString Zelle(int c, int r) const;
    // Rectangle of cell (c, r) in the grid's viewport; for body cells only.
    QRect Zellrechteck(int c, int r) const;

    // What the events do; the controls call them, tests may too.
    void ZelleSetzen(int c, int r);
    void ZelleLeeren(int c, int r);
    void Neu1Click();
    void KopierenClick();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    TRegelGitter* StringGrid1;
    QListWidget* ListBox1;
    QPushButton* Neu1;
    QPushButton* Kopieren;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

private:
    void zelleZeigen(int c, int r);
    // True when (c, r) belongs to the terms the rules use.
    bool imGebrauch(int c, int r) const;
};
