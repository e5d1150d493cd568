#pragma once

#include "core/zahlenformat.h"

#include <QLineEdit>

#include <cstdint>

// A single-line field holding an integer in its text; text that is no
// integer reads as 0, without a message.
class TIntEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TIntEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

    std::int32_t Number() const { return IntEditZahl(text()); }
    void setNumber(std::int32_t wert) { setText(IntEditText(wert)); }
};
