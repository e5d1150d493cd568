#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

// A circle filled with `farbe` and outlined in black, 1 pixel, antialiased,
// touching the edges of `platz`.
void FarbkreisZeichnen(QPainter& maler, const QRectF& platz, const QColor& farbe);

// A filled circle as a control of its own, over the whole widget: a term's
// colour in the variable editor, the success lamp of the simulation panel.
class TFarbkreis : public QWidget {
    Q_OBJECT
public:
    explicit TFarbkreis(const QColor& farbe, QWidget* parent = nullptr);

    QColor Farbe() const { return farbe; }
    void setFarbe(const QColor& neu);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor farbe;
};
