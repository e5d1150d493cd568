#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QWidget;

// Help pages by context number: 1 variables, 2 rules, 3 simulation, 4 file and
// print dialogs, 5 options, 6 set-up and external programs, 7 genetic search;
// HilfeInhalt is the index page that links them all.
constexpr int HilfeInhalt = 0;
void ZeigeHilfe(int kontext);

// The help context that F1 opens in the window (see THilfetaste).
void HilfeKontextSetzen(QWidget* fenster, int kontext);

// F1 anywhere in the program, installed on the application: opens the
// context of the active window; in a window without one it presses the
// window's "Hilfe" button, so that F1 and the button always agree.
class THilfetaste : public QObject {
public:
    using QObject::QObject;
    // The context of the widget's window, or -1 when it has none.
    static int Kontext(const QWidget* widget);

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;
};

// The help page of the file and print dialogs.
inline constexpr int DateiDialogHilfe = 4;
// Closes the help viewer (when the program ends).
void SchliesseHilfe();

// The viewer the program installs at start-up. Until one is installed help
// requests are ignored.
struct THilfeAnzeige {
    std::function<void(int kontext)> zeigen;
    std::function<void()> schliessen;
};
THilfeAnzeige setzeHilfeAnzeige(THilfeAnzeige anzeige);

// Records help requests for as long as it lives.
class ScopedHilfe {
public:
    ScopedHilfe();
    ~ScopedHilfe();
    ScopedHilfe(const ScopedHilfe&) = delete;
    ScopedHilfe& operator=(const ScopedHilfe&) = delete;

    const QList<int>& kontexte() const { return kontexte_; }
    int geschlossen() const { return geschlossen_; }

private:
    QList<int> kontexte_;
    int geschlossen_ = 0;
    THilfeAnzeige vorher_;
};
