#pragma once

#include <QTableWidget>

#include <array>
#include <optional>

class TFuzzy;

// The variable editor's grid of term values: row 0 holds the heads "  a" to
// "  h", column 0 the terms' short names, both as teal fixed cells; cell
// (i, j) holds value j of term i. It remembers which value cells the user
// changed since the program last wrote them, so that only those are read
// back and the rounded text of a value never replaces the value.
class TVarEditGitter : public QTableWidget {
public:
    explicit TVarEditGitter(QWidget* parent);

    // A value cell's text: two decimals, at least four characters ("0.00").
    static QString Zellentext(float wert);

    // Rows 1..Anzahl from the variable's terms, the rows below emptied; no
    // cell counts as changed afterwards.
    void Zeigen(const TFuzzy& fuzzy);
    // The text of value cell (i, j) if the user changed it since it was
    // written, and the change is forgotten; nothing otherwise.
    std::optional<QString> Eingabe(int i, int j);
    // Writes a value into its cell; that is no change by the user.
    void WertZeigen(int i, int j, float wert);

    // Hands an open cell editor's text to its cell and closes the editor.
    void editorUebernehmen();

protected:
    bool focusNextPrevChild(bool next) override;

private:
    std::array<std::array<bool, 5>, 5> zelleGeaendert{};
};
