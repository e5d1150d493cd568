#include "forms/regeditform.h"

#include "core/regelaktivitaet.h"
#include "forms/dialoghilfe.h"
#include "forms/klartext.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr int Spaltenbreite = 50;
constexpr int Zeilenhoehe = 34;

// Cells outside the terms in use: lighter, so that the part of the grid that
// the rules use stands out.
const QColor AusserGebrauch(243, 243, 243);
const QColor Grau(128, 128, 128);

QLabel* beschriftungAnlegen(QWidget* parent, int x, int y, const QString& text = {})
{
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->move(x, y);
    l->adjustSize();
    return l;
}

// A label shows a name in at most `breite` pixels; a longer name is shortened
// with "…" and shown whole in the tooltip.
void beschriften(QLabel* l, const QString& text, int breite)
{
    KlartextSetzen(*l, text, breite);
    l->resize(std::min(breite, l->sizeHint().width()), l->sizeHint().height());
}

QString termBeschreibung(const TFuzzy& f, int i)
{
    return f.Name() + QStringLiteral(" = ") + f.Termname(i);
}

} // namespace

void TRegelGitter::keyPressEvent(QKeyEvent* e)
{
    if ((e->key() == Qt::Key_Delete || e->key() == Qt::Key_Backspace) && e->modifiers() == Qt::NoModifier) {
        if (currentRow() >= 0 && currentColumn() >= 0)
            emit ZelleLoeschen(currentRow(), currentColumn());
        e->accept();
        return;
    }
    tasteAktiv = true;
    QTableWidget::keyPressEvent(e);
    tasteAktiv = false;
}

bool TRegelGitter::focusNextPrevChild(bool next)
{
    const int zeile = currentRow();
    const int spalte = currentColumn();
    const bool amRand = zeile < 0 || (next ? zeile == rowCount() - 1 && spalte == columnCount() - 1
                                           : zeile == 0 && spalte == 0);
    // Moving through the cells without an output term chosen would warn at
    // every cell: Tab goes on to the next control instead.
    if (amRand || (tabZwischenZellen && !tabZwischenZellen()))
        return QWidget::focusNextPrevChild(next);
    return QTableWidget::focusNextPrevChild(next);
}

void TRegelGitter::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        gedrueckt = indexAt(e->position().toPoint());
        doppelklick = false;
    }
    QTableWidget::mousePressEvent(e);
}

void TRegelGitter::mouseDoubleClickEvent(QMouseEvent* e)
{
    // Qt reports a double click only on the cell of the first click; on
    // another cell it counts as a new press.
    if (e->button() == Qt::LeftButton && gedrueckt.isValid() && indexAt(e->position().toPoint()) == gedrueckt)
        doppelklick = true;
    QTableWidget::mouseDoubleClickEvent(e);
}

void TRegelGitter::mouseReleaseEvent(QMouseEvent* e)
{
    const QPersistentModelIndex zelle = gedrueckt;
    const bool nachDoppelklick = doppelklick;
    if (e->button() == Qt::LeftButton) {
        gedrueckt = QPersistentModelIndex();
        doppelklick = false;
    }
    QTableWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && zelle.isValid() && !nachDoppelklick)
        emit ZelleGeklickt(zelle.row(), zelle.column());
}

void TRegelGitter::mouseMoveEvent(QMouseEvent* e)
{
    e->ignore();
}

TRegEditForm::TRegEditForm(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, 566, 322, QStringLiteral("Regeln editieren"));
    // A fixed frame with the system menu and the close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    label1 = beschriftungAnlegen(this, 40, 16, QStringLiteral("Regeln"));
    lueckenLabel = beschriftungAnlegen(this, 112, 16);
    label4 = beschriftungAnlegen(this, 112, 37);
    label2 = beschriftungAnlegen(this, 408, 16, QStringLiteral("Ausgangsterme von"));
    label3 = beschriftungAnlegen(this, 411, 56);

    stringGrid1 = new TRegelGitter(TFuzzy::MaxTerme, TFuzzy::MaxTerme, this);
    stringGrid1->setGeometry(40, 56, 362, 206);
    stringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    stringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    stringGrid1->setTabKeyNavigation(true);
    stringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stringGrid1->setCornerButtonEnabled(false);
    stringGrid1->setWordWrap(false);
    for (QHeaderView* kopf : {stringGrid1->horizontalHeader(), stringGrid1->verticalHeader()}) {
        kopf->setSectionsClickable(false);
        kopf->setHighlightSections(false);
        kopf->setSectionResizeMode(QHeaderView::Fixed);
        kopf->setDefaultAlignment(Qt::AlignCenter);
    }
    stringGrid1->horizontalHeader()->setDefaultSectionSize(Spaltenbreite);
    stringGrid1->horizontalHeader()->setFixedHeight(Zeilenhoehe);
    stringGrid1->verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    stringGrid1->verticalHeader()->setFixedWidth(Spaltenbreite);
    for (int i = 0; i < TFuzzy::MaxTerme; ++i) {
        stringGrid1->setHorizontalHeaderItem(i, new QTableWidgetItem);
        stringGrid1->setVerticalHeaderItem(i, new QTableWidgetItem);
        for (int j = 0; j < TFuzzy::MaxTerme; ++j) {
            auto* zelle = new QTableWidgetItem;
            zelle->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            zelle->setTextAlignment(Qt::AlignCenter);
            stringGrid1->setItem(i, j, zelle);
        }
    }
    // The grid is as large as its cells, so no empty band is left beside them.
    stringGrid1->resize(stringGrid1->verticalHeader()->width() + TFuzzy::MaxTerme * Spaltenbreite +
                            2 * stringGrid1->frameWidth(),
                        206);

    label5 = beschriftungAnlegen(this, 40, 268);

    listBox1 = new QListWidget(this);
    listBox1->setGeometry(408, 75, 105, 206);
    listBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    // A long term name wraps instead of hiding behind a scroll bar.
    listBox1->setWordWrap(true);
    listBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listBox1->setAlternatingRowColors(true);

    neu1 = KnopfAnlegen(this, QStringLiteral("Neu"), QRect(40, 287, 81, 27),
                        QStringLiteral("gesamte Regeltabelle löschen"));
    kopieren = KnopfAnlegen(this, QStringLiteral("Kopieren"), QRect(128, 287, 81, 27),
                        QStringLiteral("Dieses Fenster in die Zwischenablage kopieren"));
    okBtn = KnopfAnlegen(this, QStringLiteral("OK"), QRect(304, 287, 77, 27));
    cancelBtn = KnopfAnlegen(this, QStringLiteral("Abbrechen"), QRect(388, 287, 77, 27));
    helpBtn = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(472, 287, 77, 27));
    okBtn->setDefault(true);

    // The list first: a term is chosen before the grid is reached.
    setTabOrder(listBox1, stringGrid1);
    setTabOrder(stringGrid1, neu1);
    setTabOrder(neu1, kopieren);
    setTabOrder(kopieren, okBtn);
    setTabOrder(okBtn, cancelBtn);
    setTabOrder(cancelBtn, helpBtn);

    // A click sets the rule in the cell where it began, also in the cell that
    // is current already; keys set it in every cell they move to. Qt's own
    // moves of the current cell (with the focus) set nothing.
    connect(stringGrid1, &TRegelGitter::ZelleGeklickt, this, [this](int zeile, int spalte) {
        ZelleSetzen(spalte + 1, zeile + 1);
    });
    connect(stringGrid1, &TRegelGitter::ZelleLoeschen, this, [this](int zeile, int spalte) {
        ZelleLeeren(spalte + 1, zeile + 1);
    });
    stringGrid1->setTabZwischenZellen([this] { return GewaehlterTerm() != 0; });
    connect(stringGrid1, &QTableWidget::currentCellChanged, this, [this](int zeile, int spalte, int, int) {
        if (stringGrid1->TasteAktiv() && zeile >= 0 && spalte >= 0)
            ZelleSetzen(spalte + 1, zeile + 1);
    });
    connect(stringGrid1, &QTableWidget::cellDoubleClicked, this, [this](int zeile, int spalte) {
        ZelleLeeren(spalte + 1, zeile + 1);
    });
    connect(neu1, &QPushButton::clicked, this, &TRegEditForm::Neu1Click);
    connect(kopieren, &QPushButton::clicked, this, &TRegEditForm::KopierenClick);
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    HilfeSeiteSetzen(this, HilfeSeite::Regeln, helpBtn);
}

bool TRegEditForm::imGebrauch(int c, int r) const
{
    const int spalten = daten.EingangB.definiert() ? daten.EingangB.gueltigeAnzahl() : 1;
    return c <= spalten && r <= daten.EingangA.gueltigeAnzahl();
}

void TRegEditForm::oeffnen(const TRegelDaten& neu)
{
    // Copies of the definitions, as the variables are handed to every dialog.
    daten.EingangA.assign(neu.EingangA);
    daten.EingangB.assign(neu.EingangB);
    daten.Ausgang.assign(neu.Ausgang);
    daten.Regeltab = neu.Regeltab;
    geaendert = false;
    beschriften(label4, daten.EingangB.definiert() ? daten.EingangB.Name() : QString(),
                listBox1->x() - 8 - label4->x());
    beschriften(label5, daten.EingangA.Name(), 362);
    beschriften(label3, daten.Ausgang.Name(), width() - 411 - 8);

    {
        const QSignalBlocker sperre(listBox1);
        listBox1->clear();
        for (int k = 1; k <= daten.Ausgang.gueltigeAnzahl(); ++k) {
            listBox1->addItem(daten.Ausgang.Termname(k));
            listBox1->item(k - 1)->setToolTip(KlartextHinweis(daten.Ausgang.Termname(k) + QStringLiteral(" (") +
                                                              daten.Ausgang.AbkTermname(k) + QLatin1Char(')')));
        }
        listBox1->clearSelection();
        listBox1->setCurrentRow(-1);
    }

    {
        const QSignalBlocker sperre(stringGrid1);
        stringGrid1->clearSelection();
        stringGrid1->selectionModel()->clearCurrentIndex();
    }
    for (int i = 1; i <= TFuzzy::MaxTerme; ++i) {
        QTableWidgetItem* spalte = stringGrid1->horizontalHeaderItem(i - 1);
        const bool b = i <= daten.EingangB.gueltigeAnzahl();
        spalte->setText(b ? daten.EingangB.AbkTermname(i) : QString());
        spalte->setToolTip(b ? KlartextHinweis(daten.EingangB.Termname(i)) : QString());
        QTableWidgetItem* zeile = stringGrid1->verticalHeaderItem(i - 1);
        const bool a = i <= daten.EingangA.gueltigeAnzahl();
        zeile->setText(a ? daten.EingangA.AbkTermname(i) : QString());
        zeile->setToolTip(a ? KlartextHinweis(daten.EingangA.Termname(i)) : QString());
    }
    for (int c = 1; c <= TFuzzy::MaxTerme; ++c)
        for (int r = 1; r <= TFuzzy::MaxTerme; ++r) {
            if (imGebrauch(c, r)) {
                zelleZeigen(c, r);
            } else {
                // Entries outside the terms in use stay stored but unseen.
                QTableWidgetItem* z = stringGrid1->item(r - 1, c - 1);
                z->setText(QString());
                z->setToolTip(QString());
                z->setForeground(QBrush());
                z->setBackground(AusserGebrauch);
            }
        }
    lueckenZeigen();
    okBtn->setFocus();
}

void TRegEditForm::lueckenZeigen()
{
    const TRegelLuecken luecken = RegelLuecken(daten.EingangA, daten.EingangB, daten.Regeltab, daten.Ausgang);
    // Up to the list's column; rules that point at a lost term in dark red.
    beschriften(lueckenLabel, RegelLueckenText(luecken, daten.EingangA, daten.EingangB),
                listBox1->x() - 8 - lueckenLabel->x());
    QPalette farben = palette();
    if (luecken.ungueltigAnzahl > 0)
        farben.setColor(QPalette::WindowText, QColor(160, 0, 0));
    lueckenLabel->setPalette(farben);
}

void TRegEditForm::zelleZeigen(int c, int r)
{
    QTableWidgetItem* z = stringGrid1->item(r - 1, c - 1);
    const int k = daten.Regeltab(c, r);
    const bool gebraucht = imGebrauch(c, r);
    z->setBackground(gebraucht ? QBrush() : QBrush(AusserGebrauch));
    z->setForeground(QBrush());
    if (k == 0) {
        z->setText(QString());
        z->setToolTip(QString());
        return;
    }
    if (k < 0 || k > daten.Ausgang.gueltigeAnzahl()) {
        // The output lost this term (or never had it): the inference ignores
        // the entry, the file keeps it.
        z->setText(OhneWirkung);
        z->setForeground(Grau);
        z->setToolTip(
            QStringLiteral("Diese Regel wirkt nicht: Der Ausgang hat keinen Term %1 (mehr).").arg(k));
        return;
    }
    z->setText(daten.Ausgang.AbkTermname(k));
    if (!gebraucht) {
        z->setToolTip(QStringLiteral("Diese Zelle gehört zu keinem Term der Eingänge; die Regel wirkt nicht."));
        return;
    }
    QString regel = QStringLiteral("WENN ") + termBeschreibung(daten.EingangA, r);
    if (daten.EingangB.definiert())
        regel += QStringLiteral(" UND ") + termBeschreibung(daten.EingangB, c);
    z->setToolTip(KlartextHinweis(regel + QStringLiteral(", DANN ") + termBeschreibung(daten.Ausgang, k)));
}

int TRegEditForm::GewaehlterTerm() const
{
    const QModelIndexList gewaehlt = listBox1->selectionModel()->selectedIndexes();
    return gewaehlt.isEmpty() ? 0 : gewaehlt.constFirst().row() + 1;
}

QString TRegEditForm::Zelle(int c, int r) const
{
    if (r == 0 && c == 0)
        return {};
    if (r == 0)
        return stringGrid1->horizontalHeaderItem(c - 1)->text();
    if (c == 0)
        return stringGrid1->verticalHeaderItem(r - 1)->text();
    return stringGrid1->item(r - 1, c - 1)->text();
}

QRect TRegEditForm::Zellrechteck(int c, int r) const
{
    return stringGrid1->visualItemRect(stringGrid1->item(r - 1, c - 1));
}

void TRegEditForm::ZelleSetzen(int c, int r)
{
    const int k = GewaehlterTerm();
    if (k == 0) {
        Meldung(MeldungsArt::Warnung, KeinAusgangsterm);
        return;
    }
    daten.Regeltab(c, r) = k;
    geaendert = true;
    zelleZeigen(c, r);
    lueckenZeigen();
}

void TRegEditForm::ZelleLeeren(int c, int r)
{
    daten.Regeltab(c, r) = 0;
    geaendert = true;
    zelleZeigen(c, r);
    lueckenZeigen();
}

void TRegEditForm::Neu1Click()
{
    if (Meldung(MeldungsArt::Bestaetigung, FrageLoeschen, true) != Antwort::Ja)
        return;
    daten.Regeltab = TRegeltab{};
    geaendert = true;
    for (int c = 1; c <= TFuzzy::MaxTerme; ++c)
        for (int r = 1; r <= TFuzzy::MaxTerme; ++r)
            zelleZeigen(c, r);
    lueckenZeigen();
}

void TRegEditForm::KopierenClick()
{
    DialogbildKopieren(*this);
}
