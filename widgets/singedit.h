#pragma once

#include "core/zahlenformat.h"

#include <QLineEdit>

// A single-line field holding a real number in its text. Reading Number()
// takes "," as decimal point and reads text of any other form as 0, without a
// message; writing shows "  2.5000" or " 1.5E+0003".
class TSingEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TSingEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

    float Number() const { return SingEditZahl(text()); }
    void setNumber(float wert) { setText(SingEditText(wert)); }
};
