#include "forms/vareditgitter.h"

#include "core/fuzzy.h"
#include "core/zahlenformat.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

const QColor Teal(0, 128, 128);

// Draws a cell's text two pixels from its left edge, as the grid always did,
// and smaller when it is wider than the cell, so that "-1250.50" stays
// readable instead of being cut off.
class TZellenDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        const QString text = o.text;
        o.text.clear();
        QStyle* stil = o.widget ? o.widget->style() : QApplication::style();
        stil->drawControl(QStyle::CE_ItemViewItem, &o, maler, o.widget);

        const QRect platz = o.rect.adjusted(2, 0, -1, 0);
        QFont schrift = o.font;
        int groesse = QFontInfo(schrift).pixelSize();
        while (groesse > 7 && QFontMetrics(schrift).horizontalAdvance(text) > platz.width())
            schrift.setPixelSize(--groesse);
        const bool gewaehlt = o.state & QStyle::State_Selected;
        maler->save();
        maler->setFont(schrift);
        maler->setPen(o.palette.color(o.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
                                      gewaehlt ? QPalette::HighlightedText : QPalette::Text));
        maler->setClipRect(o.rect);
        maler->drawText(platz, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        maler->restore();
    }
};

} // namespace

TVarEditGitter::TVarEditGitter(QWidget* parent)
    : QTableWidget(6, 6, parent)
{
    setItemDelegate(new TZellenDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    for (QHeaderView* kopf : {horizontalHeader(), verticalHeader()}) {
        kopf->setMinimumSectionSize(1);
        kopf->setSectionResizeMode(QHeaderView::Fixed);
    }
    // 41 pixels of cell and one of grid line per column, 24 and one per row.
    horizontalHeader()->setDefaultSectionSize(42);
    verticalHeader()->setDefaultSectionSize(25);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                    | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    {
        const QSignalBlocker sperre(this);
        const QStringList koepfe{QString(), QStringLiteral("  a"), QStringLiteral("  b"), QStringLiteral("  c"),
                                 QStringLiteral("  d"), QStringLiteral("  h")};
        for (int r = 0; r < 6; ++r) {
            for (int s = 0; s < 6; ++s) {
                auto* zelle = new QTableWidgetItem(r == 0 ? koepfe[s] : QString());
                if (r == 0 || s == 0) {
                    // Fixed cells: neither current nor editable.
                    zelle->setFlags(Qt::NoItemFlags);
                    zelle->setBackground(Teal);
                    zelle->setForeground(Qt::black);
                }
                setItem(r, s, zelle);
            }
        }
        setCurrentCell(1, 1);
    }
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* zelle) {
        if (zelle->row() >= 1 && zelle->column() >= 1)
            zelleGeaendert[zelle->row() - 1][zelle->column() - 1] = true;
    });
    connect(this, &QTableWidget::currentCellChanged, this, [this](int zeile, int spalte, int, int) {
        if (zeile >= 1 && spalte >= 1)
            emit ZelleBetreten(zeile, spalte);
    });
}

QString TVarEditGitter::Zellentext(float wert)
{
    return FestKomma(wert, 2, 4);
}

void TVarEditGitter::Zeigen(const TFuzzy& fuzzy)
{
    const QSignalBlocker sperre(this);
    editorUebernehmen();
    const int n = fuzzy.gueltigeAnzahl();
    termzeilen = n;
    for (int i = 1; i <= TFuzzy::MaxTerme; ++i) {
        const bool belegt = i <= n;
        item(i, 0)->setText(belegt ? QStringLiteral(" ") + fuzzy.AbkTermname(i) : QString());
        for (int j = 1; j <= 5; ++j) {
            item(i, j)->setText(belegt ? Zellentext(fuzzy.Term(i, j)) : QString());
            zelleGeaendert[i - 1][j - 1] = false;
        }
    }
}

std::optional<QString> TVarEditGitter::Eingabe(int i, int j)
{
    if (!zelleGeaendert[i - 1][j - 1])
        return std::nullopt;
    zelleGeaendert[i - 1][j - 1] = false;
    return item(i, j)->text();
}

void TVarEditGitter::WertZeigen(int i, int j, float wert)
{
    const QSignalBlocker sperre(this);
    item(i, j)->setText(Zellentext(wert));
}

void TVarEditGitter::editorUebernehmen()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    for (QWidget* editor : viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!editor->isVisible() || !itemDelegate())
            continue;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

std::optional<std::pair<int, int>> TVarEditGitter::TabZiel(int zeile, int spalte, bool vorwaerts, int termzeilen)
{
    if (zeile > termzeilen) {
        if (vorwaerts || termzeilen < 1)
            return std::nullopt;
        return std::pair{termzeilen, 5};
    }
    if (vorwaerts) {
        if (spalte < 5)
            return std::pair{zeile, spalte + 1};
        if (zeile < termzeilen)
            return std::pair{zeile + 1, 1};
        return std::nullopt;
    }
    if (spalte > 1)
        return std::pair{zeile, spalte - 1};
    if (zeile > 1)
        return std::pair{zeile - 1, 5};
    return std::nullopt;
}

QModelIndex TVarEditGitter::moveCursor(CursorAction aktion, Qt::KeyboardModifiers modifiers)
{
    if (aktion != MoveNext && aktion != MovePrevious)
        return QTableWidget::moveCursor(aktion, modifiers);
    // An invalid index lets the key leave the grid.
    const auto ziel = TabZiel(currentRow(), currentColumn(), aktion == MoveNext, termzeilen);
    return ziel ? model()->index(ziel->first, ziel->second) : QModelIndex();
}

// Tab in an open cell editor: at the end of the term rows the focus leaves
// the grid, as Tab does outside the editor.
void TVarEditGitter::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hinweis)
{
    const bool tab = hinweis == QAbstractItemDelegate::EditNextItem
                     || hinweis == QAbstractItemDelegate::EditPreviousItem;
    const bool vorwaerts = hinweis == QAbstractItemDelegate::EditNextItem;
    const bool verlassen = tab && !TabZiel(currentRow(), currentColumn(), vorwaerts, termzeilen);
    QTableWidget::closeEditor(editor, hinweis);
    if (verlassen && hasFocus())
        QAbstractScrollArea::focusNextPrevChild(vorwaerts);
}

void TVarEditGitter::focusInEvent(QFocusEvent* ereignis)
{
    QTableWidget::focusInEvent(ereignis);
    // Tabbing into the grid enters its current cell, although it does not change.
    const bool tab = ereignis->reason() == Qt::TabFocusReason || ereignis->reason() == Qt::BacktabFocusReason;
    if (tab && currentRow() >= 1 && currentColumn() >= 1)
        emit ZelleBetreten(currentRow(), currentColumn());
}

void TVarEditGitter::mousePressEvent(QMouseEvent* ereignis)
{
    const QModelIndex vorher = currentIndex();
    QTableWidget::mousePressEvent(ereignis);
    // A click on the current cell changes no cell but enters it all the same.
    const QModelIndex getroffen = indexAt(ereignis->position().toPoint());
    if (getroffen.isValid() && getroffen == vorher && getroffen == currentIndex() && getroffen.row() >= 1
        && getroffen.column() >= 1)
        emit ZelleBetreten(getroffen.row(), getroffen.column());
}
