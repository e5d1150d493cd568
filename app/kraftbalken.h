#pragma once

#include <QProgressBar>

// The force bar of the simulation panel's hand page: it follows the mouse
// without a button pressed and reports the column under the pointer.
class TKraftbalken : public QProgressBar {
    Q_OBJECT
public:
    explicit TKraftbalken(QWidget* parent = nullptr);
    // The bar shows only 0..100; a value outside is held at the nearer end
    // (a plain progress bar would ignore it and keep its old position).
    void setPosition(int spalte);

signals:
    void mausBewegt(int spalte);

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
};
