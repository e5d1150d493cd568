#pragma once

#include "core/fuzzy.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;
class TKoordinatensystem;
class TSingEdit;

// The variable tester: a scroll bar moves the value x across the variable's
// base set; the plot shows the terms and, in XOR, the membership lines at x;
// a label lists the memberships. It works on its own copy of the variable and
// gives nothing back.
class TVarTestForm : public QDialog {
    Q_OBJECT

public:
    explicit TVarTestForm(QWidget* parent = nullptr);
    ~TVarTestForm() override;

    // Takes a copy of the variable; caption, colours, x at the left end of the
    // base set, scroll bar at 0, value field and label from that x, the plot
    // drawn anew.
    void oeffnen(const TFuzzy& fuzzy);
    // The tester's copy with its current x.
    const TFuzzy& Variable() const { return variable; }

    // Erases the membership lines, takes x from the scroll bar's position and
    // draws the lines at the new x.
    void ScrollBar1Change();
    // Draws the variable and the membership lines at the current x again.
    void Neuzeichnen();

    TKoordinatensystem& Koordinatensystem1() const { return *koordinatensystem1; }
    QWidget* Panel1() const { return panel1; }
    QScrollBar* ScrollBar1() const { return scrollBar1; }
    TSingEdit* SingEdit1() const { return singEdit1; }
    QLabel* Label1() const { return label1; }
    QPushButton* OKBtn() const { return okBtn; }
    QPushButton* HelpBtn() const { return helpBtn; }

private:
    void linienZeichnen();

    TFuzzy variable;
    QWidget* panel1 = nullptr;
    TKoordinatensystem* koordinatensystem1 = nullptr;
    QScrollBar* scrollBar1 = nullptr;
    TSingEdit* singEdit1 = nullptr;
    QLabel* label1 = nullptr;
    QPushButton* okBtn = nullptr;
    QPushButton* helpBtn = nullptr;
};
