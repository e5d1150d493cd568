#include "platform/hilfe.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QVariant>
#include <QWidget>

#include <utility>

namespace {

constexpr char SeitenEigenschaft[] = "tarvikHilfeSeite";

THilfeAnzeige& anzeige()
{
    static THilfeAnzeige a;
    return a;
}

} // namespace

void ZeigeHilfe(HilfeSeite seite)
{
    if (anzeige().zeigen)
        anzeige().zeigen(seite);
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
    vorher_ = setzeHilfeAnzeige({[this](HilfeSeite seite) { seiten_.append(seite); }, [this] { ++geschlossen_; }});
}

ScopedHilfe::~ScopedHilfe()
{
    setzeHilfeAnzeige(std::move(vorher_));
}

void HilfeSeiteSetzen(QWidget* bereich, HilfeSeite seite, QAbstractButton* knopf)
{
    bereich->setProperty(SeitenEigenschaft, static_cast<int>(seite));
    if (knopf)
        QObject::connect(knopf, &QAbstractButton::clicked, bereich, [seite] { ZeigeHilfe(seite); });
}

std::optional<HilfeSeite> HilfeSeiteVon(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const QVariant seite = w->property(SeitenEigenschaft);
        if (seite.isValid())
            return static_cast<HilfeSeite>(seite.toInt());
    }
    return std::nullopt;
}

bool THilfetaste::eventFilter(QObject* objekt, QEvent* e)
{
    if (e->type() != QEvent::KeyPress || !objekt->isWidgetType())
        return false;
    const auto* taste = static_cast<QKeyEvent*>(e);
    if (taste->key() != Qt::Key_F1 || taste->modifiers() != Qt::NoModifier)
        return false;
    const auto seite = HilfeSeiteVon(static_cast<QWidget*>(objekt));
    if (!seite)
        return false;
    ZeigeHilfe(*seite);
    return true;
}
