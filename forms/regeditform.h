#pragma once

#include "core/regeldaten.h"

#include <QDialog>
#include <QPersistentModelIndex>
#include <QTableWidget>

#include <functional>

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
    // Tab and Shift+Tab move between the cells only while this says so;
    // otherwise they leave the grid at once. Without it they always move.
    void setTabZwischenZellen(std::function<bool()> wann) { tabZwischenZellen = std::move(wann); }

signals:
    // The left button went down on the cell and came up again, wherever it
    // came up; not after the second click of a double click.
    void ZelleGeklickt(int zeile, int spalte);
    // Delete or Backspace on the current cell.
    void ZelleLoeschen(int zeile, int spalte);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    // Dragging with the button down does not move the current cell: a rule is
    // set where the press began, nowhere in between.
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    bool tasteAktiv = false;
    std::function<bool()> tabZwischenZellen;
    // The cell under the last press of the left button, while it is down.
    QPersistentModelIndex gedrueckt;
    bool doppelklick = false;
};

// The rule editor: a grid with the terms of input A down the side and those of
// input B along the top, in which the user sets the output term of each rule
// with a click and removes it with a double click. The caller hands it copies
// with oeffnen() and shows the dialog; after OK it takes the table from
// Ergebnis() and looks at Geaendert().
class TRegEditForm : public QDialog {
    Q_OBJECT
public:
    static inline const QString KeinAusgangsterm = QStringLiteral("Wählen Sie zunächst einen Ausgangsterm!");
    static inline const QString FrageLoeschen = QStringLiteral("Sollen die Regeln wirklich gelöscht werden?");
    // Text of a cell whose output term the output no longer has.
    static inline const QString OhneWirkung = QStringLiteral("?");

    explicit TRegEditForm(QWidget* parent = nullptr);

    // Takes copies of the variables and the table and fills labels, list and
    // grid from them; no output term chosen, no current cell, OK has the focus.
    void oeffnen(const TRegelDaten& daten);
    // The variables as they came and the table as the user left it.
    TRegelDaten Ergebnis() const { return daten; }
    // Whether the user changed the table since the opening.
    bool Geaendert() const { return geaendert; }

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

    QLabel* Label1() const { return label1; }
    QLabel* Label2() const { return label2; }
    QLabel* Label3() const { return label3; }
    QLabel* Label4() const { return label4; }
    QLabel* Label5() const { return label5; }
    // The line above the grid that counts the cells without a rule.
    QLabel* LueckenLabel() const { return lueckenLabel; }
    TRegelGitter* StringGrid1() const { return stringGrid1; }
    QListWidget* ListBox1() const { return listBox1; }
    QPushButton* Neu1() const { return neu1; }
    QPushButton* Kopieren() const { return kopieren; }
    QPushButton* OKBtn() const { return okBtn; }
    QPushButton* CancelBtn() const { return cancelBtn; }
    QPushButton* HelpBtn() const { return helpBtn; }

private:
    void zelleZeigen(int c, int r);
    void lueckenZeigen();
    // True when (c, r) belongs to the terms the rules use.
    bool imGebrauch(int c, int r) const;

    // (c, r) of daten.Regeltab: c the term of input B (grid column), r the
    // term of input A (grid row).
    TRegelDaten daten;
    bool geaendert = false;

    QLabel* label1;
    QLabel* label2;
    QLabel* label3;
    QLabel* label4;
    QLabel* label5;
    QLabel* lueckenLabel;
    TRegelGitter* stringGrid1;
    QListWidget* listBox1;
    QPushButton* neu1;
    QPushButton* kopieren;
    QPushButton* okBtn;
    QPushButton* cancelBtn;
    QPushButton* helpBtn;
};
