#pragma once

#include <QFont>
#include <QProxyStyle>

// The program's look: Qt's Fusion style on every desktop, with tooltips that
// wait 10000 ms; the status line shows the same hint at once.
class TTarvikStil : public QProxyStyle {
public:
    static constexpr int Hinweispause = 10000;

    TTarvikStil();
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Makes TTarvikStil the application's style unless it already is, and the
// dialog font the application's font.
void TarvikStilSetzen();
QFont Dialogschrift();
