#include "app/stil.h"

#include <QApplication>
#include <QFont>
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
    QApplication::setFont(Dialogschrift());
}

QFont Dialogschrift()
{
    // The dialogs keep their fixed control positions; a sans-serif of 11 px
    // has the metric of the small dialog font they were laid out for.
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(11);
    return schrift;
}
