#include "app/hilfeform.h"

#include "app/bilder.h"
#include "platform/fensterplatz.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScrollBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace {

QString keineHilfeSeite()
{
    return QStringLiteral("<h2>Tarvik-Hilfe</h2><p>%1</p><p><a href=\"qrc:/hilfe/inhalt.html\">Hilfethemen</a></p>")
        .arg(THilfeForm::KeineHilfe.toHtmlEscaped());
}

// A link to a page that is not there yet shows the note instead of an
// empty window.
class THilfeBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int typ, const QUrl& name) override
    {
        const QVariant inhalt = QTextBrowser::loadResource(typ, name);
        if (typ == QTextDocument::HtmlResource && (!inhalt.isValid() || inhalt.toByteArray().isEmpty()))
            return keineHilfeSeite();
        return inhalt;
    }
};

} // namespace

THilfeForm::THilfeForm(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , browser(new THilfeBrowser(this))
{
    setWindowTitle(QStringLiteral("Tarvik-Hilfe"));
    setWindowIcon(Programmsymbol());
    // An open help window must not keep the program alive.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // Back and the index, so that every page leads on to the others.
    auto* leiste = new QHBoxLayout;
    leiste->setContentsMargins(4, 4, 4, 4);
    zurueck = new QPushButton(QStringLiteral("< &Zurück"), this);
    zurueck->setEnabled(false);
    themen = new QPushButton(QStringLiteral("&Hilfethemen"), this);
    for (QPushButton* knopf : {zurueck, themen}) {
        knopf->setAutoDefault(false);
        knopf->setFocusPolicy(Qt::TabFocus);
        leiste->addWidget(knopf);
    }
    leiste->addStretch(1);
    layout->addLayout(leiste);
    layout->addWidget(browser);
    browser->setOpenExternalLinks(true);
    connect(zurueck, &QPushButton::clicked, browser, &QTextBrowser::backward);
    connect(browser, &QTextBrowser::backwardAvailable, zurueck, &QPushButton::setEnabled);
    connect(themen, &QPushButton::clicked, this, [this] { browser->setSource(QUrl(QStringLiteral("qrc:/hilfe/inhalt.html"))); });
    resize(560, 620);
}

QString THilfeForm::Seitenpfad(HilfeSeite s)
{
    const QString pfad = s == HilfeSeite::Inhalt ? QStringLiteral(":/hilfe/inhalt.html")
                                                 : QStringLiteral(":/hilfe/kontext%1.html").arg(static_cast<int>(s));
    return QFile::exists(pfad) ? pfad : QString();
}

void THilfeForm::oeffnen(HilfeSeite s, const QString& abschnitt)
{
    seite = s;
    const QString pfad = Seitenpfad(s);
    if (pfad.isEmpty()) {
        browser->clearHistory();
        browser->setHtml(keineHilfeSeite());
    } else {
        QUrl adresse(QStringLiteral("qrc") + pfad);
        adresse.setFragment(abschnitt.isEmpty() ? QString() : abschnitt);
        browser->setSource(adresse);
    }

    // Help for a dialog that runs modally is a window of that dialog: Qt lets
    // a modal window's own (transient) windows take input, so the help is
    // usable while the dialog runs, and being modeless it blocks nothing.
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == this)
        dialog = nullptr;
    // As a window of the dialog type the window manager keeps it above that
    // dialog instead of letting a click into the dialog bury it; a dialog kept
    // above the other windows would hide its own help all the same.
    Qt::WindowFlags art = (windowFlags() & ~Qt::WindowType_Mask) | (dialog ? Qt::Dialog : Qt::Window);
    art.setFlag(Qt::WindowStaysOnTopHint, dialog && dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    if (art != windowFlags())
        setWindowFlags(art);  // hides the window
    setWindowModality(Qt::NonModal);
    const bool neuGezeigt = !isVisible();
    create();
    windowHandle()->setTransientParent(dialog && dialog->windowHandle() ? dialog->windowHandle() : nullptr);
    // Narrower than this the pages read badly.
    constexpr QSize SchmalsteGroesse(360, 300);
    if (dialog && neuGezeigt)
        DanebenPlatzieren(*this, dialog, SchmalsteGroesse);
    show();
    raise();
    activateWindow();
    // Opened again on the page it shows, it goes to the section (or the top) all the same.
    if (!abschnitt.isEmpty())
        browser->scrollToAnchor(abschnitt);
    else
        browser->verticalScrollBar()->setValue(0);
}

void THilfeForm::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

THilfeAnzeige THilfeForm::Anzeige()
{
    return {[this](HilfeSeite s, const QString& abschnitt) { oeffnen(s, abschnitt); }, [this] { close(); }};
}
