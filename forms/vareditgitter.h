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
//
// Tab and Shift+Tab move through the rows that hold terms only and leave the
// grid at their ends, so that a visit of the grid passes no row without a term.
class TVarEditGitter : public QTableWidget {
    Q_OBJECT

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

    // The value cell that Tab (vorwaerts) or Shift+Tab moves to from value
    // cell (zeile, spalte) while rows 1..termzeilen hold terms; none when the
    // key leaves the grid. From a row without a term, Tab leaves and Shift+Tab
    // goes back to the last cell of the last term.
    static std::optional<std::pair<int, int>> TabZiel(int zeile, int spalte, bool vorwaerts, int termzeilen);

signals:
    // The user came to value cell (zeile, spalte): it became the current cell,
    // or it was current already and was clicked or reached by Tab.
    void ZelleBetreten(int zeile, int spalte);

protected:
    QModelIndex moveCursor(CursorAction aktion, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hinweis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;

private:
    std::array<std::array<bool, 5>, 5> zelleGeaendert{};
    // Rows 1..termzeilen hold terms, as last shown.
    int termzeilen = 0;
};
