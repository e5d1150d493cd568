#include "platform/hilfe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QVariant>
#include <QWidget>

#include <utility>

namespace {

constexpr char KontextEigenschaft[] = "tarvikHilfeKontext";

QString ohneKuerzel(QString text)
{
    return text.remove(QLatin1Char('&'));
}

THilfeAnzeige& anzeige()
{
    static THilfeAnzeige a;
    return a;
}

} // namespace

void ZeigeHilfe(int kontext)
{
    if (anzeige().zeigen)
        anzeige().zeigen(kontext);
}

void SchliesseHilfe()
{
    if (anzeige().schliessen)
        anzeige().schliessen();
}

THilfeAnzeige setzeHilfeAnzeige(THilfeAnzeige neu)
{
    return std::exchange(anzeige(), std::move(neu));
}

ScopedHilfe::ScopedHilfe()
{
    vorher_ = setzeHilfeAnzeige({[this](int kontext) { kontexte_.append(kontext); }, [this] { ++geschlossen_; }});
}

ScopedHilfe::~ScopedHilfe()
{
    setzeHilfeAnzeige(std::move(vorher_));
}

void HilfeKontextSetzen(QWidget* fenster, int kontext)
{
    fenster->setProperty(KontextEigenschaft, kontext);
}

int THilfetaste::Kontext(const QWidget* widget)
{
    const QVariant kontext = widget ? widget->window()->property(KontextEigenschaft) : QVariant();
    return kontext.isValid() ? kontext.toInt() : -1;
}

bool THilfetaste::eventFilter(QObject* objekt, QEvent* e)
{
    if (e->type() != QEvent::KeyPress || !objekt->isWidgetType())
        return false;
    const auto* taste = static_cast<QKeyEvent*>(e);
    if (taste->key() != Qt::Key_F1 || taste->modifiers() != Qt::NoModifier)
        return false;
    QWidget* fenster = static_cast<QWidget*>(objekt)->window();
    if (const int kontext = Kontext(fenster); kontext >= 0) {
        ZeigeHilfe(kontext);
        return true;
    }
    const auto knoepfe = fenster->findChildren<QAbstractButton*>();
    for (QAbstractButton* knopf : knoepfe) {
        if (knopf->isVisible() && knopf->isEnabled() && ohneKuerzel(knopf->text()) == QLatin1String("Hilfe")) {
            knopf->click();
            return true;
        }
    }
    return false;
}
