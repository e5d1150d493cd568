#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QAbstractButton;
class QWidget;

// The help pages. Inhalt is the index page that links all the others; the
// numbers are those of the page files (kontext1.html ...).
enum class HilfeSeite {
    Inhalt = 0,
    Variablen = 1,
    Regeln = 2,
    Simulation = 3,
    Dateien = 4, // file and print dialogs
    Optionen = 5,
    Einrichtung = 6, // set-up and external programs
    Suche = 7,       // genetic search
    Aufgaben = 8,    // tasks with a check
};

// Opens the page; `abschnitt` names a section of it (an anchor of the page),
// where the page opens instead of at its top.
void ZeigeHilfe(HilfeSeite seite, const QString& abschnitt = QString());

// The one way a window (or a part of a window, such as the simulation panel
// inside the main window) gets its help page: F1 anywhere inside `bereich`
// opens `seite`, and so does `knopf` when one is given; at the section
// `abschnitt` when the window shares a long page with others.
void HilfeSeiteSetzen(QWidget* bereich, HilfeSeite seite, QAbstractButton* knopf = nullptr,
                      const QString& abschnitt = QString());

// The section for an area that already has its page (for windows whose page is
// set where they are built).
void HilfeAbschnittSetzen(QWidget* bereich, const QString& abschnitt);

// The page of the innermost area around `widget` that has one, within its
// window; none when no area up to the window has a page.
std::optional<HilfeSeite> HilfeSeiteVon(const QWidget* widget);
// The section that same area asks for; empty for the top of the page.
QString HilfeAbschnittVon(const QWidget* widget);

// Opens the page and section of the area around `widget`; false when it has none.
bool HilfeZeigenFuer(const QWidget* widget);

// F1 anywhere in the program, installed on the application: opens the page
// of the focused widget's area (see HilfeSeiteSetzen).
class THilfetaste : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;
};

// Closes the help viewer (when the program ends).
void SchliesseHilfe();

// The viewer the program installs at start-up. Until one is installed help
// requests are ignored.
struct THilfeAnzeige {
    std::function<void(HilfeSeite seite, const QString& abschnitt)> zeigen;
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

    const QList<HilfeSeite>& seiten() const { return seiten_; }
    // The section of each request, in the same order; empty for a page's top.
    const QStringList& abschnitte() const { return abschnitte_; }
    int geschlossen() const { return geschlossen_; }

private:
    QList<HilfeSeite> seiten_;
    QStringList abschnitte_;
    int geschlossen_ = 0;
    THilfeAnzeige vorher_;
};
