#include "app/stil.h"

#include <QApplication>
#include <QStyleFactory>

TTarvikStil::TTarvikStil()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

int TTarvikStil::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay)
        return Hinweispause;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void TarvikStilSetzen()
{
    if (!dynamic_cast<TTarvikStil*>(QApplication::style()))
        QApplication::setStyle(new TTarvikStil);
}
