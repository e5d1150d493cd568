#include "forms/vareditform.h"

#include "core/zahlenformat.h"
#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "widgets/farbkreis.h"
#include "widgets/fuzzyzeichnen.h"
#include "widgets/koordinatensystem.h"
#include "widgets/singedit.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace {

const QString NeuerName = QStringLiteral("Fuzzyvariable");
const QString FehlerZahl = QStringLiteral("Fehler bei Zahleingabe");
const QString FehlerGrundmenge =
    QStringLiteral("Fehler bei Angaben zur Grundmenge!\rZweite Zahl muss größer als die erste sein.");
const QString KeinFeld = QStringLiteral("Bitte zuerst Feld selektieren!");
const QString KeinTermname = QStringLiteral("Bitte geben Sie zuerst\rden Termnamen ein!");
const QString ZuVieleTerme = QStringLiteral("Es kann kein weiterer Termname angefügt werden");
const QString NichtSelektiert = QStringLiteral("Kein Termname selektiert!");
const QString ZeileOhneName = QStringLiteral("Bitte geben Sie zunächst den zugehörigen Termnamen ein!");
const QString FrageLoeschen = QStringLiteral("Wollen Sie diese Fuzzyvariable wirklich löschen?");

QString ZeilenFehler(int i)
{
    return QStringLiteral("In Zeile ") + QString::number(i)
           + QStringLiteral(" der Tabelle ist eine Zahl zu groß oder zu klein!");
}

const QColor Teal(0, 128, 128);

// A grid cell's text: two decimals, at least four characters.
QString Zellentext(float wert)
{
    return FestKomma(wert, 2, 4);
}

enum class TGlyphe { Editieren, Anfuegen, Ersetzen };

// The pictures of the three term-name buttons, drawn at 16 x 16.
QIcon Glyphe(TGlyphe art)
{
    QPixmap bild(16, 16);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    switch (art) {
    case TGlyphe::Editieren: {
        // A pencil over a line of text.
        maler.setPen(QPen(QColor(40, 40, 40), 1));
        maler.drawLine(1, 14, 9, 14);
        QPainterPath stift;
        stift.moveTo(4, 12);
        stift.lineTo(5, 9);
        stift.lineTo(12, 2);
        stift.lineTo(14, 4);
        stift.lineTo(7, 11);
        stift.closeSubpath();
        maler.setBrush(QColor(230, 180, 40));
        maler.drawPath(stift);
        maler.setBrush(QColor(200, 60, 60));
        maler.drawPolygon(QPolygonF({QPointF(11, 3), QPointF(12, 2), QPointF(14, 4), QPointF(13, 5)}));
        break;
    }
    case TGlyphe::Anfuegen: {
        // A list with a green plus below its last line.
        maler.setPen(QPen(QColor(60, 60, 60), 1));
        maler.drawLine(1, 2, 10, 2);
        maler.drawLine(1, 5, 10, 5);
        maler.setPen(QPen(QColor(0, 140, 0), 3, Qt::SolidLine, Qt::FlatCap));
        maler.drawLine(QPointF(10, 7), QPointF(10, 16));
        maler.drawLine(QPointF(5.5, 11.5), QPointF(14.5, 11.5));
        break;
    }
    case TGlyphe::Ersetzen: {
        // Two arrows in a circle: one name goes, another comes.
        maler.setPen(QPen(QColor(0, 70, 180), 2, Qt::SolidLine, Qt::FlatCap));
        maler.drawArc(QRectF(2.5, 2.5, 11, 11), 30 * 16, 150 * 16);
        maler.drawArc(QRectF(2.5, 2.5, 11, 11), 210 * 16, 150 * 16);
        maler.setPen(Qt::NoPen);
        maler.setBrush(QColor(0, 70, 180));
        maler.drawPolygon(QPolygonF({QPointF(15.5, 5), QPointF(10.5, 5), QPointF(14, 9.5)}));
        maler.drawPolygon(QPolygonF({QPointF(0.5, 11), QPointF(5.5, 11), QPointF(2, 6.5)}));
        break;
    }
    }
    return QIcon(bild);
}

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

// The grid of the term values: row 0 and column 0 are fixed cells.
class TVarEditform::TGrid : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

    // Hands an open cell editor's text to its cell and closes the editor.
    void editorUebernehmen()
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

protected:
    // Shift+Tab in the first value cell leaves the grid, as Tab does in the
    // last one; the fixed cells cannot stop it there.
    bool focusNextPrevChild(bool next) override
    {
        const QModelIndex zelle = currentIndex();
        if (!next && zelle.row() <= 1 && zelle.column() <= 1)
            return QWidget::focusNextPrevChild(false);
        return QTableWidget::focusNextPrevChild(next);
    }
};

QStringList VariablenFehler(const TFuzzy& fuzzy)
{
    if (!(fuzzy.b() > fuzzy.a()))
        return {FehlerGrundmenge};
    QStringList fehler;
    for (int i = 1; i <= fuzzy.gueltigeAnzahl(); ++i) {
        // Written so that a value that is no number counts as faulty.
        const bool geordnet = fuzzy.a() <= fuzzy.Term(i, 1) && fuzzy.Term(i, 1) <= fuzzy.Term(i, 2)
                              && fuzzy.Term(i, 2) <= fuzzy.Term(i, 3) && fuzzy.Term(i, 3) <= fuzzy.Term(i, 4)
                              && fuzzy.Term(i, 4) <= fuzzy.b();
        if (!geordnet)
            fehler.append(ZeilenFehler(i));
    }
    return fehler;
}

QString NameOhneSteuerzeichen(const QString& name)
{
    QString ergebnis;
    ergebnis.reserve(name.size());
    for (const QChar c : name)
        if (c.category() != QChar::Other_Control)
            ergebnis += c;
    return ergebnis;
}

TVarEditform::TVarEditform(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, 632, 411, QStringLiteral("Variable editieren"));
    // A fixed border: title, system menu and close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    controlsAnlegen();

    fuzzyVar.FarbeInit();
    fuzzyVar.setDefiniert(false);
    for (int i = 1; i <= TFuzzy::MaxTerme; ++i)
        for (int j = 1; j <= 5; ++j)
            fuzzyVar.setTerm(i, j, j == 5 ? 1.0f : 0.0f);

    connect(qApp, &QApplication::focusChanged, this, &TVarEditform::gridFokusWechsel);
}

TVarEditform::~TVarEditform() = default;

QTableWidget* TVarEditform::StringGrid1() const
{
    return stringGrid1;
}

void TVarEditform::controlsAnlegen()
{
    auto beschriftung = [this](const QString& text, int x, int y) {
        auto* l = new QLabel(text, this);
        l->move(x, y);
        l->adjustSize();
        return l;
    };
    auto zeile = [this](QLineEdit* feld, const QRect& platz, const QString& hinweis) {
        feld->setGeometry(platz);
        HinweisSetzen(feld, hinweis);
        feld->installEventFilter(this);
    };

    beschriftung(QStringLiteral("Name:"), 16, 8);
    edit1 = new QLineEdit(this);
    zeile(edit1, QRect(16, 24, 145, 21), QStringLiteral("Variablennamen eingeben"));
    beschriftung(QStringLiteral("Grundmenge von:"), 16, 64);
    singEdit1 = new TSingEdit(this);
    zeile(singEdit1, QRect(16, 80, 145, 21), QStringLiteral("linke Intervallgrenze"));
    beschriftung(QStringLiteral("bis:"), 16, 112);
    singEdit2 = new TSingEdit(this);
    zeile(singEdit2, QRect(16, 128, 145, 21), QStringLiteral("rechte Intervallgrenze"));
    beschriftung(QStringLiteral("Termnamen:"), 208, 8);
    edit2 = new QLineEdit(this);
    zeile(edit2, QRect(208, 24, 121, 21), QStringLiteral("Termnamen eingeben"));

    auto werkzeug = [this](TGlyphe glyphe, int x, const QString& hinweis) {
        auto* k = new QToolButton(this);
        k->setGeometry(x, 48, 25, 25);
        k->setIcon(Glyphe(glyphe));
        k->setIconSize(QSize(16, 16));
        k->setFocusPolicy(Qt::NoFocus);
        HinweisSetzen(k, hinweis);
        return k;
    };
    speedButton1 = werkzeug(TGlyphe::Editieren, 216, QStringLiteral("ausgewählten Termnamen editieren"));
    speedButton2 = werkzeug(TGlyphe::Anfuegen, 256, QStringLiteral("Termnamen anfügen"));
    speedButton3 = werkzeug(TGlyphe::Ersetzen, 296, QStringLiteral("selektierten Termnamen ersetzen"));

    listBox1 = new QListWidget(this);
    listBox1->setGeometry(208, 80, 121, 73);
    listBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    HinweisSetzen(listBox1, QStringLiteral("Liste der Termnamen"));
    listBox1->installEventFilter(this);

    image1 = new QLabel(this);
    image1->setGeometry(368, 24, 255, 144);
    image1->setPixmap(QPixmap::fromImage(Trapezskizze(image1->size(), font())));
    HinweisSetzen(image1, QStringLiteral("a, b, c, d und h sind die charakteristische Werte"));

    stringGrid1 = new TGrid(6, 6, this);
    stringGrid1->setGeometry(368, 192, 255, 153);
    stringGrid1->setItemDelegate(new TZellenDelegate(stringGrid1));
    HinweisSetzen(stringGrid1, QStringLiteral("Tabelle für charakteristische Werte a, b, c, d und h "));
    stringGrid1->horizontalHeader()->hide();
    stringGrid1->verticalHeader()->hide();
    for (QHeaderView* kopf : {stringGrid1->horizontalHeader(), stringGrid1->verticalHeader()}) {
        kopf->setMinimumSectionSize(1);
        kopf->setSectionResizeMode(QHeaderView::Fixed);
    }
    // 41 pixels of cell and one of grid line per column, 24 and one per row.
    stringGrid1->horizontalHeader()->setDefaultSectionSize(42);
    stringGrid1->verticalHeader()->setDefaultSectionSize(25);
    stringGrid1->setFrameStyle(QFrame::Box | QFrame::Plain);
    stringGrid1->setLineWidth(1);
    stringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    stringGrid1->setTabKeyNavigation(true);
    stringGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                                 | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    {
        const QSignalBlocker sperre(stringGrid1);
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
                stringGrid1->setItem(r, s, zelle);
            }
        }
        stringGrid1->setCurrentCell(1, 1);
    }
    connect(stringGrid1, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* zelle) {
        if (zelle->row() >= 1 && zelle->column() >= 1)
            zelleGeaendert[zelle->row() - 1][zelle->column() - 1] = true;
        geaendert();
    });
    connect(stringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int zeile, int spalte, int, int) { zelleGewaehlt(zeile, spalte); });

    const QColor markenfarben[5] = {QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 255, 255), QColor(0, 128, 0),
                                    QColor(255, 0, 255)};
    for (int i = 0; i < 5; ++i) {
        shapes[i] = new TFarbkreis(markenfarben[i], this);
        shapes[i]->setGeometry(344, 222 + 25 * i, 17, 17);
    }

    auto* panel = new QFrame(this);
    panel->setGeometry(16, 168, 313, 201);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QPalette weiss = panel->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    panel->setPalette(weiss);
    panel1 = panel;
    koordinatensystem1 = new TKoordinatensystem(panel);
    koordinatensystem1->setGeometry(2, 2, 309, 197);
    koordinatensystem1->setSkalenart(TSkala::teilweise);
    koordinatensystem1->setGraphFarbe(Qt::black);
    koordinatensystem1->setKSFarbe(QColor(128, 128, 128));
    koordinatensystem1->setStiftart(TStiftart::Kopieren);
    koordinatensystem1->setXBereich(-10, 10);
    koordinatensystem1->setYBereich(-10, 10);
    koordinatensystem1->Refresh();

    kopieren1 = KnopfAnlegen(this, QStringLiteral("Kopieren"), QRect(16, 376, 81, 25),
                             QStringLiteral("Grafik in die Zwischenablage kopieren"));
    zeichnen1Knopf = KnopfAnlegen(this, QStringLiteral("definieren und zeichnen"), QRect(104, 376, 177, 25),
                                  QStringLiteral("Fuzzyvariable testen, definieren und Graphen zeichnen"));
    loeschen = KnopfAnlegen(this, QStringLiteral("Löschen"), QRect(288, 376, 81, 25),
                            QStringLiteral("Fuzzyvariable vollständig löschen"));
    okBtn = KnopfAnlegen(this, QStringLiteral("OK"), QRect(377, 378, 77, 25));
    okBtn->setFocusPolicy(Qt::ClickFocus);
    cancelBtn = KnopfAnlegen(this, QStringLiteral("Abbrechen"), QRect(460, 376, 77, 25));
    helpBtn = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(544, 376, 77, 25));

    setTabOrder(edit1, singEdit1);
    setTabOrder(singEdit1, singEdit2);
    setTabOrder(singEdit2, edit2);
    setTabOrder(edit2, listBox1);
    setTabOrder(listBox1, stringGrid1);
    setTabOrder(stringGrid1, zeichnen1Knopf);
    setTabOrder(zeichnen1Knopf, helpBtn);
    setTabOrder(helpBtn, cancelBtn);
    setTabOrder(cancelBtn, loeschen);
    setTabOrder(loeschen, kopieren1);

    connect(edit1, &QLineEdit::returnPressed, singEdit1, [this] { singEdit1->setFocus(Qt::OtherFocusReason); });
    connect(singEdit1, &QLineEdit::returnPressed, singEdit2, [this] { singEdit2->setFocus(Qt::OtherFocusReason); });
    connect(singEdit2, &QLineEdit::returnPressed, edit2, [this] { edit2->setFocus(Qt::OtherFocusReason); });
    connect(edit2, &QLineEdit::returnPressed, this, &TVarEditform::SpeedButton2Click);
    connect(edit1, &QLineEdit::textEdited, this, [this] {
        nameBereinigen(edit1);
        geaendert();
    });
    connect(edit2, &QLineEdit::textEdited, this, [this] {
        nameBereinigen(edit2);
        geaendert();
    });
    connect(singEdit1, &QLineEdit::textEdited, this, [this] {
        feldAGeaendert = true;
        geaendert();
    });
    connect(singEdit2, &QLineEdit::textEdited, this, [this] {
        feldBGeaendert = true;
        geaendert();
    });

    connect(speedButton1, &QToolButton::clicked, this, &TVarEditform::SpeedButton1Click);
    connect(speedButton2, &QToolButton::clicked, this, &TVarEditform::SpeedButton2Click);
    connect(speedButton3, &QToolButton::clicked, this, &TVarEditform::SpeedButton3Click);
    connect(kopieren1, &QPushButton::clicked, this, &TVarEditform::Kopieren1Click);
    connect(zeichnen1Knopf, &QPushButton::clicked, this, &TVarEditform::zeichnen1Click);
    connect(loeschen, &QPushButton::clicked, this, &TVarEditform::LoeschenClick);
    connect(okBtn, &QPushButton::clicked, this, &TVarEditform::OKBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &TVarEditform::reject);
    HilfeSeiteSetzen(this, HilfeSeite::Variablen, helpBtn);
}

QImage TVarEditform::Trapezskizze(const QSize& groesse, const QFont& schrift)
{
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    const int w = groesse.width();
    const int h = groesse.height();
    // A lowered frame, like the bevel around a picture.
    maler.setPen(QColor(128, 128, 128));
    maler.drawLine(0, 0, w - 1, 0);
    maler.drawLine(0, 0, 0, h - 1);
    maler.setPen(QColor(230, 230, 230));
    maler.drawLine(1, h - 1, w - 1, h - 1);
    maler.drawLine(w - 1, 1, w - 1, h - 1);

    maler.setRenderHint(QPainter::Antialiasing);
    QFont fett = schrift;
    fett.setBold(true);
    maler.setFont(fett);
    const QFontMetrics m(fett);

    // World: the base line at y0, the height h at y1.
    const double x0 = 26;
    const double x9 = w - 14;
    const double y0 = h - 34;
    const double y1 = 30;
    const double xa = x0 + (x9 - x0) * 0.14;
    const double xb = x0 + (x9 - x0) * 0.38;
    const double xc = x0 + (x9 - x0) * 0.62;
    const double xd = x0 + (x9 - x0) * 0.86;

    // Axes with arrow heads.
    maler.setPen(QPen(Qt::black, 1));
    maler.setBrush(Qt::black);
    maler.drawLine(QPointF(x0, y0), QPointF(x9, y0));
    maler.drawPolygon(QPolygonF({QPointF(x9 + 6, y0), QPointF(x9 - 2, y0 - 3.5), QPointF(x9 - 2, y0 + 3.5)}));
    maler.drawLine(QPointF(x0, y0), QPointF(x0, y1 - 16));
    maler.drawPolygon(QPolygonF({QPointF(x0, y1 - 22), QPointF(x0 - 3.5, y1 - 14), QPointF(x0 + 3.5, y1 - 14)}));

    // Guide lines from the corners to the axes.
    maler.setPen(QPen(QColor(110, 110, 110), 1, Qt::DashLine));
    maler.drawLine(QPointF(x0, y1), QPointF(xb, y1));
    maler.drawLine(QPointF(xb, y1), QPointF(xb, y0));
    maler.drawLine(QPointF(xc, y1), QPointF(xc, y0));

    // The trapezoid.
    maler.setPen(QPen(QColor(0, 0, 255), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    maler.setBrush(QColor(200, 215, 255));
    maler.drawPolygon(QPolygonF({QPointF(xa, y0), QPointF(xb, y1), QPointF(xc, y1), QPointF(xd, y0)}));

    // Ticks and letters.
    maler.setPen(QPen(Qt::black, 1));
    maler.setBrush(Qt::NoBrush);
    const int textOben = static_cast<int>(y0) + 6;
    const std::pair<double, char> ecken[] = {{xa, 'a'}, {xb, 'b'}, {xc, 'c'}, {xd, 'd'}};
    for (const auto& [x, buchstabe] : ecken) {
        maler.drawLine(QPointF(x, y0 - 3), QPointF(x, y0 + 3));
        const QString t(QLatin1Char{buchstabe});
        maler.drawText(QPointF(x - m.horizontalAdvance(t) / 2.0, textOben + m.ascent()), t);
    }
    maler.drawLine(QPointF(x0 - 3, y1), QPointF(x0 + 3, y1));
    const QString hText = QStringLiteral("h");
    maler.drawText(QPointF(x0 - 8 - m.horizontalAdvance(hText), y1 + m.ascent() / 2.0 - 1), hText);
    const QString null = QStringLiteral("0");
    maler.drawText(QPointF(x0 - 8 - m.horizontalAdvance(null), y0 + m.ascent() / 2.0 - 1), null);

    // What the letters mean, in the sketch's own words.
    QFont klein = schrift;
    maler.setFont(klein);
    maler.setPen(QColor(60, 60, 60));
    maler.drawText(QRectF(4, h - 15, w - 8, 13), Qt::AlignHCenter | Qt::AlignVCenter,
                   QStringLiteral("a ≤ b ≤ c ≤ d,  h: Höhe des Terms"));
    return bild;
}

// --- opening, transfers, check ---------------------------------------------

void TVarEditform::oeffnen()
{
    offen = true;
    fuzzyVarChanged = false;
    feldAGeaendert = false;
    feldBGeaendert = false;
    fuzzyVar.FarbeInit();
    edit2->clear();
    listBox1->clear();
    if (fuzzyVar.definiert()) {
        edit1->setText(fuzzyVar.Name());
        edit1->setCursorPosition(0);
        for (int i = 1; i <= fuzzyVar.gueltigeAnzahl(); ++i)
            listBox1->addItem(fuzzyVar.Termname(i));
        singEdit1->setNumber(fuzzyVar.a());
        singEdit2->setNumber(fuzzyVar.b());
    } else {
        edit1->setText(NeuerName);
        singEdit1->setNumber(0);
        singEdit2->setNumber(100);
        fuzzyVar.loeschen();
        // The variable holds what its fields show.
        fuzzyVar.setName(NeuerName);
        fuzzyVar.setA(0);
        fuzzyVar.setB(100);
    }
    Tabaktuell();
    {
        const QSignalBlocker sperre(stringGrid1);
        stringGrid1->setCurrentCell(1, 1);
    }
    plotLeeren();
    // Drawn at once when it can be; a variable with faults waits for the
    // user's "definieren und zeichnen", which shows the faults.
    if (fuzzyVar.definiert() && VariablenFehler(fuzzyVar).isEmpty())
        Zeichnen(fuzzyVar, *koordinatensystem1);
    edit1->setFocus(Qt::OtherFocusReason);
}

void TVarEditform::done(int ergebnis)
{
    // Nothing is transferred any more, neither by a focus change nor by a box.
    offen = false;
    QDialog::done(ergebnis);
}

void TVarEditform::Tabaktuell()
{
    const QSignalBlocker sperre(stringGrid1);
    stringGrid1->editorUebernehmen();
    const int n = fuzzyVar.gueltigeAnzahl();
    for (int i = 1; i <= TFuzzy::MaxTerme; ++i) {
        const bool belegt = i <= n;
        stringGrid1->item(i, 0)->setText(belegt ? QStringLiteral(" ") + fuzzyVar.AbkTermname(i) : QString());
        for (int j = 1; j <= 5; ++j) {
            stringGrid1->item(i, j)->setText(belegt ? Zellentext(fuzzyVar.Term(i, j)) : QString());
            zelleGeaendert[i - 1][j - 1] = false;
        }
    }
}

void TVarEditform::Varaktuell()
{
    if (uebertragung)
        return;
    uebertragung = true;
    // What an open cell editor holds counts as typed into its cell.
    stringGrid1->editorUebernehmen();
    fuzzyVar.setName(NameOhneSteuerzeichen(edit1->text()));
    if (feldAGeaendert)
        fuzzyVar.setA(singEdit1->Number());
    if (feldBGeaendert)
        fuzzyVar.setB(singEdit2->Number());
    feldAGeaendert = feldBGeaendert = false;
    const int anzahl = listBox1->count();
    fuzzyVar.setAnzahl(anzahl);
    if (anzahl == 0) {
        fuzzyVar.setDefiniert(false);
    } else {
        for (int i = 1; i <= anzahl; ++i) {
            fuzzyVar.setTermname(i, listBox1->item(i - 1)->text());
            for (int j = 1; j <= 5; ++j) {
                if (!zelleGeaendert[i - 1][j - 1])
                    continue;
                zelleGeaendert[i - 1][j - 1] = false;
                const auto wert = LiesSingEditZahl(stringGrid1->item(i, j)->text());
                fuzzyVar.setTerm(i, j, wert.value_or(0));
                if (!wert) {
                    {
                        // The cell shows the value the variable now holds.
                        const QSignalBlocker sperre(stringGrid1);
                        stringGrid1->item(i, j)->setText(Zellentext(0));
                    }
                    meldung(MeldungsArt::Fehler, FehlerZahl);
                }
            }
        }
    }
    uebertragung = false;
}

bool TVarEditform::checked()
{
    const QStringList fehler = VariablenFehler(fuzzyVar);
    for (const QString& text : fehler)
        meldung(MeldungsArt::Fehler, text);
    return fehler.isEmpty();
}

void TVarEditform::uebertragenVorMeldung()
{
    if (offen)
        Varaktuell();
}

void TVarEditform::meldung(MeldungsArt art, const QString& text)
{
    uebertragenVorMeldung();
    ++offeneMeldungen;
    Meldung(art, text);
    --offeneMeldungen;
}

bool TVarEditform::meldungJa(const QString& text)
{
    uebertragenVorMeldung();
    ++offeneMeldungen;
    const bool ja = Meldung(MeldungsArt::Bestaetigung, text, true) == Antwort::Ja;
    --offeneMeldungen;
    return ja;
}

void TVarEditform::gridFokusWechsel(QWidget* alt, QWidget* neu)
{
    auto imGrid = [this](QWidget* w) { return w && (w == stringGrid1 || stringGrid1->isAncestorOf(w)); };
    // Only a move to another control of this dialog counts: an opening cell
    // editor stays inside the grid, a box or another window is none.
    if (!offen || offeneMeldungen > 0 || !imGrid(alt) || imGrid(neu) || !neu || !isAncestorOf(neu))
        return;
    Varaktuell();
}

void TVarEditform::zelleGewaehlt(int zeile, int)
{
    if (zeile < 1)
        return;
    geaendert();
    if (listBox1->count() < zeile)
        meldung(MeldungsArt::Warnung, ZeileOhneName);
}

void TVarEditform::plotLeeren()
{
    koordinatensystem1->setStiftart(TStiftart::Kopieren);
    koordinatensystem1->Refresh();
}

void TVarEditform::zeichnenAktion()
{
    if (!checked())
        return;
    Zeichnen(fuzzyVar, *koordinatensystem1);
    // Without a term there is nothing defined, whatever the check says.
    fuzzyVar.setDefiniert(fuzzyVar.Anzahl() >= 1);
}

// --- commands ----------------------------------------------------------------

void TVarEditform::zeichnen1Click()
{
    Varaktuell();
    zeichnenAktion();
}

void TVarEditform::Kopieren1Click()
{
    koordinatensystem1->CopyToClipboard();
}

void TVarEditform::OKBtnClick()
{
    Varaktuell();
    zeichnenAktion();
    accept();
}

void TVarEditform::LoeschenClick()
{
    if (!meldungJa(FrageLoeschen))
        return;
    geaendert();
    fuzzyVar.loeschen();
    fuzzyVar.setName(NeuerName);
    fuzzyVar.setA(0);
    fuzzyVar.setB(100);
    listBox1->clear();
    edit1->setText(NeuerName);
    singEdit1->setText(QStringLiteral("0"));
    singEdit2->setText(QStringLiteral("100"));
    feldAGeaendert = feldBGeaendert = false;
    edit2->clear();
    Tabaktuell();
    plotLeeren();
}

void TVarEditform::SpeedButton1Click()
{
    const QList<QListWidgetItem*> gewaehlt = listBox1->selectedItems();
    if (gewaehlt.isEmpty()) {
        meldung(MeldungsArt::Warnung, KeinFeld);
        return;
    }
    edit2->setText(gewaehlt.first()->text());
}

void TVarEditform::listeUebernehmen()
{
    const int anzahl = listBox1->count();
    fuzzyVar.setAnzahl(anzahl);
    for (int i = 1; i <= anzahl; ++i)
        fuzzyVar.setTermname(i, listBox1->item(i - 1)->text());
}

void TVarEditform::SpeedButton2Click()
{
    // Values typed into the grid are kept before the grid is rewritten.
    Varaktuell();
    const QString name = NameOhneSteuerzeichen(edit2->text());
    if (name.trimmed().isEmpty()) {
        meldung(MeldungsArt::Warnung, KeinTermname);
        return;
    }
    if (listBox1->count() >= TFuzzy::MaxTerme) {
        meldung(MeldungsArt::Fehler, ZuVieleTerme);
        return;
    }
    geaendert();
    listBox1->addItem(name);
    listeUebernehmen();
    Tabaktuell();
    edit2->clear();
}

void TVarEditform::SpeedButton3Click()
{
    Varaktuell();
    if (listBox1->selectedItems().isEmpty()) {
        meldung(MeldungsArt::Fehler, NichtSelektiert);
        return;
    }
    const QString name = NameOhneSteuerzeichen(edit2->text());
    if (name.isEmpty()) {
        termLoeschen(true);
        return;
    }
    if (name.trimmed().isEmpty()) {
        // Blanks alone are no name, and no order to delete the term either.
        meldung(MeldungsArt::Warnung, KeinTermname);
        return;
    }
    geaendert();
    const int k = listBox1->row(listBox1->selectedItems().first());
    listBox1->item(k)->setText(name);
    edit2->clear();
    listeUebernehmen();
    for (int r = fuzzyVar.Anzahl() + 1; r <= TFuzzy::MaxTerme; ++r)
        for (int j = 1; j <= 5; ++j)
            fuzzyVar.setTerm(r, j, j == 5 ? 1.0f : 0.0f);
    Tabaktuell();
}

void TVarEditform::ListBox1Entf()
{
    Varaktuell();
    if (listBox1->selectedItems().isEmpty()) {
        meldung(MeldungsArt::Fehler, NichtSelektiert);
        return;
    }
    termLoeschen(false);
}

void TVarEditform::termLoeschen(bool edit2Leeren)
{
    geaendert();
    const int k = listBox1->row(listBox1->selectedItems().first());
    delete listBox1->takeItem(k);
    // The terms behind the deleted one move up a row.
    for (int r = k + 1; r <= TFuzzy::MaxTerme - 1; ++r)
        for (int j = 1; j <= 5; ++j)
            fuzzyVar.setTerm(r, j, fuzzyVar.Term(r + 1, j));
    if (edit2Leeren)
        edit2->clear();
    listeUebernehmen();
    for (int r = fuzzyVar.Anzahl() + 1; r <= TFuzzy::MaxTerme; ++r)
        for (int j = 1; j <= 5; ++j)
            fuzzyVar.setTerm(r, j, j == 5 ? 1.0f : 0.0f);
    listBox1->clearSelection();
    Tabaktuell();
}

void TVarEditform::nameBereinigen(QLineEdit* feld)
{
    const QString text = feld->text();
    const QString sauber = NameOhneSteuerzeichen(text);
    if (sauber == text)
        return;
    const int cursor = feld->cursorPosition() - static_cast<int>(text.size() - sauber.size());
    feld->setText(sauber);
    feld->setCursorPosition(std::max(0, cursor));
}

// --- keys and clicks -------------------------------------------------------

void TVarEditform::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) {
        // No default button: Enter does what its control says, or clicks the
        // focused button, and never closes the dialog by itself.
        if (auto* knopf = qobject_cast<QPushButton*>(focusWidget()))
            knopf->click();
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

bool TVarEditform::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::MouseButtonPress
        && (objekt == edit1 || objekt == singEdit1 || objekt == singEdit2 || objekt == edit2))
        geaendert();
    if (objekt == listBox1 && ereignis->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Delete) {
        ListBox1Entf();
        return true;
    }
    return QDialog::eventFilter(objekt, ereignis);
}
