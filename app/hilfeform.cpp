#include "app/hilfeform.h"

#include "app/bilder.h"

#include <QApplication>
#include <QFile>
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
    layout->addWidget(browser);
    browser->setOpenExternalLinks(true);
    resize(560, 620);
}

QString THilfeForm::Seite(int kontext)
{
    const QString pfad = kontext == HilfeInhalt ? QStringLiteral(":/hilfe/inhalt.html")
                                                : QStringLiteral(":/hilfe/kontext%1.html").arg(kontext);
    return QFile::exists(pfad) ? pfad : QString();
}

void THilfeForm::ZeigeKontext(int k)
{
    kontext = k;
    const QString seite = Seite(k);
    if (seite.isEmpty()) {
        browser->clearHistory();
        browser->setHtml(keineHilfeSeite());
    } else {
        browser->setSource(QUrl(QStringLiteral("qrc") + seite));
    }
    // Help asked for from a modal dialog must be usable while that dialog is
    // open: then the help window is modal above it until it is closed.
    const Qt::WindowModality modalitaet =
        QApplication::activeModalWidget() && QApplication::activeModalWidget() != this ? Qt::ApplicationModal
                                                                                       : Qt::NonModal;
    if (isVisible() && windowModality() != modalitaet)
        hide();
    setWindowModality(modalitaet);
    show();
    raise();
    activateWindow();
}

THilfeAnzeige THilfeForm::Anzeige()
{
    return {[this](int k) { ZeigeKontext(k); }, [this] { close(); }};
}
