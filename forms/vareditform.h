#pragma once

#include "core/fuzzy.h"
#include "core/meldung.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QToolButton;
class TKoordinatensystem;
class TSingEdit;
class TVarEditGitter;

// What the variable editor opens with: a copy of the project's variable and
// the project's file name for the caption.
struct TVariablenDaten {
    TFuzzy Variable;
    QString Dateiname;
};

// The variable editor: name, base set, up to five term names and the values
// a, b, c, d, h of each term, a drawing of the variable. The caller opens it
// with oeffnen(), shows it modally and takes Ergebnis() back after OK.
//
// The controls are transferred into the variable at fixed points only: before
// each of the dialog's message boxes, when the grid loses the focus to another
// control of the dialog, before a change of the term list, before drawing and
// on OK. A cell or field is read back only when the user changed it, so that
// the rounded text of a value never replaces the value.
class TVarEditform : public QDialog {
    Q_OBJECT

public:
    explicit TVarEditform(QWidget* parent = nullptr);
    ~TVarEditform() override;

    // Takes the variable and sets the caption, every control and the plot
    // from it; run before each showing.
    void oeffnen(const TVariablenDaten& daten);
    // The variable as the dialog holds it; after OK, what the user defined.
    TFuzzy Ergebnis() const { return fuzzyVar; }
    // Whether the user touched the variable during this opening.
    bool Geaendert() const { return geaendert; }

    // Variable -> grid: rows 1..Anzahl from the terms, the rows below emptied.
    void Tabaktuell();
    // Controls -> variable (reports cells that are no number).
    void Varaktuell();
    // Checks the variable and shows each fault; true when there is none.
    bool checked();

    // The commands of the buttons and keys.
    void zeichnen1Click();
    void Kopieren1Click();
    void LoeschenClick();
    void OKBtnClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void ListBox1Entf();

    QLineEdit* Edit1() const { return edit1; }
    TSingEdit* SingEdit1() const { return singEdit1; }
    TSingEdit* SingEdit2() const { return singEdit2; }
    QLineEdit* Edit2() const { return edit2; }
    QToolButton* SpeedButton1() const { return speedButton1; }
    QToolButton* SpeedButton2() const { return speedButton2; }
    QToolButton* SpeedButton3() const { return speedButton3; }
    QListWidget* ListBox1() const { return listBox1; }
    QLabel* Image1() const { return image1; }
    QTableWidget* StringGrid1() const;
    // The colour mark beside grid row i (1..5).
    QWidget* Shape(int i) const { return shapes[i - 1]; }
    QWidget* Panel1() const { return panel1; }
    TKoordinatensystem& Koordinatensystem1() const { return *koordinatensystem1; }
    QPushButton* Kopieren1() const { return kopieren1; }
    QPushButton* zeichnen1() const { return zeichnen1Knopf; }
    QPushButton* Loeschen() const { return loeschen; }
    QPushButton* OKBtn() const { return okBtn; }
    QPushButton* CancelBtn() const { return cancelBtn; }
    QPushButton* HelpBtn() const { return helpBtn; }

    void done(int ergebnis) override;

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void controlsAnlegen();
    void verbinden();
    // A message box of the dialog: the controls are transferred first.
    void meldung(MeldungsArt art, const QString& text);
    bool meldungJa(const QString& text);
    void uebertragenVorMeldung();
    void gridFokusWechsel(QWidget* alt, QWidget* neu);
    void zelleGewaehlt(int zeile, int spalte);
    // true when the check found nothing.
    bool zeichnenAktion();
    // Warns when term i's short name is another term's too.
    void abkuerzungPruefen(int i);
    void listeUebernehmen();
    void termLoeschen(bool edit2Leeren);
    void plotLeeren();
    void aenderungMerken() { geaendert = true; }
    void nameBereinigen(QLineEdit* feld);

    TFuzzy fuzzyVar;
    bool geaendert = false;
    bool definiertBeimOeffnen = false;
    // Between oeffnen() and the end of the dialog.
    bool offen = false;
    bool uebertragung = false;
    int offeneMeldungen = 0;
    // The user changed a base-set field since it was set.
    bool feldAGeaendert = false;
    bool feldBGeaendert = false;

    QLineEdit* edit1 = nullptr;
    TSingEdit* singEdit1 = nullptr;
    TSingEdit* singEdit2 = nullptr;
    QLineEdit* edit2 = nullptr;
    QToolButton* speedButton1 = nullptr;
    QToolButton* speedButton2 = nullptr;
    QToolButton* speedButton3 = nullptr;
    QListWidget* listBox1 = nullptr;
    QLabel* image1 = nullptr;
    TVarEditGitter* stringGrid1 = nullptr;
    std::array<QWidget*, 5> shapes{};
    QWidget* panel1 = nullptr;
    TKoordinatensystem* koordinatensystem1 = nullptr;
    QPushButton* kopieren1 = nullptr;
    QPushButton* zeichnen1Knopf = nullptr;
    QPushButton* loeschen = nullptr;
    QPushButton* okBtn = nullptr;
    QPushButton* cancelBtn = nullptr;
    QPushButton* helpBtn = nullptr;
};
