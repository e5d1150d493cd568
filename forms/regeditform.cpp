#include "forms/regeditform.h"

#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
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
    const QString kurz = l->fontMetrics().elidedText(text, Qt::ElideRight, breite);
    l->setText(kurz);
    l->setToolTip(kurz == text ? QString() : text);
    l->resize(std::min(breite, l->sizeHint().width()), l->sizeHint().height());
}

QString termBeschreibung(const TFuzzy& f, int i)
{
    return f.Name() + QStringLiteral(" = ") + f.Termname(i);
}

} // namespace

void TRegelGitter::keyPressEvent(QKeyEvent* e)
{
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
    if (amRand)
        return QWidget::focusNextPrevChild(next);
    return QTableWidget::focusNextPrevChild(next);
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

    Label1 = beschriftungAnlegen(this, 40, 16, QStringLiteral("Regeln"));
    Label4 = beschriftungAnlegen(this, 112, 37);
    Label2 = beschriftungAnlegen(this, 408, 16, QStringLiteral("Ausgangsterme von"));
    Label3 = beschriftungAnlegen(this, 411, 56);

    StringGrid1 = new TRegelGitter(TFuzzy::MaxTerme, TFuzzy::MaxTerme, this);
    StringGrid1->setGeometry(40, 56, 362, 206);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid1->setTabKeyNavigation(true);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setCornerButtonEnabled(false);
    StringGrid1->setWordWrap(false);
    for (QHeaderView* kopf : {StringGrid1->horizontalHeader(), StringGrid1->verticalHeader()}) {
        kopf->setSectionsClickable(false);
        kopf->setHighlightSections(false);
        kopf->setSectionResizeMode(QHeaderView::Fixed);
        kopf->setDefaultAlignment(Qt::AlignCenter);
    }
    StringGrid1->horizontalHeader()->setDefaultSectionSize(Spaltenbreite);
    StringGrid1->horizontalHeader()->setFixedHeight(Zeilenhoehe);
    StringGrid1->verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    StringGrid1->verticalHeader()->setFixedWidth(Spaltenbreite);
    for (int i = 0; i < TFuzzy::MaxTerme; ++i) {
        StringGrid1->setHorizontalHeaderItem(i, new QTableWidgetItem);
        StringGrid1->setVerticalHeaderItem(i, new QTableWidgetItem);
        for (int j = 0; j < TFuzzy::MaxTerme; ++j) {
            auto* zelle = new QTableWidgetItem;
            zelle->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            zelle->setTextAlignment(Qt::AlignCenter);
            StringGrid1->setItem(i, j, zelle);
        }
    }
    // The grid is as large as its cells, so no empty band is left beside them.
    StringGrid1->resize(StringGrid1->verticalHeader()->width() + TFuzzy::MaxTerme * Spaltenbreite +
                            2 * StringGrid1->frameWidth(),
                        206);

    Label5 = beschriftungAnlegen(this, 40, 268);

    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(408, 75, 105, 206);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    // A long term name wraps instead of hiding behind a scroll bar.
    ListBox1->setWordWrap(true);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setAlternatingRowColors(true);

    Neu1 = KnopfAnlegen(this, QStringLiteral("Neu"), QRect(40, 287, 81, 27),
                        QStringLiteral("gesamte Regeltabelle löschen"));
    Kopieren = KnopfAnlegen(this, QStringLiteral("Kopieren"), QRect(128, 287, 81, 27),
                            QStringLiteral("Dieses Fenster in die Zwischenablage kopieren"));
    OKBtn = KnopfAnlegen(this, QStringLiteral("OK"), QRect(304, 287, 77, 27));
    CancelBtn = KnopfAnlegen(this, QStringLiteral("Abbrechen"), QRect(388, 287, 77, 27));
    HelpBtn = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(472, 287, 77, 27));
    OKBtn->setDefault(true);

    setTabOrder(StringGrid1, ListBox1);
    setTabOrder(ListBox1, Neu1);
    setTabOrder(Neu1, Kopieren);
    setTabOrder(Kopieren, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, HelpBtn);

    // A click sets the rule in its cell, also in the cell that is current
    // already; keys set it in every cell they move to. Qt's own moves of the
    // current cell (with the focus) set nothing.
    connect(StringGrid1, &QTableWidget::cellClicked, this, [this](int zeile, int spalte) {
        ZelleSetzen(spalte + 1, zeile + 1);
    });
    connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this](int zeile, int spalte, int, int) {
        if (StringGrid1->TasteAktiv() && zeile >= 0 && spalte >= 0)
            ZelleSetzen(spalte + 1, zeile + 1);
    });
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this](int zeile, int spalte) {
        ZelleLeeren(spalte + 1, zeile + 1);
    });
    connect(Neu1, &QPushButton::clicked, this, &TRegEditForm::Neu1Click);
    connect(Kopieren, &QPushButton::clicked, this, &TRegEditForm::KopierenClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    HilfeSeiteSetzen(this, HilfeSeite::Regeln, HelpBtn);
}

bool TRegEditForm::imGebrauch(int c, int r) const
{
    const int spalten = EingangB.definiert() ? EingangB.gueltigeAnzahl() : 1;
    return c <= spalten && r <= EingangA.gueltigeAnzahl();
}

void TRegEditForm::oeffnen()
{
    RegelChanged = false;
    beschriften(Label4, EingangB.definiert() ? EingangB.Name() : QString(), ListBox1->x() - 8 - Label4->x());
    beschriften(Label5, EingangA.Name(), 362);
    beschriften(Label3, Ausgang.Name(), width() - 411 - 8);

    {
        const QSignalBlocker sperre(ListBox1);
        ListBox1->clear();
        for (int k = 1; k <= Ausgang.gueltigeAnzahl(); ++k) {
            ListBox1->addItem(Ausgang.Termname(k));
            ListBox1->item(k - 1)->setToolTip(Ausgang.Termname(k) + QStringLiteral(" (") + Ausgang.AbkTermname(k) +
                                              QLatin1Char(')'));
        }
        ListBox1->clearSelection();
        ListBox1->setCurrentRow(-1);
    }

    {
        const QSignalBlocker sperre(StringGrid1);
        StringGrid1->clearSelection();
        StringGrid1->selectionModel()->clearCurrentIndex();
    }
    for (int i = 1; i <= TFuzzy::MaxTerme; ++i) {
        QTableWidgetItem* spalte = StringGrid1->horizontalHeaderItem(i - 1);
        const bool b = i <= EingangB.gueltigeAnzahl();
        spalte->setText(b ? EingangB.AbkTermname(i) : QString());
        spalte->setToolTip(b ? EingangB.Termname(i) : QString());
        QTableWidgetItem* zeile = StringGrid1->verticalHeaderItem(i - 1);
        const bool a = i <= EingangA.gueltigeAnzahl();
        zeile->setText(a ? EingangA.AbkTermname(i) : QString());
        zeile->setToolTip(a ? EingangA.Termname(i) : QString());
    }
    for (int c = 1; c <= TFuzzy::MaxTerme; ++c)
        for (int r = 1; r <= TFuzzy::MaxTerme; ++r) {
            if (imGebrauch(c, r)) {
                zelleZeigen(c, r);
            } else {
                // Entries outside the terms in use stay stored but unseen.
                QTableWidgetItem* z = StringGrid1->item(r - 1, c - 1);
                z->setText(QString());
                z->setToolTip(QString());
                z->setForeground(QBrush());
                z->setBackground(AusserGebrauch);
            }
        }
    OKBtn->setFocus();
}

void TRegEditForm::zelleZeigen(int c, int r)
{
    QTableWidgetItem* z = StringGrid1->item(r - 1, c - 1);
    const int k = regeltab(c, r);
    const bool gebraucht = imGebrauch(c, r);
    z->setBackground(gebraucht ? QBrush() : QBrush(AusserGebrauch));
    z->setForeground(QBrush());
    if (k == 0) {
        z->setText(QString());
        z->setToolTip(QString());
        return;
    }
    if (k < 0 || k > Ausgang.gueltigeAnzahl()) {
        // The output lost this term (or never had it): the inference ignores
        // the entry, the file keeps it.
        z->setText(OhneWirkung);
        z->setForeground(Grau);
        z->setToolTip(
            QStringLiteral("Diese Regel wirkt nicht: Der Ausgang hat keinen Term %1 (mehr).").arg(k));
        return;
    }
    z->setText(Ausgang.AbkTermname(k));
    if (!gebraucht) {
        z->setToolTip(QStringLiteral("Diese Zelle gehört zu keinem Term der Eingänge; die Regel wirkt nicht."));
        return;
    }
    QString regel = QStringLiteral("WENN ") + termBeschreibung(EingangA, r);
    if (EingangB.definiert())
        regel += QStringLiteral(" UND ") + termBeschreibung(EingangB, c);
    z->setToolTip(regel + QStringLiteral(", DANN ") + termBeschreibung(Ausgang, k));
}

int TRegEditForm::GewaehlterTerm() const
{
    const QModelIndexList gewaehlt = ListBox1->selectionModel()->selectedIndexes();
    return gewaehlt.isEmpty() ? 0 : gewaehlt.constFirst().row() + 1;
}

QString TRegEditForm::Zelle(int c, int r) const
{
    if (r == 0 && c == 0)
        return {};
    if (r == 0)
        return StringGrid1->horizontalHeaderItem(c - 1)->text();
    if (c == 0)
        return StringGrid1->verticalHeaderItem(r - 1)->text();
    return StringGrid1->item(r - 1, c - 1)->text();
}

QRect TRegEditForm::Zellrechteck(int c, int r) const
{
    return StringGrid1->visualItemRect(StringGrid1->item(r - 1, c - 1));
}

void TRegEditForm::ZelleSetzen(int c, int r)
{
    const int k = GewaehlterTerm();
    if (k == 0) {
        Meldung(MeldungsArt::Warnung, KeinAusgangsterm);
        return;
    }
    regeltab(c, r) = k;
    RegelChanged = true;
    zelleZeigen(c, r);
}

void TRegEditForm::ZelleLeeren(int c, int r)
{
    regeltab(c, r) = 0;
    RegelChanged = true;
    zelleZeigen(c, r);
}

void TRegEditForm::Neu1Click()
{
    if (Meldung(MeldungsArt::Bestaetigung, FrageLoeschen, true) != Antwort::Ja)
        return;
    regeltab = TRegeltab{};
    RegelChanged = true;
    for (int c = 1; c <= TFuzzy::MaxTerme; ++c)
        for (int r = 1; r <= TFuzzy::MaxTerme; ++r)
            zelleZeigen(c, r);
}

void TRegEditForm::KopierenClick()
{
    DialogbildKopieren(*this);
}
