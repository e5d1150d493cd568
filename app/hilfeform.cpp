#include "app/hilfeform.h"

#include "app/bilder.h"
#include "platform/fensterplatz.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

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

void THilfeForm::oeffnen(HilfeSeite s)
{
    seite = s;
    const QString pfad = Seitenpfad(s);
    if (pfad.isEmpty()) {
        browser->clearHistory();
        browser->setHtml(keineHilfeSeite());
    } else {
        browser->setSource(QUrl(QStringLiteral("qrc") + pfad));
    }
    // Help asked for from a modal dialog must be usable while that dialog is
    // open: then the help window is modal above it until it is closed.
    const QWidget* dialog = QApplication::activeModalWidget() != this ? QApplication::activeModalWidget() : nullptr;
    const Qt::WindowModality modalitaet = dialog ? Qt::ApplicationModal : Qt::NonModal;
    // A dialog kept above the other windows would hide its own help.
    const bool obenBleiben = dialog && dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (isVisible() && (windowModality() != modalitaet || windowFlags().testFlag(Qt::WindowStaysOnTopHint) != obenBleiben))
        hide();
    setWindowModality(modalitaet);
    setWindowFlag(Qt::WindowStaysOnTopHint, obenBleiben);
    // Beside the window help was asked from, never over its buttons; narrower
    // where the screen has no room for the whole width beside it.
    const QWidget* von = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
    if (von == this)
        von = nullptr;
    if (!isVisible() || (von && VerdecktBedienelemente(*this, *von)))
        DanebenPlatzieren(*this, von, QSize(240, 300));
    show();
    raise();
    activateWindow();
}

THilfeAnzeige THilfeForm::Anzeige()
{
    return {[this](HilfeSeite s) { oeffnen(s); }, [this] { close(); }};
}
