#pragma once

#include "platform/hilfe.h"

#include <QRect>
#include <QSize>
#include <QWidget>

class QKeyEvent;
class QPushButton;
class QTextBrowser;

// The help viewer: one window that shows the German help page of a context
// page. The pages are compiled into the program. It never blocks: asked for
// from a dialog that is open modally, it stays usable beside the dialog, and
// the dialog beside it.
class THilfeForm : public QWidget {
    Q_OBJECT
public:
    static inline const QString KeineHilfe = QStringLiteral("Zu diesem Thema gibt es noch keine Hilfe.");

    explicit THilfeForm(QWidget* parent = nullptr);

    // Loads the page, at the section `abschnitt` (an anchor of the page) or at
    // its top, and shows the window in front.
    void oeffnen(HilfeSeite seite, const QString& abschnitt = QString());
    HilfeSeite Seite() const { return seite; }
    QTextBrowser* Browser() const { return browser; }
    QPushButton* Zurueck() const { return zurueck; }
    QPushButton* Themen() const { return themen; }

    // Resource path of a context's page; empty when there is none.
    static QString Seitenpfad(HilfeSeite seite);

    // Lets ZeigeHilfe()/SchliesseHilfe() reach this window.
    THilfeAnzeige Anzeige();

protected:
    // Escape closes the help.
    void keyPressEvent(QKeyEvent* e) override;

private:
    QTextBrowser* browser;
    QPushButton* zurueck = nullptr;
    QPushButton* themen = nullptr;
    HilfeSeite seite = HilfeSeite::Inhalt;
};
