#include "platform/hilfe.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QVariant>
#include <QWidget>

#include <utility>

namespace {

constexpr char SeitenEigenschaft[] = "tarvikHilfeSeite";
constexpr char AbschnittEigenschaft[] = "tarvikHilfeAbschnitt";

// The innermost area around `widget` with a page, within its window.
const QWidget* bereichVon(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (w->property(SeitenEigenschaft).isValid())
            return w;
    }
    return nullptr;
}

THilfeAnzeige& anzeige()
{
    static THilfeAnzeige a;
    return a;
}

} // namespace

void ZeigeHilfe(HilfeSeite seite, const QString& abschnitt)
{
    if (anzeige().zeigen)
        anzeige().zeigen(seite, abschnitt);
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
    vorher_ = setzeHilfeAnzeige({[this](HilfeSeite seite, const QString& abschnitt) {
                                     seiten_.append(seite);
                                     abschnitte_.append(abschnitt);
                                 },
                                 [this] { ++geschlossen_; }});
}

ScopedHilfe::~ScopedHilfe()
{
    setzeHilfeAnzeige(std::move(vorher_));
}

void HilfeSeiteSetzen(QWidget* bereich, HilfeSeite seite, QAbstractButton* knopf, const QString& abschnitt)
{
    bereich->setProperty(SeitenEigenschaft, static_cast<int>(seite));
    if (!abschnitt.isEmpty())
        HilfeAbschnittSetzen(bereich, abschnitt);
    // Read when clicked, so that a section set later counts too.
    if (knopf)
        QObject::connect(knopf, &QAbstractButton::clicked, bereich, [bereich] { HilfeZeigenFuer(bereich); });
}

void HilfeAbschnittSetzen(QWidget* bereich, const QString& abschnitt)
{
    bereich->setProperty(AbschnittEigenschaft, abschnitt);
}

std::optional<HilfeSeite> HilfeSeiteVon(const QWidget* widget)
{
    if (const QWidget* bereich = bereichVon(widget))
        return static_cast<HilfeSeite>(bereich->property(SeitenEigenschaft).toInt());
    return std::nullopt;
}

QString HilfeAbschnittVon(const QWidget* widget)
{
    const QWidget* bereich = bereichVon(widget);
    return bereich ? bereich->property(AbschnittEigenschaft).toString() : QString();
}

bool HilfeZeigenFuer(const QWidget* widget)
{
    const auto seite = HilfeSeiteVon(widget);
    if (!seite)
        return false;
    ZeigeHilfe(*seite, HilfeAbschnittVon(widget));
    return true;
}

bool THilfetaste::eventFilter(QObject* objekt, QEvent* e)
{
    if (e->type() != QEvent::KeyPress || !objekt->isWidgetType())
        return false;
    const auto* taste = static_cast<QKeyEvent*>(e);
    if (taste->key() != Qt::Key_F1 || taste->modifiers() != Qt::NoModifier)
        return false;
    return HilfeZeigenFuer(static_cast<QWidget*>(objekt));
}
