#include "forms/vareditgitter.h"

#include "core/fuzzy.h"
#include "core/zahlenformat.h"

#include <QApplication>
#include <QHeaderView>
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

// Shift+Tab in the first value cell leaves the grid, as Tab does in the last
// one; the fixed cells cannot stop it there.
bool TVarEditGitter::focusNextPrevChild(bool next)
{
    const QModelIndex zelle = currentIndex();
    if (!next && zelle.row() <= 1 && zelle.column() <= 1)
        return QWidget::focusNextPrevChild(false);
    return QTableWidget::focusNextPrevChild(next);
}
